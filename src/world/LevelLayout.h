#pragma once

#include <cstdint>

#include "world/LevelSheet.h"

// The placement table of the level being danced, built by its script.
class LevelLayout : public LevelSheet {
public:
    // Rebuilds the whole table for the level: reseeds rand() from the clock,
    // clears every entry and the goals, writes the size header and runs the
    // level's script. A level without a script leaves the table empty.
    void buildLayout(std::uint8_t level);
    // The level of the last build; -1 before the first.
    int builtLevel() const { return lastBuilt; }

private:
    int lastBuilt = -1;
};
