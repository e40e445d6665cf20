#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

namespace {

constexpr float eps = 1e-4f;
constexpr std::uint8_t unscriptedLevel = 40;

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

struct CatalogueRow {
    int level, goalB, goalMuses, goalHappy;
    float primaX, primaY;
    int primaEnergy, primaColours;  // blue, green, red as three digits
    int o, p, q, muses, talents;
};

const CatalogueRow catalogue[] = {
    {0, 0, 0, 0, 0.01f, -1, 100, 111, 1, 0, 0, 0, 10}, {1, 0, 0, 0, 0, -2, 90, 0, 1, 0, 0, 16, 16},
    {2, 0, 0, 0, 7, 6, 90, 0, 2, 0, 0, 32, 24}, {3, 0, 0, 0, 0, 0.1f, 90, 201, 3, 0, 0, 36, 20},
    {4, 0, 0, 0, 0.5f, 0, 80, 0, 6, 0, 0, 32, 34}, {5, 2, 0, 0, 0, 0, 5, 0, 10, 2, 0, 12, 20},
    {6, 0, 0, 0, 0, 0, 40, 0, 15, 0, 0, 34, 34}, {7, 4, 0, 0, 1, 0, 20, 211, 20, 4, 0, 24, 36},
    {8, 0, 0, 0, -12, 4, 20, 0, 25, 0, 0, 30, 28}, {9, 0, 0, 0, 0, 0, 40, 0, 30, 0, 0, 30, 34},
    {10, 0, 0, 9, 0, 0, 100, 211, 9, 0, 0, 34, 30}, {11, 0, 0, 3, 1, -10, 90, 111, 6, 0, 0, 34, 30},
    {12, 0, 0, 4, 0, 0, 90, 222, 6, 0, 0, 34, 30}, {13, 0, 0, 0, 1, -1, 90, 333, 0, 0, 1, 4, 32},
    {14, 0, 0, 2, 1, -4, 30, 111, 3, 0, 0, 32, 30}, {15, 0, 0, 4, 0, 0, 30, 111, 8, 0, 0, 34, 30},
    {16, 0, 0, 5, 1, -11, 100, 222, 5, 1, 1, 32, 30}, {17, 0, 0, 5, 0, 0, 100, 222, 10, 2, 0, 34, 30},
    {18, 0, 0, 10, 1, -5, 100, 222, 15, 2, 0, 8, 30}, {19, 12, 0, 12, 0, 8, 30, 0, 12, 0, 0, 12, 4},
    {20, 16, 0, 16, 0, 8, 30, 0, 16, 0, 0, 24, 4}, {21, 20, 0, 20, 0, 8, 30, 0, 20, 0, 0, 36, 4},
    {22, 0, 0, 5, 0, 0, 100, 222, 10, 0, 0, 34, 30}, {23, 0, 0, 10, 6, -6, 100, 222, 15, 0, 0, 33, 30},
    {24, 0, 0, 12, 0, 0, 100, 222, 24, 0, 0, 36, 32}, {25, 0, 0, 5, 1, -3, 100, 222, 15, 2, 0, 32, 8},
    {26, 0, 0, 5, 1, -7, 100, 222, 26, 2, 0, 32, 4}, {27, 0, 0, 5, 1, -8, 100, 222, 32, 0, 0, 18, 4},
    {28, 0, 0, 24, -11, 11, 100, 222, 34, 0, 0, 34, 4}, {29, 0, 0, 10, 1, 11, 100, 444, 20, 0, 0, 34, 36},
    {30, 35, 0, 0, 1, 9, 100, 0, 32, 2, 2, 32, 32}, {31, 32, 0, 30, 0.001f, 0.001f, 100, 0, 30, 0, 2, 34, 4},
    {32, 3, 0, 0, 0.001f, 0.001f, 100, 0, 30, 0, 3, 34, 30}, {33, 4, 0, 30, 0.001f, 0.001f, 100, 0, 30, 0, 4, 34, 30},
    {34, 0, 0, 1, 0, 5, 90, 111, 1, 0, 0, 0, 0}, {52, 0, 32, 0, 0, 0, 100, 222, 0, 0, 0, 32, 36},
    {54, 0, 32, 0, 0, 0, 100, 222, 0, 0, 0, 32, 36}, {56, 15, 0, 15, 0, 0, 100, 333, 15, 0, 0, 34, 4},
    {58, 0, 0, 20, 0, 0, 20, 0, 20, 0, 0, 5, 24}, {59, 0, 0, 20, 0, 0, 20, 0, 20, 0, 5, 5, 20},
};

int countRange(const LevelLayout& layout, int low, int high, int from = 0, int to = LevelLayout::entryCount) {
    int n = 0;
    for (int i = from; i < to; ++i) n += layout.entry(i).kind >= low && layout.entry(i).kind <= high;
    return n;
}

const PlacementEntry& firstOfKind(const LevelLayout& layout, std::uint8_t kind) {
    int i = 0;
    while (i + 1 < LevelLayout::entryCount && layout.entry(i).kind != kind) ++i;
    return layout.entry(i);
}

// The levels whose cat does not take the Prima Ballerina's energy and colours.
const int catRows[][3] = {{9, 80, 0}, {16, 20, 222}, {17, 20, 222}, {58, 100, 333}, {59, 100, 333}};

int colours(const PlacementEntry& e) { return e.blue * 100 + e.green * 10 + e.red; }

}  // namespace

