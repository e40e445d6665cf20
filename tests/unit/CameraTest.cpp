#include <gtest/gtest.h>

#include "actors/Camera.h"

namespace {

float distance(Vector a, Vector b) { return (a - b).length(); }

TEST(CameraTest, SettlesThreeQuartersAheadOfAStillPrimaBallerina) {
    Camera c;
    const Vector prima{1.0f, 2.0f, 0.0f};
    c.place(Kind::camera, prima);
    Vector point;
    for (int i = 0; i < 8; ++i) point = c.follow(prima, 0.0f, 0.75f);  // angle 0 faces +y
    EXPECT_NEAR(point.x, 1.0f, 1e-5f);
    EXPECT_NEAR(point.y, 2.75f, 1e-5f);
    EXPECT_EQ(c.position, point);
    c.follow(prima, 0.0f, 0.75f);
    EXPECT_EQ(c.moving, 0);

    // Facing 90 degrees is facing -x: the lead swings round to the left.
    for (int i = 0; i < 30; ++i) point = c.follow(prima, 90.0f, 0.75f);
    EXPECT_NEAR(point.x, 0.25f, 1e-5f);
    EXPECT_NEAR(point.y, 2.0f, 1e-5f);
    // A broken position leaves the view where it is.
    EXPECT_EQ(c.follow(Vector{NAN, 0.0f, 0.0f}, 0.0f, 0.75f), point);
}

TEST(CameraTest, AJumpOfTwoUnitsTakesTwentyUpdatesAtMostATenthEach) {
    Camera c;
    Vector prima{0.0f, 0.0f, 0.0f};
    c.place(Kind::camera, prima);
    for (int i = 0; i < 20; ++i) c.follow(prima, 0.0f, 0.75f);
    const Vector settled = c.position;

    prima = prima + Vector{2.0f, 0.0f, 0.0f};
    const Vector goal = settled + Vector{2.0f, 0.0f, 0.0f};
    Vector last = settled;
    for (int update = 1; update <= 19; ++update) {
        const Vector p = c.follow(prima, 0.0f, 0.75f);
        EXPECT_LE(distance(p, last), 0.1f + 1e-5f);
        EXPECT_EQ(c.moving, Camera::movingFlag) << update;
        last = p;
    }
    EXPECT_NEAR(distance(last, goal), 0.1f, 1e-4f);
    const Vector arrived = c.follow(prima, 0.0f, 0.75f);
    EXPECT_LT(distance(arrived, goal), 1e-4f);
    c.follow(prima, 0.0f, 0.75f);
    EXPECT_EQ(c.moving, 0);
}

}  // namespace
