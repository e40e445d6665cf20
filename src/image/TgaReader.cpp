#include "image/TgaReader.h"

#include "image/ByteReader.h"
#include "files/FileBytes.h"
#include "image/Picture.h"

namespace {
constexpr std::size_t headerBytes = 18;
constexpr std::uint8_t trueColour = 2;
constexpr std::uint8_t greyscale = 3;

bool depthAccepted(std::uint8_t type, std::uint8_t depth) {
    if (type == trueColour) return depth == 24 || depth == 32;
    if (type == greyscale) return depth == 8 || depth == 16;
    return false;
}
}  // namespace

ByteBuffer decodeTga(const std::uint8_t* data, std::size_t size, TgaHeader& header) {
    header = TgaHeader{};
    const ByteReader file(data, size);
    if (!file.has(0, headerBytes)) return {};

    std::uint8_t idLength = 0, colourMapType = 0, entryBits = 0, descriptor = 0;
    std::uint16_t colourMapLength = 0;
    file.u8(0, idLength);
    file.u8(1, colourMapType);
    file.u8(2, header.imageType);
    if (header.imageType != trueColour && header.imageType != greyscale) return {};
    file.u16(5, colourMapLength);
    file.u8(7, entryBits);
    file.s16(12, header.width);
    file.s16(14, header.height);
    file.u8(16, header.pixelDepth);
    file.u8(17, descriptor);  // origin bit deliberately ignored: rows stay in file order
    (void)descriptor;

    if (!pictureSideFits(header.width) || !pictureSideFits(header.height)) return {};
    if (!depthAccepted(header.imageType, header.pixelDepth)) return {};

    // Our own pictures carry no image ID and no colour map, so the pixels
    // start right after the header; files that do carry them are read past them.
    std::uint64_t offset = headerBytes + idLength;
    if (colourMapType == 1) offset += static_cast<std::uint64_t>(colourMapLength) * ((entryBits + 7u) / 8u);

    const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(header.height);
    const unsigned bytesPerPixel = header.pixelDepth / 8u;
    if (!file.has(offset, pixelCount * bytesPerPixel)) return {};

    ByteBuffer rgba(static_cast<std::size_t>(pixelCount * 4u));
    if (rgba.empty()) return {};
    const std::uint8_t* in = file.at(static_cast<std::size_t>(offset));
    std::uint8_t* out = rgba.data();
    for (std::uint64_t i = 0; i < pixelCount; ++i, in += bytesPerPixel, out += 4) {
        switch (bytesPerPixel) {
        case 4:  // blue, green, red, alpha
            out[0] = in[2]; out[1] = in[1]; out[2] = in[0]; out[3] = in[3];
            break;
        case 3:
            out[0] = in[2]; out[1] = in[1]; out[2] = in[0]; out[3] = 255;
            break;
        case 2:  // grey, alpha
            out[0] = out[1] = out[2] = in[0]; out[3] = in[1];
            break;
        default:
            out[0] = out[1] = out[2] = in[0]; out[3] = 255;
            break;
        }
    }
    return rgba;
}

ByteBuffer readTga(const char* path, TgaHeader& header) {
    const ByteBuffer file = readFileBytes(path, maxPictureFileBytes);
    return decodeTga(file.data(), file.size(), header);
}
