#include "actors/Actor.h"

#include <algorithm>
#include <cmath>

#include "actors/Random.h"
#include "actors/TouchReach.h"

Actor::Actor() { reseedFromClock(); }

void Actor::remove() {
    kind = Kind::none;
    position = Vector{};
    width = height = angle = 0.0f;
}

void Actor::measureTouch(std::uint16_t otherKind, const Vector& otherPosition) {
    touchVector = position - otherPosition;
    touchVector.z = 0.0f;
    if (touchVector.x == 0.0f) touchVector.x = 0.000001f;
    if (touchVector.y == 0.0f) touchVector.y = 0.000001f;
    if (touchVector.z == 0.0f) touchVector.z = 0.000001f;
    touchDistance = touchVector.length();
    if (otherKind < Kind::cat) avatarDistance = touchDistance;
    if (otherKind == Kind::camera) cameraDistance = touchDistance;
}

bool Actor::inContact(float otherWidth, float otherHeight) const {
    return contactReach(width, height, otherWidth, otherHeight) > touchDistance;
}

void Actor::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                  std::uint16_t otherDamage, float /*otherMomentum*/) {
    if (otherKind == 0) return;
    measureTouch(otherKind, otherPosition);
    if (!inContact(otherWidth, otherHeight)) return;
    energy -= otherDamage;
    if (energy < 0) remove();
}

bool Actor::respondToContact(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                             float otherHeight, float otherMomentum) {
    blocked = (otherKind == Kind::cat || otherKind == Kind::camera) ? 0 : 1;
    if (otherKind == Kind::cat) selected = 1;
    if (otherKind == Kind::camera) return false;
    applyCarryAndBounce(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
    return true;
}

void Actor::applyCarryAndBounce(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                                float otherHeight, float otherMomentum) {
    const bool grab = otherWidth == grabSize && otherHeight == grabSize;
    const bool release = otherWidth == releaseSize && otherHeight == releaseSize;
    carried = (blocked == 0 && otherKind == Kind::cat && (grab || release)) ? 1 : 0;
    if (carried && blocked == 0 && (grab || release))
        carrierPosition = Vector{otherPosition.x, otherPosition.y, 0.0f};
    else
        carrierPosition = Vector{};
    if (carried && grab) {
        carryDelta.x = otherPosition.x - previousPosition.x;
        carryDelta.y = otherPosition.y - previousPosition.y;
        carrySpeed = motion.carrySpeed;
    } else if (carried && release) {
        carryDelta.x = 0.0f;
        carryDelta.y = 0.0f;
        carrySpeed = 0.0f;
    }
    if (otherKind != Kind::cat && otherKind < 171)
        bounceSpeed = std::max(std::max(0.05f, lastMomentum), std::max(0.05f, otherMomentum));
    if (otherKind != Kind::cat) {
        Vector v = touchVector;
        v.z = 0.00000001f;
        bounceDirection = v.normalised();
    }
}

bool Actor::beginUpdate() {
    updated = 0;
    return kind != Kind::none;
}

void Actor::clampAcceleration() {
    if (acceleration < minAcceleration) acceleration = minAcceleration;
    if (acceleration > maxAcceleration) acceleration = maxAcceleration;
}

void Actor::integrateSpeedStep(float dt) {
    speed = integrateSpeed(speed, acceleration, maxSpeed, minSpeed, dt);
    step = speed * dt;
}

void Actor::decayCarry(float dt) {
    if (carrySpeed < 0.0f) carrySpeed = 0.0f;
    carrySpeed -= motion.carryDecay * dt;
    if (blocked == 1) carrySpeed = 0.0f;
}

void Actor::decayBounce(float dt) {
    if (bounceSpeed > motion.bounceCap) bounceSpeed = motion.bounceCap;
    if (bounceSpeed < 0.0f) bounceSpeed = 0.0f;
    bounceSpeed -= motion.bounceDecay * dt;
    if (carried == 1 && blocked == 0) bounceSpeed = 0.0f;
}

void Actor::rememberPosition() {
    if (!carried) previousPosition = position;
}

void Actor::advanceCarriedTime(float dt) { carriedTime = carried == 1 ? carriedTime + dt : 0.0f; }

void Actor::integratePosition(float dt) {
    if (carried == 1 && blocked == 0) {
        position.x = carrierPosition.x;
        position.y = carrierPosition.y;
    } else if (carried == 0) {
        const float bounceStep = std::max(0.0f, bounceSpeed * dt);
        position.x += carryDelta.x * (carrySpeed * dt) + bounceDirection.x * bounceStep + heading.x * step;
        position.y += carryDelta.y * (carrySpeed * dt) + bounceDirection.y * bounceStep + heading.y * step;
    }
}

void Actor::updateVelocity() {
    velocity = carryDelta * carrySpeed + bounceDirection * bounceSpeed + heading * speed;
}

void Actor::updateMomentum() {
    const float drift = carried == 1 ? (position - anchor).length() * 0.5f : 0.0f;
    momentum = std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y) + drift;
    lastMomentum = momentum;
}

void Actor::removeIfSpent() {
    if (energy < 0) remove();
}
