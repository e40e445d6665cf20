#pragma once

#include <cstdint>

// Held state of the mouse and keys, filled by the main loop from SDL events.
// All flags say whether the key is down now; the game detects edges itself.
struct InputSnapshot {
    std::int32_t mouseX = 512;
    std::int32_t mouseY = 512;
    bool leftButton = false;
    bool rightButton = false;
    bool letters[26] = {};   // index 0 is a; the arrows share a, d, s, w
    bool enter = false;
    bool space = false;
    bool backspace = false;
    bool escape = false;

    bool letter(char c) const { return letters[c - 'a']; }
    void clearKeysAndButtons() { *this = InputSnapshot{mouseX, mouseY}; }

    InputSnapshot() = default;
    InputSnapshot(std::int32_t x, std::int32_t y) : mouseX(x), mouseY(y) {}
};
