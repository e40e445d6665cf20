#include "sim/SimSpeller.h"

#include <cstdlib>
#include <cstring>

void SimSpeller::begin(const char* newName) {
    std::memset(name, 0, sizeof name);
    if (newName != nullptr) std::strncpy(name, newName, 10);
    running = true;
    typedCount = 0;
    elapsed = 0.0f;
    sinceClick = 10.0f;
    sinceStep = 10.0f;
    lastCursor = -1;
}

SimSpeller::Move SimSpeller::frame(const SimSight& sight, float seconds) {
    Move move;
    if (!running) return move;
    elapsed += seconds;
    sinceClick += seconds;
    sinceStep += seconds;
    if (sight.letterSound && typedCount < 10) ++typedCount;
    if (sight.cursor != lastCursor) {
        // The cursor was seen to move: its guard starts again.
        if (lastCursor >= 0) sinceStep = seconds;
        lastCursor = sight.cursor;
    }
    const char wanted = typedCount < 10 ? name[typedCount] : 0;
    if (wanted == 0) return move;

    // The nearest place of the wanted letter in the row.
    int best = -1;
    for (int i = 0; i < sight.letterCount && i < 20; ++i) {
        if (sight.shuffled[i] != wanted) continue;
        if (best < 0 || std::abs(i - sight.cursor) < std::abs(best - sight.cursor)) best = i;
    }
    if (best < 0) return move;  // not in the row: nothing sensible to click

    if (best != sight.cursor) {
        if (sinceStep >= guard + margin - seconds) move.dx = best > sight.cursor ? 2 : -2;
        return move;
    }
    // The click waits for the entry's first 0.2 s and for its own guard.
    if (elapsed > guard + margin && sinceClick > guard + margin) {
        move.click = true;
        sinceClick = 0.0f;
    }
    return move;
}
