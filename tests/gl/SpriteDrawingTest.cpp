// Sprites of the stage: their sets' textures and atlases, where and in which
// frame they land, and the atlas batches against the same frames drawn one
// by one from their own textures (the pixels agree to within the rounding of
// the texture coordinates).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "gl/GlContext.h"
#include "render/WorldRenderer.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

// 8 x 8 pixels in four quadrants: red (lower left), green (lower right),
// blue (upper left), white.
std::array<int, 4> quadrant(int x, int y) {
    const Rgba c = y < 4 ? (x < 4 ? red : green) : (x < 4 ? blue : white);
    return {c.r, c.g, c.b, 255};
}

// A 32 x 32 frame: mixed colours and alphas in columns 9-20 and rows 5-26,
// transparent around, with colour left under alpha 0 (which a linear filter
// mixes into the edge).
pf::Bytes innerFrame() {
    unsigned seed = 7;
    return tgaOf(32, 32, [&](int x, int y) {
        seed = seed * 1103515245u + 12345u;
        const bool inside = x >= 9 && x <= 20 && y >= 5 && y <= 26;
        return std::array<int, 4>{x * 8, y * 8, int(seed >> 8) & 0xFF, inside ? 40 + int(seed >> 16) % 216 : 0};
    });
}

// Opaque up to its edges: the clamped border fades them.
std::array<int, 4> edge(int x, int y) { return {255 - x * 12, 200, y * 15, 255}; }

// Pixels of two window images whose colour differs, and the largest difference.
std::pair<int, int> difference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    int pixels = 0, largest = 0;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(a[i + c]) - int(b[i + c])));
        largest = std::max(largest, worst);
        pixels += worst > 0;
    }
    return {pixels, largest};
}


class SpriteDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("1011.tga", tgaOf(8, 8, quadrant)));
        ASSERT_TRUE(dir.write("1012.tga", pf::tgaFilled(4, 4, 255, 255, 0, 255)));
        pf::Bytes truncated = tgaOf(8, 8, quadrant);
        truncated.resize(60);
        ASSERT_TRUE(dir.write("1031.tga", truncated));
        ASSERT_TRUE(dir.write("1111.tga", innerFrame()));
        ASSERT_TRUE(dir.write("1112.tga", tgaOf(16, 16, edge)));
        ASSERT_TRUE(dir.write("1113.tga", pf::tgaFilled(8, 8, 255, 255, 255, 0)));  // shows nothing
        ASSERT_TRUE(dir.write("1311.tga", tgaOf(16, 16, edge)));
        renderer.load();
        renderer.loadSpriteSet(101, 2);
        renderer.loadSpriteSet(111, 3);
        renderer.loadSpriteSet(131, 1);
    }
    // A sprite at (x, 0.5) of half size s, tinted and turned.
    void draw(std::uint16_t set, std::int32_t frame, float x, float s, float angle = 0.0f, Rgba tint = white,
              std::uint8_t alpha = 100, std::uint16_t slot = 0, std::int32_t last = 0, float frameTime = 0.016f) {
        renderer.drawSprite(slot, set, Vector(x, 0.5f), s, s, angle, 0, frame, std::max(last, frame), 1.0f, tint.r,
                            tint.g, tint.b, alpha, frameTime);
    }
    TempDirectory dir{true};
    WorldRenderer renderer;
};

}  // namespace

