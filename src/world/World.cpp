#include "world/World.h"

#include <cstdlib>
#include <new>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/DanceFloor.h"
#include "actors/EffectPool.h"
#include "actors/GroupTracker.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/Random.h"
#include "actors/RewindRecorder.h"
#include "audio/SoundBank.h"
#include "render/StageView.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"

namespace {

constexpr std::uint16_t floorPictureSet = 171;
constexpr std::int32_t floorPictures = 41;
constexpr float floorTextureScale = 0.5f;

template <typename T>
using Pool = std::unique_ptr<T>[World::poolCapacity];

// The slots in use among the first `size`, added to `start`.
template <typename T>
std::int32_t countInUse(const Pool<T>& pool, int size, std::int32_t start) {
    for (int i = 0; i < size; ++i) start += pool[i]->kind != 0 ? 1 : 0;
    return start;
}

// The highest free slot; the placing searches never take slot 0.
template <typename T>
int highestFree(const Pool<T>& pool, int size) {
    for (int i = size - 1; i >= 1; --i)
        if (pool[i]->kind == 0) return i;
    return -1;
}

}  // namespace

World::World() {
    // Owned objects in their fixed order; an allocation that fails leaves its
    // member null and the World inert.
    layout.reset(new (std::nothrow) LevelLayout());
    for (int i = 0; i < poolCapacity; ++i) {
        avatars[i].reset(new (std::nothrow) Avatar());
        obstacles[i].reset(new (std::nothrow) Obstacle());
        muses[i].reset(new (std::nothrow) Muse());
        projectiles[i].reset(new (std::nothrow) Projectile());
        powerUps[i].reset(new (std::nothrow) PowerUp());
    }
    danceFloor.reset(new (std::nothrow) DanceFloor());
    effects.reset(new (std::nothrow) EffectPool());
    camera.reset(new (std::nothrow) Camera());
    textures.reset(new (std::nothrow) WorldRenderer());
    recorder.reset(new (std::nothrow) RewindRecorder());
    sounds.reset(new (std::nothrow) SoundBank());
    groups.reset(new (std::nothrow) GroupTracker());

    allocated = layout && danceFloor && effects && camera && textures && recorder && sounds && groups;
    for (int i = 0; i < poolCapacity; ++i)
        allocated = allocated && avatars[i] && obstacles[i] && muses[i] && projectiles[i] && powerUps[i];

    for (LevelRecord& r : records) r = LevelRecord{};
    floorColourA = floorColourB = static_cast<std::uint8_t>(std::rand() % 41);
}

// The renderer releases every sprite set it made when it goes.
World::~World() {
    for (int i = 0; i < poolCapacity; ++i) {
        avatars[i].reset();
        obstacles[i].reset();
        muses[i].reset();
        projectiles[i].reset();
        powerUps[i].reset();
    }
    camera.reset();
    layout.reset();
    danceFloor.reset();
    effects.reset();
    textures.reset();
    sounds.reset();
    groups.reset();
    recorder.reset();
}

void World::initGraphics(std::int32_t width, std::int32_t height) {
    if (!allocated) return;
    setupStageView(width, height);
    reseedFromClock();
    halfWidth = width / 2;
    halfHeight = height / 2;
    danceTime = 0.0f;
    zoom = 10.0f;
    viewOffset = Vector{};
    leftCount = 0;
    hasGraphics = true;
}

void World::load(std::uint8_t flag) {
    if (!allocated) return;
    loadFlag = flag;
    clearLevel();
    effects->reset(effectFirstSet, effectLastSet);
    layout->buildLayout(level);
    danceFloor->place(floorPictureSet, floorTextureScale, viewRadius, prima().position, floorPictures);
    // Pictures and sounds need the window's context and SDL; a World run
    // without them (the headless simulation) plays every rule in silence.
    if (hasGraphics) {
        sounds->load();
        textures->load();
        // The particles and the floor keep sprite sets of their own.
        textures->effectRenderer().load(effects->firstSet(), effects->lastSet());
        textures->floorRenderer().load(danceFloor->pictureSet, danceFloor->frameCount);
    }
    recordClock = 0.0f;
    levelTime = 0.0f;
    for (bool& announced : medalAnnounced) announced = false;
}

