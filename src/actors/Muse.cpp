#include "actors/Muse.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "actors/Motion.h"

namespace {

constexpr std::int32_t baseCapacity = 100;
constexpr std::int32_t songCapacity = 200;
constexpr std::int32_t songCharge = 100;
constexpr float pulseRate = 3.0f;  // radians of the colour pulse per second

constexpr int talentFramePart = 7;  // kind 161 shows her talent through part 7's value

CostumePart part(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t visible = 1) {
    return CostumePart{r, g, b, 100, visible};
}

}  // namespace

Muse::Muse() {
    maxSpeed = 0.2f;
    talentKind = Kind::talentFreeze + std::rand() % 4;
    dressFor(Kind::muse);
}

void Muse::dressFor(std::uint8_t forKind) {
    costume = Costume{};
    if (forKind == Kind::museGrowing) {
        // Layers: halo (10), wings (7), veil (8), gown (4), face (2), eyes (1).
        costume.part(10) = part(255, 220, 120);
        costume.part(7) = part(200, 160, 255);
        costume.part(8) = part(160, 220, 255);
        costume.part(4) = part(255, 180, 220);
        costume.part(2) = part(255, 255, 255);
        costume.part(1) = part(240, 220, 255);
        colour = Colour{180, 140, 255, 100};
    } else {
        costume.part(1) = part(230, 200, 255);
        colour = Colour{200, 170, 255, 100};
    }
    costume.part(talentFramePart).visible = static_cast<std::uint8_t>(talentKind);
}

void Muse::place(std::uint8_t newKind, Vector newPosition, float newWidth, float newHeight, float newAngle,
                 std::int32_t newLayoutTag) {
    kind = newKind;
    layoutTag = newLayoutTag;
    position = previousPosition = anchor = carrierPosition = newPosition;
    width = placedWidth = newWidth;
    height = placedHeight = newHeight;
    angle = newAngle + static_cast<float>(std::rand() % 360);
    dancerAngle = angle;
    maxEnergy = baseCapacity;
    energy = maxEnergy / 2;
    talentKind = Kind::talentFreeze + std::rand() % 4;

    heading = carryDelta = bounceDirection = velocity = touchVector = Vector{};
    carrySpeed = bounceSpeed = momentum = lastMomentum = step = carriedTime = age = 0.0f;
    carried = blocked = selected = updated = 0;
    maxSpeed = 0.2f;
    speed = 0.01f;
    acceleration = 0.01f;
    turnTime = 0.25f;

    giveTalent = 0;
    nearestDancer = noDancer;
    growing = singing = sang = songStarted = 0;
    songTime = 0.0f;
    effectKind = 0;
    effectPosition = newPosition;
    effectAngle = angle;
    targetFlag = 0;
    targetWeight = 0.0f;
    targetPoint = dancerPosition = Vector{};
    dressFor(kind);
}

void Muse::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                 std::uint16_t otherDamage, float otherMomentum) {
    if (kind == Kind::none || otherKind == 0) return;
    measureTouch(otherKind, otherPosition);

    if (Kind::isPrimaOrDancer(otherKind) && touchDistance < sightRange && touchDistance < nearestDancer) {
        nearestDancer = touchDistance;
        dancerAngle = angleOfVector(touchVector);
        dancerPosition = otherPosition;
    }

    if (!inContact(otherWidth, otherHeight)) return;
    // Whatever hits her charges her up; nothing removes her.
    energy += otherDamage;
    if (Kind::isMuse(otherKind) && !sang && maxEnergy < songCapacity) {
        singing = 1;
        sang = 1;
        songStarted = 1;
        songTime = 0.0f;
        maxEnergy = songCapacity;
        energy = songCharge;
    }
    respondToContact(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
}

void Muse::request(std::uint8_t effect) {
    updated = 1;
    effectKind = effect;
    effectPosition = position;
    effectAngle = angle;
}

void Muse::update(float dt, float songStep) {
    if (!beginUpdate()) return;

    if (growing) {
        width += growRate * dt;
        height += growRate * dt;
        if (width >= growLimit) {
            growing = 0;
            width = placedWidth;
            height = placedHeight;
        }
    }

    age += dt;
    if (singing) {
        // The song runs on the unslowed clock.
        songTime += std::max(dt, songStep);
        if (songTime > songLength) {
            singing = 0;
            songTime = 0.0f;
        }
    }

    if (blocked) request(blockedEffect);
    if (energy >= maxEnergy) {
        energy = 0;
        if (kind == Kind::museGrowing) {
            growing = 1;
        } else {
            giveTalent = 1;
            request(talentEffect);
        }
    }

    // Within 0..360, so that a dancer going round her never makes her turn the long way.
    angle = wrapAngle(turnToward(angle, dancerAngle, turnTime, dt));
    integrateSpeedStep(dt);
    decayCarry(dt);
    carrySpeed = 0.0f;  // a dragged muse follows the cat only through carrierPosition
    decayBounce(dt);
    rememberPosition();
    advanceCarriedTime(dt);
    integratePosition(dt);
    updateVelocity();
    updateMomentum();

    targetFlag = nearestDancer < sightRange ? 1 : 0;
    targetWeight = targetFlag ? sightRange - nearestDancer : 0.0f;
    targetPoint = dancerPosition;
    nearestDancer = noDancer;

    if (songStarted) {
        request(songEffect);
        songStarted = 0;
    }
    costume.part(talentFramePart).visible = static_cast<std::uint8_t>(talentKind);
}

Colour Muse::displayColour() const {
    if (!sang) return colour;
    Colour c = colour;
    const float phase = age * pulseRate;
    c.r = static_cast<std::uint8_t>(127.5f + 127.5f * std::sin(phase));
    c.g = static_cast<std::uint8_t>(127.5f + 127.5f * std::cos(phase));
    return c;
}
