#include <gtest/gtest.h>

#include "render/Font.h"

TEST(FontLayout, PrintableCharactersMapToTheListsOfTheirSetOthersAreSkipped) {
    const int cases[][3] = {{0, 'A', 33},   {1, 'A', 161}, {2, 'A', 289},   {3, 'A', 289},
                            {200, 'A', 289}, {-1, 'A', 33}, {0, ' ', 0}, {1, ' ', 128}, {2, 127, 351}};
    for (const auto& c : cases) EXPECT_EQ(Font::listOfCharacter(c[0], static_cast<unsigned char>(c[1])), c[2]) << c[0];
    for (int set = 0; set <= 3; ++set) {
        for (int c = 0; c < 256; ++c) {
            const int list = Font::listOfCharacter(set, static_cast<unsigned char>(c));
            if (c < 32 || c > 127) {
                EXPECT_EQ(list, -1) << "character " << c;
            } else {
                EXPECT_GE(list, Font::effectiveSet(set) * Font::listsPerSet) << "character " << c;
                EXPECT_LT(list, Font::listCount) << "character " << c;
            }
        }
    }
}

TEST(FontLayout, ListsCutCellsOutOfASixteenBySixteenGrid) {
    const FontCell a = Font::cellOfList(33);  // column 1, row 2
    EXPECT_FLOAT_EQ(a.sLeft, 1.0f / 16.0f);
    EXPECT_FLOAT_EQ(a.sRight, 2.0f / 16.0f);
    EXPECT_FLOAT_EQ(a.tTop, 1.0f - 2.0f / 16.0f);
    EXPECT_FLOAT_EQ(a.tBottom, 1.0f - 3.0f / 16.0f);

    const FontCell space = Font::cellOfList(0);
    EXPECT_FLOAT_EQ(space.sLeft, 0.0f);
    EXPECT_FLOAT_EQ(space.tTop, 1.0f);

    const FontCell big = Font::cellOfList(161);  // row 10: the lower half of the picture
    EXPECT_FLOAT_EQ(big.tTop, 1.0f - 10.0f / 16.0f);
    EXPECT_FLOAT_EQ(big.sLeft, 1.0f / 16.0f);

    // Row 18 lies one whole picture below row 2: the repeat wrap shows row 2.
    const FontCell small = Font::cellOfList(289);
    EXPECT_FLOAT_EQ(small.sLeft, a.sLeft);
    EXPECT_FLOAT_EQ(small.tTop, a.tTop - 1.0f);
    EXPECT_FLOAT_EQ(small.tBottom, a.tBottom - 1.0f);

    const FontCell lastList = Font::cellOfList(384);  // column 0, row 24
    EXPECT_FLOAT_EQ(lastList.sLeft, 0.0f);
    EXPECT_FLOAT_EQ(lastList.tTop, 1.0f - 24.0f / 16.0f);
}

TEST(FontLayout, SetsHaveTheirOwnSizeAndAdvance) {
    const int cases[][3] = {{0, 24, 10}, {127, 24, 10}, {128, 32, 10}, {255, 32, 10}, {256, 18, 8}, {384, 18, 8}};
    for (const auto& c : cases) {
        EXPECT_EQ(Font::metricsOfList(c[0]).size, c[1]) << c[0];
        EXPECT_EQ(Font::metricsOfList(c[0]).advance, c[2]) << c[0];
    }
}
