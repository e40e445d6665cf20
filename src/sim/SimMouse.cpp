#include "sim/SimMouse.h"

#include <algorithm>

void SimMouse::place(std::int32_t x, std::int32_t y) {
    pointerX = std::clamp(x, 0, windowWidth - 1);
    pointerY = std::clamp(y, 0, windowHeight - 1);
    warpPending = false;
}

void SimMouse::move(std::int32_t dx, std::int32_t dy) {
    if (warpPending) {
        pointerX = warpX;
        pointerY = warpY;
        warpPending = false;
    }
    // The pointer cannot leave the window.
    pointerX = std::clamp(pointerX + dx, 0, windowWidth - 1);
    pointerY = std::clamp(pointerY + dy, 0, windowHeight - 1);
    if (!inArea(pointerX, pointerY)) {
        warpPending = true;
        ++warpCount;
    }
}
