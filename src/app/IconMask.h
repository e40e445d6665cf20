#pragma once

#include <cstddef>
#include <cstdint>

// Transparency mask of an 8-bit window icon: one bit per pixel, rows of
// width / 8 bytes, the first pixel of each group of eight in the most
// significant bit. A set bit is opaque: the pixel differs from the top-left
// pixel, whose value is the colour key.

// Bytes of the mask for an icon of this size; 0 unless the width is a
// positive multiple of 8 and the height positive.
std::size_t iconMaskSize(int width, int height);

// Fills mask (iconMaskSize bytes) from rows of one byte per pixel, each row
// starting pitch bytes after the previous one. Returns false and writes
// nothing for a size iconMaskSize refuses or a pitch shorter than a row.
bool buildIconMask(const std::uint8_t* pixels, int width, int height, int pitch, std::uint8_t* mask);
