#include <gtest/gtest.h>

#include <vector>

#include "actors/Random.h"
#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

namespace {

constexpr float eps = 1e-4f;

std::time_t seedValue = 1;
std::time_t seedClock() { return seedValue; }

struct CatalogueRow {
    int level;
    int goalB, goalMuses, goalHappy;
    float primaX, primaY;
    int primaEnergy, primaBlue, primaGreen, primaRed;
    int catEnergy, catBlue, catGreen, catRed;  // -1: the Prima's values
    int o, p, q;
    int muses;
    int placedTalents, ringTalents;
    bool landmarks;
};

constexpr int same = -1;

const CatalogueRow catalogue[] = {
    {0, 0, 0, 0, 0.01f, -1, 100, 1, 1, 1, same, same, same, same, 1, 0, 0, 0, 0, 10, true},
    {1, 0, 0, 0, 0, -2, 90, 0, 0, 0, same, same, same, same, 1, 0, 0, 16, 4, 12, true},
    {2, 0, 0, 0, 7, 6, 90, 0, 0, 0, same, same, same, same, 2, 0, 0, 32, 4, 20, true},
    {3, 0, 0, 0, 0, 0.1f, 90, 2, 0, 1, same, same, same, same, 3, 0, 0, 36, 0, 20, true},
    {4, 0, 0, 0, 0.5f, 0, 80, 0, 0, 0, same, same, same, same, 6, 0, 0, 32, 4, 30, true},
    {5, 2, 0, 0, 0, 0, 5, 0, 0, 0, same, same, same, same, 10, 2, 0, 12, 4, 16, true},
    {6, 0, 0, 0, 0, 0, 40, 0, 0, 0, same, same, same, same, 15, 0, 0, 34, 4, 30, true},
    {7, 4, 0, 0, 1, 0, 20, 2, 1, 1, same, same, same, same, 20, 4, 0, 24, 4, 32, true},
    {8, 0, 0, 0, -12, 4, 20, 0, 0, 0, same, same, same, same, 25, 0, 0, 30, 4, 24, true},
    {9, 0, 0, 0, 0, 0, 40, 0, 0, 0, 80, 0, 0, 0, 30, 0, 0, 30, 4, 30, true},
    {10, 0, 0, 9, 0, 0, 100, 2, 1, 1, same, same, same, same, 9, 0, 0, 34, 0, 30, true},
    {11, 0, 0, 3, 1, -10, 90, 1, 1, 1, same, same, same, same, 6, 0, 0, 34, 0, 30, true},
    {12, 0, 0, 4, 0, 0, 90, 2, 2, 2, same, same, same, same, 6, 0, 0, 34, 0, 30, true},
    {13, 0, 0, 0, 1, -1, 90, 3, 3, 3, same, same, same, same, 0, 0, 1, 4, 0, 32, true},
    {14, 0, 0, 2, 1, -4, 30, 1, 1, 1, same, same, same, same, 3, 0, 0, 32, 0, 30, true},
    {15, 0, 0, 4, 0, 0, 30, 1, 1, 1, same, same, same, same, 8, 0, 0, 34, 0, 30, true},
    {16, 0, 0, 5, 1, -11, 100, 2, 2, 2, 20, 2, 2, 2, 5, 1, 1, 32, 0, 30, true},
    {17, 0, 0, 5, 0, 0, 100, 2, 2, 2, 20, 2, 2, 2, 10, 2, 0, 34, 0, 30, true},
    {18, 0, 0, 10, 1, -5, 100, 2, 2, 2, same, same, same, same, 15, 2, 0, 8, 0, 30, true},
    {19, 12, 0, 12, 0, 8, 30, 0, 0, 0, same, same, same, same, 12, 0, 0, 12, 4, 0, true},
    {20, 16, 0, 16, 0, 8, 30, 0, 0, 0, same, same, same, same, 16, 0, 0, 24, 4, 0, true},
    {21, 20, 0, 20, 0, 8, 30, 0, 0, 0, same, same, same, same, 20, 0, 0, 36, 4, 0, true},
    {22, 0, 0, 5, 0, 0, 100, 2, 2, 2, same, same, same, same, 10, 0, 0, 34, 0, 30, true},
    {23, 0, 0, 10, 6, -6, 100, 2, 2, 2, same, same, same, same, 15, 0, 0, 33, 0, 30, true},
    {24, 0, 0, 12, 0, 0, 100, 2, 2, 2, same, same, same, same, 24, 0, 0, 36, 0, 32, true},
    {25, 0, 0, 5, 1, -3, 100, 2, 2, 2, same, same, same, same, 15, 2, 0, 32, 8, 0, true},
    {26, 0, 0, 5, 1, -7, 100, 2, 2, 2, same, same, same, same, 26, 2, 0, 32, 4, 0, true},
    {27, 0, 0, 5, 1, -8, 100, 2, 2, 2, same, same, same, same, 32, 0, 0, 18, 4, 0, true},
    {28, 0, 0, 24, -11, 11, 100, 2, 2, 2, same, same, same, same, 34, 0, 0, 34, 4, 0, true},
    {29, 0, 0, 10, 1, 11, 100, 4, 4, 4, same, same, same, same, 20, 0, 0, 34, 4, 32, true},
    {30, 35, 0, 0, 1, 9, 100, 0, 0, 0, same, same, same, same, 32, 2, 2, 32, 0, 32, true},
    {31, 32, 0, 30, 0.001f, 0.001f, 100, 0, 0, 0, same, same, same, same, 30, 0, 2, 34, 4, 0, true},
    {32, 3, 0, 0, 0.001f, 0.001f, 100, 0, 0, 0, same, same, same, same, 30, 0, 3, 34, 0, 30, true},
    {33, 4, 0, 30, 0.001f, 0.001f, 100, 0, 0, 0, same, same, same, same, 30, 0, 4, 34, 0, 30, true},
    {34, 0, 0, 1, 0, 5, 90, 1, 1, 1, same, same, same, same, 1, 0, 0, 0, 0, 0, false},
    {52, 0, 32, 0, 0, 0, 100, 2, 2, 2, same, same, same, same, 0, 0, 0, 32, 0, 36, false},
    {54, 0, 32, 0, 0, 0, 100, 2, 2, 2, same, same, same, same, 0, 0, 0, 32, 0, 36, false},
    {56, 15, 0, 15, 0, 0, 100, 3, 3, 3, same, same, same, same, 15, 0, 0, 34, 4, 0, false},
    {58, 0, 0, 20, 0, 0, 20, 0, 0, 0, 100, 3, 3, 3, 20, 0, 0, 5, 4, 20, false},
    {59, 0, 0, 20, 0, 0, 20, 0, 0, 0, 100, 3, 3, 3, 20, 0, 5, 5, 0, 20, false},
};

int countRange(const LevelLayout& layout, int low, int high, int from = 0, int to = LevelLayout::entryCount) {
    int n = 0;
    for (int i = from; i < to; ++i) {
        const int k = layout.entry(i).kind;
        n += k >= low && k <= high;
    }
    return n;
}

const PlacementEntry* firstOfKind(const LevelLayout& layout, std::uint8_t kind) {
    for (int i = 0; i < LevelLayout::entryCount; ++i)
        if (layout.entry(i).kind == kind) return &layout.entry(i);
    return nullptr;
}

// Talents of a ring take random kinds, single ones keep theirs: build the
// level under several clock seeds and count the talent entries whose kind
// changed.
int ringTalentCount(int level) {
    std::vector<std::vector<int>> kinds;
    LevelLayout layout;
    setSeedClock(seedClock);
    for (seedValue = 1; seedValue <= 12; ++seedValue) {
        layout.buildLayout(static_cast<std::uint8_t>(level));
        std::vector<int> row;
        for (int i = 0; i < LevelLayout::entryCount; ++i) row.push_back(layout.entry(i).kind);
        kinds.push_back(row);
    }
    setSeedClock(nullptr);
    int varying = 0;
    for (int i = 0; i < LevelLayout::entryCount; ++i) {
        bool changed = false;
        for (const auto& row : kinds) changed = changed || row[i] != kinds[0][i];
        varying += changed;
    }
    return varying;
}

}  // namespace

