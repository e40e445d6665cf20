// Sprites drawn from their set's atlas, in batches, against the same frames
// drawn one by one from their own textures with the matrix stack: the pixels
// agree to within the rounding of the texture coordinates.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gl/GlContext.h"
#include "render/WorldRenderer.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

// A 32 x 32 frame: mixed colours and alphas inside, transparent around, with
// colour left under alpha 0 (which a linear filter mixes into the edge).
pf::Bytes innerFrame() {
    pf::Bytes rgba;
    unsigned seed = 7;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool inside = x >= 9 && x <= 20 && y >= 5 && y <= 26;
            const std::uint8_t a = inside ? static_cast<std::uint8_t>(40 + (seed >> 16) % 216) : 0;
            rgba.insert(rgba.end(), {static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8),
                                     static_cast<std::uint8_t>((seed >> 8) & 0xFF), a});
        }
    }
    return pf::tgaRgba(32, 32, rgba);
}

// Opaque up to its edges: the clamped border fades them.
pf::Bytes edgeFrame() {
    pf::Bytes rgba;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            rgba.insert(rgba.end(), {static_cast<std::uint8_t>(255 - x * 12), 200, static_cast<std::uint8_t>(y * 15),
                                     255});
    return pf::tgaRgba(16, 16, rgba);
}

struct Difference {
    int largest = 0;  // the largest difference of a colour channel
    int pixels = 0;   // pixels that differ at all
};

Difference compare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    Difference d;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(a[i + c]) - int(b[i + c])));
        d.largest = std::max(d.largest, worst);
        d.pixels += worst > 0 ? 1 : 0;
    }
    return d;
}

class AtlasDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("1011.tga", innerFrame()));
        ASSERT_TRUE(dir.write("1012.tga", edgeFrame()));
        ASSERT_TRUE(dir.write("1013.tga", pf::tgaFilled(8, 8, 255, 255, 255, 0)));  // shows nothing
        ASSERT_TRUE(dir.write("1311.tga", edgeFrame()));
        renderer.load();
        renderer.loadSpriteSet(101, 3);
        renderer.loadSpriteSet(131, 1);
        // The stage's blending.
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // The frame drawn the way every sprite was drawn before the atlas.
    void drawAlone(unsigned set, std::int32_t frame, Vector at, float sx, float sy, float angle, float r, float g,
                   float b, float a) {
        renderer.spriteSets().bindFrame(set, frame);
        glPushMatrix();
        glTranslatef(at.x, at.y, at.z);
        glColor4f(r, g, b, a);
        glRotatef(angle, 0.0f, 0.0f, 1.0f);
        glScalef(sx, sy, 0.0f);
        glCallList(renderer.unitQuadList());
        glPopMatrix();
    }
    void drawFromAtlas(unsigned set, std::int32_t frame, Vector at, float sx, float sy, float angle,
                       std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t alpha) {
        renderer.drawSprite(0, static_cast<std::uint16_t>(set), at, sx, sy, angle, 1, frame, frame, 1.0f, r, g, b,
                            alpha, 0.016f);
    }

    TempDirectory dir{true};
    WorldRenderer renderer;
};

}  // namespace

TEST_F(AtlasDraw, FramesLandInTheAtlasCroppedToWhatTheyShowBlankOnesDrawNothing) {
    const SpriteAtlas* atlas = renderer.spriteSets().atlas(101);
    ASSERT_NE(atlas, nullptr);
    EXPECT_TRUE(glIsTexture(atlas->texture()));
    const AtlasFrame* inner = atlas->frame(1);
    ASSERT_NE(inner, nullptr);
    EXPECT_FALSE(inner->blank);
    // Columns 8..21 and rows 4..27 of 32.
    EXPECT_FLOAT_EQ(inner->left, -1.0f + 2.0f * 8.0f / 32.0f);
    EXPECT_FLOAT_EQ(inner->right, -1.0f + 2.0f * 22.0f / 32.0f);
    EXPECT_FLOAT_EQ(inner->bottom, -1.0f + 2.0f * 4.0f / 32.0f);
    EXPECT_FLOAT_EQ(inner->top, -1.0f + 2.0f * 28.0f / 32.0f);
    EXPECT_FLOAT_EQ((inner->sRight - inner->sLeft) * static_cast<float>(atlas->width()), 14.0f);
    EXPECT_FLOAT_EQ((inner->tTop - inner->tBottom) * static_cast<float>(atlas->height()), 24.0f);
    const AtlasFrame* edge = atlas->frame(2);
    ASSERT_NE(edge, nullptr);
    EXPECT_FLOAT_EQ(edge->left, -1.0f);
    EXPECT_FLOAT_EQ(edge->top, 1.0f);
    ASSERT_NE(atlas->frame(3), nullptr);
    EXPECT_TRUE(atlas->frame(3)->blank);
    EXPECT_EQ(atlas->frame(4), nullptr);
    // A blank frame draws nothing and leaves its colour current.
    const std::vector<std::uint8_t> cleared = GlContext::windowPixels();
    drawFromAtlas(101, 3, Vector(0, 0, 0), 1.0f, 1.0f, 0.0f, 51, 102, 153, 40);
    EXPECT_EQ(compare(cleared, GlContext::windowPixels()).pixels, 0);
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.2f);
    EXPECT_FLOAT_EQ(colour[1], 0.4f);
    EXPECT_FLOAT_EQ(colour[2], 0.6f);
    EXPECT_FLOAT_EQ(colour[3], 0.4f);
    // The floor's sets repeat: they keep their own textures.
    renderer.loadSpriteSet(175, 1);
    EXPECT_EQ(renderer.spriteSets().atlas(175), nullptr);
    renderer.releaseSpriteSet(101, 3);
    EXPECT_EQ(renderer.spriteSets().atlas(101), nullptr);
}

