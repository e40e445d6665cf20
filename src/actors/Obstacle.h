#pragma once

#include <cstddef>
#include <cstdint>

#include "actors/Actor.h"
#include "actors/DancerLook.h"
#include "actors/EffectRequest.h"
#include "actors/SightingList.h"

// A dancer other than the Prima Ballerina: 'o' a named ballerina who throws
// and evades, 'p' a dancer who never throws but stops throwers near her and
// makes blossoms near her home in, 'q' an unnamed fast thrower.
//
// Per frame the World calls touch (the contact pass), think (with her group's
// mode, point and number), then update. It reads throwNow, launchIndex,
// volleySize, blossomKind, launchPoint, aimAngle (the throw direction),
// throwTargetKind, leaving, counted, happy and the effect requests, and
// never needs to call back into her beyond advanceLaunch.
class Obstacle : public Actor {
public:
    // Behaviour modes handed to think.
    enum Mode : std::int32_t {
        idle = 0, chase = 1, goToPoint = 2, huntTalents = 3, charge = 4,
        hold = 5, rest = 6, walkToPoint = 7, flee = 8,
    };
    // Indices into talents.
    enum TalentIndex { freezeTalent = 0, blueTalent = 1, greenTalent = 2, redTalent = 3 };
    // Fixed purposes of the six effect request slots.
    enum EffectSlot { happyEffectSlot = 0, hitEffectSlot = 1, speedTrailSlot = 2, gardenTrailSlot = 3 };

    static constexpr std::size_t nameSize = 11;
    static constexpr std::size_t sayingSize = 54;
    static constexpr float farAway = 1000.0f;  // a distance that stands for "not seen"
    static constexpr float throwRange = 6.0f;

    Obstacle();

    // Sets her up from a level entry or a spawn: variant is the entry's group
    // type, layoutTag its frame count and target its group number, all kept
    // for the World. Talent counts of 4 or more are drawn as rand() % 3.
    // Kind 'o' gets a name for the difficulty and a saying; 'p' and 'q' none.
    void place(std::uint8_t kind, std::int32_t sadness, int blue, int green, int red, int variant,
               const Vector& position, float width, float height, float angle, std::uint8_t layoutTag,
               std::uint8_t target, int difficulty);

    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;

    // The behaviour step: mode 0..8 from the group tracker, the group's point
    // and number (0 = no group). Chooses goal and aim and empties the lists.
    void think(int mode, const Vector& groupPoint, int group);

    // Turning, movement, throwing, effect requests and leaving. radius comes
    // from the World; 1.5 times it is the reach of a 'p' dancer's calm.
    void update(float dt, float radius);

    // The World's part of a throw: the next launch point of the volley.
    void advanceLaunch();
    // Where her next blossom starts and the direction it flies.
    Vector throwPoint() const { return launchPoint; }
    float throwAngle() const { return aimAngle; }

    int blue() const { return talents[blueTalent]; }
    int green() const { return talents[greenTalent]; }
    int red() const { return talents[redTalent]; }
    bool isThrower() const { return kind == Kind::ballerina || kind == Kind::dancerQ; }

    // --- identity and looks ------------------------------------------------
    char name[nameSize] = {};
    char saying[sayingSize] = {};
    DancerLook look;              // costume parts, her colour, background
    std::uint8_t moodFrame = 1;   // 'o': 1 content, 2 sadness below 50, 3 carried
    std::int32_t points = 0;      // points earned while she was the Prima Ballerina
    std::int32_t variant = 1;     // the entry's group type (1 to 8 for 'o')
    std::uint8_t layoutTag = 0;   // the entry's frame count
    std::uint8_t target = 0;      // the entry's group number

    // --- hearts and talents ------------------------------------------------
    std::int32_t sadness = 100;
    float sensitivity = 1.0f;
    std::uint8_t talents[4] = {};  // freeze, blue, green, red
    std::int32_t favouriteTalent = 131;
    float talentClock = 0.0f;

    // --- throwing ------------------------------------------------------------
    std::int32_t blossomKind = 141;
    float throwInterval = 0.75f;
    float throwTimer = 0.0f;
    std::int32_t volleySize = 1;
    std::int32_t launchIndex = 1;
    Vector launchPoint;                   // stage position of the next blossom
    std::uint16_t throwTargetKind = Kind::prima;  // what her blossoms fly at
    std::uint8_t throwNow = 0;
    std::uint8_t hasThrown = 0;
    std::uint8_t throwAllowed = 0;
    std::uint8_t lineClear = 1;

    // --- behaviour -----------------------------------------------------------
    std::int32_t mode = idle;
    float turnTime = 3.0f;
    float goalAngle = 0.0f;
    float aimAngle = 0.0f;         // also the throw direction
    float escapeAngle = 0.0f;      // 0 = no evasion
    float primaAngle = 0.0f;
    float previousPrimaAngle = 0.0f;
    float primaDistance = farAway;
    float targetDistance = farAway;
    std::uint8_t group = 0;
    float interestDistance = 0.0f;  // to her group point
    float interestAngle = 0.0f;
    float evadeFactor = 2.0f;
    float guideRadius = 0.0f;
    std::uint8_t guided = 0;

    // What touched her this frame, by class; emptied by think.
    SightingList dancers;
    SightingList talentsSeen;
    SightingList blossoms;
    SightingList muses;
    Sighting nearestTalent;
    Sighting nearestMuse;
    Sighting nearestBlossom;
    Sighting nearestDancer;  // within reach, refreshed at every touch

    // The radar's line: a dancer on her way to her group point.
    std::uint8_t targetFlag = 0;
    float targetWeight = 0.0f;
    Vector targetPoint;

    // --- what the World reads and clears -------------------------------------
    std::uint8_t leaving = 0;   // happy: the World scores her and frees the slot
    std::uint8_t counted = 0;   // the World has scored her leaving
    std::uint8_t happy = 0;     // she counts as happy (set here or by a change of Prima)
    EffectRequests effects;

private:
    void addSighting(std::uint16_t otherKind, const Vector& otherPosition);
    void evade(float otherWidth, float otherHeight);
    void takeContact(std::uint16_t otherKind, const Vector& otherPosition, float otherWidth,
                     float otherHeight, std::uint16_t otherDamage, float otherMomentum);
    void refreshNearest();
    void approach(float stopDistance);
    void steerByMode(int chosenMode);
    void testLineOfFire();
    void move(float dt);
    void throwStep(float dt);
    void requestEffects(float dt);
    // Top speed of a thrower by her kind and green talents.
    static float tableSpeed(std::uint8_t kind, int green);

    float speedTrailClock = 0.0f;
    float gardenTrailClock = 0.0f;
    float trailSide = 1.0f;
};
