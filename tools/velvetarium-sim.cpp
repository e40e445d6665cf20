// velvetarium-sim: one dance without a window.
//
//   velvetarium-sim --level N --difficulty D --seed S --frames F
//                   [--dt 0.016667] [--bot idle|random|player] [--check] [--digest]
//
// Prints one JSON object on one line: the level as it starts, or, with
// F > 0, as it stands after F frames or at the first frame in which the
// dance is won or lost. --check tests the invariants of the dance after
// every frame and exits with 1 at the first that fails. --digest prints,
// instead of the JSON, one line with a digest of the World as it starts and
// after every frame: a change that keeps every dance the same keeps it.
//
// Bots: idle leaves the mouse alone; random wanders and clicks at random
// (its own generator, seeded with S); player plays to win as a person
// with a mouse would.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sim/PlayerBot.h"
#include "sim/RandomBot.h"
#include "sim/SimRunner.h"
#include "WorldDigest.h"

namespace {

void usage() {
    std::fprintf(stderr,
                 "usage: velvetarium-sim --level N --difficulty D --seed S --frames F "
                 "[--dt SECONDS] [--bot idle|random|player] [--check] [--digest]\n");
}

bool parseLong(const char* text, long low, long high, long& value) {
    if (text == nullptr || *text == 0) return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != 0 || v < low || v > high) return false;
    value = v;
    return true;
}

bool parseSeconds(const char* text, float& value) {
    if (text == nullptr || *text == 0) return false;
    char* end = nullptr;
    const float v = std::strtof(text, &end);
    if (end == text || *end != 0 || !std::isfinite(v) || v < 0.0f || v > 1.0f) return false;
    value = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    enum class Bot { idle, random, player };
    SimOptions options;
    Bot bot = Bot::idle;
    bool check = false;
    bool digest = false;
    bool haveLevel = false, haveDifficulty = false, haveSeed = false, haveFrames = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        long value = 0;
        if (std::strcmp(arg, "--check") == 0) {
            check = true;
            continue;
        }
        if (std::strcmp(arg, "--digest") == 0) {
            digest = true;
            continue;
        }
        if (next == nullptr) {
            usage();
            return 2;
        }
        ++i;
        if (std::strcmp(arg, "--level") == 0 && parseLong(next, 0, 59, value)) {
            options.level = static_cast<std::uint8_t>(value);
            haveLevel = true;
        } else if (std::strcmp(arg, "--difficulty") == 0 && parseLong(next, 1, 3, value)) {
            options.difficulty = static_cast<std::uint8_t>(value);
            haveDifficulty = true;
        } else if (std::strcmp(arg, "--seed") == 0 && parseLong(next, 0, 2147483647L, value)) {
            options.seed = value;
            haveSeed = true;
        } else if (std::strcmp(arg, "--frames") == 0 && parseLong(next, 0, 10000000L, value)) {
            options.frames = static_cast<std::int32_t>(value);
            haveFrames = true;
        } else if (std::strcmp(arg, "--dt") == 0 && parseSeconds(next, options.seconds)) {
        } else if (std::strcmp(arg, "--bot") == 0 && std::strcmp(next, "idle") == 0) {
            // The idle bot leaves the mouse where it is: no bot step at all.
            bot = Bot::idle;
        } else if (std::strcmp(arg, "--bot") == 0 && std::strcmp(next, "random") == 0) {
            bot = Bot::random;
        } else if (std::strcmp(arg, "--bot") == 0 && std::strcmp(next, "player") == 0) {
            bot = Bot::player;
        } else {
            std::fprintf(stderr, "velvetarium-sim: bad argument %s %s\n", arg, next);
            usage();
            return 2;
        }
    }
    if (!haveLevel || !haveDifficulty || !haveSeed || !haveFrames) {
        usage();
        return 2;
    }

    SimRunner runner;
    RandomBot randomBot(static_cast<std::uint32_t>(options.seed), options.seconds);
    PlayerBot playerBot(options.seconds);
    if (bot == Bot::random) runner.setBot(RandomBot::stepOf, &randomBot);
    if (bot == Bot::player) runner.setBot(PlayerBot::stepOf, &playerBot);
    if (!runner.start(options)) {
        std::fprintf(stderr, "velvetarium-sim: out of memory\n");
        return 1;
    }
    WorldDigest frames;
    frames.addFrame(runner.world());
    char message[160] = {};
    if (check && !runner.checkInvariants(message, sizeof message)) {
        std::fprintf(stderr, "velvetarium-sim: level %d difficulty %d at the start: %s\n", options.level,
                     options.difficulty, message);
        return 1;
    }
    for (std::int32_t frame = 0; frame < options.frames; ++frame) {
        const bool running = runner.step();
        if (digest) frames.addFrame(runner.world());
        if (check && !runner.checkInvariants(message, sizeof message)) {
            std::fprintf(stderr, "velvetarium-sim: level %d difficulty %d frame %d: %s\n", options.level,
                         options.difficulty, runner.framesRun(), message);
            runner.writeJson(stderr);
            return 1;
        }
        if (!running) break;
    }
    if (digest)
        std::printf("level %d difficulty %d seed %lld frames %d digest %016llx\n", options.level, options.difficulty,
                    static_cast<long long>(options.seed), runner.framesRun(),
                    static_cast<unsigned long long>(frames.value()));
    else
        runner.writeJson(stdout);
    return 0;
}