class LevelCatalogue : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(LevelCatalogue, MatchesTheCatalogueWithinTheReadEntriesAndThePools) {
    const CatalogueRow& row = GetParam();
    ASSERT_TRUE(hasLevelScript(static_cast<std::uint8_t>(row.level)));
    LevelLayout layout;
    layout.buildLayout(static_cast<std::uint8_t>(row.level));

    EXPECT_EQ(layout.goalB(), row.goalB);
    EXPECT_EQ(layout.goalMuses(), row.goalMuses);
    EXPECT_EQ(layout.goalHappy(), row.goalHappy);

    ASSERT_EQ(layout.countKind(LevelLayout::kindPrima), 1);
    ASSERT_EQ(layout.countKind(LevelLayout::kindCat), 1);
    const PlacementEntry& prima = *firstOfKind(layout, LevelLayout::kindPrima);
    const PlacementEntry& cat = *firstOfKind(layout, LevelLayout::kindCat);
    EXPECT_NEAR(prima.position.x, row.primaX, eps);
    EXPECT_NEAR(prima.position.y, row.primaY, eps);
    EXPECT_EQ(prima.energy, row.primaEnergy);
    EXPECT_EQ(prima.blue, row.primaBlue);
    EXPECT_EQ(prima.green, row.primaGreen);
    EXPECT_EQ(prima.red, row.primaRed);
    EXPECT_EQ(prima.frames, 37);
    EXPECT_FLOAT_EQ(prima.width, 0.175f);
    // The cat always starts on the Prima; her values unless the level says.
    EXPECT_NEAR(cat.position.x, row.primaX, eps);
    EXPECT_NEAR(cat.position.y, row.primaY, eps);
    EXPECT_EQ(cat.energy, row.catEnergy == same ? row.primaEnergy : row.catEnergy);
    EXPECT_EQ(cat.blue, row.catBlue == same ? row.primaBlue : row.catBlue);
    EXPECT_EQ(cat.green, row.catGreen == same ? row.primaGreen : row.catGreen);
    EXPECT_EQ(cat.red, row.catRed == same ? row.primaRed : row.catRed);
    EXPECT_FLOAT_EQ(cat.width, 0.025f);

