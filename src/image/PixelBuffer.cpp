#include "image/PixelBuffer.h"

#include <cstdlib>

PixelBuffer::PixelBuffer(std::size_t size) {
    if (size == 0) return;
    bytes = static_cast<std::uint8_t*>(std::malloc(size));
    count = bytes ? size : 0;
}

PixelBuffer::~PixelBuffer() { reset(); }

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept : bytes(other.bytes), count(other.count) {
    other.bytes = nullptr;
    other.count = 0;
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this != &other) {
        reset();
        bytes = other.bytes;
        count = other.count;
        other.bytes = nullptr;
        other.count = 0;
    }
    return *this;
}

std::uint8_t* PixelBuffer::release() {
    std::uint8_t* taken = bytes;
    bytes = nullptr;
    count = 0;
    return taken;
}

void PixelBuffer::reset() {
    std::free(bytes);
    bytes = nullptr;
    count = 0;
}
