// The stage's drawing operations read back from a real context: actors,
// status rings, ring labels, the floor mesh and the particles, each from
// small pictures of known colours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "actors/EffectPool.h"
#include "actors/FloorMesh.h"
#include "gl/GlContext.h"
#include "render/RingLayout.h"
#include "render/StageFrame.h"
#include "render/WorldRenderer.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

constexpr float degree = 0.017453292f;

class StageDrawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        auto write = [&](unsigned number, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
            ASSERT_TRUE(dir.write(std::to_string(number) + ".tga", pf::tgaFilled(4, 4, r, g, b, 255)));
        };
        for (unsigned f = 1; f <= 8; ++f)
            for (unsigned set : {1130u, 1950u}) write(set + f, 255, 255, 255);
        write(1711, 128, 128, 128);
        ASSERT_TRUE(dir.write("1712.tga", pf::tgaFilled(4, 4, 255, 255, 255, 0)));
        for (unsigned n : {851u, 852u, 853u, 854u, 855u, 856u, 861u, 862u}) write(n, 255, 255, 255);
        // Glyphs in colours of their own: "A" red, small letters blue, digits green.
        write(601, 255, 0, 0);
        for (unsigned n = 627; n <= 652; ++n) write(n, 0, 0, 255);
        for (unsigned n = 654; n <= 663; ++n) write(n, 0, 255, 0);
        renderer.load();
        renderer.loadSpriteSet(113, 8);
        blend();
    }
    TempDirectory dir{true};
    WorldRenderer renderer;
};

}  // namespace

TEST_F(StageDrawing, AnActorAppearsInItsColourWhereTheCameraSeesItAndItsStatusRingBlendsItsLayers) {
    Costume costume;
    for (CostumePart& part : costume.parts) part = CostumePart{255, 0, 0, 100, 1};
    pushCameraView(Vector(3.0f, 2.0f));
    // Kind 113's last layer is in the dancer's own colour and covers the rest.
    renderer.actors().drawActor(5, 113, Vector(4.0f, 2.5f), 0.3f, 0.3f, 0.0f, 0.0f, 0.016f, Colour{0, 0, 255, 100}, 1,
                                costume);
    popView();
    renderer.actors().drawActor(5, 0, Vector(-1.0f, -1.0f), 0.3f, 0.3f, 0.0f, 0.0f, 0.016f, Colour{}, 1, costume);
    // Kind 0 draws nothing at (-1, -1).
    expectShows(
        {{1.0f, 0.5f, blue}, {1.2f, 0.7f, blue}, {1.4f, 0.5f, black}, {0.0f, 0.0f, black}, {-1.0f, -1.0f, black}});

    // Cyan, then (0.5, 0.5, 1), then (0.75, 0.25, 0), each at 0.75 over black;
    // a kind without a ring leaves the frame as it was.
    renderer.marks().drawStatusRing(161, 0.5f, -0.5f, 0.0f, -1.0f, 0.0f, 100, 25, 0.2f, 0.2f, 0.0f);
    renderer.marks().drawStatusRing(125, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 100, 25, 0.2f, 0.2f, 0.0f);
    expectShows({{-0.5f, -0.5f, {167, 84, 60}}, {-0.5f, -0.8f, black}, {1.0f, 1.0f, black}}, 4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(StageDrawing, TheRingLabelsWriteTheirLettersOnTheirArcs) {
    // "7" in the points ring's first slot, 230 + 10 degrees, 0.5 from the
    // centre, its glyph over the white backing; "points" after the space.
    renderer.labels().drawPointsRing(0.0f, 0.0f, 0.0f, 7);
    expectShows({{0.5f * std::cos(240 * degree), 0.5f * std::sin(240 * degree), green},
                 {0.5f * std::cos(260 * degree), 0.5f * std::sin(260 * degree), blue},
                 {0.0f, 0.0f, black}, {0.5f * std::cos(1.05f), 0.5f * std::sin(1.05f), black}});

    // The name ring runs down over the top of its circle.
    glClear(GL_COLOR_BUFFER_BIT);
    renderer.labels().drawNameRing(0.0f, 0.0f, 0.0f, "Anna");
    char text[RingLayout::slots + 1];
    std::memset(text, 'a', sizeof text);  // as the game's own buffers, every slot past the name must be cleared
    RingLayout layout;
    layoutRing(text, RingArcs::nameStart(fillLabelText("Anna", '\0', text)), RingArcs::nameStep, true,
               GlyphMapping::name, layout);
    ASSERT_EQ(layout.count, 4);
    for (int i = 0; i < 4; ++i) {
        const float a = layout.glyphs[i].angle * degree;
        EXPECT_TRUE(shows(0.8f * std::cos(a), -0.555f + 0.8f * std::sin(a), i == 0 ? red : blue)) << "letter " << i;
    }
    EXPECT_TRUE(shows(0.0f, -1.355f, black)) << "nothing on the lower arc";
}

TEST_F(StageDrawing, TheFloorShowsItsTileColoursWithAndWithoutAPatternAndAParticleItsColourInItsPass) {
    // As the dance floor fills it: a row per tile column along x, its
    // vertices running up along y. The game culls back faces: the floor's
    // strips must face the viewer.
    FloorMesh mesh;
    for (int r = 0; r < FloorMesh::rows; ++r)
        for (int c = 0; c < FloorMesh::columns; ++c)
            mesh.set(r, c, -3.0f + 0.25f * r, -3.0f + 0.25f * c, 1.0f, 0.5f, 0.25f, 0.0f, 0.0f);
    glEnable(GL_CULL_FACE);
    renderer.floorRenderer().draw(mesh, 171, 0);
    expectShows({{0.3f, -0.7f, {255, 128, 64}}, {-2.5f, 1.9f, {255, 128, 64}}});
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D)) << "texturing is back on for the next drawing";
    // An opaque pattern is drawn without blending, which is on again after it;
    // a pattern with transparent texels is blended.
    FloorRenderer& floor = renderer.floorRenderer();
    floor.load(171, 2);
    EXPECT_TRUE(floor.opaquePattern(171, 1) && floor.opaquePattern(171, 0) && !floor.opaquePattern(171, 2));
    floor.draw(mesh, 171, 1);
    EXPECT_TRUE(shows(0.3f, -0.7f, {128, 64, 32}, 4));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    glClear(GL_COLOR_BUFFER_BIT);
    floor.draw(mesh, 171, 2);
    EXPECT_TRUE(shows(0.3f, -0.7f, black));
    GLint front = 0;
    glGetIntegerv(GL_FRONT_FACE, &front);
    EXPECT_EQ(front, GL_CCW);

    glClear(GL_COLOR_BUFFER_BIT);
    EffectPool pool;
    pool.reset(181, 196);
    ASSERT_EQ(pool.spawn(87, 0, 0, Vector(0.5f, 0.5f), Vector(1.0f, 0.0f)), 1);
    pool.update(0.05f, 0.5f, 0.5f, 10.0f);  // grows to 0.3
    renderer.effectRenderer().draw(pool, true);
    EXPECT_TRUE(shows(0.5f, 0.5f, black)) << "a fresh flash flies over the dancers";
    renderer.effectRenderer().draw(pool, false);
    expectShows({{0.5f, 0.5f, green}, {0.5f, 1.0f, black}});
    EXPECT_TRUE(renderer.effectRenderer().sets().isLoaded(195));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
