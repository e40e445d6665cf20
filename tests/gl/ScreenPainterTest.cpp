// Pictures drawn on the screen: where the painter's squares land, what it
// skips, and drawing that skips work only where the pixels cannot change
// (an opaque picture over the whole window, hidden drawing).
#include <gtest/gtest.h>

#include <vector>

#include "gl/GlContext.h"
#include "render/ScreenPainter.h"
#include "render/TextureUpload.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

// Opaque rows of changing colour, but for one texel of the given alpha.
pf::Bytes backdrop(int w, int h, int alphaOfOne = 255) {
    return tgaOf(w, h, [=](int x, int y) {
        return std::array<int, 4>{x % 256, y % 256, 90, x == 5 && y == 7 ? alphaOfOne : 255};
    });
}

class ScreenPainterDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("900.tga", pf::tgaFilled(4, 4, 255, 255, 255, 255)));
        ASSERT_TRUE(dir.write("8951.tga", pf::tgaFilled(4, 4, 0, 255, 0, 255)));
        painter.create();
        for (unsigned n : {900u, 8951u}) painter.load(n);
    }
    void drawOverWindow(unsigned number) {
        painter.drawPicture(number, 0.0f, 0.0f, ScreenPainter::windowHalfWidth, ScreenPainter::windowHalfHeight, 0.0f,
                            1.0f, 1.0f, 1.0f, 1.0f);
    }
    TempDirectory dir{true};
    ScreenPainter painter;
};

}  // namespace

