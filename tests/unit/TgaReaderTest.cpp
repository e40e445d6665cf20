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

TEST(TgaReader, PixelsOfEveryDepthBecomeRedGreenBlueAlphaInFileOrder) {
    Picture picture;
    ASSERT_TRUE(decodeTgaPicture(picture, pf::tga(2, 2, 1, 32, {10, 20, 30, 40, 1, 2, 3, 4})));
    EXPECT_EQ(pixelsOf(picture), (std::vector<std::uint8_t>{30, 20, 10, 40, 3, 2, 1, 4}));
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.height, 1);
    EXPECT_EQ(picture.format, PictureFormat::tga);

    const struct {
        std::uint8_t type, depth, idLength;
        pf::Bytes file, rgba;
    } cases[] = {
        {2, 24, 0, {10, 20, 30, 0, 0, 0}, {30, 20, 10, 255, 0, 0, 0, 255}},
        {3, 8, 0, {77, 200}, {77, 77, 77, 255, 200, 200, 200, 255}},
        {3, 16, 0, {90, 12, 1, 2}, {90, 90, 90, 12, 1, 1, 1, 2}},
        {2, 32, 5, {10, 20, 30, 40, 1, 2, 3, 4}, {30, 20, 10, 40, 3, 2, 1, 4}},  // after an image ID
    };
    for (const auto& c : cases) {
        Picture widened;
        ASSERT_TRUE(decodeTgaPicture(widened, pf::tga(c.type, 2, 1, c.depth, c.file, 0, c.idLength)))
            << int(c.depth) << " bits";
        EXPECT_EQ(pixelsOf(widened), c.rgba) << int(c.depth) << " bits";
    }

    // Rows stay in file order whatever the origin bit says.
    for (std::uint8_t descriptor : {std::uint8_t{0}, std::uint8_t{0x20}, std::uint8_t{0x28}}) {
        Picture rows;
        ASSERT_TRUE(decodeTgaPicture(rows, pf::tga(2, 1, 2, 32, {1, 1, 1, 255, 2, 2, 2, 255}, descriptor)));
        EXPECT_EQ(rows.pixels[0], 1) << "descriptor " << int(descriptor);
        EXPECT_EQ(rows.pixels[4], 2) << "descriptor " << int(descriptor);
    }
}

TEST(TgaReader, RefusesCompressedColourMappedAndOddDepths) {
    const pf::Bytes pixels(16, 7);
    for (std::uint8_t type : {1, 9, 10, 11, 0}) {
        TgaHeader header;
        const pf::Bytes file = pf::tga(type, 2, 2, 32, pixels);
        EXPECT_TRUE(decodeTga(file.data(), file.size(), header).empty()) << "type " << int(type);
        Picture picture;
        EXPECT_FALSE(decodeTgaPicture(picture, file));
        expectEmpty(picture);
    }
    Picture sixteen;
    EXPECT_FALSE(decodeTgaPicture(sixteen, pf::tga(2, 2, 2, 16, pixels)));
    Picture greyThirtyTwo;
    EXPECT_FALSE(decodeTgaPicture(greyThirtyTwo, pf::tga(3, 2, 2, 32, pixels)));
}

TEST(TgaReader, BadSidesAndTruncatedFilesGiveAnEmptyPicture) {
    struct Case { std::int32_t width, height; };
    for (const Case c : {Case{0, 4}, Case{4, 0}, Case{-1, 4}, Case{4, -2}, Case{-32768, -32768}, Case{4097, 1},
                         Case{1, 4097}, Case{32767, 32767}, Case{4096, 4096}}) {
        Picture picture;
        // Enough bytes for a 4 x 4 picture: the size check must refuse before reading.
        EXPECT_FALSE(decodeTgaPicture(picture, pf::tga(2, c.width, c.height, 32, pf::Bytes(64, 1))))
            << c.width << " x " << c.height;
        expectEmpty(picture);
    }
    Picture widest;
    EXPECT_TRUE(decodeTgaPicture(widest, pf::tga(2, 4096, 1, 32, pf::Bytes(4096 * 4, 9))));
    EXPECT_EQ(widest.pixelBytes, 4096u * 4u);

    const pf::Bytes whole = pf::tga(2, 2, 2, 32, pf::Bytes(16, 5));
    for (std::size_t size : {std::size_t{0}, std::size_t{5}, std::size_t{17}, std::size_t{18}, whole.size() - 1}) {
        Picture picture;
        EXPECT_FALSE(decodePicture(picture, PictureFormat::tga, whole.data(), size)) << size << " bytes";
        expectEmpty(picture);
    }
    TgaHeader header;
    EXPECT_TRUE(readTga("/nonexistent/velvetarium/601.tga", header).empty());
    EXPECT_TRUE(readTga(nullptr, header).empty());
}
