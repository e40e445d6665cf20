#include <cstring>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "world/World.h"

// A ballerina who leaves happily is worth her talents times the difficulty's
// factor, kept in one byte.
void World::scoreLeaving(Obstacle& ballerina) {
    const int talents = ballerina.blue() + ballerina.green() + ballerina.red();
    const auto points = static_cast<std::uint8_t>(static_cast<std::int32_t>(static_cast<float>(talents) * pointsFactor));
    lastLeavingPoints = points;
    score += points;
    leftCount += 1;
}

bool World::goalsMet(std::int32_t ballerinasAtStart) const {
    return ballerinasAtStart - goalB <= leftCount && goalMuses <= sungTotal && goalHappy <= happyTotal;
}

bool World::medalReached(int medal) const {
    const LevelRecord& record = records[level < recordCount ? level : 0];
    const std::int32_t best[3] = {record.gold, record.silver, record.bronze};
    return static_cast<std::uint32_t>(score) >= static_cast<std::uint32_t>(best[medal]);
}

bool World::highscoreCheck() {
    if (!allocated) return false;
    Avatar& p = prima();
    // Points earned before the last change of Prima Ballerina went to the
    // outgoing one; she gets what was earned since.
    if (happyTotal < 1) {
        p.points += score;
        pointsSinceSwitch = 0;
    }
    if (happyTotal > 0) pointsSinceSwitch = score - scoreAtLastSwitch;
    p.points += pointsSinceSwitch;
    if (p.points < highscorePoints) return false;
    std::memset(highscoreName, 0, sizeof highscoreName);
    std::memcpy(highscoreName, p.name, 10);
    highscoreName[10] = 0;
    highscorePoints = p.points;
    return true;
}
