#pragma once

#include <cstdint>

#include "actors/Motion.h"
#include "actors/Vector.h"

// Kinds are one byte; 0 marks a free pool slot. The kind is also the actor's
// sprite-set number and selects its looping sound.
namespace Kind {
constexpr std::uint8_t none = 0;
constexpr std::uint8_t prima = 101;     // 'e'
constexpr std::uint8_t cat = 106;       // 'j'
constexpr std::uint8_t ballerina = 111; // 'o', named, throws
constexpr std::uint8_t dancerP = 112;   // 'p', never throws
constexpr std::uint8_t dancerQ = 113;   // 'q', unnamed thrower
constexpr std::uint8_t talentFreeze = 131;
constexpr std::uint8_t talentBlue = 132;
constexpr std::uint8_t talentGreen = 133;
constexpr std::uint8_t talentRed = 134;
constexpr std::uint8_t blossom1 = 141;
constexpr std::uint8_t muse = 161;
constexpr std::uint8_t museGrowing = 162;
constexpr std::uint8_t camera = 200;

constexpr bool isPrima(unsigned k) { return k != 0 && k < 106; }
constexpr bool isDancer(unsigned k) { return k >= 111 && k <= 129; }
constexpr bool isTalent(unsigned k) { return k >= 131 && k <= 138; }
constexpr bool isBlossom(unsigned k) { return k >= 141 && k <= 150; }
constexpr bool isMuse(unsigned k) { return k >= 161 && k <= 170; }
// The actors muses turn to and talents drift to: the first Prima Ballerina
// kind and the dancer kinds with their spare number 130.
constexpr bool isPrimaOrDancer(unsigned k) { return k == prima || (k >= 111 && k <= 130); }
}  // namespace Kind

// Base of every stage object. One virtual operation: touch.
class Actor {
public:
    Actor();
    virtual ~Actor() = default;

    // The World tells this actor that another one may be in contact with it.
    virtual void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth,
                       float otherHeight, std::uint16_t otherDamage, float otherMomentum);

    std::uint8_t kind = 0;
    Vector position;
    Vector heading;
    Vector carryDelta;
    Vector bounceDirection;
    Vector velocity;
    float width = 0.0f;
    float height = 0.0f;
    float angle = 0.0f;
    float step = 0.0f;
    float momentum = 0.0f;
    float maxSpeed = 0.0f;
    float minSpeed = 0.0f;
    float lastMomentum = 0.0f;
    float speed = 0.0f;
    float acceleration = 0.0f;
    float maxAcceleration = 0.0f;
    float minAcceleration = 0.0f;
    float carrySpeed = 0.0f;
    float bounceSpeed = 0.0f;
    std::int32_t energy = 100;
    std::int32_t maxEnergy = 100;
    std::uint16_t damage = 1;
    float age = 0.0f;
    float touchDistance = 0.0f;
    float avatarDistance = 10.0f;
    float cameraDistance = 0.0f;
    std::int32_t baseDamage = 0;
    const MotionConstants motion{};
    std::uint8_t updated = 0;
    Vector previousPosition;
    static constexpr float grabSize = 0.0251234f;
    static constexpr float releaseSize = 0.0151234f;
    std::uint8_t blocked = 0;
    std::uint8_t carried = 0;
    float carriedTime = 0.0f;
    Vector carrierPosition;
    Vector anchor;
    std::uint8_t selected = 0;
    Vector touchVector;

    // Frees the slot: kind 0 and no place on the stage.
    void remove();

protected:
    // Contact measurement shared by every touch: touchVector (exact zeros
    // replaced by 0.000001), touchDistance, avatarDistance for kinds below 106
    // and cameraDistance for the Camera.
    void measureTouch(std::uint16_t otherKind, const Vector& otherPosition);
    // The strict size test: mean sizes summed must exceed the distance.
    bool inContact(float otherWidth, float otherHeight) const;
    // The shared contact response after an override's own rules. Returns false
    // when the Camera ended the touch after its first step.
    bool respondToContact(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                          float otherHeight, float otherMomentum);
    // The carry and bounce steps (2 to 7) of the contact response alone.
    void applyCarryAndBounce(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                             float otherHeight, float otherMomentum);

    // The update steps, for the derived classes to run in order.
    bool beginUpdate();                      // 1: false for a free slot
    void turnTo(float target, float turnTime, float dt) { angle = turnToward(angle, target, turnTime, dt); } // 3
    void applyHeading() { heading = headingVector(angle); }                  // 4
    void clampAcceleration();                // 5
    void integrateSpeedStep(float dt);       // 6 and 7
    void decayCarry(float dt);               // 8
    void decayBounce(float dt);              // 9
    void rememberPosition();                 // 10
    void advanceCarriedTime(float dt);       // 11
    void integratePosition(float dt);        // 12
    void updateVelocity();                   // 13
    void updateMomentum();                   // 14
    void removeIfSpent();                    // 15
};
