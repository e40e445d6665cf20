#include <gtest/gtest.h>

#include "world/LevelLayout.h"
#include "world/LevelScripts.h"

// The levels written out in full: every entry in order.

namespace {

constexpr float eps = 1e-4f;
constexpr int anyTalent = -1;  // a ring talent: 131..134

struct Dancer {
    int index;
    int kind;
    float x, y, z;
    int energy, blue, green, red, groupType, groupNumber;
    float homeX, homeY, angle;
};

void expectDancer(const LevelLayout& layout, const Dancer& d) {
    const PlacementEntry& e = layout.entry(d.index);
    SCOPED_TRACE(::testing::Message() << "entry " << d.index);
    EXPECT_EQ(e.kind, d.kind);
    EXPECT_NEAR(e.position.x, d.x, eps);
    EXPECT_NEAR(e.position.y, d.y, eps);
    EXPECT_NEAR(e.position.z, d.z, eps);
    EXPECT_EQ(e.energy, d.energy);
    EXPECT_EQ(e.blue, d.blue);
    EXPECT_EQ(e.green, d.green);
    EXPECT_EQ(e.red, d.red);
    EXPECT_EQ(e.groupType, d.groupType);
    EXPECT_EQ(e.groupNumber, d.groupNumber);
    EXPECT_NEAR(e.home.x, d.homeX, eps);
    EXPECT_NEAR(e.home.y, d.homeY, eps);
    EXPECT_FLOAT_EQ(e.angle, d.angle);
    EXPECT_EQ(e.value, 0u);
}

void expectPrimaAndCat(const LevelLayout& layout, int index, float x, float y, int energy, int blue, int green,
                       int red) {
    for (int i = 0; i < 2; ++i) {
        const PlacementEntry& e = layout.entry(index + i);
        SCOPED_TRACE(::testing::Message() << "entry " << index + i);
        EXPECT_EQ(e.kind, i == 0 ? LevelLayout::kindPrima : LevelLayout::kindCat);
        EXPECT_NEAR(e.position.x, x, eps);
        EXPECT_NEAR(e.position.y, y, eps);
        EXPECT_EQ(e.energy, energy);
        EXPECT_EQ(e.blue, blue);
        EXPECT_EQ(e.green, green);
        EXPECT_EQ(e.red, red);
    }
}

void expectItem(const LevelLayout& layout, int index, int kind, float x, float y) {
    const PlacementEntry& e = layout.entry(index);
    SCOPED_TRACE(::testing::Message() << "entry " << index);
    if (kind == anyTalent) {
        EXPECT_GE(e.kind, 131);
        EXPECT_LE(e.kind, 134);
    } else {
        EXPECT_EQ(e.kind, kind);
    }
    EXPECT_NEAR(e.position.x, x, eps);
    EXPECT_NEAR(e.position.y, y, eps);
}

// n entries of a ring of the kind, from the index on.
void expectRing(const LevelLayout& layout, int index, int kind, Vector centre, float radius, int n) {
    for (int k = 0; k < n; ++k) {
        const Vector p = ringPoint(centre, radius, k, n);
        expectItem(layout, index + k, kind, p.x, p.y);
    }
}

void expectLandmarks(const LevelLayout& layout, int index) {
    expectItem(layout, index, 138, 49.973f, -29.676f);
    expectItem(layout, index + 1, 135, -35.635f, 30.008f);
    expectItem(layout, index + 2, 136, -6.475f, -20.079f);
    expectItem(layout, index + 3, 137, -34.588f, 1.958f);
}

void expectEmptyFrom(const LevelLayout& layout, int index) {
    for (int i = index; i < LevelLayout::entryCount; ++i) EXPECT_EQ(layout.entry(i).kind, 0) << i;
}

LevelLayout built(int level) {
    LevelLayout layout;
    layout.buildLayout(static_cast<std::uint8_t>(level));
    return layout;
}

}  // namespace

TEST(LevelTellingRows, ParisEntryByEntry) {
    const LevelLayout l = built(1);
    EXPECT_EQ(l.goalB() + l.goalMuses() + l.goalHappy(), 0);
    expectDancer(l, {1, 111, -3, -2, 0.5f, 60, 1, 0, 1, 1, 0, 0, 0, 0});
    expectPrimaAndCat(l, 2, 0, -2, 90, 0, 0, 0);
    expectItem(l, 4, 132, -0.5f, -2.5f);
    expectItem(l, 5, 132, -1, -1);
    expectItem(l, 6, 134, 1, -1);
    expectItem(l, 7, 134, 0.75f, -2.75f);
    expectLandmarks(l, 8);
    expectRing(l, 12, anyTalent, Vector{-5, 5}, 2, 6);
    expectRing(l, 18, anyTalent, Vector{5, -9}, 2, 6);
    expectRing(l, 24, 161, Vector{-5, 5}, 3.5f, 8);
    expectRing(l, 32, 161, Vector{5, -9}, 3.5f, 8);
    expectEmptyFrom(l, 40);
}

