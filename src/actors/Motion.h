#pragma once

#include "actors/Vector.h"

// Angles are degrees; an angle a faces (cos(a + 90°), sin(a + 90°)), so 0 faces +y.
constexpr float degreesToRadians = 0.017453292f;
constexpr float radiansToDegrees = 57.295776f;

// Fixed per actor at construction; nothing changes them.
struct MotionConstants {
    float carryDecay = 0.75f;   // per second
    float bounceDecay = 0.75f;  // per second
    float bounceCap = 2.0f;
    float carrySpeed = 1.5f;
};

// Turns angle toward target by the shorter way, at a rate of a whole turn
// per turnTime. Not wrapped; overshoots when dt exceeds turnTime.
float turnToward(float angle, float target, float turnTime, float dt);

// Unit vector an actor with this angle faces.
Vector headingVector(float angle);

// The angle whose heading points along -v, so angleOfVector(position - target)
// faces the target.
float angleOfVector(const Vector& v);
// The angle an actor at from faces when it looks at to. Exact zero components
// of the difference are nudged to 0.000001 first, as in a touch, so that a
// point straight along an axis is not taken for one to the side.
float angleToward(const Vector& from, const Vector& to);

// speed += acceleration * dt with the sink above maxSpeed and the floors.
float integrateSpeed(float speed, float acceleration, float maxSpeed, float minSpeed, float dt);

// The signed shortest turn from one angle to another, in -180..180.
float angleBetween(float from, float to);

// Brings an angle into 0..360 with one addition or subtraction of 360.
float wrapOnce(float angle);
// Brings an angle into 0..360 whatever its size.
float wrapAngle(float angle);
