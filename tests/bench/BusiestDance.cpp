#include "bench/BusiestDance.h"

#include <algorithm>

#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "actors/Obstacle.h"
#include "actors/Projectile.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace bench {

SimInput busiestUpkeep(PlayerBot& bot, World& w, std::int32_t frame, std::uint32_t& turn) {
    SimInput input = bot.step(w, frame);
    input.leftButton = input.rightButton = false;
    input.handedName[0] = 0;
    Avatar& prima = w.prima();
    for (int slot = 0; slot < w.poolSize; ++slot) {
        Projectile& b = *w.projectiles[slot];
        if (b.kind != 0) continue;
        // With nobody on the stage the blossom comes from a point beside her.
        Vector from = prima.position + Vector{1.5f, 0.0f, 0.0f};
        float thrower = 0.0f;
        for (int n = 0; n < w.poolSize; ++n) {
            const Obstacle& o = *w.obstacles[(turn + n) % w.poolSize];
            if (o.kind == 0) continue;
            from = o.throwPoint();
            thrower = o.speed;
            turn = (turn + n + 1) % w.poolSize;
            break;
        }
        from.z = 0.0f;
        const auto kind = static_cast<std::uint8_t>(Kind::blossom1 + (slot % 4));
        w.textures->clearTrail(static_cast<unsigned>(slot), kind);
        b.place(kind, from, 0.0f, 0.0f, angleToward(from, prima.position), Kind::prima, 1, 0.0f, 12);
        b.speed = b.momentum = b.maxSpeed + std::max(0.0f, thrower);
    }
    if (prima.energy < 100) prima.energy = 100;
    return input;
}

bool HeadlessDance::start(std::uint8_t level, std::uint8_t difficulty, std::int64_t seed, int warmUp) {
    if (!runner.start({.level = level, .difficulty = difficulty, .seed = seed, .seconds = frameSeconds})) return false;
    // The cat starts under the bot's first mouse position, not with a jump.
    const SimInput first = bot.step(world(), 0);
    world().cat().lastMouseX = first.mouseX;
    world().cat().lastMouseY = first.mouseY;
    for (int i = 0; i < warmUp; ++i) prepare(), simulate();
    return true;
}

void HeadlessDance::prepare() {
    const SimInput input = busiestUpkeep(bot, world(), frameCount, turn);
    world().steer(input.mouseX, input.mouseY, false, false, false, false, false, false, false, false, false, false,
                  false, false, false, false, frameSeconds);
}

void HeadlessDance::simulate() {
    static const char noName[10] = {};
    world().think(frameSeconds);
    world().update(noName, false, frameSeconds);
    ++frameCount;
}

}  // namespace bench
