#include "actors/Avatar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "actors/Motion.h"
#include "actors/TouchReach.h"
#include "actors/Volley.h"

namespace {

constexpr float catSize = 0.1f;
constexpr float talentDebounce = 0.05f;
constexpr float clickPressEarliest = 0.1f;  // a new press this soon after a release is a click
constexpr float clickPressLatest = 0.5f;
constexpr float clickHoldLimit = 0.4f;      // a release after a shorter hold is a click
constexpr float grabHold = 0.5f;            // holding longer than this grabs
constexpr float leashSlack = 0.5f;
constexpr float dancerReach = 0.5f;         // the cat sits on a dancer within this
constexpr float drift = 0.000001f;          // keeps the two avatars off exact coordinates
constexpr int catPawPart = 2;

// Green talents 0..3.
constexpr float speedFactors[4] = {0.4f, 0.6f, 0.8f, 1.0f};
constexpr float accelerationLimits[4] = {0.2f, 0.25f, 0.3f, 0.35f};
constexpr float turnTimes[4] = {0.5f, 0.4f, 0.3f, 0.2f};

constexpr std::uint8_t talentEffectBase = 23;  // 23..26 for talents 131..134

int clampCount(std::int32_t value) { return value < 0 ? 0 : (value > 3 ? 3 : value); }

CostumePart part(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t visible = 1) {
    return CostumePart{r, g, b, 100, visible};
}

// The Prima Ballerina's own look until she changes places with a ballerina:
// white swan with a gold ornament and a blue sash (parts: hair, ornament,
// bodice, tutu, lining, sash, skin, tights, shoes, gloves).
DancerLook primaLook() {
    DancerLook look;
    const CostumePart parts[Costume::partCount] = {
        part(30, 20, 20),    part(255, 215, 90),  part(250, 250, 255), part(255, 255, 255),
        part(210, 220, 255), part(120, 140, 230), part(255, 224, 200), part(255, 240, 245),
        part(255, 200, 220), part(255, 255, 255),
    };
    for (int i = 0; i < Costume::partCount; ++i) look.costume.parts[i] = parts[i];
    look.colour = Colour{40, 90, 60, 100};
    look.background = Colour{16, 14, 36, 100};
    return look;
}

// The cat: the drawing tints its fur itself; part 2 holds its markings, and
// part 2's visible value picks the closed paw while it grabs.
DancerLook catLook() {
    DancerLook look;
    look.costume.part(catPawPart) = part(70, 45, 30, 0);
    look.colour = Colour{180, 125, 59, 100};
    look.background = Colour{16, 14, 36, 100};
    return look;
}

}  // namespace

Avatar::Avatar() {
    setSaying(saying, sizeof saying, primaSaying);
    makePrimaName(name);
    maxSpeed = speedScale * 0.3f;
    maxAcceleration = 0.2f;
    minAcceleration = -0.2f;
    look = primaLook();
}

void Avatar::place(std::uint8_t newKind, std::int32_t newEnergy, std::int32_t blue, std::int32_t green,
                   std::int32_t red, Vector newPosition, float newWidth, float newHeight, float newAngle,
                   std::int32_t newTag) {
    kind = newKind;
    energy = newEnergy;
    maxEnergy = 100;
    tag = newTag;
    position = newPosition;
    previousPosition = newPosition;
    anchor = newPosition;
    width = newWidth;
    height = newHeight;
    angle = newAngle;
    facing = newAngle;
    goalAngle = newAngle;
    catAngle = newAngle;
    catDistance = 0.0f;
    catOnDancer = 0;

    speed = momentum = lastMomentum = acceleration = step = 0.0f;
    heading = headingVector(newAngle);
    carryDelta = bounceDirection = velocity = carrierPosition = Vector{};
    carrySpeed = bounceSpeed = carriedTime = age = 0.0f;
    carried = blocked = selected = updated = 0;
    maxAcceleration = 0.2f;
    minAcceleration = -0.2f;
    turnTime = 0.5f;
    damage = isCat() ? 0 : 1;

    // The level hands over her colours; nothing is pending yet.
    talents[0] = 0;
    talents[1] = blue;
    talents[2] = green;
    talents[3] = red;
    std::fill(std::begin(talentTaken), std::end(talentTaken), 0);
    talentClock = 0.0f;
    // freezeSeconds stays: the freeze talents she gathered keep lengthening it from dance to dance.
    launchIndex = 1;
    throwNow = hasThrown = 0;
    stepClock = 0.0f;
    frameFirst = frameLast = 1;
    effects.clear();
    speedTrailClock = gardenClock = 0.0f;
    trailSide = 0;
    moodFrame = energy >= 50 ? 1 : 2;

    pull = pointerDelta = Vector{};
    holdTime = lastHold = releaseClock = 0.0f;
    clicked = grabbing = 0;
    pressing = 1;
    primaSeen = 0;
    primaSeenAt = Vector{};
    if (isCat()) look = catLook();

    applyTalentTables();
}

