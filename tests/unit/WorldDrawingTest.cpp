// The drawing pass without a window: what it counts and flags for the hints,
// the level preview's bookkeeping, and the choices made before drawing.
#include "WorldFixture.h"

#include "world/LevelLayout.h"
#include "world/StageSight.h"

using namespace worldtest;

namespace {

class WorldDrawing : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        emptyStage(Vector{});
        world->cameraPosition = Vector{};
    }
};

}  // namespace

TEST_F(WorldDrawing, CountsWhatTheCameraSeesAndTheBallerinasStillUnhappy) {
    ballerina(3, Vector(1.0f, 0.5f));
    Obstacle& happy = ballerina(4, Vector(-2.0f, 1.0f));
    happy.happy = 1;
    ballerina(5, Vector(2.9f + ballerinaSize + 0.01f, 0.0f));  // just out of view
    ballerina(6, Vector(0.5f, 0.0f), Kind::dancerP);            // not a named ballerina
    ballerina(7, Vector(-1.0f, -1.0f), Kind::dancerQ);
    world->draw(0.016f);
    EXPECT_EQ(world->ballerinasOnScreen, 2);
    EXPECT_EQ(world->unhappyOnScreen, 1);
    EXPECT_TRUE(world->ballerinaNear);

    world->obstacles[3]->remove();
    world->draw(0.016f);
    EXPECT_EQ(world->ballerinasOnScreen, 1);
    EXPECT_EQ(world->unhappyOnScreen, 0);
    EXPECT_FALSE(world->ballerinaNear) << "the happy one stands 2.2 away";

    // The view follows the camera: far away, only the far ones count.
    ballerina(8, Vector(10.0f, 10.0f));
    muse(8, Vector(11.0f, 9.0f));
    world->draw(0.016f);
    EXPECT_EQ(world->musesOnScreen, 0);
    world->cameraPosition = Vector(10.0f, 9.5f);
    world->draw(0.016f);
    EXPECT_EQ(world->ballerinasOnScreen, 1);
    EXPECT_EQ(world->unhappyOnScreen, 1);
    EXPECT_EQ(world->musesOnScreen, 1);
}

TEST_F(WorldDrawing, WhatTheCatStandsOnIsFlaggedOnceAndItsSelectionCleared) {
    Obstacle& o = ballerina(3, Vector(0.3f, 0.0f));
    Muse& m = muse(8, Vector(-0.5f, 0.0f));
    PowerUp& t = *world->powerUps[9];
    t.place(Kind::talentGreen, Vector(0.0f, -0.6f), 0.2f, 0.2f, 0.0f, 0.0f, 8);

    o.selected = 1;
    world->draw(0.016f);
    EXPECT_TRUE(world->catOnBallerina);
    EXPECT_FALSE(world->catOnMuse);
    EXPECT_FALSE(world->catOnTalent);
    EXPECT_EQ(o.selected, 0);

    m.selected = 1;
    t.selected = 1;
    world->draw(0.016f);
    EXPECT_FALSE(world->catOnBallerina);
    EXPECT_TRUE(world->catOnMuse);
    EXPECT_TRUE(world->catOnTalent);
    EXPECT_EQ(m.selected, 0);
    EXPECT_EQ(t.selected, 0);

    world->draw(0.016f);
    EXPECT_FALSE(world->catOnMuse);
    EXPECT_FALSE(world->catOnTalent);
}

TEST_F(WorldDrawing, ThePreviewHoldsTheCatInsideAndCopiesTheGoals) {
    Avatar& p = world->prima();
    const Vector stagePosition = p.position;
    const float stageWidth = p.width;
    world->cat().position = Vector(3.4f, -2.5f);
    const Vector pointer = world->levelPreview(Vector(-1.175f, -0.65f), 1, 0.0f, 0.016f);
    EXPECT_FLOAT_EQ(pointer.x, 2.65f - world->cat().width);
    EXPECT_FLOAT_EQ(pointer.y, -1.95f + world->cat().height);
    EXPECT_EQ(world->cat().position, pointer);
    // She danced on the menu, but the dance keeps her place and size.
    EXPECT_EQ(p.position, stagePosition);
    EXPECT_FLOAT_EQ(p.width, stageWidth);
    EXPECT_FLOAT_EQ(world->zoom, 30.0f);
    EXPECT_EQ(world->viewOffset, Vector(2.35f, 1.75f, 0.0f));

    LevelLayout layout;
    layout.buildLayout(1);
    EXPECT_EQ(world->goalB, layout.goalB());
    EXPECT_EQ(world->goalMuses, layout.goalMuses());
    EXPECT_EQ(world->goalHappy, layout.goalHappy());
}

