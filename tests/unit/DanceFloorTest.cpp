#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "actors/DanceFloor.h"

namespace {

constexpr float tile = 0.29f;
constexpr std::uint8_t yellow[3] = {255, 255, 0};
constexpr std::uint8_t magenta[3] = {255, 0, 255};
constexpr std::uint8_t orange[3] = {255, 128, 0};

std::unique_ptr<DanceFloor> placedFloor(Vector at = Vector{}) {
    auto floor = std::make_unique<DanceFloor>();
    floor->place(171, 0.5f, 2.9f, at, 41);
    return floor;
}

// Keeps the Prima Ballerina's light out of the way of a test.
void sendPrimaAway(DanceFloor& floor) { floor.touch(Kind::prima, Vector{500.0f, 500.0f, 0.0f}, 0.2f, 0.2f, 0, 0.0f); }

void viewAt(DanceFloor& floor, Vector at) { floor.touch(Kind::camera, at, 0.0f, 0.0f, 0, 0.0f); }

bool hasTarget(const FloorTile& t, const std::uint8_t (&colour)[3]) {
    return t.targetColour[0] == colour[0] && t.targetColour[1] == colour[1] && t.targetColour[2] == colour[2];
}

TEST(DanceFloorTest, PlaceLaysTheGridAroundThePositionInRandomColours) {
    auto floor = placedFloor(Vector{1.0f, -0.7f, 0.0f});
    EXPECT_EQ(floor->originX, 3);   // int(1.0 / 0.29)
    EXPECT_EQ(floor->originY, -2);  // truncated toward zero
    const FloorTile& centre = floor->tile(25, 25);
    EXPECT_NEAR(centre.x, 3 * tile, 1e-5f);
    EXPECT_NEAR(centre.y, -2 * tile, 1e-5f);
    EXPECT_NEAR(centre.u, centre.x / 0.5f, 1e-5f);
    EXPECT_NEAR(floor->tile(0, 50).x, (0 + 3 - 25) * tile, 1e-4f);
    EXPECT_NEAR(floor->tile(0, 50).y, (50 - 2 - 25) * tile, 1e-4f);
    for (int i = 0; i <= 50; i += 5) {
        const FloorTile& t = floor->tile(i, 50 - i);
        EXPECT_GE(t.colour[0], 50.0f);
        EXPECT_LT(t.colour[0], 150.0f);
        EXPECT_GE(t.colour[2], 100.0f);
        EXPECT_LT(t.colour[2], 250.0f);
        EXPECT_LT(t.waveFrequency, 0.005f);
        EXPECT_LE(std::fabs(t.waveAmplitudeX), tile / 3.0f + 1e-4f);
    }
}

TEST(DanceFloorTest, TheMeshCoversTheViewInClockwiseStripsOfValidIndicesAndColours) {
    auto floor = placedFloor(Vector{0.3f, 0.3f, 0.0f});
    sendPrimaAway(*floor);
    floor->update(0.016f);
    const FloorMesh& mesh = floor->meshData();
    const float* v = mesh.vertices();
    for (int r = 0; r < FloorMesh::stripCount; ++r) {
        const std::uint32_t* strip = mesh.strip(r);
        for (int k = 0; k < FloorMesh::indicesPerStrip; ++k) ASSERT_LT(strip[k], 625u);
        EXPECT_EQ(strip[0], static_cast<std::uint32_t>(25 * r + 25));
        EXPECT_EQ(strip[1], static_cast<std::uint32_t>(25 * r));
        const float* a = v + 3 * strip[0];
        const float* b = v + 3 * strip[1];
        const float* c = v + 3 * strip[2];
        EXPECT_LT((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]), 0.0f) << "clockwise from +z, " << r;
    }
    EXPECT_LT(v[0], -2.8f + 0.3f);
    EXPECT_GT(v[3 * 624], 0.3f + 2.8f);
    for (int k = 0; k < 3 * 625; ++k) {
        ASSERT_GE(mesh.colours()[k], 0.0f);
        ASSERT_LE(mesh.colours()[k], 1.0f);
    }
}

