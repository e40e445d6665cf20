#include "image/BmpReader.h"

#include "image/ByteReader.h"
#include "image/Picture.h"

namespace {
constexpr std::size_t fileHeaderBytes = 14;
constexpr std::size_t infoHeaderBytes = 40;
constexpr std::uint16_t magic = 0x4D42;  // "BM"

void readInfoHeader(const ByteReader& file, BmpInfoHeader& info) {
    const std::size_t o = fileHeaderBytes;
    file.u32(o + 0, info.biSize);
    file.s32(o + 4, info.biWidth);
    file.s32(o + 8, info.biHeight);
    file.u16(o + 12, info.biPlanes);
    file.u16(o + 14, info.biBitCount);
    file.u32(o + 16, info.biCompression);
    file.u32(o + 20, info.biSizeImage);
    file.s32(o + 24, info.biXPelsPerMeter);
    file.s32(o + 28, info.biYPelsPerMeter);
    file.u32(o + 32, info.biClrUsed);
    file.u32(o + 36, info.biClrImportant);
}
}  // namespace

ByteBuffer decodeBmp(const std::uint8_t* data, std::size_t size, BmpInfoHeader& info) {
    info = BmpInfoHeader{};
    const ByteReader file(data, size);
    std::uint16_t type = 0;
    if (!file.has(0, fileHeaderBytes + infoHeaderBytes) || !file.u16(0, type) || type != magic) return {};
    std::uint32_t pixelOffset = 0;
    file.u32(10, pixelOffset);
    readInfoHeader(file, info);

    if (info.biBitCount != 24 || info.biCompression != 0) return {};
    if (!pictureSideFits(info.biWidth) || !pictureSideFits(info.biHeight)) return {};

    const std::uint64_t width = static_cast<std::uint64_t>(info.biWidth);
    const std::uint64_t height = static_cast<std::uint64_t>(info.biHeight);
    const std::uint64_t rowBytes = width * 3u;
    const std::uint64_t stride = (rowBytes + 3u) & ~std::uint64_t{3};
    // The last row may go without its filler bytes.
    const std::uint64_t needed = stride * (height - 1u) + rowBytes;
    if (pixelOffset < fileHeaderBytes + infoHeaderBytes || pixelOffset > size) return {};
    const std::uint64_t available = size - pixelOffset;
    const std::uint64_t declared = info.biSizeImage != 0 ? info.biSizeImage : stride * height;
    if (declared < needed || (info.biSizeImage != 0 && declared > available) || needed > available) return {};

    ByteBuffer rgb(static_cast<std::size_t>(width * height * 3u));
    if (rgb.empty()) return {};
    std::uint8_t* out = rgb.data();
    for (std::uint64_t row = 0; row < height; ++row) {
        const std::uint8_t* in = file.at(static_cast<std::size_t>(pixelOffset + row * stride));
        for (std::uint64_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return rgb;
}

ByteBuffer widenBmpPixels(const ByteBuffer& rgb) {
    const std::size_t groups = rgb.size() / 3;
    if (rgb.empty() || groups == 0) return {};
    ByteBuffer rgba(groups * 4);
    if (rgba.empty()) return {};
    const std::uint8_t* in = rgb.data();
    std::uint8_t* out = rgba.data();
    for (std::size_t i = 0; i < groups; ++i, in += 3, out += 4) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = (in[0] | in[1] | in[2]) == 0 ? 0 : 255;
    }
    return rgba;
}

ByteBuffer decodeBmpRgba(const std::uint8_t* data, std::size_t size, BmpInfoHeader& info) {
    const ByteBuffer rgb = decodeBmp(data, size, info);
    return widenBmpPixels(rgb);
}
