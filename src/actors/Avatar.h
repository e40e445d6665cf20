#pragma once

#include <cstdint>

#include "actors/Actor.h"
#include "actors/DancerLook.h"
#include "actors/EffectRequest.h"
#include "actors/StageNames.h"

// The two actors the player plays through: the Prima Ballerina (kind 'e'),
// who turns toward her cat, dances after it and throws blossoms at whatever
// it sits on, and the cat (kind 'j'), which follows the mouse on a leash.
//
// Everything the World reads or writes is a public field; the avatar never
// calls the World. The World's duties around it:
//   - steer both every frame (the Prima Ballerina only outside a name entry),
//     then let them touch each other and everything else, then update both;
//   - set throwNow on the Prima Ballerina while the cat has selected a dancer
//     or a muse; throw one blossom of blossomKind from throwPoint() along
//     throwAngle() when her steer left throwNow set, then call advanceLaunch()
//     and set hasThrown;
//   - hand the cat's catOnDancer over to the Prima Ballerina before updating
//     her (set hers, clear the cat's);
//   - read clicked on the cat, freezeSeconds, talents, energy and the effect
//     requests (effects) of both after their updates.
class Avatar : public Actor {
public:
    static constexpr float pixelsPerUnit = 100.0f;  // mouse pixels per stage unit
    static constexpr int mouseStepLimit = 30;       // pixels per frame at most
    static constexpr float pullStrength = 20.0f;    // leash pull per unit of offset per second
    static constexpr float maxFreezeSeconds = 15.0f;
    static constexpr std::int32_t energyCeiling = 200;

    Avatar();

    // (Re)starts this avatar on the stage. Kinds 101..105 are Prima
    // Ballerinas, 106..110 cats; kind 0 frees the slot. tag is the layout's
    // frame count, kept for the World.
    void place(std::uint8_t kind, std::int32_t energy, std::int32_t blue, std::int32_t green, std::int32_t red,
               Vector position, float width, float height, float angle, std::int32_t tag);

    // Input of one frame. The cat gets the mouse (window pixels) and both
    // buttons; the Prima Ballerina gets (0, 0) and no buttons and runs her
    // throwing clock here. The right button and the keys have no effect.
    void steer(std::int32_t mouseX, std::int32_t mouseY, bool leftButton, bool rightButton, bool keyUp,
               bool keyRight, bool keyDown, bool keyLeft, bool nameEntry, float dt);

    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;

    // One step of movement: the Prima Ballerina's dance or the cat's leash.
    void update(float dt);

    bool isPrima() const { return Kind::isPrima(kind); }
    bool isCat() const { return kind >= Kind::cat && kind <= 110; }
    std::int32_t blue() const { return talents[1]; }
    std::int32_t green() const { return talents[2]; }
    std::int32_t red() const { return talents[3]; }
    // Where the Prima Ballerina's next blossom starts (the launch point of
    // launchIndex around her facing); for the cat, simply its position. It is
    // also the aim point blossoms thrown at this avatar steer to.
    Vector throwPoint() const { return isPrima() ? launchPoint : position; }
    // The World's part of a throw: the next launch point of the volley.
    void advanceLaunch();
    // The direction her blossoms fly: the angle facing the cat.
    float throwAngle() const { return angle; }
    // The state value of the drawing: her mood frame (1 content, 2 below half energy).
    std::uint8_t state() const { return moodFrame; }

    // --- identity -----------------------------------------------------------
    char name[stageNameSize] = {};
    char saying[53] = {};
    DancerLook look;              // costume parts, own colour, stage background
    std::int32_t points = 0;      // points earned while she was the Prima Ballerina
    std::int32_t tag = 0;

    // --- the Prima Ballerina's dance ---------------------------------------
    float facing = 0.0f;          // the angle she turns; angle itself faces the cat
    float goalAngle = 0.0f;
    float turnTime = 0.5f;
    float catAngle = 0.0f;
    float catDistance = 0.0f;
    std::uint8_t catOnDancer = 0;
    float circleDistance = 1.5f;
    std::int32_t talents[4] = {};  // freeze pending (0 or 1), blue, green, red
    float speedScale = 1.5f;
    float sensitivity = 0.5f;      // factor of the damage she receives
    float freezeSeconds = 5.0f;
    std::int32_t blossomKind = Kind::blossom1;
    float throwInterval = 0.75f;
    std::int32_t volleySize = 1;
    std::int32_t launchIndex = 1;
    Vector launchPoint;            // stage position of launch point launchIndex
    std::uint8_t throwNow = 0;
    std::uint8_t hasThrown = 0;
    float talentClock = 0.0f;
    std::uint8_t talentTaken[4] = {};  // talents 131..134 taken since her last update
    std::uint8_t moodFrame = 1;
    // The radar's line (none for the avatars: the Prima-to-cat line is drawn anyway).
    std::uint8_t targetFlag = 0;
    float targetWeight = 0.0f;
    Vector targetPoint;
    float stepClock = 0.0f;
    std::int32_t frameFirst = 1;
    std::int32_t frameLast = 1;
    EffectRequests effects;

    // --- the cat -------------------------------------------------------------
    float leash = 4.2f;
    Vector pull;                   // per second, toward the Prima Ballerina
    Vector pointerDelta;           // this frame's movement from the mouse, stage units
    std::int32_t lastMouseX = 0;
    std::int32_t lastMouseY = 0;
    float holdTime = 0.0f;
    float lastHold = 0.0f;
    float releaseClock = 0.0f;
    std::uint8_t clicked = 0;
    std::uint8_t grabbing = 0;
    std::uint8_t pressing = 1;
    Vector primaSeenAt;            // the Prima Ballerina's position at her last touch
    std::uint8_t primaSeen = 0;

private:
    void touchAsCat(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth, float otherHeight);
    void touchAsPrima(std::uint16_t otherKind, std::uint16_t otherDamage);
    void takeTalent(std::uint16_t otherKind);
    void updatePrima(float dt);
    void updateCat(float dt);
    void pushIntoGoal(float dt);
    void applyTalentTables();
    void refreshLaunchPoint();
    void requestEffects(float dt);

    float speedTrailClock = 0.0f;
    float gardenClock = 0.0f;
    std::uint8_t trailSide = 0;
};
