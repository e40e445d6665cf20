#pragma once

#include <cstddef>
#include <cstdint>

#include "files/ByteBuffer.h"

struct PcxHeader {
    std::uint16_t xMin = 0;
    std::uint16_t yMin = 0;
    std::uint16_t xMax = 0;
    std::uint16_t yMax = 0;
    ByteBuffer palette;  // 768 bytes: 256 x (red, green, blue)
};

// PCX version 5, 8 bits per pixel, one plane. Fills the window coordinates
// and the palette and returns width x height palette indices, width =
// xMax - xMin + 1 and height likewise. The run-length data is one stream over
// the whole picture (scan lines are not treated separately) and must lie
// between the 128-byte header and the palette at the end of the file
// (marker byte 12, then 768 bytes); a run that would pass the last pixel is
// cut there. Empty buffer for a wrong magic, version or layout, a side
// outside 1 to 4096, a missing palette marker, or data that ends early.
ByteBuffer decodePcx(const std::uint8_t* data, std::size_t size, PcxHeader& header);

// base to the power exponent by repeated squaring over |exponent|; for a
// negative exponent 1 / that in integer arithmetic (2 to the -1 is 0).
std::int32_t integerPower(std::uint32_t base, std::int32_t exponent);

// The largest power of two not above side (0 for 0), as the PCX filling step
// records it: 2 to the power (number of halvings to reach 0) - 1.
std::int32_t largestPowerOfTwoNotAbove(std::int32_t side);
