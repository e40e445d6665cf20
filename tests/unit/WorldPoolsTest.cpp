#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "WorldFixture.h"
#include "audio/SoundBank.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"

using worldtest::WorldTest;

namespace {

// The catalogue of every scripted level: goals, the Prima Ballerina's start,
// the cat's energy (-1: hers) and what the pools hold after startLevel.
struct Row {
    int level;
    int goalB, goalMuses, goalHappy;
    float x, y;
    int energy, blue, green, red;
    int catEnergy;
    int o, p, q, muses;
    int placedTalents, ringTalents;
    bool landmarks;
};

const Row catalogue[] = {
    {0, 0, 0, 0, 0.01f, -1, 100, 1, 1, 1, -1, 1, 0, 0, 0, 0, 10, true},
    {1, 0, 0, 0, 0, -2, 90, 0, 0, 0, -1, 1, 0, 0, 16, 4, 12, true},
    {2, 0, 0, 0, 7, 6, 90, 0, 0, 0, -1, 2, 0, 0, 32, 4, 20, true},
    {3, 0, 0, 0, 0, 0.1f, 90, 2, 0, 1, -1, 3, 0, 0, 36, 0, 20, true},
    {4, 0, 0, 0, 0.5f, 0, 80, 0, 0, 0, -1, 6, 0, 0, 32, 4, 30, true},
    {5, 2, 0, 0, 0, 0, 5, 0, 0, 0, -1, 10, 2, 0, 12, 4, 16, true},
    {6, 0, 0, 0, 0, 0, 40, 0, 0, 0, -1, 15, 0, 0, 34, 4, 30, true},
    {7, 4, 0, 0, 1, 0, 20, 2, 1, 1, -1, 20, 4, 0, 24, 4, 32, true},
    {8, 0, 0, 0, -12, 4, 20, 0, 0, 0, -1, 25, 0, 0, 30, 4, 24, true},
    {9, 0, 0, 0, 0, 0, 40, 0, 0, 0, 80, 30, 0, 0, 30, 4, 30, true},
    {10, 0, 0, 9, 0, 0, 100, 2, 1, 1, -1, 9, 0, 0, 34, 0, 30, true},
    {11, 0, 0, 3, 1, -10, 90, 1, 1, 1, -1, 6, 0, 0, 34, 0, 30, true},
    {12, 0, 0, 4, 0, 0, 90, 2, 2, 2, -1, 6, 0, 0, 34, 0, 30, true},
    {13, 0, 0, 0, 1, -1, 90, 3, 3, 3, -1, 0, 0, 1, 4, 0, 32, true},
    {14, 0, 0, 2, 1, -4, 30, 1, 1, 1, -1, 3, 0, 0, 32, 0, 30, true},
    {15, 0, 0, 4, 0, 0, 30, 1, 1, 1, -1, 8, 0, 0, 34, 0, 30, true},
    {16, 0, 0, 5, 1, -11, 100, 2, 2, 2, 20, 5, 1, 1, 32, 0, 30, true},
    {17, 0, 0, 5, 0, 0, 100, 2, 2, 2, 20, 10, 2, 0, 34, 0, 30, true},
    {18, 0, 0, 10, 1, -5, 100, 2, 2, 2, -1, 15, 2, 0, 8, 0, 30, true},
    {19, 12, 0, 12, 0, 8, 30, 0, 0, 0, -1, 12, 0, 0, 12, 4, 0, true},
    {20, 16, 0, 16, 0, 8, 30, 0, 0, 0, -1, 16, 0, 0, 24, 4, 0, true},
    {21, 20, 0, 20, 0, 8, 30, 0, 0, 0, -1, 20, 0, 0, 36, 4, 0, true},
    {22, 0, 0, 5, 0, 0, 100, 2, 2, 2, -1, 10, 0, 0, 34, 0, 30, true},
    {23, 0, 0, 10, 6, -6, 100, 2, 2, 2, -1, 15, 0, 0, 33, 0, 30, true},
    {24, 0, 0, 12, 0, 0, 100, 2, 2, 2, -1, 24, 0, 0, 36, 0, 32, true},
    {25, 0, 0, 5, 1, -3, 100, 2, 2, 2, -1, 15, 2, 0, 32, 8, 0, true},
    {26, 0, 0, 5, 1, -7, 100, 2, 2, 2, -1, 26, 2, 0, 32, 4, 0, true},
    {27, 0, 0, 5, 1, -8, 100, 2, 2, 2, -1, 32, 0, 0, 18, 4, 0, true},
    {28, 0, 0, 24, -11, 11, 100, 2, 2, 2, -1, 34, 0, 0, 34, 4, 0, true},
    {29, 0, 0, 10, 1, 11, 100, 4, 4, 4, -1, 20, 0, 0, 34, 4, 32, true},
    {30, 35, 0, 0, 1, 9, 100, 0, 0, 0, -1, 32, 2, 2, 32, 0, 32, true},
    {31, 32, 0, 30, 0.001f, 0.001f, 100, 0, 0, 0, -1, 30, 0, 2, 34, 4, 0, true},
    {32, 3, 0, 0, 0.001f, 0.001f, 100, 0, 0, 0, -1, 30, 0, 3, 34, 0, 30, true},
    {33, 4, 0, 30, 0.001f, 0.001f, 100, 0, 0, 0, -1, 30, 0, 4, 34, 0, 30, true},
    {34, 0, 0, 1, 0, 5, 90, 1, 1, 1, -1, 1, 0, 0, 0, 0, 0, false},
    {52, 0, 32, 0, 0, 0, 100, 2, 2, 2, -1, 0, 0, 0, 32, 0, 36, false},
    {54, 0, 32, 0, 0, 0, 100, 2, 2, 2, -1, 0, 0, 0, 32, 0, 36, false},
    {56, 15, 0, 15, 0, 0, 100, 3, 3, 3, -1, 15, 0, 0, 34, 4, 0, false},
    {58, 0, 0, 20, 0, 0, 20, 0, 0, 0, 100, 20, 0, 0, 5, 4, 20, false},
    {59, 0, 0, 20, 0, 0, 20, 0, 0, 0, 100, 20, 0, 5, 5, 0, 20, false},
};

int countKind(const World& w, std::uint8_t kind) {
    int n = 0;
    for (int i = 0; i < w.poolSize; ++i) n += w.obstacles[i]->kind == kind;
    return n;
}

int countTalentKind(const World& w, std::uint8_t kind) {
    int n = 0;
    for (int i = 0; i < w.poolSize; ++i) n += w.powerUps[i]->kind == kind;
    return n;
}

}  // namespace

