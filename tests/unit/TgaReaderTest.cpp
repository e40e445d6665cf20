#include <gtest/gtest.h>

#include "image/PictureLoader.h"
#include "image/TgaReader.h"
#include "support/PictureFiles.h"

namespace pf = picturefiles;

namespace {
bool decodeTgaPicture(Picture& picture, const pf::Bytes& file) {
    return decodePicture(picture, PictureFormat::tga, file.data(), file.size());
}

std::vector<std::uint8_t> pixelsOf(const Picture& picture) {
    return {picture.pixels, picture.pixels + picture.pixelBytes};
}

void expectEmpty(const Picture& picture) {
    EXPECT_EQ(picture.pixels, nullptr);
    EXPECT_EQ(picture.pixelBytes, 0u);
    EXPECT_EQ(picture.width, 0);
    EXPECT_EQ(picture.height, 0);
    EXPECT_FALSE(picture.holdsImage());
}
}  // namespace

TEST(TgaReader, ThirtyTwoBitPixelsBecomeRedGreenBlueAlpha) {
    Picture picture;
    ASSERT_TRUE(decodeTgaPicture(picture, pf::tga(2, 2, 1, 32, {10, 20, 30, 40, 1, 2, 3, 4})));
    EXPECT_EQ(pixelsOf(picture), (std::vector<std::uint8_t>{30, 20, 10, 40, 3, 2, 1, 4}));
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.height, 1);
    EXPECT_EQ(picture.format, PictureFormat::tga);
    EXPECT_EQ(picture.imageType, 2u);
    EXPECT_EQ(picture.bitsPerPixel, 32u);
    EXPECT_EQ(picture.textureWidth, 0);
    EXPECT_EQ(picture.textureHeight, 0);
    EXPECT_EQ(picture.palette, nullptr);
}

TEST(TgaReader, RowsStayInFileOrderWhateverTheOriginBit) {
    const pf::Bytes rows = {1, 1, 1, 255, 2, 2, 2, 255};  // 1 x 2: first row, second row
    for (std::uint8_t descriptor : {std::uint8_t{0}, std::uint8_t{0x20}, std::uint8_t{0x28}}) {
        Picture picture;
        ASSERT_TRUE(decodeTgaPicture(picture, pf::tga(2, 1, 2, 32, rows, descriptor)));
        EXPECT_EQ(picture.pixels[0], 1) << "descriptor " << int(descriptor);
        EXPECT_EQ(picture.pixels[4], 2) << "descriptor " << int(descriptor);
    }
}

TEST(TgaReader, WidensTwentyFourBitAndGreyscaleToFourBytes) {
    Picture colour;
    ASSERT_TRUE(decodeTgaPicture(colour, pf::tga(2, 2, 1, 24, {10, 20, 30, 0, 0, 0})));
    EXPECT_EQ(pixelsOf(colour), (std::vector<std::uint8_t>{30, 20, 10, 255, 0, 0, 0, 255}));
    EXPECT_EQ(colour.bitsPerPixel, 24u);

    Picture grey;
    ASSERT_TRUE(decodeTgaPicture(grey, pf::tga(3, 3, 1, 8, {0, 77, 255})));
    EXPECT_EQ(pixelsOf(grey), (std::vector<std::uint8_t>{0, 0, 0, 255, 77, 77, 77, 255, 255, 255, 255, 255}));
    EXPECT_EQ(grey.imageType, 3u);

    Picture greyAlpha;
    ASSERT_TRUE(decodeTgaPicture(greyAlpha, pf::tga(3, 1, 1, 16, {90, 12})));
    EXPECT_EQ(pixelsOf(greyAlpha), (std::vector<std::uint8_t>{90, 90, 90, 12}));
}

TEST(TgaReader, RefusesCompressedColourMappedAndOddDepths) {
    const pf::Bytes pixels(16, 7);
    for (std::uint8_t type : {1, 9, 10, 11, 0}) {
        TgaHeader header;
        const pf::Bytes file = pf::tga(type, 2, 2, 32, pixels);
        EXPECT_TRUE(decodeTga(file.data(), file.size(), header).empty()) << "type " << int(type);
        EXPECT_EQ(header.imageType, type);
        Picture picture;
        EXPECT_FALSE(decodeTgaPicture(picture, file));
        expectEmpty(picture);
    }
    Picture sixteen;
    EXPECT_FALSE(decodeTgaPicture(sixteen, pf::tga(2, 2, 2, 16, pixels)));
    Picture greyThirtyTwo;
    EXPECT_FALSE(decodeTgaPicture(greyThirtyTwo, pf::tga(3, 2, 2, 32, pixels)));
}

TEST(TgaReader, ZeroNegativeAndOversizedSidesGiveAnEmptyPicture) {
    struct Case { std::int32_t width, height; };
    for (const Case c : {Case{0, 4}, Case{4, 0}, Case{-1, 4}, Case{4, -2}, Case{-32768, -32768}, Case{4097, 1},
                         Case{1, 4097}, Case{32767, 32767}}) {
        Picture picture;
        // Enough bytes for a 4 x 4 picture: the size check must refuse before reading.
        EXPECT_FALSE(decodeTgaPicture(picture, pf::tga(2, c.width, c.height, 32, pf::Bytes(64, 1))))
            << c.width << " x " << c.height;
        expectEmpty(picture);
    }
    Picture widest;
    EXPECT_TRUE(decodeTgaPicture(widest, pf::tga(2, 4096, 1, 32, pf::Bytes(4096 * 4, 9))));
    EXPECT_EQ(widest.pixelBytes, 4096u * 4u);
}

TEST(TgaReader, TruncatedFilesGiveAnEmptyPicture) {
    const pf::Bytes whole = pf::tga(2, 2, 2, 32, pf::Bytes(16, 5));
    for (std::size_t size : {std::size_t{0}, std::size_t{5}, std::size_t{17}, std::size_t{18}, whole.size() - 1}) {
        Picture picture;
        EXPECT_FALSE(decodePicture(picture, PictureFormat::tga, whole.data(), size)) << size << " bytes";
        expectEmpty(picture);
    }
    Picture huge;  // 4096 x 4096 promised, a few bytes present
    EXPECT_FALSE(decodeTgaPicture(huge, pf::tga(2, 4096, 4096, 32, pf::Bytes(64, 1))));
    expectEmpty(huge);
}

TEST(TgaReader, PixelsFollowTheImageIdField) {
    Picture picture;
    ASSERT_TRUE(decodeTgaPicture(picture, pf::tga(2, 1, 1, 32, {10, 20, 30, 40}, 0, 5)));
    EXPECT_EQ(pixelsOf(picture), (std::vector<std::uint8_t>{30, 20, 10, 40}));
}

TEST(TgaReader, ReadsFromAFileAndRefusesAMissingOne) {
    TgaHeader header;
    EXPECT_TRUE(readTga("/nonexistent/velvetarium/601.tga", header).empty());
    EXPECT_TRUE(readTga(nullptr, header).empty());
}
