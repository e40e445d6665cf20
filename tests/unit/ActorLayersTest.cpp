#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <string>

#include "render/ActorLayers.h"

namespace {
// Each part in a colour of its own (red = 10 x its number), all showing `visible`.
Costume numbered(std::uint8_t visible) {
    Costume c;
    for (int n = 1; n <= Costume::partCount; ++n)
        c.part(n) = CostumePart{static_cast<std::uint8_t>(10 * n), 0, 0, 100, visible};
    return c;
}

// The frames of a stack bottom first ("9-13" for a running range), and their reds.
std::pair<std::string, std::string> describe(const LayerStack& stack) {
    std::string frames, reds;
    for (int i = 0; i < stack.count(); ++i) {
        const SpriteLayer& l = stack.layer(i);
        frames += (i ? " " : "") + std::to_string(l.first) + (l.last != l.first ? "-" + std::to_string(l.last) : "");
        reds += (i ? " " : "") + std::to_string(l.red);
    }
    return {frames, reds};
}
}  // namespace

TEST(ActorLayers, EachKindStacksItsFramesBottomFirstInItsPartsColours) {
    const Costume plain = numbered(1), none = numbered(0);
    Costume muse = plain, odd = plain, grabbing = none;
    muse.part(7).visible = 133;
    odd.part(7).visible = 7, odd.part(4).visible = 200;  // skin 7 counts as 4; tights 222: no such frame
    grabbing.part(2).visible = 1;
    const struct {
        unsigned kind;
        const Costume& costume;
        bool blinking;
        std::uint8_t state;
        const char* frames;
        const char* reds;  // nullptr: not looked at
    } cases[] = {
        {111, plain, false, 1, "31 1 5 23 25 27 29 35 13 14 16 19", "255 70 80 40 30 50 60 100 5 10 20 90"},
        {101, none, true, 1, "31 1 4 22 24 26 28 34 9-13 13 15 18", nullptr},  // skin 0 counts as 1
        {111, odd, false, 1, "31 4 5 25 27 29 35 13 14 16 19", nullptr},
        {112, plain, false, 1, "19 31 1 5 23 25 27 29 35 13 14 16", "90 255 70 80 40 30 50 60 100 5 10 20"},
        {113, plain, false, 1, "3 1 2 4 5 6 7 8", "255 50 60 10 30 40 20 5"},
        {132, plain, false, 1, "1 2 4 3", "5 20 255 10"},
        {132, plain, true, 1, "1 2 4 6-8", nullptr},
        {132, plain, true, 2, "1 2 4 7", nullptr},  // attracted: the excited shine
        {143, plain, false, 1, "1-6 7-12", "5 10"},
        {161, muse, false, 1, "7 3 9", "255 255 10"},
        {162, plain, false, 1, "5 7 1 2 3 6 4 9", "100 255 70 80 40 5 20 10"},
        {106, none, false, 1, "8 4 1 2 5 6 7 3 9 17", "20 255 180 20 118 180 20 20 20 180"},
        {106, grabbing, false, 1, "8 4 1 18 5 6 7 3 9 17", nullptr},
        {0, plain, false, 1, "", ""}, {125, plain, false, 1, "", ""}, {170, plain, false, 1, "", ""},
        {200, plain, false, 1, "", ""},
    };
    LayerStack stack;
    for (const auto& c : cases) {
        ActorLook look;
        look.kind = c.kind, look.width = 0.2f, look.angle = 30.0f, look.heading = 75.0f, look.spriteScale = 2.5f;
        look.colour = Colour{5, 20, 30, 80}, look.costume = &c.costume, look.blinking = c.blinking;
        look.state = c.state, look.spinAngle = 123.0f, look.blinkWindow = blinkWindowOf(c.kind);
        planActorLayers(look, stack);
        const auto [frames, reds] = describe(stack);
        EXPECT_EQ(frames, c.frames) << c.kind;
        if (c.reds != nullptr) {
            EXPECT_EQ(reds, c.reds) << c.kind;
        }
        // The guardian's calming zone swells with the sprite scale along her heading.
        if (c.kind == 112) {
            EXPECT_EQ(std::pair(stack.layer(0).scaleX, stack.layer(0).rotation), std::pair(2.5f, 75.0f));
        }
    }
}

TEST(BlinkClock, AFirstBlinkAtOnceThenEveryTwoToFourSecondsForTheWindow) {
    BlinkClock fresh;
    EXPECT_TRUE(fresh.advance(0.016f, 0.5f)) << "the first blink begins on the first drawing";
    std::srand(7);
    BlinkClock clock{2.9f, 3.0f};
    for (const auto& [step, open] : {std::pair{0.05f, false}, {0.1f, true}, {0.44f, true}, {0.02f, false}})
        EXPECT_EQ(clock.advance(step, 0.5f), open) << clock.elapsed;  // the window closes at 3.5
    EXPECT_FLOAT_EQ(clock.elapsed, 0.0f);
    std::set<float> intervals;
    for (int i = 0; i < 50; ++i) {
        intervals.insert(clock.interval);
        clock.elapsed = clock.interval + 0.6f;
        clock.advance(0.0f, 0.5f);
    }
    EXPECT_EQ(intervals, (std::set<float>{2.0f, 3.0f, 4.0f}));
}
