#include <gtest/gtest.h>

#include <set>

#include "actors/Random.h"
#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

namespace {

constexpr float eps = 1e-4f;
constexpr std::uint8_t unscriptedLevel = 40;

std::time_t fixedSeed = 1;
std::time_t fixedClock() { return fixedSeed; }

// A layout with its size header written and nothing placed, cursor at 1.
LevelLayout emptyLayout() {
    LevelLayout layout;
    layout.buildLayout(unscriptedLevel);
    return layout;
}

void expectAt(const PlacementEntry& e, float x, float y, float z) {
    EXPECT_NEAR(e.position.x, x, eps);
    EXPECT_NEAR(e.position.y, y, eps);
    EXPECT_NEAR(e.position.z, z, eps);
}

}  // namespace

TEST(LevelLayoutPlacers, BallerinaLineLeavesOutItsEndPoint) {
    LevelLayout layout = emptyLayout();
    layout.ballerinaLine(Vector{-6.0f, -10.0f}, Vector{14.0f, -10.0f}, 5,
                         traits(111, 50, 1, 2, 3, 3, 4, Vector{1.0f, 2.0f}, 8.0f));
    const float xs[5] = {-6.0f, -2.0f, 2.0f, 6.0f, 10.0f};
    for (int k = 0; k < 5; ++k) {
        const PlacementEntry& e = layout.entry(1 + k);
        EXPECT_EQ(e.kind, 111);
        expectAt(e, xs[k], -10.0f, 0.5f);
        EXPECT_FLOAT_EQ(e.width, 0.175f);
        EXPECT_FLOAT_EQ(e.height, 0.175f);
        EXPECT_EQ(e.frames, 37);
        EXPECT_FLOAT_EQ(e.angle, 8.0f);
        EXPECT_EQ(e.energy, 50);
        EXPECT_EQ(e.blue, 1);
        EXPECT_EQ(e.green, 2);
        EXPECT_EQ(e.red, 3);
        EXPECT_EQ(e.groupType, 3);
        EXPECT_EQ(e.groupNumber, 4);
        EXPECT_FLOAT_EQ(e.home.x, 1.0f);
        EXPECT_FLOAT_EQ(e.home.y, 2.0f);
    }
    EXPECT_EQ(layout.entry(6).kind, 0);
    EXPECT_EQ(layout.cursor(), 6);
}

TEST(LevelLayoutPlacers, RingPutsEntriesAtEvenAnglesStartingOnTheXAxis) {
    LevelLayout layout = emptyLayout();
    layout.talentRing(Vector{2.0f, 3.0f}, 1.5f, 4);
    expectAt(layout.entry(1), 3.5f, 3.0f, 0.0f);
    expectAt(layout.entry(2), 2.0f, 4.5f, 0.0f);
    expectAt(layout.entry(3), 0.5f, 3.0f, 0.0f);
    expectAt(layout.entry(4), 2.0f, 1.5f, 0.0f);

    layout.museRing(Vector{0.0f, 0.0f}, 2.0f, 3);
    expectAt(layout.entry(5), 2.0f, 0.0f, 0.5f);
    expectAt(layout.entry(6), -1.0f, 1.7320508f, 0.5f);
    expectAt(layout.entry(7), -1.0f, -1.7320508f, 0.5f);
    EXPECT_EQ(layout.cursor(), 8);
}

TEST(LevelLayoutPlacers, BallerinaRingTakesSizeAndFramesFromTheKind) {
    LevelLayout layout = emptyLayout();
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(112, 90, 0, 0, 0, 1, 0));
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(113, 100, 0, 0, 0, 1, 0));
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(111, 90, 0, 0, 0, 1, 0));
    const struct {
        int index;
        std::uint8_t kind;
        float size;
        std::uint8_t frames;
    } expected[] = {{1, 112, 0.3f, 37}, {3, 113, 0.25f, 8}, {5, 111, 0.175f, 37}};
    for (const auto& x : expected) {
        const PlacementEntry& e = layout.entry(x.index);
        EXPECT_EQ(e.kind, x.kind);
        EXPECT_FLOAT_EQ(e.width, x.size);
        EXPECT_FLOAT_EQ(e.height, x.size);
        EXPECT_EQ(e.frames, x.frames);
        EXPECT_FLOAT_EQ(e.position.z, 0.5f);
    }
}

TEST(LevelLayoutPlacers, MusesAndTalentsStandTurnedWithTheirOwnSizeAndFrames) {
    LevelLayout layout = emptyLayout();
    layout.museLine(Vector{0.0f, 0.0f}, Vector{4.0f, 8.0f}, 4, 7);
    layout.talentRing(Vector{}, 1.0f, 2);
    for (int i = 1; i <= 4; ++i) {
        const PlacementEntry& e = layout.entry(i);
        EXPECT_EQ(e.kind, 161);
        expectAt(e, static_cast<float>(i - 1), 2.0f * static_cast<float>(i - 1), 0.5f);
        EXPECT_FLOAT_EQ(e.width, 0.4f);
        EXPECT_FLOAT_EQ(e.angle, 45.0f);
        EXPECT_EQ(e.frames, 12);
        EXPECT_EQ(e.value, 7u);
    }
    for (int i = 5; i <= 6; ++i) {
        EXPECT_FLOAT_EQ(layout.entry(i).width, 0.2f);
        EXPECT_FLOAT_EQ(layout.entry(i).angle, 45.0f);
        EXPECT_EQ(layout.entry(i).frames, 8);
    }
}

