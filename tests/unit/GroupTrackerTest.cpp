#include <gtest/gtest.h>

#include <cmath>
#include <memory>
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
void frame(GroupTracker& tracker, std::vector<Dancer>& dancers, Vector prima = Vector{}, float range = 1.0f) {
    for (int slot = 0; slot < GroupTracker::slotCount; ++slot) {
        const Dancer d = slot < static_cast<int>(dancers.size()) ? dancers[slot] : Dancer{.kind = 0, .viewDistance = 0.0f, .sadness = 0};
        tracker.record(slot, d.kind, d.position, d.groupPoint, d.viewDistance, d.mode, d.group, d.sadness);
    }
    tracker.update(prima, range);
    for (int slot = 0; slot < static_cast<int>(dancers.size()); ++slot) {
        dancers[slot].mode = tracker.modeOf(slot);
        dancers[slot].group = tracker.groupOf(slot);
        dancers[slot].groupPoint = tracker.groupPointOf(slot);
    }
}

TEST(GroupTrackerTest, SevenUnhappyDancersFillOneGroupOfSixAndStartTheNext) {
    auto tracker = std::make_unique<GroupTracker>();
    std::vector<Dancer> dancers(7);
    const Vector prima{1.0f, 2.0f, 0.0f};
    frame(*tracker, dancers, prima);
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(dancers[slot].group, 1) << slot;
    EXPECT_EQ(dancers[6].group, 2);
    EXPECT_EQ(tracker->group(1).members, 6);
    EXPECT_EQ(tracker->group(2).type, GroupTracker::gathering);
    // Group n gathers on a ring of 15 around her, n x 36 degrees round.
    const Vector expected = prima + Vector{15.0f * std::cos(1.2566371f), 15.0f * std::sin(1.2566371f), 0.0f};
    EXPECT_LT((tracker->group(2).point - expected).length(), 1e-4f);
    EXPECT_LT((dancers[6].groupPoint - expected).length(), 1e-4f);
    for (const Dancer& d : dancers) EXPECT_EQ(d.mode, GroupTracker::walkToPoint);

    // The next frame keeps them: nobody moves to another group.
    frame(*tracker, dancers, prima);
    EXPECT_EQ(tracker->group(1).members, 6);
    EXPECT_EQ(tracker->group(2).members, 1);
    EXPECT_EQ(dancers[6].group, 2);
}

TEST(GroupTrackerTest, WithTwoActiveDancersAGroupOfOneMayAttack) {
    auto tracker = std::make_unique<GroupTracker>();
    std::vector<Dancer> dancers{Dancer{}, Dancer{.sadness = 30}};  // the second stays ungrouped
    frame(*tracker, dancers);
    EXPECT_EQ(tracker->minimumAttackSize, 0);
    ASSERT_EQ(dancers[0].group, 1);
    EXPECT_EQ(tracker->group(1).type, GroupTracker::gathering);

    // Once she stands at the group point her group has assembled and attacks.
    dancers[0].position = dancers[0].groupPoint + Vector{0.5f, -0.5f, 0.0f};
    frame(*tracker, dancers);
    EXPECT_EQ(tracker->group(1).type, GroupTracker::attacking);
    EXPECT_EQ(dancers[0].mode, GroupTracker::chase);

    // With a third active dancer the same lone dancer would not attack.
    auto other = std::make_unique<GroupTracker>();
    std::vector<Dancer> three{Dancer{}, Dancer{.sadness = 30}, Dancer{.sadness = 30}};
    frame(*other, three);
    three[0].position = three[0].groupPoint;
    frame(*other, three);
    EXPECT_EQ(other->minimumAttackSize, 3);
    EXPECT_EQ(other->group(1).type, GroupTracker::gathering);
    EXPECT_EQ(three[0].mode, GroupTracker::walkToPoint);
}

TEST(GroupTrackerTest, AnAttackReducedToTwoDissolvesAndTheNearestAssembledGroupTakesOver) {
    auto tracker = std::make_unique<GroupTracker>();
    const Vector attackPoint{0.0f, 3.0f, 0.0f};
    const Vector farPoint{10.0f, 0.0f, 0.0f};
    const Vector nearPoint{-4.0f, 0.0f, 0.0f};
    tracker->setGroup(1, GroupTracker::attacking, attackPoint);
    tracker->setGroup(2, GroupTracker::gathering, farPoint);
    tracker->setGroup(3, GroupTracker::gathering, nearPoint);
    std::vector<Dancer> dancers(8);
    for (int slot = 0; slot < 8; ++slot) {
        Dancer& d = dancers[slot];
        d.sadness = 60;
        if (slot < 2) {  // what is left of the attack
            d.group = 1;
            d.position = Vector{0.5f * static_cast<float>(slot), 1.0f, 0.0f};
            d.viewDistance = 1.5f;
        } else if (slot < 5) {
            d.group = 2;
            d.position = farPoint + Vector{0.1f * static_cast<float>(slot), 0.0f, 0.0f};
            d.viewDistance = 10.0f;
        } else {
            d.group = 3;
            d.position = nearPoint + Vector{0.0f, 0.1f * static_cast<float>(slot), 0.0f};
            d.viewDistance = 4.0f;
        }
    }
    frame(*tracker, dancers);
    EXPECT_EQ(tracker->minimumAttackSize, 3);
    EXPECT_EQ(tracker->group(1).type, GroupTracker::none);
    EXPECT_EQ(tracker->group(1).members, 0);
    EXPECT_EQ(tracker->group(3).type, GroupTracker::attacking);
    EXPECT_EQ(tracker->group(2).type, GroupTracker::gathering);
    EXPECT_EQ(tracker->chosenAttacking, 3);
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(dancers[slot].group, 0);
        EXPECT_EQ(dancers[slot].mode, GroupTracker::chase);  // sadness 60, few near: chase
    }
    for (int slot = 2; slot < 5; ++slot) EXPECT_EQ(dancers[slot].mode, GroupTracker::walkToPoint);
    for (int slot = 5; slot < 8; ++slot) {
        EXPECT_EQ(dancers[slot].mode, GroupTracker::chase);
        EXPECT_NEAR(dancers[slot].groupPoint.x, nearPoint.x, 1e-6f);
    }
    // One attack at a time: the far group keeps gathering next frame too.
    dancers[2].position = farPoint;
    frame(*tracker, dancers);
    EXPECT_EQ(tracker->group(2).type, GroupTracker::gathering);
}

