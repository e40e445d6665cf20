// The World's rules without a window: census and goals; its think (throws,
// leaving, letter flags); time control (the freeze, the rewind, the
// chaos clock) and the choir's healing.
#include <array>

#include "WorldFixture.h"
#include "actors/RewindRecorder.h"
#include "audio/SoundBank.h"
#include "render/WorldRenderer.h"

using worldtest::WorldTest;

namespace {

class WorldThinkTest : public WorldTest {
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
};

class WorldTimeTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        emptyStage(Vector{1, 1}, 50);
    }
    void steerRight(bool right, float seconds) {
        world->steer(512, 384, false, right, false, false, false, false, false, false, false, false, false, false,
                     false, false, seconds);
    }
    void frame(float seconds) { world->update(worldtest::noName, false, seconds); }
};

}  // namespace

TEST_F(WorldTest, CensusCountsTheStageItsTotalsOnlyGrowAndAClearedLevelIsEmpty) {
    emptyStage();
    EXPECT_FALSE(world->sounds->mixerOpen() || world->textures->isLoaded());  // loaded without a window
    ballerina(3, Vector{1, 1}).happy = 1;
    ballerina(4, Vector{2, 1});
    ballerina(5, Vector{3, 1}, Kind::dancerP).happy = 1;  // not an 'o': never counted as happy
    ballerina(7, Vector{0.0f, 0.0f});                     // at the origin: in use, not on the stage
    muse(10, Vector{5, 5}).sang = 1;
    world->census();
    EXPECT_EQ((std::array<int, 3>{world->happyNow, world->unhappyLeft, world->counts[World::countObstaclesIndex]}),
              (std::array{1, 2, 3}));
    // The happy one and the muse who sang leave: the totals keep what they had.
    world->obstacles[3]->kind = world->muses[10]->kind = 0;
    world->census();
    EXPECT_EQ(world->happyNow + world->sungNow, 0);
    EXPECT_EQ(world->happyTotal + world->sungTotal, 2);
    world->danceTime = 12.0f;
    world->leftCount = world->pointsSinceSwitch = world->scoreAtLastSwitch = 3;
    world->clearLevel();
    EXPECT_EQ(world->countObstacles(0) + world->countMuses(0) + world->prima().kind, 0);
    EXPECT_EQ(world->danceTime + world->leftCount + world->pointsSinceSwitch + world->scoreAtLastSwitch, 0);
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
        world->goalB = c[1], world->leftCount = c[2], world->goalMuses = c[3];
        world->sungTotal = c[4], world->goalHappy = c[5], world->happyTotal = c[6];
        EXPECT_EQ(world->goalsMet(c[0]), c[7] == 1) << c[0] << " " << c[1] << " " << c[2] << " " << c[4] << " " << c[6];
    }
}

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
    p.launchPoint = Vector{0.0f, 0.3f}, p.throwNow = 1;
    world->primaTargetKind = Kind::ballerina, world->primaTargetSlot = 9, world->nameEntry = true;
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
    m.giveTalent = 1, m.angle = 0.0f, m.talentKind = 134;  // she faces +y
    world->primaHearts = 0;
    world->think(0.01f);
    EXPECT_EQ(world->score + world->leftCount + world->countPowerUps(0), 0);
    world->primaHearts = 90;
    world->think(0.01f);
    EXPECT_EQ(world->score * 10 + world->leftCount, 31);
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

TEST_F(WorldThinkTest, TheLetterFlagsBecomeSoundsAndAreUsedUp) {
    world->camera->position = Vector{1, 1};  // effects are never started at the exact origin
    world->rightLetterFlag = world->wrongLetterFlag = world->letterFlag = true;
    world->nameEntry = false;
    world->think(0.01f);
    EXPECT_FALSE(world->rightLetterFlag || world->wrongLetterFlag);
    EXPECT_FALSE(world->letterFlag);  // also when no entry runs any more to clear it
    EXPECT_GE(world->effects->busyCount(), 2);
}