TEST_F(AtlasDraw, DrawsThePixelsOfTheFramesOwnTexture) {
    struct Case {
        std::int32_t frame;
        float scale;
        float angle;
    };
    // Magnified and shrunk, straight and turned, inner and edge frames.
    const Case cases[] = {{1, 0.9f, 0.0f}, {1, 0.6f, 33.0f}, {1, 0.07f, 90.0f}, {2, 0.8f, 0.0f},
                          {2, 0.5f, -20.0f}, {2, 0.04f, 200.0f}};
    for (const Case& c : cases) {
        const Vector at(0.3f, -0.2f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        // 127 / 255 and 80 percent, as the sprite draw turns its bytes into colours.
        drawAlone(101, c.frame, at, c.scale, c.scale * 1.3f, c.angle, 1.0f, 127 / 255.0f, 1.0f, 0.8f);
        const std::vector<std::uint8_t> reference = GlContext::windowPixels();
        glClear(GL_COLOR_BUFFER_BIT);
        const std::vector<std::uint8_t> cleared = GlContext::windowPixels();
        drawFromAtlas(101, c.frame, at, c.scale, c.scale * 1.3f, c.angle, 255, 127, 255, 80);
        const std::vector<std::uint8_t> atlas = GlContext::windowPixels();
        const Difference d = compare(reference, atlas);
        ASSERT_GT(compare(reference, cleared).pixels, 0) << "the frame showed nothing";
        // Only the rounding of the texture coordinates may differ.
        EXPECT_LE(d.largest, 1) << "frame " << c.frame << " angle " << c.angle;
        EXPECT_LE(d.pixels * 50, std::max(compare(reference, cleared).pixels, 50))
            << "frame " << c.frame << " angle " << c.angle;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(AtlasDraw, ABatchKeepsTheOrderAndGoesOutInOneCallPerAtlas) {
    const std::uint64_t before = renderer.spriteBatch().drawCalls();
    glClear(GL_COLOR_BUFFER_BIT);
    renderer.beginSprites();
    // Red edge frame, then green over it, then (another set) blue over both,
    // then red again over the right half from the first set's atlas.
    drawFromAtlas(101, 2, Vector(0.0f, 0.0f), 0.5f, 0.5f, 0.0f, 255, 0, 0, 100);
    drawFromAtlas(101, 2, Vector(0.25f, 0.0f), 0.5f, 0.5f, 0.0f, 0, 255, 0, 100);
    EXPECT_EQ(renderer.spriteBatch().waiting(), 2);
    drawFromAtlas(131, 1, Vector(0.5f, 0.0f), 0.5f, 0.5f, 0.0f, 0, 0, 255, 100);
    drawFromAtlas(101, 2, Vector(1.0f, 0.0f), 0.3f, 0.3f, 0.0f, 255, 0, 0, 100);
    renderer.endSprites();
    EXPECT_EQ(renderer.spriteBatch().waiting(), 0);
    EXPECT_EQ(renderer.spriteBatch().drawCalls() - before, 3u);

    const Rgba first = GlContext::stagePixel(-0.4f, 0.0f);
    const Rgba second = GlContext::stagePixel(-0.1f, 0.0f);
    const Rgba third = GlContext::stagePixel(0.4f, 0.0f);
    const Rgba last = GlContext::stagePixel(1.0f, 0.0f);
    EXPECT_GT(first.r, 100) << first;
    EXPECT_EQ(first.g, 0) << first;
    EXPECT_GT(second.g, 100) << second;
    EXPECT_EQ(second.r, 0) << second;
    EXPECT_GT(third.b, 100) << third;
    EXPECT_EQ(third.g, 0) << third;
    EXPECT_GT(last.r, 100) << last;
    EXPECT_EQ(last.b, 0) << last;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
