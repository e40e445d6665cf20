#include "app/FramePacer.h"

#include <cmath>

namespace {

// More than a period (plus rounding) ahead of the clock means the tick count
// went backwards: it wraps after 49 days.
constexpr double clockSlackMs = 1.0;

}  // namespace

FramePacer::FramePacer(float maxFramesPerSecond)
    : periodMs(maxFramesPerSecond > 0.0f ? 1000.0 / maxFramesPerSecond : 0.0) {}

std::uint32_t FramePacer::waitBefore(std::uint32_t nowMs) const {
    if (!enabled || !started) {
        return 0;
    }
    const double early = nextStartMs - static_cast<double>(nowMs);
    if (early <= 0.0 || early > periodMs + clockSlackMs) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::ceil(early));
}

void FramePacer::frameStarted(std::uint32_t nowMs) {
    const double now = static_cast<double>(nowMs);
    const bool offGrid = !started || now > nextStartMs + periodMs || nextStartMs - now > periodMs + clockSlackMs;
    nextStartMs = (offGrid ? now : nextStartMs) + periodMs;
    started = true;
}
