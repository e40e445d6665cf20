#include <gtest/gtest.h>

#include "gl/GlContext.h"
#include "render/WorldRenderer.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba white{255, 255, 255, 255};
const Rgba yellow{255, 255, 0, 255};
const Rgba black{0, 0, 0, 255};

// 8 x 8 pixels in four quadrants; the first rows of the buffer are the bottom ones:
// red (lower left), green (lower right), blue (upper left), white (upper right).
pf::Bytes quadrantPicture() {
    pf::Bytes rgba;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const Rgba c = row < 4 ? (column < 4 ? red : green) : (column < 4 ? blue : white);
            rgba.insert(rgba.end(), {c.r, c.g, c.b, 255});
        }
    }
    return pf::tgaRgba(8, 8, rgba);
}

GLint wrapOf(const Picture* picture) {
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, picture ? picture->textureName : 0);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    return wrap;
}

class WorldRendererDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("1011.tga", quadrantPicture()));
        ASSERT_TRUE(dir.write("1012.tga", pf::tgaFilled(4, 4, 255, 255, 0, 255)));
        pf::Bytes truncated = quadrantPicture();
        truncated.resize(60);
        ASSERT_TRUE(dir.write("1031.tga", truncated));
        renderer.load();
    }

    // A sprite of set 101 at (1, 0.5) covering 0.5..1.5 x 0..1.
    void draw(std::uint16_t slot, std::int32_t first, std::int32_t last, float frameTime, float angle = 0.0f,
              std::uint8_t r = 255, std::uint8_t g = 255, std::uint8_t b = 255, std::uint16_t set = 101) {
        renderer.drawSprite(slot, set, Vector(1.0f, 0.5f), 0.5f, 0.5f, angle, 0, first, last, 1.0f, r, g, b, 100,
                            frameTime);
    }

    TempDirectory dir{true};
    WorldRenderer renderer;
};
}  // namespace

TEST_F(WorldRendererDraw, PictureRowZeroLiesAtTheBottomAndTintAndTurnApplyAroundThePosition) {
    renderer.loadSpriteSet(101, 2);
    draw(0, 1, 1, 0.016f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.25f), red));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.25f, 0.25f), green));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.75f), blue));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.25f, 0.75f), white));
    // Scale 0.5 covers one unit: nothing beyond it.
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.6f, 0.5f), black));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.4f, 0.5f), black));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.0f, 1.1f), black));

    // Turned a quarter counter-clockwise under a magenta tint: the lower left
    // corner now lies at the lower right, green turns black, white magenta.
    glClear(GL_COLOR_BUFFER_BIT);
    draw(0, 1, 1, 0.016f, 90.0f, 255, 0, 255);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.25f, 0.25f), red));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.25f, 0.75f), black));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.75f), {255, 0, 255, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.25f), blue));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WorldRendererDraw, TheClockChoosesTheFrameThatIsBound) {
    renderer.loadSpriteSet(101, 2);
    draw(0, 1, 2, 0.1f);  // restarted: 0.2 seconds of two 0.5-second frames -> frame 1
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.25f), red));
    glClear(GL_COLOR_BUFFER_BIT);
    draw(1, 1, 2, 0.35f);  // another slot, its own clock: 0.7 seconds -> frame 2
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.25f), yellow));
    glClear(GL_COLOR_BUFFER_BIT);
    draw(0, 1, 2, 0.2f);  // slot 0 goes on from 0.2 to 0.4: still frame 1
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.75f, 0.25f), red));
    EXPECT_EQ(renderer.currentSprite().set, 101);
    EXPECT_EQ(renderer.currentSprite().frameCount, 1);
    EXPECT_FLOAT_EQ(renderer.currentSprite().timePerFrame, 0.5f);
}