TEST_F(WorldTest, FreshWorldHasTwoHundredInactiveActorsAndCountsReturnTheirStart) {
    ASSERT_TRUE(world->complete());
    EXPECT_EQ(world->poolSize, 40);
    for (int i = 0; i < World::poolCapacity; ++i) {
        EXPECT_EQ(world->avatars[i]->kind, 0);
        EXPECT_EQ(world->obstacles[i]->kind, 0);
        EXPECT_EQ(world->muses[i]->kind, 0);
        EXPECT_EQ(world->projectiles[i]->kind, 0);
        EXPECT_EQ(world->powerUps[i]->kind, 0);
    }
    for (const std::int32_t start : {0, 7, -3}) {
        EXPECT_EQ(world->countObstacles(start), start);
        EXPECT_EQ(world->countMuses(start), start);
        EXPECT_EQ(world->countProjectiles(start), start);
        EXPECT_EQ(world->countPowerUps(start), start);
    }
    EXPECT_FALSE(world->graphicsReady());
    for (const LevelRecord& r : world->records) {
        EXPECT_EQ(r.gold, 15);
        EXPECT_EQ(r.silver, 10);
        EXPECT_EQ(r.bronze, 5);
        EXPECT_EQ(r.own, 0);
        EXPECT_EQ(r.ownDifficulty, 0);
    }
    EXPECT_LE(world->floorColourA, 40);
    EXPECT_EQ(world->floorColourA, world->floorColourB);
}

