#include <gtest/gtest.h>

#include <algorithm>

#include "actors/Avatar.h"
#include "sim/SimButton.h"
#include "sim/SimMouse.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

// A cat that reads a finger's button, frame by frame, as the World steers it.
struct CatUnderFinger {
    Avatar cat;
    SimButton finger;
    int clicks = 0;
    float grabbedFor = 0.0f;

    CatUnderFinger() { cat.place(Kind::cat, 90, 0, 0, 0, Vector{}, 0.025f, 0.025f, 0.0f, 37); }
    void run(SimButton::Wish wish, int frames) {
        for (int i = 0; i < frames; ++i) {
            const bool down = finger.frame(wish, frame);
            cat.steer(512, 384, down, false, false, false, false, false, false, frame);
            clicks += cat.clicked;
            grabbedFor = cat.grabbing ? grabbedFor + frame : 0.0f;
        }
    }
};

}  // namespace

TEST(SimMouse, AMotionOutsideTheWarpAreaIsSeenOnceThenContinuesFromTheWarpPoint) {
    SimMouse mouse;
    mouse.place(900, 300);
    mouse.move(24, 0);  // 924: still inside
    EXPECT_EQ(mouse.x(), 924);
    EXPECT_EQ(mouse.warps(), 0);
    mouse.move(1, 0);  // 925 is seen once
    EXPECT_EQ(mouse.x(), 925);
    EXPECT_EQ(mouse.y(), 300);
    EXPECT_EQ(mouse.warps(), 1);
    mouse.move(3, -2);  // the next motion starts at (512, 512)
    EXPECT_EQ(mouse.x(), 515);
    EXPECT_EQ(mouse.y(), 510);

    // Out on both axes at once, and never out of the window.
    mouse.move(-2000, 2000);
    EXPECT_EQ(mouse.x(), 0);
    EXPECT_EQ(mouse.y(), SimMouse::windowHeight - 1);
    EXPECT_EQ(mouse.warps(), 2);
    mouse.move(0, 0);
    EXPECT_EQ(mouse.x(), SimMouse::warpX);
    EXPECT_EQ(mouse.y(), SimMouse::warpY);
    EXPECT_TRUE(SimMouse::inArea(100, 668));
    EXPECT_FALSE(SimMouse::inArea(99, 400));
    EXPECT_FALSE(SimMouse::inArea(400, 669));
}

TEST(SimButton, AHoldGrabsAndIsNeverReadAsAClick) {
    CatUnderFinger c;
    c.run(SimButton::hold, 60);
    EXPECT_TRUE(c.finger.down());
    EXPECT_GT(c.grabbedFor, 0.4f);  // grabbing after half a second of holding
    // Let go at once: the finger still holds until the hold is long enough.
    CatUnderFinger shortHold;
    shortHold.run(SimButton::hold, 3);
    shortHold.run(SimButton::rest, 60);
    EXPECT_FALSE(shortHold.finger.down());
    EXPECT_EQ(shortHold.clicks, 0);
    // Hold, rest a little, hold again: the second press waits, so no click.
    shortHold.run(SimButton::hold, 40);
    EXPECT_EQ(shortHold.clicks, 0);
    c.run(SimButton::rest, 10);
    c.run(SimButton::hold, 40);
    c.run(SimButton::rest, 40);
    EXPECT_EQ(c.clicks, 0);
}

TEST(SimButton, AClickIsOneClickAndWaitsForARestedButtonATapPressesAtOnce) {
    CatUnderFinger c;
    int upFrames = 0;
    int pressesSeen = 0;
    int shortestRest = 1000;
    // Keep wishing clicks: each press waits for a rested button.
    for (int i = 0; i < 240; ++i) {
        const bool wasDown = c.finger.down();
        c.run(SimButton::click, 1);
        if (c.finger.down() && !wasDown) {
            ++pressesSeen;
            if (pressesSeen > 1) shortestRest = std::min(shortestRest, upFrames);
            upFrames = 0;
        } else if (!c.finger.down()) {
            ++upFrames;
        }
    }
    EXPECT_GE(pressesSeen, 4);
    EXPECT_GE(static_cast<float>(shortestRest + 1) * frame, SimButton::restBeforePress);
    // Each press made exactly one click, and the cat saw the same.
    c.run(SimButton::rest, 30);
    EXPECT_EQ(c.finger.clicks(), pressesSeen);
    EXPECT_EQ(c.clicks, pressesSeen);

    SimButton finger;
    const bool states[] = {finger.frame(SimButton::tap, frame), finger.frame(SimButton::rest, frame),
                           finger.frame(SimButton::tap, frame)};
    EXPECT_TRUE(states[0] && !states[1] && states[2]);
}
