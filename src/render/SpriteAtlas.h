#pragma once

#include <cstdint>

#include "image/Picture.h"

// Where one frame of a sprite set lies in its set's atlas texture.
//
// A frame is drawn as the unit quad (-1..1) textured from (0, 0) to (1, 1)
// with GL_LINEAR and GL_CLAMP, whose border colour is transparent black.
// Blended with (SRC_ALPHA, ONE_MINUS_SRC_ALPHA), a pixel whose filtered
// texel has alpha 0 leaves the picture as it was. The atlas keeps only the
// part of the quad that can show anything: the texels with alpha above 0
// widened by one texel (as far as a linear filter reaches), and around that
// one more ring of the frame's own texels (transparent black beyond the
// frame's edge, as the clamped border gives). Every sample the smaller quad
// takes then reads the same texels as before, and nothing outside it could
// have changed a pixel.
struct AtlasFrame {
    bool present = false;  // made from a whole image, and it fitted
    bool blank = false;    // no texel with alpha above 0: the frame shows nothing
    // The drawn part of the unit quad: left, bottom, right, top.
    float left = -1.0f;
    float bottom = -1.0f;
    float right = 1.0f;
    float top = 1.0f;
    // Its texture coordinates in the atlas.
    float sLeft = 0.0f;
    float tBottom = 0.0f;
    float sRight = 1.0f;
    float tTop = 1.0f;
};

// The visible texels of a picture: columns [left, right) and rows
// [bottom, top) widened by one texel and kept inside the picture. Empty
// (all 0) for a picture without a texel of alpha above 0.
struct TexelBox {
    std::int32_t left = 0;
    std::int32_t bottom = 0;
    std::int32_t right = 0;
    std::int32_t top = 0;
    bool empty() const { return right <= left || top <= bottom; }
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return top - bottom; }
};
TexelBox visibleTexels(const Picture& picture);

// Shelf packing of rectangles, in order, rows from the bottom up, into a
// power-of-two texture of the given width; the height is the smallest power
// of two that holds every row. A rectangle wider than the texture, or rows
// beyond maxSide, are not placed (placed[i] false).
struct AtlasPlan {
    static constexpr int capacity = 64;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t x[capacity] = {};
    std::int32_t y[capacity] = {};
    bool placed[capacity] = {};
};
AtlasPlan planAtlas(const std::int32_t* widths, const std::int32_t* heights, int count, std::int32_t width,
                    std::int32_t maxSide);

// One texture holding every frame of one sprite set, cropped as above.
// Construction makes no OpenGL call; build and release need a context.
class SpriteAtlas {
public:
    static constexpr int maxFrames = AtlasPlan::capacity;
    static constexpr std::int32_t maxSide = 2048;

    SpriteAtlas() = default;
    ~SpriteAtlas();
    SpriteAtlas(const SpriteAtlas&) = delete;
    SpriteAtlas& operator=(const SpriteAtlas&) = delete;

    // frames[f] for f in 1..count (frames[0] is not read); null pictures and
    // pictures without an image stay out of the atlas. Replaces what was built.
    void build(Picture* const* frames, int count);
    void release();

    std::uint32_t texture() const { return textureName; }
    std::int32_t width() const { return atlasWidth; }
    std::int32_t height() const { return atlasHeight; }
    // Null when the frame is outside 1..count or not in the atlas.
    const AtlasFrame* frame(std::int32_t number) const;

private:
    AtlasFrame frames[maxFrames];
    std::uint32_t textureName = 0;
    std::int32_t atlasWidth = 0;
    std::int32_t atlasHeight = 0;
};
