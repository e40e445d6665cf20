#pragma once

#include <cstddef>

#include "image/PixelBuffer.h"

// No picture file the readers accept is larger: a 4096 x 4096 TGA of 32 bits
// is 64 MiB plus its headers. Anything larger is refused before it is read.
constexpr std::size_t maxPictureFileBytes = 80u * 1024u * 1024u;

// The whole file in memory, or an empty buffer when it cannot be opened, is
// not a regular readable file or is larger than the limit. A file that
// shrinks while being read gives the bytes that were there.
PixelBuffer readFileBytes(const char* path, std::size_t limit = maxPictureFileBytes);
