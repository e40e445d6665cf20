#include "app/FrameClock.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameClockTest, FirstFrameMeasuresFromTickZero) {
    // The first frame's time holds all of start-up, loading included.
    FrameClock clock;
    EXPECT_FLOAT_EQ(clock.frameSeconds(2350), 2.35f);
}

TEST(FrameClockTest, LaterFramesMeasureFromThePreviousCall) {
    FrameClock clock;
    clock.frameSeconds(1000);
    EXPECT_FLOAT_EQ(clock.frameSeconds(1016), 0.016f);
    EXPECT_FLOAT_EQ(clock.frameSeconds(1016), 0.0f);
    // A window minimised for a minute hands the whole minute to the next frame.
    EXPECT_FLOAT_EQ(clock.frameSeconds(61016), 60.0f);
}

}  // namespace
