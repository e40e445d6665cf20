#include "app/IconMask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(IconMaskTest, FirstPixelOfEightIsTheMostSignificantBit) {
    // Key colour 7 in the top-left corner; only the second pixel differs.
    const std::uint8_t pixels[8] = {7, 3, 7, 7, 7, 7, 7, 7};
    std::uint8_t mask[1] = {0xAA};
    ASSERT_TRUE(buildIconMask(pixels, 8, 1, 8, mask));
    EXPECT_EQ(mask[0], 0x40);

    const std::uint8_t lastOnly[8] = {7, 7, 7, 7, 7, 7, 7, 9};
    ASSERT_TRUE(buildIconMask(lastOnly, 8, 1, 8, mask));
    EXPECT_EQ(mask[0], 0x01);
}

TEST(IconMaskTest, SetBitsAreThePixelsThatDifferFromTheTopLeftOne) {
    // The top-left pixel is always the key, so its own bit is always clear.
    const std::uint8_t pixels[16] = {
        0, 1, 2, 0, 0, 0, 5, 0,  //
        9, 9, 9, 9, 0, 0, 0, 0,
    };
    std::uint8_t mask[2] = {};
    ASSERT_TRUE(buildIconMask(pixels, 8, 2, 8, mask));
    EXPECT_EQ(mask[0], 0x62);  // 0110 0010
    EXPECT_EQ(mask[1], 0xF0);

    const std::uint8_t uniform[8] = {4, 4, 4, 4, 4, 4, 4, 4};
    ASSERT_TRUE(buildIconMask(uniform, 8, 1, 8, mask));
    EXPECT_EQ(mask[0], 0x00);
}

TEST(IconMaskTest, WideRowsUseOneByteForEveryEightPixels) {
    std::vector<std::uint8_t> pixels(16 * 2, 0);
    pixels[8] = 1;        // first pixel of the second byte of row 0
    pixels[16 + 15] = 1;  // last pixel of row 1
    std::vector<std::uint8_t> mask(iconMaskSize(16, 2), 0xFF);
    ASSERT_EQ(mask.size(), 4u);
    ASSERT_TRUE(buildIconMask(pixels.data(), 16, 2, 16, mask.data()));
    EXPECT_EQ(mask, (std::vector<std::uint8_t>{0x00, 0x80, 0x00, 0x01}));
}

TEST(IconMaskTest, RowPaddingBeyondTheWidthIsNotRead) {
    // Rows of 8 pixels stored 12 bytes apart; the padding holds other values.
    const std::uint8_t pixels[24] = {
        2, 2, 2, 2, 2, 2, 2, 3, 8, 8, 8, 8,  //
        3, 2, 2, 2, 2, 2, 2, 2, 8, 8, 8, 8,
    };
    std::uint8_t mask[2] = {};
    ASSERT_TRUE(buildIconMask(pixels, 8, 2, 12, mask));
    EXPECT_EQ(mask[0], 0x01);
    EXPECT_EQ(mask[1], 0x80);
}

TEST(IconMaskTest, WidthMustBeAPositiveMultipleOfEight) {
    EXPECT_EQ(iconMaskSize(32, 32), 128u);
    EXPECT_EQ(iconMaskSize(8, 3), 3u);
    EXPECT_EQ(iconMaskSize(12, 8), 0u);
    EXPECT_EQ(iconMaskSize(0, 8), 0u);
    EXPECT_EQ(iconMaskSize(8, 0), 0u);
    EXPECT_EQ(iconMaskSize(-8, 8), 0u);

    const std::uint8_t pixels[16] = {1};
    std::uint8_t mask[2] = {0x5A, 0x5A};
    EXPECT_FALSE(buildIconMask(pixels, 12, 1, 12, mask));
    EXPECT_FALSE(buildIconMask(pixels, 8, 1, 4, mask));  // pitch shorter than a row
    EXPECT_FALSE(buildIconMask(nullptr, 8, 1, 8, mask));
    EXPECT_EQ(mask[0], 0x5A);
    EXPECT_EQ(mask[1], 0x5A);
}

}  // namespace
