#pragma once

#include <cstdint>

// The clock of one animated sprite layer: the range and duration it was last
// asked for and the time it has run.
struct AnimationClock {
    std::int32_t first = 0;
    std::int32_t last = 0;
    float duration = 0.0f;
    float elapsed = 0.0f;
};

struct SpriteFrame {
    std::int32_t frame = 0;
    std::int32_t count = 0;      // last - first
    float timePerFrame = 0.0f;   // duration / (count + 1)
};

// Advances the clock by frameTime and picks the frame to show. Asking for
// another first, last or duration restarts the clock at frameTime (to which
// frameTime is then added, as on every call). The range runs from first to
// last over the duration and starts again: a clock that has run through
// shows last and returns to 0. Boundaries belong to no frame and show last.
SpriteFrame advanceSpriteClock(AnimationClock& clock, std::int32_t first, std::int32_t last, float duration,
                               float frameTime);

// Which clock table a sprite set uses: 101-110 -> 1, 111-130 -> 2,
// 131-140 -> 3, 141-160 -> 4, 161-170 -> 5; 0 for every other set.
int spriteCategory(unsigned set);

// One clock per sprite category 1-5, actor slot 0-39 and channel 0-2.
class AnimationClocks {
public:
    static constexpr int categories = 5;
    static constexpr unsigned slots = 40;
    static constexpr unsigned channels = 3;

    // Null for anything outside the table.
    AnimationClock* clock(int category, unsigned slot, unsigned channel);
    void resetAll();

private:
    AnimationClock clocks[categories][slots][channels]{};
};
