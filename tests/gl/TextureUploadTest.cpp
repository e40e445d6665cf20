// The texture upload reads exactly the picture's width x height x 4 bytes,
// row after row, whatever unpack state other code left behind: a pixel
// store of row length, skips or alignment would otherwise make it read past
// the end of the picture's buffer.

#include <gtest/gtest.h>

#include <vector>

#include "gl/GlContext.h"
#include "render/TextureUpload.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

class TextureUpload : public GlTest {
protected:
    void TearDown() override {
        deletePicture(picture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    }

    // The texture's level 0 as OpenGL holds it, packed row after row.
    std::vector<std::uint8_t> textureBytes(int width, int height) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width * height * 4), 0);
        glBindTexture(GL_TEXTURE_2D, picture->textureName);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glPixelStorei(GL_PACK_ROW_LENGTH, 0);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
        return bytes;
    }

    TempDirectory dir{true};
    Picture* picture = nullptr;
};

TEST_F(TextureUpload, AnOddSizedPictureArrivesWholeWhateverTheUnpackStateWas) {
    // 3 x 5 pixels, each of its own colour.
    pf::Bytes rgba;
    for (int i = 0; i < 15; ++i) {
        rgba.insert(rgba.end(), {static_cast<std::uint8_t>(10 + i * 16), static_cast<std::uint8_t>(250 - i * 13),
                                 static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i)});
    }
    ASSERT_TRUE(dir.write("701.tga", pf::tgaRgba(3, 5, rgba)));

    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 64);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 5);
    makePictureTexture(picture, 701, TextureWrap::clamp);
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(picture->holdsImage());
    ASSERT_NE(picture->textureName, 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, picture->textureName);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    ASSERT_EQ(width, 3);
    ASSERT_EQ(height, 5);
    EXPECT_EQ(textureBytes(3, 5), rgba);
}

TEST_F(TextureUpload, APictureThatLiesAboutItsSizeGetsANameAndNoImage) {
    // A header of 4096 x 4096 pixels over the bytes of 2 x 2.
    pf::Bytes lying = pf::tgaFilled(2, 2, 1, 2, 3, 4);
    pf::put16(lying, 12, 4096);
    pf::put16(lying, 14, 4096);
    ASSERT_TRUE(dir.write("702.tga", lying));
    makePictureTexture(picture, 702, TextureWrap::repeat);
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->holdsImage());
    EXPECT_EQ(picture->pixels, nullptr);
    ASSERT_NE(picture->textureName, 0u);
    GLint width = -1;
    glBindTexture(GL_TEXTURE_2D, picture->textureName);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
