#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace

TEST(TrailSettings, LengthIsClampedAndStylesFollowTheKind) {
    const int lengths[][2] = {{60, 48}, {48, 48}, {47, 47}, {0, 1}};
    for (const auto& l : lengths) EXPECT_EQ(usedTrailLength(l[0]), l[1]) << l[0];
    const unsigned categories[][2] = {{0, 0}, {200, 0}, {106, 1}, {111, 2}, {134, 3}, {141, 4}, {162, 5}};
    for (const auto& c : categories) EXPECT_EQ(trailStyleOf(c[0]).category, static_cast<int>(c[1])) << c[0];
    // Each blossom leaves its own trail.
    for (unsigned a = 141; a <= 144; ++a)
        for (unsigned b = a + 1; b <= 144; ++b) EXPECT_NE(trailStyleOf(a).picture, trailStyleOf(b).picture);
    EXPECT_FLOAT_EQ(trailStyleOf(143).scrollSpeed, 0.0f);
}

TEST(TrailSettings, TheGateStopsDancersButNeverTheCatOrBlossoms) {
    EXPECT_TRUE(trailRecords(1.48f, 1.49f, 111));
    EXPECT_FALSE(trailRecords(1.49f, 1.49f, 111));
    EXPECT_FALSE(trailRecords(3.0f, 1.49f, 101));
    EXPECT_TRUE(trailRecords(3.0f, 1.49f, 106));
    EXPECT_TRUE(trailRecords(30.0f, 1.49f, 143));
}

TEST(TrailSampling, APointIsTakenEachNthOfThePeriodAndTheOthersMoveBack) {
    Trail trail;
    const int n = 48;
    EXPECT_FALSE(sampleTrail(trail, n, 1.0f, Vector(1, 2), 7, 0.01f));
    EXPECT_EQ(trail.flags[1], 0);
    EXPECT_TRUE(sampleTrail(trail, n, 1.0f, Vector(1, 2), 7, 0.015f));  // 0.025 > 1/48
    EXPECT_EQ(trail.flags[1], 4);
    EXPECT_EQ(trail.values[1], 7);
    EXPECT_FLOAT_EQ(trail.samplingTimer, 0.0f);
    EXPECT_TRUE(sampleTrail(trail, n, 1.0f, Vector(3, 4), 9, 0.03f));
    EXPECT_FLOAT_EQ(trail.points[1].x, 3.0f);
    EXPECT_FLOAT_EQ(trail.points[2].x, 1.0f);
    EXPECT_EQ(trail.values[2], 7);
    EXPECT_EQ(trail.flags[2], 4);
    EXPECT_EQ(trail.flags[0], 0) << "point 0 is never written";
    // The oldest point falls off at n.
    for (int i = 0; i < 60; ++i) sampleTrail(trail, n, 1.0f, Vector(5, 5), 1, 0.03f);
    EXPECT_EQ(trail.flags[n + 1], 0);
    EXPECT_EQ(trail.flags[n], 4);
}

TEST(TrailSampling, TheTrailFadesTowardItsEnd) {
    for (int k = 2; k < 47; ++k) EXPECT_GT(trailFade(k, 48), trailFade(k + 1, 48)) << k;
    EXPECT_FLOAT_EQ(trailFade(2, 48), 0.92f);  // steps of a whole percent: 100 / 48 is 2
    EXPECT_GT(trailFade(47, 48), 0.0f);
    EXPECT_LE(trailFade(1, 10), 1.0f);
}

TEST(TrailStrip, PairsOfFlaggedPointsAcrossTheHeading) {
    const int n = 48;
    Trail trail = straightTrail(20);
    TrailPair pairs[Trail::pointCount];
    const int count = buildTrailStrip(trail, n, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount);
    // Points 2..19 have flagged neighbours 2,3 / 4,5 / ... / 18,19: nine pairs of pairs.
    ASSERT_EQ(count, 18);
    for (int i = 0; i < count; ++i) EXPECT_EQ(pairs[i].point, 2 + i);
    // The trail runs from newer (+x) to older (-x): "left" of that lies at -y... and
    // the two vertices sit 0.1 either side of the point, across the trail.
    const TrailPair& p = pairs[0];
    const Vector& at = trail.points[2];
    EXPECT_NEAR(p.leftX, at.x, 1e-5f);
    EXPECT_NEAR(p.rightX, at.x, 1e-5f);
    EXPECT_NEAR(std::fabs(p.leftY - p.rightY), 0.2f, 1e-5f);
    EXPECT_NEAR((p.leftY + p.rightY) * 0.5f, at.y, 1e-5f);
    EXPECT_FLOAT_EQ(p.alpha, trailFade(2, n));
    EXPECT_FLOAT_EQ(p.s, 2.0f / 48.0f);
    // Scroll and stretch move the texture along the trail.
    buildTrailStrip(trail, n, 0.1f, 0.25f, 0.5f, pairs, Trail::pointCount);
    EXPECT_FLOAT_EQ(pairs[0].s, (2.0f / 48.0f - 0.25f) / 0.5f);
}

TEST(TrailStrip, GapsAndPointsAtTheOriginBreakThePairs) {
    Trail trail = straightTrail(12);
    trail.flags[5] = 0;                    // a gap
    trail.points[8] = Vector(0.0f, 0.0f);  // a cleared point
    TrailPair pairs[Trail::pointCount];
    const int count = buildTrailStrip(trail, 48, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount);
    // k=2: (2,3); k=4: 5 missing -> k=5: missing -> k=6: (6,7); k=8: origin -> k=9: (9,10); k=11: 12 ok -> (11,12)
    ASSERT_EQ(count, 8);
    const int expected[] = {2, 3, 6, 7, 9, 10, 11, 12};
    for (int i = 0; i < count; ++i) EXPECT_EQ(pairs[i].point, expected[i]);
    // Point 7 lies across the line from its neighbour 6 to its neighbour 8,
    // even though point 8 was cleared to the origin.
    const Vector along = trail.points[8] - trail.points[6];
    EXPECT_NEAR((pairs[3].leftX - pairs[3].rightX) * along.x + (pairs[3].leftY - pairs[3].rightY) * along.y, 0.0f, 1e-5f);
    // Nothing flagged: nothing drawn.
    Trail empty;
    EXPECT_EQ(buildTrailStrip(empty, 48, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount), 0);
}

TEST(TrailStrip, AShortTrailLengthStopsBeforeItsEnd) {
    Trail trail = straightTrail(20);
    TrailPair pairs[Trail::pointCount];
    // n = 6: k runs 2 and 3 only (k < n - 2).
    EXPECT_EQ(buildTrailStrip(trail, 6, 0.1f, 0.0f, 1.0f, pairs, Trail::pointCount), 2);
    EXPECT_EQ(buildTrailStrip(trail, 48, 0.1f, 0.0f, 1.0f, pairs, 5), 5) << "never more than the room given";
}