TEST_F(WorldTest, HeadlessLoadOpensNoAudioAndLoadsNoPictures) {
    startLevel(1);
    EXPECT_FALSE(world->sounds->mixerOpen());
    EXPECT_FALSE(world->textures->isLoaded());
    EXPECT_FALSE(world->textures->spriteSets().isLoaded(111));
    // The rules run all the same.
    EXPECT_EQ(world->countObstacles(0), 1);
    for (int frame = 0; frame < 30; ++frame) {
        world->steer(512, 384, false, false, false, false, false, false, false, false, false, false, false, false,
                     false, false, 1.0f / 60.0f);
        world->think(1.0f / 60.0f);
        world->update(worldtest::noName(), false, 1.0f / 60.0f);
    }
    EXPECT_NEAR(world->danceTime, 0.5f, 1e-4f);
    EXPECT_NEAR(world->levelTime, 0.5f, 1e-4f);
}

TEST_F(WorldTest, CensusCountsTheStageAndItsTotalsOnlyGrow) {
    emptyStage();
    ballerina(3, Vector{1, 1}).happy = 1;
    ballerina(4, Vector{2, 1});
    ballerina(5, Vector{3, 1}, Kind::dancerP).happy = 1;  // not an 'o': never counted as happy
    world->census();
    EXPECT_EQ(world->happyNow, 1);
    EXPECT_EQ(world->unhappyLeft, 1);
    EXPECT_EQ(world->happyTotal, 1);
    EXPECT_EQ(world->counts[World::countObstaclesIndex], 3);

    // The happy one leaves while the other becomes happy: still one on the stage.
    world->obstacles[3]->kind = 0;
    world->obstacles[4]->happy = 1;
    world->census();
    EXPECT_EQ(world->happyNow, 1);
    EXPECT_EQ(world->happyTotal, 1);

    // Nobody happy any more: the total keeps what it had.
    world->obstacles[4]->kind = 0;
    world->census();
    EXPECT_EQ(world->happyNow, 0);
    EXPECT_EQ(world->happyTotal, 1);
    // One becomes happy again: she counts again.
    ballerina(6, Vector{4, 1}).happy = 1;
    world->census();
    EXPECT_EQ(world->happyTotal, 2);

    // Muses that have sung, likewise.
    muse(10, Vector{5, 5}).sang = 1;
    muse(11, Vector{6, 5}).singing = 1;
    world->census();
    EXPECT_EQ(world->sungNow, 1);
    EXPECT_EQ(world->sungTotal, 1);
    EXPECT_EQ(world->musesSinging, 1);
    EXPECT_EQ(world->counts[World::countMusesIndex], 2);
    world->muses[10]->kind = 0;
    world->census();
    EXPECT_EQ(world->sungTotal, 1);
}

TEST_F(WorldTest, AnObstacleAtExactlyTheOriginIsNotCounted) {
    emptyStage();
    ballerina(7, Vector{0.0f, 0.0f});
    ballerina(8, Vector{0.0f, 0.001f});
    world->census();
    EXPECT_EQ(world->counts[World::countObstaclesIndex], 1);
    EXPECT_EQ(world->countObstacles(0), 2);  // in use all the same
}

