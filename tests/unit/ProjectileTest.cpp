#include <gtest/gtest.h>

#include <cmath>

#include "actors/Projectile.h"

namespace {

constexpr std::uint16_t primaSlot = 1;

// A blossom at the origin flying along +y (angle 0) at the Prima Ballerina.
void launch(Projectile& p, std::uint8_t kind = 141, std::uint16_t targetKind = Kind::prima,
            std::uint16_t targetIndex = primaSlot) {
    p.place(kind, Vector{0.0f, 0.0f, 0.0f}, 0.05f, 0.05f, 0.0f, targetKind, targetIndex, 0.5f, 0);
}

// The other actor is far away from the blossom and not in its way.
void touchFar(Projectile& p, std::uint16_t kind, Vector at, std::uint16_t slot = 0, Vector aim = Vector{}) {
    p.touch(kind, at, slot, aim, 0.175f, 0.175f, 1, 0.0f);
}

bool finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

TEST(ProjectileArming, StrengthSetsSizeAndDamageButItIsHarmlessForHalfASecond) {
    Projectile p;
    launch(p, 143);
    EXPECT_FLOAT_EQ(p.width, 0.04f);
    EXPECT_EQ(p.baseDamage, 8);
    EXPECT_EQ(p.launching, 1);
    EXPECT_EQ(p.damage, 0);
    for (int step = 1; step <= 9; ++step) {  // to 0.45 s
        p.update(0.05f, 0.0f);
        EXPECT_EQ(p.damage, 0) << "at " << p.age;
    }
    p.update(0.05f, 0.0f);
    p.update(0.05f, 0.0f);
    EXPECT_GE(p.age, 0.5f);
    EXPECT_EQ(p.damage, 8);

    Projectile free;
    free.place(0, Vector{}, 0.0f, 0.0f, 0.0f, 0, 0, 0.0f, 0);
    EXPECT_EQ(free.launching, 0);
}

TEST(ProjectileContact, BurstsOnTheFirstContactWithTheCatOrItsThrower) {
    struct Other {
        std::uint16_t kind;
        float size;
    };
    for (const Other other : {Other{Kind::cat, 0.1f}, Other{Kind::ballerina, 0.175f}, Other{Kind::muse, 0.4f}}) {
        Projectile p;
        launch(p);
        p.update(0.01f, 0.0f);  // the launch report
        const Vector at = p.position + Vector{0.05f, 0.0f, 0.0f};
        p.touch(other.kind, at, 3, Vector{}, other.size, other.size, 0, 0.0f);
        EXPECT_EQ(p.energy, -100) << other.kind;
        EXPECT_EQ(p.damage, 0) << "its thrower takes nothing from it yet";
        EXPECT_EQ(p.selected, other.kind == Kind::cat ? 1 : 0);
        p.update(0.01f, 0.0f);
        EXPECT_TRUE(p.effectPending());
        EXPECT_EQ(p.effectKind, p.burstEffect);
        EXPECT_EQ(p.kind, 0) << "the slot is free after the burst";
    }
}

TEST(ProjectileContact, TheCameraAndFarActorsDoNotBurstIt) {
    Projectile p;
    launch(p);
    p.touch(Kind::camera, p.position, 0, Vector{}, 0.0f, 0.0f, 0, 0.0f);
    EXPECT_EQ(p.energy, 100);
    // Mean sizes summing exactly to the distance are not a contact.
    const float reach = 0.03f + 0.175f;
    p.touch(Kind::ballerina, Vector{reach, 0.0f, 0.0f}, 0, Vector{}, 0.175f, 0.175f, 1, 0.0f);
    touchFar(p, Kind::ballerina, Vector{3.0f, 3.0f, 0.0f});
    EXPECT_EQ(p.energy, 100);
    p.update(0.01f, 0.0f);
    EXPECT_EQ(p.kind, 141);
}

TEST(ProjectileFlight, AFreshBlossomDoesNotTurnAndStaysFinite) {
    Projectile p;
    launch(p);
    touchFar(p, Kind::prima, Vector{2.0f, 0.0f, 0.0f}, primaSlot, Vector{2.0f, 0.0f, 0.0f});
    EXPECT_NEAR(p.aimAngle, 270.0f, 0.01f) << "aims at the Prima Ballerina on its right";
    // Frames of no time keep it at age 0: the turn time stays infinite.
    for (int i = 0; i < 3; ++i) {
        p.update(0.0f, 0.0f);
        EXPECT_TRUE(std::isinf(p.turnTime));
        EXPECT_FLOAT_EQ(p.angle, 0.0f);
    }
    p.update(0.02f, 0.0f);
    EXPECT_FLOAT_EQ(p.angle, 0.0f) << "the first real update does not turn";
    EXPECT_TRUE(finite(p.position));
    EXPECT_TRUE(finite(p.velocity));
    EXPECT_TRUE(std::isfinite(p.momentum));
    EXPECT_GT(p.position.y, 0.0f);

    // Once it has an age it turns toward the aim, the older the harder.
    p.update(0.02f, 0.0f);
    EXPECT_LT(wrapAngle(p.angle), 360.0f);
    EXPECT_GT(wrapAngle(p.angle), 359.0f);
    EXPECT_TRUE(finite(p.position));
}

TEST(ProjectileFlight, FollowsTheAimPointOfItsOwnTargetOnly) {
    Projectile p;
    launch(p, 141, Kind::ballerina, 7);
    touchFar(p, Kind::ballerina, Vector{-2.0f, 0.0f, 0.0f}, 6, Vector{-2.0f, 0.0f, 0.0f});
    touchFar(p, Kind::prima, Vector{2.0f, 0.0f, 0.0f}, primaSlot, Vector{2.0f, 0.0f, 0.0f});
    touchFar(p, Kind::ballerina, Vector{0.0f, -2.0f, 0.0f}, 7, Vector{});
    EXPECT_FLOAT_EQ(p.aimAngle, 0.0f) << "another slot, another kind and a missing aim point change nothing";
    touchFar(p, Kind::ballerina, Vector{-2.0f, 0.0f, 0.0f}, 7, Vector{-2.0f, 0.0f, 0.0f});
    EXPECT_NEAR(p.aimAngle, 90.0f, 0.01f);
    EXPECT_FLOAT_EQ(p.lastTargetPosition.x, -2.0f);
}

TEST(ProjectileFlight, APDancerMakesItHomeOnThePrimasLastPosition) {
    auto flyGuided = [](float guideRadius, std::uint16_t targetKind) {
        Projectile p;
        launch(p, 141, targetKind, 5);
        p.update(0.01f, guideRadius);
        touchFar(p, Kind::prima, Vector{2.0f, 0.0f, 0.0f});
        touchFar(p, Kind::dancerP, p.position + Vector{-0.8f, 0.0f, 0.0f});
        const float before = p.angle;
        p.update(0.1f, guideRadius);
        return std::pair<Projectile, float>{std::move(p), before};
    };
    auto [guided, before] = flyGuided(1.0f, Kind::prima);
    EXPECT_NEAR(guided.aimAngle, 270.0f, 1.0f) << "toward where the Prima Ballerina was seen";
    EXPECT_FLOAT_EQ(guided.turnTime, 0.5f);
    // A quarter turn to the right at 0.5 s per turn, for 0.1 s.
    EXPECT_NEAR(guided.angle, before - 90.0f * 0.1f / 0.5f, 0.5f);

    auto [unguided, start] = flyGuided(0.5f, Kind::prima);
    EXPECT_NEAR(unguided.angle, start, 0.01f) << "the 'p' dancer is beyond the guide radius";

    // Thrown at a dancer, it keeps to that dancer's last position.
    auto [atDancer, unused] = flyGuided(1.0f, Kind::ballerina);
    (void)unused;
    EXPECT_NEAR(atDancer.aimAngle, 0.0f, 1.0f);
}

TEST(ProjectileEffects, ReportsTheLaunchOnceAndTheBurstWhereItHappenedOrFadesAfterFiveSeconds) {
    Projectile p;
    p.place(142, Vector{1.0f, 1.0f, 0.0f}, 0.05f, 0.05f, 30.0f, Kind::prima, primaSlot, 0.5f, 0);
    p.update(0.01f, 0.0f);
    ASSERT_TRUE(p.effectPending());
    EXPECT_EQ(p.effectKind, 6);
    EXPECT_NEAR(p.effectAngle, 30.0f, 0.01f);
    EXPECT_LT((p.effectPosition - Vector{1.0f, 1.0f, 0.0f}).length(), 0.02f);
    p.update(0.01f, 0.0f);
    EXPECT_FALSE(p.effectPending());
    p.touch(Kind::muse, p.position, 4, Vector{}, 0.4f, 0.4f, 1, 0.0f);
    p.update(0.01f, 0.0f);
    ASSERT_TRUE(p.effectPending());
    EXPECT_EQ(p.effectKind, 2);
    EXPECT_LT((p.effectPosition - p.position).length(), 0.001f);

    Projectile lone;
    launch(lone);
    int reports = 0, steps = 0;
    for (; lone.kind != 0 && steps < 1000; ++steps) {
        lone.update(0.01f, 0.0f);
        reports += lone.effectPending();
    }
    EXPECT_EQ(reports, 1) << "only the launch is ever reported";
    EXPECT_NEAR(steps * 0.01f, 5.0f, 0.02f);
}
