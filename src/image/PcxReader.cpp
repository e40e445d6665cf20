#include "image/PcxReader.h"

#include "image/ByteReader.h"
#include "image/Picture.h"

#include <utility>

namespace {
constexpr std::size_t headerBytes = 128;
constexpr std::size_t paletteBytes = 768;
constexpr std::size_t paletteTail = paletteBytes + 1;  // marker byte 12, then the palette
}  // namespace

ByteBuffer decodePcx(const std::uint8_t* data, std::size_t size, PcxHeader& header) {
    header.xMin = header.yMin = header.xMax = header.yMax = 0;
    header.palette.reset();
    const ByteReader file(data, size);
    if (!file.has(0, headerBytes + paletteTail)) return {};
    std::uint8_t manufacturer = 0, version = 0, bitsPerPixel = 0, planes = 0;
    file.u8(0, manufacturer);
    file.u8(1, version);
    if (manufacturer != 10 || version != 5) return {};
    file.u8(3, bitsPerPixel);
    file.u16(4, header.xMin);
    file.u16(6, header.yMin);
    file.u16(8, header.xMax);
    file.u16(10, header.yMax);
    file.u8(65, planes);
    // Only the palettised layout decodes to meaningful indices.
    if (bitsPerPixel != 8 || planes != 1) return {};

    const std::int64_t width = std::int64_t{header.xMax} - header.xMin + 1;
    const std::int64_t height = std::int64_t{header.yMax} - header.yMin + 1;
    if (!pictureSideFits(width) || !pictureSideFits(height)) return {};

    const std::size_t paletteStart = size - paletteTail;
    std::uint8_t marker = 0;
    file.u8(paletteStart, marker);
    if (marker != 12) return {};

    const std::size_t total = static_cast<std::size_t>(width * height);
    ByteBuffer indices(total);
    if (indices.empty()) return {};
    std::uint8_t* out = indices.data();
    std::size_t written = 0;
    std::size_t in = headerBytes;
    while (written < total) {
        if (in >= paletteStart) return {};  // the data ended before the picture did
        const std::uint8_t c = data[in++];
        if (c >= 192) {
            if (in >= paletteStart) return {};
            const std::uint8_t value = data[in++];
            std::size_t count = c & 63u;
            if (count > total - written) count = total - written;
            for (std::size_t i = 0; i < count; ++i) out[written++] = value;
        } else {
            out[written++] = c;
        }
    }

    ByteBuffer palette(paletteBytes);
    if (palette.empty()) return {};
    const std::uint8_t* source = file.at(paletteStart + 1);
    for (std::size_t i = 0; i < paletteBytes; ++i) palette.data()[i] = source[i];
    header.palette = std::move(palette);
    return indices;
}

std::int32_t integerPower(std::uint32_t base, std::int32_t exponent) {
    // The magnitude in unsigned arithmetic, so that the smallest exponent has one too.
    std::uint32_t remaining = exponent < 0 ? 0u - static_cast<std::uint32_t>(exponent) : static_cast<std::uint32_t>(exponent);
    std::uint32_t result = 1;
    std::uint32_t square = base;
    while (remaining != 0) {
        if (remaining & 1u) result *= square;
        square *= square;
        remaining >>= 1;
    }
    const auto value = static_cast<std::int32_t>(result);
    if (exponent >= 0) return value;
    return value == 0 ? 0 : 1 / value;
}

std::int32_t largestPowerOfTwoNotAbove(std::int32_t side) {
    std::int32_t halvings = 0;
    for (std::int32_t n = side; n > 0; n /= 2) ++halvings;
    // Through a float and back, as the texture sizes have always been recorded.
    return static_cast<std::int32_t>(static_cast<float>(integerPower(2, halvings - 1)));
}
