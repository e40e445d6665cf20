#pragma once

#include <cstdint>

// A hand on the mouse for the simulation's bots: the pointer in window
// pixels, moved by deltas as a hand moves it, with the game's warp rule.
// The window is 1024 by 768; a motion that ends outside the warp area
// (100..924 by 100..668) is seen once where it ended, and the pointer then
// continues from the warp point (512, 512), as the game's event loop
// warps it.
class SimMouse {
public:
    static constexpr std::int32_t windowWidth = 1024;
    static constexpr std::int32_t windowHeight = 768;
    static constexpr std::int32_t areaLeft = 100;
    static constexpr std::int32_t areaRight = 924;
    static constexpr std::int32_t areaTop = 100;
    static constexpr std::int32_t areaBottom = 668;
    static constexpr std::int32_t warpX = 512;
    static constexpr std::int32_t warpY = 512;

    // Puts the pointer somewhere in the window (a new dance).
    void place(std::int32_t x, std::int32_t y);
    // One frame's motion of the hand.
    void move(std::int32_t dx, std::int32_t dy);

    std::int32_t x() const { return pointerX; }
    std::int32_t y() const { return pointerY; }
    std::int32_t warps() const { return warpCount; }
    static bool inArea(std::int32_t x, std::int32_t y) {
        return x >= areaLeft && x <= areaRight && y >= areaTop && y <= areaBottom;
    }

private:
    std::int32_t pointerX = windowWidth / 2;
    std::int32_t pointerY = windowHeight / 2;
    bool warpPending = false;
    std::int32_t warpCount = 0;
};