TEST(LevelTellingRows, TokyoEntryByEntry) {
    const LevelLayout l = built(3);
    expectDancer(l, {1, 111, 0, 1, 0.5f, 100, 1, 0, 1, 1, 0, 0, 0, 0});
    expectDancer(l, {2, 111, -1, -1, 0.5f, 90, 1, 0, 1, 1, 1, 0, -7, 0});
    expectDancer(l, {3, 111, 1, -1, 0.5f, 90, 1, 0, 1, 1, 1, 0, -7, 0});
    expectPrimaAndCat(l, 4, 0, 0.1f, 90, 2, 0, 1);
    expectLandmarks(l, 6);
    expectRing(l, 10, 161, Vector{0, 0.1f}, 4.5f, 14);
    expectRing(l, 24, anyTalent, Vector{0, 0.1f}, 6.75f, 20);
    expectRing(l, 44, 161, Vector{0, 0.1f}, 9, 22);
    expectEmptyFrom(l, 66);
}

TEST(LevelTellingRows, SydneyEntryByEntry) {
    const LevelLayout l = built(5);
    EXPECT_EQ(l.goalB(), 2);
    expectPrimaAndCat(l, 1, 0, 0, 5, 0, 0, 0);
    expectItem(l, 3, 132, -0.5f, -0.5f);
    expectItem(l, 4, 132, -1, 1);
    expectItem(l, 5, 133, 1, 1);
    expectItem(l, 6, 134, 0.75f, -0.75f);
    expectDancer(l, {7, 112, 6, 6, 0.5f, 90, 0, 0, 0, 1, 0, 0, 0, 45});
    expectDancer(l, {8, 112, -6, -6, 0.5f, 90, 0, 0, 0, 1, 0, 0, 0, 45});
    for (int k = 0; k < 5; ++k) {
        const Vector a = ringPoint(Vector{6, 6}, 2.25f, k, 5);
        const Vector b = ringPoint(Vector{-6, -6}, 2.25f, k, 5);
        expectDancer(l, {9 + k, 111, a.x, a.y, 0.5f, 90, 2, 1, 2, 2, 2, 6, 6, 0});
        expectDancer(l, {14 + k, 111, b.x, b.y, 0.5f, 90, 2, 1, 2, 2, 1, -6, -6, 0});
    }
    expectRing(l, 19, anyTalent, Vector{6, -6}, 2, 8);
    expectRing(l, 27, anyTalent, Vector{-6, 6}, 2, 8);
    expectLandmarks(l, 35);
    expectRing(l, 39, 161, Vector{6, -6}, 3, 6);
    expectRing(l, 45, 161, Vector{-6, 6}, 3, 6);
    expectEmptyFrom(l, 51);
}

TEST(LevelTellingRows, DelhiEntryByEntry) {
    const LevelLayout l = built(8);
    expectPrimaAndCat(l, 1, -12, 4, 20, 0, 0, 0);
    expectItem(l, 3, 131, -12.5f, 3.5f);
    expectItem(l, 4, 132, -13, 5);
    expectItem(l, 5, 133, -11, 5);
    expectItem(l, 6, 134, -11.25f, 3.25f);
    expectLandmarks(l, 7);
    int index = 11;
    for (float x : {-2.0f, 2.0f, 6.0f, 10.0f}) {
        expectRing(l, index, anyTalent, Vector{x, 11}, 0.5f, 6);
        index += 6;
    }
    for (float y : {-10.0f, -6.0f, -2.0f, 2.0f, 6.0f})
        for (float x : {-6.0f, -2.0f, 2.0f, 6.0f, 10.0f}) expectDancer(l, {index++, 111, x, y, 0.5f, 50, 1, 1, 1, 3, 0, 0, 0, 8});
    for (float y : {-12.0f, -8.0f, -4.0f, 0.0f, 4.0f, 8.0f})
        for (float x : {-6.0f, -2.0f, 2.0f, 6.0f, 10.0f}) expectItem(l, index++, 161, x, y);
    expectEmptyFrom(l, index);
}

TEST(LevelTellingRows, GuidedFirstDanceHoldsOnlyThePrimaHerCatAndOneBallerina) {
    const LevelLayout l = built(34);
    EXPECT_EQ(l.goalB(), 0);
    EXPECT_EQ(l.goalMuses(), 0);
    EXPECT_EQ(l.goalHappy(), 1);
    expectPrimaAndCat(l, 1, 0, 5, 90, 1, 1, 1);
    expectDancer(l, {3, 111, -10, 0, 0.5f, 90, 2, 1, 1, 1, 0, 0, 0, 45});
    expectEmptyFrom(l, 4);
}

TEST(LevelTellingRows, ParisPlacesOneBallerinaSixteenMusesAndTwentyPowerUps) {
    const LevelLayout l = built(1);
    int ballerinas = 0, muses = 0, powerUps = 0;
    for (int i = 1; i < LevelLayout::readLimit; ++i) {
        const int k = l.entry(i).kind;
        ballerinas += LevelLayout::placesBallerina(k);
        muses += LevelLayout::placesMuse(k);
        powerUps += LevelLayout::placesPowerUp(k);
    }
    EXPECT_EQ(ballerinas, 1);
    EXPECT_EQ(muses, 16);
    EXPECT_EQ(powerUps, 20);
}
