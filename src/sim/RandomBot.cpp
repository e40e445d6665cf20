#include "sim/RandomBot.h"

#include <algorithm>
#include <cmath>

RandomBot::RandomBot(std::uint32_t seed, float frameSeconds)
    : state(seed * 2654435761u + 0x9E3779B9u), seconds(frameSeconds > 0.0f ? frameSeconds : 1.0f / 60.0f) {
    if (state == 0) state = 1;
    pointer.place(between(SimMouse::areaLeft, SimMouse::areaRight), between(SimMouse::areaTop, SimMouse::areaBottom));
}

SimInput RandomBot::stepOf(const World& world, std::int32_t frame, void* context) {
    return static_cast<RandomBot*>(context)->step(world, frame);
}

std::uint32_t RandomBot::next() {
    // xorshift32
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

std::int32_t RandomBot::between(std::int32_t low, std::int32_t high) {
    if (high <= low) return low;
    return low + static_cast<std::int32_t>(next() % static_cast<std::uint32_t>(high - low + 1));
}

SimInput RandomBot::step(const World& world, std::int32_t /*frame*/) {
    sight.look(world);
    // The hand: a new motion every so often, from still to flicks beyond
    // what the cat follows in a frame, or a whim to chase something on the
    // stage; now and then a jump across the window.
    wanderLeft -= seconds;
    if (wanderLeft <= 0.0f) {
        const std::int32_t reach = between(0, 9) < 7 ? 6 : 45;
        speedX = between(-reach, reach);
        speedY = between(-reach, reach);
        wanderLeft = static_cast<float>(between(5, 90)) / 100.0f;
        whimKind = between(0, 9) < 4 ? between(1, 3) : 0;
        const std::int32_t count = whimKind == 1 ? sight.dancerCount : whimKind == 2 ? sight.museCount : sight.talentCount;
        whimSlot = count > 0 ? between(0, count - 1) : -1;
        if (whimKind != 0 && whimSlot >= 0) wanderLeft *= 4.0f;
    }
    const SimSight::Thing* thing = nullptr;
    Vector chased;
    if (whimKind == 1 && whimSlot >= 0 && whimSlot < sight.dancerCount) chased = sight.dancers[whimSlot].position;
    if (whimKind == 2 && whimSlot >= 0 && whimSlot < sight.museCount) thing = &sight.muses[whimSlot];
    if (whimKind == 3 && whimSlot >= 0 && whimSlot < sight.talentCount) thing = &sight.talents[whimSlot];
    if (thing != nullptr) chased = thing->position;
    const bool chasing = whimKind != 0 && whimSlot >= 0 && (whimKind == 1 ? whimSlot < sight.dancerCount : thing != nullptr);
    if (chasing) {
        // Toward it as the cat's steering takes pixels, give or take a few.
        const Vector way = chased - sight.cat;
        const float px = std::clamp(way.x * 100.0f, -30.0f, 30.0f);
        const float py = std::clamp(-way.y * 100.0f, -30.0f, 30.0f);
        speedX = std::isfinite(px) ? static_cast<std::int32_t>(px) : 0;
        speedY = std::isfinite(py) ? static_cast<std::int32_t>(py) : 0;
    }
    if (between(0, 399) == 0)
        pointer.move(between(0, SimMouse::windowWidth - 1) - pointer.x(),
                     between(0, SimMouse::windowHeight - 1) - pointer.y());
    else
        pointer.move(speedX + between(-1, 1), speedY + between(-1, 1));

    // The left button: short clicks, double clicks and long holds, with rests between.
    leftLeft -= seconds;
    if (leftLeft <= 0.0f) {
        leftDown = !leftDown;
        if (leftDown) {
            ++pressCount;
            const std::int32_t kind = between(0, 9);
            leftLeft = kind < 5 ? static_cast<float>(between(1, 20)) / 100.0f   // a click
                                : static_cast<float>(between(30, 300)) / 100.0f;  // a hold
        } else {
            leftLeft = between(0, 3) == 0 ? static_cast<float>(between(5, 45)) / 100.0f  // soon again
                                          : static_cast<float>(between(50, 400)) / 100.0f;
        }
    }

    // The right button: a freeze now and then, sometimes ended by a second click.
    rightLeft -= seconds;
    if (rightLeft <= 0.0f) {
        rightDown = !rightDown;
        if (rightDown) ++rightCount;
        rightLeft = rightDown ? static_cast<float>(between(1, 30)) / 100.0f
                              : static_cast<float>(between(30, 1200)) / 100.0f;
    }

    SimInput input;
    input.mouseX = pointer.x();
    input.mouseY = pointer.y();
    input.leftButton = leftDown;
    input.rightButton = rightDown;
    return input;
}
