#include "actors/Obstacle.h"

#include <cmath>
#include <cstdlib>

#include "actors/StageNames.h"
#include "actors/Volley.h"

namespace {

// Talent counts in a level entry above 3 are a wildcard.
std::uint8_t placedTalent(int count) {
    if (count < 0) return 0;
    if (count < 4) return static_cast<std::uint8_t>(count);
    return static_cast<std::uint8_t>(std::rand() % 3);
}

}  // namespace

Obstacle::Obstacle() {
    turnTime = 3.0f;
    throwInterval = throwIntervalFor(0);
}

void Obstacle::place(std::uint8_t newKind, std::int32_t newSadness, int newBlue, int newGreen, int newRed,
                     int newVariant, const Vector& newPosition, float newWidth, float newHeight,
                     float newAngle, std::uint8_t newLayoutTag, std::uint8_t newTarget, int difficulty) {
    kind = newKind;
    variant = newVariant;
    // Only a named ballerina gets a new name and saying; a 'p' or 'q' dancer
    // makes none and leaves the slot's as they were.
    if (kind == Kind::ballerina) {
        makeDancerName(name, difficulty);
        // Saying 40 belongs to the Prima Ballerina.
        setSaying(saying, sizeof saying, 1 + std::rand() % 39);
        variant = newVariant < 1 ? 1 : (newVariant > 8 ? 8 : newVariant);
    }
    layoutTag = newLayoutTag;
    target = newTarget;

    talents[freezeTalent] = 0;
    talents[blueTalent] = placedTalent(newBlue);
    talents[greenTalent] = placedTalent(newGreen);
    talents[redTalent] = placedTalent(newRed);

    position = newPosition;
    previousPosition = newPosition;
    anchor = newPosition;
    width = newWidth;
    height = newHeight;
    angle = newAngle;
    heading = headingVector(newAngle);
    goalAngle = aimAngle = newAngle;
    escapeAngle = 0.0f;
    primaAngle = previousPrimaAngle = newAngle;
    interestAngle = newAngle;
    interestDistance = 0.0f;
    primaDistance = targetDistance = farAway;

    // Motion: 'q' races and 'o' walks by her green talents; 'p' has no speed
    // table and no top speed: she stands guard where she was placed and
    // moves only when pushed or carried.
    velocity = carryDelta = bounceDirection = carrierPosition = touchVector = Vector{};
    speed = acceleration = step = momentum = lastMomentum = 0.0f;
    carrySpeed = bounceSpeed = carriedTime = 0.0f;
    carried = blocked = selected = updated = 0;
    maxAcceleration = 0.5f;
    minAcceleration = -0.5f;
    minSpeed = kind == Kind::dancerQ ? 3.0f : 0.0f;
    maxSpeed = 0.0f;
    turnTime = 3.0f;
    evadeFactor = 2.0f;
    energy = maxEnergy = 100;
    damage = 1;
    age = 0.0f;

    sadness = newSadness;
    sensitivity = 1.0f;
    points = 0;
    favouriteTalent = 131 + std::rand() % 4;
    talentClock = 0.0f;

    blossomKind = 141;
    throwInterval = throwIntervalFor(blue());
    volleySize = volleySizeFor(blue());
    launchIndex = 1;
    launchPoint = newPosition;
    throwTargetKind = Kind::prima;
    throwTimer = 0.0f;
    throwNow = hasThrown = throwAllowed = 0;
    lineClear = 1;
    mode = idle;
    group = 0;
    guided = 0;
    guideRadius = 0.0f;

    if (kind == Kind::dancerP)
        look = guardianLook();
    else if (kind == Kind::dancerQ)
        look = racerLook();
    else
        look = namedDancerLook(std::rand() % dancerLookCount);
    moodFrame = 1;

    dancers.clear();
    talentsSeen.clear();
    blossoms.clear();
    muses.clear();
    nearestTalent = nearestMuse = nearestBlossom = nearestDancer = Sighting{};
    targetFlag = 0;
    targetWeight = 0.0f;
    targetPoint = Vector{};
    leaving = counted = happy = 0;
    effects.clear();
    speedTrailClock = gardenTrailClock = 0.0f;
    trailSide = 1.0f;

    if (isThrower()) maxSpeed = tableSpeed(kind, green());
}

float Obstacle::tableSpeed(std::uint8_t kind, int green) {
    constexpr float ballerinaSpeeds[4] = {0.4f, 0.6f, 0.8f, 1.0f};
    constexpr float racerSpeeds[4] = {3.0f, 3.5f, 3.75f, 4.0f};
    const int index = green < 0 ? 0 : (green > 3 ? 3 : green);
    return kind == Kind::dancerQ ? racerSpeeds[index] : ballerinaSpeeds[index];
}

