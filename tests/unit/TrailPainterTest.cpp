#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/TrailPainter.h"

namespace {
// A trail with points 1..count flagged, moving along +x from (1, 1).
Trail straightTrail(int count) {
    Trail trail;
    for (int j = 1; j <= count; ++j) {
        trail.points[j] = Vector(1.0f + 0.1f * static_cast<float>(count - j), 1.0f);
        trail.flags[j] = 4;
    }
    return trail;
}

std::vector<int> pointsOf(const TrailPair* pairs, int count) {
    std::vector<int> points;
    for (int i = 0; i < count; ++i) points.push_back(pairs[i].point);
    return points;
}
}  // namespace

TEST(TrailSettings, LengthIsClampedStylesFollowTheKindAndTheGateStopsOnlyDancers) {
    for (const auto& [setting, used] : {std::pair{60, 48}, {48, 48}, {47, 47}, {0, 1}})
        EXPECT_EQ(usedTrailLength(static_cast<std::uint8_t>(setting)), used);
    for (const auto& [kind, category] :
         {std::pair{0u, 0}, {200u, 0}, {106u, 1}, {111u, 2}, {134u, 3}, {141u, 4}, {162u, 5}})
        EXPECT_EQ(trailStyleOf(kind).category, category) << kind;
    EXPECT_TRUE(trailRecords(1.48f, 1.49f, 111));
    EXPECT_FALSE(trailRecords(1.49f, 1.49f, 111));
    EXPECT_TRUE(trailRecords(3.0f, 1.49f, 106) && trailRecords(30.0f, 1.49f, 143)) << "never the cat or blossoms";
}

TEST(TrailSampling, APointIsTakenEachNthOfThePeriodAndTheOthersMoveBack) {
    Trail trail;
    EXPECT_FALSE(sampleTrail(trail, 48, 1.0f, Vector(1, 2), 7, 0.01f));
    EXPECT_TRUE(sampleTrail(trail, 48, 1.0f, Vector(1, 2), 7, 0.015f));  // 0.025 > 1/48
    EXPECT_TRUE(sampleTrail(trail, 48, 1.0f, Vector(3, 4), 9, 0.03f));
    EXPECT_EQ(std::vector({trail.points[1].x, trail.points[2].x}), std::vector({3.0f, 1.0f}));
    EXPECT_EQ(std::vector({trail.values[1], trail.values[2]}), std::vector({9, 7}));
    EXPECT_EQ(std::vector({trail.flags[0], trail.flags[1], trail.flags[2], trail.flags[3]}),
              std::vector<std::uint8_t>({0, 4, 4, 0})) << "point 0 is never written";
    // The oldest point falls off at n.
    for (int i = 0; i < 60; ++i) sampleTrail(trail, 48, 1.0f, Vector(5, 5), 1, 0.03f);
    EXPECT_EQ(std::pair(trail.flags[48], trail.flags[49]), std::pair(std::uint8_t{4}, std::uint8_t{0}));
    // The trail fades toward its end in steps of a whole percent: 100 / 48 is 2.
    for (int k = 2; k < 47; ++k) EXPECT_GT(trailFade(k, 48), trailFade(k + 1, 48)) << k;
    EXPECT_FLOAT_EQ(trailFade(2, 48), 0.92f);
    EXPECT_EQ(trailFade(1, 0), 0.0f);
}

TEST(TrailStrip, PairsOfUsablePointsAcrossTheHeading) {
    TrailPair pairs[Trail::pointCount];
    const Trail straight = straightTrail(20);
    // Points 2..19 have flagged neighbours: pairs 2,3 / 4,5 / ... / 18,19.
    ASSERT_EQ(buildTrailStrip(straight, 48, 0.1f, 0.25f, 0.5f, pairs, Trail::pointCount), 18);
    // The two vertices sit 0.1 either side of the point, across the trail.
    const TrailPair& p = pairs[0];
    EXPECT_TRUE(p.leftX == straight.points[2].x && p.rightX == straight.points[2].x);
    EXPECT_NEAR(std::fabs(p.leftY - p.rightY), 0.2f, 1e-5f);
    EXPECT_NEAR((p.leftY + p.rightY) * 0.5f, straight.points[2].y, 1e-5f);
    EXPECT_FLOAT_EQ(p.alpha, trailFade(2, 48));
    EXPECT_FLOAT_EQ(p.s, (2.0f / 48.0f - 0.25f) / 0.5f) << "scroll and stretch move the texture along the trail";
    // A short trail length stops before its end (k < n - 2); never more than the room given.
    const int shortCount = buildTrailStrip(straight, 6, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount);
    EXPECT_EQ(pointsOf(pairs, shortCount), std::vector({2, 3}));
    EXPECT_EQ(buildTrailStrip(straight, 48, 0.1f, 0.0f, 1.0f, pairs, 5), 5);

    // Gaps and points cleared to the origin break the pairs.
    Trail broken = straightTrail(12);
    broken.flags[5] = 0;
    broken.points[8] = Vector(0.0f, 0.0f);
    const int count = buildTrailStrip(broken, 48, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount);
    EXPECT_EQ(pointsOf(pairs, count), std::vector({2, 3, 6, 7, 9, 10, 11, 12}));
    // Point 7 lies across the line from neighbour 6 to neighbour 8, even though 8 was cleared.
    const Vector along = broken.points[8] - broken.points[6];
    const TrailPair& seven = pairs[3];
    EXPECT_NEAR((seven.leftX - seven.rightX) * along.x + (seven.leftY - seven.rightY) * along.y, 0.0f, 1e-5f);
    EXPECT_EQ(buildTrailStrip(Trail(), 48, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount), 0) << "nothing flagged";
}
