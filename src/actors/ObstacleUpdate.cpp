#include <cmath>

#include "actors/Obstacle.h"
#include "actors/Volley.h"

void Obstacle::update(float dt, float radius) {
    if (!beginUpdate()) return;
    if (!std::isfinite(dt) || dt < 0.0f) dt = 0.0f;
    effects.clear();

    talentClock += dt;
    const int b = blue(), g = green(), r = red();
    if (b > g && b > r) favouriteTalent = Kind::talentBlue;
    if (g > b && g > r) favouriteTalent = Kind::talentGreen;
    if (r > b && r > g) favouriteTalent = Kind::talentRed;
    guideRadius = radius * 1.5f;
    if (sadness > 100) sadness = 100;
    for (std::uint8_t& count : talents)
        if (count > 3) count = 3;

    move(dt);
    throwStep(dt);
    requestEffects(dt);

    if (kind == Kind::ballerina) moodFrame = carried ? 3 : (sadness >= 50 ? 1 : 2);
    if (sadness < 1) {
        // Happy: the World scores her, drops her favourite talent where she
        // stood and frees the slot; her position stays for that.
        leaving = 1;
        happy = 1;
        kind = Kind::none;
        sadness = -1000;
    }
    guided = 0;
}

void Obstacle::move(float dt) {
    // Dragged by the cat she keeps her eyes on the Prima Ballerina.
    if (carried) goalAngle = primaAngle;
    angle = wrapAngle(angle);
    goalAngle = wrapAngle(goalAngle);
    aimAngle = wrapAngle(aimAngle);
    if (escapeAngle != 0.0f) {
        escapeAngle = wrapAngle(escapeAngle);
        turnTo(escapeAngle, turnTime / 2.0f, dt);
    } else {
        turnTo(goalAngle, turnTime, dt);
    }
    applyHeading();
    clampAcceleration();
    integrateSpeedStep(dt);
    decayCarry(dt);
    carrySpeed = 0.0f;  // a dragged dancer follows the cat's point only
    decayBounce(dt);
    rememberPosition();
    advanceCarriedTime(dt);
    // A blocked dancer goes back to where she last stood free.
    if (blocked)
        position = anchor;
    else
        anchor = position;
    integratePosition(dt);
    updateVelocity();
    updateMomentum();
}

void Obstacle::throwStep(float dt) {
    talents[freezeTalent] = 0;  // dancers keep no freeze talents
    throwInterval = throwIntervalFor(blue());
    volleySize = volleySizeFor(blue());
    blossomKind = blossomKindFor(red());
    if (!isThrower()) {
        throwNow = 0;
    } else {
        maxSpeed = tableSpeed(kind, green());
        if (guided) {
            throwNow = 0;  // a 'p' dancer beside her calms her
        } else {
            throwTimer += dt;
            if (throwTimer > throwInterval && targetDistance < throwRange && lineClear && throwAllowed) {
                throwNow = 1;
                throwTimer = 0.0f;
                hasThrown = 1;
            } else {
                throwNow = 0;
            }
        }
    }
    launchPoint = position + launchOffset(blue(), launchIndex, width + height, aimAngle);
    launchPoint.z = 0.0f;
}

void Obstacle::requestEffects(float dt) {
    if (!isThrower()) return;
    const float size = width + height;
    if (sadness < 1) effects.set(happyEffectSlot, 21, position, angle);
    // Every frame she stands against something solid, by how many hearts she has.
    if (blocked && sadness > 0)
        effects.set(hitEffectSlot, sadness > 66 ? 11 : (sadness > 33 ? 12 : 13), position, angle);

    // Her trails run on their clocks, also while she stands and waits.
    speedTrailClock += dt;
    if (speedTrailClock >= (green() >= 2 ? 0.15f : 0.3f)) {
        speedTrailClock = 0.0f;
        Vector at = position;
        if (green() >= 2) {
            at += headingVector(angle - 90.0f) * (0.25f * size * trailSide);
            trailSide = -trailSide;
        }
        effects.set(speedTrailSlot, speedTrailEffects[green()], at, angle);
    }
    gardenTrailClock += dt;
    if (gardenTrailClock >= 0.05f) {
        gardenTrailClock = 0.0f;
        effects.set(gardenTrailSlot, static_cast<std::uint8_t>(gardenEffectBase + blue()),
                    position - heading * (0.325f * size), angle);
    }
}
