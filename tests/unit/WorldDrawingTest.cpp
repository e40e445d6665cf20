// The drawing pass without a window: what it counts and flags for the hints,
// and the radar's blips.
#include <array>

#include "WorldFixture.h"

#include "render/Radar.h"
#include "render/WorldRenderer.h"
#include "world/StageRadar.h"

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

TEST_F(WorldDrawing, CountsWhatTheCameraSeesAndWhatTheCatStandsOn) {
    ballerina(3, Vector(1.0f, 0.5f));
    ballerina(4, Vector(-2.0f, 1.0f)).happy = 1;
    ballerina(5, Vector(2.9f + ballerinaSize + 0.01f, 0.0f));  // just out of view
    ballerina(6, Vector(0.5f, 0.0f), Kind::dancerP);            // not a named ballerina
    Muse& m = muse(8, Vector(-0.5f, 0.0f));
    m.selected = 1;  // the cat stands on her: flagged for one pass, her selection cleared
    world->draw(0.016f);
    EXPECT_EQ((std::array<int, 3>{world->ballerinasOnScreen, world->unhappyOnScreen, world->musesOnScreen}),
              (std::array{2, 1, 1}));
    EXPECT_TRUE(world->ballerinaNear && world->catOnMuse && m.selected == 0);
    world->obstacles[3]->remove();
    world->draw(0.016f);
    EXPECT_FALSE(world->ballerinaNear) << "the happy one stands 2.2 away";
    EXPECT_FALSE(world->catOnMuse);
}

TEST_F(WorldDrawing, TheRadarShowsEveryActorInUseWithItsEnergyTheAvatarsWhileInTheDance) {
    world->prima().position = Vector(0.0f, -9.0f);
    ballerina(3, Vector(0.0f, 4.0f), Kind::ballerina, 0, 0, 0, 30).energy = 80;
    Muse& m = muse(8, Vector(-6.0f, 0.0f));
    m.energy = 25;
    world->powerUps[9]->place(136, Vector(50.0f, 0.0f), 0.2f, 0.2f, 0.0f, 0.0f, 8);  // a landmark
    const Radar& radar = world->textures->radar();
    auto blipOf = [&](std::uint8_t kind) {
        for (int i = 0; i < radar.count(); ++i)
            if (radar.blip(i).kind == kind) return radar.blip(i);
        return RadarBlip{};
    };
    auto avatars = [&] { return (blipOf(Kind::prima).kind != 0) + (blipOf(Kind::cat).kind != 0); };

    fillStageRadar(*world, false);
    EXPECT_EQ(radar.count(), 5);
    EXPECT_EQ(blipOf(Kind::ballerina).current, 80) << "her energy, not her sadness";
    EXPECT_EQ(blipOf(Kind::muse).current, 25);
    EXPECT_EQ(blipOf(Kind::muse).maximum, m.maxEnergy);
    EXPECT_FLOAT_EQ(radarReach(&radar.blip(0), radar.count()), 9.0f) << "she is the farthest";
    // The menu holds the avatars: off the game's radar (the gl test sees them on the preview's).
    world->avatarsInDance = false;
    fillStageRadar(*world, false);
    EXPECT_EQ(avatars(), 0);
    EXPECT_FLOAT_EQ(radarReach(&radar.blip(0), radar.count()), 6.0f);
}

TEST_F(WorldDrawing, ThePreviewKeepsHerStagePlaceAndSizeAndHoldsTheCatInsideTheWindow) {
    const Vector stage = world->prima().position;
    world->cat().position = Vector(3.4f, -2.5f);
    const Vector pointer = world->levelPreview(Vector(-1.175f, -0.65f), 1, 0.0f, 0.016f);
    EXPECT_FLOAT_EQ(pointer.x, 2.65f - world->cat().width);
    EXPECT_FLOAT_EQ(pointer.y, -1.95f + world->cat().height);
    EXPECT_EQ(world->prima().position, stage);
    EXPECT_FLOAT_EQ(world->prima().width, ballerinaSize);
}
