#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "sim/SimNameEntry.h"
#include "world/World.h"

// What a bot does in one frame: the mouse in window pixels and the two
// buttons. The runner plays the Game's part of a name entry with them (the
// mouse moves the letter cursor, a click types the letter under it); a
// handedName with a first letter goes to the World instead of the typed one.
struct SimInput {
    std::int32_t mouseX = 512;
    std::int32_t mouseY = 384;
    bool leftButton = false;
    bool rightButton = false;
    char handedName[10] = {};
};

// A bot: called once per frame before the World steers. context is the
// bot's own state, handed back unchanged.
using SimBotStep = SimInput (*)(const World& world, std::int32_t frame, void* context);

struct SimOptions {
    std::uint8_t level = 1;
    std::uint8_t difficulty = 1;
    std::int64_t seed = 1;        // the fixed clock every reseed reads
    std::int32_t frames = 0;
    float seconds = 1.0f / 60.0f; // frame time
};

// Runs a dance without a window: the World is built with the seed clock
// fixed, so a run with the same options replays exactly. Each frame is what
// the Game does in a running dance: the letter cursor, steer, think, update
// and the name entry (no drawing). In the guided first dance (level 34) the
// right button reaches the World as released, as the Game passes it.
class SimRunner {
public:
    SimRunner() = default;
    ~SimRunner();
    SimRunner(const SimRunner&) = delete;
    SimRunner& operator=(const SimRunner&) = delete;

    // The mouse stays still without a bot.
    void setBot(SimBotStep step, void* context);

    // Builds a fresh World and sets the level up: level and difficulty,
    // load, startLevel, and the goals as the level preview copies them.
    bool start(const SimOptions& options);
    // One frame; false once the dance is won or lost (the frame still ran).
    bool step();
    // Up to `frames` frames, stopping at the first frame that is won or lost.
    void run(std::int32_t frames);

    // The invariants of a running dance; false with a message naming the
    // first that does not hold.
    bool checkInvariants(char* message, std::size_t size) const;

    // One JSON object on one line (with the run's keys once a frame ran).
    void writeJson(std::FILE* out) const;

    World& world() { return *dance; }
    const World& world() const { return *dance; }
    std::int32_t framesRun() const { return frameCount; }
    std::int32_t ballerinasAtStart() const { return startBallerinas; }
    bool won() const { return wonDance; }
    bool lost() const { return lostDance; }
    std::int32_t switches() const { return switchCount; }
    std::int32_t blossomsThrown() const { return thrownCount; }
    const SimNameEntry& nameEntry() const { return entry; }
    double msPerFrame() const { return frameCount > 0 ? totalMilliseconds / frameCount : 0.0; }

private:
    std::unique_ptr<World> dance;
    SimOptions settings;
    SimBotStep bot = nullptr;
    void* botContext = nullptr;
    SimNameEntry entry;
    std::int32_t frameCount = 0;
    std::int32_t startBallerinas = 0;
    bool wonDance = false;
    bool lostDance = false;
    std::int32_t switchCount = 0;
    std::int32_t thrownCount = 0;
    bool totalsFell = false;
    double totalMilliseconds = 0.0;
};
