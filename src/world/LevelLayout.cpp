#include "world/LevelLayout.h"

#include "actors/Random.h"
#include "world/LevelScripts.h"

void LevelLayout::buildLayout(std::uint8_t level) {
    reseedFromClock();
    restart();
    runLevelScript(*this, level);
    lastBuilt = level;
}