TEST(GroupTrackerTest, PDancersNeverJoinAndKeepTheModeTheWorldGives) {
    auto tracker = std::make_unique<GroupTracker>();
    std::vector<Dancer> dancers{Dancer{.kind = Kind::dancerP, .position = Vector{2.0f, 2.0f, 0.0f}, .mode = 5}, Dancer{},
                                Dancer{}};
    for (int i = 0; i < 3; ++i) {
        frame(*tracker, dancers);
        EXPECT_EQ(dancers[0].group, 0);
        EXPECT_EQ(dancers[0].mode, 5);
    }
    EXPECT_EQ(tracker->activeCount, 2);
    EXPECT_EQ(tracker->minimumAttackSize, 0);
    EXPECT_EQ(tracker->pCount, 1);
    EXPECT_EQ(tracker->pPositions[0], (Vector{2.0f, 2.0f, 0.0f}));
    EXPECT_EQ(tracker->group(1).members, 2);  // the two others joined
}

TEST(GroupTrackerTest, SadnessPicksTheModeOfUngroupedDancersAndTheBordersKeepTheirs) {
    auto tracker = std::make_unique<GroupTracker>();
    const struct {
        std::uint8_t sadness;
        float viewDistance;
        std::uint8_t expected;
    } cases[] = {
        {89, 0.5f, GroupTracker::chase}, {51, 4.0f, GroupTracker::chase}, {49, 0.5f, GroupTracker::flee},
        {11, 4.0f, GroupTracker::hunt},  {9, 0.5f, GroupTracker::charge}, {0, 4.0f, GroupTracker::charge},
        {90, 0.5f, 6},                   {50, 4.0f, 6},                   {10, 0.5f, 6},
    };
    std::vector<Dancer> dancers;  // mode 6 is what each had before
    for (const auto& c : cases) dancers.push_back(Dancer{.viewDistance = c.viewDistance, .sadness = c.sadness, .mode = 6});
    frame(*tracker, dancers);
    for (std::size_t i = 0; i < dancers.size(); ++i) {
        EXPECT_EQ(dancers[i].mode, cases[i].expected) << int(cases[i].sadness);
        EXPECT_EQ(dancers[i].group, 0);  // only sadness above 90 joins
    }
}

TEST(GroupTrackerTest, ACrowdNearTheViewSendsFarDancersHuntingInstead) {
    auto tracker = std::make_unique<GroupTracker>();
    std::vector<Dancer> dancers(6, Dancer{.viewDistance = 0.5f, .sadness = 70});
    dancers.push_back(Dancer{.sadness = 70});  // far
    dancers.push_back(Dancer{.sadness = 30});  // far
    frame(*tracker, dancers);
    EXPECT_EQ(tracker->nearCount, 6);
    EXPECT_EQ(dancers[0].mode, GroupTracker::chase);
    EXPECT_EQ(dancers[6].mode, GroupTracker::hunt);
    EXPECT_EQ(dancers[7].mode, GroupTracker::hunt);

    dancers[5].viewDistance = 3.0f;  // five near: the far ones chase again
    frame(*tracker, dancers);
    EXPECT_EQ(dancers[6].mode, GroupTracker::chase);
}

TEST(GroupTrackerTest, LevelGroupPointsHoldTheirMembersAndBadInputIsIgnored) {
    auto tracker = std::make_unique<GroupTracker>();
    tracker->setGroup(4, GroupTracker::fixedPoint, Vector{3.0f, 3.0f, 0.0f});
    tracker->setGroup(5, 9, Vector{1.0f, 1.0f, 0.0f});  // unknown type: gathering
    tracker->setGroup(0, GroupTracker::attacking, Vector{});
    tracker->setGroup(20, GroupTracker::attacking, Vector{});
    EXPECT_EQ(tracker->group(5).type, GroupTracker::gathering);
    std::vector<Dancer> dancers(4);
    for (Dancer& d : dancers) d.group = 4;
    dancers[3].group = 200;  // no such group
    frame(*tracker, dancers);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(dancers[slot].mode, GroupTracker::goToPoint);
        EXPECT_EQ(dancers[slot].groupPoint, (Vector{3.0f, 3.0f, 0.0f}));
    }
    EXPECT_EQ(dancers[3].group, 1);  // joined a real group instead (sadness 100)
    EXPECT_EQ(tracker->group(4).members, 3);
    tracker->record(-1, Kind::ballerina, Vector{}, Vector{}, 0.0f, 0, 0, 0);
    tracker->record(40, Kind::ballerina, Vector{}, Vector{}, 0.0f, 0, 0, 0);
    EXPECT_EQ(tracker->modeOf(-1), 0);
    EXPECT_EQ(tracker->groupOf(40), 0);

    tracker->reset();
    EXPECT_EQ(tracker->group(4).type, GroupTracker::none);
    EXPECT_EQ(tracker->groupOf(0), 0);
}

}  // namespace
