#include <gtest/gtest.h>

#include <algorithm>

#include "render/Badge.h"
#include "render/WorldRenderer.h"

TEST(BadgeHearts, PlacesAndHeartsFromMaximumAndEnergy) {
    EXPECT_EQ(BadgeHearts::placesFor(100), 10);
    EXPECT_EQ(BadgeHearts::placesFor(200), 20);
    EXPECT_EQ(BadgeHearts::placesFor(5), 0);
    EXPECT_EQ(BadgeHearts::placesFor(100000), BadgeHearts::maxPlaces);
    EXPECT_EQ(BadgeHearts::heartsFor(100, 70), 3);
    EXPECT_EQ(BadgeHearts::heartsFor(100, 60), 4);
    EXPECT_EQ(BadgeHearts::heartsFor(100, 100), 0);
    EXPECT_EQ(BadgeHearts::heartsFor(100, 150), 0);
    EXPECT_EQ(BadgeHearts::heartsFor(100, -500), 10);
    EXPECT_EQ(BadgeHearts::heartsFor(5, 1), 0);
}

TEST(BadgeHearts, ANewHeartArrivesLargeAndSettles) {
    BadgeHearts hearts;
    const float dt = 0.05f;
    EXPECT_EQ(hearts.update(100, 70, dt), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(hearts.scale(i), BadgeHearts::arrivalScale);
    for (int frame = 0; frame < 40; ++frame) hearts.update(100, 70, dt);
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(hearts.scale(i), BadgeHearts::restScale) << i;
    EXPECT_EQ(hearts.previousCount(), 3);

    // The energy drops to 60: a fourth heart, the others stay.
    EXPECT_EQ(hearts.update(100, 60, dt), 4);
    EXPECT_FLOAT_EQ(hearts.scale(3), 0.2f);
    EXPECT_FLOAT_EQ(hearts.scale(0), BadgeHearts::restScale);
    hearts.update(100, 60, dt);
    EXPECT_NEAR(hearts.scale(3), 0.2f - 0.1f * dt, 1e-6f);
    float last = hearts.scale(3);
    for (int frame = 0; frame < 30; ++frame) {
        hearts.update(100, 60, dt);
        EXPECT_LE(hearts.scale(3), last);
        EXPECT_GE(hearts.scale(3), BadgeHearts::restScale);
        last = hearts.scale(3);
    }
    EXPECT_FLOAT_EQ(hearts.scale(3), BadgeHearts::restScale);
}

TEST(BadgeHearts, BelowHalfTheHeartsPulseTogetherFasterAsTheEnergyFalls) {
    BadgeHearts hearts;
    for (int frame = 0; frame < 60; ++frame) hearts.update(100, 60, 0.05f);
    // Energy 40: six hearts, all moving by the same step each frame.
    hearts.update(100, 40, 0.05f);
    const float before[2] = {hearts.scale(0), hearts.scale(1)};
    hearts.update(100, 40, 0.05f);
    EXPECT_FLOAT_EQ(hearts.scale(0) - before[0], hearts.scale(1) - before[1]);
    float lowest = 1.0f, highest = 0.0f;
    for (int frame = 0; frame < 400; ++frame) {
        hearts.update(100, 40, 0.05f);
        EXPECT_GE(hearts.pulse(), 0.075f);
        EXPECT_LE(hearts.pulse(), 0.15f);
        lowest = std::min(lowest, hearts.scale(1));
        highest = std::max(highest, hearts.scale(1));
    }
    EXPECT_GT(highest, lowest) << "the hearts swell and shrink";
    EXPECT_GT(lowest, 0.0f);

    // The pulse runs faster at 5 energy than at 40 (per frame step).
    BadgeHearts slow, fast;
    slow.update(100, 40, 0.01f);
    fast.update(100, 5, 0.01f);
    const float slowStart = slow.pulse(), fastStart = fast.pulse();
    slow.update(100, 40, 0.01f);
    fast.update(100, 5, 0.01f);
    EXPECT_GT(fast.pulse() - fastStart, slow.pulse() - slowStart);
    EXPECT_LE(fast.pulse() - fastStart, 0.4f * 0.01f + 1e-6f) << "at most 0.4 per second";
}

TEST(Badge, NothingIsDrawnWithoutEnergyOrKind) {
    // No graphics context is current: a badge that drew anything would have
    // turned its text and counted its hearts.
    WorldRenderer renderer;
    Badge& badge = renderer.badge();
    BadgeContent content;
    content.kind = 111;
    content.maximum = 100;
    content.energy = 0;
    content.size = 0.2f;
    badge.draw(content, 0.1f);
    content.energy = -20;
    badge.draw(content, 0.1f);
    content.energy = 50;
    content.kind = 0;
    badge.draw(content, 0.1f);
    EXPECT_FLOAT_EQ(badge.textAngle(), 0.0f);
    EXPECT_EQ(badge.hearts().previousCount(), 0);
}

TEST(Badge, TheDescriptionTurnsClockwiseAndWraps) {
    EXPECT_FLOAT_EQ(Badge::turnText(10.0f, 0.05f), 5.0f);
    EXPECT_FLOAT_EQ(Badge::turnText(0.0f, 0.016f), 3600.0f);
    EXPECT_FLOAT_EQ(Badge::turnText(1.0f, 0.01f), 3600.0f);
}