void Avatar::steer(std::int32_t mouseX, std::int32_t mouseY, bool leftButton, bool /*rightButton*/,
                   bool /*keyUp*/, bool /*keyRight*/, bool /*keyDown*/, bool /*keyLeft*/, bool nameEntry,
                   float dt) {
    // Clicks and holds.
    clicked = 0;
    releaseClock += dt;
    grabbing = holdTime > grabHold ? 1 : 0;
    if (leftButton && holdTime == 0.0f && releaseClock > clickPressEarliest && releaseClock < clickPressLatest) {
        clicked = 1;
        releaseClock = 0.0f;
    }
    if (!leftButton && lastHold > 0.0f && lastHold < clickHoldLimit) {
        clicked = 1;
        lastHold = 0.0f;
    }
    // Pressing follows the button, so the frame in which a long hold ends
    // signals releaseSize to whatever the cat holds: a clean drop.
    pressing = leftButton ? 1 : 0;
    if (leftButton) {
        holdTime += dt;
        lastHold = holdTime;
        releaseClock = 0.0f;
    } else {
        holdTime = 0.0f;
    }

    // The Prima Ballerina's throwing clock: a volley is due only when her
    // interval has passed since the last one.
    stepClock += dt;
    if (clicked) throwNow = 0;
    if (throwNow) {
        if (stepClock > throwInterval) {
            stepClock = 0.0f;
            frameFirst += 12;
            frameLast += 12;
            if (frameLast > 36) {
                frameFirst = 1;
                frameLast = 12;
            }
        } else {
            throwNow = 0;
        }
    }

    // Mouse motion, at most 30 pixels a frame. During a name entry the mouse
    // picks letters, so the cat stays where the World put it.
    const std::int64_t rawX = static_cast<std::int64_t>(mouseX) - lastMouseX;
    const std::int64_t rawY = static_cast<std::int64_t>(mouseY) - lastMouseY;
    const std::int64_t dx = std::clamp<std::int64_t>(rawX, -mouseStepLimit, mouseStepLimit);
    const std::int64_t dy = std::clamp<std::int64_t>(rawY, -mouseStepLimit, mouseStepLimit);
    if (!nameEntry)
        pointerDelta = Vector{static_cast<float>(dx) / pixelsPerUnit, -static_cast<float>(dy) / pixelsPerUnit, 0.0f};
    else
        pointerDelta = Vector{};
    acceleration += 0.02f;
    lastMouseX = mouseX;
    lastMouseY = mouseY;
}

