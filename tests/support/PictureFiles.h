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
    for (std::uint8_t i = 0; i < idLength; ++i) b.push_back(static_cast<std::uint8_t>(0xEE));
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// A 32-bit TGA of width x height pixels, each given as red, green, blue, alpha
// (written to the file in its blue, green, red, alpha order), rows in the order given.
inline Bytes tgaRgba(std::int32_t width, std::int32_t height, const Bytes& rgba) {
    Bytes file;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        file.push_back(rgba[i + 2]);
        file.push_back(rgba[i + 1]);
        file.push_back(rgba[i]);
        file.push_back(rgba[i + 3]);
    }
    return tga(2, width, height, 32, file);
}

// A 32-bit TGA of one colour.
inline Bytes tgaFilled(std::int32_t width, std::int32_t height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                       std::uint8_t a) {
    Bytes rgba;
    for (std::int32_t i = 0; i < width * height; ++i) rgba.insert(rgba.end(), {r, g, b, a});
    return tgaRgba(width, height, rgba);
}

struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    bool sizeImageSet = true;          // biSizeImage = the pixel bytes written
    std::int64_t sizeImageOverride = -1;
    std::int64_t pixelOffsetOverride = -1;
    std::int32_t rowWidth = -1;  // pixels per row of the data given; -1: width
};

// A BMP with the pixel rows given as blue, green, red triples (rows without
// filler; the builder pads each to four bytes).
inline Bytes bmp(const BmpLayout& layout, const Bytes& bgrRows) {
    const std::int32_t dataWidth = layout.rowWidth >= 0 ? layout.rowWidth : layout.width;
    const std::size_t rowBytes = static_cast<std::size_t>(dataWidth > 0 ? dataWidth : 0) * 3;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    Bytes pixels;
    if (rowBytes > 0) {
        for (std::size_t row = 0; row * rowBytes < bgrRows.size(); ++row) {
            for (std::size_t i = 0; i < stride; ++i) {
                const std::size_t at = row * rowBytes + i;
                pixels.push_back(i < rowBytes && at < bgrRows.size() ? bgrRows[at] : 0);
            }
        }
    }
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(54 + pixels.size()));
    put32(b, 10, static_cast<std::uint32_t>(layout.pixelOffsetOverride >= 0 ? layout.pixelOffsetOverride : 54));
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(layout.width));
    put32(b, 22, static_cast<std::uint32_t>(layout.height));
    put16(b, 26, 1);
    put16(b, 28, layout.bitCount);
    put32(b, 30, layout.compression);
    std::uint32_t sizeImage = layout.sizeImageSet ? static_cast<std::uint32_t>(pixels.size()) : 0;
    if (layout.sizeImageOverride >= 0) sizeImage = static_cast<std::uint32_t>(layout.sizeImageOverride);
    put32(b, 34, sizeImage);
    b.reserve(b.size() + pixels.size());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// Run-length codes of a stream of palette indices: values of 192 and above,
// and repeats, become runs.
inline Bytes pcxEncode(const Bytes& indices) {
    Bytes out;
    for (std::size_t i = 0; i < indices.size();) {
        std::size_t run = 1;
        while (i + run < indices.size() && indices[i + run] == indices[i] && run < 63) ++run;
        if (run > 1 || indices[i] >= 192) {
            out.push_back(static_cast<std::uint8_t>(192 | run));
            out.push_back(indices[i]);
        } else {
            out.push_back(indices[i]);
        }
        i += run;
    }
    return out;
}

struct PcxLayout {
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint8_t manufacturer = 10;
    std::uint8_t version = 5;
    std::uint8_t bitsPerPixel = 8;
    std::uint8_t planes = 1;
    std::uint8_t paletteMarker = 12;
};

// A PCX: 128-byte header, the encoded data as given, marker and 768-byte palette.
inline Bytes pcx(const PcxLayout& layout, const Bytes& encoded, const Bytes& palette) {
    Bytes b(128, 0);
    b[0] = layout.manufacturer;
    b[1] = layout.version;
    b[2] = 1;
    b[3] = layout.bitsPerPixel;
    put16(b, 4, layout.xMin);
    put16(b, 6, layout.yMin);
    put16(b, 8, layout.xMax);
    put16(b, 10, layout.yMax);
    b[65] = layout.planes;
    put16(b, 66, static_cast<std::uint32_t>(layout.xMax - layout.xMin + 1));
    b.reserve(b.size() + encoded.size() + 1 + palette.size());
    b.insert(b.end(), encoded.begin(), encoded.end());
    b.push_back(layout.paletteMarker);
    Bytes full = palette;
    full.resize(768, 0);
    b.insert(b.end(), full.begin(), full.end());
    return b;
}

// Palette entry i = (i, 255 - i, i / 2).
inline Bytes rampPalette() {
    Bytes p;
    for (int i = 0; i < 256; ++i) {
        p.push_back(static_cast<std::uint8_t>(i));
        p.push_back(static_cast<std::uint8_t>(255 - i));
        p.push_back(static_cast<std::uint8_t>(i / 2));
    }
    return p;
}

}  // namespace picturefiles
