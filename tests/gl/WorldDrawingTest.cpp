// A whole dance drawn with the generated pictures: the World starts a level,
// runs a few frames and draws.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "actors/Avatar.h"
#include "gl/GamePlayer.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace {

class WorldDrawingGl : public GameDirectory {
protected:
    void SetUp() override {
        GameDirectory::SetUp();
        world = std::make_unique<World>();
        world->initGraphics(gl::width, gl::height);
        world->level = 1;
        world->difficulty = 1;
        world->load(0);
        world->startLevel(1);
        world->showEffects = false;
    }
    void TearDown() override {
        world.reset();
        GameDirectory::TearDown();
    }
    void frames(int count) {
        const char noName[10] = {};
        for (int i = 0; i < count; ++i) {
            world->steer(512, 384, false, false, false, false, false, false, false, false, false, false, false,
                         false, false, false, 0.016f);
            world->think(0.016f);
            world->update(noName, false, 0.016f);
            world->draw(0.016f);
            world->drawOverlay();
        }
    }
    std::unique_ptr<World> world;
};

}  // namespace

TEST_F(WorldDrawingGl, ThePrimaBallerinaStandsWhereTheCameraSeesHerAndTheRadarShowsHer) {
    Avatar& p = world->prima();
    for (CostumePart& part : p.look.costume.parts) part = CostumePart{0, 255, 0, 100, 1};
    p.look.colour = Colour{0, 255, 0, 100};
    world->cat().position = p.position + Vector(1.2f, 0.0f);
    frames(2);
    const Vector at = p.position - world->cameraPosition;
    auto isHer = [](const Rgba& c) { return c.g > 60 && c.r < 60 && c.b < 60; };
    EXPECT_TRUE(isHer(gl::stagePixel(at.x, at.y))) << gl::stagePixel(at.x, at.y);
    EXPECT_FALSE(isHer(gl::stagePixel(at.x - 0.5f, at.y - 0.5f))) << "half a unit beside her the floor shows";

    // In the menu the radar preview shows her and her cat.
    world->avatarsInDance = false;
    world->levelPreview(Vector(-1.175f, -0.65f), 1, 0.0f, 0.016f);
    const Radar& radar = world->textures->radar();
    int avatars = 0;
    for (int i = 0; i < radar.count(); ++i) avatars += radar.blip(i).kind == 101 || radar.blip(i).kind == 106;
    EXPECT_EQ(avatars, 2);
}

TEST_F(WorldDrawingGl, TheBackgroundTakesHerColourAndTheFreezeColours) {
    world->showFloor = false;
    world->prima().look.background = Colour{200, 40, 90, 100};
    frames(1);
    EXPECT_TRUE(colourNear(gl::pixel(6, 6), {200, 40, 90}));
    // The stage's time scale sizes the guardians' first layer.
    world->timeScale = 2.25f;
    world->draw(0.0f);
    EXPECT_FLOAT_EQ(world->textures->actors().currentSpriteScale(), 2.25f);
    // f = (5 - 1 - 1) / 5 = 0.6: red cos 0.6, green sin 0.6.
    world->frozen = true;
    world->freezeLimit = 5.0f;
    world->freezeElapsed = 1.0f;
    world->draw(0.0f);
    EXPECT_TRUE(colourNear(gl::pixel(6, 6), {static_cast<std::uint8_t>(std::cos(0.6f) * 255.0f + 0.5f),
                                             static_cast<std::uint8_t>(std::sin(0.6f) * 255.0f + 0.5f), 0}));
}