TEST_F(SpriteDraw, PictureRowZeroLiesAtTheBottomTintAndTurnApplyAroundThePositionTheClockChoosesTheFrame) {
    draw(101, 1, 1.0f, 0.5f);  // covers 0.5..1.5 x 0..1
    expectShows({{0.75f, 0.25f, red}, {1.25f, 0.25f, green}, {0.75f, 0.75f, blue}, {1.25f, 0.75f, white},
                 {1.6f, 0.5f, black}, {0.4f, 0.5f, black}, {1.0f, 1.1f, black}});
    // Turned a quarter counter-clockwise under a magenta tint: the lower left
    // corner now lies at the lower right, green turns black, white magenta.
    glClear(GL_COLOR_BUFFER_BIT);
    draw(101, 1, 1.0f, 0.5f, 90.0f, {255, 0, 255});
    expectShows({{1.25f, 0.25f, red}, {1.25f, 0.75f, black}, {0.75f, 0.75f, {255, 0, 255}}, {0.75f, 0.25f, blue}});

    // Frames 1 and 2 (yellow) in one second on the clock of each slot; a
    // restarted clock counts its first frame twice; a time on the boundary
    // of the last frame still shows it.
    for (const auto& [slot, frameTime, colour] : std::vector<std::tuple<std::uint16_t, float, Rgba>>{
             {0, 0.1f, red}, {1, 0.35f, {255, 255, 0}}, {0, 0.2f, red}, {2, 0.5f, {255, 255, 0}}}) {
        glClear(GL_COLOR_BUFFER_BIT);
        draw(101, 1, 1.0f, 0.5f, 0.0f, white, 100, slot, 2, frameTime);
        EXPECT_TRUE(shows(0.75f, 0.25f, colour)) << "slot " << slot << " after " << frameTime;
    }
    EXPECT_EQ(renderer.currentSprite().set, 101);
    EXPECT_FLOAT_EQ(renderer.currentSprite().timePerFrame, 0.5f);
}

TEST_F(SpriteDraw, SetsAreLoadedOnceReleasedWithTheirTexturesAndBrokenPicturesStillDraw) {
    // Drawn from the atlas alone, a frame has no texture of its own.
    Picture* first = renderer.spriteSets().frame(101, 1);
    ASSERT_TRUE(first != nullptr && first->textureName == 0 && renderer.spriteSets().atlas(101) != nullptr);
    const std::uint32_t name = renderer.spriteSets().atlas(101)->texture();
    renderer.loadSpriteSet(101, 2);
    EXPECT_TRUE(renderer.spriteSets().frame(101, 1) == first && renderer.spriteSets().atlas(101)->texture() == name);
    EXPECT_EQ(renderer.spriteSets().frame(101, 3), nullptr);
    renderer.loadSpriteSet(0, 5);
    EXPECT_FALSE(renderer.spriteSets().isLoaded(0));
    renderer.releaseSpriteSet(101, 37);
    EXPECT_FALSE(renderer.spriteSets().isLoaded(101) || glIsTexture(name));
    renderer.releaseSpriteSet(101, 37);  // not loaded: nothing happens
    renderer.loadSpriteSet(101, 1);
    // The texture holds the image; the pixels are freed, the sizes stay.
    EXPECT_TRUE(renderer.spriteSets().frame(101, 1)->width > 0 && !renderer.spriteSets().frame(101, 1)->pixels);
    for (unsigned set : {170u, 175u, 181u}) renderer.loadSpriteSet(set, 1);
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(175, 1)->textureName), GL_REPEAT);  // the floor's sets repeat
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(170, 1)->textureName), GL_CLAMP);
    EXPECT_EQ(wrapOf(renderer.spriteSets().frame(181, 1)->textureName), GL_CLAMP);

    for (std::uint16_t set : {102, 103}) {  // no file at all, a truncated file
        renderer.loadSpriteSet(set, 1);
        const Picture* frame = renderer.spriteSets().frame(set, 1);
        ASSERT_TRUE(frame != nullptr && !frame->holdsImage() && glIsTexture(frame->textureName)) << set;
        glClear(GL_COLOR_BUFFER_BIT);
        draw(set, 1, 1.0f, 0.5f, 0.0f, green);
        // Whatever the driver shows for a texture without an image, the sprite stays in its square.
        EXPECT_TRUE(shows(1.6f, 0.5f, black)) << set;
    }
    // Frames never made, sets outside 101-170, a slot above 39, a channel above 2.
    draw(101, 5, 1.0f, 0.5f);
    draw(190, 1, 1.0f, 0.5f);
    draw(0, 1, 1.0f, 0.5f);
    draw(101, 1, 1.0f, 0.5f, 0.0f, white, 100, 40);
    renderer.drawSprite(0, 101, Vector(), 1, 1, 0, 3, 1, 1, 1, 255, 255, 255, 100, 0.1f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    SpriteSetStore floor(171, 180, 48);  // 48 slots make at most 47 frames
    floor.loadSpriteSet(171, 60);
    EXPECT_NE(floor.frame(171, 47), nullptr);
    EXPECT_EQ(floor.frame(171, 48), nullptr);
    const std::uint32_t floorName = floor.frame(171, 47)->textureName;
    floor.releaseAll();
    EXPECT_FALSE(glIsTexture(floorName));
}

