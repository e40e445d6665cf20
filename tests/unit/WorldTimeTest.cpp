// Time control: the freeze, the rewind, the chaos clock; and the choir's healing.
#include "WorldFixture.h"
#include "actors/RewindRecorder.h"

namespace {

class WorldTimeTest : public worldtest::WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        emptyStage(Vector{1, 1}, 50);
    }
    void steerRight(bool right, float seconds) {
        world->steer(512, 384, false, right, false, false, false, false, false, false, false, false, false, false,
                     false, false, seconds);
    }
    void frame(float seconds) { world->update(worldtest::noName(), false, seconds); }
};

}  // namespace

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
    const struct {
        float seconds;
        int index;
        float x;
    } steps[] = {{0.001f, 1, 6.0f}, {0.05f, 2, 5.0f}, {0.05f, 4, 3.0f}, {0.05f, 5, 2.0f}};  // held at the oldest
    for (const auto& s : steps) {
        world->advanceActors(s.seconds);
        EXPECT_EQ(world->rewindIndex, s.index);
        EXPECT_NEAR(o.position.x, s.x, 0.05f) << s.index;
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
