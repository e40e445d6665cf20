#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "render/SpriteAnimation.h"

TEST(SpriteAnimation, FramesFollowTheClockWhichRestartsWithEveryNewRange) {
    const struct {
        bool fresh;
        int first, last;
        float duration, step;
        int frame;
        float elapsed;
        const char* why;
    } steps[] = {
        {true, 1, 8, 0.8f, 0.125f, 3, 0.25f, "a new range restarts at the step and adds it once more"},
        {false, 1, 8, 0.8f, 0.6f, 8, 0.0f, "past the whole range: the last frame, and the clock returns to 0"},
        {false, 1, 8, 0.8f, 0.15f, 2, 0.15f, "and the animation begins again"},
        {false, 1, 8, 0.8f, 0.5f, 7, 0.65f, "the same range keeps its clock"},
        {false, 1, 8, 1.6f, 0.05f, 1, 0.1f, "another duration"},
        {false, 2, 8, 1.6f, 0.05f, 2, 0.1f, "another first frame"},
        {false, 2, 9, 1.6f, 0.05f, 2, 0.1f, "another last frame"},
        {true, 1, 4, 1.0f, 0.25f, 4, 0.5f, "exactly on a frame boundary lies in no frame: the last"},
        {false, 1, 4, 1.0f, 0.125f, 3, 0.625f, "inside the third quarter"},
        {true, 1, 4, 1.0f, 0.0f, 4, 0.0f, "at the very start: the last"},
    };
    AnimationClock clock;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.why);
        if (step.fresh) clock = AnimationClock{};
        EXPECT_EQ(advanceSpriteClock(clock, step.first, step.last, step.duration, step.step).frame, step.frame);
        EXPECT_NEAR(clock.elapsed, step.elapsed, 1e-6f);
    }
    for (float step : {0.0f, 0.01f, 0.4f, 0.99f, 1.5f, 100.0f})
        EXPECT_EQ(advanceSpriteClock(clock, 13, 13, 1.0f, step).frame, 13) << "a single frame range, after " << step;
}

TEST(SpriteAnimation, DegenerateRangesAndDurationsStayInsideTheRange) {
    AnimationClock huge;
    const SpriteFrame wide = advanceSpriteClock(huge, INT_MIN, INT_MAX, 1.0f, 0.3f);
    EXPECT_GE(wide.frame, INT_MIN);
    EXPECT_LE(wide.frame, INT_MAX);

    AnimationClock backwards;  // last below first
    EXPECT_EQ(advanceSpriteClock(backwards, 9, 3, 1.0f, 0.1f).frame, 3);
    AnimationClock justBelow;  // a range of no frames
    EXPECT_EQ(advanceSpriteClock(justBelow, 5, 4, 1.0f, 0.1f).frame, 4);

    for (float duration : {0.0f, -1.0f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        AnimationClock clock;
        const SpriteFrame shown = advanceSpriteClock(clock, 1, 8, duration, 0.1f);
        EXPECT_GE(shown.frame, 1) << "duration " << duration;
        EXPECT_LE(shown.frame, 8) << "duration " << duration;
    }
}

TEST(SpriteAnimation, EachCategorySlotAndChannelKeepsItsOwnClock) {
    AnimationClocks clocks;
    AnimationClock* a = clocks.clock(1, 0, 0);
    AnimationClock* b = clocks.clock(1, 0, 1);
    AnimationClock* c = clocks.clock(2, 0, 0);
    AnimationClock* d = clocks.clock(5, 39, 2);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    advanceSpriteClock(*a, 1, 8, 0.8f, 0.2f);
    EXPECT_FLOAT_EQ(b->elapsed, 0.0f);
    EXPECT_FLOAT_EQ(c->elapsed, 0.0f);
    EXPECT_EQ(clocks.clock(1, 0, 0), a);

    EXPECT_EQ(clocks.clock(0, 0, 0), nullptr);
    EXPECT_EQ(clocks.clock(6, 0, 0), nullptr);
    EXPECT_EQ(clocks.clock(1, 40, 0), nullptr);
    EXPECT_EQ(clocks.clock(1, 0, 3), nullptr);

    clocks.resetAll();
    EXPECT_FLOAT_EQ(a->elapsed, 0.0f);
    EXPECT_EQ(a->last, 0);
}
