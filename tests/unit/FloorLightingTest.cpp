#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "actors/DanceFloor.h"

namespace {

constexpr std::uint8_t yellow[3] = {255, 255, 0};
constexpr std::uint8_t magenta[3] = {255, 0, 255};

bool hasTarget(const FloorTile& t, const std::uint8_t (&colour)[3]) {
    return t.targetColour[0] == colour[0] && t.targetColour[1] == colour[1] && t.targetColour[2] == colour[2];
}

// Every tile the mesh shows that lies within three tiles of a light takes
// its colour as its target, and no other tile does: the lights a tile tries
// are chosen by rows and columns, and none may be missed at their edges.
TEST(FloorLighting, ExactlyTheTilesWithinReachOfALightTakeItsColour) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> across(-3.2f, 3.2f);
    for (int trial = 0; trial < 200; ++trial) {
        DanceFloor floor;
        floor.place(171, 0.5f, 2.9f, Vector{}, 41);
        const float reach = 3.0f * floor.tileSize;
        // A dancer somewhere, often right on a tile's row or column or
        // exactly a reach away from one.
        float x = across(random), y = across(random);
        if (trial % 4 == 1) x = std::round(x / floor.tileSize) * floor.tileSize;
        if (trial % 4 == 2) y = std::round(y / floor.tileSize) * floor.tileSize + reach;
        floor.touch(Kind::ballerina, Vector{x, y}, 0.3f, 0.3f, 1, 0.0f);
        floor.touch(Kind::prima, Vector{50.0f, 50.0f}, 0.3f, 0.3f, 1, 0.0f);  // far off
        floor.update(1.0f / 60.0f);
        for (int i = DanceFloor::meshFirst; i <= DanceFloor::meshLast; ++i) {
            for (int j = DanceFloor::meshFirst; j <= DanceFloor::meshLast; ++j) {
                const FloorTile& t = floor.tile(i, j);
                const float dx = std::fabs(t.x - x), dy = std::fabs(t.y - y);
                const bool within = std::sqrt(dx * dx + dy * dy) < reach;
                ASSERT_EQ(hasTarget(t, magenta), within)
                    << "trial " << trial << ", tile " << i << "," << j << " at " << t.x << "," << t.y;
                ASSERT_FALSE(hasTarget(t, yellow));
            }
        }
    }
}

TEST(FloorLighting, TheLastLightOfATileWins) {
    DanceFloor floor;
    floor.place(171, 0.5f, 2.9f, Vector{}, 41);
    floor.touch(Kind::ballerina, Vector{0.0f, 0.0f}, 0.3f, 0.3f, 1, 0.0f);
    floor.touch(Kind::prima, Vector{0.1f, 0.0f}, 0.3f, 0.3f, 1, 0.0f);
    floor.update(1.0f / 60.0f);
    const FloorTile& centre = floor.tile(DanceFloor::gridHalf, DanceFloor::gridHalf);
    EXPECT_TRUE(hasTarget(centre, yellow)) << "the Prima Ballerina lights after the dancers";
}

}  // namespace
