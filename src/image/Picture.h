#pragma once

#include <cstddef>
#include <cstdint>

// No picture file the readers accept is larger: a 4096 x 4096 TGA of 32 bits
// is 64 MiB plus its headers. Anything larger is refused before it is read.
constexpr std::size_t maxPictureFileBytes = 80u * 1024u * 1024u;

enum class PictureFormat : std::int32_t { none = -1, pcx = 0, bmp = 1, tga = 2 };

// Deletes one texture name. The texture code stores it with the name, so this
// folder never calls the graphics library itself.
using TextureDeleter = void (*)(std::uint32_t textureName);

// Largest side any reader accepts; the texture upload trusts what passes.
constexpr std::int32_t maxPictureSide = 4096;

// True for a side of 1 to maxPictureSide.
constexpr bool pictureSideFits(std::int64_t side) { return side >= 1 && side <= maxPictureSide; }

// One decoded picture: RGBA pixels (row 0 is the first row the file stores),
// its size and the texture made from it. An empty picture has no pixels and
// sides of 0; its texture name may still be set.
class Picture {
public:
    Picture() = default;
    // Deletes the texture (through the stored deleter), then frees pixels and palette.
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    std::int32_t textureHeight = 0;   // PCX: largest power of two not above the height
    std::int32_t textureWidth = 0;    // PCX: largest power of two not above the width
    std::uint8_t* palette = nullptr;  // PCX: 256 x (red, green, blue); owned
    PictureFormat format = PictureFormat::none;
    std::uint32_t imageType = 0;      // TGA: image type byte of the file
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitsPerPixel = 0;   // TGA: pixel depth byte of the file
    std::uint32_t textureName = 0;    // written by the texture code
    std::uint8_t* pixels = nullptr;   // width x height x 4 bytes when not empty; owned
    std::size_t pixelBytes = 0;       // bytes held at pixels
    TextureDeleter textureDeleter = nullptr;
    // Set by releasePixels: every texel of the released image had alpha 255.
    bool opaque = false;

    // The pixel buffer holds width x height x 4 bytes for sides of 1 to 4096.
    bool holdsImage() const;
    // Every texel has alpha 255: read from the pixels while they are held,
    // afterwards what releasePixels remembered.
    bool allOpaque() const;

    // Takes a malloc'd RGBA buffer of the given size; frees the one held before.
    void adoptPixels(std::uint8_t* buffer, std::size_t bytes);
    // Takes a malloc'd 768-byte palette; frees the one held before.
    void adoptPalette(std::uint8_t* buffer);
    // Once the texture holds the image nothing reads the pixels again: frees
    // pixels and palette, keeps the sizes and remembers in `opaque` whether
    // every texel had alpha 255.
    void releasePixels();
    // Frees pixels and palette and sets every size to 0. The texture name stays.
    void makeEmpty();
    // Deletes the texture through the deleter, if there is one, and forgets the name.
    void deleteTexture();
};
