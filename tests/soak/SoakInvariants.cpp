#include "SoakInvariants.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "actors/Avatar.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "world/World.h"

namespace {

bool finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool fail(char* message, std::size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, size, format, args);
    va_end(args);
    return false;
}

const char* const poolNames[5] = {"avatar", "ballerina", "muse", "blossom", "talent"};

}  // namespace

bool SoakInvariants::check(const World& world, char* message, std::size_t size) {
    if (world.poolSize < 0 || world.poolSize > World::poolCapacity)
        return fail(message, size, "pool size %d", world.poolSize);
    const Actor* seen[5 * World::poolCapacity] = {};
    int seenCount = 0;
    for (int pool = 0; pool < 5; ++pool) {
        std::int32_t active = 0;
        for (int slot = 0; slot < World::poolCapacity; ++slot) {
            const Actor* actor = nullptr;
            std::int32_t energy = 0;
            switch (pool) {
            case 0: actor = world.avatars[slot].get(); break;
            case 1: actor = world.obstacles[slot].get(); break;
            case 2: actor = world.muses[slot].get(); break;
            case 3: actor = world.projectiles[slot].get(); break;
            default: actor = world.powerUps[slot].get(); break;
            }
            if (actor == nullptr) return fail(message, size, "%s slot %d holds no actor", poolNames[pool], slot);
            // No actor sits in two slots.
            for (int i = 0; i < seenCount; ++i)
                if (seen[i] == actor) return fail(message, size, "%s slot %d is also another slot", poolNames[pool], slot);
            seen[seenCount++] = actor;
            if (actor->kind == 0) continue;
            ++active;
            if (!finite(actor->position) || !finite(actor->velocity) || !finite(actor->heading) ||
                !std::isfinite(actor->angle) || !std::isfinite(actor->speed))
                return fail(message, size, "%s slot %d (kind %d): position, motion or angle not finite", poolNames[pool],
                            slot, actor->kind);
            if (!std::isfinite(actor->width) || !std::isfinite(actor->height) || actor->width < 0.0f || actor->height < 0.0f)
                return fail(message, size, "%s slot %d (kind %d): size %f x %f", poolNames[pool], slot, actor->kind,
                            static_cast<double>(actor->width), static_cast<double>(actor->height));
            if (pool == 0) {
                const Avatar& avatar = *world.avatars[slot];
                if (!std::isfinite(avatar.facing) || !std::isfinite(avatar.goalAngle))
                    return fail(message, size, "avatar slot %d: facing not finite", slot);
            }
            if (pool == 1) {
                const Obstacle& ballerina = *world.obstacles[slot];
                energy = ballerina.sadness;
                if (energy > 100 || energy < lowestAllowed)
                    return fail(message, size, "ballerina slot %d sadness %d", slot, energy);
                if (energy < lowestSadness) lowestSadness = energy;
                if (!std::isfinite(ballerina.goalAngle)) return fail(message, size, "ballerina slot %d goal angle", slot);
                continue;
            }
            energy = actor->energy;
            if (energy < lowestAllowed || energy > highestAllowed)
                return fail(message, size, "%s slot %d (kind %d) energy %d", poolNames[pool], slot, actor->kind, energy);
            if (energy < lowestEnergy) lowestEnergy = energy;
            if (energy > highestEnergy) highestEnergy = energy;
        }
        if (active > mostActors[pool]) mostActors[pool] = active;
    }

    const EffectPool& effects = *world.effects;
    const int busy = effects.busyCount();
    if (busy < 0 || busy > EffectPool::capacity) return fail(message, size, "%d effects", busy);
    if (busy > mostEffects) mostEffects = busy;
    int counted = 0;
    for (int slot = 0; slot < EffectPool::capacity; ++slot) {
        const Effect& e = effects.effect(slot);
        if (!e.busy()) continue;
        ++counted;
        if (!finite(e.position) || !finite(e.velocity) || !std::isfinite(e.width) || !std::isfinite(e.height) ||
            !std::isfinite(e.rotation) || !std::isfinite(e.life))
            return fail(message, size, "effect slot %d (behaviour %d) not finite", slot, e.behaviour);
    }
    if (counted != busy) return fail(message, size, "%d effects busy, %d counted", busy, counted);
    return true;
}