TEST_F(WorldRendererDraw, MissingAndBrokenPicturesStillGetATextureAndDraw) {
    renderer.loadSpriteSet(102, 1);  // no file at all
    renderer.loadSpriteSet(103, 1);  // a truncated file
    for (unsigned set : {102u, 103u}) {
        const Picture* frame = renderer.spriteSets().frame(set, 1);
        ASSERT_NE(frame, nullptr) << "set " << set;
        EXPECT_FALSE(frame->holdsImage()) << "set " << set;
        EXPECT_NE(frame->textureName, 0u) << "set " << set;
        EXPECT_TRUE(glIsTexture(frame->textureName)) << "set " << set;
        glClear(GL_COLOR_BUFFER_BIT);
        draw(0, 1, 1, 0.016f, 0.0f, 0, 255, 0, static_cast<std::uint16_t>(set));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "set " << set;
        // Whatever the driver shows for a texture without an image, the sprite stays in its square.
        EXPECT_TRUE(colourNear(GlContext::stagePixel(1.6f, 0.5f), black)) << "set " << set;
    }
    // Frames that were never made and sets outside 101-170 draw without a fault too.
    draw(0, 5, 5, 0.016f);
    draw(0, 1, 1, 0.016f, 0.0f, 255, 255, 255, 190);
    draw(0, 1, 1, 0.016f, 0.0f, 255, 255, 255, 0);
    renderer.drawSprite(40, 101, Vector(), 1, 1, 0, 0, 1, 1, 1, 255, 255, 255, 100, 0.1f);
    renderer.drawSprite(0, 101, Vector(), 1, 1, 0, 3, 1, 1, 1, 255, 255, 255, 100, 0.1f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WorldRendererDraw, SetsAreLoadedOnceReleasedWithTheirTexturesAndOnlyFloorSetsRepeat) {
    renderer.loadSpriteSet(101, 2);
    ASSERT_TRUE(renderer.spriteSets().isLoaded(101));
    Picture* first = renderer.spriteSets().frame(101, 1);
    ASSERT_NE(first, nullptr);
    const std::uint32_t name = first->textureName;

    renderer.loadSpriteSet(101, 2);
    EXPECT_EQ(renderer.spriteSets().frame(101, 1), first);
    EXPECT_EQ(first->textureName, name);
    EXPECT_EQ(renderer.spriteSets().frame(101, 3), nullptr);
    renderer.loadSpriteSet(0, 5);
    EXPECT_FALSE(renderer.spriteSets().isLoaded(0));

    renderer.releaseSpriteSet(101, 37);
    EXPECT_FALSE(renderer.spriteSets().isLoaded(101));
    EXPECT_EQ(renderer.spriteSets().frame(101, 1), nullptr);
    EXPECT_FALSE(glIsTexture(name));
    renderer.releaseSpriteSet(101, 37);  // not loaded: nothing happens

    renderer.loadSpriteSet(101, 1);
    ASSERT_NE(renderer.spriteSets().frame(101, 1), nullptr);
    EXPECT_TRUE(renderer.spriteSets().frame(101, 1)->holdsImage());

    for (unsigned set : {170u, 175u, 181u}) renderer.loadSpriteSet(set, 1);
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(175, 1)), GL_REPEAT);
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(170, 1)), GL_CLAMP);
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(181, 1)), GL_CLAMP);
}

using SpriteSetStoreGl = GlTest;
using WorldRendererLoad = GlTest;

TEST_F(SpriteSetStoreGl, AStoreOfFortyEightSlotsMakesAtMostFortySevenFrames) {
    SpriteSetStore floor(171, 180, 48);
    floor.loadSpriteSet(171, 60);
    EXPECT_TRUE(floor.isLoaded(171));
    EXPECT_NE(floor.frame(171, 47), nullptr);
    EXPECT_EQ(floor.frame(171, 48), nullptr);
    EXPECT_EQ(wrapOf(floor.frame(171, 1)), GL_REPEAT);
    const std::uint32_t name = floor.frame(171, 47)->textureName;
    floor.releaseAll();
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(WorldRendererLoad, LoadsTheStagePicturesAndDestructionDeletesThem) {
    TempDirectory dir(true);
    ASSERT_TRUE(dir.write("601.tga", pf::tgaFilled(2, 2, 10, 20, 30, 255)));
    ASSERT_TRUE(dir.write("863.tga", pf::tgaFilled(2, 2, 1, 2, 3, 255)));

    std::vector<std::uint32_t> names;
    std::uint32_t quad = 0;
    {
        WorldRenderer renderer;
        renderer.load();
        EXPECT_TRUE(renderer.isLoaded());
        quad = renderer.unitQuadList();
        EXPECT_TRUE(glIsList(quad));

        ASSERT_NE(renderer.picture(601), nullptr);
        EXPECT_TRUE(renderer.picture(601)->holdsImage());
        EXPECT_EQ(renderer.picture(601)->pixels[0], 10);
        ASSERT_NE(renderer.picture(863), nullptr);
        EXPECT_TRUE(renderer.picture(863)->holdsImage());

        // The first and last of each run of stage pictures; 863-869 repeat.
        for (unsigned n : {601u, 663u, 851u, 859u, 861u, 862u, 863u, 869u, 872u, 881u, 888u}) {
            const Picture* picture = renderer.picture(n);
            ASSERT_NE(picture, nullptr) << n;
            EXPECT_TRUE(glIsTexture(picture->textureName)) << n;
            EXPECT_EQ(wrapOf(picture), n >= 863 && n <= 869 ? GL_REPEAT : GL_CLAMP) << n;
            names.push_back(picture->textureName);
        }
        for (unsigned n : {600u, 664u, 850u, 860u, 870u, 871u, 873u, 880u}) EXPECT_EQ(renderer.picture(n), nullptr) << n;

        renderer.loadSpriteSet(111, 3);
        names.push_back(renderer.spriteSets().frame(111, 3)->textureName);
    }
    for (std::uint32_t name : names) EXPECT_FALSE(glIsTexture(name)) << name;
    EXPECT_FALSE(glIsList(quad));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
