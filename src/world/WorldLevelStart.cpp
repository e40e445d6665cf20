#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/DanceFloor.h"
#include "actors/GroupTracker.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"
#include "world/World.h"

namespace {

enum Pass { ballerinaPass = 0, musePass, powerUpPass };

}  // namespace

// Puts one entry into the highest free slot of its pool; entries beyond the
// free slots are skipped.
void World::placeEntry(const PlacementEntry& e, int pass) {
    if (pass == ballerinaPass && LevelLayout::placesBallerina(e.kind)) {
        const int slot = highestFreeObstacle();
        if (slot < 0) return;
        Obstacle& o = *obstacles[slot];
        o.place(e.kind, e.energy, e.blue, e.green, e.red, e.groupType, e.position, e.width, e.height, e.angle,
                e.frames, e.groupNumber, difficulty);
        // She starts as a member of the group the level gave her; the group
        // tracker takes it from here.
        o.group = e.groupNumber;
    } else if (pass == musePass && LevelLayout::placesMuse(e.kind)) {
        const int slot = highestFreeMuse();
        if (slot < 0) return;
        muses[slot]->place(e.kind, e.position, e.width, e.height, e.angle, e.frames);
    } else if (pass == powerUpPass && LevelLayout::placesPowerUp(e.kind)) {
        const int slot = highestFreePowerUp();
        if (slot < 0) return;
        powerUps[slot]->place(e.kind, e.position, e.width, e.height, e.angle, 0.0f, e.frames);
    }
}

void World::startLevel(std::uint8_t newLevel) {
    if (!allocated) return;
    level = newLevel;

    // 1. One neutral behaviour step for every ballerina slot.
    for (int i = 0; i < poolSize; ++i) obstacles[i]->think(1, Vector{1.0f, 1.0f, 1.0f}, 0);

    // 2.-4. Ballerinas, muses, talents and landmarks, each from a fresh build.
    for (int pass = ballerinaPass; pass <= powerUpPass; ++pass) {
        layout->buildLayout(newLevel);
        for (int k = 0; k < LevelLayout::readLimit; ++k) placeEntry(layout->entry(k), pass);
    }

    // 5. The Prima Ballerina (the last entry of hers wins) and the first cat.
    layout->buildLayout(newLevel);
    danceFloor->reset(0.5f, viewRadius, prima().position);
    for (int k = 0; k < LevelLayout::readLimit; ++k) {
        const PlacementEntry& e = layout->entry(k);
        if (e.kind != LevelLayout::kindPrima) continue;
        prima().place(e.kind, e.energy, e.blue, e.green, e.red, e.position, e.width, e.height, e.angle, e.frames);
    }
    for (int k = 0; k < LevelLayout::readLimit; ++k) {
        const PlacementEntry& e = layout->entry(k);
        if (e.kind != LevelLayout::kindCat) continue;
        cat().place(e.kind, e.energy, e.blue, e.green, e.red, e.position, e.width, e.height, e.angle, e.frames);
        break;
    }

    // 6. The level's group points.
    for (int k = 0; k < LevelLayout::entryCount; ++k) {
        const PlacementEntry& e = layout->entry(k);
        if (e.kind == LevelLayout::kindO) groups->setGroup(e.groupNumber, e.groupType, e.home);
    }

    // 7. Sprite sets, only where there is a context to make textures in.
    if (hasGraphics) prepareSpriteSets();

    // 8. Counts; the muses the level placed are kept topped up.
    census();
    maxMuses = counts[countMusesIndex];

    // 9. Medals and difficulty.
    for (bool& announced : medalAnnounced) announced = false;
    applyDifficulty();

    // The copies the Game reads before the first update are this level's,
    // not the previous dance's (a stale zero would read as a lost dance).
    primaPosition = prima().position;
    primaHearts = prima().energy;
    talentsNow[0] = talentsBefore[0] = static_cast<std::uint8_t>(prima().blue());
    talentsNow[1] = talentsBefore[1] = static_cast<std::uint8_t>(prima().green());
    talentsNow[2] = talentsBefore[2] = static_cast<std::uint8_t>(prima().red());
}

void World::prepareSpriteSets() {
    for (int i = 0; i < poolSize; ++i) {
        if (muses[i]->kind != 0) textures->loadSpriteSet(muses[i]->kind, static_cast<unsigned>(muses[i]->layoutTag));
        if (obstacles[i]->kind != 0) textures->loadSpriteSet(obstacles[i]->kind, obstacles[i]->layoutTag);
        if (avatars[i]->kind != 0) textures->loadSpriteSet(avatars[i]->kind, static_cast<unsigned>(avatars[i]->tag));
    }
    for (unsigned set = 141; set <= 144; ++set) textures->loadSpriteSet(set, 12);
    for (unsigned set = 131; set <= 138; ++set) textures->loadSpriteSet(set, 8);
    textures->loadSpriteSet(111, 37);
    textures->loadSpriteSet(112, 37);
    textures->loadSpriteSet(113, 8);
    textures->loadSpriteSet(161, 12);
    textures->loadSpriteSet(162, 12);
}

std::int32_t World::levelBaseScore(std::uint8_t forLevel) {
    if (!allocated) return 0;
    layout->buildLayout(forLevel);
    float sum = 0.0f;
    for (int k = 0; k < LevelLayout::entryCount; ++k) {
        const PlacementEntry& e = layout->entry(k);
        if (e.kind != LevelLayout::kindO) continue;
        // A talent value of 4 stands for a random 0..2 at placing: it counts 1.5.
        for (const std::uint8_t talent : {e.blue, e.green, e.red}) sum += talent == 4 ? 1.5f : talent;
    }
    return static_cast<std::int32_t>(sum);
}