TEST_F(WorldTest, EveryScriptedLevelStartsAsItsCatalogueSays) {
    for (const Row& row : catalogue) {
        SCOPED_TRACE(row.level);
        startLevel(static_cast<std::uint8_t>(row.level));
        const World& w = *world;
        EXPECT_EQ(countKind(w, Kind::ballerina), row.o);
        EXPECT_EQ(countKind(w, Kind::dancerP), row.p);
        EXPECT_EQ(countKind(w, Kind::dancerQ), row.q);
        EXPECT_EQ(w.countMuses(0), row.muses);
        EXPECT_EQ(w.maxMuses, row.muses);
        const int talents = row.placedTalents + row.ringTalents + (row.landmarks ? 4 : 0);
        EXPECT_EQ(w.countPowerUps(0), talents < 40 ? talents : 39);
        const int landmarks = countTalentKind(w, 135) + countTalentKind(w, 136) + countTalentKind(w, 137) +
                              countTalentKind(w, 138);
        if (row.landmarks)
            EXPECT_EQ(landmarks, row.level == 7 ? 3 : 4);
        else
            EXPECT_EQ(landmarks, 0);

        const Avatar& p = w.prima();
        EXPECT_EQ(p.kind, Kind::prima);
        EXPECT_NEAR(p.position.x, row.x, 1e-5f);
        EXPECT_NEAR(p.position.y, row.y, 1e-5f);
        EXPECT_EQ(p.energy, row.energy);
        EXPECT_EQ(w.primaHearts, row.energy);
        EXPECT_EQ(p.blue(), row.blue);
        EXPECT_EQ(p.green(), row.green);
        EXPECT_EQ(p.red(), row.red);
        EXPECT_EQ(w.cat().kind, Kind::cat);
        EXPECT_EQ(w.cat().energy, row.catEnergy < 0 ? row.energy : row.catEnergy);

        // Slot 0 is never placed; the difficulty reached every ballerina.
        EXPECT_EQ(w.obstacles[0]->kind, 0);
        EXPECT_EQ(w.muses[0]->kind, 0);
        EXPECT_EQ(w.powerUps[0]->kind, 0);
        EXPECT_FLOAT_EQ(w.prima().sensitivity, 0.333f);
        for (int i = 1; i < w.poolSize; ++i) EXPECT_FLOAT_EQ(w.obstacles[i]->sensitivity, 1.666f);

        // The goals come with the level preview's copy, not with startLevel.
        world->layout->buildLayout(static_cast<std::uint8_t>(row.level));
        EXPECT_EQ(world->layout->goalB(), row.goalB);
        EXPECT_EQ(world->layout->goalMuses(), row.goalMuses);
        EXPECT_EQ(world->layout->goalHappy(), row.goalHappy);
        world->clearLevel();
    }
}

TEST_F(WorldTest, LevelFiftySixKeepsOnlyTheSecondRunOfItsScript) {
    startLevel(56);
    EXPECT_EQ(countKind(*world, Kind::ballerina), 15);
    EXPECT_EQ(world->countMuses(0), 34);
    EXPECT_EQ(world->countPowerUps(0), 4);
}

TEST_F(WorldTest, LevelsSevenAndTwentyNineLoseTheirLastPowerUpEntry) {
    for (const std::uint8_t level : {std::uint8_t{7}, std::uint8_t{29}}) {
        SCOPED_TRACE(level);
        startLevel(level);
        // Forty talents and landmarks for the 39 slots the search may use:
        // the pool is full and the last entry in table order is missing.
        world->layout->buildLayout(level);
        int entries = 0;
        int last = -1;
        for (int k = 0; k < LevelLayout::readLimit; ++k) {
            if (!LevelLayout::placesPowerUp(world->layout->entry(k).kind)) continue;
            ++entries;
            last = k;
        }
        ASSERT_EQ(entries, 40);
        for (int i = 1; i < world->poolSize; ++i) EXPECT_NE(world->powerUps[i]->kind, 0);
        EXPECT_EQ(world->powerUps[0]->kind, 0);
        const PlacementEntry& missing = world->layout->entry(last);
        EXPECT_EQ(missing.kind, level == 7 ? 137 : 134);
        for (int i = 1; i < world->poolSize; ++i)
            EXPECT_FALSE(world->powerUps[i]->position == missing.position) << "slot " << i;
        world->clearLevel();
    }
}

TEST_F(WorldTest, ClearLevelEmptiesEveryPoolAndTheDanceClocks) {
    startLevel(9);
    world->danceTime = 12.0f;
    world->leftCount = 3;
    world->pointsSinceSwitch = 4;
    world->scoreAtLastSwitch = 5;
    world->clearLevel();
    EXPECT_EQ(world->countObstacles(0) + world->countMuses(0) + world->countPowerUps(0) +
                  world->countProjectiles(0),
              0);
    EXPECT_EQ(world->prima().kind, 0);
    EXPECT_EQ(world->danceTime, 0.0f);
    EXPECT_EQ(world->leftCount, 0);
    EXPECT_EQ(world->pointsSinceSwitch, 0);
    EXPECT_EQ(world->scoreAtLastSwitch, 0);
    EXPECT_EQ(world->camera->kind, Kind::camera);
}

