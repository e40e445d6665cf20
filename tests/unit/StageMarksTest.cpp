#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "render/Ribbons.h"
#include "render/StageMarks.h"

namespace {
std::array<float, 4> rgba(const MarkColour& c) { return {c.red, c.green, c.blue, c.alpha}; }
}  // namespace

TEST(StatusRing, EachKindGetsItsRingsAndTheLastMeasuresItsChargeFromRedToGreen) {
    const float c1 = std::cos(1.0f), s1 = std::sin(1.0f);
    const struct {
        unsigned kind;
        int maximum, current;
        unsigned firstPicture;
        std::array<float, 4> ring;
        int measuring;  // the layer that measures
        std::array<float, 4> measure;
    } cases[] = {
        {161, 100, 25, 854, {0, 1, 1, 0.75f}, 2, {0.75f, 0.25f, 0, 0.75f}},
        {162, 200, 50, 854, {1, 0, 1, 0.75f}, 2, {0.75f, 0.25f, 0, 0.75f}},  // a muse who has sung: magenta
        {131, 100, 50, 857, {1, 0, 1, 0.75f}, 2, {0.5f, 0.5f, 0, 0.75f}},
        {111, 100, 100, 851, {1, 0, 0, 1}, 1, {c1, s1, 0, 1}},  // hearts turn toward green in radians
        {101, 100, 0, 851, {1, 1, 1, 1}, 1, {1, 0, 0, 1}},
        {144, 0, 30, 851, {0, 1, 1, 1}, 1, {1, 0, 0, 1}},  // no maximum: measured as empty
    };
    for (const auto& c : cases) {
        const StatusRingPlan plan = planStatusRing(c.kind, c.maximum, c.current);
        ASSERT_EQ(plan.count, 3) << c.kind;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(plan.layers[i].picture, c.firstPicture + i) << c.kind;
        EXPECT_EQ(rgba(plan.layers[0].colour), c.ring) << c.kind;
        EXPECT_EQ(rgba(plan.layers[c.measuring].colour), c.measure) << c.kind;
    }
    for (unsigned kind : {0u, 106u, 121u, 125u, 171u, 200u}) EXPECT_EQ(planStatusRing(kind, 100, 50).count, 0) << kind;
}

TEST(Ribbons, AcrossPointsToTheRightOfTheLine) {
    const float lines[][6] = {{0, 0, 0, 2, 1, 0}, {1, 1, -2, 1, 0, 1}, {3, 3, 3, 3, 1, 0}};  // a, b, across
    for (const auto& l : lines) {
        float x = 0.0f, y = 0.0f;
        acrossLine(l[0], l[1], l[2], l[3], x, y);
        EXPECT_NEAR(x, l[4], 1e-6f) << l[2] << " " << l[3];
        EXPECT_NEAR(y, l[5], 1e-6f) << l[2] << " " << l[3];
    }
}
