#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "audio/DistanceLaw.h"

namespace {
constexpr float range = 8.0f;

SoundLevel eventAt(float distance, float x, float factor = 1.0f) {
    return distanceLaw(distance, range, x, factor, 1.0f, LevelClamp::event);
}
SoundLevel ambientAt(float distance, float x, float factor = 1.0f) {
    return distanceLaw(distance, range, x, factor, 1.0f, LevelClamp::ambient);
}
}  // namespace

TEST(DistanceLaw, PansSteadilyFromFullyLeftToFullyRightEventsNeverMuteAnEar) {
    const struct {
        float x;
        LevelClamp clamp;
        int left, right;
    } cases[] = {{-range / 2, LevelClamp::ambient, 255, 0}, {0.0f, LevelClamp::ambient, 127, 127},
                 {range / 2, LevelClamp::ambient, 0, 255},  {-range / 2, LevelClamp::event, 255, 1},
                 {range / 2, LevelClamp::event, 1, 255},    {-range * 4, LevelClamp::ambient, 255, 0}};
    for (const auto& c : cases) {
        const SoundLevel level = distanceLaw(1.0f, range, c.x, 1.0f, 1.0f, c.clamp);
        EXPECT_EQ(level.left, c.left) << c.x;
        EXPECT_EQ(level.right, c.right) << c.x;
    }
    int previousLeft = 256;
    int previousRight = -1;
    for (int step = 0; step <= 16; ++step) {
        const float x = -range / 2 + range * step / 16.0f;
        const SoundLevel level = ambientAt(0.0f, x);
        EXPECT_LE(level.left, previousLeft) << "x " << x;
        EXPECT_GE(level.right, previousRight) << "x " << x;
        EXPECT_NEAR(level.left + level.right, 255, 1) << "x " << x;
        previousLeft = level.left;
        previousRight = level.right;
    }
}

TEST(DistanceLaw, VolumeFallsToNothingAtTheEdgeOfTheRange) {
    EXPECT_EQ(eventAt(0.0f, 0.0f).volume, 127);
    EXPECT_EQ(eventAt(range / 2, 0.0f).volume, 63);
    EXPECT_EQ(eventAt(0.0f, 0.0f, 0.5f).volume, 63);
    EXPECT_EQ(eventAt(range, 0.0f).volume, 0);
    EXPECT_EQ(ambientAt(range, 0.0f).volume, 0);
    // Beyond the range, and with a listener "inside" the sound, the volume stays within 0..127.
    EXPECT_EQ(eventAt(range * 3, 0.0f).volume, 0);
    EXPECT_EQ(ambientAt(range * 3, 0.0f).volume, 0);
    EXPECT_EQ(eventAt(-range, 0.0f).volume, 127);
    // Just inside the range an ambient level is a fraction of one step: silence.
    EXPECT_EQ(ambientAt(range * 0.999f, 0.0f).volume, 0);

    int previous = 128;
    for (int step = 0; step <= 20; ++step) {
        const int volume = ambientAt(range * step / 20.0f, 0.0f).volume;
        EXPECT_LE(volume, previous);
        previous = volume;
    }
}

TEST(DistanceLaw, NearScaleMakesASoundFourTimesAsLoudButCapped) {
    const float distance = range * 0.9f;
    const int plain = distanceLaw(distance, range, 0.0f, 1.0f, 1.0f, LevelClamp::event).volume;
    const int near = distanceLaw(distance, range, 0.0f, 1.0f, 0.25f, LevelClamp::event).volume;
    EXPECT_EQ(plain, 12);
    EXPECT_EQ(near, 50);
    EXPECT_EQ(distanceLaw(range / 2, range, 0.0f, 1.0f, 0.25f, LevelClamp::event).volume, 127);
    // Panning does not depend on the near scale.
    EXPECT_EQ(distanceLaw(1.0f, range, -range / 2, 1.0f, 0.25f, LevelClamp::event).left, 255);
}

TEST(DistanceLaw, MeaninglessInputsGiveSilenceNotGarbage) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const SoundLevel cases[] = {
        distanceLaw(1.0f, 0.0f, 0.0f, 1.0f, 1.0f, LevelClamp::event),
        distanceLaw(1.0f, -5.0f, 0.0f, 1.0f, 1.0f, LevelClamp::event),
        distanceLaw(nan, range, 0.0f, 1.0f, 1.0f, LevelClamp::event),
        distanceLaw(1.0f, range, inf, 1.0f, 1.0f, LevelClamp::event),
        distanceLaw(1.0f, inf, 0.0f, 1.0f, 1.0f, LevelClamp::event),
        distanceLaw(1.0f, range, 0.0f, nan, 1.0f, LevelClamp::event),
        distanceLaw(1.0f, 1.0e-38f, 0.0f, 1.0f, 1.0f, LevelClamp::event),
    };
    for (const SoundLevel& level : cases) {
        EXPECT_GE(level.volume, 0);
        EXPECT_LE(level.volume, 127);
        EXPECT_GE(level.left, 1);
        EXPECT_LE(level.left, 255);
        EXPECT_GE(level.right, 1);
        EXPECT_LE(level.right, 255);
    }
    EXPECT_EQ(cases[0].volume, 0);
    EXPECT_EQ(cases[2].volume, 0);
    // A bad near scale falls back to the plain law.
    EXPECT_EQ(distanceLaw(range / 2, range, 0.0f, 1.0f, nan, LevelClamp::event).volume, 63);
}
