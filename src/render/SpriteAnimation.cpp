#include "render/SpriteAnimation.h"

#include <cmath>

namespace {
// Frame search: the p in 0..count with p * t < elapsed < (p + 1) * t, else
// count + 1. The intervals do not overlap, so only the neighbours of
// elapsed / t need a look; that keeps a huge range from costing a loop.
std::int64_t searchFrameOffset(std::int64_t count, float timePerFrame, float elapsed) {
    // No interval is open for a time per frame of 0, below 0 or NaN.
    if (!(timePerFrame > 0.0f)) return count + 1;
    const float estimate = elapsed / timePerFrame;
    if (std::isfinite(estimate) && count >= 0) {
        const double centre = std::floor(static_cast<double>(estimate));
        const double lowest = centre - 2.0 < 0.0 ? 0.0 : centre - 2.0;
        if (lowest <= static_cast<double>(count)) {
            const auto from = static_cast<std::int64_t>(lowest);
            for (std::int64_t p = from; p <= from + 4 && p <= count; ++p) {
                const float lower = static_cast<float>(p) * timePerFrame;
                const float upper = static_cast<float>(p + 1) * timePerFrame;
                if (lower < elapsed && elapsed < upper) return p;
            }
        }
    }
    return count + 1;
}
}  // namespace

SpriteFrame advanceSpriteClock(AnimationClock& clock, std::int32_t first, std::int32_t last, float duration,
                               float frameTime) {
    if (clock.first != first || clock.last != last || clock.duration != duration) clock.elapsed = frameTime;
    clock.first = first;
    clock.last = last;
    clock.duration = duration;

    // 64 bits, so that no range of 32-bit frame numbers overflows.
    const std::int64_t count = std::int64_t{last} - first;
    // A range of no frames (last just below first) has no time per frame.
    const float timePerFrame = count + 1 != 0 ? duration / static_cast<float>(count + 1) : 0.0f;
    clock.elapsed += frameTime;

    std::int64_t frame = searchFrameOffset(count, timePerFrame, clock.elapsed) + first;
    if (frame > last) frame = last;
    if (static_cast<float>(count + 1) * timePerFrame < clock.elapsed) {
        clock.elapsed = 0.0f;
        frame = last;
    }
    if (first == last) frame = first;

    SpriteFrame result;
    result.frame = static_cast<std::int32_t>(frame);
    result.count = static_cast<std::int32_t>(count);
    result.timePerFrame = timePerFrame;
    return result;
}

int spriteCategory(unsigned set) {
    if (set >= 101 && set <= 110) return 1;
    if (set >= 111 && set <= 130) return 2;
    if (set >= 131 && set <= 140) return 3;
    if (set >= 141 && set <= 160) return 4;
    if (set >= 161 && set <= 170) return 5;
    return 0;
}

AnimationClock* AnimationClocks::clock(int category, unsigned slot, unsigned channel) {
    if (category < 1 || category > categories || slot >= slots || channel >= channels) return nullptr;
    return &clocks[category - 1][slot][channel];
}

void AnimationClocks::resetAll() {
    for (auto& category : clocks)
        for (auto& slot : category)
            for (auto& clock : slot) clock = AnimationClock{};
}
