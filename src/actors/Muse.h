#pragma once

#include <cstdint>

#include "actors/Actor.h"
#include "actors/Costume.h"
#include "actors/TouchReach.h"

// A muse: blossoms that hit her charge her up instead of hurting her. When
// she is full a kind 161 muse gives a talent (giveTalent, for the World to
// place a PowerUp of talentKind 2.0 units ahead of her), a kind 162 muse
// swells to twice the stage size of a dancer and snaps back. Two muses that
// meet sing together, after which each needs twice the charge.
//
// Muses turn to face the nearest dancer but never walk: their heading stays
// zero, so they move only when pushed or dragged by the cat and stay on the
// part of the stage the level put them on.
//
// The charge is the energy field and the capacity the maxEnergy field.
class Muse : public Actor {
public:
    static constexpr float sightRange = 2.5f;
    static constexpr float noDancer = 5.0f;
    static constexpr std::uint8_t blockedEffect = 27;
    static constexpr std::uint8_t talentEffect = 21;
    static constexpr std::uint8_t songEffect = 22;

    Muse();

    // (Re)starts this muse; kind 0 frees the slot. The angle gets a random
    // turn, the talent kind is drawn anew. layoutTag is kept for the World.
    void place(std::uint8_t kind, Vector position, float width, float height, float angle,
               std::int32_t layoutTag);

    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;
    // False when a touch by that actor would change nothing about her: it is
    // too far both to be seen as her nearest dancer and to be in contact. The
    // contact pass asks this before every touch.
    bool mayNotice(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                   float otherHeight) const {
        const float contact = contactReach(width, height, otherWidth, otherHeight);
        const float reach = Kind::isPrimaOrDancer(otherKind) && contact < sightRange ? sightRange : contact;
        return !beyondReach(position, otherPosition, reach);
    }

    // dt moves her; songStep (the World's unslowed frame time) runs her song,
    // so a song lasts its three seconds even while time is frozen.
    void update(float dt, float songStep);

    std::int32_t charge() const { return energy; }
    std::int32_t capacity() const { return maxEnergy; }
    // The colour to draw her in: once she has sung, her red and green pulse.
    Colour displayColour() const;
    // The state value of the drawing: 2 while singing, else 1.
    std::uint8_t state() const { return singing ? 2 : 1; }

    std::int32_t talentKind = 131;
    std::uint8_t giveTalent = 0;   // full: the World places a talent and clears this
    float nearestDancer = noDancer;
    float dancerAngle = 0.0f;
    float turnTime = 0.25f;
    std::uint8_t growing = 0;
    float growRate = 0.05f;
    float growLimit = 2.0f;
    float placedWidth = 0.0f;
    float placedHeight = 0.0f;
    std::uint8_t singing = 0;
    std::uint8_t sang = 0;         // never reset while she stays placed
    float songTime = 0.0f;
    float songLength = 3.0f;
    std::int32_t layoutTag = 0;

    // The effect request: the Actor's updated flag says one is due this frame.
    std::uint8_t effectKind = 0;
    Vector effectPosition;
    float effectAngle = 0.0f;

    // The radar's line: the dancer she turns to (last frame's).
    std::uint8_t targetFlag = 0;
    float targetWeight = 0.0f;
    Vector targetPoint;

    Colour colour;
    Costume costume;

private:
    void request(std::uint8_t effect);
    void dressFor(std::uint8_t kind);

    std::uint8_t songStarted = 0;  // the song effect is due at the next update
    Vector dancerPosition;
};
