#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "render/Badge.h"

TEST(BadgeHearts, OneHeartPerTenthOfTheEnergyLost) {
    const int cases[][4] = {// maximum, energy, places, hearts
                            {100, 70, 10, 3},  {100, 60, 10, 4}, {100, 100, 10, 0},     {100, 150, 10, 0},
                            {100, -500, 10, 10}, {200, 0, 20, 10}, {5, 1, 0, 0},         {-100, 0, 0, 0},
                            {100000, 99999, 40, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(BadgeHearts::placesFor(c[0]), BadgeHearts::heartsFor(c[0], c[1])), std::pair(c[2], c[3]))
            << c[0] << " " << c[1];
}

TEST(BadgeHearts, ANewHeartArrivesLargeAndSettlesBelowHalfTheyPulseTogether) {
    BadgeHearts hearts;
    const float dt = 0.05f, rest = BadgeHearts::restScale;
    EXPECT_EQ(hearts.update(100, 70, dt), 3);
    EXPECT_FLOAT_EQ(hearts.scale(0), BadgeHearts::arrivalScale);
    for (int frame = 0; frame < 40; ++frame) hearts.update(100, 70, dt);
    EXPECT_FLOAT_EQ(hearts.scale(2), rest);
    // A fourth heart arrives large and shrinks steadily to rest; the others stay.
    EXPECT_EQ(hearts.update(100, 60, dt), 4);
    EXPECT_EQ(std::pair(hearts.scale(3), hearts.scale(0)), std::pair(BadgeHearts::arrivalScale, rest));
    for (float last = hearts.scale(3), frame = 0; frame < 30; ++frame, last = hearts.scale(3)) {
        hearts.update(100, 60, dt);
        EXPECT_TRUE(hearts.scale(3) < last || hearts.scale(3) == rest) << frame;
    }
    EXPECT_FLOAT_EQ(hearts.scale(3), rest);

    // Energy 40: six hearts, all swelling and shrinking by the same step each frame.
    hearts.update(100, 40, dt);
    float lowest = 1.0f, highest = 0.0f;
    for (int frame = 0; frame < 400; ++frame) {
        const float before[2] = {hearts.scale(0), hearts.scale(1)};
        hearts.update(100, 40, dt);
        EXPECT_FLOAT_EQ(hearts.scale(0) - before[0], hearts.scale(1) - before[1]);
        EXPECT_TRUE(hearts.pulse() >= 0.075f && hearts.pulse() <= 0.15f) << hearts.pulse();
        lowest = std::min(lowest, hearts.scale(1)), highest = std::max(highest, hearts.scale(1));
    }
    EXPECT_GT(highest, lowest);
    EXPECT_GT(lowest, 0.0f);
    // The pulse runs faster at 5 energy than at 40, at most 0.4 per second.
    BadgeHearts slow, fast;
    slow.update(100, 40, 0.01f), fast.update(100, 5, 0.01f);
    const float slowStart = slow.pulse(), fastStart = fast.pulse();
    slow.update(100, 40, 0.01f), fast.update(100, 5, 0.01f);
    EXPECT_GT(fast.pulse() - fastStart, slow.pulse() - slowStart);
    EXPECT_LE(fast.pulse() - fastStart, 0.4f * 0.01f + 1e-6f);
}

TEST(Badge, TheDescriptionTurnsClockwiseAndWraps) {
    EXPECT_FLOAT_EQ(Badge::turnText(10.0f, 0.05f), 5.0f);
    EXPECT_FLOAT_EQ(Badge::turnText(1.0f, 0.01f), 3600.0f);
}
