#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "sim/SimRunner.h"

namespace {

std::string jsonOf(const SimRunner& runner) {
    std::FILE* f = std::tmpfile();
    runner.writeJson(f);
    std::rewind(f);
    std::string text;
    for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

// A bot from a function of the World and the frame.
template <typename Step>
void setBot(SimRunner& runner, Step& step) {
    runner.setBot([](const World& w, std::int32_t frame, void* s) { return (*static_cast<Step*>(s))(w, frame); },
                  &step);
}

}  // namespace

TEST(SimRunner, TheSameSeedReplaysTheSameDance) {
    std::vector<float> values[2];
    for (std::vector<float>& v : values) {
        SimRunner runner;
        ASSERT_TRUE(runner.start(SimOptions{9, 2, 77}));
        runner.run(240);
        EXPECT_EQ(runner.framesRun(), 240);
        char message[160] = {};
        EXPECT_TRUE(runner.checkInvariants(message, sizeof message)) << message;
        const World& w = runner.world();
        v = {w.prima().position.x, w.prima().position.y, w.cat().position.x, w.cat().position.y,
             static_cast<float>(w.prima().energy), static_cast<float>(w.score), w.danceTime,
             static_cast<float>(runner.blossomsThrown())};
        for (int i = 0; i < w.poolSize; ++i)
            v.insert(v.end(), {w.obstacles[i]->position.x, static_cast<float>(w.obstacles[i]->sadness)});
    }
    EXPECT_EQ(values[0], values[1]);
}

TEST(SimRunner, StartsWithItsGoalsStopsAtTheFrameTheDanceIsLostOrWonAndCountsOnOneJsonLine) {
    SimRunner runner;
    ASSERT_TRUE(runner.start(SimOptions{5, 1, 3}));
    EXPECT_EQ(runner.ballerinasAtStart(), 12);
    std::string json = jsonOf(runner);
    EXPECT_EQ(json.rfind("{\"level\":5,\"difficulty\":1,\"goalB\":2,\"goalMuses\":0,\"goalHappy\":0,"
                         "\"ballerinasO\":10,\"ballerinasP\":2,\"ballerinasQ\":0,\"muses\":12,\"powerUps\":24,", 0),
              0u) << json;
    EXPECT_NE(json.find("\"prima\":{\"x\":0.0000,\"y\":0.0000,\"energy\":5,"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"frames\""), std::string::npos);  // no run yet
    EXPECT_EQ(json.find('\n'), json.size() - 1);

    ASSERT_TRUE(runner.start(SimOptions{1, 1, 5}));
    runner.run(10);
    EXPECT_FALSE(runner.lost());
    runner.world().prima().energy = 0;  // she becomes happy in her next update
    runner.run(100);
    EXPECT_TRUE(runner.lost());
    EXPECT_EQ(runner.framesRun(), 11);
    json = jsonOf(runner);
    EXPECT_NE(json.find("\"frames\":11,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"lost\":true"), std::string::npos) << json;

    // The one ballerina of Paris leaves happily.
    ASSERT_TRUE(runner.start(SimOptions{1, 1, 5}));
    World& w = runner.world();
    for (int i = 0; i < w.poolSize; ++i)
        if (w.obstacles[i]->kind == Kind::ballerina) w.obstacles[i]->sadness = 0;
    runner.run(100);
    EXPECT_TRUE(runner.won() && !runner.lost());
    EXPECT_EQ(w.leftCount, 1);
    EXPECT_LE(runner.framesRun(), 2);
}

TEST(SimRunner, ABotSteersEveryFrameAndTheGuidedDanceTakesTheRightButtonAsReleased) {
    std::vector<std::int32_t> frames;
    auto drift = [&](const World&, std::int32_t frame) {
        frames.push_back(frame);
        SimInput input;
        input.mouseX = 512 + frame;
        return input;
    };
    SimRunner runner;
    setBot(runner, drift);
    ASSERT_TRUE(runner.start(SimOptions{34, 1, 9}));
    runner.run(5);
    EXPECT_EQ(frames, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(runner.world().cat().lastMouseX, 516);

    for (const std::uint8_t level : {1, 34}) {
        auto rightClicks = [](const World&, std::int32_t frame) {
            SimInput input;
            input.rightButton = frame % 30 == 0;
            return input;
        };
        SimRunner clicked;
        setBot(clicked, rightClicks);
        ASSERT_TRUE(clicked.start(SimOptions{level, 1, 1}));
        bool frozen = false;
        for (int i = 0; i < 120 && !frozen; ++i) {
            clicked.step();
            frozen = clicked.world().frozen;
        }
        EXPECT_EQ(frozen, level != 34) << int(level);
    }
}
