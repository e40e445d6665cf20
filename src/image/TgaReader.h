#pragma once

#include <cstddef>
#include <cstdint>

#include "files/ByteBuffer.h"

struct TgaHeader {
    std::uint8_t imageType = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::uint8_t pixelDepth = 0;
};

// Uncompressed TGA: type 2 (true colour, 24 or 32 bits) and type 3
// (greyscale, 8 bits, or 16 with alpha). Fills the header with what the file
// says and returns width x height RGBA pixels in the file's row order (the
// origin bit is not looked at, so nothing is flipped). 24-bit pixels get
// alpha 255; grey becomes grey RGB with alpha 255 (or the file's alpha at 16
// bits). Empty buffer for any other type or depth, a side outside 1 to 4096,
// or fewer pixel bytes than the header promises.
ByteBuffer decodeTga(const std::uint8_t* data, std::size_t size, TgaHeader& header);
ByteBuffer readTga(const char* path, TgaHeader& header);
