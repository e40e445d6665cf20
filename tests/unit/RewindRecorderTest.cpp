#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "actors/RewindRecorder.h"

namespace {

// One recording moment as the time control makes it: begin, time scale,
// then every pool actor.
void recordMoment(RewindRecorder& r, bool frozen, float value) {
    r.beginRecord(frozen, 40);
    r.storeTimeScale(value);
    for (int pool = 0; pool < RewindRecorder::poolCount; ++pool)
        for (int slot = 0; slot < 40; ++slot)
            r.record(pool, slot, static_cast<std::uint8_t>(111 + pool), Vector{value, static_cast<float>(slot), 0.0f},
                     value * 2.0f, static_cast<std::int32_t>(value));
}

TEST(RewindRecorderTest, KeepsFortySnapshotsNewestFirstAndDropsTheOldestOnTheFortyFirst) {
    auto r = std::make_unique<RewindRecorder>();
    EXPECT_EQ(r->count(), 0);
    EXPECT_FLOAT_EQ(r->interval(), 0.1f);
    EXPECT_EQ(r->historyLength(), 40);
    for (int k = 1; k <= 40; ++k) recordMoment(*r, false, static_cast<float>(k));
    EXPECT_EQ(r->count(), 40);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 7, 1).position.x, 40.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 7, 40).position.x, 1.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 7, 40).position.y, 7.0f);
    EXPECT_FLOAT_EQ(r->timeScaleAt(40), 1.0f);

    recordMoment(*r, false, 41.0f);
    EXPECT_EQ(r->count(), 40);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::projectilePool, 39, 1).position.x, 41.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::projectilePool, 39, 40).position.x, 2.0f);
    EXPECT_FLOAT_EQ(r->timeScaleAt(40), 2.0f);
    EXPECT_FLOAT_EQ(r->timeScaleAt(1), 41.0f);
    // Nothing beyond the kept history is readable.
    EXPECT_EQ(r->entry(RewindRecorder::projectilePool, 39, 41).kind, 0);
}

TEST(RewindRecorderTest, AFreezeOrRewindHoldsTheShiftBackAndAShiftForFewerActorsLeavesTheOthers) {
    auto r = std::make_unique<RewindRecorder>();
    recordMoment(*r, false, 1.0f);
    recordMoment(*r, false, 2.0f);
    recordMoment(*r, true, 3.0f);
    recordMoment(*r, true, 4.0f);  // frozen: the newest entry is overwritten
    EXPECT_EQ(r->count(), 2);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::avatarPool, 1, 1).position.x, 4.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::avatarPool, 1, 2).position.x, 1.0f);
    r->shift(true, 40);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::avatarPool, 1, 2).position.x, 1.0f);

    r->shift(false, 10);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 9, 2).position.x, 4.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 9, 3).position.x, 1.0f);
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 10, 1).position.x, 4.0f) << "left in place";
    EXPECT_FLOAT_EQ(r->entry(RewindRecorder::obstaclePool, 10, 2).position.x, 1.0f);
}

TEST(RewindRecorderTest, StoresKindAngleAndTheLowByteOfTheEnergyAndBadIndicesReadEmpty) {
    auto r = std::make_unique<RewindRecorder>();
    recordMoment(*r, false, 5.0f);
    r->reset(40);
    EXPECT_EQ(r->count(), 0);
    EXPECT_EQ(r->entry(RewindRecorder::avatarPool, 0, 1).kind, 0);

    r->shift(false, 40);
    r->record(RewindRecorder::obstaclePool, 3, 113, Vector{1.0f, 2.0f, 0.0f}, 45.0f, 300);
    r->record(RewindRecorder::musePool, 3, 161, Vector{}, 0.0f, -1000);
    r->recordWorld(0xdeadbeefu);
    const Snapshot& s = r->entry(RewindRecorder::obstaclePool, 3, 1);
    EXPECT_EQ(s.kind, 113);
    EXPECT_FLOAT_EQ(s.angle, 45.0f);
    EXPECT_EQ(s.energy, 300 & 0xff);
    EXPECT_EQ(r->entry(RewindRecorder::musePool, 3, 1).energy, 0x18);
    EXPECT_EQ(r->worldValueAt(1), 0xdeadbeefu);

    for (const auto& [pool, slot, age] : {std::tuple{-1, 0, 1}, std::tuple{5, 0, 1}, std::tuple{0, 40, 1},
                                          std::tuple{0, 0, 0}, std::tuple{0, 0, 255}})
        EXPECT_EQ(r->entry(pool, slot, age).kind, 0) << pool << ", " << slot << ", " << age;
    EXPECT_FLOAT_EQ(r->timeScaleAt(-3), 0.0f);
    r->record(9, 0, 1, Vector{}, 0.0f, 0);   // ignored
    r->record(0, -1, 1, Vector{}, 0.0f, 0);  // ignored
    EXPECT_EQ(r->entry(RewindRecorder::avatarPool, 0, 1).kind, 0);
}

}  // namespace
