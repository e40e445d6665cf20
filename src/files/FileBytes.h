#pragma once

#include <cstddef>

#include "files/ByteBuffer.h"

// The whole file in memory, or an empty buffer when it cannot be opened, is
// not a regular readable file or is larger than the limit. A file that
// shrinks while being read gives the bytes that were there.
ByteBuffer readFileBytes(const char* path, std::size_t limit);

// An open descriptor of the file (the caller closes it) and its size, or -1
// on the same grounds as readFileBytes gives an empty buffer.
int openFileAtMost(const char* path, std::size_t limit, std::size_t& size);
