#pragma once

#include <cstdint>

#include "sim/SimMouse.h"
#include "sim/SimRunner.h"
#include "sim/SimSight.h"

// The simulation's careless player: the mouse wanders at random speeds in
// the window (the game's warp rule puts it back to the middle when it
// strays from the warp area), on a whim it chases some dancer, muse or
// talent for a while, and the buttons get random clicks, holds and right
// clicks. Clicks on a ballerina open name entries that its wandering then
// fills with whatever letters lie under the cursor. It draws from a
// generator of its own, so it leaves the dance's rand() alone.
class RandomBot {
public:
    explicit RandomBot(std::uint32_t seed, float frameSeconds = 1.0f / 60.0f);

    SimInput step(const World& world, std::int32_t frame);
    static SimInput stepOf(const World& world, std::int32_t frame, void* context);

    const SimMouse& mouse() const { return pointer; }
    std::int32_t presses() const { return pressCount; }
    std::int32_t rightPresses() const { return rightCount; }

private:
    std::uint32_t next();
    // A whole number in [low, high].
    std::int32_t between(std::int32_t low, std::int32_t high);

    std::uint32_t state;
    float seconds;
    SimMouse pointer;
    SimSight sight;
    std::int32_t speedX = 0, speedY = 0;   // pixels a frame
    std::int32_t whimKind = 0;             // 0 none, 1 a dancer, 2 a muse, 3 a talent
    std::int32_t whimSlot = -1;
    float wanderLeft = 0.0f;               // seconds until the hand changes its motion
    float leftLeft = 0.0f;                 // seconds the left button stays as it is
    bool leftDown = false;
    float rightLeft = 0.0f;
    bool rightDown = false;
    std::int32_t pressCount = 0;
    std::int32_t rightCount = 0;
};