TEST_F(SpriteDraw, FramesLandInTheAtlasCroppedToWhatTheyShowAndDrawItsOwnPixels) {
    const SpriteAtlas* atlas = renderer.spriteSets().atlas(111);
    ASSERT_NE(atlas, nullptr);
    const AtlasFrame* inner = atlas->frame(1);
    ASSERT_TRUE(inner != nullptr && !inner->blank);
    // Columns 8..21 and rows 4..27 of 32: one texel of border each way (the
    // pixels below show that the quad lands where the frame's texels do).
    EXPECT_FLOAT_EQ((inner->sRight - inner->sLeft) * static_cast<float>(atlas->width()), 14.0f);
    EXPECT_FLOAT_EQ((inner->tTop - inner->tBottom) * static_cast<float>(atlas->height()), 24.0f);
    EXPECT_TRUE(atlas->frame(3) != nullptr && atlas->frame(3)->blank && atlas->frame(4) == nullptr);

    // A blank frame draws nothing and leaves its colour current.
    blend();
    glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<std::uint8_t> cleared = gl::pixels();
    draw(111, 3, 0.0f, 1.0f, 0.0f, {51, 102, 153}, 40);
    EXPECT_EQ(difference(cleared, gl::pixels()).first, 0);
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    const GLfloat tint[4] = {0.2f, 0.4f, 0.6f, 0.4f};
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(colour[i], tint[i]) << i;

    // Magnified and shrunk, straight and turned, inner and edge frames, each
    // against the frame drawn from its own file's texture, as before the atlas.
    const struct {
        std::int32_t frame;
        float scale, angle;
    } cases[] = {{1, 0.9f, 0.0f},   {1, 0.6f, 33.0f},  {1, 0.07f, 90.0f},
                 {2, 0.8f, 0.0f},   {2, 0.5f, -20.0f}, {2, 0.04f, 200.0f}};
    for (const auto& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        Picture* own = nullptr;
        makeTexture(own, spriteFrameFileName(111, static_cast<unsigned>(c.frame)).text, TextureWrap::clamp);
        glTranslatef(0.3f, 0.5f, 0.0f);
        glColor4f(1.0f, 127 / 255.0f, 1.0f, 0.8f);  // as the sprite draw turns its bytes into colours
        glRotatef(c.angle, 0.0f, 0.0f, 1.0f);
        glScalef(c.scale, c.scale, 0.0f);
        glCallList(renderer.unitQuadList());
        glLoadIdentity();
        deletePicture(own);
        const std::vector<std::uint8_t> reference = gl::pixels();
        glClear(GL_COLOR_BUFFER_BIT);
        draw(111, c.frame, 0.3f, c.scale, c.angle, {255, 127, 255}, 80);
        const auto [pixels, largest] = difference(reference, gl::pixels());
        const int shown = difference(reference, cleared).first;
        ASSERT_GT(shown, 0) << "the frame showed nothing";
        EXPECT_LE(largest, 1) << "frame " << c.frame << " angle " << c.angle;
        EXPECT_LE(pixels * 50, std::max(shown, 50)) << "frame " << c.frame << " angle " << c.angle;
    }
    renderer.releaseSpriteSet(111, 3);
    EXPECT_EQ(renderer.spriteSets().atlas(111), nullptr);
    renderer.loadSpriteSet(175, 1);
    EXPECT_EQ(renderer.spriteSets().atlas(175), nullptr);  // the floor's sets keep their own textures
}

