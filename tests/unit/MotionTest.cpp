#include <gtest/gtest.h>

#include <cmath>

#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "actors/Muse.h"
#include "actors/PowerUp.h"

namespace {

TEST(MotionTest, TurnTowardTakesTheShortWayAndOvershootsWhenTheStepExceedsTheTurnTime) {
    const struct {
        float from, target, turnTime, dt, expected;
    } cases[] = {
        {0.0f, 90.0f, 1.0f, 0.5f, 45.0f},
        {10.0f, 350.0f, 1.0f, 0.5f, 0.0f},  // down through 0, not up through 180
        {350.0f, 10.0f, 2.0f, 1.0f, 360.0f},
        {42.0f, 42.0f, 0.5f, 3.0f, 42.0f},
        {0.0f, 90.0f, 0.5f, 1.0f, 180.0f},  // past the target ...
        {180.0f, 90.0f, 0.5f, 1.0f, 0.0f},  // ... and back beyond it the other way
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.target);
        EXPECT_FLOAT_EQ(turnToward(c.from, c.target, c.turnTime, c.dt), c.expected);
    }
}

TEST(MotionTest, HeadingVectorAndAngleOfVectorFaceEachOther) {
    const struct {
        float angle, x, y;
    } headings[] = {{0.0f, 0.0f, 1.0f}, {90.0f, -1.0f, 0.0f}, {180.0f, 0.0f, -1.0f}, {270.0f, 1.0f, 0.0f}, {-90.0f, 1.0f, 0.0f}};
    for (const auto& c : headings) {
        const Vector h = headingVector(c.angle);
        EXPECT_NEAR(h.x, c.x, 1e-5f) << c.angle;
        EXPECT_NEAR(h.y, c.y, 1e-5f) << c.angle;
        EXPECT_FLOAT_EQ(h.z, 0.0f);
    }
    const struct {
        float x, y, angle;
    } vectors[] = {{1.0f, 1.0f, 135.0f}, {-1.0f, 1.0f, 225.0f}, {-1.0f, -1.0f, 315.0f}, {1.0f, -1.0f, 45.0f},
                   {2.0f, 0.5f, 104.036243f}};
    for (const auto& c : vectors) {
        const float a = angleOfVector(Vector{c.x, c.y, 0.0f});
        EXPECT_NEAR(a, c.angle, 1e-3f) << c.x << "," << c.y;
        // An actor at p facing angleOfVector(p - target) looks at the target.
        const Vector h = headingVector(a);
        const Vector away = Vector{c.x, c.y, 0.0f}.normalised();
        EXPECT_NEAR(h.x, -away.x, 1e-5f);
        EXPECT_NEAR(h.y, -away.y, 1e-5f);
    }
    // On the axes it keeps atan's plus or minus ninety; negative x with y
    // exactly 0 gets no 270 (callers avoid exact zeros).
    EXPECT_FLOAT_EQ(angleOfVector(Vector{0.0f, 2.0f, 0.0f}), 90.0f);
    EXPECT_FLOAT_EQ(angleOfVector(Vector{0.0f, -2.0f, 0.0f}), -90.0f);
    EXPECT_FLOAT_EQ(angleOfVector(Vector{-1.0f, 0.0f, 0.0f}), 0.0f);
    EXPECT_FLOAT_EQ(angleOfVector(Vector{1.0f, 0.0f, 0.0f}), 90.0f);
    EXPECT_FALSE(std::isnan(angleOfVector(Vector{})));
}

TEST(MotionTest, SpeedAboveMaxIsCutToTwiceAndSinksOnePerSecondAndNeverBelowMinOrZero) {
    float speed = integrateSpeed(3.0f, 0.0f, 1.0f, 0.0f, 0.1f);
    EXPECT_NEAR(speed, 1.9f, 1e-5f);  // cut to 2.0, then 1.0 per second off
    int steps = 1;
    while (speed > 1.0f && steps < 100) {
        const float before = speed;
        speed = integrateSpeed(speed, 0.0f, 1.0f, 0.0f, 0.1f);
        EXPECT_NEAR(before - speed, 0.1f, 1e-5f);
        ++steps;
    }
    EXPECT_EQ(steps, 10);
    EXPECT_FLOAT_EQ(integrateSpeed(speed, 0.0f, 1.0f, 0.0f, 0.1f), speed) << "at maxSpeed it stays";

    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, -10.0f, 2.0f, 0.3f, 0.1f), 0.3f);
    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, -10.0f, 2.0f, -1.0f, 0.1f), 0.0f);
    EXPECT_FLOAT_EQ(integrateSpeed(0.5f, 1.0f, 2.0f, 0.0f, 0.5f), 1.0f);
}

TEST(MotionTest, AngleBetweenIsTheSignedShortestTurnWhateverTheWindings) {
    const struct {
        float from, to, expected;
    } cases[] = {
        {0.0f, 90.0f, 90.0f},    {90.0f, 0.0f, -90.0f},   {350.0f, 10.0f, 20.0f},
        {10.0f, 350.0f, -20.0f}, {0.0f, 200.0f, -160.0f}, {720.0f, 45.0f, 45.0f},
        {-30.0f, 30.0f, 60.0f},  {0.0f, -200.0f, 160.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        EXPECT_FLOAT_EQ(angleBetween(c.from, c.to), c.expected);
    }
}

// A goal walking round and round in one direction (circling a dancer) must
// be followed the short way whole turns later, never spun back.
template <typename A, typename AngleField, typename GoalField, typename Step>
void expectGoalRoundFollowedTheShortWay(A actor, AngleField angle, GoalField goal, Step step) {
    float travelled = 0.0f;
    for (int n = 1; travelled < 3.0f * 360.0f; ++n) {
        ASSERT_LT(n, 2000);
        const float before = actor.*angle;
        actor.*goal = std::fmod(before + 10.0f, 360.0f);
        step(actor);
        float turned = std::fmod(actor.*angle - before, 360.0f);
        if (turned > 180.0f) turned -= 360.0f;
        if (turned < -180.0f) turned += 360.0f;
        ASSERT_GT(turned, 0.0f) << n;
        ASSERT_LT(turned, 90.0f) << n;
        ASSERT_GE(actor.*angle, 0.0f) << n;
        ASSERT_LT(actor.*angle, 360.0f) << n;
        travelled += turned;
    }
}

TEST(Turning, EveryTurningActorFollowsAGoalComingRoundTheShortWay) {
    {
        SCOPED_TRACE("Prima Ballerina");
        Avatar prima;
        prima.place(Kind::prima, 90, 0, 0, 0, Vector{}, 0.175f, 0.175f, 0.0f, 37);
        expectGoalRoundFollowedTheShortWay(prima, &Avatar::facing, &Avatar::catAngle,
                                           [](Avatar& a) { a.update(0.1f); });
    }
    {
        SCOPED_TRACE("muse");
        Muse muse;
        muse.place(Kind::muse, Vector{}, 0.4f, 0.4f, 45.0f, 12);
        expectGoalRoundFollowedTheShortWay(muse, &Muse::angle, &Muse::dancerAngle,
                                           [](Muse& m) { m.update(0.1f, 0.1f); });
    }
    {
        SCOPED_TRACE("talent");
        PowerUp talent;
        talent.place(Kind::talentBlue, Vector{}, 0.2f, 0.2f, 45.0f, 0.0f, 12);
        expectGoalRoundFollowedTheShortWay(talent, &PowerUp::angle, &PowerUp::targetAngle,
                                           [](PowerUp& t) { t.update(0.1f); });
    }
}

}  // namespace
