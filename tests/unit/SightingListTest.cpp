#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "actors/Motion.h"
#include "actors/SightingList.h"

namespace {

// The closest entry as a scan from the front finds it: the first of the
// smallest distances.
int scanNearest(const SightingList& list) {
    int best = -1;
    for (int i = 0; i < list.size(); ++i)
        if (best < 0 || list.distanceAt(i) < list.distanceAt(best)) best = i;
    return best;
}

TEST(SightingListSeen, AnglesWorkedOutLaterEqualThoseWorkedOutAtOnce) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> offset(-6.0f, 6.0f);
    SightingList later;
    SightingList atOnce;
    for (int i = 0; i < SightingList::capacity; ++i) {
        Vector v{offset(random), offset(random), 0.000001f};
        if (i % 7 == 0) v.x = 0.000001f;  // straight along an axis, as a touch nudges it
        if (i % 11 == 0) v.y = -0.000001f;
        const float distance = v.length();
        later.addSeen(Vector{1.0f, 2.0f}, v, distance, 111);
        atOnce.add(Sighting{Vector{1.0f, 2.0f}, wrapAngle(angleOfVector(v)), distance, 111});
    }
    for (int i = SightingList::capacity - 1; i >= 0; --i) {
        const float a = later[i].angle, b = atOnce[i].angle;
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "entry " << i;
        EXPECT_FLOAT_EQ(later[i].distance, atOnce[i].distance);
        EXPECT_EQ(later[i].kind, 111);
    }
}

// A full list starts over instead of overflowing.
TEST(SightingListSeen, TheNearestEntryIsTheFirstOfTheClosestThroughEveryRestart) {
    std::mt19937 random(9);
    std::uniform_int_distribution<int> distance(1, 30);  // many equal distances
    SightingList list;
    for (int n = 0; n < 500; ++n) {
        const auto d = static_cast<float>(distance(random)) / 10.0f;
        if (n % 3 == 0)
            list.add(Sighting{Vector{}, 10.0f, d, 141});
        else
            list.addSeen(Vector{}, Vector{d, 0.5f, 0.0f}, d, 141);
        ASSERT_EQ(list.size(), n % SightingList::capacity + 1);
        const int best = scanNearest(list);
        ASSERT_EQ(list.nearest(), &list[best]) << "after entry " << n;
        EXPECT_EQ(list.nearestWithin(list.distanceAt(best)), nullptr) << "reach is strict";
        EXPECT_EQ(list.nearestWithin(list.distanceAt(best) + 0.05f), &list[best]);
    }
    list.clear();
    EXPECT_EQ(list.nearest(), nullptr);
    EXPECT_EQ(list.nearestWithin(1000.0f), nullptr);
}

}  // namespace
