#pragma once

// Builders of small picture files, byte by byte, for the reader and texture tests.

#include <cstdint>
#include <vector>

namespace picturefiles {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// An uncompressed TGA: 18-byte header, optional image ID, then the pixel bytes as given.
inline Bytes tga(std::uint8_t type, std::int32_t width, std::int32_t height, std::uint8_t depth, const Bytes& pixels,
                 std::uint8_t descriptor = 0, std::uint8_t idLength = 0) {
    Bytes b(18, 0);
    b[0] = idLength;
    b[2] = type;
    put16(b, 12, static_cast<std::uint32_t>(width));
    put16(b, 14, static_cast<std::uint32_t>(height));
    b[16] = depth;
    b[17] = descriptor;
    // Reserved first: g++ 12 otherwise warns of an out-of-bounds copy that cannot happen.
    b.reserve(b.size() + idLength + pixels.size());
    b.insert(b.end(), idLength, 0xEE);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// A 32-bit TGA of width x height pixels, each given as red, green, blue, alpha
// (written to the file in its blue, green, red, alpha order), rows in the order given.
inline Bytes tgaRgba(std::int32_t width, std::int32_t height, const Bytes& rgba) {
    Bytes file;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) file.insert(file.end(), {rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]});
    return tga(2, width, height, 32, file);
}

// A 32-bit TGA of one colour.
inline Bytes tgaFilled(std::int32_t width, std::int32_t height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                       std::uint8_t a) {
    Bytes rgba;
    for (std::int32_t i = 0; i < width * height; ++i) rgba.insert(rgba.end(), {r, g, b, a});
    return tgaRgba(width, height, rgba);
}

// A 24-bit BMP of the pixel rows given: blue, green, red triples, bottom row
// first, each row with its filler bytes up to a multiple of four.
inline Bytes bmp(std::int32_t width, std::int32_t height, const Bytes& rows) {
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(54 + rows.size()));
    put32(b, 10, 54);  // where the pixels start
    put32(b, 14, 40);  // size of the info header
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(height));
    put16(b, 26, 1);   // planes
    put16(b, 28, 24);  // bits per pixel
    put32(b, 34, static_cast<std::uint32_t>(rows.size()));
    b.reserve(b.size() + rows.size());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// A palettised PCX of width x height pixels whose window starts at (x, y):
// the 128-byte header, the run-length data as given, marker 12 and a palette
// whose entry i is (i, 255 - i, i / 2).
inline Bytes pcx(std::uint16_t width, std::uint16_t height, const Bytes& encoded, std::uint16_t x = 0, std::uint16_t y = 0) {
    Bytes b(128, 0);
    b[0] = 10;  // maker
    b[1] = 5;   // version
    b[2] = 1;   // run-length coded
    b[3] = 8;   // bits per pixel
    put16(b, 4, x);
    put16(b, 6, y);
    put16(b, 8, x + width - 1u);
    put16(b, 10, y + height - 1u);
    b[65] = 1;  // planes
    put16(b, 66, width);
    b.reserve(b.size() + encoded.size() + 1 + 768);
    b.insert(b.end(), encoded.begin(), encoded.end());
    b.push_back(12);
    for (int i = 0; i < 256; ++i) b.insert(b.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)});
    return b;
}

}  // namespace picturefiles
