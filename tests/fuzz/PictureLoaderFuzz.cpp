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

bool powerOfTwoUpTo(std::int32_t value, std::int32_t side) {
    return value >= 1 && value <= side && (value & (value - 1)) == 0 && value * 2 > side;
}

// Reads every byte the upload would read, and checks what each format
// promises about its pixels.
void checkLoaded(const Picture& picture) {
    FUZZ_REQUIRE(picture.holdsImage() && pictureSideFits(picture.width) && pictureSideFits(picture.height));
    const std::uint64_t bytes = std::uint64_t{4} * static_cast<std::uint32_t>(picture.width) *
                                static_cast<std::uint32_t>(picture.height);
    FUZZ_REQUIRE(picture.pixelBytes == bytes);
    const bool tga = picture.format == PictureFormat::tga;
    const bool opaque =
        picture.format == PictureFormat::pcx || (tga && (picture.bitsPerPixel == 24 || picture.bitsPerPixel == 8));
    const bool grey = tga && picture.imageType == 3;
    unsigned sum = 0;
    for (std::uint64_t i = 0; i < bytes; i += 4) {
        const std::uint8_t* p = picture.pixels + i;
        sum += p[0] + p[1] + p[2] + p[3];
        // A bitmap's black is its transparency.
        if (picture.format == PictureFormat::bmp) FUZZ_REQUIRE(p[3] == ((p[0] | p[1] | p[2]) == 0 ? 0 : 255));
        FUZZ_REQUIRE(!opaque || p[3] == 255);
        FUZZ_REQUIRE(!grey || (p[0] == p[1] && p[1] == p[2]));
    }
    volatile unsigned keep = sum;
    (void)keep;
    // A palette picture's texture is the largest power of two in each side.
    const bool pcx = picture.format == PictureFormat::pcx;
    FUZZ_REQUIRE((picture.palette != nullptr) == pcx);
    FUZZ_REQUIRE(!pcx || (powerOfTwoUpTo(picture.textureWidth, picture.width) &&
                          powerOfTwoUpTo(picture.textureHeight, picture.height)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzfiles::write("picture" FUZZ_PICTURE_EXTENSION, data, size);
    // One picture for the whole run: each load replaces what the last one left.
    static Picture picture;
    const bool loaded = loadPicture(picture, path.c_str());
    FUZZ_REQUIRE(picture.format == pictureFormatOfName("picture" FUZZ_PICTURE_EXTENSION) && picture.textureName == 0);
    if (loaded) {
        checkLoaded(picture);
    } else {
        FUZZ_REQUIRE(picture.pixels == nullptr && picture.pixelBytes == 0 && picture.palette == nullptr);
        FUZZ_REQUIRE(!picture.holdsImage());
    }
    return 0;
}
