#include <gtest/gtest.h>

#include "WorldFixture.h"

namespace {

class WorldThinkTest : public worldtest::WorldTest {
protected:
    // A ballerina who has just become happy: her update set leaving and freed her slot.
    Obstacle& leavingBallerina(int slot, Vector at, int blue, int green, int red) {
        Obstacle& o = ballerina(slot, at);
        o.talents[Obstacle::blueTalent] = static_cast<std::uint8_t>(blue);
        o.talents[Obstacle::greenTalent] = static_cast<std::uint8_t>(green);
        o.talents[Obstacle::redTalent] = static_cast<std::uint8_t>(red);
        o.leaving = 1;
        o.kind = 0;
        o.sadness = -1000;
        return o;
    }
    // A ballerina whose volley is due, thrown from beside her.
    Obstacle& thrower(int slot, Vector at, std::uint8_t blossom = 141) {
        Obstacle& o = ballerina(slot, at);
        o.launchPoint = at + Vector{at.x > 0 ? 0.1f : -0.1f, 0.0f};
        o.blossomKind = blossom;
        o.throwNow = 1;
        return o;
    }
    int projectilesInUse() const { return world->countProjectiles(0); }
};

}  // namespace

TEST_F(WorldThinkTest, LowerSlotsThrowFirstAndOneBallerinaThrowsPerThink) {
    emptyStage(Vector{0, 0});
    Obstacle& low = thrower(3, Vector{2, 2}, 143);
    Obstacle& high = thrower(7, Vector{-2, 2});
    low.aimAngle = 90.0f;
    high.volleySize = 2;

    world->think(0.01f);
    ASSERT_EQ(projectilesInUse(), 1);
    const Projectile& first = *world->projectiles[0];
    EXPECT_EQ(first.kind, 143);
    EXPECT_EQ(first.position, (Vector{2.1f, 2.0f}));
    EXPECT_FLOAT_EQ(first.aimAngle, 90.0f);
    EXPECT_EQ(first.targetKind, Kind::prima);
    EXPECT_EQ(first.targetIndex, 1);
    EXPECT_GT(first.speed, 0.0f);
    EXPECT_EQ(low.throwNow, 0);
    EXPECT_EQ(high.throwNow, 1);  // waits for the next think
    EXPECT_EQ(high.launchIndex, 1);

    world->think(0.01f);
    ASSERT_EQ(projectilesInUse(), 2);
    EXPECT_EQ(world->projectiles[1]->kind, 141);
    EXPECT_EQ(world->projectiles[1]->position, (Vector{-2.1f, 2.0f}));
    EXPECT_EQ(high.throwNow, 0);
    EXPECT_EQ(high.launchIndex, 2);
}

TEST_F(WorldThinkTest, ThePrimaBallerinaThrowsFromHerLaunchPointAtWhatTheCatChose) {
    emptyStage(Vector{0, 0});
    Avatar& p = world->prima();
    p.launchPoint = Vector{0.0f, 0.3f};
    p.angle = 15.0f;
    p.blossomKind = 142;
    p.volleySize = 2;
    p.launchIndex = 1;
    p.throwNow = 1;
    world->primaTargetKind = Kind::ballerina;
    world->primaTargetSlot = 9;

    world->think(0.01f);
    const Projectile& b = *world->projectiles[0];
    EXPECT_EQ(b.kind, 142);
    EXPECT_EQ(b.position, (Vector{0.0f, 0.3f}));
    EXPECT_FLOAT_EQ(b.aimAngle, 15.0f);
    EXPECT_EQ(b.targetKind, Kind::ballerina);
    EXPECT_EQ(b.targetIndex, 9);
    EXPECT_EQ(p.throwNow, 0);
    EXPECT_EQ(p.hasThrown, 1);
    EXPECT_EQ(p.launchIndex, 2);
    EXPECT_EQ(world->cat().stepClock, p.stepClock);

    // No throw while a name is entered.
    p.throwNow = 1;
    world->nameEntry = true;
    world->think(0.01f);
    EXPECT_EQ(projectilesInUse(), 1);
    EXPECT_EQ(p.throwNow, 1);
}