void Obstacle::advanceLaunch() { launchIndex = nextLaunchIndex(launchIndex, volleySize); }

// ---------------------------------------------------------------------------
// touch

void Obstacle::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                     std::uint16_t otherDamage, float otherMomentum) {
    if (kind == Kind::none || otherKind == 0) return;
    measureTouch(otherKind, otherPosition);
    if (otherKind == Kind::dancerP && touchDistance < guideRadius) guided = 1;
    addSighting(otherKind, otherPosition);
    evade(otherWidth, otherHeight);
    if (inContact(otherWidth, otherHeight))
        takeContact(otherKind, otherPosition, otherWidth, otherHeight, otherDamage, otherMomentum);
}

void Obstacle::addSighting(std::uint16_t otherKind, const Vector& otherPosition) {
    if (Kind::isPrima(otherKind)) {
        previousPrimaAngle = primaAngle;
        primaAngle = wrapAngle(angleOfVector(touchVector));
        primaDistance = touchDistance;
        aimAngle = primaAngle;
        return;
    }
    // The lists work the angle out only for the entries that are read.
    const auto seenKind = static_cast<std::uint8_t>(otherKind);
    if (otherKind >= 111 && otherKind <= 130)
        dancers.addSeen(otherPosition, touchVector, touchDistance, seenKind);
    else if (otherKind >= 131 && otherKind <= 140)
        talentsSeen.addSeen(otherPosition, touchVector, touchDistance, seenKind);
    else if (otherKind >= 141 && otherKind <= 160)
        blossoms.addSeen(otherPosition, touchVector, touchDistance, seenKind);
    else if (otherKind >= 161 && otherKind <= 170)
        muses.addSeen(otherPosition, touchVector, touchDistance, seenKind);
}

// Whoever is closest within reach decides: a muse or a dancer she backs away
// from, the Prima Ballerina she circles in the direction she is going round.
void Obstacle::evade(float otherWidth, float otherHeight) {
    const float reach = (width + height + otherWidth + otherHeight) * evadeFactor;
    const Sighting* muse = muses.nearestWithin(reach);
    const Sighting* dancer = dancers.nearestWithin(reach);
    nearestDancer = dancer ? *dancer : Sighting{};
    const float museDistance = muse ? muse->distance : farAway;
    const float dancerDistance = dancer ? dancer->distance : farAway;
    const float prima = primaDistance < reach ? primaDistance : farAway;

    escapeAngle = 0.0f;
    if (muse && museDistance < prima && museDistance < dancerDistance) {
        escapeAngle = muse->angle - 180.0f;
    } else if (dancer && dancerDistance < museDistance && dancerDistance < prima) {
        escapeAngle = dancer->angle - 180.0f;
    } else if (prima < museDistance && prima < dancerDistance) {
        const float turn = angleBetween(previousPrimaAngle, primaAngle);
        if (turn < 0.0f) escapeAngle = primaAngle + 90.0f;
        if (turn > 0.0f) escapeAngle = primaAngle - 90.0f;
    }
}

