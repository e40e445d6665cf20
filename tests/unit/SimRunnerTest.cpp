#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "sim/SimRunner.h"

namespace {

// Everything of a run that must replay: positions and counters.
std::vector<float> fingerprint(const SimRunner& runner) {
    const World& w = runner.world();
    std::vector<float> values = {w.prima().position.x, w.prima().position.y, w.cat().position.x,
                                 w.cat().position.y,   static_cast<float>(w.prima().energy),
                                 static_cast<float>(w.score), w.danceTime,
                                 static_cast<float>(runner.blossomsThrown())};
    for (int i = 0; i < w.poolSize; ++i) {
        values.push_back(w.obstacles[i]->position.x);
        values.push_back(static_cast<float>(w.obstacles[i]->sadness));
    }
    return values;
}

std::string jsonOf(const SimRunner& runner) {
    std::FILE* f = std::tmpfile();
    runner.writeJson(f);
    std::rewind(f);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, f) != nullptr) text += buffer;
    std::fclose(f);
    return text;
}

}  // namespace

TEST(SimRunner, TheSameSeedReplaysTheSameDance) {
    SimRunner first, second;
    ASSERT_TRUE(first.start(SimOptions{9, 2, 77}));
    first.run(240);
    const std::vector<float> a = fingerprint(first);
    ASSERT_TRUE(second.start(SimOptions{9, 2, 77}));
    second.run(240);
    EXPECT_EQ(a, fingerprint(second));
    EXPECT_EQ(second.framesRun(), 240);
    char message[160] = {};
    EXPECT_TRUE(second.checkInvariants(message, sizeof message)) << message;
}

TEST(SimRunner, TheLevelStartsWithItsGoalsAndCountsOnOneJsonLine) {
    SimRunner runner;
    ASSERT_TRUE(runner.start(SimOptions{5, 1, 3}));
    EXPECT_EQ(runner.world().goalB, 2);
    EXPECT_EQ(runner.ballerinasAtStart(), 12);
    const std::string json = jsonOf(runner);
    EXPECT_EQ(json.rfind("{\"level\":5,\"difficulty\":1,\"goalB\":2,\"goalMuses\":0,\"goalHappy\":0,"
                         "\"ballerinasO\":10,\"ballerinasP\":2,\"ballerinasQ\":0,\"muses\":12,\"powerUps\":24,",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find("\"prima\":{\"x\":0.0000,\"y\":0.0000,\"energy\":5,"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"frames\""), std::string::npos);  // no run yet
    EXPECT_EQ(json.find('\n'), json.size() - 1);
}

TEST(SimRunner, ARunStopsAtTheFrameTheDanceIsLostOrWon) {
    SimRunner runner;
    ASSERT_TRUE(runner.start(SimOptions{1, 1, 5}));
    runner.run(10);
    EXPECT_FALSE(runner.lost());
    runner.world().prima().energy = 0;  // she becomes happy in her next update
    runner.run(100);
    EXPECT_TRUE(runner.lost());
    EXPECT_EQ(runner.framesRun(), 11);
    const std::string json = jsonOf(runner);
    EXPECT_NE(json.find("\"frames\":11,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"lost\":true"), std::string::npos) << json;

    // The one ballerina of Paris leaves happily.
    ASSERT_TRUE(runner.start(SimOptions{1, 1, 5}));
    World& w = runner.world();
    for (int i = 0; i < w.poolSize; ++i)
        if (w.obstacles[i]->kind == Kind::ballerina) w.obstacles[i]->sadness = 0;
    runner.run(100);
    EXPECT_TRUE(runner.won());
    EXPECT_FALSE(runner.lost());
    EXPECT_EQ(w.leftCount, 1);
    EXPECT_LE(runner.framesRun(), 2);
}

TEST(SimRunner, ABotSteersEveryFrame) {
    struct Recorded {
        std::vector<std::int32_t> frames;
        static SimInput step(const World&, std::int32_t frame, void* context) {
            static_cast<Recorded*>(context)->frames.push_back(frame);
            SimInput input;
            input.mouseX = 512 + frame;  // the mouse drifts right
            return input;
        }
    } recorded;
    SimRunner runner;
    runner.setBot(Recorded::step, &recorded);
    ASSERT_TRUE(runner.start(SimOptions{34, 1, 9}));
    runner.run(5);
    EXPECT_EQ(recorded.frames, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(runner.world().cat().lastMouseX, 516);
}

TEST(SimRunner, TheGuidedDanceTakesTheRightButtonAsReleased) {
    struct RightHeld {
        static SimInput step(const World&, std::int32_t frame, void*) {
            SimInput input;
            input.rightButton = frame % 30 == 0;
            return input;
        }
    };
    for (const std::uint8_t level : {std::uint8_t{1}, std::uint8_t{34}}) {
        SimRunner runner;
        runner.setBot(RightHeld::step, nullptr);
        ASSERT_TRUE(runner.start(SimOptions{level, 1, 1}));
        bool frozen = false;
        for (int i = 0; i < 120; ++i) {
            runner.step();
            frozen = frozen || runner.world().frozen;
        }
        EXPECT_EQ(frozen, level != 34) << static_cast<int>(level);
    }
}
