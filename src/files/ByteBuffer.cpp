#include "files/ByteBuffer.h"

#include <cstdlib>

ByteBuffer::ByteBuffer(std::size_t size) {
    if (size == 0) return;
    bytes = static_cast<std::uint8_t*>(std::malloc(size));
    count = bytes ? size : 0;
}

ByteBuffer::~ByteBuffer() { reset(); }

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept : bytes(other.bytes), count(other.count) {
    other.bytes = nullptr;
    other.count = 0;
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    if (this != &other) {
        reset();
        bytes = other.bytes;
        count = other.count;
        other.bytes = nullptr;
        other.count = 0;
    }
    return *this;
}

std::uint8_t* ByteBuffer::release() {
    std::uint8_t* taken = bytes;
    bytes = nullptr;
    count = 0;
    return taken;
}

void ByteBuffer::reset() {
    std::free(bytes);
    bytes = nullptr;
    count = 0;
}
