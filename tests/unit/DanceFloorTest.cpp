#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "actors/DanceFloor.h"

namespace {

constexpr float tile = 0.29f;

std::unique_ptr<DanceFloor> placedFloor(Vector at = Vector{}) {
    auto floor = std::make_unique<DanceFloor>();
    floor->place(171, 0.5f, 2.9f, at, 41);
    return floor;
}

// Keeps the Prima Ballerina's light out of the way of a test.
void sendPrimaAway(DanceFloor& floor) { floor.touch(Kind::prima, Vector{500.0f, 500.0f, 0.0f}, 0.2f, 0.2f, 0, 0.0f); }

TEST(DanceFloorTest, PlaceLaysTheGridAroundThePosition) {
    auto floor = placedFloor(Vector{1.0f, -0.7f, 0.0f});
    EXPECT_FLOAT_EQ(floor->tileSize, tile);
    EXPECT_EQ(floor->pictureSet, 171);
    EXPECT_EQ(floor->frameCount, 41);
    EXPECT_EQ(floor->originX, 3);   // int(1.0 / 0.29)
    EXPECT_EQ(floor->originY, -2);  // truncated toward zero
    const FloorTile& centre = floor->tile(25, 25);
    EXPECT_NEAR(centre.x, 3 * tile, 1e-5f);
    EXPECT_NEAR(centre.y, -2 * tile, 1e-5f);
    EXPECT_NEAR(floor->tile(0, 50).x, (0 + 3 - 25) * tile, 1e-4f);
    EXPECT_NEAR(floor->tile(0, 50).y, (50 - 2 - 25) * tile, 1e-4f);
    EXPECT_NEAR(centre.u, centre.x / 0.5f, 1e-5f);
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

TEST(DanceFloorTest, TheMeshIsTwentyFiveByTwentyFiveInClockwiseStrips) {
    auto floor = placedFloor(Vector{0.3f, 0.3f, 0.0f});
    sendPrimaAway(*floor);
    floor->update(0.016f);
    const FloorMesh& mesh = floor->meshData();
    EXPECT_EQ(FloorMesh::vertexCount, 625);
    EXPECT_EQ(FloorMesh::stripCount, 24);
    EXPECT_EQ(FloorMesh::indicesPerStrip, 50);
    EXPECT_EQ(DanceFloor::meshLast - DanceFloor::meshFirst + 1, FloorMesh::columns);
    const float* v = mesh.vertices();
    for (int r = 0; r < FloorMesh::stripCount; ++r) {
        const std::uint32_t* strip = mesh.strip(r);
        for (int k = 0; k < FloorMesh::indicesPerStrip; ++k) ASSERT_LT(strip[k], 625u);
        EXPECT_EQ(strip[0], static_cast<std::uint32_t>(25 * r + 25));
        EXPECT_EQ(strip[1], static_cast<std::uint32_t>(25 * r));
        // The first triangle of every strip winds clockwise seen from +z.
        const float* a = v + 3 * strip[0];
        const float* b = v + 3 * strip[1];
        const float* c = v + 3 * strip[2];
        const float cross = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        EXPECT_LT(cross, 0.0f) << r;
    }
    // The mesh spans the whole view around the centre tile.
    EXPECT_LT(v[0], -2.8f + 0.3f);
    EXPECT_GT(v[3 * 624], 0.3f + 2.8f);
    for (int k = 0; k < 3 * 625; ++k) {
        ASSERT_GE(mesh.colours()[k], 0.0f);
        ASSERT_LE(mesh.colours()[k], 1.0f);
    }
}

TEST(DanceFloorTest, AViewJumpScrollsOneTilePerUpdateUntilCaughtUp) {
    auto floor = placedFloor();
    const float oldX = floor->tile(25, 10).x;
    const float oldFrequency = floor->tile(25, 10).waveFrequency;
    floor->touch(Kind::camera, Vector{5 * tile + 0.1f, 0.1f, 0.0f}, 0.0f, 0.0f, 0, 0.0f);
    EXPECT_FLOAT_EQ(floor->position.x, 5 * tile + 0.1f);
    floor->update(0.016f);
    EXPECT_EQ(floor->centreX, 1);
    EXPECT_EQ(floor->centreY, 0);
    EXPECT_EQ(floor->moved, 0);  // only x changed
    // Every column moved one place down; the new far column is fresh.
    EXPECT_FLOAT_EQ(floor->tile(24, 10).x, oldX);
    EXPECT_FLOAT_EQ(floor->tile(24, 10).waveFrequency, oldFrequency);
    EXPECT_NEAR(floor->tile(50, 10).x, 26 * tile, 1e-4f);
    for (int update = 2; update <= 5; ++update) {
        floor->update(0.016f);
        EXPECT_EQ(floor->centreX, update);
    }
    floor->update(0.016f);
    EXPECT_EQ(floor->centreX, 5);
    EXPECT_NEAR(floor->tile(25, 25).x, 5 * tile, 1e-4f);
    EXPECT_EQ(floor->scrolls, 0);
}

TEST(DanceFloorTest, ADiagonalStepCountsAsAMoveAndNegativeViewsScrollBack) {
    auto floor = placedFloor();
    floor->touch(Kind::camera, Vector{-2 * tile - 0.01f, -2 * tile - 0.01f, 0.0f}, 0.0f, 0.0f, 0, 0.0f);
    floor->update(0.016f);
    EXPECT_EQ(floor->centreX, -1);
    EXPECT_EQ(floor->centreY, -1);
    EXPECT_EQ(floor->moved, 1);
    floor->update(0.016f);
    EXPECT_EQ(floor->centreX, -2);
    EXPECT_EQ(floor->scrolls, 2);
    EXPECT_NEAR(floor->tile(25, 25).x, -2 * tile, 1e-4f);
    EXPECT_NEAR(floor->tile(0, 0).y, -27 * tile, 1e-4f);
    floor->update(0.016f);
    EXPECT_EQ(floor->moved, 0);
}

TEST(DanceFloorTest, WithNobodyNearTilesDriftAHundredStepsPerSecond) {
    auto floor = placedFloor();
    sendPrimaAway(*floor);
    for (int round = 0; round < 50; ++round) {
        FloorTile before[5];
        for (int k = 0; k < 5; ++k) before[k] = floor->tile(15 + 4 * k, 20 + k);
        floor->update(0.05f);  // 5 channel steps
        for (int k = 0; k < 5; ++k) {
            const FloorTile& now = floor->tile(15 + 4 * k, 20 + k);
            for (int c = 0; c < 3; ++c) {
                const float moved = now.colour[c] - before[k].colour[c];
                const float wanted = static_cast<float>(before[k].targetColour[c]) - before[k].colour[c];
                if (std::fabs(wanted) <= 5.0f) {
                    // Arrived: a fresh random target, the old one remembered.
                    EXPECT_FLOAT_EQ(now.colour[c], before[k].targetColour[c]);
                    EXPECT_EQ(now.previousTarget[c], before[k].targetColour[c]);
                } else {
                    EXPECT_NEAR(std::fabs(moved), 5.0f, 1e-3f);
                    EXPECT_GT(moved * wanted, 0.0f);  // toward the target
                }
            }
        }
    }
    // A slow frame still moves one whole step.
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
}

TEST(DanceFloorTest, ATileUnderADancerTurnsMagentaAndDriftsOnWhenSheLeaves) {
    auto floor = placedFloor();
    sendPrimaAway(*floor);
    const FloorTile& t = floor->tile(27, 23);
    const Vector dancer{t.x + 0.1f, t.y - 0.1f, 0.0f};
    for (int i = 0; i < 300; ++i) {
        floor->touch(Kind::ballerina, dancer, 0.2f, 0.2f, 1, 0.0f);
        floor->update(0.01f);
        ASSERT_EQ(t.targetColour[0], 255);
        ASSERT_EQ(t.targetColour[1], 0);
        ASSERT_EQ(t.targetColour[2], 255);
    }
    EXPECT_FLOAT_EQ(t.colour[0], 255.0f);
    EXPECT_FLOAT_EQ(t.colour[1], 0.0f);
    EXPECT_FLOAT_EQ(t.colour[2], 255.0f);
    // A tile four tiles away is out of her light.
    const FloorTile& far = floor->tile(31, 23);
    EXPECT_FALSE(far.targetColour[1] == 0 && far.targetColour[0] == 255);

    floor->update(0.01f);  // she is gone: the drift picks new random targets
    for (int i = 0; i < 30; ++i) floor->update(0.01f);
    EXPECT_GT(t.colour[1], 0.0f);
    EXPECT_LT(t.colour[0], 255.0f);
}

TEST(DanceFloorTest, BlossomsLightOrangeAndThePrimaBallerinaYellowOverDancers) {
    auto floor = placedFloor();
    const FloorTile& t = floor->tile(20, 20);
    const Vector at{t.x, t.y, 0.0f};
    floor->touch(Kind::blossom1, at, 0.03f, 0.03f, 5, 0.0f);
    sendPrimaAway(*floor);
    floor->update(0.001f);
    EXPECT_EQ(t.targetColour[0], 255);
    EXPECT_EQ(t.targetColour[1], 128);
    EXPECT_EQ(t.targetColour[2], 0);
    floor->touch(Kind::dancerQ, at, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(Kind::prima, at, 0.2f, 0.2f, 1, 0.0f);
    floor->update(0.001f);
    EXPECT_EQ(t.targetColour[0], 255);
    EXPECT_EQ(t.targetColour[1], 255);
    EXPECT_EQ(t.targetColour[2], 0);
}

TEST(DanceFloorTest, TouchesAreCollectedPerFrameAndBadOnesIgnored) {
    auto floor = placedFloor();
    for (int i = 0; i < 50; ++i) floor->touch(Kind::ballerina, Vector{0.1f, 0.1f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(144, Vector{0.2f, 0.1f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    floor->touch(Kind::cat, Vector{9.0f, 9.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    floor->touch(Kind::muse, Vector{9.0f, 9.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    floor->touch(Kind::camera, Vector{NAN, 1.0f, 0.0f}, 0.0f, 0.0f, 0, 0.0f);
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
    floor->touch(Kind::camera, Vector{1.0e30f, -1.0e30f, 0.0f}, 0.0f, 0.0f, 0, 0.0f);
    floor->update(NAN);
    EXPECT_EQ(floor->centreX, 1);
    EXPECT_EQ(floor->centreY, -1);
}

}  // namespace
