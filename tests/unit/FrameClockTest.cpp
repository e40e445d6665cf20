#include "app/FrameClock.h"

#include <gtest/gtest.h>

TEST(FrameClockTest, EachFrameMeasuresFromThePreviousCallTheFirstFromTickZero) {
    FrameClock clock;
    // The first frame's time holds all of start-up, loading included.
    EXPECT_FLOAT_EQ(clock.frameSeconds(1000), 1.0f);
    EXPECT_FLOAT_EQ(clock.frameSeconds(1016), 0.016f);
    EXPECT_FLOAT_EQ(clock.frameSeconds(1016), 0.0f);
    // A window minimised for a minute hands the whole minute to the next frame.
    EXPECT_FLOAT_EQ(clock.frameSeconds(61016), 60.0f);
}
