#pragma once

#include <cstdint>

#include "image/Picture.h"

enum class TextureWrap {
    clamp,   // GL_CLAMP on both axes
    repeat,  // GL_REPEAT on both axes
    unset    // no wrap parameters: the OpenGL default (GL_REPEAT) applies
};

// A picture's file name: "601.tga" for picture 601, "10112.tga" for frame 12
// of sprite set 101 (set and frame in decimal, one after the other).
struct PictureFileName {
    char text[32];
};
PictureFileName pictureFileName(unsigned number);
PictureFileName spriteFrameFileName(unsigned set, unsigned frame);

// The one way a picture file becomes a texture: a new Picture goes into the
// slot (the one held there before is deleted), the file is read, a texture
// name is made and bound even when the picture is empty, with GL_MODULATE,
// GL_LINEAR filters and the wrap mode; the pixels are uploaded (as
// uploadRgbaImage does, compact unless the picture repeats) only when the
// picture holds a whole image. The
// Picture keeps its pixels. Needs a current OpenGL context.
void makeTexture(Picture*& slot, const char* fileName, TextureWrap wrap);
// The two halves of makeTexture: reading the file into a new Picture in the
// slot, and giving a picture its texture.
void readPicture(Picture*& slot, const char* fileName);
void giveTexture(Picture& picture, TextureWrap wrap);
void makePictureTexture(Picture*& slot, unsigned number, TextureWrap wrap);

// Uploads a whole RGBA image into the bound texture (no mipmaps). Rows are
// read packed one after the other from the buffer's first byte: exactly
// width x height x 4 bytes, whatever other code may have left in the unpack
// state. When `compact`, an image whose every texel is grey is kept as
// luminance and alpha (luminance alone when also opaque): the same texels
// under GL_MODULATE in a half or a quarter of the memory.
void uploadRgbaImage(std::int32_t width, std::int32_t height, const std::uint8_t* pixels, bool compact = true);

// True when every texel of the picture's image (held, or released after its
// upload) has alpha 255: drawn at alpha 1 it replaces what lies under it.
bool everyTexelOpaque(const Picture* picture);

// Deletes the picture (and so its texture) and nulls the slot.
void deletePicture(Picture*& slot);
// Deletes one texture name of OpenGL.
void deleteTextureName(std::uint32_t name);

// Binds the picture's texture; texture 0 when there is no picture.
void bindPicture(const Picture* picture);
