// The stage's drawing operations read back from a real context: actors,
// status rings, ring labels, the floor mesh and the particles, each from
// small pictures of known colours.
#include <gtest/gtest.h>

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

const Rgba black{0, 0, 0, 255};

std::string spriteFile(unsigned set, unsigned frame) { return std::to_string(set) + std::to_string(frame) + ".tga"; }

class StageDrawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        const pf::Bytes opaqueWhite = pf::tgaFilled(4, 4, 255, 255, 255, 255);
        for (unsigned f = 1; f <= 8; ++f) ASSERT_TRUE(dir.write(spriteFile(113, f), opaqueWhite));
        for (unsigned f = 1; f <= 8; ++f) ASSERT_TRUE(dir.write(spriteFile(195, f), opaqueWhite));
        ASSERT_TRUE(dir.write(spriteFile(171, 1), pf::tgaFilled(4, 4, 128, 128, 128, 255)));
        for (unsigned n : {851u, 852u, 853u, 854u, 855u, 856u, 861u, 862u}) {
            ASSERT_TRUE(dir.write(std::to_string(n) + ".tga", opaqueWhite));
        }
        // Glyphs in colours of their own: "A" red, digits green, small letters blue.
        ASSERT_TRUE(dir.write("601.tga", pf::tgaFilled(4, 4, 255, 0, 0, 255)));
        for (unsigned n = 627; n <= 652; ++n) {
            ASSERT_TRUE(dir.write(std::to_string(n) + ".tga", pf::tgaFilled(4, 4, 0, 0, 255, 255)));
        }
        for (unsigned n = 654; n <= 663; ++n) {
            ASSERT_TRUE(dir.write(std::to_string(n) + ".tga", pf::tgaFilled(4, 4, 0, 255, 0, 255)));
        }
        renderer.load();
        renderer.loadSpriteSet(113, 8);
        // The game's blending.
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    TempDirectory dir{true};
    WorldRenderer renderer;
};

}  // namespace

TEST_F(StageDrawing, AnActorAppearsInItsColourWhereTheCameraSeesIt) {
    Costume costume;
    for (CostumePart& part : costume.parts) part = CostumePart{255, 0, 0, 100, 1};
    pushCameraView(Vector(3.0f, 2.0f));
    // Kind 113's last layer is in the dancer's own colour and covers the rest.
    renderer.actors().drawActor(5, 113, Vector(4.0f, 2.5f), 0.3f, 0.3f, 0.0f, 0.0f, 0.016f, Colour{0, 0, 255, 100},
                                1, costume);
    popView();
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.0f, 0.5f), {0, 0, 255, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.2f, 0.7f), {0, 0, 255, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.4f, 0.5f), black));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, 0.0f), black));
    // Kind 0 draws nothing.
    renderer.actors().drawActor(5, 0, Vector(-1.0f, -1.0f), 0.3f, 0.3f, 0.0f, 0.0f, 0.016f, Colour{}, 1, costume);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-1.0f, -1.0f), black));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(StageDrawing, StatusRingLayersBlendInTheirOrder) {
    renderer.marks().drawStatusRing(161, 0.5f, -0.5f, 0.0f, -1.0f, 0.0f, 100, 25, 0.2f, 0.2f, 0.0f);
    // Cyan, then (0.5, 0.5, 1), then (0.75, 0.25, 0), each at 0.75 over black.
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-0.5f, -0.5f), {167, 84, 60, 255}, 4));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-0.5f, -0.8f), black));
    // A kind without a ring leaves the frame as it was.
    renderer.marks().drawStatusRing(125, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 100, 25, 0.2f, 0.2f, 0.0f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.0f, 1.0f), black));
}

TEST_F(StageDrawing, ThePointsRingWritesItsDigitsOnTheArc) {
    renderer.labels().drawPointsRing(0.0f, 0.0f, 0.0f, 7);
    // "7" stands in the first slot, 230 + 10 degrees, 0.5 from the centre; its
    // glyph (green) lies over the white backing.
    const float a = 240.0f * 0.017453292f;
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f * std::cos(a), 0.5f * std::sin(a)), {0, 255, 0, 255}));
    // "points" follows in small letters (blue), after the space.
    const float p = 260.0f * 0.017453292f;
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f * std::cos(p), 0.5f * std::sin(p)), {0, 0, 255, 255}));
    // The centre and the far side of the circle stay empty.
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, 0.0f), black));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f * std::cos(1.05f), 0.5f * std::sin(1.05f)), black));
}

TEST_F(StageDrawing, TheNameRingRunsDownOverTheTopOfItsCircle) {
    renderer.labels().drawNameRing(0.0f, 0.0f, 0.0f, "Anna");
    char text[RingLayout::slots + 1];
    RingLayout layout;
    layoutRing(text, RingArcs::nameStart(fillLabelText("Anna", '\0', text)), RingArcs::nameStep, true,
               GlyphMapping::name, layout);
    ASSERT_EQ(layout.count, 4);
    const Rgba expected[4] = {{255, 0, 0, 255}, {0, 0, 255, 255}, {0, 0, 255, 255}, {0, 0, 255, 255}};
    for (int i = 0; i < 4; ++i) {
        const float a = layout.glyphs[i].angle * 0.017453292f;
        EXPECT_TRUE(colourNear(GlContext::stagePixel(0.8f * std::cos(a), -0.555f + 0.8f * std::sin(a)), expected[i]))
            << "letter " << i;
    }
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, -1.355f), black)) << "nothing on the lower arc";
}

TEST_F(StageDrawing, TheFloorShowsItsTileColoursWithAndWithoutAPattern) {
    // As the dance floor fills it: a row per tile column along x, its
    // vertices running up along y.
    FloorMesh mesh;
    for (int r = 0; r < FloorMesh::rows; ++r) {
        for (int c = 0; c < FloorMesh::columns; ++c) {
            mesh.set(r, c, -3.0f + 0.25f * r, -3.0f + 0.25f * c, 1.0f, 0.5f, 0.25f, 0.0f, 0.0f);
        }
    }
    // The game culls back faces: the floor's strips must face the viewer.
    glEnable(GL_CULL_FACE);
    renderer.floorRenderer().draw(mesh, 171, 0);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.3f, -0.7f), {255, 128, 64, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-2.5f, 1.9f), {255, 128, 64, 255}));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D)) << "texturing is back on for the next drawing";

    renderer.floorRenderer().load(171, 1);
    renderer.floorRenderer().draw(mesh, 171, 1);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.3f, -0.7f), {128, 64, 32, 255}, 4));
    GLint front = 0;
    glGetIntegerv(GL_FRONT_FACE, &front);
    EXPECT_EQ(front, GL_CCW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(StageDrawing, AParticleIsDrawnInItsColourInItsPass) {
    EffectPool pool;
    pool.reset(181, 196);
    ASSERT_EQ(pool.spawn(87, 0, 0, Vector(0.5f, 0.5f), Vector(1.0f, 0.0f)), 1);
    pool.update(0.05f, 0.5f, 0.5f, 10.0f);  // grows to 0.3
    renderer.effectRenderer().draw(pool, true);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f, 0.5f), black)) << "a fresh flash flies over the dancers";
    renderer.effectRenderer().draw(pool, false);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f, 0.5f), {0, 255, 0, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.5f, 1.0f), black));
    EXPECT_TRUE(renderer.effectRenderer().sets().isLoaded(195));
}
