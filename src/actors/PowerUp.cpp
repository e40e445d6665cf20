#include "actors/PowerUp.h"

#include <cmath>
#include <cstring>

#include "actors/Motion.h"

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// Kinds 131..134; super talents are white.
constexpr Rgb talentColours[4] = {{161, 28, 222}, {6, 40, 246}, {36, 163, 112}, {197, 21, 75}};
constexpr Rgb superColour = {255, 255, 255};

std::uint8_t mix(std::uint8_t from, std::uint8_t to, float share) {
    return static_cast<std::uint8_t>(static_cast<float>(from) + (static_cast<float>(to) - from) * share + 0.5f);
}

bool isCollector(std::uint16_t kind) { return (kind >= 101 && kind <= 105) || (kind >= 111 && kind <= 129); }

}  // namespace

PowerUp::PowerUp() {
    baseDamage = 1;
    damage = 1;
    energy = 100;
    maxSpeed = 3.0f;
    maxAcceleration = 5.0f;
    minAcceleration = -5.0f;
    minSpeed = 0.0f;
    turnTime = 0.5f;
    dress();
}

const char* PowerUp::tooltip(std::uint8_t forKind) {
    switch (forKind) {
    case Kind::talentFreeze: return "get me for a longer freeze time";
    case Kind::talentBlue: return "get me to throw more flowers";
    case Kind::talentGreen: return "get me to move faster";
    case Kind::talentRed: return "get me to throw nicer flowers";
    default: return "";
    }
}

void PowerUp::dress() {
    const Rgb base = (kind >= Kind::talentFreeze && kind <= Kind::talentRed)
                         ? talentColours[kind - Kind::talentFreeze]
                         : superColour;
    colour = Colour{base.r, base.g, base.b, 100};
    visible = 1;
    costume = Costume{};
    // A light sparkle over a darker rim, both of the talent's colour.
    costume.part(1) = CostumePart{mix(base.r, 255, 0.6f), mix(base.g, 255, 0.6f), mix(base.b, 255, 0.6f), 100, 1};
    costume.part(2) = CostumePart{mix(base.r, 0, 0.4f), mix(base.g, 0, 0.4f), mix(base.b, 0, 0.4f), 100, 1};
}

void PowerUp::place(std::uint8_t newKind, Vector newPosition, float newWidth, float newHeight, float newAngle,
                    float newMomentum, std::int32_t newLayoutTag) {
    kind = newKind;
    layoutTag = newLayoutTag;
    position = previousPosition = anchor = newPosition;
    width = newWidth;
    height = newHeight;
    angle = targetAngle = dancerAngle = newAngle;
    momentum = newMomentum;
    energy = 100;
    age = 0.0f;
    damage = 0;  // unarmed until its first half second has passed
    carryDelta = bounceDirection = carrierPosition = Vector{};
    carrySpeed = bounceSpeed = speed = acceleration = lastMomentum = carriedTime = 0.0f;
    carried = blocked = selected = updated = 0;
    minAcceleration = -5.0f;
    nearestDancer = previousNearest = noDancer;
    nearestPosition = Vector{};
    attracted = 0;
    turnTime = 0.5f;
    targetFlag = 0;
    targetWeight = 0.0f;
    targetPoint = Vector{};
    dress();
}

void PowerUp::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                    std::uint16_t otherDamage, float otherMomentum) {
    if (kind == Kind::none || otherKind == 0) return;
    measureTouch(otherKind, otherPosition);

    if (std::fabs(position.x) > stageLimit || std::fabs(position.y) > stageLimit) {
        // Too far out: head back toward the centre of the stage. Every touch
        // of a frame asks from the same place: the angle is worked out once.
        if (std::memcmp(&turnBackFrom, &position, sizeof position) != 0) {
            turnBackFrom = position;
            turnBackAngle = angleOfVector(position);
        }
        targetAngle = turnBackAngle;
        acceleration = 0.25f;
    } else if (Kind::isPrimaOrDancer(otherKind) && touchDistance < sightRange && touchDistance < nearestDancer) {
        attracted = 1;
        nearestDancer = touchDistance;
        dancerAngle = angleOfVector(touchVector);
        if (touchDistance < approachRange) {
            nearestPosition = otherPosition;
            targetAngle = dancerAngle;
        }
        if (touchDistance < hurryRange) acceleration = 0.5f;
    }

    if (age <= collectAge || !inContact(otherWidth, otherHeight)) return;
    if (isCollector(otherKind)) {
        // Collected: the next update frees the slot.
        damage = 0;
        energy = -10;
        lastMomentum = speed = momentum = acceleration = 0.0f;
    } else {
        energy -= otherDamage;
    }
    respondToContact(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
}

void PowerUp::update(float dt) {
    if (!beginUpdate()) return;

    const bool onStage = std::fabs(position.x) <= stageLimit && std::fabs(position.y) <= stageLimit;
    // Nobody near: brake to a stop.
    if (onStage && nearestDancer == noDancer) acceleration = -2.5f;

    age += dt;
    damage = age >= armAge ? static_cast<std::uint16_t>(baseDamage) : 0;

    turnTo(targetAngle, turnTime, dt);
    angle = wrapAngle(angle);  // a target coming round never makes it turn the long way
    applyHeading();
    clampAcceleration();
    integrateSpeedStep(dt);
    decayCarry(dt);
    carrySpeed = 0.0f;  // a dragged talent follows the cat only through carrierPosition
    decayBounce(dt);
    rememberPosition();
    advanceCarriedTime(dt);
    if (isSuper()) heading = Vector{};  // super talents never move by themselves
    integratePosition(dt);
    updateVelocity();
    updateMomentum();
    removeIfSpent();

    previousNearest = nearestDancer;
    attracted = previousNearest < noDancer ? 1 : 0;
    targetFlag = previousNearest < approachRange ? 1 : 0;
    targetWeight = targetFlag ? approachRange - previousNearest : 0.0f;
    targetPoint = nearestPosition;
    nearestDancer = noDancer;
}