TEST_F(SpriteDraw, ABatchKeepsTheOrderWhereSpritesMeetAndGoesOutInOneCallPerAtlasWhereTheyDoNot) {
    blend();
    const std::uint64_t before = renderer.spriteBatch().drawCalls();
    renderer.beginSprites();
    // Red edge frame, green over it, (another set) blue over both, then red
    // again over the right half from the first set's atlas; a blue one far
    // from that red goes out with the first blue.
    draw(111, 2, 0.0f, 0.5f, 0.0f, red);
    draw(111, 2, 0.25f, 0.5f, 0.0f, green);
    EXPECT_EQ(renderer.spriteBatch().waiting(), 2);
    draw(131, 1, 0.5f, 0.5f, 0.0f, blue);
    draw(111, 2, 1.0f, 0.3f, 0.0f, red);
    draw(131, 1, -1.6f, 0.3f, 0.0f, blue);
    renderer.endSprites();
    EXPECT_TRUE(renderer.spriteBatch().waiting() == 0 && renderer.spriteBatch().drawCalls() - before == 3u);
    const Rgba first = gl::stagePixel(-0.4f, 0.5f), second = gl::stagePixel(-0.1f, 0.5f);
    const Rgba third = gl::stagePixel(0.4f, 0.5f), last = gl::stagePixel(1.0f, 0.5f);
    const Rgba far = gl::stagePixel(-1.6f, 0.5f);
    EXPECT_TRUE(far.b > 100 && far.r == 0) << far;
    EXPECT_TRUE(first.r > 100 && first.g == 0) << first;
    EXPECT_TRUE(second.g > 100 && second.r == 0) << second;
    EXPECT_TRUE(third.b > 100 && third.g == 0) << third;
    EXPECT_TRUE(last.r > 100 && last.b == 0) << last;
}

TEST_F(SpriteDraw, TheStagePicturesAreLoadedAndDestructionDeletesThem) {
    ASSERT_TRUE(dir.write("601.tga", pf::tgaFilled(2, 2, 10, 20, 30, 255)));
    std::vector<std::uint32_t> names;
    std::uint32_t quad = 0;
    {
        WorldRenderer stage;
        stage.load();
        quad = stage.unitQuadList();
        EXPECT_TRUE(stage.isLoaded() && glIsList(quad));
        // The first and last of each run of stage pictures; 863-869 repeat.
        for (unsigned n : {601u, 663u, 851u, 859u, 861u, 862u, 863u, 869u, 872u, 881u, 888u}) {
            ASSERT_NE(stage.picture(n), nullptr) << n;
            const std::uint32_t texture = stage.picture(n)->textureName;
            EXPECT_TRUE(glIsTexture(texture) && wrapOf(texture) == (n >= 863 && n <= 869 ? GL_REPEAT : GL_CLAMP)) << n;
            names.push_back(texture);
        }
        EXPECT_TRUE(stage.picture(601)->width == 2 && stage.picture(601)->opaque && !stage.picture(601)->pixels);
        for (unsigned n : {600u, 664u, 850u, 860u, 870u, 871u, 873u, 880u}) EXPECT_EQ(stage.picture(n), nullptr) << n;
        stage.loadSpriteSet(111, 3);
        names.push_back(stage.spriteSets().atlas(111)->texture());
    }
    for (std::uint32_t name : names) EXPECT_FALSE(glIsTexture(name)) << name;
    EXPECT_FALSE(glIsList(quad));
}
