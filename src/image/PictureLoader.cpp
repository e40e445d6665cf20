#include "image/PictureLoader.h"

#include <cstring>
#include <utility>
#include <strings.h>

#include "image/BmpReader.h"
#include "files/FileBytes.h"
#include "image/PcxReader.h"
#include "image/TgaReader.h"

namespace {

// Keeps the buffer only when it holds the whole picture.
bool adoptOrEmpty(Picture& picture, ByteBuffer&& rgba) {
    const std::size_t bytes = rgba.size();
    picture.adoptPixels(rgba.release(), bytes);
    if (picture.holdsImage()) return true;
    picture.makeEmpty();
    return false;
}

bool fillTga(Picture& picture, const std::uint8_t* data, std::size_t size) {
    TgaHeader header;
    ByteBuffer rgba = decodeTga(data, size, header);
    picture.makeEmpty();
    picture.format = PictureFormat::tga;
    picture.imageType = header.imageType;
    picture.bitsPerPixel = header.pixelDepth;
    picture.width = header.width;
    picture.height = header.height;
    return adoptOrEmpty(picture, std::move(rgba));
}

bool fillBmp(Picture& picture, const std::uint8_t* data, std::size_t size) {
    BmpInfoHeader info;
    ByteBuffer rgba = decodeBmpRgba(data, size, info);
    picture.makeEmpty();
    picture.format = PictureFormat::bmp;
    picture.width = info.biWidth;
    picture.height = info.biHeight;
    return adoptOrEmpty(picture, std::move(rgba));
}

bool fillPcx(Picture& picture, const std::uint8_t* data, std::size_t size) {
    PcxHeader header;
    const ByteBuffer indices = decodePcx(data, size, header);
    picture.makeEmpty();
    picture.format = PictureFormat::pcx;
    if (indices.empty()) return false;
    picture.width = header.xMax - header.xMin + 1;
    picture.height = header.yMax - header.yMin + 1;
    ByteBuffer rgba(indices.size() * 4);
    if (rgba.empty()) {
        picture.makeEmpty();
        return false;
    }
    const std::uint8_t* palette = header.palette.data();
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const std::uint8_t* entry = palette + indices.data()[i] * 3u;
        std::uint8_t* out = rgba.data() + i * 4;
        out[0] = entry[0];
        out[1] = entry[1];
        out[2] = entry[2];
        out[3] = 255;
    }
    picture.adoptPalette(header.palette.release());
    // The RGBA pixels stay at their full size, so the upload reads exactly the
    // picture; the power-of-two sizes are recorded beside them.
    picture.textureWidth = largestPowerOfTwoNotAbove(picture.width);
    picture.textureHeight = largestPowerOfTwoNotAbove(picture.height);
    return adoptOrEmpty(picture, std::move(rgba));
}

}  // namespace

PictureFormat pictureFormatOfName(const char* fileName) {
    if (fileName == nullptr) return PictureFormat::none;
    const char* base = std::strrchr(fileName, '/');
    base = base ? base + 1 : fileName;
    const char* dot = std::strchr(base, '.');
    if (dot == nullptr) return PictureFormat::none;
    const char* extension = dot + 1;
    if (strcasecmp(extension, "bmp") == 0) return PictureFormat::bmp;
    if (strcasecmp(extension, "pcx") == 0) return PictureFormat::pcx;
    if (strcasecmp(extension, "tga") == 0) return PictureFormat::tga;
    return PictureFormat::none;
}

bool decodePicture(Picture& picture, PictureFormat format, const std::uint8_t* data, std::size_t size) {
    switch (format) {
    case PictureFormat::tga: return fillTga(picture, data, size);
    case PictureFormat::bmp: return fillBmp(picture, data, size);
    case PictureFormat::pcx: return fillPcx(picture, data, size);
    case PictureFormat::none: break;
    }
    return false;
}

bool loadPicture(Picture& picture, const char* fileName) {
    const PictureFormat format = pictureFormatOfName(fileName);
    if (format == PictureFormat::none) return false;
    const ByteBuffer file = readFileBytes(fileName, maxPictureFileBytes);
    return decodePicture(picture, format, file.data(), file.size());
}
