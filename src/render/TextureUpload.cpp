#include "render/TextureUpload.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "image/PictureLoader.h"

void deleteTextureName(std::uint32_t name) {
    const GLuint texture = name;
    glDeleteTextures(1, &texture);
}

PictureFileName pictureFileName(unsigned number) {
    PictureFileName name{};
    std::snprintf(name.text, sizeof name.text, "%u.tga", number);
    return name;
}

PictureFileName spriteFrameFileName(unsigned set, unsigned frame) {
    PictureFileName name{};
    std::snprintf(name.text, sizeof name.text, "%u%u.tga", set, frame);
    return name;
}

void readPicture(Picture*& slot, const char* fileName) {
    deletePicture(slot);
    slot = new (std::nothrow) Picture;
    if (slot != nullptr) loadPicture(*slot, fileName);  // a missing or broken file leaves an empty picture
}

void giveTexture(Picture& picture, TextureWrap wrap) {
    GLuint name = 0;
    glGenTextures(1, &name);
    picture.textureName = name;
    picture.textureDeleter = deleteTextureName;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (wrap != TextureWrap::unset) {
        const GLint mode = wrap == TextureWrap::repeat ? GL_REPEAT : GL_CLAMP;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
    }
    // An empty picture keeps a name without an image: drawing with it is untextured.
    // A repeating picture, the dance floor's pattern, fills the window every
    // frame: it keeps four bytes a texel, which llvmpipe samples faster.
    if (picture.holdsImage())
        uploadRgbaImage(picture.width, picture.height, picture.pixels, wrap != TextureWrap::repeat);
}

void makeTexture(Picture*& slot, const char* fileName, TextureWrap wrap) {
    readPicture(slot, fileName);
    if (slot != nullptr) giveTexture(*slot, wrap);
}

namespace {

// Bytes a texel needs to keep the image: 1 (luminance) when every texel is
// grey and opaque, 2 (luminance and alpha) when every texel is grey, else 4.
int texelBytes(const std::uint8_t* pixels, std::size_t texels) {
    bool opaque = true;
    for (std::size_t i = 0; i < texels; ++i) {
        const std::uint8_t* texel = pixels + i * 4;
        if (texel[0] != texel[1] || texel[1] != texel[2]) return 4;
        opaque = opaque && texel[3] == 255;
    }
    return opaque ? 1 : 2;
}

}  // namespace

void uploadRgbaImage(std::int32_t width, std::int32_t height, const std::uint8_t* pixels, bool compact) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    const std::size_t texels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const int bytes = pixels != nullptr && compact ? texelBytes(pixels, texels) : 4;
    const std::size_t greyBytes = texels * static_cast<std::size_t>(bytes);
    auto* grey = bytes < 4 ? static_cast<std::uint8_t*>(std::malloc(greyBytes)) : nullptr;
    if (grey == nullptr) {
        glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        return;
    }
    // Under GL_MODULATE a luminance texel tints as the grey RGB one did.
    for (std::size_t i = 0; i < texels; ++i) {
        grey[i * bytes] = pixels[i * 4];
        if (bytes == 2) grey[i * 2 + 1] = pixels[i * 4 + 3];
    }
    const GLenum format = bytes == 1 ? GL_LUMINANCE : GL_LUMINANCE_ALPHA;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format, GL_UNSIGNED_BYTE, grey);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    std::free(grey);
}

bool everyTexelOpaque(const Picture* picture) { return picture != nullptr && picture->allOpaque(); }

void makePictureTexture(Picture*& slot, unsigned number, TextureWrap wrap) {
    makeTexture(slot, pictureFileName(number).text, wrap);
}

void deletePicture(Picture*& slot) {
    delete slot;
    slot = nullptr;
}

void bindPicture(const Picture* picture) {
    glBindTexture(GL_TEXTURE_2D, picture ? picture->textureName : 0);
}
