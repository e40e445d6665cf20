#include "BmpWriter.h"

#include <cstdio>

namespace {

void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xff));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

// File header and 40-byte information header.
std::vector<std::uint8_t> headers(int width, int height, int bits, std::uint32_t paletteBytes,
                                  std::uint32_t imageBytes) {
    std::vector<std::uint8_t> b;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + imageBytes);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<unsigned>(bits));
    put32(b, 0);  // no compression
    put32(b, imageBytes);
    put32(b, 2835);  // 72 dots per inch
    put32(b, 2835);
    put32(b, bits == 8 ? 256 : 0);
    put32(b, 0);
    return b;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int paddedRow(int bytes) { return (bytes + 3) / 4 * 4; }

}  // namespace

namespace BmpWriter {

bool write8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
            const std::vector<std::uint8_t>& paletteRgb) {
    if (width <= 0 || height <= 0 || indices.size() != static_cast<std::size_t>(width) * height ||
        paletteRgb.size() != 768)
        return false;
    const int row = paddedRow(width);
    std::vector<std::uint8_t> b = headers(width, height, 8, 1024, static_cast<std::uint32_t>(row * height));
    for (int i = 0; i < 256; ++i) {
        b.push_back(paletteRgb[i * 3 + 2]);
        b.push_back(paletteRgb[i * 3 + 1]);
        b.push_back(paletteRgb[i * 3]);
        b.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) b.push_back(indices[static_cast<std::size_t>(y) * width + x]);
        for (int x = width; x < row; ++x) b.push_back(0);
    }
    return writeFile(path, b);
}

bool write24(const std::string& path, const Image& image) {
    const int row = paddedRow(image.width * 3);
    std::vector<std::uint8_t> b = headers(image.width, image.height, 24, 0, static_cast<std::uint32_t>(row * image.height));
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        for (int x = image.width * 3; x < row; ++x) b.push_back(0);
    }
    return writeFile(path, b);
}

}  // namespace BmpWriter
