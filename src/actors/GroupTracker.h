#pragma once

#include <cstdint>

#include "actors/Actor.h"

// What the World tells the tracker about one dancer slot each frame, and
// what the tracker hands back (mode, group, groupPoint).
struct DancerRecord {
    std::uint8_t kind = 0;      // 0 = free slot
    Vector position;
    Vector groupPoint;
    float viewDistance = 0.0f;  // her distance to the view centre
    std::uint8_t mode = 0;      // behaviour mode 0..8 for her next think
    std::uint8_t group = 0;     // 1..19, 0 = none
    std::uint8_t sadness = 0;   // low byte
};

struct DancerGroup {
    Vector centre;              // mean position of the members
    Vector point;               // where the group gathers or stands
    float averageDistance = 0.0f;
    std::uint8_t type = 0;      // GroupTracker::none, attacking, fixedPoint, gathering
    std::uint8_t members = 0;
};

// Decides every frame which behaviour mode each dancer follows. Very unhappy
// dancers gather in groups on a ring around the Prima Ballerina; once a
// gathering group has assembled and is big enough it attacks her, one group
// at a time. The others chase, hunt talents and muses, flee or charge by
// their sadness. 'p' dancers are never grouped and keep the World's mode.
class GroupTracker : public Actor {
public:
    static constexpr int slotCount = 40;
    static constexpr int groupCount = 20;         // numbers 1..19 are used
    static constexpr int minAttackSize = 3;
    static constexpr int maxGroupSize = 6;
    static constexpr int crowdLimit = 6;
    static constexpr float ringRadius = 15.0f;
    static constexpr float ringStep = 36.0f;      // degrees per group number

    enum Type : std::uint8_t { none = 0, attacking = 1, fixedPoint = 2, gathering = 7 };
    enum Mode : std::uint8_t { idle = 0, chase = 1, goToPoint = 2, hunt = 3, charge = 4, walkToPoint = 7, flee = 8 };

    GroupTracker();

    // Forgets every record and group (a new dance).
    void reset();

    // One dancer slot's data for this frame. Slots outside 0..39 are ignored.
    void record(int slot, std::uint8_t kind, Vector position, Vector groupPoint, float viewDistance,
                std::uint8_t mode, std::uint8_t group, std::uint8_t sadness);
    // A fixed group point from the level: type 1, 2 or 7 (any other non-zero
    // type counts as 7; 0 only moves the point). Numbers outside 1..19 are ignored.
    void setGroup(int number, std::uint8_t type, Vector point);

    // Once per frame after all records.
    void update(Vector primaPosition, float viewRange);

    // For the World's think step; anything out of range reads 0.
    std::uint8_t modeOf(int slot) const;
    Vector groupPointOf(int slot) const;
    std::uint8_t groupOf(int slot) const;
    const DancerRecord& dancer(int slot) const;
    const DancerGroup& group(int number) const;

    // Statistics of the last update.
    int minimumAttackSize = minAttackSize;
    int nearCount = 0;               // 'o' dancers within the view range
    int activeCount = 0;             // placed dancers that are not 'p'
    int typeCounts[8] = {};          // groups by type (index = type)
    int chosenGathering = 0;         // the assembled gathering group nearest the view, 0 = none
    int chosenAttacking = 0;         // the attacking group nearest the view, 0 = none
    int pCount = 0;                  // 'p' dancers and where they are
    Vector pPositions[slotCount];

private:
    static bool isGrouping(const DancerRecord& r);
    void gatherStatistics();
    void chooseGroups(float viewRange);
    void joinGroups(Vector primaPosition);
    void assignModes(float viewRange);
    void clearGroup(int number);

    DancerRecord records[slotCount];
    DancerGroup groups[groupCount];
};
