#include "sim/SimSight.h"

#include <cstring>

#include "actors/Avatar.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "world/World.h"

void SimSight::look(const World& w) {
    const Avatar& p = w.prima();
    prima = p.position;
    cat = w.cat().position;
    catGrabbing = w.cat().grabbing != 0;
    primaEnergy = p.energy;
    primaBlue = p.blue();
    primaGreen = p.green();
    primaRed = p.red();
    primaInDance = p.kind != 0;
    std::memcpy(primaName, p.name, sizeof primaName);
    primaName[sizeof primaName - 1] = 0;

    dancerCount = talentCount = museCount = blossomCount = 0;
    for (int i = 0; i < w.poolSize && i < capacity; ++i) {
        const Obstacle& o = *w.obstacles[i];
        if (o.kind != 0) {
            Dancer& d = dancers[dancerCount++];
            d.slot = i;
            d.kind = o.kind;
            d.position = o.position;
            d.sadness = o.sadness;
            d.blue = o.talents[Obstacle::blueTalent];
            d.green = o.talents[Obstacle::greenTalent];
            d.red = o.talents[Obstacle::redTalent];
            std::memcpy(d.name, o.name, sizeof d.name);
            d.name[sizeof d.name - 1] = 0;
        }
        const PowerUp& t = *w.powerUps[i];
        if (t.kind != 0) talents[talentCount++] = Thing{i, t.kind, t.position};
        const Muse& m = *w.muses[i];
        if (m.kind != 0) muses[museCount++] = Thing{i, m.kind, m.position};
        const Projectile& b = *w.projectiles[i];
        if (b.kind != 0) blossoms[blossomCount++] = Thing{i, b.kind, b.position};
    }

    badgeSlot = w.hasChosen ? w.chosenObstacle : -1;
    frozen = w.frozen;

    nameEntry = w.nameEntry;
    std::memcpy(shuffled, w.shuffledLetters, sizeof shuffled);
    shuffled[sizeof shuffled - 1] = 0;
    letterCount = w.letterCount;
    cursor = w.letterCursor;
    secondsLeft = w.nameEntryLimit - w.nameEntryElapsed;
    letterSound = w.letterFlag;
    wrongSound = w.wrongLetterFlag;
    score = w.score;
    goalB = w.goalB;
    goalMuses = w.goalMuses;
    goalHappy = w.goalHappy;
    leftCount = w.leftCount;
    happyTotal = w.happyTotal;
    sungTotal = w.sungTotal;
}

const SimSight::Dancer* SimSight::dancerInSlot(std::int32_t slot) const {
    for (int i = 0; i < dancerCount; ++i)
        if (dancers[i].slot == slot) return &dancers[i];
    return nullptr;
}