    EXPECT_EQ(layout.countKind(111), row.o);
    EXPECT_EQ(layout.countKind(112), row.p);
    EXPECT_EQ(layout.countKind(113), row.q);
    EXPECT_EQ(countRange(layout, 111, 130), row.o + row.p + row.q);
    EXPECT_EQ(layout.countKind(161), row.muses);
    EXPECT_EQ(countRange(layout, 161, 170), row.muses);
    EXPECT_EQ(countRange(layout, 131, 134), row.placedTalents + row.ringTalents);
    EXPECT_EQ(ringTalentCount(row.level), row.ringTalents);
    for (std::uint8_t k = 135; k <= 138; ++k) EXPECT_EQ(layout.countKind(k), row.landmarks ? 1 : 0) << int(k);

    // Only entries 1..119 are read, and slots 39 down to 1 of each pool take them.
    EXPECT_EQ(layout.entry(0).kind, 0);
    for (int i = LevelLayout::readLimit; i < LevelLayout::entryCount; ++i) EXPECT_EQ(layout.entry(i).kind, 0) << i;
    EXPECT_LE(countRange(layout, 111, 130), 39);
    EXPECT_LE(countRange(layout, 161, 170), 39);
    const int powerUps = countRange(layout, 131, 138);
    if (row.level == 7 || row.level == 29) EXPECT_EQ(powerUps, 40);  // the World drops the last
    else EXPECT_LE(powerUps, 39);