void Obstacle::takeContact(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                           float otherHeight, std::uint16_t otherDamage, float otherMomentum) {
    if (talentClock > 0.05f && otherKind >= Kind::talentFreeze && otherKind <= Kind::talentRed) {
        // A freeze talent is worth nothing to a dancer but hearts lost.
        const int index = otherKind - Kind::talentFreeze;
        if (talents[index] < 255) ++talents[index];
        sadness += otherKind == Kind::talentFreeze ? 51 : 11;
        bounceSpeed = 0.0f;
        talentClock = 0.0f;
    } else if (talentClock > 0.05f && otherKind > Kind::talentRed && Kind::isTalent(otherKind)) {
        // A super talent counts three of each colour, for her as for the
        // Prima Ballerina, and costs her every heart.
        for (int index = blueTalent; index <= redTalent; ++index)
            talents[index] = static_cast<std::uint8_t>(talents[index] > 252 ? 255 : talents[index] + 3);
        sadness += 100;
        bounceSpeed = 0.0f;
        talentClock = 0.0f;
    }
    sadness -= static_cast<std::int32_t>(otherDamage * sensitivity);

    if (otherKind == Kind::camera) {
        blocked = 0;
        return;
    }
    if (otherKind == Kind::cat) {
        selected = 1;
        blocked = 0;
    } else if (!Kind::isBlossom(otherKind)) {
        blocked = 1;  // a blossom bursts on her without stopping her
    }
    applyCarryAndBounce(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
}

// ---------------------------------------------------------------------------
// think

void Obstacle::refreshNearest() {
    if (const Sighting* s = talentsSeen.nearest()) nearestTalent = *s;
    if (const Sighting* s = muses.nearest()) nearestMuse = *s;
    if (const Sighting* s = blossoms.nearest()) nearestBlossom = *s;
}

void Obstacle::approach(float stopDistance) { acceleration += targetDistance <= stopDistance ? -0.04f : 0.02f; }

void Obstacle::think(int givenMode, const Vector& groupPoint, int groupNumber) {
    if (kind != Kind::none) {
        // The nearest sightings first, so that the call to arms below reads
        // this frame's blossoms rather than the last frame's.
        refreshNearest();
        group = static_cast<std::uint8_t>(groupNumber < 0 ? 0 : groupNumber);
        if (group != 0) {
            interestDistance = Vector{position.x - groupPoint.x, position.y - groupPoint.y, 0.0f}.length();
            interestAngle = wrapAngle(angleToward(position, groupPoint));
        }
        int chosen = givenMode;
        // A grouped dancer under fire near the Prima Ballerina fights back,
        // unless she is still on her way to a distant gathering point.
        if (group != 0 && primaDistance < 3.0f && nearestBlossom.distance < 3.0f &&
            !(givenMode == goToPoint && interestDistance > 3.0f))
            chosen = chase;
        mode = chosen;
        turnTime = 3.0f;
        steerByMode(chosen);
        if (chosen != idle && chosen != hold && chosen != rest && chosen >= 0 && chosen <= flee)
            testLineOfFire();
        targetFlag = (group != 0 && (chosen == goToPoint || chosen == walkToPoint)) ? 1 : 0;
        targetWeight = targetFlag ? interestDistance : 0.0f;
        targetPoint = targetFlag ? groupPoint : Vector{};
    }
    dancers.clear();
    talentsSeen.clear();
    blossoms.clear();
    muses.clear();
}

void Obstacle::steerByMode(int chosen) {
    if (chosen == chase || chosen == huntTalents || chosen == charge) evadeFactor = 2.0f;
    if (chosen == goToPoint || chosen == walkToPoint || chosen == flee) evadeFactor = 1.0f;
    throwTargetKind = Kind::prima;

    switch (chosen) {
    case huntTalents: {
        throwAllowed = 1;
        const bool talentInSight = !talentsSeen.empty();
        const bool museInSight = !muses.empty();
        if (talentInSight && !(museInSight && nearestMuse.distance < nearestTalent.distance)) {
            goalAngle = nearestTalent.angle;
            targetDistance = nearestTalent.distance;
            turnTime = 0.5f;
            if (museInSight) {
                aimAngle = nearestMuse.angle;
                throwTargetKind = nearestMuse.kind;
            }
            approach(0.05f);
            break;
        }
        if (museInSight) {
            goalAngle = aimAngle = nearestMuse.angle;
            throwTargetKind = nearestMuse.kind;
            targetDistance = nearestMuse.distance;
            turnTime = 0.5f;
            approach(0.05f);
            break;
        }
        [[fallthrough]];  // nothing to hunt: she chases instead
    }
    case chase:
        throwAllowed = 1;
        goalAngle = aimAngle = primaAngle;
        targetDistance = primaDistance;
        approach(0.05f);
        if (speed < maxSpeed / 4.0f) acceleration += 0.05f;
        break;
    case goToPoint:
    case walkToPoint:
        throwAllowed = (chosen == goToPoint && primaDistance < 3.0f) ? 1 : 0;
        goalAngle = interestAngle;
        if (chosen == goToPoint) aimAngle = primaAngle;
        targetDistance = interestDistance;
        approach(0.5f);
        // Standing at the point she banks no braking, so she sets off at once.
        if (speed <= 0.0f && acceleration < 0.0f) acceleration = 0.0f;
        break;
    case charge:
        throwAllowed = 1;
        goalAngle = primaAngle;
        targetDistance = primaDistance;
        acceleration += 0.05f;
        escapeAngle = 0.0f;
        break;
    case flee:
        throwAllowed = 1;
        goalAngle = primaAngle + 180.0f;
        aimAngle = primaAngle;
        targetDistance = primaDistance;
        acceleration += 0.05f;
        escapeAngle = 0.0f;
        break;
    case hold:
        throwAllowed = 1;
        break;
    default:  // idle, rest and anything unknown
        throwAllowed = 0;
        break;
    }
}

// Another dancer close to her aim and nearer than the Prima Ballerina would
// take the blossom: she holds her fire.
void Obstacle::testLineOfFire() {
    lineClear = 1;
    for (int i = 0; i < dancers.size(); ++i) {
        // The distance first: it spares the angle of everyone behind her target.
        if (!(dancers.distanceAt(i) < primaDistance)) continue;
        if (std::fabs(angleBetween(aimAngle, dancers[i].angle)) <= 22.5f) {
            lineClear = 0;
            return;
        }
    }
}
