#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <limits>

#include "audio/DistanceLaw.h"

TEST(DistanceLaw, VolumeFallsOverTheRangeAndPanningFollowsTheSideMeaninglessInputsAreSilent) {
    constexpr float r = 8.0f, inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr LevelClamp event = LevelClamp::event, ambient = LevelClamp::ambient;
    const struct {
        float distance, range, x, factor, nearScale;
        LevelClamp clamp;
        int volume, left, right;
    } cases[] = {
        {0, r, -r / 2, 1, 1, ambient, 127, 255, 0},  // fully left
        {0, r, 0, 1, 1, ambient, 127, 127, 127},
        {0, r, r / 2, 1, 1, ambient, 127, 0, 255},
        {0, r, -r / 2, 1, 1, event, 127, 255, 1},  // an event never mutes an ear
        {0, r, r / 2, 1, 1, event, 127, 1, 255},
        {r / 2, r, -r * 4, 1, 1, ambient, 63, 255, 0},  // far beyond the side
        {0, r, 0, 0.5f, 1, event, 63, 127, 127},
        {r, r, 0, 1, 1, event, 0, 127, 127},
        {r * 3, r, 0, 1, 1, event, 0, 127, 127},
        {r * 3, r, 0, 1, 1, ambient, 0, 127, 127},
        {-r, r, 0, 1, 1, event, 127, 127, 127},  // the listener "inside" the sound
        {r * 0.999f, r, 0, 1, 1, ambient, 0, 127, 127},  // a fraction of one step: silence
        {r * 0.9f, r, 0, 1, 1, event, 12, 127, 127},
        {r * 0.9f, r, 0, 1, 0.25f, event, 50, 127, 127},  // the near scale: four times as loud
        {r / 2, r, -r / 2, 1, 0.25f, event, 127, 255, 1},  // but capped
        {r / 2, r, 0, 1, nan, event, 63, 127, 127},  // a bad near scale is the plain law
        {1, 0, 0, 1, 1, event, 0, 1, 1},
        {1, -5, 0, 1, 1, event, 0, 1, 1},
        {nan, r, 0, 1, 1, event, 0, 1, 1},
        {1, r, inf, 1, 1, event, 0, 1, 1},
        {1, inf, 0, 1, 1, ambient, 0, 0, 0},
        {1, r, 0, nan, 1, event, 0, 1, 1},
    };
    for (const auto& c : cases) {
        const SoundLevel level = distanceLaw(c.distance, c.range, c.x, c.factor, c.nearScale, c.clamp);
        EXPECT_EQ((std::array{level.volume, level.left, level.right}), (std::array{c.volume, c.left, c.right}))
            << c.distance << " " << c.range << " " << c.x << " " << c.factor << " " << c.nearScale;
    }
    // Panning moves steadily from left to right.
    for (int step = 0; step < 16; ++step) {
        const SoundLevel a = distanceLaw(0, r, -r / 2 + r * step / 16, 1, 1, ambient);
        const SoundLevel b = distanceLaw(0, r, -r / 2 + r * (step + 1) / 16, 1, 1, ambient);
        EXPECT_TRUE(b.left <= a.left && b.right >= a.right && std::abs(b.left + b.right - 255) <= 1) << step;
    }
}
