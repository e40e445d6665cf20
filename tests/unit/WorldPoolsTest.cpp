// The World's pools, level start, census and goals.
#include "WorldFixture.h"
#include "audio/SoundBank.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

using worldtest::WorldTest;

TEST_F(WorldTest, AClearedWorldHasEveryPoolEmptyAndTheDanceClocksAtZero) {
    ASSERT_TRUE(world->complete());
    startLevel(9);
    EXPECT_FALSE(world->sounds->mixerOpen() || world->textures->isLoaded());  // loaded without a window
    world->danceTime = 12.0f;
    world->leftCount = world->pointsSinceSwitch = world->scoreAtLastSwitch = 3;
    world->clearLevel();
    EXPECT_EQ(world->countObstacles(0) + world->countMuses(0) + world->countPowerUps(0) + world->prima().kind, 0);
    EXPECT_EQ(world->countMuses(7), 7);
    EXPECT_EQ(world->danceTime + world->leftCount + world->pointsSinceSwitch + world->scoreAtLastSwitch, 0);
}

TEST_F(WorldTest, CensusCountsTheStageAndItsTotalsOnlyGrow) {
    emptyStage();
    ballerina(3, Vector{1, 1}).happy = 1;
    ballerina(4, Vector{2, 1});
    ballerina(5, Vector{3, 1}, Kind::dancerP).happy = 1;  // not an 'o': never counted as happy
    ballerina(7, Vector{0.0f, 0.0f});                     // at the origin: in use, not on the stage
    muse(10, Vector{5, 5}).sang = 1;
    world->census();
    EXPECT_EQ(world->happyNow, 1);
    EXPECT_EQ(world->unhappyLeft, 2);
    EXPECT_EQ(world->counts[World::countObstaclesIndex], 3);
    // The happy one and the muse who sang leave: the totals keep what they had.
    world->obstacles[3]->kind = world->muses[10]->kind = 0;
    world->census();
    EXPECT_EQ(world->happyNow + world->sungNow, 0);
    EXPECT_EQ(world->happyTotal + world->sungTotal, 2);
}

// The k-th entry of a pool's kinds, in table order, takes slot 39 - k; slot 0
// stays free, so the fortieth talent of a level is dropped.
TEST_F(WorldTest, EveryScriptedLevelFillsThePoolsFromItsLayoutTopDown) {
    LevelLayout layout;
    for (const std::uint8_t level : {1, 7, 29, 34, 56}) {
        startLevel(level);
        layout.buildLayout(level);  // same clock seed: the same talent colours
        int next[3] = {39, 39, 39};
        for (int k = 1; k < LevelLayout::readLimit; ++k) {
            const PlacementEntry& e = layout.entry(k);
            const Actor* a = nullptr;
            if (LevelLayout::placesBallerina(e.kind)) a = world->obstacles[next[0]--].get();
            if (LevelLayout::placesMuse(e.kind)) a = world->muses[next[1]--].get();
            if (LevelLayout::placesPowerUp(e.kind) && next[2] > 0) a = world->powerUps[next[2]--].get();
            EXPECT_TRUE(a == nullptr || (a->kind == e.kind && a->position == e.position)) << int(level) << " " << k;
        }
        EXPECT_EQ(world->countPowerUps(0), 39 - next[2]) << int(level);
        EXPECT_EQ(world->maxMuses, 39 - next[1]);
        EXPECT_FLOAT_EQ(world->obstacles[39]->sensitivity, 1.666f);  // the difficulty reached her
        world->clearLevel();
    }
}

TEST_F(WorldTest, DifficultySetsTheFactorsAndBaseScoresSumTheBallerinasTalents) {
    emptyStage();
    ballerina(5, Vector{1, 1});
    const float rows[][4] = {{1, 1.0f, 0.333f, 1.666f}, {2, 2.0f, 0.666f, 1.333f}, {3, 3.0f, 1.0f, 1.0f},
                             {7, 3.0f, 1.0f, 1.0f}};  // an unknown one: as a star
    for (const auto& r : rows) {
        world->difficulty = static_cast<std::uint8_t>(r[0]);
        world->applyDifficulty();
        EXPECT_FLOAT_EQ(world->pointsFactor, r[1]);
        EXPECT_FLOAT_EQ(world->prima().sensitivity, r[2]);
        EXPECT_FLOAT_EQ(world->obstacles[5]->sensitivity, r[3]);
    }
    EXPECT_EQ(world->levelBaseScore(8), 75);  // twenty-five with 1, 1, 1
}

TEST_F(WorldTest, ADanceIsWonOnlyWhenEveryGoalHolds) {
    const int cases[][8] = {
        // at start, goalB, left, goalMuses, sung, goalHappy, happy, won
        {5, 0, 5, 0, 0, 0, 0, 1}, {5, 0, 4, 0, 0, 0, 0, 0},  // every ballerina left, or one still dances
        {5, 2, 3, 0, 0, 0, 0, 1}, {5, 2, 2, 0, 0, 0, 0, 0},  // goalB of them may stay
        {0, 0, 0, 3, 3, 0, 0, 1}, {0, 0, 0, 3, 2, 0, 0, 0},  // muses that sang
        {0, 0, 0, 0, 0, 2, 2, 1}, {0, 0, 0, 0, 0, 2, 1, 0},  // ballerinas made happy
        {5, 1, 4, 3, 2, 2, 2, 0}, {5, 1, 4, 3, 3, 2, 2, 1},
    };
    for (const auto& c : cases) {
        world->goalB = c[1];
        world->leftCount = c[2];
        world->goalMuses = c[3];
        world->sungTotal = c[4];
        world->goalHappy = c[5];
        world->happyTotal = c[6];
        EXPECT_EQ(world->goalsMet(c[0]), c[7] == 1) << c[0] << " " << c[1] << " " << c[2] << " " << c[4] << " " << c[6];
    }
}
