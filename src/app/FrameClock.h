#pragma once

#include <cstdint>

// Frame time from the tick count. Both tick values are held as floats, and
// the first call measures from tick 0, so the first frame's time includes
// the whole start-up.
class FrameClock {
public:
    // Seconds since the previous call (since tick 0 on the first call).
    float frameSeconds(std::uint32_t ticks);

private:
    float previousTickF = 0.0f;
    float currentTickF = 0.0f;
};
