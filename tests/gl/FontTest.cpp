#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "gl/GlContext.h"
#include "render/Font.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {
// The window is 1.6 times the 640 x 480 text space.
constexpr float textScale = GlContext::width / 640.0f;

// A 256 x 256 font picture, black but for two cells: "A" of the upper half
// (column 1, row 2 from the top) white, "A" of the lower half (row 10) red.
pf::Bytes fontPicture() {
    pf::Bytes rgba;
    for (int y = 0; y < 256; ++y) {
        const int rowFromTop = 15 - y / 16;  // buffer row 0 is the bottom of the picture
        for (int x = 0; x < 256; ++x) {
            const int column = x / 16;
            std::uint8_t r = 0, g = 0, b = 0;
            if (column == 1 && rowFromTop == 2) r = g = b = 255;
            if (column == 1 && rowFromTop == 10) r = 255;
            rgba.insert(rgba.end(), {r, g, b, 255});
        }
    }
    return pf::tgaRgba(256, 256, rgba);
}

class FontDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("476.tga", fontPicture()));
        font.buildFont();
        ASSERT_TRUE(font.isBuilt());
    }

    // Window pixel of a point of the text space.
    static Rgba textPixel(float x, float y) {
        return GlContext::pixel(static_cast<int>(x * textScale), static_cast<int>(y * textScale));
    }

    // The first and last window columns, along the text-space line y, that are lit.
    static std::pair<int, int> litSpan(float y) {
        const int row = static_cast<int>(y * textScale);
        int first = -1, last = -1;
        for (int x = 0; x < GlContext::width / 2; ++x) {
            const Rgba c = GlContext::pixel(x, row);
            if (std::max({c.r, c.g, c.b}) > 127) {
                if (first < 0) first = x;
                last = x;
            }
        }
        return {first, last};
    }

    TempDirectory dir{true};
    Font font;
};
}  // namespace

TEST_F(FontDraw, EachSetHasItsCellsSizeAdvanceAndTint) {
    struct Case {
        int set;
        const char* text;
        float left;
        float size;
        float red, green, blue;
        Rgba colour;
    };
    const Rgba white{255, 255, 255, 255};
    const Case cases[] = {
        {0, "A", 100, 24, 1, 1, 1, white},
        {0, "A", 100, 24, 0, 1, 0, {0, 255, 0, 255}},  // the colour tints the text
        {0, " A", 110, 24, 1, 1, 1, white},
        {0, "\xC1\x01" "A\xFF", 100, 24, 1, 1, 1, white},  // characters outside ASCII are skipped
        {1, " A", 110, 32, 1, 1, 1, {255, 0, 0, 255}},
        {2, " A", 108, 18, 1, 1, 1, white},
        {9, "BA", 108, 18, 1, 1, 1, white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "set " << c.set << " \"" << c.text << "\"");
        glClear(GL_COLOR_BUFFER_BIT);
        font.print(100, 100, c.set, 1.0f, c.red, c.green, c.blue, "%s", c.text);
        const float middle = 100 + c.size / 2;
        const auto [first, last] = litSpan(middle);
        EXPECT_NEAR(first, c.left * textScale, 2.0);
        EXPECT_NEAR(last, (c.left + c.size) * textScale, 2.0);
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, middle), c.colour));
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, 100 + c.size + 6), {0, 0, 0, 255})) << "above";
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, 95), {0, 0, 0, 255})) << "below";
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FontDraw, FormatsNumbersAndKeepsLongTextsInsideItsBuffer) {
    font.print(100, 100, 0, 1.0f, 1.0f, 1.0f, 1.0f, "%d%c", 7, 'A');  // "7A": A after one advance
    EXPECT_NEAR(litSpan(112).first, 110 * textScale, 2.0);

    glClear(GL_COLOR_BUFFER_BIT);
    const std::string longText(5000, 'A');
    font.print(0, 300, 0, 1.0f, 1.0f, 1.0f, 1.0f, "%s", longText.c_str());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(colourNear(textPixel(12, 312), {255, 255, 255, 255}));
}

TEST_F(FontDraw, PrintingLeavesBothMatricesAsTheyWere) {
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0.5f, 0.25f, 0.0f);
    GLfloat projectionBefore[16], modelviewBefore[16], projectionAfter[16], modelviewAfter[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projectionBefore);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelviewBefore);
    for (const char* text : {"A", "", "\x80"}) {
        font.print(10, 10, 1, 1.0f, 1.0f, 1.0f, 1.0f, "%s", text);
        glGetFloatv(GL_PROJECTION_MATRIX, projectionAfter);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelviewAfter);
        for (int i = 0; i < 16; ++i) {
            EXPECT_FLOAT_EQ(projectionAfter[i], projectionBefore[i]) << "\"" << text << "\" " << i;
            EXPECT_FLOAT_EQ(modelviewAfter[i], modelviewBefore[i]) << "\"" << text << "\" " << i;
        }
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FontDraw, TheFontTextureRepeatsAndDeletingFreesListsAndTexture) {
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, font.picture()->textureName);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
    EXPECT_EQ(wrap, GL_REPEAT);

    const std::uint32_t texture = font.picture()->textureName;
    const std::uint32_t lists = font.firstList();
    EXPECT_TRUE(glIsList(lists));
    EXPECT_TRUE(glIsList(lists + Font::listCount - 1));
    font.deleteFont();
    EXPECT_FALSE(font.isBuilt());
    EXPECT_EQ(font.picture(), nullptr);
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(glIsList(lists));
    EXPECT_FALSE(glIsList(lists + Font::listCount - 1));
    font.print(100, 100, 0, 1.0f, 1.0f, 1.0f, 1.0f, "A");  // a deleted font prints nothing
    EXPECT_TRUE(colourNear(textPixel(112, 112), {0, 0, 0, 255}));
}

using FontWithoutPicture = GlTest;

TEST_F(FontWithoutPicture, AMissingFontPictureStillBuildsItsLists) {
    TempDirectory empty(true);
    Font font;
    font.buildFont();
    ASSERT_TRUE(font.isBuilt());
    ASSERT_NE(font.picture(), nullptr);
    EXPECT_NE(font.picture()->textureName, 0u);
    EXPECT_FALSE(font.picture()->holdsImage());
    font.print(100, 100, 0, 1.0f, 1.0f, 1.0f, 1.0f, "Ballerinas Happy");
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
