#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "gl/GlContext.h"
#include "render/Font.h"
#include "support/TempDirectory.h"

namespace {
// The window is 1.6 times the 640 x 480 text space.
constexpr float textScale = gl::width / 640.0f;

Rgba textPixel(float x, float y) { return gl::pixel(static_cast<int>(x * textScale), static_cast<int>(y * textScale)); }

// The first and last window columns, along the text-space line y, that are lit.
std::pair<int, int> litSpan(float y) {
    const auto row = gl::pixels(0, static_cast<int>(y * textScale), gl::width / 2, 1);
    int first = -1, last = -1;
    for (int x = 0; x < gl::width / 2; ++x) {
        if (std::max({row[4 * x], row[4 * x + 1], row[4 * x + 2]}) <= 127) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

// The projection and model-view matrices, then the matrix mode.
std::array<GLfloat, 33> matrices() {
    std::array<GLfloat, 33> m{};
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data() + 16);
    m[32] = static_cast<GLfloat>(mode);
    return m;
}

class FontDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        // A 256 x 256 font picture, black but for two cells: "A" of the upper
        // half (column 1, row 2 from the top) white, "A" of the lower half (row 10) red.
        ASSERT_TRUE(dir.write("476.tga", tgaOf(256, 256, [](int x, int y) {
            const int rowFromTop = 15 - y / 16;
            const bool lit = x / 16 == 1 && (rowFromTop == 2 || rowFromTop == 10);
            const int gb = lit && rowFromTop == 2 ? 255 : 0;
            return std::array<int, 4>{lit ? 255 : 0, gb, gb, 255};
        })));
        font.buildFont();
        ASSERT_TRUE(font.isBuilt());
    }
    TempDirectory dir{true};
    Font font;
};
}  // namespace

TEST_F(FontDraw, EachSetHasItsCellsSizeAdvanceAndTintAndLeavesTheMatrices) {
    struct Case {
        int set;
        std::string text;
        float left, size;
        Rgba tint, colour;
    };
    const std::string longText(5000, 'A');  // kept inside the text buffer
    const Case cases[] = {
        {0, "A", 100, 24, white, white},
        {0, "A", 100, 24, green, green},  // the colour tints the text
        {0, " A", 110, 24, white, white},
        {0, "\xC1\x01" "A\xFF", 100, 24, white, white},  // characters outside ASCII are skipped
        {0, "7A", 110, 24, white, white},                 // a digit's cell is black
        {0, longText, 100, 24, white, white},
        {1, " A", 110, 32, white, red},
        {2, " A", 108, 18, white, white},
        {9, "BA", 108, 18, white, white},
    };
    const auto before = matrices();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "set " << c.set << " \"" << c.text.substr(0, 8) << "\"");
        glClear(GL_COLOR_BUFFER_BIT);
        font.print(100, 100, c.set, 1.0f, c.tint.r / 255.0f, c.tint.g / 255.0f, c.tint.b / 255.0f, "%s",
                   c.text.c_str());
        EXPECT_EQ(matrices(), before);  // the model-view matrix current, as before
        const float middle = 100 + c.size / 2;
        const auto [first, last] = litSpan(middle);
        EXPECT_NEAR(first, c.left * textScale, 2.0);
        if (c.text.size() < 10) {  // a long text runs out of the half window looked at
            EXPECT_NEAR(last, (c.left + c.size) * textScale, 2.0);
        }
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, middle), c.colour));
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, 100 + c.size + 6), black)) << "above";
        EXPECT_TRUE(colourNear(textPixel(c.left + c.size / 2, 95), black)) << "below";
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FontDraw, TheTextureRepeatsDeletingFreesItAMissingPictureStillBuilds) {
    EXPECT_EQ(wrapOf(font.picture()->textureName, GL_TEXTURE_WRAP_T), GL_REPEAT);
    const std::uint32_t texture = font.picture()->textureName;
    font.deleteFont();
    EXPECT_TRUE(!font.isBuilt() && font.picture() == nullptr);
    EXPECT_FALSE(glIsTexture(texture));
    font.print(100, 100, 0, 1.0f, 1.0f, 1.0f, 1.0f, "A");  // a deleted font prints nothing
    EXPECT_TRUE(colourNear(textPixel(112, 112), black));

    TempDirectory empty(true);
    Font missing;
    missing.buildFont();
    ASSERT_TRUE(missing.isBuilt() && missing.picture() != nullptr);
    EXPECT_TRUE(missing.picture()->textureName != 0u && !missing.picture()->holdsImage());
    missing.print(100, 100, 0, 1.0f, 1.0f, 1.0f, 1.0f, "Ballerinas Happy");
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
