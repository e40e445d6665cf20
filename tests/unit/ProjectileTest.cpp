#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "actors/Projectile.h"

namespace {

// A blossom at the origin flying along +y (angle 0) at the target.
Projectile launched(std::uint8_t kind = 141, std::uint16_t targetKind = Kind::prima, std::uint16_t targetSlot = 1) {
    Projectile p;
    p.place(kind, Vector{}, 0.05f, 0.05f, 0.0f, targetKind, targetSlot, 0.5f, 0);
    return p;
}

// The other actor, far from the blossom, with its slot and aim point.
void seen(Projectile& p, std::uint16_t kind, Vector at, std::uint16_t slot, Vector aim = Vector{}) {
    p.touch(kind, at, slot, aim, 0.175f, 0.175f, 1, 0.0f);
}

// An unknown kind keeps its size and takes the weakest strength.
TEST(ProjectileTest, RedTalentsMakeItLargerAndStrongerButItIsHarmlessForHalfASecond) {
    for (const auto& [kind, size, damage] : {std::tuple{144, 0.045f, 10}, std::tuple{150, 0.05f, 5}}) {
        Projectile p = launched(static_cast<std::uint8_t>(kind));
        EXPECT_FLOAT_EQ(p.width, size) << kind;
        for (int step = 0; step < 10; ++step, p.update(0.05f, 0.0f)) EXPECT_EQ(p.damage, 0) << "at " << p.age;
        p.update(0.05f, 0.0f), p.update(0.05f, 0.0f);
        EXPECT_EQ(p.damage, damage) << kind;
    }
}

TEST(ProjectileTest, BurstsOnTheFirstContactButNotOnTheCameraAndReportsLaunchAndBurstOnce) {
    for (const auto& [kind, size] : {std::pair{Kind::cat, 0.1f}, std::pair{Kind::ballerina, 0.175f},
                                     std::pair{Kind::muse, 0.4f}}) {
        Projectile p = launched(142);
        p.update(0.01f, 0.0f);
        ASSERT_TRUE(p.effectPending());
        EXPECT_EQ(p.effectKind, 6) << "the launch";
        p.touch(Kind::camera, p.position, 0, Vector{}, 0.0f, 0.0f, 0, 0.0f);
        p.touch(Kind::ballerina, p.position + Vector{p.width + 0.175f, 0.0f, 0.0f}, 0, Vector{}, 0.175f, 0.175f, 1, 0.0f);
        p.update(0.01f, 0.0f);
        EXPECT_EQ(std::pair(p.energy, p.effectPending()), std::pair(100, false)) << "the camera, a touch exactly apart";
        p.touch(kind, p.position + Vector{0.05f, 0.0f, 0.0f}, 3, Vector{}, size, size, 0, 0.0f);
        EXPECT_EQ(p.selected, kind == Kind::cat ? 1 : 0);
        p.update(0.01f, 0.0f);
        EXPECT_EQ(std::pair(int(p.kind), int(p.effectKind)), std::pair(0, 2)) << kind;
        EXPECT_EQ(p.effectPosition, p.position) << "where it burst";
    }
    Projectile lone = launched();
    int reports = 0, steps = 0;
    for (; lone.kind != 0 && steps < 1000; ++steps) reports += (lone.update(0.01f, 0.0f), lone.effectPending());
    EXPECT_EQ(reports, 1) << "only the launch";
    EXPECT_NEAR(steps * 0.01f, 5.0f, 0.02f) << "it fades after five seconds";
}

TEST(ProjectileTest, HomesOnTheAimPointOfItsOwnTargetOnlyOrOnThePrimaNearAPDancer) {
    Projectile p = launched(141, Kind::ballerina, 7);
    seen(p, Kind::ballerina, Vector{-2.0f, 0.0f, 0.0f}, 6, Vector{-2.0f, 0.0f, 0.0f});  // another slot
    seen(p, Kind::ballerina, Vector{2.0f, 0.0f, 0.0f}, 7, Vector{2.0f, 0.0f, 0.0f});
    EXPECT_NEAR(p.aimAngle, 270.0f, 0.01f);

    const struct { float guideRadius; std::uint16_t target; float aim, turn; } cases[] = {
        {1.0f, Kind::prima, 270.0f, -18.0f},  // a quarter turn right at 0.5 s a turn, for 0.1 s
        {0.5f, Kind::prima, 0.0f, 0.0f},      // the 'p' dancer beyond the guide radius
        {1.0f, Kind::ballerina, 0.0f, 0.0f},  // thrown at a dancer, it keeps to her
    };
    for (const auto& c : cases) {
        Projectile q = launched(141, c.target, 5);
        for (int frame = 0; frame < 3; ++frame) {  // frames of no time keep it fresh and on course
            q.update(0.0f, c.guideRadius);
            EXPECT_FLOAT_EQ(q.angle, 0.0f);
        }
        q.update(0.01f, c.guideRadius);
        seen(q, Kind::prima, Vector{2.0f, 0.0f, 0.0f}, 1);
        seen(q, Kind::dancerP, q.position + Vector{-0.8f, 0.0f, 0.0f}, 2);
        const float before = q.angle;
        q.update(0.1f, c.guideRadius);
        EXPECT_NEAR(angleBetween(c.aim, q.aimAngle), 0.0f, 1.0f) << c.guideRadius << " " << c.target;
        EXPECT_NEAR(angleBetween(before, q.angle), c.turn, 0.5f) << c.guideRadius << " " << c.target;
        EXPECT_TRUE(std::isfinite(q.position.x) && std::isfinite(q.position.y));
    }
}

}  // namespace