class LevelCatalogue : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(LevelCatalogue, MatchesTheCatalogueWithinTheReadEntriesAndThePools) {
    const CatalogueRow& row = GetParam();
    LevelLayout layout;
    layout.buildLayout(static_cast<std::uint8_t>(row.level));
    EXPECT_EQ(std::tuple(layout.goalB(), layout.goalMuses(), layout.goalHappy()),
              std::tuple(row.goalB, row.goalMuses, row.goalHappy));
    ASSERT_EQ(layout.countKind(LevelLayout::kindPrima) + layout.countKind(LevelLayout::kindCat), 2);
    const PlacementEntry& prima = firstOfKind(layout, LevelLayout::kindPrima);
    const PlacementEntry& cat = firstOfKind(layout, LevelLayout::kindCat);
    for (const PlacementEntry* e : {&prima, &cat}) {  // the cat always starts on her
        EXPECT_NEAR(e->position.x, row.primaX, eps);
        EXPECT_NEAR(e->position.y, row.primaY, eps);
    }
    EXPECT_EQ(std::pair(int(prima.energy), colours(prima)), std::pair(row.primaEnergy, row.primaColours));
    int catEnergy = row.primaEnergy, catColours = row.primaColours;
    for (const auto& c : catRows)
        if (c[0] == row.level) catEnergy = c[1], catColours = c[2];
    EXPECT_EQ(std::tuple(int(cat.energy), colours(cat), cat.width), std::tuple(catEnergy, catColours, 0.025f));
    // Dancers 'o', 'p' and the rest 'q', muses, talents and the four landmarks of the numbered levels.
    EXPECT_EQ((std::array{layout.countKind(111), layout.countKind(112), countRange(layout, 111, 130),
                          countRange(layout, 161, 170), countRange(layout, 131, 134), countRange(layout, 135, 138)}),
              (std::array{row.o, row.p, row.o + row.p + row.q, row.muses, row.talents, row.level <= 33 ? 4 : 0}));
    // Only entries 1..119 are read, and slots 39 down to 1 of each pool take them.
    EXPECT_EQ(countRange(layout, 1, 255, 0, 1) + countRange(layout, 1, 255, LevelLayout::readLimit), 0);
    EXPECT_LE(countRange(layout, 161, 170), 39);
    EXPECT_LE(countRange(layout, 131, 138), row.level == 7 || row.level == 29 ? 40 : 39);  // the World drops the 40th
    for (int i = 1; i < LevelLayout::readLimit; ++i) {
        const PlacementEntry& e = layout.entry(i);
        const bool grouped = e.groupType == 1 || e.groupType == 2 || e.groupType == 3 || e.groupType == 7;
        if (!LevelLayout::placesBallerina(e.kind)) continue;
        EXPECT_TRUE(e.energy <= 100 && e.frames == (e.kind == 113 ? 8 : 37) && (e.kind != 111 || grouped)) << i;
        EXPECT_FLOAT_EQ(e.width, layout.sizes().of(e.kind).width) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScriptedLevel, LevelCatalogue, ::testing::ValuesIn(catalogue),
                         [](const ::testing::TestParamInfo<CatalogueRow>& info) {
                             return "Level" + std::to_string(info.param.level);
                         });

TEST(LevelScripts, OnlyTheCatalogueLevelsHaveScriptsTheOthersStayEmpty) {
    std::vector<int> scripted, expected;
    LevelLayout layout;
    for (int level = 0; level < 256; ++level) {
        const auto n = static_cast<std::uint8_t>(level);
        layout.buildLayout(1);  // a full table first: a rebuild must clear it
        layout.buildLayout(n);
        if (hasLevelScript(n)) scripted.push_back(level);
        else EXPECT_EQ(countRange(layout, 1, 255) + layout.goalB() + layout.goalMuses() + layout.goalHappy(), 0) << level;
    }
    for (const CatalogueRow& row : catalogue) expected.push_back(row.level);
    EXPECT_EQ(scripted, expected);
}

TEST(LevelLayout, FormationsLeaveOutTheLineEndStartRingsOnTheXAxisAndKeepEachKindsSize) {
    LevelLayout layout = emptyLayout();
    layout.ballerinaLine(Vector{-6.0f, -10.0f}, Vector{14.0f, -10.0f}, 5, traits(113, 50, 1, 2, 3, 3, 4));
    layout.museRing(Vector{0.0f, 0.0f}, 2.0f, 3);
    layout.landmarks();
    EXPECT_EQ(layout.cursor(), 13);
    expectAt(layout.entry(5), 10.0f, -10.0f, 0.5f);
    expectAt(layout.entry(7), -1.0f, 1.7320508f, 0.5f);
    const PlacementEntry& q = layout.entry(5);  // a 'q' in a line still takes the 'o' size and frames
    EXPECT_TRUE(q.kind == 113 && q.width == 0.175f && q.frames == 37 && q.energy == 50 && q.blue == 1);
    const PlacementEntry& landmark = layout.entry(9);
    EXPECT_TRUE(landmark.kind == 138 && landmark.width == 0.2f && landmark.angle == 45.0f && landmark.frames == 8);
    layout.setCursor(128);  // writes past the table change nothing
    layout.museRing(Vector{}, 1.0f, 5);
    layout.setCursor(-4);
    layout.placeMuse(Vector{});
    layout.museLine(Vector{}, Vector{1.0f, 0.0f}, -3);
    EXPECT_EQ(layout.countKind(161), 3 + 2);
}

TEST(LevelLayout, ARingOfTalentsDrawsEveryColourAndOnlyTalents) {
    LevelLayout ring = emptyLayout();
    ring.talentRing(Vector{}, 3.0f, 100);
    std::set<int> kinds;
    for (int i = 1; i <= 100; ++i) kinds.insert(ring.entry(i).kind);
    EXPECT_EQ(kinds, (std::set<int>{131, 132, 133, 134}));
}
