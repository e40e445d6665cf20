// soak_runner: one level at one difficulty with one bot, dance after dance
// (each won or lost dance followed by a new one with the next seed) until
// the simulated time is reached. After every frame the simulation's own
// invariants and the soak's (below) are checked; the first that fails ends
// the run with exit code 1 and says which, where and when. Prints one
// summary line.
//
//   soak_runner LEVEL DIFFICULTY random|player SECONDS SEED

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "actors/Avatar.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "sim/PlayerBot.h"
#include "sim/RandomBot.h"
#include "sim/SimRunner.h"
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

// Beyond the simulation's invariants: every active actor of every pool has
// finite motion and size, energies (a ballerina's sadness) lie in their
// ranges, no actor sits in two slots, the effect pool's particles are finite
// and counted right. Keeps the extremes it saw for the summary.
struct SoakInvariants {
    // The Prima Ballerina's energy is held at 200 at most and a hit takes a
    // few dozen points; talents end at -10 when collected.
    static constexpr int lowest = -1000, highest = 205;
    int mostEffects = 0, lowestEnergy = highest, highestEnergy = lowest, lowestSadness = 100;
    int mostActors[5] = {};  // avatars, ballerinas, muses, blossoms, talents at once

    bool check(const World& w, char* message, std::size_t size) {
        static const char* const names[5] = {"avatar", "ballerina", "muse", "blossom", "talent"};
        const Actor* seen[5 * World::poolCapacity] = {};
        int seenCount = 0;
        for (int pool = 0; pool < 5; ++pool) {
            int active = 0;
            for (int slot = 0; slot < World::poolCapacity; ++slot) {
                const Actor* const actors[5] = {w.avatars[slot].get(), w.obstacles[slot].get(), w.muses[slot].get(),
                                                w.projectiles[slot].get(), w.powerUps[slot].get()};
                const Actor* a = actors[pool];
                if (a == nullptr) return fail(message, size, "%s slot %d holds no actor", names[pool], slot);
                for (int i = 0; i < seenCount; ++i)
                    if (seen[i] == a) return fail(message, size, "%s slot %d is also another slot", names[pool], slot);
                seen[seenCount++] = a;
                if (a->kind == 0) continue;
                ++active;
                if (!finite(a->position) || !finite(a->velocity) || !finite(a->heading) || !std::isfinite(a->angle) ||
                    !std::isfinite(a->speed) || !std::isfinite(a->width) || !std::isfinite(a->height) ||
                    a->width < 0.0f || a->height < 0.0f)
                    return fail(message, size, "%s slot %d (kind %d): motion or size", names[pool], slot, a->kind);
                if (pool == 0 && (!std::isfinite(w.avatars[slot]->facing) || !std::isfinite(w.avatars[slot]->goalAngle)))
                    return fail(message, size, "avatar slot %d: facing not finite", slot);
                const bool ballerina = pool == 1;
                const int energy = ballerina ? w.obstacles[slot]->sadness : a->energy;
                if (energy < lowest || energy > (ballerina ? 100 : highest) ||
                    (ballerina && !std::isfinite(w.obstacles[slot]->goalAngle)))
                    return fail(message, size, "%s slot %d (kind %d) energy %d", names[pool], slot, a->kind, energy);
                if (ballerina) {
                    if (energy < lowestSadness) lowestSadness = energy;
                } else {
                    if (energy < lowestEnergy) lowestEnergy = energy;
                    if (energy > highestEnergy) highestEnergy = energy;
                }
            }
            if (active > mostActors[pool]) mostActors[pool] = active;
        }
        const EffectPool& effects = *w.effects;
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
        return counted == busy || fail(message, size, "%d effects busy, %d counted", busy, counted);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const long level = argc == 6 ? std::atol(argv[1]) : -1, difficulty = argc == 6 ? std::atol(argv[2]) : 0;
    const long seconds = argc == 6 ? std::atol(argv[4]) : 0, seed = argc == 6 ? std::atol(argv[5]) : 0;
    const bool player = argc == 6 && std::strcmp(argv[3], "player") == 0;
    if (level < 0 || level > 59 || difficulty < 1 || difficulty > 3 || seconds < 1 ||
        (!player && std::strcmp(argv[3], "random") != 0)) {
        std::fprintf(stderr, "usage: soak_runner LEVEL DIFFICULTY random|player SECONDS SEED\n");
        return 2;
    }
    constexpr float frameSeconds = 1.0f / 60.0f;
    const long frames = seconds * 60;
    SoakInvariants soak;
    char message[200] = {};
    long done = 0;
    int dances = 0, won = 0, lost = 0;
    while (done < frames) {
        SimRunner runner;
        RandomBot randomBot(static_cast<std::uint32_t>(seed + dances), frameSeconds);
        PlayerBot playerBot(frameSeconds);
        if (player) runner.setBot(PlayerBot::stepOf, &playerBot);
        else runner.setBot(RandomBot::stepOf, &randomBot);
        const auto byte = [](long n) { return static_cast<std::uint8_t>(n); };
        if (!runner.start(SimOptions{byte(level), byte(difficulty), seed + dances})) {
            std::fprintf(stderr, "soak: level %ld: the dance could not be set up\n", level);
            return 1;
        }
        ++dances;
        for (bool running = true; running && done < frames; ++done) {
            running = runner.step();
            if (!runner.checkInvariants(message, sizeof message) || !soak.check(runner.world(), message, sizeof message)) {
                std::fprintf(stderr, "soak: level %ld difficulty %ld bot %s seed %ld frame %d of its dance: %s\n", level,
                             difficulty, argv[3], seed + dances - 1, runner.framesRun(), message);
                runner.writeJson(stderr);
                std::fputc('\n', stderr);
                return 1;
            }
        }
        won += runner.won();
        lost += runner.lost();
    }
    std::printf("soak: level %2ld difficulty %ld bot %-6s %ld frames (%.1f min), %d dances (%d won, %d lost), "
                "at most %d effects, %d/%d/%d/%d/%d actors, energy %d..%d, sadness down to %d\n",
                level, difficulty, argv[3], done, static_cast<double>(done) / 3600.0, dances, won, lost,
                soak.mostEffects, soak.mostActors[0], soak.mostActors[1], soak.mostActors[2], soak.mostActors[3],
                soak.mostActors[4], soak.lowestEnergy, soak.highestEnergy, soak.lowestSadness);
    return 0;
}
