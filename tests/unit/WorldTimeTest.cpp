#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "WorldFixture.h"
#include "actors/RewindRecorder.h"

namespace {

class WorldTimeTest : public worldtest::WorldTest {
protected:
    void steerRight(bool right, float seconds) {
        world->steer(512, 384, false, right, false, false, false, false, false, false, false, false, false, false,
                     false, false, seconds);
    }
    void frame(float seconds) { world->update(worldtest::noName(), false, seconds); }

    // A talent far from everyone: its age shows the step time the actors got.
    PowerUp& clock() {
        PowerUp& t = *world->powerUps[20];
        t.place(131, Vector{30, 30}, 0.2f, 0.2f, 0.0f, 0.0f, 8);
        return t;
    }
};

}  // namespace

TEST_F(WorldTimeTest, AFreezeLastsFiveRealSecondsWithTheActorsAtATenth) {
    emptyStage(Vector{1, 1});
    PowerUp& t = clock();
    steerRight(true, 0.25f);
    EXPECT_TRUE(world->frozen);
    EXPECT_TRUE(world->freezeStarted);
    steerRight(false, 0.25f);
    EXPECT_FALSE(world->freezeStarted);  // one frame only

    for (int i = 0; i < 20; ++i) {
        frame(0.25f);
        ASSERT_TRUE(world->frozen) << i;
    }
    EXPECT_FLOAT_EQ(world->freezeElapsed, 5.0f);
    EXPECT_FLOAT_EQ(world->freezeLimit, 5.0f);
    EXPECT_NEAR(t.age, 0.5f, 1e-4f);  // 5 s at a tenth
    frame(0.25f);
    EXPECT_FALSE(world->frozen);
    EXPECT_EQ(world->freezeElapsed, 0.0f);
    frame(0.25f);
    EXPECT_NEAR(t.age, 0.525f + 0.25f, 1e-4f);

    // Freeze talents lengthen it.
    world->prima().freezeSeconds = 7.0f;
    steerRight(true, 0.25f);
    for (int i = 0; i < 28; ++i) frame(0.25f);
    EXPECT_TRUE(world->frozen);
    frame(0.25f);
    EXPECT_FALSE(world->frozen);
}

TEST_F(WorldTimeTest, ASecondRightClickEndsTheFreezeOnlyAfterHalfASecond) {
    emptyStage(Vector{1, 1});
    steerRight(true, 0.25f);
    ASSERT_TRUE(world->frozen);
    frame(0.25f);
    steerRight(true, 0.25f);  // 0.25 s into the freeze: ignored
    frame(0.25f);
    EXPECT_TRUE(world->frozen);
    steerRight(true, 0.25f);  // exactly 0.5 s: still ignored
    frame(0.25f);
    EXPECT_TRUE(world->frozen);
    EXPECT_FLOAT_EQ(world->freezeElapsed, 0.75f);
    steerRight(true, 0.25f);  // beyond 0.5 s: the freeze ends in the next advance
    EXPECT_TRUE(world->frozen);
    EXPECT_FALSE(world->freezeStarted);
    frame(0.25f);
    EXPECT_FALSE(world->frozen);

    // A press within 0.2 s of the last accepted one starts nothing.
    steerRight(true, 0.1f);
    EXPECT_FALSE(world->frozen);
    steerRight(true, 0.15f);
    EXPECT_TRUE(world->frozen);
}

TEST_F(WorldTimeTest, HoldingTheRightButtonFreezesForHalfASecondAndAgainAFifthOfASecondLater) {
    emptyStage(Vector{1, 1});
    std::vector<float> flips;  // when time froze or thawed
    bool wasFrozen = false;
    for (int k = 1; k <= 60; ++k) {
        steerRight(true, 0.05f);
        frame(0.05f);
        if (world->frozen != wasFrozen) flips.push_back(0.05f * static_cast<float>(k));
        wasFrozen = world->frozen;
    }
    ASSERT_GE(flips.size(), 5u);
    for (std::size_t i = 1; i < flips.size(); ++i)
        EXPECT_NEAR(flips[i] - flips[i - 1], i % 2 == 1 ? 0.55f : 0.25f, 0.06f) << i;
}