TEST_F(WorldThinkTest, AFullBlossomPoolDropsTheThrow) {
    emptyStage(Vector{0, 0});
    for (int i = 0; i < world->poolSize; ++i)
        world->projectiles[i]->place(141, Vector{20.0f + i, 20.0f}, 0, 0, 0, Kind::prima, 1, 0.0f, 12);
    Avatar& p = world->prima();
    p.throwNow = 1;
    const int indexBefore = p.launchIndex;
    Obstacle& o = thrower(4, Vector{3, 3});
    o.volleySize = 3;

    world->think(0.01f);
    EXPECT_EQ(p.throwNow, 0);
    EXPECT_EQ(p.hasThrown, 0);
    EXPECT_EQ(p.launchIndex, indexBefore);
    // Her request is used up too; nothing replaced a flying blossom.
    EXPECT_EQ(o.throwNow, 0);
    EXPECT_EQ(o.launchIndex, 2);
    for (int i = 0; i < world->poolSize; ++i) EXPECT_FLOAT_EQ(world->projectiles[i]->position.x, 20.0f + i);
}

TEST_F(WorldThinkTest, NobodyThrowsFromAFreedSlot) {
    emptyStage(Vector{0, 0});
    // Her volley came due in the update in which she became happy and left.
    Obstacle& gone = leavingBallerina(3, Vector{2, 2}, 1, 0, 0);
    gone.launchPoint = Vector{2.1f, 2.0f};
    gone.throwNow = 1;
    thrower(7, Vector{-2, 2});
    world->think(0.01f);
    ASSERT_EQ(projectilesInUse(), 1);
    EXPECT_EQ(world->projectiles[0]->position, (Vector{-2.1f, 2.0f}));  // the next one throws instead
    EXPECT_EQ(gone.throwNow, 0);

    // A Prima Ballerina who became happy (the dance is lost) throws no more.
    Avatar& p = world->prima();
    p.kind = 0;
    p.energy = -1000;
    p.throwNow = 1;
    world->think(0.01f);
    EXPECT_EQ(projectilesInUse(), 1);
    EXPECT_EQ(p.throwNow, 0);
}

