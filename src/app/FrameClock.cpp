#include "app/FrameClock.h"

float FrameClock::frameSeconds(std::uint32_t ticks) {
    previousTickF = currentTickF;
    currentTickF = static_cast<float>(ticks);
    return (currentTickF - previousTickF) / 1000.0f;
}
