// Any bytes saved under a picture's name, read through loadPicture the way
// the texture code reads the game's pictures. Built three times, once per
// extension (FUZZ_PICTURE_EXTENSION is ".tga", ".bmp" or ".pcx").
//
// Besides what the sanitizers see, every result must be what the texture
// upload can trust: a picture that loads holds exactly width x height x 4
// bytes for sides of 1 to 4096, all of which are read here as the upload
// reads them; one that does not load holds nothing.

#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "image/PictureLoader.h"

#ifndef FUZZ_PICTURE_EXTENSION
#error "FUZZ_PICTURE_EXTENSION must name the extension, such as \".tga\""
#endif

namespace {

PictureFormat expectedFormat() {
    return pictureFormatOfName("picture" FUZZ_PICTURE_EXTENSION);
}

// Reads every byte the upload would read, and checks what each format
// promises about its pixels.
void checkLoaded(const Picture& picture) {
    FUZZ_REQUIRE(picture.holdsImage());
    FUZZ_REQUIRE(pictureSideFits(picture.width) && pictureSideFits(picture.height));
    const std::uint64_t bytes = static_cast<std::uint64_t>(picture.width) * static_cast<std::uint64_t>(picture.height) * 4u;
    FUZZ_REQUIRE(picture.pixelBytes == bytes);
    unsigned sum = 0;
    for (std::uint64_t i = 0; i < bytes; i += 4) {
        const std::uint8_t* p = picture.pixels + i;
        sum += p[0] + p[1] + p[2] + p[3];
        switch (picture.format) {
        case PictureFormat::bmp:
            FUZZ_REQUIRE(p[3] == ((p[0] | p[1] | p[2]) == 0 ? 0 : 255));
            break;
        case PictureFormat::pcx:
            FUZZ_REQUIRE(p[3] == 255);
            break;
        case PictureFormat::tga:
            if (picture.bitsPerPixel == 24 || picture.bitsPerPixel == 8) FUZZ_REQUIRE(p[3] == 255);
            if (picture.imageType == 3) FUZZ_REQUIRE(p[0] == p[1] && p[1] == p[2]);
            break;
        case PictureFormat::none:
            FUZZ_REQUIRE(false);
        }
    }
    volatile unsigned keep = sum;
    (void)keep;
    if (picture.format == PictureFormat::pcx) {
        FUZZ_REQUIRE(picture.palette != nullptr);
        // A power of two, not above the side.
        FUZZ_REQUIRE(picture.textureWidth >= 1 && picture.textureWidth <= picture.width);
        FUZZ_REQUIRE((picture.textureWidth & (picture.textureWidth - 1)) == 0);
        FUZZ_REQUIRE(picture.textureHeight >= 1 && picture.textureHeight <= picture.height);
        FUZZ_REQUIRE((picture.textureHeight & (picture.textureHeight - 1)) == 0);
        FUZZ_REQUIRE(picture.textureWidth * 2 > picture.width && picture.textureHeight * 2 > picture.height);
    } else {
        FUZZ_REQUIRE(picture.palette == nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzfiles::scratch().write("picture" FUZZ_PICTURE_EXTENSION, data, size);
    // One picture for the whole run: each load replaces what the last one left.
    static Picture picture;
    const bool loaded = loadPicture(picture, path.c_str());
    FUZZ_REQUIRE(picture.format == expectedFormat());
    FUZZ_REQUIRE(picture.textureName == 0);
    if (loaded) {
        checkLoaded(picture);
    } else {
        FUZZ_REQUIRE(picture.pixels == nullptr && picture.pixelBytes == 0 && picture.palette == nullptr);
        FUZZ_REQUIRE(!picture.holdsImage());
    }
    return 0;
}
