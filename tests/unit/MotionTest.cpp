#include <gtest/gtest.h>

#include <cmath>

#include "actors/Motion.h"

namespace {

TEST(MotionTest, TurnTowardTakesTheShorterWayAtOneTurnPerTurnTime) {
    EXPECT_FLOAT_EQ(turnToward(0.0f, 90.0f, 1.0f, 0.5f), 45.0f);
    // From 10 to 350 the short way is down through 0, not up through 180.
    EXPECT_FLOAT_EQ(turnToward(10.0f, 350.0f, 1.0f, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(turnToward(350.0f, 10.0f, 2.0f, 1.0f), 360.0f);
    // At the target nothing changes.
    EXPECT_FLOAT_EQ(turnToward(42.0f, 42.0f, 0.5f, 3.0f), 42.0f);
}

TEST(MotionTest, TurnTowardOvershootsWhenTheStepExceedsTheTurnTimeAndSwingsBack) {
    const float first = turnToward(0.0f, 90.0f, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(first, 180.0f);  // past the target
    const float second = turnToward(first, 90.0f, 0.5f, 1.0f);
    EXPECT_LT(second, 90.0f);        // and back beyond it the other way
    EXPECT_FLOAT_EQ(second, 0.0f);
}

TEST(MotionTest, HeadingVectorFacesUpAtZeroAndLeftAtNinety) {
    const struct {
        float angle, x, y;
    } cases[] = {{0.0f, 0.0f, 1.0f}, {90.0f, -1.0f, 0.0f}, {180.0f, 0.0f, -1.0f}, {270.0f, 1.0f, 0.0f}, {-90.0f, 1.0f, 0.0f}};
    for (const auto& c : cases) {
        const Vector h = headingVector(c.angle);
        EXPECT_NEAR(h.x, c.x, 1e-5f) << c.angle;
        EXPECT_NEAR(h.y, c.y, 1e-5f) << c.angle;
        EXPECT_FLOAT_EQ(h.z, 0.0f);
        EXPECT_NEAR(h.length(), 1.0f, 1e-6f);
    }
}

TEST(MotionTest, AngleOfVectorFacesAgainstTheVectorInEveryQuadrant) {
    const struct {
        float x, y, angle;
    } cases[] = {{1.0f, 1.0f, 135.0f}, {-1.0f, 1.0f, 225.0f}, {-1.0f, -1.0f, 315.0f}, {1.0f, -1.0f, 45.0f},
                 {2.0f, 0.5f, 104.036243f}};
    for (const auto& c : cases) {
        const float a = angleOfVector(Vector{c.x, c.y, 0.0f});
        EXPECT_NEAR(a, c.angle, 1e-3f) << c.x << "," << c.y;
        // So an actor at p facing angleOfVector(p - target) looks at the target.
        const Vector h = headingVector(a);
        const Vector away = Vector{c.x, c.y, 0.0f}.normalised();
        EXPECT_NEAR(h.x, -away.x, 1e-5f);
        EXPECT_NEAR(h.y, -away.y, 1e-5f);
    }
}

TEST(MotionTest, AngleOfVectorOnTheAxesKeepsAtansPlusMinusNinety) {
    EXPECT_FLOAT_EQ(angleOfVector(Vector{0.0f, 2.0f, 0.0f}), 90.0f);
    EXPECT_FLOAT_EQ(angleOfVector(Vector{0.0f, -2.0f, 0.0f}), -90.0f);
    // Negative x with y exactly 0 gets no 270: callers avoid exact zeros.
    EXPECT_FLOAT_EQ(angleOfVector(Vector{-1.0f, 0.0f, 0.0f}), 0.0f);
    EXPECT_FLOAT_EQ(angleOfVector(Vector{1.0f, 0.0f, 0.0f}), 90.0f);
    EXPECT_FALSE(std::isnan(angleOfVector(Vector{})));
}

TEST(MotionTest, SpeedPushedToThreeTimesMaxIsCutToTwiceAndSinksOnePerSecond) {
    const float maxSpeed = 1.0f;
    float speed = integrateSpeed(3.0f * maxSpeed, 0.0f, maxSpeed, 0.0f, 0.1f);
    EXPECT_NEAR(speed, 1.9f, 1e-5f);  // cut to 2.0, then 1.0 per second off
    int steps = 1;
    while (speed > maxSpeed && steps < 100) {
        const float before = speed;
        speed = integrateSpeed(speed, 0.0f, maxSpeed, 0.0f, 0.1f);
        EXPECT_NEAR(before - speed, 0.1f, 1e-5f);
        ++steps;
    }
    EXPECT_EQ(steps, 10);  // 2.0 down to 1.0 in tenths
    EXPECT_NEAR(speed, maxSpeed, 1e-4f);
    // At maxSpeed it stays.
    EXPECT_FLOAT_EQ(integrateSpeed(speed, 0.0f, maxSpeed, 0.0f, 0.1f), speed);
}

TEST(MotionTest, SpeedIsRaisedToMinSpeedAndNeverNegative) {
    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, -10.0f, 2.0f, 0.3f, 0.1f), 0.3f);
    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, -10.0f, 2.0f, -1.0f, 0.1f), 0.0f);
    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, 1.0f, 2.0f, 0.0f, 0.5f), 1.0f);
}

TEST(MotionTest, WrapOnceAddsOrSubtractsOneTurnAndWrapAngleAnyNumber) {
    EXPECT_FLOAT_EQ(wrapOnce(-90.0f), 270.0f);
    EXPECT_FLOAT_EQ(wrapOnce(450.0f), 90.0f);
    EXPECT_FLOAT_EQ(wrapOnce(800.0f), 440.0f);  // only one turn
    EXPECT_FLOAT_EQ(wrapAngle(800.0f), 80.0f);
    EXPECT_FLOAT_EQ(wrapAngle(-800.0f), 280.0f);
    EXPECT_FLOAT_EQ(wrapAngle(NAN), 0.0f);
}

}  // namespace
