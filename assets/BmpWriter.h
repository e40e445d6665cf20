#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

// Uncompressed Windows BMP files, bottom row first, rows padded to four bytes.
namespace BmpWriter {
// 8 bits per pixel with a palette of 256 (red, green, blue) entries; indices
// are given top row first.
bool write8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
            const std::vector<std::uint8_t>& paletteRgb);
// 24 bits per pixel (alpha dropped), biSizeImage filled in.
bool write24(const std::string& path, const Image& image);
}  // namespace BmpWriter