TEST(StageSight, DancerPShowsUpEarlyWhenTimeRunsFast) {
    Obstacle p;
    p.place(Kind::dancerP, 100, 0, 0, 0, 1, Vector(4.0f, 0.0f), 0.2f, 0.2f, 0.0f, 37, 0, 1);
    EXPECT_TRUE(StageSight::dancerShown(p, Vector{}, 2.9f, 1.2f));
    EXPECT_FALSE(StageSight::dancerShown(p, Vector{}, 2.9f, 1.0f));
    Obstacle o;
    o.place(Kind::ballerina, 100, 0, 0, 0, 1, Vector(3.0f, 0.0f), 0.2f, 0.2f, 0.0f, 37, 0, 1);
    EXPECT_TRUE(StageSight::dancerShown(o, Vector{}, 2.9f, 0.0f)) << "3.0 less her width 0.2";
    EXPECT_FALSE(StageSight::dancerShown(o, Vector(-0.2f, 0.0f), 2.9f, 3.0f));
    Obstacle none;
    EXPECT_FALSE(StageSight::dancerShown(none, Vector{}, 2.9f, 3.0f));
}

TEST(StageSight, FreezeColoursGhostsAndBadges) {
    // Freezing starts yellow-green and runs toward red; no limit is no fault.
    float r = 0, g = 0, b = 1;
    StageSight::freezeColour(5.0f, 0.0f, r, g, b);
    EXPECT_GT(r, 0.6f);
    EXPECT_GT(g, r);
    EXPECT_FLOAT_EQ(b, 0.0f);
    StageSight::freezeColour(5.0f, 4.0f, r, g, b);
    EXPECT_FLOAT_EQ(r, 1.0f);
    EXPECT_FLOAT_EQ(g, 0.0f);
    StageSight::freezeColour(0.0f, 1.0f, r, g, b);
    EXPECT_TRUE(std::isfinite(r) && std::isfinite(g));

    // Ghosts fade with age and are gone at the end of the trail.
    EXPECT_GT(StageSight::ghostAlpha(1, 40), StageSight::ghostAlpha(20, 40));
    EXPECT_GT(StageSight::ghostAlpha(39, 40), 0);
    EXPECT_EQ(StageSight::ghostAlpha(40, 40), 0);
    EXPECT_EQ(StageSight::ghostAlpha(1, 0), 0);

    // A named ballerina's badge stands higher over her than a dancer's.
    Obstacle o;
    o.place(Kind::ballerina, 100, 0, 0, 0, 1, Vector(1.0f, 0.0f), 0.2f, 0.3f, 0.0f, 37, 0, 1);
    const float ballerinaBadge = StageSight::dancerBadgeHeight(o);
    o.place(Kind::dancerQ, 100, 0, 0, 0, 1, Vector(1.0f, 0.0f), 0.2f, 0.3f, 0.0f, 37, 0, 1);
    EXPECT_GT(ballerinaBadge, StageSight::dancerBadgeHeight(o));
    EXPECT_GT(StageSight::dancerBadgeHeight(o), 0.3f);
}

TEST(StageSight, TheMenuKeepsTheCatInsideTheWindow) {
    auto expectAt = [](Vector got, float x, float y) {
        EXPECT_NEAR(got.x, x, 1e-6f);
        EXPECT_NEAR(got.y, y, 1e-6f);
    };
    expectAt(StageSight::keepInsideWindow(Vector(0.5f, 2.0f), 0.1f, 0.2f), 0.5f, 1.75f);
    expectAt(StageSight::keepInsideWindow(Vector(-2.7f, -1.96f), 0.1f, 0.2f), -2.55f, -1.75f);
    expectAt(StageSight::keepInsideWindow(Vector(2.651f, 1.951f), 0.1f, 0.2f), 2.651f, 1.951f);
}
