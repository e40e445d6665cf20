#pragma once

#include <cstdint>

#include "actors/Actor.h"
#include "actors/Costume.h"
#include "actors/TouchReach.h"

// A talent lying on the stage. It drifts toward the nearest dancer or the
// Prima Ballerina that comes close and is collected by the first of them to
// touch it once it is a quarter of a second old: it then sets energy below
// zero and its next update frees the slot (the collector's own touch adds the
// talent to her counts). Super talents (135..138) stay where they are unless
// pushed or dragged. Beyond 15 units from the centre a talent turns back.
// Talents raise no effect requests of their own (updated stays 0): the
// collector shows the taking.
class PowerUp : public Actor {
public:
    static constexpr float noDancer = 5.0f;
    static constexpr float sightRange = 2.5f;
    static constexpr float approachRange = 2.0f;
    static constexpr float hurryRange = 1.5f;
    static constexpr float stageLimit = 15.0f;
    static constexpr float collectAge = 0.25f;
    static constexpr float armAge = 0.5f;

    PowerUp();

    // (Re)starts this talent; kind 0 frees the slot. layoutTag is kept for the World.
    void place(std::uint8_t kind, Vector position, float width, float height, float angle, float momentum,
               std::int32_t layoutTag);

    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;
    // False when a touch by that actor would change nothing about the talent:
    // on the stage, too far to draw it near and, once it can be collected,
    // too far to touch it. The contact pass asks this before every touch.
    bool mayNotice(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                   float otherHeight) const {
        // Off the stage every touch turns it back.
        if (std::fabs(position.x) > stageLimit || std::fabs(position.y) > stageLimit) return true;
        float reach = 0.0f;
        if (Kind::isPrimaOrDancer(otherKind)) reach = sightRange;
        if (age > collectAge) {
            const float contact = contactReach(width, height, otherWidth, otherHeight);
            if (!(contact <= reach)) reach = contact;  // NaN sizes: no box at all
        }
        return !beyondReach(position, otherPosition, reach);
    }

    void update(float dt);

    bool isSuper() const { return kind > Kind::talentRed; }
    // The state value of the drawing: 2 while a dancer draws it near, else 1.
    std::uint8_t state() const { return attracted ? 2 : 1; }
    // The badge line shown when the cat stands on a talent of this kind
    // ("" for super talents and anything else).
    static const char* tooltip(std::uint8_t kind);

    float targetAngle = 0.0f;
    // The place and angle of the last turn back toward the centre.
    Vector turnBackFrom{0.0f, 0.0f, -1.0f};
    float turnBackAngle = 0.0f;
    float dancerAngle = 0.0f;
    float turnTime = 0.5f;
    float nearestDancer = noDancer;
    float previousNearest = noDancer;
    Vector nearestPosition;
    std::uint8_t attracted = 0;    // a dancer came within 2.5 in the last frame
    std::int32_t layoutTag = 0;

    Colour colour;                 // by kind, alpha 100
    std::uint8_t visible = 1;
    Costume costume;               // part 1 the sparkle, part 2 the rim

    // The radar's line: the dancer it drifts to.
    std::uint8_t targetFlag = 0;
    float targetWeight = 0.0f;
    Vector targetPoint;

private:
    void dress();
};
