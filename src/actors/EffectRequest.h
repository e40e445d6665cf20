#pragma once

#include <cstdint>

#include "actors/Vector.h"

// A request an actor raises for the World, which starts the effect pattern
// (and its sound) at the given point. Actors never start effects themselves.
struct EffectRequest {
    std::uint8_t active = 0;
    std::uint8_t effect = 0;  // effect pattern code, e.g. 21 happy, 23..26 talents
    Vector position;
    float angle = 0.0f;
};

// The trails a dancer leaves: a speed trail by her green talents 0..3
// and a garden trail of 81 + her blue talents.
constexpr std::uint8_t speedTrailEffects[4] = {51, 52, 71, 72};
constexpr std::uint8_t gardenEffectBase = 81;

// The six request slots a dancer or an avatar keeps; cleared at the start of
// each of its updates and read by the World after it.
struct EffectRequests {
    static constexpr int slotCount = 6;
    EffectRequest slots[slotCount];

    void clear() {
        for (EffectRequest& slot : slots) slot = EffectRequest{};
    }
    // Fills the first free slot; false (and nothing changes) when all six are set.
    bool request(std::uint8_t effect, const Vector& position, float angle) {
        for (EffectRequest& slot : slots) {
            if (slot.active) continue;
            slot.active = 1;
            slot.effect = effect;
            slot.position = position;
            slot.angle = angle;
            return true;
        }
        return false;
    }
    // Sets one particular slot, replacing what it held (for fixed-purpose slots).
    void set(int index, std::uint8_t effect, const Vector& position, float angle) {
        if (index < 0 || index >= slotCount) return;
        slots[index] = EffectRequest{1, effect, position, angle};
    }
    int count() const {
        int n = 0;
        for (const EffectRequest& slot : slots) n += slot.active ? 1 : 0;
        return n;
    }
};
