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

TEST(LevelLayoutPlacers, BallerinaLineLeavesOutItsEndPointAndHandsOnEveryTraitAtTheOSize) {
    LevelLayout layout = emptyLayout();
    layout.ballerinaLine(Vector{-6.0f, -10.0f}, Vector{14.0f, -10.0f}, 5,
                         traits(113, 50, 1, 2, 3, 3, 4, Vector{1.0f, 2.0f}, 8.0f));
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const PlacementEntry& e = layout.entry(1 + k);
        EXPECT_EQ(e.kind, 113);  // a 'q' in a line still takes the 'o' size and frames
        expectAt(e, -6.0f + 4.0f * static_cast<float>(k), -10.0f, 0.5f);
        EXPECT_FLOAT_EQ(e.width, 0.175f);
        EXPECT_EQ(e.frames, 37);
        EXPECT_FLOAT_EQ(e.angle, 8.0f);
        EXPECT_EQ(e.energy, 50);
        EXPECT_EQ(e.blue * 100 + e.green * 10 + e.red, 123);
        EXPECT_EQ(e.groupType, 3);
        EXPECT_EQ(e.groupNumber, 4);
        EXPECT_EQ(e.home, (Vector{1.0f, 2.0f}));
    }
    EXPECT_EQ(layout.entry(6).kind, 0);
    EXPECT_EQ(layout.cursor(), 6);
}

TEST(LevelLayoutPlacers, RingsStartOnTheXAxisAndEachKindKeepsItsSizeFramesAndTurn) {
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
    layout.museLine(Vector{0.0f, 0.0f}, Vector{4.0f, 8.0f}, 4, 7);
    expectAt(layout.entry(10), 2.0f, 4.0f, 0.5f);
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(112, 90, 0, 0, 0, 1, 0));
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(113, 100, 0, 0, 0, 1, 0));
    layout.ballerinaRing(Vector{}, 1.0f, 2, traits(111, 90, 0, 0, 0, 1, 0));
    layout.landmarks();
    EXPECT_EQ(layout.cursor(), 22);

    const struct {
        int index;
        std::uint8_t kind;
        float size, angle;
        std::uint8_t frames;
        std::uint32_t value;
    } expected[] = {{1, 131, 0.2f, 45.0f, 8, 0},      {5, 161, 0.4f, 45.0f, 12, 0},  {9, 161, 0.4f, 45.0f, 12, 7},
                    {12, 112, 0.3f, 0.0f, 37, 0},     {14, 113, 0.25f, 0.0f, 8, 0},  {16, 111, 0.175f, 0.0f, 37, 0},
                    {18, 138, 0.2f, 45.0f, 8, 0},     {21, 137, 0.2f, 45.0f, 8, 0}};
    for (const auto& x : expected) {
        SCOPED_TRACE(x.index);
        const PlacementEntry& e = layout.entry(x.index);
        if (x.kind == 131) {
            EXPECT_TRUE(LevelLayout::placesPowerUp(e.kind));
        } else {
            EXPECT_EQ(e.kind, x.kind);
        }
        EXPECT_FLOAT_EQ(e.width, x.size);
        EXPECT_FLOAT_EQ(e.height, x.size);
        EXPECT_FLOAT_EQ(e.angle, x.angle);
        EXPECT_EQ(e.frames, x.frames);
        EXPECT_EQ(e.value, x.value);
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
    for (int i = -1; i <= LevelLayout::goalCount; ++i) EXPECT_EQ(layout.goal(i), 0) << i;
    for (int i = 0; i < LevelLayout::entryCount; ++i) {
        const PlacementEntry& e = layout.entry(i);
        EXPECT_EQ(e.kind, 0);
        EXPECT_EQ(e.frames, 1);
        EXPECT_EQ(e.energy, 0);
        EXPECT_TRUE(e.position.isZero());
    }
    EXPECT_FLOAT_EQ(layout.sizes().of(120).width, 0.175f);  // any ballerina kind takes the 'o' size
    EXPECT_FLOAT_EQ(layout.sizes().of(200).width, 0.0f);
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
