#include "actors/Camera.h"

#include <cmath>

void Camera::place(std::uint8_t kind_, Vector position_) {
    kind = kind_;
    position = position_;
    previousPosition = position_;
    trailPoint = position_;
    goal = position_;
    anchor = position_;
    width = height = 0.0f;
    damage = 0;
    energy = maxEnergy = 200;
    angle = 0.0f;
    heading = carryDelta = bounceDirection = velocity = carrierPosition = touchVector = Vector{};
    step = momentum = lastMomentum = speed = acceleration = 0.0f;
    maxSpeed = minSpeed = maxAcceleration = minAcceleration = 0.0f;
    carrySpeed = bounceSpeed = carriedTime = 0.0f;
    blocked = carried = selected = updated = 0;
    moving = 0;
}

Vector Camera::follow(Vector primaPosition, float primaAngle, float distance) {
    const float a = (primaAngle + 90.0f) * degreesToRadians;
    goal = primaPosition + Vector{std::cos(a), std::sin(a), 0.0f} * distance;
    goal.z = 0.0f;
    const Vector d = goal - trailPoint;
    const float length = d.length();
    if (!std::isfinite(length)) {  // a broken goal leaves the view where it is
        moving = 0;
        return position = trailPoint;
    }
    // At least 0.1 away: one step of 0.1 toward the goal; closer: arrive.
    const Vector next = length >= maxStep ? trailPoint + d / (length * 10.0f) : goal;
    moving = length > settledDistance ? movingFlag : 0;
    trailPoint = next;
    previousPosition = position;
    position = next;
    return next;
}