TEST(DanceFloorTest, AViewJumpScrollsOneTilePerUpdateOnEachAxisUntilCaughtUp) {
    auto floor = placedFloor();
    const FloorTile before = floor->tile(25, 10);
    viewAt(*floor, Vector{5 * tile + 0.1f, 0.1f, 0.0f});
    floor->update(0.016f);
    EXPECT_EQ(floor->centreX, 1);
    EXPECT_EQ(floor->centreY, 0);
    EXPECT_EQ(floor->moved, 0) << "only x changed";
    // Every column moved one place down; the new far column is fresh.
    EXPECT_FLOAT_EQ(floor->tile(24, 10).x, before.x);
    EXPECT_FLOAT_EQ(floor->tile(24, 10).waveFrequency, before.waveFrequency);
    EXPECT_NEAR(floor->tile(50, 10).x, 26 * tile, 1e-4f);
    for (int update = 2; update <= 6; ++update) {
        floor->update(0.016f);
        EXPECT_EQ(floor->centreX, std::min(update, 5));
    }
    EXPECT_NEAR(floor->tile(25, 25).x, 5 * tile, 1e-4f);
    EXPECT_EQ(floor->scrolls, 0);

    // A diagonal step counts as a move; negative views scroll back.
    auto back = placedFloor();
    viewAt(*back, Vector{-2 * tile - 0.01f, -2 * tile - 0.01f, 0.0f});
    back->update(0.016f);
    EXPECT_EQ(back->centreX, -1);
    EXPECT_EQ(back->centreY, -1);
    EXPECT_EQ(back->moved, 1);
    back->update(0.016f);
    EXPECT_EQ(back->centreX, -2);
    EXPECT_EQ(back->scrolls, 2);
    EXPECT_NEAR(back->tile(0, 0).y, -27 * tile, 1e-4f);
    back->update(0.016f);
    EXPECT_EQ(back->moved, 0);
}

TEST(DanceFloorTest, WithNobodyNearTilesDriftAHundredStepsPerSecondAndASlowFrameStillMovesOne) {
    auto floor = placedFloor();
    sendPrimaAway(*floor);
    for (int round = 0; round < 50; ++round) {
        FloorTile before[5];
        for (int k = 0; k < 5; ++k) before[k] = floor->tile(15 + 4 * k, 20 + k);
        floor->update(0.05f);
        for (int k = 0; k < 5; ++k) {
            const FloorTile& now = floor->tile(15 + 4 * k, 20 + k);
            for (int c = 0; c < 3; ++c) {
                const float moved = now.colour[c] - before[k].colour[c];
                const float wanted = static_cast<float>(before[k].targetColour[c]) - before[k].colour[c];
                if (std::fabs(wanted) <= 5.0f) {  // arrived: a fresh target, the old one remembered
                    EXPECT_FLOAT_EQ(now.colour[c], before[k].targetColour[c]);
                    EXPECT_EQ(now.previousTarget[c], before[k].targetColour[c]);
                } else {
                    EXPECT_NEAR(std::fabs(moved), 5.0f, 1e-3f);
                    EXPECT_GT(moved * wanted, 0.0f);
                }
            }
        }
    }
    float reds[10];
    for (int k = 0; k < 10; ++k) reds[k] = floor->tile(16 + k, 30).colour[0];
    floor->update(0.001f);
    int fullSteps = 0;
    for (int k = 0; k < 10; ++k) {
        const float moved = std::fabs(floor->tile(16 + k, 30).colour[0] - reds[k]);
        EXPECT_LE(moved, 1.0f + 1e-3f);
        fullSteps += std::fabs(moved - 1.0f) < 1e-3f ? 1 : 0;
    }
    EXPECT_GE(fullSteps, 5);

    // Only the 21 x 21 visible tiles animate, each moving the wave clock on.
    const float clockBefore = floor->waveClock;
    const FloorTile margin = floor->tile(DanceFloor::lastVisible + 1, 25);
    floor->update(0.01f);
    EXPECT_NEAR(floor->waveClock - clockBefore, 21 * 21 * 0.01f, 1e-2f);
    EXPECT_EQ(floor->tile(DanceFloor::lastVisible + 1, 25).colour[0], margin.colour[0]);
    EXPECT_EQ(floor->tile(DanceFloor::lastVisible + 1, 25).waveOffsetX, margin.waveOffsetX);
}

