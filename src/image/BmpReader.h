#pragma once

#include <cstddef>
#include <cstdint>

#include "files/ByteBuffer.h"

// The 40-byte BMP information header, as stored.
struct BmpInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// 24-bit uncompressed BMP ("BM"). Fills the information header and returns
// width x height pixels of red, green, blue in file order (bottom row first
// for an ordinary BMP), each row without its filler bytes. Neither
// biSizeImage nor the pixel offset is trusted: the pixels must lie inside the
// file, and a biSizeImage smaller than the rows it should hold, or larger than
// what follows the offset, refuses the file. A biSizeImage of 0 means "as
// large as the rows", as BMP allows. Sides outside 1 to 4096 (a negative
// height, too) refuse the file: empty buffer.
ByteBuffer decodeBmp(const std::uint8_t* data, std::size_t size, BmpInfoHeader& info);
// The same widened to red, green, blue, alpha: alpha 0 where the pixel is pure
// black, else 255.
ByteBuffer decodeBmpRgba(const std::uint8_t* data, std::size_t size, BmpInfoHeader& info);
// Widens red, green, blue triples to four bytes, black transparent.
ByteBuffer widenBmpPixels(const ByteBuffer& rgb);
