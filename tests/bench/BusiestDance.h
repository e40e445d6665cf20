#pragma once

// The busiest dance the game can show, for the benchmarks and the
// allocation test: level 9 at star (by default), every pool as full as play
// makes it and all 40 blossom slots in flight. A player bot steers the cat
// (without clicks, so no name entry slows the stage); between frames the
// scenario throws new blossoms at the Prima Ballerina into every free slot
// and keeps her hearts up, so that the dance neither thins out nor ends.
// That upkeep is not part of what is measured.

#include <cstdint>
#include <ctime>

#include "sim/PlayerBot.h"
#include "sim/SimRunner.h"

class World;

namespace bench {

constexpr float frameSeconds = 1.0f / 60.0f;

// The untimed part of a frame: the bot's mouse (returned, without buttons),
// a blossom thrown into every free slot by the dancers in turn, her hearts
// kept up.
SimInput busiestUpkeep(PlayerBot& bot, World& world, std::int32_t frame, std::uint32_t& turn);

// Processor time of a clock (CLOCK_THREAD_CPUTIME_ID, CLOCK_PROCESS_CPUTIME_ID):
// on a busy machine a steadier measure of the work than the wall time.
inline double cpuMilliseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1.0e3 + static_cast<double>(t.tv_nsec) * 1.0e-6;
}

// A headless busiest dance: the World without a window, as the
// simulation runs it.
class HeadlessDance {
public:
    // Builds the World with a fixed seed and runs `warmUp` frames.
    bool start(std::uint8_t level = 9, std::uint8_t difficulty = 3, std::int64_t seed = 1, int warmUp = 120);
    // The untimed part of a frame: the bot, the steering and the upkeep.
    void prepare();
    // The measured part: think and update.
    void simulate();
    World& world() { return runner.world(); }

private:
    SimRunner runner;
    PlayerBot bot{frameSeconds};
    std::int32_t frameCount = 0;
    std::uint32_t turn = 0;
};

}  // namespace bench
