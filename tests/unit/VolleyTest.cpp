#include <gtest/gtest.h>

#include "actors/Motion.h"
#include "actors/Volley.h"

TEST(Volley, TablesFollowTheTalentsAndCountsOutsideTakeTheNearestRow) {
    EXPECT_FLOAT_EQ(throwIntervalFor(0), 0.75f);
    EXPECT_FLOAT_EQ(throwIntervalFor(3), 0.15f);
    EXPECT_FLOAT_EQ(throwIntervalFor(9), 0.15f);
    EXPECT_EQ(volleySizeFor(2), 3);
    EXPECT_EQ(volleySizeFor(-1), 1);
    EXPECT_EQ(blossomKindFor(200), 144);
}

TEST(Volley, LaunchIndexCyclesAndRecoversFromAShrunkVolley) {
    int index = 1;
    int seen[5] = {};
    for (int i = 0; i < 8; ++i) {
        index = nextLaunchIndex(index, 4);
        ASSERT_GE(index, 1);
        ASSERT_LE(index, 4);
        ++seen[index];
    }
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(seen[k], 2);
    EXPECT_EQ(nextLaunchIndex(3, 1), 1) << "a volley that shrank starts over";
}

TEST(Volley, PairedLaunchPointsMirrorAcrossTheAim) {
    const float s = 0.35f;
    for (float aim : {0.0f, 37.0f, 200.0f}) {
        const Vector a = launchOffset(1, 1, s, aim);
        const Vector b = launchOffset(1, 2, s, aim);
        const Vector forward = headingVector(aim);
        EXPECT_NEAR(a.dot(forward), 0.75f * s, 1e-4f);
        EXPECT_NEAR(b.dot(forward), 0.75f * s, 1e-4f);
        EXPECT_NEAR((a - b).length(), 1.5f * s, 1e-4f);
    }
    // Out-of-range indices fall on the nearest point of the volley.
    EXPECT_LT((launchOffset(0, 3, s, 0.0f) - Vector{0.0f, 0.9f * s, 0.0f}).length(), 1e-4f);
}
