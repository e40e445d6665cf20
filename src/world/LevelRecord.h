#pragma once

#include <cstdint>

// Best scores of one level and the player's own result there.
struct LevelRecord {
    std::int32_t gold = 15;
    std::int32_t silver = 10;
    std::int32_t bronze = 5;
    std::int32_t own = 0;
    std::int32_t ownDifficulty = 0;  // highest difficulty the level was finished at; 0 never
};