    for (int i = 1; i < LevelLayout::readLimit; ++i) {
        const PlacementEntry& e = layout.entry(i);
        if (!LevelLayout::placesBallerina(e.kind)) continue;
        EXPECT_LE(e.energy, 100) << i;
        EXPECT_EQ(e.frames, e.kind == 113 ? 8 : 37) << i;
        EXPECT_FLOAT_EQ(e.width, layout.sizes().of(e.kind).width) << i;
        EXPECT_FLOAT_EQ(e.position.z, 0.5f) << i;
        if (e.kind == 111) {
            EXPECT_TRUE(e.groupType == 1 || e.groupType == 2 || e.groupType == 3 || e.groupType == 7) << i;
            EXPECT_LT(e.groupNumber, 20) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScriptedLevel, LevelCatalogue, ::testing::ValuesIn(catalogue),
                         [](const ::testing::TestParamInfo<CatalogueRow>& info) {
                             return "Level" + std::to_string(info.param.level);
                         });

TEST(LevelScripts, OnlyTheCatalogueLevelsHaveScriptsTheOthersStayEmpty) {
    std::vector<int> scripted;
    LevelLayout layout;
    for (int level = 0; level < 256; ++level) {
        if (hasLevelScript(static_cast<std::uint8_t>(level))) {
            scripted.push_back(level);
            continue;
        }
        layout.buildLayout(1);  // a full table first: the rebuild must clear it
        layout.buildLayout(static_cast<std::uint8_t>(level));
        EXPECT_EQ(countRange(layout, 1, 255), 0) << level;
        EXPECT_EQ(layout.goalB() + layout.goalMuses() + layout.goalHappy(), 0) << level;
        LevelLayout fresh;
        EXPECT_FALSE(runLevelScript(fresh, static_cast<std::uint8_t>(level)));
    }
    std::vector<int> expected;
    for (const CatalogueRow& row : catalogue) expected.push_back(row.level);
    EXPECT_EQ(scripted, expected);
}

TEST(LevelScripts, SydneysTwoRingsAreGroupsGatheredAroundTheirCentres) {
    LevelLayout layout;
    layout.buildLayout(5);
    const struct {
        Vector centre;
        int firstEntry, group;
    } rings[] = {{Vector{6, 6}, 9, 2}, {Vector{-6, -6}, 14, 1}};
    for (const auto& ring : rings) {
        for (int k = 0; k < 5; ++k) {
            const PlacementEntry& e = layout.entry(ring.firstEntry + k);
            SCOPED_TRACE(ring.firstEntry + k);
            const Vector at = ringPoint(ring.centre, 2.25f, k, 5);
            EXPECT_EQ(e.kind, 111);
            EXPECT_NEAR(e.position.x, at.x, eps);
            EXPECT_NEAR(e.position.y, at.y, eps);
            EXPECT_EQ(e.groupType, 2);
            EXPECT_EQ(e.groupNumber, ring.group);
            EXPECT_NEAR(e.home.x, ring.centre.x, eps);
            EXPECT_NEAR(e.home.y, ring.centre.y, eps);
        }
    }
}

TEST(LevelScripts, LevelFiftySixRunsTwiceOverTheSameEntries) {
    LevelLayout twice;
    twice.buildLayout(56);
    LevelLayout once;
    once.buildLayout(255);
    levelScript56(once);
    EXPECT_EQ(twice.countKind(111), 5 + 10);
    EXPECT_EQ(twice.countKind(161), 34);
    for (int i = 0; i < LevelLayout::entryCount; ++i) {
        const PlacementEntry& a = twice.entry(i);
        const PlacementEntry& b = once.entry(i);
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_FLOAT_EQ(a.position.x, b.position.x) << i;
        EXPECT_FLOAT_EQ(a.position.y, b.position.y) << i;
    }
    // Prima and cat first, then the second half from entry 3 on.
    EXPECT_EQ(twice.entry(1).kind, LevelLayout::kindPrima);
    EXPECT_EQ(twice.entry(2).kind, LevelLayout::kindCat);
    EXPECT_TRUE(LevelLayout::placesPowerUp(twice.entry(3).kind));
}
