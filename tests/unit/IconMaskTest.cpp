#include "app/IconMask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(IconMaskTest, SetBitsArePixelsDifferingFromTheTopLeftOneFirstPixelHighest) {
    const struct {
        const char* name;
        int width, height, pitch;
        std::vector<std::uint8_t> pixels, mask;
    } rows[] = {
        {"second pixel", 8, 1, 8, {7, 3, 7, 7, 7, 7, 7, 7}, {0x40}},
        {"last pixel", 8, 1, 8, {7, 7, 7, 7, 7, 7, 7, 9}, {0x01}},
        {"one colour", 8, 1, 8, {4, 4, 4, 4, 4, 4, 4, 4}, {0x00}},
        {"two rows", 8, 2, 8, {0, 1, 2, 0, 0, 0, 5, 0, 9, 9, 9, 9, 0, 0, 0, 0}, {0x62, 0xF0}},
        {"a byte for every eight pixels", 16, 2, 16,
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {0x00, 0x80, 0x00, 0x01}},
        // Rows of 8 pixels stored 12 bytes apart; the padding holds other values and is not read.
        {"padded rows", 8, 2, 12, {2, 2, 2, 2, 2, 2, 2, 3, 8, 8, 8, 8, 3, 2, 2, 2, 2, 2, 2, 2, 8, 8, 8, 8},
         {0x01, 0x80}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(iconMaskSize(row.width, row.height), row.mask.size());
        std::vector<std::uint8_t> mask(row.mask.size(), 0xAA);
        ASSERT_TRUE(buildIconMask(row.pixels.data(), row.width, row.height, row.pitch, mask.data()));
        EXPECT_EQ(mask, row.mask);
    }
}

TEST(IconMaskTest, WidthMustBeAPositiveMultipleOfEight) {
    EXPECT_EQ(iconMaskSize(32, 32), 128u);
    for (const auto& [width, height] : {std::pair{12, 8}, {0, 8}, {8, 0}, {-8, 8}})
        EXPECT_EQ(iconMaskSize(width, height), 0u) << width << " x " << height;

    const std::uint8_t pixels[16] = {1};
    std::uint8_t mask[2] = {0x5A, 0x5A};
    EXPECT_FALSE(buildIconMask(pixels, 12, 1, 12, mask));
    EXPECT_FALSE(buildIconMask(pixels, 8, 1, 4, mask));  // pitch shorter than a row
    EXPECT_FALSE(buildIconMask(nullptr, 8, 1, 8, mask));
    EXPECT_EQ(mask[0], 0x5A);
    EXPECT_EQ(mask[1], 0x5A);
}

}  // namespace