TEST_F(WorldTimeTest, TheChaosClockWrapsAtAnHourAndHardlyMovesDuringANameEntry) {
    world->chaosClock = 3599.9f;
    EXPECT_FLOAT_EQ(world->chaosScale(0.2f), 0.0f);
    EXPECT_EQ(world->chaosClock, 0.0f);
    const float quarter = 3.14159265f / 2.0f;
    EXPECT_NEAR(world->chaosScale(quarter), 3.0f, 1e-4f);
    EXPECT_NEAR(world->chaosScale(quarter), 0.0f, 1e-3f);
    EXPECT_NEAR(world->chaosScale(quarter), 3.0f, 1e-3f);  // |3 sin|: never negative

    emptyStage(Vector{1, 1});
    ballerina(5, Vector{3, 3});
    world->chosenObstacle = 5;
    world->nameEntry = true;
    const float before = world->chaosClock;
    frame(1.0f);
    EXPECT_NEAR(world->chaosClock - before, 0.0001f, 1e-6f);
}

TEST_F(WorldTimeTest, RewindingRestoresPlaceAngleAndHeartsWithinTheRecordedMoments) {
    emptyStage(Vector{1, 1});
    Obstacle& o = ballerina(5, Vector{2, 2});
    // Five recorded moments while she is moved along: x = 2, 3, 4, 5, 6,
    // turning and cheering up, while the Prima Ballerina tires.
    Avatar& p = world->prima();
    for (int i = 0; i < 5; ++i) {
        o.position = Vector{2.0f + static_cast<float>(i), 2.0f};
        o.angle = 10.0f * static_cast<float>(i);
        o.sadness = 50 - i;
        p.energy = 80 - i;
        world->recordClock = 1.0f;  // a record is due at this advance
        world->advanceActors(0.0f);
    }
    ASSERT_EQ(world->recorder->count(), 5);
    world->frozen = true;
    world->rewinding = true;
    world->freezeElapsed = 0.0f;
    world->prima().freezeSeconds = 15.0f;

    world->advanceActors(0.001f);  // less than one entry: the newest
    EXPECT_EQ(world->rewindIndex, 1);
    EXPECT_NEAR(o.position.x, 6.0f, 0.05f);
    world->advanceActors(0.05f);   // 0.051 s: two entries back
    EXPECT_EQ(world->rewindIndex, 2);
    EXPECT_NEAR(o.position.x, 5.0f, 0.05f);
    EXPECT_NEAR(o.angle, 30.0f, 0.5f);
    EXPECT_EQ(o.sadness, 47);
    EXPECT_EQ(p.energy, 77);
    world->advanceActors(0.05f);   // 0.101 s: four
    EXPECT_EQ(world->rewindIndex, 4);
    EXPECT_NEAR(o.position.x, 3.0f, 0.05f);
    world->advanceActors(0.05f);   // beyond the oldest: held there
    EXPECT_EQ(world->rewindIndex, 5);
    EXPECT_NEAR(o.position.x, 2.0f, 0.05f);
    for (int i = 0; i < 200 && world->frozen; ++i) {
        world->advanceActors(0.1f);
        ASSERT_GE(world->rewindIndex, 1);
        ASSERT_LE(world->rewindIndex, world->recorder->count());
    }
    // The end of the freeze ends the rewind.
    EXPECT_FALSE(world->frozen);
    EXPECT_FALSE(world->rewinding);
    EXPECT_EQ(world->rewindElapsed, 0.0f);
}

TEST_F(WorldTimeTest, AChoirOfMoreThanFiveSingingMusesHealsThePrimaBallerina) {
    emptyStage(Vector{1, 1}, 50);
    world->musesSinging = 6;
    world->healClock = 0.0f;
    frame(0.3f);
    EXPECT_EQ(world->prima().energy, 50);
    frame(0.3f);
    EXPECT_EQ(world->prima().energy, 55);
    frame(0.3f);
    EXPECT_EQ(world->prima().energy, 55);
    frame(0.3f);
    EXPECT_EQ(world->prima().energy, 60);
    // Five are not enough.
    world->musesSinging = 5;
    for (int i = 0; i < 6; ++i) frame(0.3f);
    EXPECT_EQ(world->prima().energy, 60);
}
