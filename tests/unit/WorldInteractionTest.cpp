#include <gtest/gtest.h>

#include "WorldFixture.h"
#include "actors/DanceFloor.h"

namespace {

class WorldInteractionTest : public worldtest::WorldTest {
protected:
    void frame(float seconds = 0.01f) { world->update(worldtest::noName(), false, seconds); }
};

}  // namespace

TEST_F(WorldInteractionTest, TheCatChoosesTheLowestBallerinaItStandsOnUnlessPaused) {
    emptyStage(Vector{0, 0});
    ballerina(8, Vector{1.0f, 1.0f});
    ballerina(3, Vector{1.02f, 1.0f});
    world->cat().position = Vector{1.01f, 1.0f};
    world->update(worldtest::noName(), true, 0.0f);
    EXPECT_FALSE(world->hasChosen);
    EXPECT_EQ(world->prima().throwNow, 0);
    frame();
    EXPECT_TRUE(world->hasChosen);
    EXPECT_EQ(world->chosenObstacle, 3);
    EXPECT_EQ(world->prima().throwNow, 1);
    EXPECT_EQ(world->primaTargetKind, Kind::ballerina);
    EXPECT_EQ(world->primaTargetSlot, 3);

    // Off them again: the selection is gone with the next contact pass.
    world->cat().position = Vector{-1.0f, -1.0f};
    world->prima().throwNow = 0;
    frame();
    EXPECT_FALSE(world->hasChosen);
    EXPECT_EQ(world->obstacles[3]->selected, 0);
    EXPECT_EQ(world->obstacles[8]->selected, 0);
    EXPECT_EQ(world->prima().throwNow, 0);
}

TEST_F(WorldInteractionTest, ACatOnAMuseMakesHerTheTarget) {
    emptyStage(Vector{0, 0});
    muse(12, Vector{1.5f, 0.0f});
    world->cat().position = Vector{1.5f, 0.05f};
    frame();
    EXPECT_FALSE(world->hasChosen);
    EXPECT_EQ(world->prima().throwNow, 1);
    EXPECT_EQ(world->primaTargetKind, Kind::muse);
    EXPECT_EQ(world->primaTargetSlot, 12);
}

TEST_F(WorldInteractionTest, AnArmedBlossomTakesAHeartAndBursts) {
    emptyStage(Vector{-3, -3});
    Obstacle& o = ballerina(6, Vector{2.0f, 2.0f}, Kind::ballerina, 0, 0, 0, 90);
    Projectile& b = *world->projectiles[0];
    b.place(144, Vector{2.0f, 1.97f}, 0, 0, 0.0f, Kind::ballerina, 6, 0.0f, 12);
    b.age = 1.0f;
    b.damage = static_cast<std::uint16_t>(b.baseDamage);
    world->interact();
    EXPECT_LT(b.energy, 0);
    EXPECT_EQ(o.sadness, 90 - static_cast<std::int32_t>(10 * o.sensitivity));
    // The floor saw the dancer and the blossom.
    EXPECT_GE(world->danceFloor->dancerCount, 1);
    EXPECT_GE(world->danceFloor->blossomCount, 1);
    frame();
    EXPECT_EQ(b.kind, 0);  // burst in its next update
}

TEST_F(WorldInteractionTest, ContactFlagsStartAfreshInEveryPass) {
    emptyStage(Vector{-3, -3});
    Obstacle& o = ballerina(6, Vector{5.0f, 5.0f});
    o.blocked = 1;
    o.carried = 1;
    world->interact();
    EXPECT_EQ(o.blocked, 0);
    EXPECT_EQ(o.carried, 0);
    // Two ballerinas in contact block each other.
    ballerina(7, Vector{5.1f, 5.0f});
    world->interact();
    EXPECT_EQ(o.blocked, 1);
    EXPECT_EQ(world->obstacles[7]->blocked, 1);
}
