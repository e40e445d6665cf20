#include <gtest/gtest.h>

#include <cstring>

#include "WorldFixture.h"
#include "audio/SoundBank.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

using worldtest::WorldTest;

TEST_F(WorldTest, FreshWorldHasTwoHundredInactiveActorsAndCountsReturnTheirStart) {
    ASSERT_TRUE(world->complete());
    EXPECT_EQ(world->poolSize, 40);
    for (int i = 0; i < World::poolCapacity; ++i) {
        EXPECT_EQ(world->avatars[i]->kind + world->obstacles[i]->kind + world->muses[i]->kind +
                      world->projectiles[i]->kind + world->powerUps[i]->kind,
                  0)
            << i;
    }
    for (const std::int32_t start : {0, 7, -3}) {
        EXPECT_EQ(world->countObstacles(start), start);
        EXPECT_EQ(world->countMuses(start), start);
        EXPECT_EQ(world->countProjectiles(start), start);
        EXPECT_EQ(world->countPowerUps(start), start);
    }
    EXPECT_FALSE(world->graphicsReady());
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

    // One at exactly the origin is in use but not counted on the stage.
    emptyStage();
    ballerina(7, Vector{0.0f, 0.0f});
    ballerina(8, Vector{0.0f, 0.001f});
    world->census();
    EXPECT_EQ(world->counts[World::countObstaclesIndex], 1);
    EXPECT_EQ(world->countObstacles(0), 2);
}

// The k-th entry of a pool's kinds, in table order, takes slot 39 - k; slot 0
// stays free, so the fortieth talent of a level is dropped.
TEST_F(WorldTest, EveryScriptedLevelFillsThePoolsFromItsLayoutTopDown) {
    LevelLayout layout;
    for (int level = 0; level < 256; ++level) {
        if (!hasLevelScript(static_cast<std::uint8_t>(level))) continue;
        SCOPED_TRACE(level);
        startLevel(static_cast<std::uint8_t>(level));
        layout.buildLayout(static_cast<std::uint8_t>(level));  // same clock seed: the same talent colours
        const World& w = *world;
        int nextSlot[3] = {39, 39, 39};
        const PlacementEntry* prima = nullptr;
        const PlacementEntry* cat = nullptr;
        for (int k = 1; k < LevelLayout::readLimit; ++k) {
            const PlacementEntry& e = layout.entry(k);
            if (e.kind == LevelLayout::kindPrima) prima = &e;
            if (e.kind == LevelLayout::kindCat && !cat) cat = &e;
            const int pool = LevelLayout::placesBallerina(e.kind) ? 0
                             : LevelLayout::placesMuse(e.kind)    ? 1
                             : LevelLayout::placesPowerUp(e.kind) ? 2
                                                                  : -1;
            if (pool < 0 || nextSlot[pool] < 1) continue;
            const int slot = nextSlot[pool]--;
            const Actor& a = pool == 0   ? static_cast<const Actor&>(*w.obstacles[slot])
                             : pool == 1 ? static_cast<const Actor&>(*w.muses[slot])
                                         : static_cast<const Actor&>(*w.powerUps[slot]);
            EXPECT_EQ(a.kind, e.kind) << "entry " << k;
            EXPECT_EQ(a.position, e.position) << "entry " << k;
        }
        for (int slot = 0; slot <= nextSlot[0]; ++slot) EXPECT_EQ(w.obstacles[slot]->kind, 0) << slot;
        for (int slot = 0; slot <= nextSlot[1]; ++slot) EXPECT_EQ(w.muses[slot]->kind, 0) << slot;
        for (int slot = 0; slot <= nextSlot[2]; ++slot) EXPECT_EQ(w.powerUps[slot]->kind, 0) << slot;
        EXPECT_EQ(w.maxMuses, 39 - nextSlot[1]);

        ASSERT_TRUE(prima && cat);
        const Avatar& p = w.prima();
        EXPECT_EQ(p.kind, Kind::prima);
        EXPECT_EQ(p.position, prima->position);
        EXPECT_EQ(p.energy, prima->energy);
        EXPECT_EQ(w.primaHearts, prima->energy);
        EXPECT_EQ(p.blue() * 100 + p.green() * 10 + p.red(), prima->blue * 100 + prima->green * 10 + prima->red);
        EXPECT_EQ(w.cat().kind, Kind::cat);
        EXPECT_EQ(w.cat().energy, cat->energy);
        // The difficulty reached every ballerina.
        EXPECT_FLOAT_EQ(p.sensitivity, 0.333f);
        for (int i = 1; i < w.poolSize; ++i) EXPECT_FLOAT_EQ(w.obstacles[i]->sensitivity, 1.666f);
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

TEST_F(WorldTest, ADanceIsWonOnlyWhenEveryGoalHolds) {
    struct Case {
        std::int32_t atStart, goalB, left, goalMuses, sung, goalHappy, happy;
        bool won;
    };
    const Case cases[] = {
        {5, 0, 5, 0, 0, 0, 0, true},   // every ballerina left
        {5, 0, 4, 0, 0, 0, 0, false},  // one still dances
        {5, 2, 3, 0, 0, 0, 0, true},   // goalB of them may stay
        {5, 2, 2, 0, 0, 0, 0, false},
        {5, 5, 0, 0, 0, 0, 0, true},   // all may stay: nobody needs to leave
        {0, 0, 0, 3, 3, 0, 0, true},   // muses that sang
        {0, 0, 0, 3, 2, 0, 0, false},
        {0, 0, 0, 0, 0, 2, 2, true},   // ballerinas made happy
        {0, 0, 0, 0, 0, 2, 1, false},
        {5, 1, 4, 3, 3, 2, 1, false},  // all three at once
        {5, 1, 4, 3, 2, 2, 2, false},
        {5, 1, 3, 3, 3, 2, 2, false},
        {5, 1, 4, 3, 3, 2, 2, true},
    };
    for (const Case& c : cases) {
        world->goalB = c.goalB;
        world->leftCount = c.left;
        world->goalMuses = c.goalMuses;
        world->sungTotal = c.sung;
        world->goalHappy = c.goalHappy;
        world->happyTotal = c.happy;
        EXPECT_EQ(world->goalsMet(c.atStart), c.won)
            << c.atStart << " " << c.goalB << " " << c.left << " " << c.sung << " " << c.happy;
    }
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
