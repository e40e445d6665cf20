#include "unit/WorldFixture.h"

namespace {

using worldtest::WorldTest;

// While ballerinas are missing from the goal and none is left unhappy, new
// ones enter one per think; the muses are topped up to the level's number.
// A newcomer keeps the plain sensitivity of her placing at every difficulty,
// and never stands within 0.75 of another slot's position.
TEST_F(WorldTest, NewBallerinasEnterWithPlainSensitivityAndMusesAreToppedUp) {
    for (std::uint8_t difficulty : {1, 2, 3}) {
        emptyStage(Vector{}, 90, difficulty);
        world->goalHappy = 3;
        world->maxMuses = 2;
        for (int i = 0; i < 200; ++i) world->think(0.02f);
        int ballerinas = 0;
        for (int i = 0; i < World::poolCapacity; ++i) {
            const Obstacle& o = *world->obstacles[i];
            if (o.kind == 0) continue;
            ++ballerinas;
            EXPECT_EQ(o.kind, Kind::ballerina);
            EXPECT_EQ(o.sadness, 90);
            EXPECT_FLOAT_EQ(o.sensitivity, 1.0f) << "difficulty " << int{difficulty};
            EXPECT_TRUE(std::fabs(o.position.x) <= 10.0f && std::fabs(o.position.y) <= 10.0f);
            for (int j = 0; j < World::poolCapacity; ++j) {
                if (j == i) continue;
                EXPECT_GT(worldtest::planar(o.position, world->obstacles[j]->position), 0.75f);
            }
        }
        EXPECT_GT(ballerinas, 0);
        world->census();
        EXPECT_EQ(world->counts[World::countMusesIndex], 2);
        for (int i = 0; i < World::poolCapacity; ++i) {
            const Muse& m = *world->muses[i];
            if (m.kind == 0) continue;
            EXPECT_TRUE(std::fabs(m.position.x) <= 5.0f && std::fabs(m.position.y) <= 5.0f);
        }
    }
}

}  // namespace
