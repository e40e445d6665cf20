// soak_runner: one level at one difficulty with one bot, dance after dance
// (a won or lost dance is followed by a new one with the next seed) until
// the simulated time is reached. After every frame the simulation's own
// invariants and SoakInvariants are checked; the first that fails ends the
// run with exit code 1 and says which, where and when.
//
//   soak_runner --level N --difficulty D --bot random|player --seconds S [--seed N]
//
// Prints one summary line.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "SoakInvariants.h"
#include "sim/PlayerBot.h"
#include "sim/RandomBot.h"
#include "sim/SimRunner.h"

namespace {
void usage() {
    std::fprintf(stderr, "usage: soak_runner --level N --difficulty D --bot random|player --seconds S [--seed N]\n");
}

bool number(const char* text, long low, long high, long& out) {
    if (text == nullptr || *text == '\0') return false;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    long level = -1, difficulty = -1, seconds = -1, seed = 1;
    bool player = false, haveBot = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* name = argv[i];
        const char* value = argv[i + 1];
        bool ok = false;
        if (std::strcmp(name, "--level") == 0) ok = number(value, 0, 59, level);
        else if (std::strcmp(name, "--difficulty") == 0) ok = number(value, 1, 3, difficulty);
        else if (std::strcmp(name, "--seconds") == 0) ok = number(value, 1, 24 * 3600, seconds);
        else if (std::strcmp(name, "--seed") == 0) ok = number(value, 0, 1000000000L, seed);
        else if (std::strcmp(name, "--bot") == 0) {
            haveBot = ok = std::strcmp(value, "random") == 0 || std::strcmp(value, "player") == 0;
            player = std::strcmp(value, "player") == 0;
        }
        if (!ok) {
            usage();
            return 2;
        }
    }
    if (level < 0 || difficulty < 0 || seconds < 0 || !haveBot || argc % 2 != 1) {
        usage();
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
        SimOptions options;
        options.level = static_cast<std::uint8_t>(level);
        options.difficulty = static_cast<std::uint8_t>(difficulty);
        options.seed = seed + dances;
        options.seconds = frameSeconds;
        if (!runner.start(options)) {
            std::fprintf(stderr, "soak: level %ld: the dance could not be set up\n", level);
            return 1;
        }
        ++dances;
        bool running = true;
        while (running && done < frames) {
            running = runner.step();
            ++done;
            if (!runner.checkInvariants(message, sizeof message) || !soak.check(runner.world(), message, sizeof message)) {
                std::fprintf(stderr, "soak: level %ld difficulty %ld bot %s seed %ld frame %d of its dance: %s\n", level,
                             difficulty, player ? "player" : "random", seed + dances - 1, runner.framesRun(), message);
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
                level, difficulty, player ? "player" : "random", done, static_cast<double>(done) / 3600.0, dances, won,
                lost, soak.mostEffects, soak.mostActors[0], soak.mostActors[1], soak.mostActors[2], soak.mostActors[3],
                soak.mostActors[4], soak.lowestEnergy, soak.highestEnergy, soak.lowestSadness);
    return 0;
}
