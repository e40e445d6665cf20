#pragma once

#include <cstddef>
#include <cstdint>

// A bounds-checked little-endian view of a file held in memory. Every read
// says whether the bytes were there; nothing is ever read past the end.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : bytes(data), count(data ? size : 0) {}

    std::size_t size() const { return count; }
    bool has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= count && length <= count - offset;
    }
    const std::uint8_t* at(std::size_t offset) const { return bytes + offset; }

    bool u8(std::size_t offset, std::uint8_t& out) const {
        if (!has(offset, 1)) return false;
        out = bytes[offset];
        return true;
    }
    bool u16(std::size_t offset, std::uint16_t& out) const {
        if (!has(offset, 2)) return false;
        out = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
        return true;
    }
    bool u32(std::size_t offset, std::uint32_t& out) const {
        if (!has(offset, 4)) return false;
        out = static_cast<std::uint32_t>(bytes[offset]) |
              (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
              (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
              (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
        return true;
    }
    bool s16(std::size_t offset, std::int16_t& out) const {
        std::uint16_t v = 0;
        if (!u16(offset, v)) return false;
        out = static_cast<std::int16_t>(v);
        return true;
    }
    bool s32(std::size_t offset, std::int32_t& out) const {
        std::uint32_t v = 0;
        if (!u32(offset, v)) return false;
        out = static_cast<std::int32_t>(v);
        return true;
    }

private:
    const std::uint8_t* bytes;
    std::size_t count;
};
