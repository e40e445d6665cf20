#include "actors/GroupTracker.h"

#include <cmath>

namespace {
const DancerRecord emptyRecord{};
const DancerGroup emptyGroup{};
}  // namespace

GroupTracker::GroupTracker() { reset(); }

void GroupTracker::reset() {
    for (DancerRecord& r : records) r = DancerRecord{};
    for (DancerGroup& g : groups) g = DancerGroup{};
    minimumAttackSize = minAttackSize;
    nearCount = activeCount = pCount = 0;
    chosenGathering = chosenAttacking = 0;
    for (int& n : typeCounts) n = 0;
}

bool GroupTracker::isGrouping(const DancerRecord& r) { return r.kind != 0 && r.kind != Kind::dancerP; }

void GroupTracker::record(int slot, std::uint8_t kind_, Vector position_, Vector groupPoint, float viewDistance,
                          std::uint8_t mode, std::uint8_t group_, std::uint8_t sadness) {
    if (slot < 0 || slot >= slotCount) return;
    DancerRecord& r = records[slot];
    r.kind = kind_;
    r.position = position_;
    r.groupPoint = groupPoint;
    r.viewDistance = viewDistance;
    r.mode = mode;
    r.group = group_ < groupCount ? group_ : 0;
    r.sadness = sadness;
}

void GroupTracker::setGroup(int number, std::uint8_t type, Vector point) {
    if (number < 1 || number >= groupCount) return;
    DancerGroup& g = groups[number];
    g.point = point;
    if (type == attacking || type == fixedPoint || type == gathering)
        g.type = type;
    else if (type != none)
        g.type = gathering;
}

std::uint8_t GroupTracker::modeOf(int slot) const { return dancer(slot).mode; }
Vector GroupTracker::groupPointOf(int slot) const { return dancer(slot).groupPoint; }
std::uint8_t GroupTracker::groupOf(int slot) const { return dancer(slot).group; }

const DancerRecord& GroupTracker::dancer(int slot) const {
    return slot >= 0 && slot < slotCount ? records[slot] : emptyRecord;
}

const DancerGroup& GroupTracker::group(int number) const {
    return number >= 0 && number < groupCount ? groups[number] : emptyGroup;
}

void GroupTracker::clearGroup(int number) {
    for (DancerRecord& r : records)
        if (isGrouping(r) && r.group == number) r.group = 0;
    groups[number].type = none;
    groups[number].members = 0;
    groups[number].point = Vector{};
}

void GroupTracker::update(Vector primaPosition, float viewRange) {
    // Counting.
    pCount = nearCount = activeCount = 0;
    for (const DancerRecord& r : records) {
        if (r.kind == Kind::dancerP) pPositions[pCount++] = r.position;
        if (r.kind == Kind::ballerina && r.viewDistance < viewRange) ++nearCount;
        if (isGrouping(r)) ++activeCount;
    }
    minimumAttackSize = activeCount < 3 ? 0 : minAttackSize;

    gatherStatistics();
    chooseGroups(viewRange);
    joinGroups(primaPosition);

    // Grouped dancers follow their group's type to its point.
    for (DancerRecord& r : records) {
        if (!isGrouping(r) || r.group == 0) continue;
        r.mode = groups[r.group].type;
        r.groupPoint = groups[r.group].point;
    }
    assignModes(viewRange);
}

void GroupTracker::gatherStatistics() {
    for (int& n : typeCounts) n = 0;
    for (int g = 1; g < groupCount; ++g) {
        DancerGroup& group = groups[g];
        const int type = group.type < 8 ? group.type : 0;
        ++typeCounts[type];
        Vector sum;
        float distance = 0.0f;
        int members = 0;
        for (DancerRecord& r : records) {
            if (!isGrouping(r) || r.group != g) continue;
            // A group without a type is no group: its dancers are free again.
            if (group.type == none) {
                r.group = 0;
                continue;
            }
            sum += r.position;
            distance += r.viewDistance;
            ++members;
            r.mode = group.type;
            r.groupPoint = group.point;
        }
        group.members = static_cast<std::uint8_t>(members);
        if (members == 0) continue;
        const float n = static_cast<float>(members);
        group.centre = Vector{sum.x / n, sum.y / n, 0.0f};
        group.averageDistance = distance / n;
    }
}

void GroupTracker::chooseGroups(float viewRange) {
    // The assembled gathering group nearest the view, and the attacking one.
    chosenGathering = chosenAttacking = 0;
    float bestGathering = 100.0f;
    float bestAttacking = 100.0f;
    const int needed = minimumAttackSize > 1 ? minimumAttackSize : 1;
    for (int g = 1; g < groupCount; ++g) {
        const DancerGroup& group = groups[g];
        if (group.members == 0) continue;
        if (group.type == gathering && group.members >= needed &&
            std::fabs(group.centre.x - group.point.x) < viewRange &&
            std::fabs(group.centre.y - group.point.y) < viewRange && group.averageDistance < bestGathering) {
            bestGathering = group.averageDistance;
            chosenGathering = g;
        }
        if (group.type == attacking && group.averageDistance < bestAttacking) {
            bestAttacking = group.averageDistance;
            chosenAttacking = g;
        }
    }

    // An attack too small to matter breaks up; empty groups lose their type.
    int attackers = 0;
    for (int g = 1; g < groupCount; ++g) {
        DancerGroup& group = groups[g];
        if (group.type == attacking && group.members < minimumAttackSize) {
            clearGroup(g);
            if (chosenAttacking == g) chosenAttacking = 0;
        }
        if (group.members == 0) group.type = none;
        if (group.type == attacking) ++attackers;
    }
    // Only one group attacks at a time.
    if (attackers == 0 && chosenGathering != 0) {
        groups[chosenGathering].type = attacking;
        chosenAttacking = chosenGathering;
    }
}

void GroupTracker::joinGroups(Vector primaPosition) {
    for (DancerRecord& r : records) {
        if (!isGrouping(r) || r.group != 0 || r.sadness <= 90) continue;
        for (int g = 1; g < groupCount; ++g) {
            DancerGroup& group = groups[g];
            if (group.members >= maxGroupSize || group.type == attacking || group.type == fixedPoint) continue;
            if (group.members == 0) {
                const float a = static_cast<float>(g) * ringStep * degreesToRadians;
                group.point = primaPosition + Vector{std::cos(a), std::sin(a), 0.0f} * ringRadius;
                group.point.z = 0.0f;
            }
            group.type = gathering;
            ++group.members;
            r.group = static_cast<std::uint8_t>(g);
            break;
        }
    }
}

void GroupTracker::assignModes(float viewRange) {
    for (DancerRecord& r : records) {
        if (!isGrouping(r) || r.group != 0) continue;
        const int s = r.sadness;
        const bool near = r.viewDistance < viewRange;
        const bool crowded = nearCount >= crowdLimit;
        if (s > 90)
            r.mode = (near || !crowded) ? chase : walkToPoint;
        else if (s >= 51 && s <= 89)
            r.mode = (near || !crowded) ? chase : hunt;
        else if (s >= 11 && s <= 49)
            r.mode = near ? flee : hunt;
        else if (s < 10)
            r.mode = charge;
        // 90, 50 and 10 keep the mode she had.
    }
}
