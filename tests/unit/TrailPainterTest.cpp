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
    EXPECT_EQ(usedTrailLength(60), 48);
    EXPECT_EQ(usedTrailLength(48), 48);
    EXPECT_EQ(usedTrailLength(47), 47);
    EXPECT_EQ(usedTrailLength(0), 1);

    EXPECT_EQ(trailStyleOf(0).category, 0);
    EXPECT_EQ(trailStyleOf(200).category, 0);
    const TrailStyle dancer = trailStyleOf(111);
    EXPECT_EQ(dancer.category, 2);
    EXPECT_EQ(dancer.picture, 863u);
    EXPECT_FLOAT_EQ(dancer.scrollSpeed, 1.0f);
    EXPECT_EQ(trailStyleOf(106).category, 1);
    EXPECT_EQ(trailStyleOf(134).category, 3);
    EXPECT_EQ(trailStyleOf(162).category, 5);
    const TrailStyle b1 = trailStyleOf(141);
    EXPECT_EQ(b1.picture, 864u);
    EXPECT_FLOAT_EQ(b1.stretch, 0.5f);
    EXPECT_FLOAT_EQ(b1.scrollSpeed, 0.5f);
    const TrailStyle b2 = trailStyleOf(142);
    EXPECT_EQ(b2.picture, 866u);
    EXPECT_FLOAT_EQ(b2.stretch, 0.25f);
    EXPECT_FLOAT_EQ(b2.scrollSpeed, 1.5f);
    EXPECT_EQ(trailStyleOf(143).picture, 867u);
    EXPECT_FLOAT_EQ(trailStyleOf(143).scrollSpeed, 0.0f);
    EXPECT_EQ(trailStyleOf(144).picture, 868u);
    EXPECT_FLOAT_EQ(trailStyleOf(144).stretch, 0.25f);
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
    EXPECT_FLOAT_EQ(trailFade(2, 48), 46 * 2 * 0.01f);
    EXPECT_FLOAT_EQ(trailFade(45, 48), 3 * 2 * 0.01f);
    EXPECT_FLOAT_EQ(trailFade(1, 10), 9 * 10 * 0.01f);
    EXPECT_GT(trailFade(5, 48), trailFade(6, 48));
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
