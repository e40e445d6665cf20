#include "bench/BusiestDance.h"

#include <algorithm>

#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "actors/Obstacle.h"
#include "actors/Projectile.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace bench {

int topUpBlossoms(World& w, std::uint32_t& turn) {
    const Avatar& prima = w.prima();
    int thrown = 0;
    for (int slot = 0; slot < w.poolSize; ++slot) {
        Projectile& b = *w.projectiles[slot];
        if (b.kind != 0) continue;
        // The next dancer in turn throws; with nobody on the stage the
        // blossom comes from a point beside her.
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
        ++thrown;
    }
    return thrown;
}

void keepHerDancing(World& w) {
    Avatar& prima = w.prima();
    if (prima.energy < 100) prima.energy = 100;
}

SimInput danceInput(PlayerBot& bot, const World& world, std::int32_t frame) {
    SimInput input = bot.step(world, frame);
    input.leftButton = false;
    input.rightButton = false;
    input.handedName[0] = 0;
    return input;
}

bool HeadlessDance::start(std::uint8_t level, std::uint8_t difficulty, std::int64_t seed, int warmUp) {
    SimOptions options;
    options.level = level;
    options.difficulty = difficulty;
    options.seed = seed;
    options.seconds = frameSeconds;
    if (!runner.start(options)) return false;
    bot = PlayerBot(frameSeconds);
    frameCount = 0;
    turn = 0;
    World& w = world();
    const SimInput first = danceInput(bot, w, 0);
    w.cat().lastMouseX = first.mouseX;
    w.cat().lastMouseY = first.mouseY;
    for (int i = 0; i < warmUp; ++i) frame();
    return true;
}

void HeadlessDance::prepare() {
    World& w = world();
    const SimInput input = danceInput(bot, w, frameCount);
    w.steer(input.mouseX, input.mouseY, false, false, false, false, false, false, false, false, false, false,
            false, false, false, false, frameSeconds);
    topUpBlossoms(w, turn);
    keepHerDancing(w);
}

void HeadlessDance::simulate() {
    static const char noName[10] = {};
    World& w = world();
    w.think(frameSeconds);
    w.update(noName, false, frameSeconds);
    ++frameCount;
}

}  // namespace bench
