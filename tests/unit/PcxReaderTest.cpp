#include <gtest/gtest.h>


#include "image/PcxReader.h"
#include "image/PictureLoader.h"
#include "support/PictureFiles.h"

namespace pf = picturefiles;

namespace {
bool decodePcxPicture(Picture& picture, const pf::Bytes& file) {
    return decodePicture(picture, PictureFormat::pcx, file.data(), file.size());
}

pf::PcxLayout sized(std::uint16_t width, std::uint16_t height, std::uint16_t xMin = 0, std::uint16_t yMin = 0) {
    pf::PcxLayout layout;
    layout.xMin = xMin;
    layout.yMin = yMin;
    layout.xMax = static_cast<std::uint16_t>(xMin + width - 1);
    layout.yMax = static_cast<std::uint16_t>(yMin + height - 1);
    return layout;
}

pf::Bytes indexRamp(std::size_t count) {
    pf::Bytes indices;
    for (std::size_t i = 0; i < count; ++i) indices.push_back(static_cast<std::uint8_t>((i / 3) % 256));
    return indices;
}
}  // namespace

TEST(PcxReader, PalettedPixelsBecomeOpaqueRgbaAtFullSize) {
    const pf::Bytes indices = indexRamp(100 * 60);
    Picture picture;
    ASSERT_TRUE(decodePcxPicture(picture, pf::pcx(sized(100, 60), pf::pcxEncode(indices), pf::rampPalette())));
    EXPECT_EQ(picture.format, PictureFormat::pcx);
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 60);
    EXPECT_EQ(picture.textureWidth, 64);
    EXPECT_EQ(picture.textureHeight, 32);
    ASSERT_EQ(picture.pixelBytes, 100u * 60u * 4u);
    ASSERT_NE(picture.palette, nullptr);
    EXPECT_EQ(picture.palette[3 * 200], 200);
    for (std::size_t i : {std::size_t{0}, std::size_t{1234}, std::size_t{5999}}) {
        const std::uint8_t index = indices[i];
        EXPECT_EQ(picture.pixels[i * 4 + 0], index) << "pixel " << i;
        EXPECT_EQ(picture.pixels[i * 4 + 1], 255 - index) << "pixel " << i;
        EXPECT_EQ(picture.pixels[i * 4 + 2], index / 2) << "pixel " << i;
        EXPECT_EQ(picture.pixels[i * 4 + 3], 255) << "pixel " << i;
    }

    Picture square;
    ASSERT_TRUE(decodePcxPicture(square, pf::pcx(sized(256, 256), pf::pcxEncode(indexRamp(256 * 256)),
                                                 pf::rampPalette())));
    EXPECT_EQ(square.textureWidth, 256);
    EXPECT_EQ(square.textureHeight, 256);
}

TEST(PcxReader, WindowCoordinatesAreReadInFullSixteenBits) {
    PcxHeader header;
    const pf::Bytes file = pf::pcx(sized(4, 2, 300, 1000), pf::pcxEncode(indexRamp(8)), pf::rampPalette());
    const ByteBuffer indices = decodePcx(file.data(), file.size(), header);
    EXPECT_EQ(header.xMin, 300);
    EXPECT_EQ(header.xMax, 303);
    EXPECT_EQ(header.yMin, 1000);
    EXPECT_EQ(header.yMax, 1001);
    EXPECT_EQ(indices.size(), 8u);
    EXPECT_EQ(header.palette.size(), 768u);
}

TEST(PcxReader, RunsOfZeroWriteNothingAndLongRunsStopAtTheLastPixel) {
    PcxHeader header;
    const pf::Bytes zeroRun = pf::pcx(sized(2, 1), {192, 7, 5, 6}, pf::rampPalette());
    const ByteBuffer a = decodePcx(zeroRun.data(), zeroRun.size(), header);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a.data()[0], 5);
    EXPECT_EQ(a.data()[1], 6);

    const pf::Bytes longRun = pf::pcx(sized(3, 1), {4, 192 | 63, 9}, pf::rampPalette());
    const ByteBuffer b = decodePcx(longRun.data(), longRun.size(), header);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b.data()[0], 4);
    EXPECT_EQ(b.data()[1], 9);
    EXPECT_EQ(b.data()[2], 9);

    // The count takes all six bits: a run of 40 fills 40 pixels.
    const pf::Bytes fortyRun = pf::pcx(sized(41, 1), {192 | 40, 9, 3}, pf::rampPalette());
    const ByteBuffer c = decodePcx(fortyRun.data(), fortyRun.size(), header);
    ASSERT_EQ(c.size(), 41u);
    EXPECT_EQ(c.data()[39], 9);
    EXPECT_EQ(c.data()[40], 3);
}

TEST(PcxReader, DataEndingEarlyOrAMissingPaletteGivesAnEmptyPicture) {
    // Four pixels promised, three in the data (the palette must not be read as pixels).
    Picture shortData;
    EXPECT_FALSE(decodePcxPicture(shortData, pf::pcx(sized(2, 2), {1, 2, 3}, pf::rampPalette())));
    EXPECT_EQ(shortData.pixels, nullptr);
    EXPECT_EQ(shortData.palette, nullptr);
    // A run byte with its value byte missing.
    Picture cutRun;
    EXPECT_FALSE(decodePcxPicture(cutRun, pf::pcx(sized(2, 2), {1, 2, 3, 193}, pf::rampPalette())));

    pf::PcxLayout noMarker = sized(2, 2);
    noMarker.paletteMarker = 11;
    Picture badPalette;
    EXPECT_FALSE(decodePcxPicture(badPalette, pf::pcx(noMarker, {1, 2, 3, 4}, pf::rampPalette())));

    const pf::Bytes good = pf::pcx(sized(2, 2), {1, 2, 3, 4}, pf::rampPalette());
    for (std::size_t size : {std::size_t{0}, std::size_t{127}, std::size_t{128 + 768}, good.size() - 1}) {
        Picture truncated;
        EXPECT_FALSE(decodePicture(truncated, PictureFormat::pcx, good.data(), size)) << size << " bytes";
    }
}

TEST(PcxReader, RefusesWrongMagicVersionLayoutAndSides) {
    struct Case {
        const char* what;
        void (*change)(pf::PcxLayout&);
    };
    const Case cases[] = {
        {"magic", [](pf::PcxLayout& l) { l.manufacturer = 11; }},
        {"version", [](pf::PcxLayout& l) { l.version = 3; }},
        {"planes", [](pf::PcxLayout& l) { l.planes = 3; }},
        {"depth", [](pf::PcxLayout& l) { l.bitsPerPixel = 1; }},
        {"backwards", [](pf::PcxLayout& l) { l.xMin = 10, l.xMax = 5; }},
        {"65536 x 65536: the product is 0 in 32 bits", [](pf::PcxLayout& l) { l.xMax = l.yMax = 65535; }},
        {"too wide", [](pf::PcxLayout& l) { l.xMax = 4096; }},
    };
    for (const Case& c : cases) {
        pf::PcxLayout layout = sized(2, 2);
        c.change(layout);
        Picture picture;
        EXPECT_FALSE(decodePcxPicture(picture, pf::pcx(layout, pf::Bytes(64, 1), pf::rampPalette()))) << c.what;
        EXPECT_TRUE(picture.pixels == nullptr && picture.width == 0 && picture.height == 0) << c.what;
    }
    Picture fine;
    EXPECT_TRUE(decodePcxPicture(fine, pf::pcx(sized(8, 8), pf::Bytes(64, 1), pf::rampPalette())));
}
