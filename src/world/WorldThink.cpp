#include <cmath>
#include <cstdlib>

#include "actors/Avatar.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"
#include "world/World.h"

namespace {

constexpr float spawnStartDistance = 5.0f;  // the nearest-neighbour search starts here
constexpr float spawnClearance = 0.75f;     // a newcomer keeps this far from every slot's position
constexpr std::uint8_t droppedTalentTag = 12;
constexpr float museTalentDistance = 2.0f;
constexpr float museTalentMomentum = 0.5f;
constexpr float museRecoil = 0.5f;

// How near a newcomer at (x, y) would stand to the position of any slot of
// the pool, used or free, looked at within spawnStartDistance.
template <typename T>
float nearestSlot(const std::unique_ptr<T> (&pool)[World::poolCapacity], int size, float x, float y) {
    float nearest = spawnStartDistance;
    for (int i = 0; i < size; ++i) {
        const Vector& q = pool[i]->position;
        const float d = std::sqrt((q.x - x) * (q.x - x) + (q.y - y) * (q.y - y));
        if (d < nearest) nearest = d;
    }
    return nearest;
}

}  // namespace

void World::think(float seconds) {
    if (!allocated) return;
    census();
    requestEffects();
    requestSounds();
    if (!nameEntry) throwBlossoms();
    leaveAndDropTalents();
    topUpMuses();
    if (goalHappy > happyTotal && unhappyLeft == 0) spawnBallerina();
    danceTime += seconds;
}

// A blossom flies off faster than its thrower runs, so that it leaves her
// before it is armed: its launch speed is its strength's top speed plus the
// thrower's speed (a speed above the top sinks back within a second).
void World::launchBlossom(int slot, int kind, Vector from, float angle, std::uint16_t targetKind,
                          std::uint16_t targetSlot, float throwerSpeed) {
    Projectile& b = *projectiles[slot];
    textures->clearTrail(static_cast<unsigned>(slot), static_cast<unsigned>(kind));
    from.z = 0.0f;
    b.place(static_cast<std::uint8_t>(kind), from, 0.0f, 0.0f, angle, targetKind, targetSlot, 0.0f, 12);
    const float launchSpeed = b.maxSpeed + (std::isfinite(throwerSpeed) && throwerSpeed > 0.0f ? throwerSpeed : 0.0f);
    b.speed = b.momentum = launchSpeed;
}

// The muse slot nearest to a point (a dancer's sighting of a muse); a
// sighting does not name the slot.
std::uint16_t World::museSlotNear(Vector point) const {
    std::uint16_t best = Projectile::noSlot;
    float bestDistance = 1.0e30f;
    for (int i = 0; i < poolSize; ++i) {
        if (muses[i]->kind == 0) continue;
        const float d = (muses[i]->position - point).length();
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<std::uint16_t>(i);
        }
    }
    return best;
}

void World::throwBlossoms() {
    // Nobody throws from a freed slot: a Prima Ballerina who became happy
    // (the dance is lost and ends within a second) or a ballerina whose
    // volley came due in the update in which she left happily.
    Avatar& p = prima();
    if (p.throwNow && p.kind == 0) p.throwNow = 0;
    if (p.throwNow) {
        p.throwNow = 0;
        const int slot = lowestFreeProjectile();
        if (slot >= 0) {
            // Her blossoms start at her own launch point: started on the cat
            // they would burst on the dancer the cat sits on.
            launchBlossom(slot, p.blossomKind, p.throwPoint(), p.throwAngle(), primaTargetKind, primaTargetSlot,
                          p.speed);
            p.advanceLaunch();
            p.hasThrown = 1;
            // The cat's clock beats with her volleys.
            cat().stepClock = p.stepClock;
        }
    }

    // At most one ballerina throws per think, the lowest slot first.
    for (int i = 0; i < poolSize; ++i) {
        Obstacle& o = *obstacles[i];
        if (!o.throwNow) continue;
        if (o.kind == 0) {
            o.throwNow = 0;
            continue;
        }
        o.advanceLaunch();
        o.throwNow = 0;
        const int slot = lowestFreeProjectile();
        if (slot < 0) continue;  // her volley is used up without a blossom
        const std::uint16_t targetSlot =
            Kind::isMuse(o.throwTargetKind) ? museSlotNear(o.nearestMuse.position) : std::uint16_t{1};
        launchBlossom(slot, o.blossomKind, o.throwPoint(), o.throwAngle(), o.throwTargetKind, targetSlot, o.speed);
        break;
    }
}

void World::leaveAndDropTalents() {
    if (primaHearts <= 0) return;
    const KindSize talentSize = layout->sizes().talent;

    for (int i = 0; i < poolSize; ++i) {
        Obstacle& o = *obstacles[i];
        if (!o.leaving) continue;
        if (!o.counted) {
            scoreLeaving(o);
            o.counted = 1;
        }
        o.leaving = 0;
        o.kind = 0;
        // She leaves her favourite talent where she stood.
        const int slot = highestFreePowerUp();
        if (slot < 0) continue;
        powerUps[slot]->place(static_cast<std::uint8_t>(o.favouriteTalent), o.position, talentSize.width,
                              talentSize.height, o.angle, 0.0f, droppedTalentTag);
    }

    for (int i = 0; i < poolSize; ++i) {
        Muse& m = *muses[i];
        if (m.kind == 0 || !m.giveTalent) continue;
        const float a = (m.angle + 90.0f) * degreesToRadians;
        const Vector direction{std::cos(a), std::sin(a), 0.0f};
        m.giveTalent = 0;
        // She recoils from the talent she throws out (the push runs against
        // her facing and fades like any bounce).
        m.bounceDirection = direction * -1.0f;
        m.bounceSpeed = museRecoil;
        const int slot = highestFreePowerUp();
        if (slot < 0) continue;
        Vector at = m.position + direction * museTalentDistance;
        at.z = 0.0f;
        powerUps[slot]->place(static_cast<std::uint8_t>(m.talentKind), at, talentSize.width, talentSize.height,
                              m.angle, museTalentMomentum, droppedTalentTag);
    }
}

void World::topUpMuses() {
    if (counts[countMusesIndex] >= maxMuses) return;
    const int slot = highestFreeMuse();
    if (slot < 0) return;
    const float x = static_cast<float>(std::rand() % 1000) / 100.0f - 5.0f;
    const float y = static_cast<float>(std::rand() % 1000) / 100.0f - 5.0f;
    if (nearestSlot(muses, poolSize, x, y) <= spawnClearance) return;  // crowded: the next think tries again
    textures->clearTrail(static_cast<unsigned>(slot), Kind::muse);
    const KindSize size = layout->sizes().muse;
    muses[slot]->place(Kind::muse, Vector{x, y, 0.0f}, size.width, size.height, 45.0f, 12);
}

void World::spawnBallerina() {
    const int slot = highestFreeObstacle();
    if (slot < 0) return;
    const float x = static_cast<float>(std::rand() % 2000) / 100.0f - 10.0f;
    const float y = static_cast<float>(std::rand() % 2000) / 100.0f - 10.0f;
    if (nearestSlot(obstacles, poolSize, x, y) <= spawnClearance) return;
    textures->clearTrail(static_cast<unsigned>(slot), Kind::ballerina);
    const KindSize size = layout->sizes().ballerinaO;
    // A newcomer keeps the plain sensitivity of her placing: the difficulty's
    // factor is for the ballerinas the level set up.
    obstacles[slot]->place(Kind::ballerina, 90, 1, 1, 1, 1, Vector{x, y, 0.0f}, size.width, size.height, 0.0f, 37, 0,
                           difficulty);
}
