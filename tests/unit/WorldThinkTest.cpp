// The World's think: throws, leaving, spawning, medals, letter flags, and the
// cat's choice.
#include "WorldFixture.h"

namespace {

class WorldThinkTest : public worldtest::WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        emptyStage(Vector{0, 0});
    }
    // A ballerina who has just become happy: her update set leaving and freed her slot.
    Obstacle& leavingBallerina(int slot, int blue, int green, int red) {
        Obstacle& o = ballerina(slot, Vector{3, 4});
        const int talents[] = {0, blue, green, red};
        for (int i = 1; i < 4; ++i) o.talents[i] = static_cast<std::uint8_t>(talents[i]);
        o.leaving = 1;
        o.kind = 0;
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
    int thrown() const { return world->countProjectiles(0); }
    void frame() { world->update(worldtest::noName(), false, 0.01f); }
};

}  // namespace

TEST_F(WorldThinkTest, OneThrowPerThinkLowerSlotsFirstNeverFromAFreedSlotNorIntoAFullPool) {
    leavingBallerina(2, 1, 0, 0).throwNow = 1;  // her volley came due as she left
    Obstacle& low = thrower(3, Vector{2, 2}, 143);
    Obstacle& high = thrower(7, Vector{-2, 2});
    world->think(0.01f);
    ASSERT_EQ(thrown(), 1);
    EXPECT_EQ(world->projectiles[0]->kind, 143);
    EXPECT_EQ(world->projectiles[0]->position, (Vector{2.1f, 2.0f}));
    EXPECT_EQ(low.throwNow + world->obstacles[2]->throwNow, 0);
    EXPECT_EQ(high.throwNow, 1);  // waits for the next think
    world->think(0.01f);
    EXPECT_EQ(world->projectiles[1]->position, (Vector{-2.1f, 2.0f}));

    // The Prima Ballerina throws from her launch point at what the cat chose, but not in a name entry.
    Avatar& p = world->prima();
    p.launchPoint = Vector{0.0f, 0.3f};
    p.throwNow = 1;
    world->primaTargetKind = Kind::ballerina;
    world->primaTargetSlot = 9;
    world->nameEntry = true;
    world->think(0.01f);
    EXPECT_EQ(thrown(), 2);
    world->nameEntry = false;
    world->think(0.01f);
    const Projectile& b = *world->projectiles[2];
    EXPECT_EQ(b.position, (Vector{0.0f, 0.3f}));
    EXPECT_EQ(b.targetKind * 100 + b.targetIndex, Kind::ballerina * 100 + 9);

    // A full pool drops her throw and the ballerinas' alike.
    for (int i = 3; i < world->poolSize; ++i)
        world->projectiles[i]->place(141, Vector{20.0f + i, 20.0f}, 0, 0, 0, Kind::prima, 1, 0.0f, 12);
    p.throwNow = 1;
    Obstacle& o = thrower(4, Vector{3, 3});
    world->think(0.01f);
    EXPECT_EQ(p.throwNow + o.throwNow, 0);
    EXPECT_FLOAT_EQ(world->projectiles[39]->position.x, 59.0f);
    world->projectiles[5]->kind = p.kind = 0;  // a Prima Ballerina who became happy (the dance is lost)
    p.throwNow = 1;
    world->think(0.01f);
    EXPECT_EQ(thrown(), 39);
}

TEST_F(WorldThinkTest, ALeavingBallerinaIsScoredOnceByDifficultyAndLeavesHerTalentButNotWithoutHearts) {
    Obstacle& o = leavingBallerina(6, 1, 1, 1);
    o.favouriteTalent = 133;
    Muse& m = muse(5, Vector{-3, -3});
    m.giveTalent = 1;
    m.angle = 0.0f;  // faces +y
    m.talentKind = 134;
    world->primaHearts = 0;
    world->think(0.01f);
    EXPECT_EQ(world->score + world->leftCount + world->countPowerUps(0), 0);
    world->primaHearts = 90;
    world->think(0.01f);
    EXPECT_EQ(world->score, 3);
    EXPECT_EQ(world->leftCount, 1);
    EXPECT_EQ(world->powerUps[39]->kind, 133);
    EXPECT_EQ(world->powerUps[39]->position, (Vector{3, 4}));
    EXPECT_EQ(world->powerUps[38]->kind, 134);  // the full muse's, two units ahead of her
    EXPECT_NEAR(world->powerUps[38]->position.y, -1.0f, 1e-5f);
    o.leaving = 1;  // leaving again (a rewind could revive her) scores nothing more
    world->think(0.01f);
    EXPECT_EQ(world->score + world->leftCount, 3 + 1);

    // Points follow the difficulty and wrap in one byte.
    const int cases[][5] = {{2, 1, 1, 1, 6}, {3, 3, 3, 3, 27}, {3, 200, 200, 200, 1800 % 256}, {1, 255, 1, 0, 0}};
    for (const auto& c : cases) {
        emptyStage(Vector{0, 0}, 90, static_cast<std::uint8_t>(c[0]));
        world->score = 0;
        leavingBallerina(2, c[1], c[2], c[3]);
        world->think(0.01f);
        EXPECT_EQ(world->score, c[4]);
    }
}

