#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "sim/PlayerBot.h"
#include "sim/RandomBot.h"
#include "sim/SimRunner.h"

namespace {

// Wraps a bot and records what its hand did.
template <typename Bot>
struct Watched {
    Bot& bot;
    bool leftArea = false;
    bool leftWindow = false;
    int rightPresses = 0;
    static SimInput step(const World& w, std::int32_t frame, void* context) {
        auto& self = *static_cast<Watched*>(context);
        const SimInput input = self.bot.step(w, frame);
        self.leftArea = self.leftArea || !SimMouse::inArea(input.mouseX, input.mouseY);
        self.leftWindow = self.leftWindow || input.mouseX < 0 || input.mouseY < 0 ||
                          input.mouseX >= SimMouse::windowWidth || input.mouseY >= SimMouse::windowHeight;
        self.rightPresses += input.rightButton;
        return input;
    }
};

}  // namespace

TEST(PlayerBot, TakesOverAStrongerBallerinaWhenHerHeartsRunLow) {
    SimRunner runner;
    PlayerBot bot;
    runner.setBot(PlayerBot::stepOf, &bot);
    ASSERT_TRUE(runner.start(SimOptions{1, 1, 4}));
    World& w = runner.world();
    w.prima().energy = 20;  // nearly happy: she must hand over
    std::string herName;
    for (int i = 0; i < w.poolSize; ++i)
        if (w.obstacles[i]->kind == Kind::ballerina) herName = w.obstacles[i]->name;
    ASSERT_FALSE(herName.empty());

    bool spelled = false;
    while (runner.switches() == 0 && runner.framesRun() < 30 * 60 && !runner.lost()) {
        runner.step();
        spelled = spelled || bot.plan() == PlayerBot::Plan::spell;
        EXPECT_EQ(w.wrongClicks, 0);
    }
    EXPECT_TRUE(spelled);
    ASSERT_EQ(runner.switches(), 1);
    EXPECT_EQ(std::string(w.prima().name), herName);
    EXPECT_GE(w.prima().energy, 20 + 25);  // her hearts were the stronger ones
}

TEST(PlayerBot, KeepsThePointerInsideTheWarpArea) {
    // Sydney at star: long walks, changes of Prima Ballerina, freezes.
    PlayerBot bot;
    Watched<PlayerBot> watched{bot};
    SimRunner runner;
    runner.setBot(Watched<PlayerBot>::step, &watched);
    ASSERT_TRUE(runner.start(SimOptions{5, 3, 2}));
    runner.run(60 * 60);
    EXPECT_FALSE(watched.leftArea);
    EXPECT_EQ(bot.mouse().warps(), 0);
    EXPECT_GT(runner.switches(), 0);
    EXPECT_GT(bot.freezes(), 0);
    EXPECT_GT(runner.world().leftCount, 0);
}

TEST(PlayerBot, FreezesNoMoreThanNowAndThen) {
    PlayerBot bot;
    Watched<PlayerBot> watched{bot};
    SimRunner runner;
    runner.setBot(Watched<PlayerBot>::step, &watched);
    ASSERT_TRUE(runner.start(SimOptions{34, 1, 1}));
    runner.run(20 * 60);
    // The guided dance never freezes; a right click that does nothing is
    // not hammered.
    EXPECT_LE(watched.rightPresses, 20 / 2 + 1);
}

TEST(RandomBot, WandersClicksAndFreezesWithinTheWindowAndLeavesTheDanceRandomAlone) {
    RandomBot bot(11);
    Watched<RandomBot> watched{bot};
    SimRunner runner;
    runner.setBot(Watched<RandomBot>::step, &watched);
    ASSERT_TRUE(runner.start(SimOptions{3, 2, 11}));
    runner.run(60 * 60);
    EXPECT_FALSE(watched.leftWindow);
    EXPECT_TRUE(watched.leftArea);  // and then the warp rule brought it back
    EXPECT_GT(bot.mouse().warps(), 0);
    EXPECT_GT(bot.presses(), 5);
    EXPECT_GT(bot.rightPresses(), 0);
    char message[160] = {};
    EXPECT_TRUE(runner.checkInvariants(message, sizeof message)) << message;

    std::srand(77);
    const int expected = std::rand();
    std::srand(77);
    bot.step(runner.world(), runner.framesRun());
    EXPECT_EQ(std::rand(), expected);
}