void World::clearLevel() {
    if (!allocated) return;
    danceTime = 0.0f;
    pointsSinceSwitch = 0;
    scoreAtLastSwitch = 0;
    for (int i = 0; i < poolSize; ++i) {
        obstacles[i]->place(0, 100, 0, 0, 0, 1, Vector{}, 0.0f, 0.0f, 0.0f, 0, 0, difficulty);
        muses[i]->place(0, Vector{}, 0.0f, 0.0f, 0.0f, 0);
        projectiles[i]->place(0, Vector{}, 0.0f, 0.0f, 0.0f, 0, 0, 0.0f, 0);
        avatars[i]->place(0, 0, 0, 0, 0, Vector{}, 0.0f, 0.0f, 0.0f, 0);
        powerUps[i]->place(0, Vector{}, 0.0f, 0.0f, 0.0f, 0.0f, 0);
    }
    effects->reset(effectFirstSet, effectLastSet);
    camera->place(Kind::camera, prima().position);
    cameraPosition = camera->position;
    danceFloor->reset(floorTextureScale, viewRadius, prima().position);
    leftCount = 0;
    levelTime = 0.0f;
    recorder->reset(poolSize);
    groups->reset();
    if (textures) textures->clearAllTrails();
}

void World::census() {
    if (!allocated) return;
    std::uint8_t projectileCount = 0, obstacleCount = 0, powerUpCount = 0, museCount = 0;
    std::int32_t happy = 0, unhappy = 0, sung = 0, singing = 0;
    for (int i = 0; i < poolSize; ++i) {
        if (projectiles[i]->kind != 0) ++projectileCount;
        const Obstacle& o = *obstacles[i];
        if (o.kind != 0 && !(o.position.x == 0.0f && o.position.y == 0.0f)) ++obstacleCount;
        if (powerUps[i]->kind != 0) ++powerUpCount;
        if (o.kind == Kind::ballerina) {
            if (o.happy)
                ++happy;
            else
                ++unhappy;
        }
        const Muse& m = *muses[i];
        if (m.kind != 0) {
            ++museCount;
            if (m.sang) ++sung;
            if (m.singing) ++singing;
        }
    }
    counts[countProjectilesIndex] = projectileCount;
    counts[countObstaclesIndex] = obstacleCount;
    counts[countPowerUpsIndex] = powerUpCount;
    counts[countMusesIndex] = museCount;
    happyNow = happy;
    unhappyLeft = static_cast<std::uint8_t>(unhappy);
    sungNow = sung;
    musesSinging = singing;
    // The totals only grow: leaving or a lost song is never subtracted.
    if (static_cast<std::uint32_t>(happyNow) > static_cast<std::uint32_t>(happyBefore))
        happyTotal += happyNow - happyBefore;
    happyBefore = happyNow;
    if (static_cast<std::uint32_t>(sungNow) > static_cast<std::uint32_t>(sungBefore)) sungTotal += sungNow - sungBefore;
    sungBefore = sungNow;
}

float World::ballerinaFactor() const {
    switch (difficulty) {
    case 1: return 1.666f;
    case 2: return 1.333f;
    case 3: return 1.0f;
    default: return 1.0f;
    }
}

void World::applyDifficulty() {
    if (!allocated) return;
    float primaFactor = 0.0f;
    switch (difficulty) {
    case 1: primaFactor = 0.333f; pointsFactor = 1.0f; break;
    case 2: primaFactor = 0.666f; pointsFactor = 2.0f; break;
    case 3: primaFactor = 1.0f; pointsFactor = 3.0f; break;
    default: return;  // anything else changes nothing
    }
    prima().sensitivity = primaFactor;
    for (int i = 0; i < poolSize; ++i) obstacles[i]->sensitivity = ballerinaFactor();
    nameEntryLimit = 9.0f;
}