TEST_F(WorldThinkTest, ALeavingBallerinaIsScoredOnceByDifficultyAndLeavesHerTalent) {
    emptyStage(Vector{0, 0}, 90, 1);
    Obstacle& o = leavingBallerina(6, Vector{3, 4}, 1, 1, 1);
    o.favouriteTalent = 133;
    world->think(0.01f);
    EXPECT_EQ(world->score, 3);
    EXPECT_EQ(world->lastLeavingPoints, 3);
    EXPECT_EQ(world->leftCount, 1);
    EXPECT_EQ(o.counted, 1);
    EXPECT_EQ(o.leaving, 0);
    EXPECT_EQ(o.kind, 0);
    const PowerUp& t = *world->powerUps[39];
    EXPECT_EQ(t.kind, 133);
    EXPECT_EQ(t.position, (Vector{3, 4}));
    EXPECT_FLOAT_EQ(t.width, 0.2f);

    // Leaving again (a rewind could revive her) scores nothing more.
    o.leaving = 1;
    world->think(0.01f);
    EXPECT_EQ(world->score, 3);
    EXPECT_EQ(world->leftCount, 1);

    // Points follow the difficulty and wrap in one byte.
    const struct {
        std::uint8_t difficulty;
        int blue, green, red;
        int points;
    } cases[] = {
        {2, 1, 1, 1, 6}, {3, 1, 1, 1, 9}, {3, 3, 3, 3, 27}, {3, 200, 200, 200, 1800 % 256}, {1, 255, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        emptyStage(Vector{0, 0}, 90, c.difficulty);
        world->score = 0;
        leavingBallerina(2, Vector{1, 1}, c.blue, c.green, c.red);
        world->think(0.01f);
        EXPECT_EQ(world->score, c.points);
        EXPECT_EQ(world->leftCount, 1);
    }
}

TEST_F(WorldThinkTest, NobodyLeavesNorGivesATalentWhileThePrimaBallerinaHasNoHearts) {
    emptyStage(Vector{0, 0}, 90, 1);
    Obstacle& o = leavingBallerina(6, Vector{3, 4}, 2, 2, 2);
    Muse& m = muse(5, Vector{-3, -3});
    m.giveTalent = 1;
    world->primaHearts = 0;
    world->think(0.01f);
    EXPECT_EQ(world->score, 0);
    EXPECT_EQ(world->leftCount, 0);
    EXPECT_EQ(o.leaving, 1);
    EXPECT_EQ(o.counted, 0);
    EXPECT_EQ(m.giveTalent, 1);
    EXPECT_EQ(world->countPowerUps(0), 0);

    // With hearts again, the full muse gives her talent two units ahead.
    world->primaHearts = 90;
    o.leaving = 0;
    m.angle = 0.0f;  // faces +y
    m.talentKind = 134;
    world->think(0.01f);
    EXPECT_EQ(m.giveTalent, 0);
    const PowerUp& t = *world->powerUps[39];
    EXPECT_EQ(t.kind, 134);
    EXPECT_NEAR(t.position.x, -3.0f, 1e-5f);
    EXPECT_NEAR(t.position.y, -1.0f, 1e-5f);
}

TEST_F(WorldThinkTest, NewBallerinasEnterOneByOneWhileHappyOnesAreMissing) {
    emptyStage(Vector{0, 0});
    world->goalHappy = 1000;
    int spawned = 0;
    for (int attempt = 0; attempt < 2000 && spawned < 39; ++attempt) {
        const int before = world->countObstacles(0);
        world->think(0.01f);
        if (world->countObstacles(0) == before) continue;
        ASSERT_EQ(world->countObstacles(0), before + 1);
        ++spawned;
        // The newest one took the highest free slot.
        const int slot = 40 - spawned;
        const Obstacle& o = *world->obstacles[slot];
        EXPECT_EQ(o.kind, Kind::ballerina);
        EXPECT_EQ(o.sadness, 90);
        EXPECT_EQ(o.blue() + o.green() + o.red(), 3);
        EXPECT_TRUE(std::abs(o.position.x) <= 10.0f && std::abs(o.position.y) <= 10.0f) << slot;
        EXPECT_FLOAT_EQ(o.sensitivity, 1.0f);  // the amateur's 1.666 is for the level's own
        for (int other = 0; other < world->poolSize; ++other) {
            if (other == slot) continue;
            EXPECT_GT(worldtest::planar(o.position, world->obstacles[other]->position), 0.75f);
        }
        // While she is unhappy no other enters.
        world->think(0.01f);
        EXPECT_EQ(world->countObstacles(0), before + 1);
        world->obstacles[slot]->happy = 1;
    }
    EXPECT_EQ(spawned, 39);
    EXPECT_EQ(world->obstacles[0]->kind, 0);

    // Once enough were made happy, nobody new enters.
    emptyStage(Vector{0, 0});
    world->goalHappy = 2;
    world->happyTotal = 2;
    for (int i = 0; i < 50; ++i) world->think(0.01f);
    EXPECT_EQ(world->countObstacles(0), 0);
}

TEST_F(WorldThinkTest, MusesAreToppedUpToTheLevelsNumber) {
    emptyStage(Vector{0, 0});
    world->maxMuses = 5;
    for (int attempt = 0; attempt < 500; ++attempt) world->think(0.01f);
    EXPECT_EQ(world->countMuses(0), 5);
    for (int slot = 35; slot < 40; ++slot) {
        const Muse& m = *world->muses[slot];
        EXPECT_EQ(m.kind, Kind::muse);
        EXPECT_TRUE(std::abs(m.position.x) <= 5.0f) << slot;
        for (int other = 0; other < world->poolSize; ++other) {
            if (other == slot) continue;
            EXPECT_GT(worldtest::planar(m.position, world->muses[other]->position), 0.75f);
        }
    }
}

TEST_F(WorldThinkTest, EachMedalIsAnnouncedOncePerDance) {
    emptyStage(Vector{0, 0});
    world->level = 3;
    world->records[3] = LevelRecord{12, 7, 3, 0, 0};
    world->score = 4;
    world->think(0.01f);
    EXPECT_FALSE(world->medalAnnounced[0]);
    EXPECT_FALSE(world->medalAnnounced[1]);
    EXPECT_TRUE(world->medalAnnounced[2]);
    world->score = 12;
    world->think(0.01f);
    EXPECT_TRUE(world->medalAnnounced[0]);
    EXPECT_TRUE(world->medalAnnounced[1]);
    // A later level start announces them anew.
    world->startLevel(worldtest::emptyLevel);
    EXPECT_FALSE(world->medalAnnounced[0]);
    EXPECT_FALSE(world->medalAnnounced[2]);
}

TEST_F(WorldThinkTest, TheLetterFlagsBecomeSoundsAndAreUsedUp) {
    emptyStage(Vector{1, 1});
    world->camera->position = Vector{1, 1};  // effects are never started at the exact origin
    world->rightLetterFlag = true;
    world->wrongLetterFlag = true;
    world->letterFlag = true;
    world->nameEntry = false;
    world->think(0.01f);
    EXPECT_FALSE(world->rightLetterFlag);
    EXPECT_FALSE(world->wrongLetterFlag);
    EXPECT_FALSE(world->letterFlag);  // also when no entry runs any more to clear it
    // The effects of the two flags were started at the camera.
    EXPECT_GE(world->effects->busyCount(), 2);
    EXPECT_NEAR(world->danceTime, 0.01f, 1e-6f);
}
