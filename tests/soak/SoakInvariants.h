#pragma once

#include <cstddef>
#include <cstdint>

class World;

// What the soak checks after every frame, beyond the simulation's own
// invariants: every active actor of every pool has a finite position,
// velocity and angle; energies and sadness lie in their ranges; no actor
// sits in two slots; the effect pool holds at most its 500 particles, each
// where numbers are finite. It also keeps the extremes it saw, for the
// summary of a run.
class SoakInvariants {
public:
    // False with a message naming the first thing that does not hold.
    bool check(const World& world, char* message, std::size_t size);

    // Energy of an active actor (sadness of a ballerina) outside these is a
    // fault: the Prima Ballerina's energy is held at 200 at most and a hit
    // takes at most a few dozen points; talents end at -10 when collected.
    static constexpr std::int32_t lowestAllowed = -1000;
    static constexpr std::int32_t highestAllowed = 205;

    std::int32_t mostEffects = 0;
    std::int32_t lowestEnergy = highestAllowed;  // over every active actor but the ballerinas
    std::int32_t highestEnergy = lowestAllowed;
    std::int32_t lowestSadness = 100;
    std::int32_t mostActors[5] = {};  // avatars, ballerinas, muses, blossoms, talents at once
};