TEST_F(WorldTest, DifficultySetsTheFactorsAndAnUnknownOneChangesNothing) {
    emptyStage();
    ballerina(5, Vector{1, 1});
    const float prima[] = {0.333f, 0.666f, 1.0f};
    const float dancers[] = {1.666f, 1.333f, 1.0f};
    for (std::uint8_t d = 1; d <= 3; ++d) {
        world->difficulty = d;
        world->applyDifficulty();
        EXPECT_FLOAT_EQ(world->pointsFactor, static_cast<float>(d));
        EXPECT_FLOAT_EQ(world->prima().sensitivity, prima[d - 1]);
        EXPECT_FLOAT_EQ(world->obstacles[5]->sensitivity, dancers[d - 1]);
    }
    world->difficulty = 7;
    world->applyDifficulty();
    EXPECT_FLOAT_EQ(world->pointsFactor, 3.0f);
    EXPECT_FLOAT_EQ(world->prima().sensitivity, 1.0f);
}

TEST_F(WorldTest, BaseScoreSumsTheTalentsOfTheLevelsBallerinas) {
    EXPECT_EQ(world->levelBaseScore(1), 2);   // one ballerina with 1, 0, 1
    EXPECT_EQ(world->levelBaseScore(3), 6);   // three with 1, 0, 1
    EXPECT_EQ(world->levelBaseScore(8), 75);  // twenty-five with 1, 1, 1
    EXPECT_EQ(world->levelBaseScore(34), 4);  // one with 2, 1, 1
    EXPECT_EQ(world->levelBaseScore(worldtest::emptyLevel), 0);
}

TEST_F(WorldTest, SavedActorsComeBackWhenTheDanceResumes) {
    startLevel(1);
    Avatar& p = world->prima();
    p.position = Vector{1.5f, -2.0f};
    p.facing = 33.0f;
    p.speed = 0.4f;
    world->cat().position = Vector{2.0f, -2.0f};
    const Vector saved = world->savePrima();
    const Vector savedCat = world->saveCat();
    EXPECT_EQ(saved, (Vector{1.5f, -2.0f}));
    EXPECT_EQ(savedCat, (Vector{2.0f, -2.0f}));

    // The menu: both leave the dance; the cat goes where the menu puts it.
    world->restorePrima(Vector{-1.175f, -0.65f});
    world->placeCat(Vector{-1.32f, -1.7f});
    EXPECT_FALSE(world->avatarsInDance);
    EXPECT_EQ(world->catPositionNow(), (Vector{-1.32f, -1.7f}));
    p.position = Vector{9.0f, 9.0f};
    p.facing = 100.0f;
    p.speed = 0.0f;

    world->restorePrima(Vector{});
    world->placeCat(Vector{});
    EXPECT_TRUE(world->avatarsInDance);
    EXPECT_EQ(world->primaPositionNow(), saved);
    EXPECT_FLOAT_EQ(p.facing, 33.0f);
    EXPECT_FLOAT_EQ(p.speed, 0.4f);
    EXPECT_EQ(world->catPositionNow(), savedCat);
    EXPECT_EQ(world->camera->position, saved);
    EXPECT_EQ(world->camera->trailPoint, saved);
}

TEST_F(WorldTest, HighscoreCheckCreditsThePointsSinceTheLastChange) {
    emptyStage();
    std::strcpy(world->prima().name, "Odette");
    world->prima().points = 20;
    world->score = 30;
    world->happyTotal = 0;
    world->highscorePoints = 40;
    EXPECT_TRUE(world->highscoreCheck());  // 20 + 30
    EXPECT_EQ(world->highscorePoints, 50);
    EXPECT_STREQ(world->highscoreName, "Odette");

    // After a change of Prima Ballerina only the points since it count.
    world->prima().points = 0;
    world->happyTotal = 1;
    world->score = 30;
    world->scoreAtLastSwitch = 25;
    std::strcpy(world->prima().name, "Ana");
    EXPECT_FALSE(world->highscoreCheck());  // 0 + 5 < 50
    EXPECT_EQ(world->prima().points, 5);
    EXPECT_STREQ(world->highscoreName, "Odette");
}
