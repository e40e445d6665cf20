// The parts of the sprite atlas that need no graphics context: which texels of
// a frame can show and how frames are packed.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "render/SpriteAtlas.h"

namespace {

// A w x h picture, transparent black, with the given texels set (x, y, alpha).
struct Texel {
    int x, y;
    std::uint8_t alpha;
};

void fill(Picture& picture, int w, int h, std::initializer_list<Texel> texels, std::uint8_t hiddenRed = 0) {
    const std::size_t bytes = static_cast<std::size_t>(w) * h * 4;
    auto* buffer = static_cast<std::uint8_t*>(std::malloc(bytes));
    ASSERT_NE(buffer, nullptr);
    std::memset(buffer, 0, bytes);
    // Colour under alpha 0 does not make a texel visible.
    for (std::size_t i = 0; i < bytes; i += 4) buffer[i] = hiddenRed;
    for (const Texel& t : texels) buffer[(static_cast<std::size_t>(t.y) * w + t.x) * 4 + 3] = t.alpha;
    picture.adoptPixels(buffer, bytes);
    picture.width = w;
    picture.height = h;
}

}  // namespace

// left, bottom, right, top
static std::array<int, 4> edges(const TexelBox& box) { return {box.left, box.bottom, box.right, box.top}; }

TEST(VisibleTexels, WidenTheVisibleTexelsByOneAndStayInsideThePicture) {
    Picture inner;
    fill(inner, 16, 8, {{5, 2, 1}, {9, 4, 255}}, 200);
    EXPECT_EQ(edges(visibleTexels(inner)), (std::array{4, 1, 11, 6}));  // columns 4..10, rows 1..5
    Picture corners;
    fill(corners, 8, 8, {{0, 0, 10}, {7, 7, 10}});
    EXPECT_EQ(edges(visibleTexels(corners)), (std::array{0, 0, 8, 8}));

    // Without alpha, or without an image, nothing shows.
    Picture clear;
    fill(clear, 8, 4, {}, 255);
    EXPECT_TRUE(visibleTexels(clear).empty());
    EXPECT_TRUE(visibleTexels(Picture()).empty());
}

TEST(PlanAtlas, RowsHoldEveryRectangleWithoutOverlapInAPowerOfTwo) {
    const std::int32_t widths[] = {30, 40, 50, 10, 64, 20};
    const std::int32_t heights[] = {10, 20, 5, 40, 7, 30};
    const AtlasPlan plan = planAtlas(widths, heights, 6, 64, 2048);
    EXPECT_EQ(plan.width, 64);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(plan.placed[i]) << i;
        EXPECT_LE(plan.x[i] + widths[i], plan.width) << i;
        EXPECT_LE(plan.y[i] + heights[i], plan.height) << i;
        for (int j = 0; j < i; ++j) {
            const bool apart = plan.x[i] >= plan.x[j] + widths[j] || plan.x[j] >= plan.x[i] + widths[i] ||
                               plan.y[i] >= plan.y[j] + heights[j] || plan.y[j] >= plan.y[i] + heights[i];
            EXPECT_TRUE(apart) << i << " overlaps " << j;
        }
    }
    EXPECT_EQ(plan.height & (plan.height - 1), 0) << plan.height;
    EXPECT_GE(plan.height, 20 + 40 + 7);  // three rows at least
}

TEST(PlanAtlas, WhatDoesNotFitIsLeftOut) {
    const std::int32_t widths[] = {100, 20, 0, 20};
    const std::int32_t heights[] = {10, 20, 10, 50};
    const AtlasPlan plan = planAtlas(widths, heights, 4, 64, 32);
    EXPECT_FALSE(plan.placed[0]);  // wider than the texture
    EXPECT_TRUE(plan.placed[1]);
    EXPECT_FALSE(plan.placed[2]);  // nothing to place
    EXPECT_FALSE(plan.placed[3]);  // taller than the largest side
    EXPECT_EQ(plan.height, 32);
}
