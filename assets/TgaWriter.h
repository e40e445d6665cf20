#pragma once

#include <string>

#include "Image.h"

// Uncompressed TGA files. The game's pictures are 32-bit (type 2, blue, green,
// red, alpha in the file), written bottom row first: the reader does not flip,
// and texture row 0 is the bottom of a sprite.
namespace TgaWriter {
bool write32(const std::string& path, const Image& image);
// Further kinds for the readers' seed corpus.
bool write24(const std::string& path, const Image& image);
bool writeGrey(const std::string& path, const Image& image);
bool writeRunLength32(const std::string& path, const Image& image);  // type 10, which the game refuses
}  // namespace TgaWriter
