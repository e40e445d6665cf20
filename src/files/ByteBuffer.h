#pragma once

#include <cstddef>
#include <cstdint>

// A block of bytes from malloc with its size, owned by whoever holds it.
// Moving hands the block on; the holder frees it. Allocation failure gives an
// empty buffer instead of an exception.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::size_t size);
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    std::uint8_t* data() const { return bytes; }
    std::size_t size() const { return count; }
    bool empty() const { return bytes == nullptr; }

    // Gives up ownership: the caller frees the block with std::free.
    std::uint8_t* release();
    void reset();
    // Keeps only the first bytes (never grows the buffer).
    void truncate(std::size_t size) {
        if (size < count) count = size;
    }

private:
    std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
};
