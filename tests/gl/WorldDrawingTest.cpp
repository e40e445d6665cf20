// A whole dance drawn with the generated pictures: the World starts a level,
// runs a few frames and draws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "actors/Avatar.h"
#include "actors/DanceFloor.h"
#include "actors/Random.h"
#include "gl/GlContext.h"
#include "render/RingLayout.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace {

// Some pixel within a few pixels of the stage point is nearly white.
bool whiteAround(float x, float y) {
    const auto around = gl::pixels(static_cast<int>((x + 2.8f) / 5.6f * gl::width) - 4,
                                   static_cast<int>((y + 2.1f) / 4.2f * gl::height) - 4, 9, 9);
    for (std::size_t i = 0; i < around.size(); i += 4)
        if (around[i] > 200 && around[i + 1] > 200 && around[i + 2] > 200) return true;
    return false;
}

class WorldDrawingGl : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        const char* gameDir = std::getenv("VELVETARIUM_GAME_DIR");
        ASSERT_NE(gameDir, nullptr) << "the gl tests run in the generated run directory";
        previous = std::filesystem::current_path();
        std::filesystem::current_path(gameDir);
        setSeedClock([] { return std::time_t{777}; });
        world = std::make_unique<World>();
        world->initGraphics(gl::width, gl::height);
        world->level = 1;
        world->difficulty = 1;
        world->load(0);
        world->startLevel(1);
        // The menu has been seen: the labels stand in the upper right corner.
        world->levelPreview(Vector(-1.175f, -0.65f), 1, 0.0f, 0.016f);
        world->showEffects = false;
    }
    void TearDown() override {
        world.reset();
        setSeedClock(nullptr);
        std::error_code ignored;
        if (!previous.empty()) std::filesystem::current_path(previous, ignored);
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
    std::filesystem::path previous;
    std::unique_ptr<World> world;
};

}  // namespace

TEST_F(WorldDrawingGl, TheFloorShowsTheColoursOfItsTiles) {
    world->floorColourA = 0;  // no pattern: the tiles' own colours
    frames(3);
    const float* v = world->danceFloor->meshData().vertices();
    const float* c = world->danceFloor->meshData().colours();
    int looked = 0, matching = 0;
    for (int k = 0; k < FloorMesh::vertexCount; ++k) {
        const float x = v[3 * k] - world->cameraPosition.x, y = v[3 * k + 1] - world->cameraPosition.y;
        // The lower left of the view: away from the labels, the radar and the dancers' start.
        if (x < -2.6f || x > -1.2f || y < -1.9f || y > -0.9f) continue;
        ++looked;
        auto channel = [&](int i) { return static_cast<std::uint8_t>(c[3 * k + i] * 255.0f + 0.5f); };
        matching += colourNear(gl::stagePixel(x, y), {channel(0), channel(1), channel(2)}, 12) ? 1 : 0;
    }
    ASSERT_GE(looked, 8);
    EXPECT_GE(matching * 10, looked * 8) << matching << " of " << looked;
}

TEST_F(WorldDrawingGl, ThePrimaBallerinaStandsWhereTheCameraSeesHerAndHerNameRingInTheCorner) {
    Avatar& p = world->prima();
    for (CostumePart& part : p.look.costume.parts) part = CostumePart{0, 255, 0, 100, 1};
    p.look.colour = Colour{0, 255, 0, 100};
    world->cat().position = p.position + Vector(1.2f, 0.0f);
    frames(2);
    const Vector at = p.position - world->cameraPosition;
    auto isHer = [](const Rgba& c) { return c.g > 60 && c.r < 60 && c.b < 60; };
    EXPECT_TRUE(isHer(gl::stagePixel(at.x, at.y))) << gl::stagePixel(at.x, at.y);
    EXPECT_FALSE(isHer(gl::stagePixel(at.x - 0.5f, at.y - 0.5f))) << "half a unit beside her the floor shows";

    // Her name's letters stand on the ring's upper arc in the upper right corner.
    char text[RingLayout::slots + 1];
    const int length = fillLabelText(p.name, '\0', text);
    ASSERT_GT(length, 0);
    RingLayout layout;
    layoutRing(text, RingArcs::nameStart(length), RingArcs::nameStep, true, GlyphMapping::name, layout);
    ASSERT_EQ(layout.count, length);
    const Vector anchor = world->viewOffset;
    for (int i = 0; i < layout.count; ++i) {
        const float a = layout.glyphs[i].angle * 0.017453292f;
        EXPECT_TRUE(whiteAround(anchor.x + 0.8f * std::cos(a), anchor.y - 0.555f + 0.8f * std::sin(a))) << i;
    }
    EXPECT_FALSE(whiteAround(anchor.x, anchor.y - 1.4f)) << "below the ring's lower arc";

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
