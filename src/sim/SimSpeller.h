#pragma once

#include <cstdint>

#include "sim/SimSight.h"

// How a player spells a name from the shuffled row: finds the next letter
// of the name in the row (the nearest place holding it), moves the letter
// cursor there with small sideways mouse moves (the game takes one step per
// move of more than a pixel, at most every 0.2 s), and clicks once the
// cursor stands on it, at most every 0.2 s. A typed letter is heard
// ("LetterNoise"), so the speller counts what it hears.
class SimSpeller {
public:
    static constexpr float guard = 0.2f;   // the game's cursor and click guards
    static constexpr float margin = 0.02f;  // a person is never exactly on time

    // A new entry of this name (up to 10 letters).
    void begin(const char* name);
    bool active() const { return running; }
    void end() { running = false; }

    struct Move {
        std::int32_t dx = 0;  // pixels sideways
        bool click = false;
    };
    // One frame of the entry as it stands in sight.
    Move frame(const SimSight& sight, float seconds);

    std::int32_t typed() const { return typedCount; }
    bool finished() const { return name[typedCount] == 0; }

private:
    char name[11] = {};
    bool running = false;
    std::int32_t typedCount = 0;
    float elapsed = 0.0f;
    float sinceClick = 10.0f;
    float sinceStep = 10.0f;
    std::int32_t lastCursor = -1;
};