TEST(LevelLayoutPlacers, TalentRingDrawsEveryColourAndOnlyTalentKinds) {
    setSeedClock(fixedClock);
    LevelLayout layout = emptyLayout();
    layout.talentRing(Vector{}, 3.0f, 100);
    std::set<int> kinds;
    for (int i = 1; i <= 100; ++i) kinds.insert(layout.entry(i).kind);
    setSeedClock(nullptr);
    EXPECT_EQ(kinds, (std::set<int>{131, 132, 133, 134}));
}

TEST(LevelLayoutPlacers, LandmarksAreFourFixedEntries) {
    LevelLayout layout = emptyLayout();
    layout.landmarks();
    const struct {
        std::uint8_t kind;
        float x, y;
    } expected[] = {{138, 49.973f, -29.676f}, {135, -35.635f, 30.008f}, {136, -6.475f, -20.079f}, {137, -34.588f, 1.958f}};
    for (int i = 0; i < 4; ++i) {
        const PlacementEntry& e = layout.entry(1 + i);
        EXPECT_EQ(e.kind, expected[i].kind);
        expectAt(e, expected[i].x, expected[i].y, 0.0f);
        EXPECT_FLOAT_EQ(e.width, 0.2f);
        EXPECT_FLOAT_EQ(e.height, 0.2f);
        EXPECT_FLOAT_EQ(e.angle, 45.0f);
        EXPECT_EQ(e.frames, 8);
    }
    EXPECT_EQ(layout.cursor(), 5);
}

TEST(LevelLayoutPlacers, EmptyFormationsAndWritesPastTheTableChangeNothing) {
    LevelLayout layout = emptyLayout();
    layout.ballerinaLine(Vector{}, Vector{1.0f, 0.0f}, 0, traits(111, 90, 0, 0, 0, 1, 0));
    layout.museLine(Vector{}, Vector{1.0f, 0.0f}, -3);
    layout.museRing(Vector{}, 1.0f, 0);
    EXPECT_EQ(layout.cursor(), 1);
    EXPECT_EQ(layout.entry(1).kind, 0);

    layout.setCursor(128);
    layout.museRing(Vector{}, 1.0f, 5);
    EXPECT_EQ(layout.entry(128).kind, 161);
    EXPECT_EQ(layout.entry(129).kind, 161);
    EXPECT_EQ(layout.entry(130).kind, 0);  // outside: the empty entry
    EXPECT_EQ(layout.entry(-1).kind, 0);
    EXPECT_EQ(layout.cursor(), 133);
    layout.setCursor(-4);
    layout.placeMuse(Vector{});
    EXPECT_EQ(layout.countKind(161), 2);
}

TEST(LevelLayoutBuild, ResetsEntriesGoalsAndTheSizeHeader) {
    LevelLayout layout;
    layout.buildLayout(5);
    ASSERT_EQ(layout.goalB(), 2);
    layout.buildLayout(unscriptedLevel);
    EXPECT_EQ(layout.goalB(), 0);
    for (int i = 0; i < LevelLayout::goalCount; ++i) EXPECT_EQ(layout.goal(i), 0);
    for (int i = 0; i < LevelLayout::entryCount; ++i) {
        const PlacementEntry& e = layout.entry(i);
        EXPECT_EQ(e.kind, 0);
        EXPECT_EQ(e.frames, 1);
        EXPECT_EQ(e.energy, 0);
        EXPECT_TRUE(e.position.isZero());
    }
    const SizeHeader& s = layout.sizes();
    EXPECT_FLOAT_EQ(s.prima.width, 0.175f);
    EXPECT_FLOAT_EQ(s.cat.width, 0.025f);
    EXPECT_FLOAT_EQ(s.ballerinaP.height, 0.3f);
    EXPECT_FLOAT_EQ(s.ballerinaQ.height, 0.25f);
    EXPECT_FLOAT_EQ(s.muse.width, 0.4f);
    EXPECT_FLOAT_EQ(s.museSpare.width, 0.5f);
    EXPECT_FLOAT_EQ(s.landmark.height, 0.2f);
    EXPECT_FLOAT_EQ(s.of(120).width, 0.175f);  // any ballerina kind takes the 'o' size
    EXPECT_FLOAT_EQ(s.of(200).width, 0.0f);
}

TEST(LevelLayoutBuild, TalentColoursFollowTheClockSeed) {
    LevelLayout a;
    LevelLayout b;
    fixedSeed = 1000;
    setSeedClock(fixedClock);
    a.buildLayout(3);
    b.buildLayout(3);
    int same = 0;
    for (int i = 0; i < LevelLayout::entryCount; ++i) same += a.entry(i).kind == b.entry(i).kind;
    EXPECT_EQ(same, LevelLayout::entryCount);  // within one second: the same colours

    fixedSeed = 2000;
    b.buildLayout(3);
    setSeedClock(nullptr);
    int differ = 0;
    for (int i = 0; i < LevelLayout::entryCount; ++i) differ += a.entry(i).kind != b.entry(i).kind;
    EXPECT_GT(differ, 0);
}
