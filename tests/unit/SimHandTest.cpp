// The bots' hand: the mouse with the game's warp rule, the finger on the
// left button, and the spelling of a name in its entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

#include "actors/Avatar.h"
#include "sim/SimButton.h"
#include "sim/SimMouse.h"
#include "sim/SimSpeller.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

// A cat that reads a finger's button, frame by frame, as the World steers it.
struct CatUnderFinger {
    Avatar cat;
    SimButton finger;
    int clicks = 0, presses = 0, shortestRest = 1000, rested = 0;
    float grabbedFor = 0.0f;

    CatUnderFinger() { cat.place(Kind::cat, 90, 0, 0, 0, Vector{}, 0.025f, 0.025f, 0.0f, 37); }
    void run(SimButton::Wish wish, int frames) {
        for (int i = 0; i < frames; ++i) {
            const bool wasDown = finger.down(), down = finger.frame(wish, frame);
            if (down && !wasDown && presses++ > 0) shortestRest = std::min(shortestRest, rested);
            rested = down ? 0 : rested + 1;
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
    const struct {
        int dx, dy, x, y, warps;
    } moves[] = {
        {24, 0, 924, 300, 0},                                   // still inside
        {1, 0, 925, 300, 1},                                    // outside: seen once
        {3, -2, 515, 510, 1},                                   // then on from (512, 512)
        {-2000, 2000, 0, SimMouse::windowHeight - 1, 2},        // never out of the window
        {0, 0, SimMouse::warpX, SimMouse::warpY, 2},
    };
    for (const auto& m : moves) {
        mouse.move(m.dx, m.dy);
        EXPECT_EQ(std::tuple(mouse.x(), mouse.y(), mouse.warps()), std::tuple(m.x, m.y, m.warps)) << m.dx;
    }
    EXPECT_TRUE(SimMouse::inArea(100, 668));
    EXPECT_FALSE(SimMouse::inArea(99, 400) || SimMouse::inArea(400, 669));
}

TEST(SimButton, AHoldGrabsAndIsNeverAClickAClickIsOneClickAfterARestATapPressesAtOnce) {
    CatUnderFinger hold;
    hold.run(SimButton::hold, 60);
    EXPECT_GT(hold.grabbedFor, 0.4f);  // grabbing after half a second of holding
    hold.run(SimButton::rest, 10);     // a short rest: the next press waits
    hold.run(SimButton::hold, 40);
    hold.run(SimButton::rest, 40);
    CatUnderFinger shortHold;  // let go at once: the finger holds until the hold is long enough
    shortHold.run(SimButton::hold, 3);
    shortHold.run(SimButton::rest, 60);
    EXPECT_FALSE(shortHold.finger.down());
    shortHold.run(SimButton::hold, 40);
    EXPECT_EQ(hold.clicks + shortHold.clicks, 0);

    CatUnderFinger c;  // wishing clicks all along
    c.run(SimButton::click, 240);
    c.run(SimButton::rest, 30);
    EXPECT_GE(c.presses, 4);
    EXPECT_GE(static_cast<float>(c.shortestRest + 1) * frame, SimButton::restBeforePress);
    EXPECT_EQ(std::pair(c.finger.clicks(), c.clicks), std::pair(c.presses, c.presses));

    SimButton finger;
    EXPECT_TRUE(finger.frame(SimButton::tap, frame));
    EXPECT_FALSE(finger.frame(SimButton::rest, frame));
    EXPECT_TRUE(finger.frame(SimButton::tap, frame));
}

TEST(SimSpeller, ClicksNothingItCannotFind) {
    SimSight sight;
    std::strcpy(sight.shuffled, "Abc");
    sight.letterCount = 3, sight.nameEntry = true;
    SimSpeller speller;
    speller.begin("Abd");
    int clicks = 0;
    for (int i = 0; i < 120; ++i) {
        const SimSpeller::Move m = speller.frame(sight, frame);
        clicks += m.click;
        sight.letterSound = m.click;  // the row's letters are heard as typed after each click
        sight.cursor += (m.dx > 0) - (m.dx < 0);
    }
    EXPECT_EQ(clicks, 2);  // A and b; there is no d
    EXPECT_EQ(speller.typed(), 2);
    EXPECT_FALSE(speller.finished());
}