// The lights a tile tries are chosen by rows and columns; none may be
// missed at their edges, and no tile beyond reach may take one.
TEST(DanceFloorTest, ExactlyTheTilesWithinThreeTilesOfADancerTakeHerMagenta) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> across(-3.2f, 3.2f);
    for (int trial = 0; trial < 200; ++trial) {
        DanceFloor floor;
        floor.place(171, 0.5f, 2.9f, Vector{}, 41);
        const float reach = 3.0f * tile;
        // Often right on a tile's row or column, or exactly a reach away.
        float x = across(random), y = across(random);
        if (trial % 4 == 1) x = std::round(x / tile) * tile;
        if (trial % 4 == 2) y = std::round(y / tile) * tile + reach;
        floor.touch(Kind::ballerina, Vector{x, y}, 0.3f, 0.3f, 1, 0.0f);
        sendPrimaAway(floor);
        floor.update(1.0f / 60.0f);
        auto visible = [](int k) { return k >= DanceFloor::firstVisible && k <= DanceFloor::lastVisible; };
        for (int i = DanceFloor::meshFirst; i <= DanceFloor::meshLast; ++i) {
            for (int j = DanceFloor::meshFirst; j <= DanceFloor::meshLast; ++j) {
                const FloorTile& t = floor.tile(i, j);
                const float dx = t.x - x, dy = t.y - y;
                const bool within = visible(i) && visible(j) && std::sqrt(dx * dx + dy * dy) < reach;
                ASSERT_EQ(hasTarget(t, magenta), within) << "trial " << trial << ", tile " << i << "," << j;
                ASSERT_FALSE(hasTarget(t, yellow));
            }
        }
    }
}

TEST(DanceFloorTest, ALitTileTurnsFullyAndDriftsOnWhenTheDancerLeaves) {
    auto floor = placedFloor();
    sendPrimaAway(*floor);
    const FloorTile& t = floor->tile(27, 23);
    for (int i = 0; i < 300; ++i) {
        floor->touch(Kind::ballerina, Vector{t.x + 0.1f, t.y - 0.1f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
        floor->update(0.01f);
    }
    EXPECT_FLOAT_EQ(t.colour[0], 255.0f);
    EXPECT_FLOAT_EQ(t.colour[1], 0.0f);
    EXPECT_FLOAT_EQ(t.colour[2], 255.0f);
    for (int i = 0; i < 31; ++i) floor->update(0.01f);
    EXPECT_GT(t.colour[1], 0.0f);
    EXPECT_LT(t.colour[0], 255.0f);
}

TEST(DanceFloorTest, BlossomsLightOrangeAndThePrimaBallerinasYellowWinsOverDancers) {
    auto floor = placedFloor();
    const FloorTile& t = floor->tile(20, 20);
    const Vector at{t.x, t.y, 0.0f};
    floor->touch(Kind::blossom1, at, 0.03f, 0.03f, 5, 0.0f);
    sendPrimaAway(*floor);
    floor->update(0.001f);
    EXPECT_TRUE(hasTarget(t, orange));
    floor->touch(Kind::dancerQ, at, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(Kind::prima, at, 0.2f, 0.2f, 1, 0.0f);
    floor->update(0.001f);
    EXPECT_TRUE(hasTarget(t, yellow));
}

TEST(DanceFloorTest, TouchesAreCollectedPerFrameUpToTheLimitAndBadOnesIgnored) {
    auto floor = placedFloor();
    for (int i = 0; i < 50; ++i) floor->touch(Kind::ballerina, Vector{0.1f, 0.1f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(144, Vector{0.2f, 0.1f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(Kind::cat, Vector{9.0f, 9.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    floor->touch(Kind::muse, Vector{9.0f, 9.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    viewAt(*floor, Vector{NAN, 1.0f, 0.0f});
    EXPECT_EQ(floor->dancerCount, DanceFloor::maxCollected);
    EXPECT_EQ(floor->blossomCount, 1);
    EXPECT_FLOAT_EQ(floor->primaX, 0.0f);
    EXPECT_FLOAT_EQ(floor->position.x, 0.0f);
    floor->update(0.016f);
    EXPECT_EQ(floor->dancerCount, 0);
    EXPECT_EQ(floor->blossomCount, 0);
}

TEST(DanceFloorTest, ResetKeepsThePictureSetAndBadArgumentsFallBackSafely) {
    auto floor = placedFloor();
    floor->reset(0.0f, -1.0f, Vector{NAN, 2.0f, 0.0f});
    EXPECT_EQ(floor->pictureSet, 171);
    EXPECT_EQ(floor->frameCount, 41);
    EXPECT_FLOAT_EQ(floor->textureScale, 0.5f);
    EXPECT_FLOAT_EQ(floor->tileSize, tile);
    EXPECT_EQ(floor->originX, 0);
    viewAt(*floor, Vector{1.0e30f, -1.0e30f, 0.0f});
    floor->update(NAN);
    EXPECT_EQ(floor->centreX, 1);
    EXPECT_EQ(floor->centreY, -1);
}

}  // namespace