void Avatar::touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
                   std::uint16_t otherDamage, float otherMomentum) {
    if (kind == Kind::none || otherKind == 0) return;
    if (otherKind >= Kind::ballerina) {
        // Far actors are skipped on a quick box test before any measuring;
        // the cat still notices what it sits on up to dancerReach.
        float reach = contactReach(width, height, otherWidth, otherHeight);
        if (isCat() && reach < dancerReach) reach = dancerReach;
        if (beyondReach(position, otherPosition, reach)) return;
    }
    measureTouch(otherKind, otherPosition);

    if (isCat()) {
        touchAsCat(otherKind, otherPosition, otherWidth, otherHeight);
    } else if (otherKind >= Kind::cat && otherKind < Kind::ballerina) {
        catAngle = angleOfVector(touchVector);
        angle = catAngle;
        catDistance = touchDistance;
    }

    if (!inContact(otherWidth, otherHeight)) return;
    if (isPrima()) touchAsPrima(otherKind, otherDamage);
    if (isPrima() && otherKind >= Kind::cat && otherKind < Kind::ballerina) {
        // Her own cat never drags her: she follows it anyway and it moves
        // with her, so a drag would feed back on itself.
        otherWidth = otherHeight = catSize;
    }
    respondToContact(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
}

void Avatar::touchAsCat(std::uint16_t otherKind, const Vector& otherPosition, float /*otherWidth*/,
                        float /*otherHeight*/) {
    if (Kind::isPrima(otherKind)) {
        catDistance = touchDistance;
        // Carried along with her: her displacement since her previous touch.
        if (primaSeen) {
            position.x += otherPosition.x - primaSeenAt.x;
            position.y += otherPosition.y - primaSeenAt.y;
        }
        primaSeenAt = otherPosition;
        primaSeen = 1;
    }

    // The leash: near its end the cat lets go, beyond it the cat is pulled back.
    pull = Vector{};
    if (primaSeen && catDistance > leash - leashSlack) {
        if (otherKind > 130 || !pointerDelta.isZero()) {
            pressing = 0;
            grabbing = 0;
        }
        if (catDistance > leash) {
            pull = Vector{primaSeenAt.x - position.x, primaSeenAt.y - position.y, 0.0f} * pullStrength;
        }
    }

    // Sitting on a dancer, a blossom or a muse (the World hands this to the
    // Prima Ballerina).
    const bool sitsOn = Kind::isDancer(otherKind) || otherKind >= Kind::blossom1;
    if (sitsOn && touchDistance < dancerReach) catOnDancer = 1;

    // The carry signal is the cat's own size.
    if (grabbing && pressing)
        width = height = grabSize;
    else if (grabbing)
        width = height = releaseSize;
    else
        width = height = catSize;
    look.costume.part(catPawPart).visible = (grabbing && pressing) ? 1 : 0;
}

void Avatar::touchAsPrima(std::uint16_t otherKind, std::uint16_t otherDamage) {
    energy -= static_cast<std::int32_t>(static_cast<float>(otherDamage) * sensitivity);
    if (Kind::isTalent(otherKind) && talentClock > talentDebounce) takeTalent(otherKind);
}

void Avatar::takeTalent(std::uint16_t otherKind) {
    if (otherKind == Kind::talentFreeze) {
        talents[0] = 1;
        talentTaken[0] = 1;
        energy += 33;
    } else if (otherKind <= Kind::talentRed) {
        const int colour = otherKind - Kind::talentFreeze;  // 1 blue, 2 green, 3 red
        talents[colour] += 1;
        talentTaken[colour] = 1;
        energy += 11;
    } else {
        // A super talent: three of each colour at once.
        for (int colour = 1; colour <= 3; ++colour) {
            talents[colour] += 3;
            talentTaken[colour] = 1;
        }
        energy += 100;
    }
    bounceSpeed = 0.0f;
    talentClock = 0.0f;
}

void Avatar::update(float dt) {
    if (isCat())
        updateCat(dt);
    else
        updatePrima(dt);
}

void Avatar::updatePrima(float dt) {
    if (!beginUpdate()) return;

    moodFrame = energy >= 50 ? 1 : 2;
    goalAngle = catAngle;
    // With the cat on a dancer close by she circles the dancer instead of
    // running into her.
    if (catOnDancer && catDistance < circleDistance) goalAngle = catAngle - 90.0f;
    catOnDancer = 0;

    talentClock += dt;
    energy = std::min(energy, maxEnergy);
    talents[0] = std::clamp(talents[0], 0, 1);
    for (int colour = 1; colour <= 3; ++colour) talents[colour] = std::clamp(talents[colour], 0, 3);
    effects.clear();

    if (energy < 1) {
        // Happy: the dance is lost.
        kind = Kind::none;
        energy = -1000;
        return;
    }

    // Kept within 0..360 like the dancers' angles: circling a dancer walks
    // her goal round and round, and a facing that had wandered whole turns
    // away from it would turn the long way (spinning her round in a loop).
    facing = wrapAngle(turnToward(facing, goalAngle, turnTime, dt));
    heading = headingVector(facing);
    clampAcceleration();
    pushIntoGoal(dt);

    integrateSpeedStep(dt);
    decayCarry(dt);
    decayBounce(dt);
    rememberPosition();
    advanceCarriedTime(dt);
    integratePosition(dt);
    updateVelocity();
    updateMomentum();

    if (talents[0] > 0) {
        energy += 25;
        freezeSeconds = std::min(freezeSeconds + 1.0f, maxFreezeSeconds);
        talents[0] = 0;
    }
    energy = std::min(energy, energyCeiling);

    applyTalentTables();
    requestEffects(dt);
    position.y += drift;
}

void Avatar::pushIntoGoal(float dt) {
    if (bounceDirection.isZero()) return;
    // angleOfVector points against the vector; the push itself runs the other way.
    const float against = angleOfVector(bounceDirection);
    const float along = against + 180.0f;
    if (bounceSpeed > 0.1f && std::fabs(angleBetween(goalAngle, along)) <= 1.25f) {
        // A push straight toward her goal becomes her own speed.
        speed += bounceSpeed;
        facing = wrapAngle(along);
        bounceSpeed = 0.0f;
    } else if (bounceDirection.dot(heading) < 0.0f && bounceSpeed < speed) {
        // A weak push from the front fades faster while she dances on.
        bounceSpeed -= dt * bounceSpeed * 2.5f;
    }
}

void Avatar::applyTalentTables() {
    const int green = clampCount(talents[2]);
    maxSpeed = speedScale * speedFactors[green];
    maxAcceleration = accelerationLimits[green];
    turnTime = turnTimes[green];
    throwInterval = throwIntervalFor(talents[1]);
    volleySize = volleySizeFor(talents[1]);
    blossomKind = blossomKindFor(talents[3]);
    refreshLaunchPoint();
}

void Avatar::refreshLaunchPoint() {
    if (!isPrima()) {
        launchPoint = position;
        return;
    }
    launchPoint = position + launchOffset(talents[1], launchIndex, width + height, facing);
    launchPoint.z = 0.0f;
}

void Avatar::advanceLaunch() {
    launchIndex = nextLaunchIndex(launchIndex, volleySize);
    refreshLaunchPoint();
}

void Avatar::requestEffects(float dt) {
    for (int i = 0; i < 4; ++i) {
        if (!talentTaken[i]) continue;
        effects.request(static_cast<std::uint8_t>(talentEffectBase + i), position, facing);
        talentTaken[i] = 0;
    }

    const float size = width + height;
    const int green = clampCount(talents[2]);
    const int blue = clampCount(talents[1]);
    speedTrailClock += dt;
    if (speedTrailClock > (green >= 2 ? 0.15f : 0.3f)) {
        speedTrailClock = 0.0f;
        Vector at = position;
        if (green >= 2) {
            // Fast dancers leave a double trail, alternating sides.
            const Vector side = headingVector(facing - 90.0f);
            at += side * (0.25f * size * (trailSide ? 1.0f : -1.0f));
            trailSide ^= 1;
        }
        effects.request(speedTrailEffects[green], at, facing);
    }
    gardenClock += dt;
    if (gardenClock > 0.05f) {
        gardenClock = 0.0f;
        const Vector behind = position - headingVector(facing) * (0.325f * size);
        effects.request(static_cast<std::uint8_t>(gardenEffectBase + blue), behind, facing);
    }
}

void Avatar::updateCat(float dt) {
    if (!beginUpdate()) return;
    if (catDistance <= leash) pull = Vector{};
    if (!pull.isZero()) {
        // Pulled back on the leash: the mouse has no say until she is near
        // again. A frame longer than 1/20 s (a slow machine, a stall) would
        // throw the cat past her by more than it was away, farther every
        // frame: such a frame brings it at most onto her.
        position += pull * std::min(dt, 1.0f / pullStrength);
    } else {
        position += pointerDelta;
    }
    pointerDelta = Vector{};
    clampAcceleration();  // steer raises it every frame; the cat has no use for more
    position.y += drift;
}
