#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <utility>

#include "actors/Actor.h"
#include "actors/Camera.h"
#include "actors/Motion.h"
#include "actors/RewindRecorder.h"
#include "actors/SightingList.h"

namespace {

TEST(ActorTest, ContactNeedsTheSizesToExceedTheDistanceAndOnlyEnergyBelowZeroRemoves) {
    Actor a;
    a.kind = Kind::ballerina;
    a.width = a.height = 0.25f;
    a.energy = 8;
    a.touch(Kind::dancerQ, Vector{0.5f, 0.0f, 0.0f}, 0.25f, 0.25f, 7, 0.0f);  // exactly the distance: none
    a.touch(Kind::dancerQ, Vector{0.49f, 0.0f, 0.0f}, 0.25f, 0.25f, 8, 0.0f);
    EXPECT_EQ(std::tuple(int(a.kind), a.energy), std::tuple(Kind::ballerina, 0));
    a.position = Vector{0.2f, 0.0f, 0.0f};
    a.touch(Kind::blossom1, Vector{0.3f, 0.0f, 0.0f}, 0.03f, 0.03f, 1, 0.0f);
    EXPECT_EQ(std::tuple(int(a.kind), a.position), std::tuple(Kind::none, Vector{}));
    a.touch(Kind::prima, Vector{3.0f, 4.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    a.touch(Kind::cat, Vector{0.0f, 1.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);  // the cat is not the Prima Ballerina
    EXPECT_NEAR(a.avatarDistance, 5.0f, 1e-5f);
    EXPECT_FLOAT_EQ(a.touchVector.x, 0.000001f) << "exact zeros are nudged so that angles stay defined";
}

TEST(MotionTest, TurningTakesTheShortWayAndSpeedKeepsWithinItsLimits) {
    const struct { float from, target, turnTime, dt, expected; } turns[] = {
        {0, 90, 1, 0.5f, 45}, {10, 350, 1, 0.5f, 0}, {350, 10, 2, 1, 360}, {42, 42, 0.5f, 3, 42},
        {0, 90, 0.5f, 1, 180}, {180, 90, 0.5f, 1, 0},  // a step longer than the turn time overshoots
    };
    for (const auto& c : turns)
        EXPECT_FLOAT_EQ(turnToward(c.from, c.target, c.turnTime, c.dt), c.expected) << c.from << " -> " << c.target;
    const struct { float speed, acceleration, max, min, dt, expected; } speeds[] = {
        {3, 0, 1, 0, 0.1f, 1.9f},   // cut to twice the top speed, then one per second off
        {1.5f, 0, 1, 0, 0.1f, 1.4f}, {1, 0, 1, 0, 0.1f, 1}, {0.5f, 1, 2, 0, 0.5f, 1},
        {0.5f, -10, 2, 0.3f, 0.1f, 0.3f}, {0.5f, -10, 2, -1, 0.1f, 0},  // never below min, nor zero
    };
    for (const auto& c : speeds)
        EXPECT_FLOAT_EQ(integrateSpeed(c.speed, c.acceleration, c.max, c.min, c.dt), c.expected) << c.speed;
    const struct { float from, to, expected; } between[] = {
        {0, 90, 90}, {90, 0, -90}, {350, 10, 20}, {10, 350, -20}, {0, 200, -160}, {720, 45, 45}, {0, -200, 160},
    };
    for (const auto& c : between) EXPECT_FLOAT_EQ(angleBetween(c.from, c.to), c.expected) << c.from << " " << c.to;
    EXPECT_EQ(std::pair(angleOfVector(Vector{0.0f, 2.0f, 0.0f}), angleOfVector(Vector{})), std::pair(90.0f, 0.0f));
}

TEST(CameraTest, LeadsThreeQuartersAheadAndCatchesUpATenthPerUpdate) {
    Camera c;
    Vector prima{1.0f, 2.0f, 0.0f}, point;
    c.place(Kind::camera, prima);
    for (int i = 0; i < 8; ++i) point = c.follow(prima, 0.0f, 0.75f);  // angle 0 faces +y
    EXPECT_LT((point - Vector{1.0f, 2.75f, 0.0f}).length(), 1e-5f);
    for (int i = 0; i < 30; ++i) point = c.follow(prima, 90.0f, 0.75f);  // 90 faces -x
    EXPECT_LT((point - Vector{0.25f, 2.0f, 0.0f}).length(), 1e-5f);
    EXPECT_EQ(c.moving, 0);
    EXPECT_EQ(c.follow(Vector{NAN, 0.0f, 0.0f}, 0.0f, 0.75f), point) << "a broken position leaves the view";
    prima = prima + Vector{0.0f, 2.0f, 0.0f};  // a jump of two units: twenty steps of a tenth
    for (int update = 1; update <= 20; ++update) EXPECT_NEAR((c.follow(prima, 90.0f, 0.75f) - point).length(), 0.1f * update, 1e-4f);
    EXPECT_EQ(c.moving, Camera::movingFlag);
    c.follow(prima, 90.0f, 0.75f);
    EXPECT_EQ(c.moving, 0);
}

TEST(SightingListTest, TheNearestEntryIsTheFirstOfTheClosestThroughARestart) {
    SightingList list;
    const Vector v{1.5f, 0.000001f, 0.0f};
    for (int n = 0; n <= SightingList::capacity; ++n) list.add(Sighting{Vector{}, 10.0f, 3.0f, 141});
    list.addSeen(Vector{}, v, 2.0f, 111);  // the full list started over: entry 2
    list.add(Sighting{Vector{}, 20.0f, 1.0f, 141});
    list.add(Sighting{Vector{}, 30.0f, 1.0f, 141});
    list.addSeen(Vector{}, v, 2.0f, 111);
    const float angle = wrapAngle(angleOfVector(v));
    EXPECT_EQ(std::tuple(list.size(), list.nearest()->angle, list[1].angle == angle), std::tuple(5, 20.0f, true));
    EXPECT_EQ(list.nearestWithin(1.0f), nullptr);
    EXPECT_EQ(list.nearestWithin(1.01f), &list[2]);
    list.clear();
    EXPECT_EQ(list.nearest(), nullptr);
}

// One recording moment as the time control makes it: begin, time scale,
// then every pool actor at x = value.
void recordMoment(RewindRecorder& r, bool frozen, float value) {
    r.beginRecord(frozen, 40);
    r.storeTimeScale(value);
    for (int pool = 0; pool < RewindRecorder::poolCount; ++pool)
        for (int slot = 0; slot < 40; ++slot)
            r.record(pool, slot, 111, Vector{value, static_cast<float>(slot), 0.0f}, 0.0f, 0);
}

float xAt(const RewindRecorder& r, int pool, int slot, int age) { return r.entry(pool, slot, age).position.x; }

TEST(RewindRecorderTest, KeepsFortySnapshotsNewestFirstAndAFreezeOverwritesTheNewest) {
    auto r = std::make_unique<RewindRecorder>();
    for (int k = 1; k <= 41; ++k) recordMoment(*r, k == 41, static_cast<float>(k == 40 ? 99 : (k == 41 ? 40 : k)));
    EXPECT_EQ(r->count(), 40);  // the frozen 41st overwrote the 40th
    EXPECT_EQ(std::pair(xAt(*r, RewindRecorder::musePool, 7, 1), xAt(*r, RewindRecorder::musePool, 7, 40)),
              std::pair(40.0f, 1.0f));
    recordMoment(*r, false, 41.0f);
    EXPECT_EQ(std::tuple(int(r->count()), xAt(*r, RewindRecorder::projectilePool, 39, 40), r->timeScaleAt(40)),
              std::tuple(40, 2.0f, 2.0f));
    EXPECT_EQ(r->entry(RewindRecorder::projectilePool, 39, 41).kind, 0) << "beyond the kept history";
    r->shift(false, 10);  // a shift for fewer actors leaves the others in place
    EXPECT_FLOAT_EQ(xAt(*r, RewindRecorder::obstaclePool, 9, 2), 41.0f);
    EXPECT_FLOAT_EQ(xAt(*r, RewindRecorder::obstaclePool, 10, 2), 40.0f);
}

TEST(RewindRecorderTest, StoresTheLowByteOfTheEnergyAndBadIndicesReadEmpty) {
    auto r = std::make_unique<RewindRecorder>();
    recordMoment(*r, false, 5.0f);
    r->reset(40);
    EXPECT_EQ(std::pair(int(r->count()), int(r->entry(RewindRecorder::avatarPool, 0, 1).kind)), std::pair(0, 0));
    r->shift(false, 40);
    r->record(RewindRecorder::obstaclePool, 3, 113, Vector{1.0f, 2.0f, 0.0f}, 45.0f, 300);
    r->record(RewindRecorder::musePool, 3, 161, Vector{}, 0.0f, -1000);
    r->recordWorld(0xdeadbeefu);
    const Snapshot& s = r->entry(RewindRecorder::obstaclePool, 3, 1);
    EXPECT_EQ(std::tuple(s.kind, s.angle, s.energy, r->entry(RewindRecorder::musePool, 3, 1).energy, r->worldValueAt(1)),
              std::tuple(113, 45.0f, 300 & 0xff, 0x18, 0xdeadbeefu));
    for (const auto& [pool, slot, age] : {std::tuple{-1, 0, 1}, std::tuple{5, 0, 1}, std::tuple{0, 40, 1},
                                          std::tuple{0, 0, 0}, std::tuple{0, 0, 255}})
        EXPECT_EQ(r->entry(pool, slot, age).kind, 0) << pool << ", " << slot << ", " << age;
    r->record(9, 0, 1, Vector{}, 0.0f, 0);   // ignored
    r->record(0, -1, 1, Vector{}, 0.0f, 0);  // ignored
    EXPECT_EQ(std::pair(r->timeScaleAt(-3), int(r->entry(RewindRecorder::avatarPool, 0, 1).kind)), std::pair(0.0f, 0));
}

}  // namespace