TEST_F(ScreenPainterDraw, SquaresLandWhereTheirStageUnitsSayAndWhatCannotBeDrawnIsSkipped) {
    EXPECT_EQ(painter.loadedCount(), 2);
    // White tinted red at (1, 0.5), half sizes 0.5 and 0.25; turned by 90
    // degrees a green square stands upright.
    painter.drawPicture(900, 1.0f, 0.5f, 0.5f, 0.25f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    painter.drawPicture(8951, -1.0f, 0.0f, 0.5f, 0.25f, 90.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    expectShows(
        {{1.0f, 0.5f, red}, {1.25f, 0.5f, red}, {1.0f, 0.85f, black}, {-1.0f, 0.25f, green}, {-1.4f, 0.0f, black}});

    glClear(GL_COLOR_BUFFER_BIT);
    PictureBatch batch;
    batch.add(900, -2.0f, -1.5f, 0.2f, 0.2f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    batch.add(901, 2.0f, 1.5f, 0.2f, 0.2f);   // never loaded: skipped
    batch.add(900, 0.0f, 0.0f, -0.2f, 0.2f);  // turned inside out: skipped
    painter.draw(batch);
    expectShows({{-2.0f, -1.5f, blue}, {2.0f, 1.5f, black}, {0.0f, 0.0f, black}});

    // Released, 900 draws nothing; 902 has no file: an empty picture, drawn
    // in its plain colour; a number beyond the table is refused.
    painter.release(900);
    glClear(GL_COLOR_BUFFER_BIT);
    painter.drawPicture(900, -2.0f, -1.5f, 0.2f, 0.2f, 0.0f, 1, 1, 1, 1);
    painter.load(902);
    ASSERT_TRUE(painter.isLoaded(902));
    painter.drawPicture(902, 0.0f, 0.0f, 0.3f, 0.3f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    expectShows({{-2.0f, -1.5f, black}, {0.0f, 0.0f, {255, 255, 0}}});
    // Drawn only over its visible texels, a picture with a clear margin shows
    // them where the whole square puts them: red left of green.
    ASSERT_TRUE(dir.write("903.tga", tgaOf(16, 16, [](int x, int y) {
        return std::array<int, 4>{x < 8 ? 255 : 0, x < 8 ? 0 : 255, 0, x >= 4 && x < 12 && y >= 4 && y < 12 ? 255 : 0};
    })));
    painter.load(903);
    glClear(GL_COLOR_BUFFER_BIT);
    blend();
    painter.drawPicture(903, 0.0f, 0.0f, 1.6f, 1.6f, 0.0f, 1, 1, 1, 1);
    expectShows({{-0.5f, 0.0f, red}, {0.5f, 0.0f, green}, {-1.3f, 0.0f, black}, {0.0f, 1.3f, black}});
    painter.load(ScreenPainter::tableSize);
    EXPECT_FALSE(painter.isLoaded(900) || painter.isLoaded(ScreenPainter::tableSize));
}

TEST_F(ScreenPainterDraw, OnlyAnOpaquePictureAsLargeAsTheWindowCoversItAndHiddenDrawingReachesNoPixel) {
    ASSERT_TRUE(dir.write("98.tga", backdrop(1024, 1024)));
    ASSERT_TRUE(dir.write("97.tga", backdrop(1024, 1024, 254)));  // one texel not quite opaque
    ASSERT_TRUE(dir.write("96.tga", backdrop(512, 512)));         // smaller than the window
    for (unsigned n : {98u, 97u, 96u}) painter.load(n);
    EXPECT_TRUE(painter.isOpaque(98) && painter.coversWindow(98));
    EXPECT_FALSE(painter.isOpaque(97) || painter.coversWindow(97));
    EXPECT_TRUE(painter.isOpaque(96) && !painter.coversWindow(96)) << "its filter would reach the clamped border";
    EXPECT_FALSE(painter.coversWindow(95)) << "not loaded";

    // Over green, then over black and a turned red square: the same pixels.
    blend();
    glClearColor(0.0f, 1.0f, 0.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT);
    drawOverWindow(98);
    const std::vector<std::uint8_t> blended = gl::pixels();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    painter.drawPicture(900, 0.5f, 0.5f, 1.0f, 1.0f, 30.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    drawOverWindow(98);
    EXPECT_TRUE(gl::pixels() == blended);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "blending is on again for what follows";
    // The nearly opaque picture stays blended: the red shows through its texel.
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    drawOverWindow(97);
    EXPECT_FALSE(gl::pixels() == blended);
    painter.release(98);
    EXPECT_FALSE(painter.isOpaque(98) || painter.coversWindow(98));

    // Hidden drawing reaches no pixel and ends cleanly.
    const std::vector<std::uint8_t> before = gl::pixels();
    painter.beginHiddenDrawing();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    painter.drawPicture(900, 0.0f, 0.0f, 2.0f, 2.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    painter.endHiddenDrawing();
    EXPECT_TRUE(gl::pixels() == before);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    painter.drawPicture(900, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(shows(0.0f, 0.0f, red));
}

// The texture upload reads exactly the picture's width x height x 4 bytes,
// row after row, whatever unpack state other code left behind; a grey image
// is kept as luminance (and alpha) unless it repeats.
TEST_F(ScreenPainterDraw, AnOddSizedPictureArrivesWholeWhateverTheUnpackStateWas) {
    const struct { bool grey, opaque; TextureWrap wrap; GLint kept; } cases[] = {
        {false, false, TextureWrap::clamp, 4}, {true, false, TextureWrap::clamp, GL_LUMINANCE_ALPHA},
        {true, true, TextureWrap::clamp, GL_LUMINANCE}, {true, true, TextureWrap::repeat, 4}};
    for (const auto& c : cases) {
        const bool compact = c.grey && c.wrap == TextureWrap::clamp;
        pf::Bytes rgba, stored;  // 3 x 5 pixels, each of its own colour; the texels the texture holds
        for (int i = 0; i < 15; ++i) {
            const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
            const std::uint8_t r = byte(10 + i * 16), a = byte(c.opaque ? 255 : 255 - i);
            const pf::Bytes texel{r, c.grey ? r : byte(250 - i * 13), c.grey ? r : byte(i * 7), a};
            rgba.insert(rgba.end(), texel.begin(), texel.end());
            compact ? stored.insert(stored.end(), {r, a}) : stored.insert(stored.end(), texel.begin(), texel.end());
        }
        ASSERT_TRUE(dir.write("701.tga", pf::tgaRgba(3, 5, rgba)));
        const GLenum unpack[] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS};
        const GLint odd[] = {8, 64, 3, 5}, usual[] = {4, 0, 0, 0};
        for (int i = 0; i < 4; ++i) glPixelStorei(unpack[i], odd[i]);
        Picture* picture = nullptr;
        makePictureTexture(picture, 701, c.wrap);
        for (int i = 0; i < 4; ++i) glPixelStorei(unpack[i], usual[i]);
        ASSERT_TRUE(picture != nullptr && picture->holdsImage());

        GLint width = -1, height = -1, format = -1;
        glBindTexture(GL_TEXTURE_2D, picture->textureName);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
        EXPECT_TRUE(width == 3 && height == 5 && format == c.kept) << format;
        pf::Bytes texture(stored.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, compact ? GL_LUMINANCE_ALPHA : GL_RGBA, GL_UNSIGNED_BYTE, texture.data());
        EXPECT_EQ(texture, stored) << c.grey << c.opaque;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        deletePicture(picture);
    }
}
