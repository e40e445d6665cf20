#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <memory>
#include <tuple>
#include <vector>

#include "actors/GroupTracker.h"

namespace {

struct Dancer {
    std::uint8_t kind = Kind::ballerina;
    Vector position{};
    float viewDistance = 5.0f;
    std::uint8_t sadness = 100;
    std::uint8_t mode = 0;
    std::uint8_t group = 0;
    Vector groupPoint{};
};

// One frame as the World runs it: every slot recorded with what the dancer
// got back last time, then the update, then the answers handed out.
void frame(GroupTracker& tracker, std::vector<Dancer>& dancers, Vector prima = Vector{}) {
    for (int slot = 0; slot < GroupTracker::slotCount; ++slot) {
        const Dancer d = slot < int(dancers.size()) ? dancers[slot] : Dancer{.kind = 0, .sadness = 0};
        tracker.record(slot, d.kind, d.position, d.groupPoint, d.viewDistance, d.mode, d.group, d.sadness);
    }
    tracker.update(prima, 1.0f);
    for (int slot = 0; slot < int(dancers.size()); ++slot) {
        Dancer& d = dancers[slot];
        d.mode = tracker.modeOf(slot), d.group = tracker.groupOf(slot), d.groupPoint = tracker.groupPointOf(slot);
    }
}

TEST(GroupTrackerTest, UnhappyDancersGatherInGroupsOfSixOnARingAroundHer) {
    auto tracker = std::make_unique<GroupTracker>();
    std::vector<Dancer> dancers(7);
    const Vector prima{1.0f, 2.0f, 0.0f};
    for (int round = 0; round < 2; ++round) {  // the next frame keeps them
        frame(*tracker, dancers, prima);
        for (int slot = 0; slot < 7; ++slot)
            EXPECT_EQ(std::tuple(dancers[slot].group, dancers[slot].mode), std::tuple(slot < 6 ? 1 : 2, GroupTracker::walkToPoint)) << slot;
    }
    // Group n gathers 15 from her, n x 36 degrees round.
    const Vector expected = prima + Vector{15.0f * std::cos(1.2566371f), 15.0f * std::sin(1.2566371f), 0.0f};
    EXPECT_LT((dancers[6].groupPoint - expected).length(), 1e-4f);
}

TEST(GroupTrackerTest, AnAssembledGroupAttacksAloneEvenAsOneOfTwoActiveDancersButNotOfThree) {
    for (const int active : {2, 3}) {
        auto tracker = std::make_unique<GroupTracker>();
        std::vector<Dancer> dancers(active, Dancer{.sadness = 30});  // the others stay ungrouped
        dancers[0].sadness = 100;
        frame(*tracker, dancers);
        dancers[0].position = dancers[0].groupPoint + Vector{0.5f, -0.5f, 0.0f};  // arrived
        frame(*tracker, dancers);
        EXPECT_EQ(dancers[0].mode, active == 2 ? GroupTracker::chase : GroupTracker::walkToPoint) << active;
        EXPECT_EQ(tracker->group(1).type, active == 2 ? GroupTracker::attacking : GroupTracker::gathering);
    }
}

TEST(GroupTrackerTest, AnAttackReducedToTwoDissolvesAndTheNearestAssembledGroupTakesOver) {
    auto tracker = std::make_unique<GroupTracker>();
    const Vector points[] = {{0.0f, 3.0f, 0.0f}, {10.0f, 0.0f, 0.0f}, {-4.0f, 0.0f, 0.0f}};
    tracker->setGroup(4, 9, Vector{});  // an unknown type gathers
    EXPECT_EQ(tracker->group(4).type, GroupTracker::gathering);
    for (int group = 1; group <= 3; ++group)
        tracker->setGroup(group, group == 1 ? GroupTracker::attacking : GroupTracker::gathering, points[group - 1]);
    std::vector<Dancer> dancers;  // two left of the attack, three far, three nearer
    for (int slot = 0; slot < 8; ++slot) {
        const int group = slot < 2 ? 1 : (slot < 5 ? 2 : 3);  // seen from 11, 6 and 1 away
        dancers.push_back(Dancer{.position = points[group - 1] + Vector{0.1f * float(slot), 0.0f, 0.0f},
                                 .viewDistance = float(16 - 5 * group), .sadness = 60, .group = std::uint8_t(group)});
    }
    for (int round = 0; round < 2; ++round) {  // one attack at a time, also the next frame
        frame(*tracker, dancers);
        EXPECT_EQ(std::tuple(tracker->group(1).type, tracker->group(2).type, tracker->group(3).type),
                  std::tuple(GroupTracker::none, GroupTracker::gathering, GroupTracker::attacking));
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ(dancers[slot].mode, slot < 2 || slot >= 5 ? GroupTracker::chase : GroupTracker::walkToPoint);
    }
}

TEST(GroupTrackerTest, SadnessAndACrowdNearTheViewPickTheModeOfUngroupedDancers) {
    const struct { std::uint8_t kind, sadness; float viewDistance; std::uint8_t crowded, alone; } cases[] = {
        {Kind::ballerina, 89, 0.5f, GroupTracker::chase, GroupTracker::chase},
        {Kind::ballerina, 51, 4.0f, GroupTracker::hunt, GroupTracker::chase},  // far from a crowd: hunting
        {Kind::ballerina, 49, 0.5f, GroupTracker::flee, GroupTracker::flee},
        {Kind::ballerina, 11, 4.0f, GroupTracker::hunt, GroupTracker::hunt},
        {Kind::ballerina, 9, 0.5f, GroupTracker::charge, GroupTracker::charge},
        {Kind::ballerina, 90, 0.5f, 6, 6}, {Kind::ballerina, 50, 4.0f, 6, 6}, {Kind::ballerina, 10, 0.5f, 6, 6},
        {Kind::dancerP, 100, 0.5f, 6, 6},  // a 'p' dancer never joins and keeps the mode the World gives
    };
    for (const bool crowded : {true, false}) {
        auto tracker = std::make_unique<GroupTracker>();
        std::vector<Dancer> dancers;  // mode 6 is what each had before
        for (const auto& c : cases) dancers.push_back(Dancer{c.kind, {}, c.viewDistance, c.sadness, 6});
        dancers.resize(crowded ? dancers.size() + 3 : dancers.size(), Dancer{.viewDistance = 0.5f, .sadness = 70});
        frame(*tracker, dancers);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            EXPECT_EQ(dancers[i].mode, crowded ? cases[i].crowded : cases[i].alone) << int(cases[i].sadness);
            EXPECT_EQ(dancers[i].group, 0) << "only sadness above 90 joins";
        }
    }
}

}  // namespace
