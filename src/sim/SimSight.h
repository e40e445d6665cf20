#pragma once

#include <cstdint>

#include "actors/Vector.h"

class World;

// What a player sees of a running dance, gathered for the simulation's
// bots: the stage and its radar (every actor's place and kind, the hearts
// of dancers and muses), the badges (a dancer's hearts, talents and name),
// the Prima Ballerina's hearts and talent rings, the goals and the marks of
// what is done, the freeze colour, and
// during a name entry the shuffled row with its cursor, the seconds left
// and the three letter sounds. Nothing hidden: no modes, clocks, targets or
// throw timers.
struct SimSight {
    static constexpr int capacity = 40;

    struct Dancer {
        std::int32_t slot = 0;
        std::uint8_t kind = 0;
        Vector position;
        std::int32_t sadness = 0;  // her hearts still missing: 0 is happy
        std::uint8_t blue = 0, green = 0, red = 0;
        char name[11] = {};
    };
    struct Thing {
        std::int32_t slot = 0;
        std::uint8_t kind = 0;
        Vector position;
    };

    // Fills everything from the World as it stands after a frame.
    void look(const World& world);

    Vector prima;
    Vector cat;
    char primaName[11] = {};  // the ring around her
    bool catGrabbing = false;  // the cat's closed paw
    std::int32_t primaEnergy = 0;
    std::int32_t primaBlue = 0, primaGreen = 0, primaRed = 0;
    bool primaInDance = false;

    Dancer dancers[capacity];
    Thing talents[capacity];
    Thing muses[capacity];
    Thing blossoms[capacity];
    std::int32_t dancerCount = 0, talentCount = 0, museCount = 0, blossomCount = 0;

    // The dancer whose badge shows under the cat (-1: none); a click would choose her.
    std::int32_t badgeSlot = -1;
    bool frozen = false;

    // The name entry.
    bool nameEntry = false;
    char shuffled[21] = {};
    std::int32_t letterCount = 0;
    std::int32_t cursor = 0;
    float secondsLeft = 0.0f;
    bool letterSound = false;  // a letter was typed
    bool wrongSound = false;

    // The interface's goal marks: what is asked and what is done.
    std::int32_t score = 0;
    std::int32_t goalB = 0, goalMuses = 0, goalHappy = 0;
    std::int32_t leftCount = 0, happyTotal = 0, sungTotal = 0;

    const Dancer* dancerInSlot(std::int32_t slot) const;
};
