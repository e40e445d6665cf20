#include "actors/Projectile.h"

#include <cmath>
#include <limits>

namespace {

struct Strength {
    float maxSpeed;
    float acceleration;
    float turnTime;
    std::int32_t damage;
    float size;
    std::uint8_t burstEffect;
    std::uint8_t launchEffect;
    Colour colour1;
    Colour colour2;
};

// Kinds 141 to 144: the more red talents the thrower has, the faster, larger
// and stronger her blossoms.
constexpr Strength strengths[4] = {
    {1.0f, 0.75f, 0.7f, 5, 0.03f, 1, 5, {118, 239, 130, 100}, {97, 173, 145, 100}},
    {1.25f, 1.0f, 0.6f, 6, 0.035f, 2, 6, {221, 156, 36, 100}, {180, 125, 59, 100}},
    {1.5f, 1.25f, 0.5f, 8, 0.04f, 3, 7, {243, 126, 249, 100}, {93, 7, 60, 100}},
    {1.75f, 1.5f, 0.4f, 10, 0.045f, 4, 8, {21, 213, 235, 100}, {21, 142, 235, 100}},
};

constexpr float infiniteTurn = std::numeric_limits<float>::infinity();

}  // namespace

Projectile::Projectile() {
    baseDamage = 5;
    damage = 5;
    maxSpeed = 1.0f;
    acceleration = 0.75f;
    maxAcceleration = 2.0f;
    minAcceleration = 0.0f;
    speed = 0.0f;
    lifetime = 5.0f;
    turnTime = 0.5f;
    colour1 = strengths[0].colour1;
    colour2 = strengths[0].colour2;
}

void Projectile::place(std::uint8_t newKind, const Vector& newPosition, float newWidth, float newHeight,
                       float newAngle, std::uint16_t newTargetKind, std::uint16_t newTargetIndex,
                       float launchSpeed, std::uint8_t newLayoutTag) {
    kind = newKind;
    energy = maxEnergy = 100;
    age = 0.0f;
    position = previousPosition = anchor = newPosition;
    width = newWidth;
    height = newHeight;
    angle = aimAngle = newAngle;
    heading = headingVector(newAngle);
    speed = momentum = std::isfinite(launchSpeed) && launchSpeed > 0.0f ? launchSpeed : 0.0f;
    carryDelta = bounceDirection = velocity = carrierPosition = touchVector = Vector{};
    carrySpeed = bounceSpeed = lastMomentum = carriedTime = step = 0.0f;
    updated = carried = blocked = selected = 0;
    lifetime = 5.0f;
    turnTime = 0.5f;
    guideRadius = 0.0f;
    guided = 0;
    launching = kind != Kind::none ? 1 : 0;
    targetKind = newTargetKind;
    targetIndex = newTargetIndex;
    layoutTag = newLayoutTag;
    spin = 0.0f;
    effectKind = 0;
    effectPosition = Vector{};
    effectAngle = 0.0f;
    // Until the target or the Prima Ballerina is seen, homing keeps it on course.
    lastTargetPosition = lastPrimaPosition = newPosition + heading * 10.0f;
    applyStrength();
}

void Projectile::applyStrength() {
    const bool known = kind >= 141 && kind <= 144;
    const Strength& s = strengths[known ? kind - 141 : 0];
    maxSpeed = s.maxSpeed;
    minSpeed = 0.0f;
    acceleration = s.acceleration;
    maxAcceleration = 2.0f;
    minAcceleration = 0.0f;
    turnTime = s.turnTime;
    baseDamage = s.damage;
    // Harmless until armed, so that it cannot hurt its thrower while leaving her.
    damage = 0;
    burstEffect = s.burstEffect;
    launchEffect = s.launchEffect;
    colour1 = s.colour1;
    colour2 = s.colour2;
    if (known) width = height = s.size;
}

void Projectile::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                       std::uint16_t otherDamage, float otherMomentum) {
    touch(otherKind, otherPosition, noSlot, Vector{}, otherWidth, otherHeight, otherDamage, otherMomentum);
}

void Projectile::touch(std::uint16_t otherKind, Vector otherPosition, std::uint16_t otherSlot, Vector aimPoint,
                       float otherWidth, float otherHeight, std::uint16_t /*otherDamage*/,
                       float otherMomentum) {
    if (kind == Kind::none || otherKind == 0) return;
    if (otherKind == Kind::prima) lastPrimaPosition = otherPosition;
    if (otherKind == targetKind && otherSlot == targetIndex && !aimPoint.isZero()) {
        lastTargetPosition = otherPosition;
        aimAngle = angleToward(position, aimPoint);
    }
    if (otherKind == Kind::dancerP) {
        measureTouch(otherKind, otherPosition);
        if (touchDistance < guideRadius) guided = 1;
    }
    // A cheap box test spares the root for the many far-off pairs; the Prima
    // Ballerina and the Camera are always measured, for their distances.
    if (otherKind != Kind::prima && otherKind != Kind::camera) {
        if (beyondReach(position, otherPosition, boxReach(otherWidth, otherHeight))) return;
    }
    measureTouch(otherKind, otherPosition);
    if (!inContact(otherWidth, otherHeight)) return;
    if (!respondToContact(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum)) return;
    energy = -100;  // burst: anything solid, and the cat, ends its flight
}

void Projectile::report(std::uint8_t effect) {
    updated = 1;
    effectKind = effect;
    effectPosition = position;
    effectAngle = angle;
}

void Projectile::update(float dt, float newGuideRadius) {
    guideRadius = newGuideRadius;
    updated = 0;
    if (!std::isfinite(dt) || dt < 0.0f) dt = 0.0f;
    // The older the blossom, the harder it turns; at age 0 it flies straight.
    turnTime = age > 0.0f ? lifetime / (age * 6.0f) : infiniteTurn;
    if (guided) {
        if (targetKind < Kind::ballerina) lastTargetPosition = lastPrimaPosition;
        aimAngle = angleToward(position, lastTargetPosition);
        turnTime = 0.5f;
    }
    guided = 0;
    if (kind == Kind::none) return;

    age += dt;
    spin += 300.0f * dt;
    if (age > lifetime) {
        kind = Kind::none;  // faded unburst: no effect
        launching = 0;
        return;
    }
    damage = static_cast<std::uint16_t>(age >= armingAge ? baseDamage : 0);

    angle = wrapAngle(angle);
    aimAngle = wrapAngle(aimAngle);
    if (std::isfinite(turnTime) && turnTime > 0.0f) turnTo(aimAngle, turnTime, dt);
    applyHeading();
    clampAcceleration();
    integrateSpeedStep(dt);
    decayCarry(dt);
    decayBounce(dt);
    rememberPosition();
    advanceCarriedTime(dt);
    if (blocked)
        position = anchor;
    else
        anchor = position;
    integratePosition(dt);
    updateVelocity();
    updateMomentum();

    momentum /= 10.0f;  // blossoms push what they hit only lightly
    lastMomentum = momentum;

    if (energy < 1)
        report(burstEffect);
    else if (launching)
        report(launchEffect);
    else
        updated = 0;
    if (energy < 0) kind = Kind::none;
    launching = 0;
}
