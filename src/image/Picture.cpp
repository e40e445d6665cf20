#include "image/Picture.h"

#include <cstdlib>

Picture::~Picture() {
    deleteTexture();
    makeEmpty();
}

bool Picture::holdsImage() const {
    if (pixels == nullptr || !pictureSideFits(width) || !pictureSideFits(height)) return false;
    const std::uint64_t needed = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4u;
    return pixelBytes >= needed;
}

void Picture::adoptPixels(std::uint8_t* buffer, std::size_t bytes) {
    std::free(pixels);
    pixels = buffer;
    pixelBytes = buffer ? bytes : 0;
}

void Picture::adoptPalette(std::uint8_t* buffer) {
    std::free(palette);
    palette = buffer;
}

bool Picture::allOpaque() const {
    if (!holdsImage()) return opaque;
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u;
    for (std::size_t i = 3; i < bytes; i += 4) {
        if (pixels[i] != 255) return false;
    }
    return true;
}

void Picture::releasePixels() {
    if (!holdsImage()) return;
    opaque = allOpaque();
    std::free(pixels);
    std::free(palette);
    pixels = nullptr;
    palette = nullptr;
    pixelBytes = 0;
}

void Picture::makeEmpty() {
    std::free(pixels);
    std::free(palette);
    pixels = nullptr;
    palette = nullptr;
    pixelBytes = 0;
    opaque = false;
    width = 0;
    height = 0;
    textureWidth = 0;
    textureHeight = 0;
}

void Picture::deleteTexture() {
    if (textureName != 0 && textureDeleter != nullptr) textureDeleter(textureName);
    textureName = 0;
}