std::int32_t World::countObstacles(std::int32_t start) const {
    return allocated ? countInUse(obstacles, poolSize, start) : start;
}

std::int32_t World::countMuses(std::int32_t start) const {
    return allocated ? countInUse(muses, poolSize, start) : start;
}

std::int32_t World::countProjectiles(std::int32_t start) const {
    return allocated ? countInUse(projectiles, poolSize, start) : start;
}

std::int32_t World::countPowerUps(std::int32_t start) const {
    return allocated ? countInUse(powerUps, poolSize, start) : start;
}

const Obstacle& World::chosenBallerina() const { return *obstacles[chosenObstacle < poolSize ? chosenObstacle : 0]; }

int World::lowestFreeProjectile() const {
    for (int i = 0; i < poolSize; ++i)
        if (projectiles[i]->kind == 0) return i;
    return -1;
}

int World::highestFreePowerUp() const { return highestFree(powerUps, poolSize); }

int World::highestFreeMuse() const { return highestFree(muses, poolSize); }

int World::highestFreeObstacle() const { return highestFree(obstacles, poolSize); }

// --- the two main actors while the menu is up -----------------------------
// Saved: her position and the four values the menu's preview moves (facing,
// angle, speed) or must not change (energy); the cat's position and its
// leash measure, so that the leash holds as before when the dance resumes.

Vector World::savePrima() {
    if (!allocated) return Vector{};
    const Avatar& p = prima();
    savedPrimaPosition = p.position;
    savedPrimaFacing = p.facing;
    savedPrimaAngle = p.angle;
    savedPrimaSpeed = p.speed;
    savedPrimaEnergy = p.energy;
    return savedPrimaPosition;
}

void World::restorePrima(Vector v) {
    if (!allocated) return;
    if (v.x == 0.0f && v.y == 0.0f) {
        Avatar& p = prima();
        p.position = savedPrimaPosition;
        p.facing = savedPrimaFacing;
        p.angle = savedPrimaAngle;
        p.speed = savedPrimaSpeed;
        p.energy = savedPrimaEnergy;
        camera->position = p.position;
        camera->trailPoint = p.position;
        cameraPosition = p.position;
        avatarsInDance = true;
    } else {
        avatarsInDance = false;
    }
}

Vector World::saveCat() {
    if (!allocated) return Vector{};
    savedCatPosition = cat().position;
    savedCatDistance = cat().catDistance;
    return savedCatPosition;
}

void World::placeCat(Vector v) {
    if (!allocated) return;
    if (v.x == 0.0f && v.y == 0.0f) {
        cat().position = savedCatPosition;
        cat().catDistance = savedCatDistance;
    } else {
        cat().position = v;
    }
}

Vector World::primaPositionNow() const { return allocated ? prima().position : Vector{}; }

Vector World::catPositionNow() const { return allocated ? cat().position : Vector{}; }

// --- sounds of the screens --------------------------------------------------

void World::playSong(float songVolume) {
    if (sounds) sounds->playSong(songVolume);
}

void World::playIntro(float introVolume) {
    if (sounds) sounds->playIntro(introVolume);
}

void World::freeIntro() {
    if (sounds) sounds->freeIntro();
}

void World::stopAllSounds() {
    if (sounds) sounds->stopAllSounds();
}

void World::playLevelEnd(int ending, float endVolume) {
    if (sounds) sounds->playLevelEnd(ending, endVolume);
}

void World::playClick(int button) {
    if (sounds) sounds->playClick(button);
}

void World::playMouseOver(int button) {
    if (sounds) sounds->playMouseOver(button);
}
