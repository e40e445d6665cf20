#include "TgaWriter.h"

#include <cstdio>
#include <vector>

namespace {

std::vector<unsigned char> header(int type, int width, int height, int depth, int alphaBits) {
    std::vector<unsigned char> h(18, 0);
    h[2] = static_cast<unsigned char>(type);
    h[12] = static_cast<unsigned char>(width & 0xff);
    h[13] = static_cast<unsigned char>((width >> 8) & 0xff);
    h[14] = static_cast<unsigned char>(height & 0xff);
    h[15] = static_cast<unsigned char>((height >> 8) & 0xff);
    h[16] = static_cast<unsigned char>(depth);
    h[17] = static_cast<unsigned char>(alphaBits);  // origin bit 5 clear: bottom row first
    return h;
}

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Pixels bottom row first, each as the given number of bytes.
std::vector<unsigned char> pixels(const Image& image, int bytesPerPixel) {
    std::vector<unsigned char> out;
    out.reserve(static_cast<std::size_t>(image.width) * image.height * bytesPerPixel);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            if (bytesPerPixel == 1) {
                out.push_back(static_cast<unsigned char>((p[0] * 77 + p[1] * 150 + p[2] * 29) >> 8));
                continue;
            }
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
            if (bytesPerPixel == 4) out.push_back(p[3]);
        }
    }
    return out;
}

}  // namespace

namespace TgaWriter {

bool write32(const std::string& path, const Image& image) {
    std::vector<unsigned char> bytes = header(2, image.width, image.height, 32, 8);
    const std::vector<unsigned char> data = pixels(image, 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return writeFile(path, bytes);
}

bool write24(const std::string& path, const Image& image) {
    std::vector<unsigned char> bytes = header(2, image.width, image.height, 24, 0);
    const std::vector<unsigned char> data = pixels(image, 3);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return writeFile(path, bytes);
}

bool writeGrey(const std::string& path, const Image& image) {
    std::vector<unsigned char> bytes = header(3, image.width, image.height, 8, 0);
    const std::vector<unsigned char> data = pixels(image, 1);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return writeFile(path, bytes);
}

bool writeRunLength32(const std::string& path, const Image& image) {
    std::vector<unsigned char> bytes = header(10, image.width, image.height, 32, 8);
    const std::vector<unsigned char> data = pixels(image, 4);
    // One raw packet per pixel keeps the encoder trivial; the file is still a
    // well-formed run-length TGA.
    for (std::size_t i = 0; i + 3 < data.size(); i += 4) {
        bytes.push_back(0);
        bytes.insert(bytes.end(), data.begin() + static_cast<long>(i), data.begin() + static_cast<long>(i) + 4);
    }
    return writeFile(path, bytes);
}

}  // namespace TgaWriter
