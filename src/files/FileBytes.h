#pragma once

#include <cstddef>

#include "files/ByteBuffer.h"

// The whole file in memory, or an empty buffer when it cannot be opened, is
// not a regular readable file or is larger than the limit. A file that
// shrinks while being read gives the bytes that were there.
ByteBuffer readFileBytes(const char* path, std::size_t limit);
