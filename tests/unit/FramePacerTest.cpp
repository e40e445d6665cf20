#include "app/FrameClock.h"
#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

// Starts frames as fast as the pacer allows on a simulated clock, each taking
// workMs, and counts those that start within durationMs.
int framesIn(FramePacer& pacer, std::uint32_t start, std::uint32_t durationMs, std::uint32_t workMs) {
    int frames = 0;
    for (std::uint32_t now = start;; now += workMs, ++frames) {
        while (const std::uint32_t wait = pacer.waitBefore(now)) now += wait;
        if (now - start >= durationMs) return frames;
        pacer.frameStarted(now);
    }
}

TEST(FramePacer, WaitsTheRestOfItsPeriodRoundedUpAndNeverHoldsBackASlowFrame) {
    FramePacer off;
    off.frameStarted(1000);
    EXPECT_EQ(off.waitBefore(1001), 0u) << "off, it never waits";
    FramePacer pacer;
    pacer.setEnabled(true);
    EXPECT_EQ(pacer.waitBefore(5000), 0u) << "the first frame starts at once";
    pacer.frameStarted(1000);
    const unsigned waits[][2] = {{1000, 9}, {1005, 4}, {1009, 0}, {1500, 0}};  // a period of 8.33 ms
    for (const auto& w : waits) EXPECT_EQ(pacer.waitBefore(w[0]), w[1]) << w[0];
    for (std::uint32_t now = 2000; now < 3700; now += 17) {  // a 60 Hz display
        ASSERT_EQ(pacer.waitBefore(now), 0u) << now;
        pacer.frameStarted(now);
    }
}

TEST(FramePacer, FramesComeAtMost120ASecondEvenAfterALateFrameOrATickWrap) {
    FramePacer pacer;
    pacer.setEnabled(true);
    const int oneSecond = framesIn(pacer, 5000, 1000, 0);
    EXPECT_TRUE(oneSecond >= 118 && oneSecond <= 120) << oneSecond;
    const int tenSeconds = framesIn(pacer, 6000, 10000, 1);
    EXPECT_TRUE(tenSeconds >= 1195 && tenSeconds <= 1201) << tenSeconds;
    pacer.frameStarted(20000);
    pacer.frameStarted(20250);  // a long frame, many periods late: no burst to catch up
    EXPECT_EQ(pacer.waitBefore(20250), 9u);
    EXPECT_LE(framesIn(pacer, 20250, 100, 0), 13);
    pacer.frameStarted(0xFFFFFFF0u);
    EXPECT_EQ(pacer.waitBefore(3), 0u) << "the tick count wrapped: no long sleep";
    pacer.frameStarted(3);
    EXPECT_EQ(pacer.waitBefore(3), 9u);
}

TEST(FrameClock, EachFrameMeasuresFromThePreviousCallTheFirstFromTickZero) {
    FrameClock clock;
    // The first frame's time holds all of start-up, a minimised minute all of that minute.
    const std::pair<std::uint32_t, float> rows[] = {{1000, 1.0f}, {1016, 0.016f}, {1016, 0.0f}, {61016, 60.0f}};
    for (const auto& [ticks, seconds] : rows) EXPECT_FLOAT_EQ(clock.frameSeconds(ticks), seconds) << ticks;
}

}  // namespace
