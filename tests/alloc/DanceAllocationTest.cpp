// A running dance makes no heap allocation in its frames: every pool, list
// and buffer is made once, up front. This binary counts every allocation
// (operator new in every form, malloc, calloc, realloc) made on the main
// thread while a frame runs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "bench/BusiestDance.h"
#include "bench/FrameHarness.h"
#include "sim/PlayerBot.h"
#include "sim/SimRunner.h"
#include "support/AllocationCounter.h"

namespace {

TEST(DanceAllocations, TheCounterSeesAnAllocationAndWhoAskedForIt) {
    // The counting allocator is really in place: otherwise every other case
    // here would pass whatever the game did.
    allocations::CountedScope counted(true);
    void* volatile block = std::malloc(16);
    std::free(block);
    auto* volatile number = new int(7);
    delete number;
    std::string text(100, 'x');  // through the C++ library: still asked for by this program
    EXPECT_EQ(counted.allocations(), 3u);
    EXPECT_EQ(counted.gameAllocations(), 3u);
}

TEST(DanceAllocations, SimulatedFramesAllocateNothing) {
    bench::HeadlessDance busiest;
    ASSERT_TRUE(busiest.start(9, 3, 7, 60));
    for (int frame = 0; frame < 600; ++frame) {
        busiest.prepare();
        allocations::CountedScope counted;
        busiest.simulate();
        ASSERT_EQ(counted.allocations(), 0u) << "frame " << frame << " of the busiest dance allocated";
    }
    // Dances played to their end by a player who throws, fetches talents,
    // freezes time and takes over ballerinas by name.
    for (std::uint8_t level : {1, 5, 9}) {
        SimRunner runner;
        PlayerBot bot;
        runner.setBot(PlayerBot::stepOf, &bot);
        SimOptions options;
        options.level = level;
        options.difficulty = 2;
        options.seed = 11 + level;
        ASSERT_TRUE(runner.start(options));
        for (int frame = 0, going = 1; frame < 1500 && going; ++frame) {
            allocations::CountedScope counted;
            going = runner.step();
            ASSERT_EQ(counted.allocations(), 0u) << "level " << int(level) << ", frame " << frame;
        }
    }
}

TEST(DanceAllocations, DrawnFramesAllocateNothing) {
    // The real Game in a window: the menu, the busiest dance and a frozen
    // moment with its ghosts.
    bench::FrameOptions options;
    options.gameDir = BENCH_GAME_DIR;
    options.frames = 5;
    options.countedFrames = 20;
    options.warmUpFrames = 20;
    std::vector<bench::SceneTimes> scenes;
    std::string message;
    ASSERT_TRUE(bench::runFrameHarness(options, scenes, message)) << message;
    ASSERT_EQ(scenes.size(), 3u);
    for (const bench::SceneTimes& scene : scenes) {
        EXPECT_GT(scene.countedFrames, 0) << scene.name;
        // The GL driver allocates inside its own calls; only the game's own
        // code is held to none.
        EXPECT_EQ(scene.gameAllocations, 0u) << "the " << scene.name << " frames allocated";
    }
}

}  // namespace
