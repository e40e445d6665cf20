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

std::time_t fixedClock() { return 777; }

// Window pixel of a stage point seen from the camera (the stage projection).
Rgba viewPixel(float x, float y) { return GlContext::stagePixel(x, y); }

bool nearlyWhite(const Rgba& c) { return c.r > 200 && c.g > 200 && c.b > 200; }

// Some pixel within a few pixels of the stage point is nearly white.
bool whiteAround(float x, float y) {
    const int cx = static_cast<int>((x + 2.8f) / 5.6f * GlContext::width);
    const int cy = static_cast<int>((y + 2.1f) / 4.2f * GlContext::height);
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if (nearlyWhite(GlContext::pixel(cx + dx, cy + dy))) return true;
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
        setSeedClock(fixedClock);
        world = std::make_unique<World>();
        world->initGraphics(GlContext::width, GlContext::height);
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
    const DanceFloor& floor = *world->danceFloor;
    const Vector camera = world->cameraPosition;
    const float* v = floor.meshData().vertices();
    const float* c = floor.meshData().colours();
    int looked = 0, matching = 0;
    for (int k = 0; k < FloorMesh::vertexCount; ++k) {
        const float x = v[3 * k] - camera.x;
        const float y = v[3 * k + 1] - camera.y;
        // The lower left of the view: away from the labels, the radar and the dancers' start.
        if (x < -2.6f || x > -1.2f || y < -1.9f || y > -0.9f) continue;
        ++looked;
        const Rgba want{static_cast<std::uint8_t>(c[3 * k] * 255.0f + 0.5f),
                        static_cast<std::uint8_t>(c[3 * k + 1] * 255.0f + 0.5f),
                        static_cast<std::uint8_t>(c[3 * k + 2] * 255.0f + 0.5f), 255};
        if (colourNear(viewPixel(x, y), want, 12)) ++matching;
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
    const Rgba centre = viewPixel(at.x, at.y);
    EXPECT_GT(centre.g, 60) << centre;
    EXPECT_LT(centre.r, 60) << centre;
    EXPECT_LT(centre.b, 60) << centre;
    // Half a unit beside her the floor shows, not her.
    const Rgba beside = viewPixel(at.x - 0.5f, at.y - 0.5f);
    EXPECT_FALSE(beside.r < 60 && beside.b < 60 && beside.g > 60) << beside;

    // Her name's letters stand on the ring's upper arc in the upper right corner.
    char text[RingLayout::slots + 1];
    const int length = fillLabelText(p.name, '\0', text);
    ASSERT_GT(length, 0);
    RingLayout layout;
    layoutRing(text, RingArcs::nameStart(length), RingArcs::nameStep, true, GlyphMapping::name, layout);
    ASSERT_EQ(layout.count, length);
    const Vector anchor = world->viewOffset;
    int white = 0;
    for (int i = 0; i < layout.count; ++i) {
        const float a = layout.glyphs[i].angle * 0.017453292f;
        if (whiteAround(anchor.x + 0.8f * std::cos(a), anchor.y - 0.555f + 0.8f * std::sin(a))) ++white;
    }
    EXPECT_EQ(white, layout.count);
    EXPECT_FALSE(whiteAround(anchor.x, anchor.y - 1.4f)) << "below the ring's lower arc";
}

TEST_F(WorldDrawingGl, TheMenusRadarPreviewShowsThePrimaBallerinaAndHerCat) {
    world->avatarsInDance = false;  // the menu holds them
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
    EXPECT_TRUE(colourNear(GlContext::pixel(6, 6), {200, 40, 90, 255}));

    // The stage's time scale sizes the guardians' first layer.
    world->timeScale = 2.25f;
    world->draw(0.0f);
    EXPECT_FLOAT_EQ(world->textures->actors().currentSpriteScale(), 2.25f);

    world->frozen = true;
    world->freezeLimit = 5.0f;
    world->freezeElapsed = 1.0f;
    world->draw(0.0f);
    // f = (5 - 1 - 1) / 5 = 0.6: red cos 0.6, green sin 0.6.
    const Rgba frozen = GlContext::pixel(6, 6);
    EXPECT_TRUE(colourNear(frozen, {static_cast<std::uint8_t>(std::cos(0.6f) * 255.0f + 0.5f),
                                    static_cast<std::uint8_t>(std::sin(0.6f) * 255.0f + 0.5f), 0, 255}));
}
