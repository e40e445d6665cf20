#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Runs frames as fast as the pacer allows on a simulated clock, each frame
// taking workMs, and counts the frames that start within the given time.
int framesIn(FramePacer& pacer, std::uint32_t start, std::uint32_t durationMs, std::uint32_t workMs) {
    std::uint32_t now = start;
    int frames = 0;
    while (now - start < durationMs) {
        while (const std::uint32_t wait = pacer.waitBefore(now)) {
            now += wait;
        }
        if (now - start >= durationMs) {
            break;
        }
        pacer.frameStarted(now);
        ++frames;
        now += workMs;
    }
    return frames;
}

TEST(FramePacerTest, OffItNeverWaits) {
    FramePacer pacer;
    EXPECT_FALSE(pacer.isEnabled());
    pacer.frameStarted(1000);
    EXPECT_EQ(pacer.waitBefore(1000), 0u);
    EXPECT_EQ(pacer.waitBefore(1001), 0u);
}

TEST(FramePacerTest, InstantFramesComeAtMostOneHundredTwentyTimesASecond) {
    FramePacer pacer;
    pacer.setEnabled(true);
    EXPECT_EQ(pacer.waitBefore(5000), 0u);  // the first frame starts at once
    const int frames = framesIn(pacer, 5000, 1000, 0);
    EXPECT_LE(frames, 120);
    EXPECT_GE(frames, 118);
    const int tenSeconds = framesIn(pacer, 6000, 10000, 1);
    EXPECT_LE(tenSeconds, 1201);
    EXPECT_GE(tenSeconds, 1195);
}

TEST(FramePacerTest, WaitIsTheRestOfThePeriodRoundedUpAndSlowFramesAreNeverHeldBack) {
    FramePacer pacer;
    pacer.setEnabled(true);
    pacer.frameStarted(1000);
    const unsigned waits[][2] = {{1000, 9}, {1005, 4}, {1009, 0}, {1500, 0}};  // a period of 8.33 ms
    for (const auto& w : waits) EXPECT_EQ(pacer.waitBefore(w[0]), w[1]) << w[0];
    for (std::uint32_t now = 2000; now < 3700; now += 17) {  // a 60 Hz display
        ASSERT_EQ(pacer.waitBefore(now), 0u) << now;
        pacer.frameStarted(now);
    }
}

TEST(FramePacerTest, ALateFrameDoesNotLetABurstCatchUp) {
    FramePacer pacer;
    pacer.setEnabled(true);
    pacer.frameStarted(1000);
    pacer.frameStarted(1250);  // a long frame, many periods late
    EXPECT_EQ(pacer.waitBefore(1250), 9u);
    EXPECT_LE(framesIn(pacer, 1250, 100, 0), 13);
}

TEST(FramePacerTest, TickCounterWrapNeverCausesALongSleep) {
    FramePacer pacer;
    pacer.setEnabled(true);
    pacer.frameStarted(0xFFFFFFF0u);
    EXPECT_EQ(pacer.waitBefore(3), 0u);
    pacer.frameStarted(3);
    EXPECT_EQ(pacer.waitBefore(3), 9u);
}

}  // namespace
