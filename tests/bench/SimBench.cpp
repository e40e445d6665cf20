// Google Benchmark cases of the simulation: the whole step of a running
// dance for levels 1, 5 and 9 at every difficulty, the contact pass, the
// dance floor and the effect pool. Each iteration is one frame; only the
// part named is timed (manual time), the scenario's upkeep is not.

#include <benchmark/benchmark.h>

#include <chrono>
#include <iterator>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/DanceFloor.h"
#include "actors/EffectPool.h"
#include "actors/Obstacle.h"
#include "actors/Projectile.h"
#include "bench/BusiestDance.h"
#include "world/World.h"

namespace {

// Runs `part` as the iteration's timed work.
template <typename Part>
void timed(benchmark::State& state, Part part) {
    const auto begin = std::chrono::steady_clock::now();
    part();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
}

bool started(bench::HeadlessDance& dance, benchmark::State& state, std::uint8_t level = 9,
             std::uint8_t difficulty = 3) {
    if (dance.start(level, difficulty)) return true;
    state.SkipWithError("the World could not be built");
    return false;
}

// One frame of a level as the bot plays it; the busiest dance (level 9 at
// star) also keeps every blossom slot in flight.
void simulationStep(benchmark::State& state) {
    bench::HeadlessDance dance;
    if (!started(dance, state, static_cast<std::uint8_t>(state.range(0)), static_cast<std::uint8_t>(state.range(1))))
        return;
    for (auto _ : state) {
        dance.prepare();
        timed(state, [&] { dance.simulate(); });
    }
}
BENCHMARK(simulationStep)
    ->Name("simulation step")
    ->ArgNames({"level", "difficulty"})
    ->ArgsProduct({{1, 5, 9}, {1, 2, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The all-pairs contact pass of the busiest dance; the rest of the frame
// runs untimed (an update with the pass left out).
void contactPass(benchmark::State& state) {
    static const char noName[10] = {};
    bench::HeadlessDance dance;
    if (!started(dance, state)) return;
    World& w = dance.world();
    for (auto _ : state) {
        dance.prepare();
        w.think(bench::frameSeconds);
        timed(state, [&] { w.interact(); });
        w.update(noName, true, bench::frameSeconds);
    }
}
BENCHMARK(contactPass)->Name("contact pass")->UseManualTime()->Unit(benchmark::kMicrosecond);

// The dance floor of the busiest dance: the touches that tell it where the
// dancers and blossoms are, then its update (lighting, drift, sway, mesh).
void danceFloor(benchmark::State& state) {
    bench::HeadlessDance dance;
    if (!started(dance, state)) return;
    World& w = dance.world();
    DanceFloor& floor = *w.danceFloor;
    const auto sees = [&floor](const Actor& a) {
        if (a.kind != 0) floor.touch(a.kind, a.position, a.width, a.height, a.damage, a.momentum);
    };
    for (auto _ : state) {
        dance.prepare();
        dance.simulate();
        timed(state, [&] {
            for (int i = 0; i < w.poolSize; ++i) sees(*w.obstacles[i]), sees(*w.projectiles[i]);
            sees(w.prima());
            sees(*w.camera);
            floor.update(bench::frameSeconds);
        });
    }
}
BENCHMARK(danceFloor)->Name("dance floor")->UseManualTime()->Unit(benchmark::kMicrosecond);

// The effect pool with every one of its 500 slots busy: one update, and the
// attach of 200 owners as the contact pass makes it.
void effectPool(benchmark::State& state) {
    EffectPool pool;
    const int numbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24, 25, 26, 51, 52, 71, 72, 81, 82, 83, 84, 85};
    const std::uint8_t owners[] = {111, 112, 113, 141, 161};
    int next = 0;
    std::uint8_t owner = 0;
    for (auto _ : state) {
        // Refill what the last update freed (untimed).
        for (int tries = 0; pool.busyCount() < EffectPool::capacity && tries < 1000; ++tries, ++owner) {
            const int number = numbers[next++ % std::size(numbers)];
            const Vector at{0.5f + static_cast<float>(next % 17) * 0.1f, 0.3f + static_cast<float>(next % 13) * 0.1f};
            pool.spawn(number, static_cast<std::uint8_t>(111 + owner % 3), owner % 40, at, Vector{1.0f, 0.5f});
        }
        timed(state, [&] {
            for (int i = 0; i < 40; ++i)
                for (std::uint8_t kind : owners)
                    pool.attach(kind, static_cast<std::uint8_t>(i), Vector{1.0f, 1.0f}, Vector{0.1f, 0.0f}, 30.0f);
            pool.update(bench::frameSeconds, 0.0f, 0.0f, 100.0f);
        });
    }
}
BENCHMARK(effectPool)->Name("effect pool")->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
