#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "render/SpriteAnimation.h"

TEST(SpriteAnimation, FramesFollowTheClockWhichRestartsWithEveryNewRange) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
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
        {true, 13, 13, 1.0f, 0.4f, 13, 0.8f, "a range of one frame"},
        {true, 9, 3, 1.0f, 0.1f, 3, 0.2f, "last below first"},
        {true, 5, 4, 1.0f, 0.1f, 4, 0.0f, "a range of no frames"},
        {true, 1, 8, 0.0f, 0.1f, 8, 0.0f, "no duration"},
        {true, 1, 8, -1.0f, 0.1f, 8, 0.0f, "a negative duration"},
        {true, 1, 8, inf, 0.1f, 8, 0.2f, "an endless duration"},
        {true, 1, 8, nan, 0.1f, 8, 0.2f, "no duration at all"},
        {true, INT_MIN, INT_MAX, 1.0f, 0.3f, INT_MAX, 0.6f, "too many frames to tell apart: the last, at once"},
    };
    AnimationClock clock;
    for (const auto& step : steps) {
        if (step.fresh) clock = AnimationClock{};
        const SpriteFrame shown = advanceSpriteClock(clock, step.first, step.last, step.duration, step.step);
        EXPECT_EQ(shown.frame, step.frame) << step.why;
        EXPECT_NEAR(clock.elapsed, step.elapsed, 1e-6f) << step.why;
    }
}

TEST(SpriteAnimation, EachCategorySlotAndChannelKeepsItsOwnClock) {
    AnimationClocks clocks;
    AnimationClock* a = clocks.clock(1, 0, 0);
    ASSERT_TRUE(a != nullptr && clocks.clock(1, 0, 0) == a && clocks.clock(5, 39, 2) != nullptr);
    EXPECT_TRUE(clocks.clock(0, 0, 0) == nullptr && clocks.clock(6, 0, 0) == nullptr);
    EXPECT_TRUE(clocks.clock(1, 40, 0) == nullptr && clocks.clock(1, 0, 3) == nullptr);
    advanceSpriteClock(*a, 1, 8, 0.8f, 0.2f);
    EXPECT_EQ(std::pair(clocks.clock(1, 0, 1)->elapsed, clocks.clock(2, 0, 0)->elapsed), std::pair(0.0f, 0.0f));
    clocks.resetAll();
    EXPECT_EQ(std::pair(a->elapsed, a->last), std::pair(0.0f, 0));
}
