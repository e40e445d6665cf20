#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <tuple>

#include "actors/DanceFloor.h"

namespace {

constexpr float tile = 0.29f;
constexpr std::uint8_t yellow[3] = {255, 255, 0}, magenta[3] = {255, 0, 255}, orange[3] = {255, 128, 0};

std::unique_ptr<DanceFloor> placedFloor(Vector at = Vector{}) {
    auto floor = std::make_unique<DanceFloor>();
    floor->place(171, 0.5f, 2.9f, at, 41);
    return floor;
}

void touchedBy(DanceFloor& floor, std::uint16_t kind, Vector at) { floor.touch(kind, at, 0.2f, 0.2f, 1, 0.0f); }

// Keeps the Prima Ballerina's light out of the way of a test.
void sendPrimaAway(DanceFloor& floor) { touchedBy(floor, Kind::prima, Vector{500.0f, 500.0f, 0.0f}); }

bool hasTarget(const FloorTile& t, const std::uint8_t (&colour)[3]) {
    return t.targetColour[0] == colour[0] && t.targetColour[1] == colour[1] && t.targetColour[2] == colour[2];
}

TEST(DanceFloorTest, TheGridLiesAroundHerAndAViewJumpScrollsOneTilePerUpdateOnEachAxis) {
    auto floor = placedFloor(Vector{1.0f, -0.7f, 0.0f});
    EXPECT_NEAR(floor->tile(25, 25).x, 3 * tile, 1e-5f);   // int(1.0 / 0.29)
    EXPECT_NEAR(floor->tile(25, 25).y, -2 * tile, 1e-5f);  // truncated toward zero
    EXPECT_NEAR(floor->tile(0, 50).y, (50 - 2 - 25) * tile, 1e-4f);

    const struct { Vector view; int x, y, moved; } jumps[] = {
        {{5 * tile + 0.1f, 0.1f, 0.0f}, 1, 0, 0},  // only x changed: no move
        {{-2 * tile - 0.01f, -2 * tile - 0.01f, 0.0f}, -1, -1, 1},
    };
    for (const auto& j : jumps) {
        auto f = placedFloor();
        const FloorTile before = f->tile(25, 10);
        touchedBy(*f, Kind::camera, j.view);
        f->update(0.016f);
        EXPECT_EQ(std::tuple(f->centreX, f->centreY, int(f->moved)), std::tuple(j.x, j.y, j.moved));
        EXPECT_FLOAT_EQ(f->tile(25 - j.x, 10 - j.y).waveFrequency, before.waveFrequency) << "tiles move along";
        for (int update = 0; update < 6; ++update) f->update(0.016f);
        EXPECT_NEAR(f->tile(25, 25).x, float(j.x > 0 ? 5 : -2) * tile, 1e-4f);
        EXPECT_EQ(f->moved, 0);
    }
}

TEST(DanceFloorTest, UnlitTilesDriftAHundredStepsPerSecondAndOnlyTheVisibleOnesAnimate) {
    auto floor = placedFloor();
    sendPrimaAway(*floor);
    for (int round = 0; round < 60; ++round) {
        const float dt = round < 50 ? 0.05f : 0.001f;  // a slow frame still moves one step
        const int i = 15 + round % 20;
        const FloorTile before = floor->tile(i, 20), margin = floor->tile(DanceFloor::lastVisible + 1, 25);
        floor->update(dt);
        const float wanted = std::fabs(float(before.targetColour[0]) - before.colour[0]);  // arrived: a fresh target
        EXPECT_NEAR(std::fabs(floor->tile(i, 20).colour[0] - before.colour[0]), std::min(wanted, dt < 0.01f ? 1.0f : 5.0f),
                    1e-3f) << round;
        EXPECT_EQ(floor->tile(DanceFloor::lastVisible + 1, 25).colour[0], margin.colour[0]) << "not visible";
    }
}

// The lights a tile tries are chosen by rows and columns; none may be
// missed at their edges, and no tile beyond reach may take one.
TEST(DanceFloorTest, ExactlyTheTilesWithinThreeTilesOfADancerTakeHerMagenta) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> across(-3.2f, 3.2f);
    for (int trial = 0; trial < 200; ++trial) {
        auto floor = placedFloor();
        const float reach = 3.0f * tile;
        float x = across(random), y = across(random);  // often right on a row or column, or a reach away
        if (trial % 4 == 1) x = std::round(x / tile) * tile;
        if (trial % 4 == 2) y = std::round(y / tile) * tile + reach;
        touchedBy(*floor, Kind::ballerina, Vector{x, y});
        sendPrimaAway(*floor);
        floor->update(1.0f / 60.0f);
        auto visible = [](int k) { return k >= DanceFloor::firstVisible && k <= DanceFloor::lastVisible; };
        for (int i = DanceFloor::meshFirst; i <= DanceFloor::meshLast; ++i) {
            for (int j = DanceFloor::meshFirst; j <= DanceFloor::meshLast; ++j) {
                const FloorTile& t = floor->tile(i, j);
                const bool within = visible(i) && visible(j) && std::sqrt((t.x - x) * (t.x - x) + (t.y - y) * (t.y - y)) < reach;
                ASSERT_EQ(hasTarget(t, magenta), within) << "trial " << trial << ", tile " << i << "," << j;
            }
        }
    }
}

TEST(DanceFloorTest, BlossomsLightOrangeThePrimaYellowOverDancersAndDancersMagenta) {
    auto floor = placedFloor();
    const FloorTile& t = floor->tile(20, 20);
    touchedBy(*floor, Kind::blossom1, Vector{t.x, t.y, 0.0f});
    sendPrimaAway(*floor);
    floor->update(0.001f);
    EXPECT_TRUE(hasTarget(t, orange));
    touchedBy(*floor, Kind::dancerQ, Vector{t.x, t.y, 0.0f});
    touchedBy(*floor, Kind::prima, Vector{t.x, t.y, 0.0f});
    floor->update(0.001f);
    EXPECT_TRUE(hasTarget(t, yellow));    sendPrimaAway(*floor);  // her light stays where she was last seen
    for (int i = 0; i < 300; ++i, floor->update(0.01f)) touchedBy(*floor, Kind::ballerina, Vector{t.x, t.y, 0.0f});
    EXPECT_EQ(std::tuple(t.colour[0], t.colour[1], t.colour[2]), std::tuple(255.0f, 0.0f, 255.0f)) << "fully lit";
}

TEST(DanceFloorTest, TouchesAreCollectedPerFrameUpToTheLimitAndBadInputFallsBackSafely) {
    auto floor = placedFloor();
    for (int i = 0; i < 50; ++i) touchedBy(*floor, Kind::ballerina, Vector{0.1f, 0.1f, 0.0f});
    EXPECT_EQ(floor->dancerCount, DanceFloor::maxCollected);
    floor->reset(0.0f, -1.0f, Vector{NAN, 2.0f, 0.0f});  // the picture set stays, the sizes fall back
    EXPECT_EQ(std::tuple(floor->pictureSet, floor->frameCount, floor->textureScale), std::tuple(171, 41, 0.5f));
    touchedBy(*floor, Kind::camera, Vector{1.0e30f, -1.0e30f, 0.0f});
    floor->update(NAN);
    EXPECT_EQ(std::tuple(floor->centreX, floor->centreY), std::tuple(1, -1));
}

}  // namespace
