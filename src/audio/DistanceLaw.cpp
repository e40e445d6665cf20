#include "audio/DistanceLaw.h"

#include <algorithm>
#include <cmath>

namespace {
// Truncation toward zero that is defined for every float: NaN reads as 0 and
// huge values saturate long before they could overflow an int.
int truncated(float value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -1.0e6f, 1.0e6f));
}

SoundLevel clampLevel(SoundLevel level, LevelClamp clamp) {
    if (clamp == LevelClamp::event) {
        level.volume = std::clamp(level.volume, 0, 127);
        level.left = std::clamp(level.left, 1, 255);
        level.right = std::clamp(level.right, 1, 255);
        return level;
    }
    auto squash = [](int value, int top) { return value < 1 ? 0 : std::min(value, top); };
    level.volume = squash(level.volume, 127);
    level.left = squash(level.left, 255);
    level.right = squash(level.right, 255);
    return level;
}
}  // namespace

SoundLevel distanceLaw(float distance, float range, float x, float volumeFactor, float nearScale,
                       LevelClamp clamp) {
    SoundLevel level;
    const bool usable = std::isfinite(distance) && std::isfinite(range) && std::isfinite(x) &&
                        std::isfinite(volumeFactor) && range > 0.0f;
    if (!usable) return clampLevel(level, clamp);
    if (!(nearScale > 0.0f) || !std::isfinite(nearScale)) nearScale = 1.0f;

    level.volume = truncated((range - distance) / (range * nearScale) * 127.0f * volumeFactor);
    level.right = truncated((range - std::fabs(x - range / 2.0f)) / range * 255.0f);
    level.left = truncated((range - (range / 2.0f + x)) / range * 255.0f);
    return clampLevel(level, clamp);
}
