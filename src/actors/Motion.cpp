#include "actors/Motion.h"

#include <cmath>

float turnToward(float angle, float target, float turnTime, float dt) {
    float d = (target + 360.0f) - (angle + 360.0f);
    if (d < -180.0f) d += 360.0f;
    if (d > 180.0f) d -= 360.0f;
    if (angle != target) angle += d * dt / turnTime;
    return angle;
}

Vector headingVector(float angle) {
    const float a = (angle + 90.0f) * degreesToRadians;
    return Vector{std::cos(a), std::sin(a), 0.0f}.normalised();
}

float angleOfVector(const Vector& v) {
    if (v.x == 0.0f) {
        // atan of an infinite ratio: +90 or -90; a zero vector has no direction.
        if (v.y == 0.0f) return 0.0f;
        return v.y > 0.0f ? 90.0f : -90.0f;
    }
    float a = std::atan(v.y / v.x) * radiansToDegrees;
    if (v.x > 0.0f) a += 90.0f;
    if (v.x < 0.0f && v.y != 0.0f) a += 270.0f;
    return a;
}

float angleToward(const Vector& from, const Vector& to) {
    Vector v{from.x - to.x, from.y - to.y, 0.0f};
    if (v.x == 0.0f) v.x = 0.000001f;
    if (v.y == 0.0f) v.y = 0.000001f;
    return angleOfVector(v);
}

float integrateSpeed(float speed, float acceleration, float maxSpeed, float minSpeed, float dt) {
    speed += acceleration * dt;
    if (speed > 2.0f * maxSpeed) speed = 2.0f * maxSpeed;
    if (speed > maxSpeed) speed -= 1.0f * dt;
    if (speed < minSpeed) speed = minSpeed;
    if (speed < 0.0f) speed = 0.0f;
    return speed;
}

float angleBetween(float from, float to) {
    float d = std::fmod(to - from, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}

float wrapOnce(float angle) {
    if (angle < 0.0f) return angle + 360.0f;
    if (angle > 360.0f) return angle - 360.0f;
    return angle;
}

float wrapAngle(float angle) {
    if (!std::isfinite(angle)) return 0.0f;
    angle = std::fmod(angle, 360.0f);
    return angle < 0.0f ? angle + 360.0f : angle;
}