TEST_F(WorldThinkTest, BallerinasEnterOneByOneWhileHappyOnesAreMissingAndMusesAreToppedUp) {
    world->goalHappy = 1000;
    world->maxMuses = 2;
    for (int spawned = 0; spawned < 3; ++spawned) {
        for (int attempt = 0; attempt < 100 && world->countObstacles(0) == spawned; ++attempt) world->think(0.01f);
        const Obstacle& o = *world->obstacles[39 - spawned];  // the highest free slot
        EXPECT_EQ(o.kind, Kind::ballerina);
        EXPECT_EQ(o.blue() + o.green() + o.red(), 3);
        world->think(0.01f);  // while she is unhappy no other enters
        EXPECT_EQ(world->countObstacles(0), spawned + 1);
        for (int other = 40 - spawned; other < 40; ++other)
            EXPECT_GT(worldtest::planar(o.position, world->obstacles[other]->position), 0.75f);
        world->obstacles[39 - spawned]->happy = 1;
    }
    EXPECT_EQ(world->countMuses(0), 2);
    EXPECT_GT(worldtest::planar(world->muses[39]->position, world->muses[38]->position), 0.75f);
    world->happyTotal = world->goalHappy;  // once enough were made happy, nobody new enters
    for (int i = 0; i < 50; ++i) world->think(0.01f);
    EXPECT_EQ(world->countObstacles(0), 3);
}

TEST_F(WorldThinkTest, MedalsAreAnnouncedOncePerDanceAndLetterFlagsAreUsedUp) {
    world->level = 3;
    world->records[3] = LevelRecord{12, 7, 3, 0, 0};
    world->score = 4;
    world->think(0.01f);
    EXPECT_TRUE(world->medalAnnounced[2] && !world->medalAnnounced[1]);
    world->score = 12;
    world->think(0.01f);
    EXPECT_TRUE(world->medalAnnounced[0] && world->medalAnnounced[1]);
    world->startLevel(worldtest::emptyLevel);
    EXPECT_FALSE(world->medalAnnounced[0] || world->medalAnnounced[2]);

    world->camera->position = Vector{1, 1};  // effects are never started at the exact origin
    world->rightLetterFlag = world->wrongLetterFlag = world->letterFlag = true;
    world->nameEntry = false;
    world->think(0.01f);
    EXPECT_FALSE(world->rightLetterFlag || world->wrongLetterFlag);
    EXPECT_FALSE(world->letterFlag);  // also when no entry runs any more to clear it
    EXPECT_GE(world->effects->busyCount(), 2);
}

TEST_F(WorldThinkTest, TheCatChoosesTheLowestBallerinaItStandsOnUnlessPausedOrAMuse) {
    ballerina(8, Vector{1.0f, 1.0f});
    ballerina(3, Vector{1.02f, 1.0f});
    world->cat().position = Vector{1.01f, 1.0f};
    world->update(worldtest::noName(), true, 0.0f);
    EXPECT_FALSE(world->hasChosen);
    frame();
    EXPECT_TRUE(world->hasChosen && world->prima().throwNow == 1);
    EXPECT_EQ(world->chosenObstacle, 3);
    muse(12, Vector{-1.5f, 0.0f});
    world->cat().position = Vector{-1.5f, 0.05f};
    frame();
    EXPECT_FALSE(world->hasChosen);  // off them: the selection is gone with the next contact pass
    EXPECT_EQ(world->primaTargetKind * 100 + world->primaTargetSlot, Kind::muse * 100 + 12);
}