TEST_F(WorldTimeTest, AFreezeLastsFiveRealSecondsWithTheActorsAtATenthAndASecondClickEndsItAfterHalfASecond) {
    PowerUp& t = *world->powerUps[20];  // far from everyone: its age shows the actors' step time
    t.place(131, Vector{30, 30}, 0.2f, 0.2f, 0.0f, 0.0f, 8);
    steerRight(true, 0.25f);
    EXPECT_TRUE(world->frozen && world->freezeStarted);
    steerRight(false, 0.25f);
    EXPECT_FALSE(world->freezeStarted);  // one frame only
    for (int i = 0; i < 20; ++i) frame(0.25f);
    EXPECT_TRUE(world->frozen);
    EXPECT_NEAR(t.age, 0.5f, 1e-4f);  // 5 s at a tenth
    frame(0.25f);
    EXPECT_FALSE(world->frozen);

    steerRight(true, 0.25f);
    for (int k = 0; k < 2; ++k) {  // at 0.25 s and exactly 0.5 s: ignored
        frame(0.25f);
        steerRight(true, 0.25f);
        EXPECT_TRUE(world->frozen) << k;
    }
    frame(0.25f);
    steerRight(true, 0.25f);  // beyond 0.5 s: the freeze ends in the next advance
    frame(0.25f);
    EXPECT_FALSE(world->frozen);
    steerRight(true, 0.1f);  // within 0.2 s of the last accepted press: nothing
    EXPECT_FALSE(world->frozen);
}

TEST_F(WorldTimeTest, RewindingRestoresPlaceAngleAndHeartsWithinTheRecordedMoments) {
    Obstacle& o = ballerina(5, Vector{2, 2});
    Avatar& p = world->prima();
    for (int i = 0; i < 5; ++i) {  // x = 2 .. 6, turning and cheering up, while she tires
        o.position = Vector{2.0f + static_cast<float>(i), 2.0f};
        o.angle = 10.0f * static_cast<float>(i);
        o.sadness = 50 - i;
        p.energy = 80 - i;
        world->recordClock = 1.0f;  // a record is due at this advance
        world->advanceActors(0.0f);
    }
    ASSERT_EQ(world->recorder->count(), 5);
    world->frozen = world->rewinding = true;
    p.freezeSeconds = 15.0f;
    // seconds to advance, the entry reached, her x there (held at the oldest)
    const float steps[][3] = {{0.001f, 1, 6.0f}, {0.05f, 2, 5.0f}, {0.05f, 4, 3.0f}, {0.05f, 5, 2.0f}};
    for (const auto& s : steps) {
        world->advanceActors(s[0]);
        EXPECT_EQ(world->rewindIndex, static_cast<int>(s[1]));
        EXPECT_NEAR(o.position.x, s[2], 0.05f) << s[1];
    }
    EXPECT_NEAR(o.angle, 0.0f, 0.5f);
    EXPECT_EQ(o.sadness + p.energy, 50 + 80);
    for (int i = 0; i < 200 && world->frozen; ++i) world->advanceActors(0.1f);
    EXPECT_FALSE(world->frozen || world->rewinding);  // the end of the freeze ends the rewind
}

TEST_F(WorldTimeTest, AChoirOfMoreThanFiveSingingMusesHealsAndTheChaosClockWrapsAtAnHour) {
    world->chaosClock = 3599.9f;
    EXPECT_FLOAT_EQ(world->chaosScale(0.2f), 0.0f);
    world->musesSinging = 6;
    world->healClock = 0.0f;
    for (const std::int32_t energy : {50, 55, 55, 60}) {
        frame(0.3f);
        EXPECT_EQ(world->prima().energy, energy);
    }
    world->musesSinging = 5;  // five are not enough
    for (int i = 0; i < 6; ++i) frame(0.3f);
    EXPECT_EQ(world->prima().energy, 60);
}
