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
    const ByteBuffer rgb = decodeBmp(file.data(), file.size(), info);
    ASSERT_EQ(rgb.size(), 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(rgb.data(), rgb.data() + rgb.size()),
              (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

// Hostile headers: sides, depths and compression the reader does not take,
// sizes and offsets that lie about the file, and files cut short.
TEST(BmpReader, RefusesHeadersThatLieOrAskTooMuchAndTruncatedFiles) {
    struct Case {
        const char* what;
        void (*change)(pf::BmpLayout&);
    };
    const Case cases[] = {
        {"no width", [](pf::BmpLayout& l) { l.width = 0; }},
        {"no height", [](pf::BmpLayout& l) { l.height = 0; }},
        {"negative width", [](pf::BmpLayout& l) { l.width = -4; }},
        {"negative height", [](pf::BmpLayout& l) { l.height = -2; }},
        {"too wide", [](pf::BmpLayout& l) { l.width = 4097; }},
        {"too tall", [](pf::BmpLayout& l) { l.width = 1, l.height = 4097; }},
        {"product overflows", [](pf::BmpLayout& l) { l.width = l.height = 65536; }},
        {"widest int", [](pf::BmpLayout& l) { l.width = 0x7FFFFFFF; }},
        {"32 bits", [](pf::BmpLayout& l) { l.bitCount = 32; }},
        {"compressed", [](pf::BmpLayout& l) { l.compression = 1; }},
        {"image size below its pixels", [](pf::BmpLayout& l) { l.sizeImageOverride = 4 * 2 * 3 - 1; }},
        {"image size past the file", [](pf::BmpLayout& l) { l.sizeImageOverride = 1000000; }},
        {"pixels past the end", [](pf::BmpLayout& l) { l.pixelOffsetOverride = 4000; }},
        {"rows running past the end", [](pf::BmpLayout& l) { l.pixelOffsetOverride = 60; }},
    };
    for (const Case& c : cases) {
        pf::BmpLayout layout = layoutOf(4, 2);
        layout.rowWidth = 4;
        c.change(layout);
        Picture picture;
        EXPECT_FALSE(decodeBmpPicture(picture, pf::bmp(layout, rampRows(4, 2)))) << c.what;
        EXPECT_EQ(picture.pixels, nullptr) << c.what;
        EXPECT_EQ(picture.width, 0) << c.what;
    }
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

    // An image size of 0 means "as large as the rows".
    pf::BmpLayout unset = layoutOf(4, 3);
    unset.sizeImageSet = false;
    Picture picture;
    EXPECT_TRUE(decodeBmpPicture(picture, pf::bmp(unset, rampRows(4, 3))));
    EXPECT_EQ(picture.pixelBytes, 4u * 3u * 4u);
}
