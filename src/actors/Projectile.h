#pragma once

#include <cstdint>

#include "actors/Actor.h"
#include "actors/Costume.h"
#include "actors/TouchReach.h"

// A thrown blossom. It flies after its target, turning harder the older it
// gets, is harmless for its first half second (it must leave its thrower),
// bursts on the first contact with anything but the Camera (the cat
// included) and fades unburst after its lifetime.
//
// The World places it from a throw, calls the eight-argument touch for every
// other actor with that actor's pool slot and aim point, then update. After
// each update it reads effectPending() with effectKind, effectPosition and
// effectAngle: the launch in the first update, the burst in the last one.
class Projectile : public Actor {
public:
    static constexpr std::uint16_t noSlot = 0xFFFF;  // a slot no actor has
    static constexpr float armingAge = 0.5f;

    Projectile();

    // kind 141..144 is the strength and sets size, speed, damage, colours and
    // effects (the width and height passed are then replaced); kind 0 frees.
    void place(std::uint8_t kind, const Vector& position, float width, float height, float angle,
               std::uint16_t targetKind, std::uint16_t targetIndex, float speed, std::uint8_t layoutTag);

    // The contact test with another actor: its kind, position, pool slot, the
    // point to aim at when it is the target ((0, 0, 0) for none), its size,
    // damage and momentum.
    void touch(std::uint16_t otherKind, Vector otherPosition, std::uint16_t otherSlot, Vector aimPoint,
               float otherWidth, float otherHeight, std::uint16_t otherDamage, float otherMomentum);
    // False when the eight-argument touch with that actor would change
    // nothing: not the Prima Ballerina, the Camera, a 'p' dancer or the
    // target, and outside the box the touch tests before measuring.
    bool mayNotice(std::uint16_t otherKind, const Vector& otherPosition, std::uint16_t otherSlot,
                   float otherWidth, float otherHeight) const {
        if (otherKind == Kind::prima || otherKind == Kind::camera || otherKind == Kind::dancerP) return true;
        if (otherKind == targetKind && otherSlot == targetIndex) return true;
        return !beyondReach(position, otherPosition, boxReach(otherWidth, otherHeight));
    }
    // Through the base interface the other actor has no slot and no aim point.
    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;

    // guideRadius: within it a 'p' dancer makes the blossom home in.
    void update(float dt, float guideRadius);

    // An effect (launch or burst) is to be shown for this update.
    bool effectPending() const { return updated != 0; }

    Colour colour1;
    Colour colour2;
    float aimAngle = 0.0f;
    float turnTime = 0.5f;       // infinite at age 0: a fresh blossom does not turn
    std::uint16_t targetKind = 0;
    std::uint16_t targetIndex = 0;
    float lifetime = 5.0f;
    float spin = 0.0f;           // drawing rotation, 300 degrees per second
    std::uint8_t burstEffect = 1;
    std::uint8_t launchEffect = 5;
    std::uint8_t launching = 0;
    float guideRadius = 0.0f;
    std::uint8_t guided = 0;
    Vector lastTargetPosition;
    Vector lastPrimaPosition;
    std::uint8_t effectKind = 0;
    Vector effectPosition;
    float effectAngle = 0.0f;
    std::uint8_t layoutTag = 0;

private:
    // The half side of the box the touch tests before measuring.
    float boxReach(float otherWidth, float otherHeight) const {
        return (otherWidth + width + height + otherHeight) / 2.0f;
    }
    void applyStrength();
    void report(std::uint8_t effect);
};
