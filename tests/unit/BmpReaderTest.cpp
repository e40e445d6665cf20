#include <gtest/gtest.h>

#include "image/BmpReader.h"
#include "image/PictureLoader.h"
#include "support/PictureFiles.h"

namespace pf = picturefiles;

namespace {
bool decodeBmpPicture(Picture& picture, const pf::Bytes& file) {
    return decodePicture(picture, PictureFormat::bmp, file.data(), file.size());
}

pf::BmpLayout layoutOf(std::int32_t width, std::int32_t height) {
    pf::BmpLayout layout;
    layout.width = width;
    layout.height = height;
    return layout;
}

// Blue, green, red triples with distinct values for w x h pixels.
pf::Bytes rampRows(std::int32_t width, std::int32_t height) {
    pf::Bytes rows;
    for (std::int32_t i = 0; i < width * height * 3; ++i) rows.push_back(static_cast<std::uint8_t>(i + 1));
    return rows;
}
}  // namespace

TEST(BmpReader, TwentyFourBitRowsBecomeRgbaWithBlackTransparent) {
    // 4 pixels per row (12 bytes, no filler), two rows, stored blue, green, red.
    const pf::Bytes rows = {0, 0, 0,   1, 0, 0,   0, 0, 1,   30, 20, 10,
                            9, 8, 7,   0, 0, 0,   0, 1, 0,   255, 255, 255};
    Picture picture;
    ASSERT_TRUE(decodeBmpPicture(picture, pf::bmp(layoutOf(4, 2), rows)));
    EXPECT_EQ(picture.width, 4);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.format, PictureFormat::bmp);
    ASSERT_EQ(picture.pixelBytes, 4u * 2u * 4u);
    const std::vector<std::uint8_t> pixels(picture.pixels, picture.pixels + picture.pixelBytes);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0, 0, 0, 0,       0, 0, 1, 255,    1, 0, 0, 255,  10, 20, 30, 255,
                                                 7, 8, 9, 255,     0, 0, 0, 0,      0, 1, 0, 255,  255, 255, 255, 255}));
}

TEST(BmpReader, RowsWithFillerBytesAreReadRowByRow) {
    // 2 pixels per row: 6 bytes and 2 filler bytes in the file.
    const pf::Bytes rows = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    BmpInfoHeader info;
    const pf::Bytes file = pf::bmp(layoutOf(2, 2), rows);
    const PixelBuffer rgb = decodeBmp(file.data(), file.size(), info);
    ASSERT_EQ(rgb.size(), 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(rgb.data(), rgb.data() + rgb.size()),
              (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_EQ(info.biWidth, 2);
    EXPECT_EQ(info.biHeight, 2);
    EXPECT_EQ(info.biBitCount, 24);
    EXPECT_EQ(info.biSizeImage, 16u);
}

TEST(BmpReader, TrustsNeitherBiSizeImageNorThePixelOffset) {
    const pf::Bytes rows = rampRows(4, 3);
    {
        pf::BmpLayout small = layoutOf(4, 3);
        small.sizeImageOverride = 4 * 3 * 3 - 1;  // smaller than its pixels
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(small, rows)));
        EXPECT_EQ(picture.pixels, nullptr);
    }
    {
        pf::BmpLayout large = layoutOf(4, 3);
        large.sizeImageOverride = 1000000;  // larger than the file
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(large, rows)));
        EXPECT_EQ(picture.pixels, nullptr);
    }
    {
        pf::BmpLayout past = layoutOf(4, 3);
        past.pixelOffsetOverride = 4000;  // beyond the end of the file
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(past, rows)));
        EXPECT_EQ(picture.pixels, nullptr);
    }
    {
        pf::BmpLayout late = layoutOf(4, 3);
        late.pixelOffsetOverride = 60;  // inside the file, but the rows would run past its end
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(late, rows)));
    }
    {
        pf::BmpLayout unset = layoutOf(4, 3);
        unset.sizeImageSet = false;  // 0: as large as the rows
        Picture picture;
        EXPECT_TRUE(decodeBmpPicture(picture, pf::bmp(unset, rows)));
        EXPECT_EQ(picture.pixelBytes, 4u * 3u * 4u);
    }
}

TEST(BmpReader, RefusesBadSidesDepthsAndHeaders) {
    struct Case { std::int32_t width, height; };
    for (const Case c : {Case{0, 2}, Case{2, 0}, Case{-4, 2}, Case{4, -2}, Case{4097, 1}, Case{1, 4097},
                         Case{65536, 65536}, Case{0x7FFFFFFF, 2}}) {
        pf::BmpLayout layout = layoutOf(c.width, c.height);
        layout.rowWidth = 4;
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(layout, rampRows(4, 2))))
            << c.width << " x " << c.height;
        EXPECT_EQ(picture.pixels, nullptr);
        EXPECT_EQ(picture.width, 0);
    }
    pf::BmpLayout deep = layoutOf(4, 2);
    deep.bitCount = 32;
    Picture thirtyTwo;
    EXPECT_FALSE(decodeBmpPicture(thirtyTwo, pf::bmp(deep, rampRows(4, 2))));
    pf::BmpLayout packed = layoutOf(4, 2);
    packed.compression = 1;
    Picture compressed;
    EXPECT_FALSE(decodeBmpPicture(compressed, pf::bmp(packed, rampRows(4, 2))));

    pf::Bytes notBm = pf::bmp(layoutOf(4, 2), rampRows(4, 2));
    notBm[0] = 'X';
    Picture wrongMagic;
    EXPECT_FALSE(decodeBmpPicture(wrongMagic, notBm));

    const pf::Bytes good = pf::bmp(layoutOf(4, 2), rampRows(4, 2));
    for (std::size_t size : {std::size_t{0}, std::size_t{13}, std::size_t{53}, good.size() - 1}) {
        Picture truncated;
        EXPECT_FALSE(decodePicture(truncated, PictureFormat::bmp, good.data(), size)) << size << " bytes";
        EXPECT_EQ(truncated.pixels, nullptr);
    }
}

TEST(BmpReader, WideningMakesOnlyPureBlackTransparent) {
    PixelBuffer rgb(9);
    const std::uint8_t source[9] = {0, 0, 0, 0, 0, 1, 1, 0, 0};
    for (int i = 0; i < 9; ++i) rgb.data()[i] = source[i];
    const PixelBuffer rgba = widenBmpPixels(rgb);
    ASSERT_EQ(rgba.size(), 12u);
    EXPECT_EQ(rgba.data()[3], 0);
    EXPECT_EQ(rgba.data()[7], 255);
    EXPECT_EQ(rgba.data()[11], 255);
    EXPECT_TRUE(widenBmpPixels(PixelBuffer{}).empty());
}
