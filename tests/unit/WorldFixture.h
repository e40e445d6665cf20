#pragma once

// A World without a window, the seed clock fixed so that every run of a
// test sees the same random numbers, and small helpers to set a stage up by
// hand (a level without a script leaves every pool empty).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/Random.h"
#include "world/World.h"

namespace worldtest {

constexpr std::uint8_t emptyLevel = 40;  // no script: nothing is placed
constexpr float ballerinaSize = 0.175f;

inline std::time_t fixedClock() { return 4242; }

inline const char noName[10] = {};  // no name handed: the letters are still flying in

inline float planar(const Vector& a, const Vector& b) { return std::hypot(a.x - b.x, a.y - b.y); }

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        setSeedClock(fixedClock);
        world = std::make_unique<World>();
    }
    void TearDown() override { setSeedClock(nullptr); }
    // An empty stage (a level without a script, loaded and started as the Game
    // does it) with the Prima Ballerina and her cat at `at`.
    void emptyStage(Vector at = Vector{}, std::int32_t energy = 90, std::uint8_t difficulty = 1) {
        world->level = emptyLevel;
        world->difficulty = difficulty;
        world->load(0);
        world->startLevel(emptyLevel);
        world->prima().place(Kind::prima, energy, 0, 0, 0, at, ballerinaSize, ballerinaSize, 0.0f, 37);
        world->cat().place(Kind::cat, energy, 0, 0, 0, at, 0.025f, 0.025f, 0.0f, 37);
        world->primaHearts = energy;
    }
    Obstacle& ballerina(int slot, Vector at, std::uint8_t kind = Kind::ballerina, int blue = 0, int green = 0,
                        int red = 0, std::int32_t sadness = 90) {
        world->obstacles[slot]->place(kind, sadness, blue, green, red, 1, at, ballerinaSize, ballerinaSize, 0.0f, 37, 0,
                                      world->difficulty);
        return *world->obstacles[slot];
    }
    Muse& muse(int slot, Vector at) {
        world->muses[slot]->place(Kind::muse, at, 0.4f, 0.4f, 45.0f, 12);
        return *world->muses[slot];
    }
    void names(int slot, const char* name) {
        char* to = world->obstacles[slot]->name;
        std::memset(to, 0, sizeof world->obstacles[slot]->name);
        std::memcpy(to, name, std::min(std::strlen(name), sizeof world->obstacles[slot]->name - 1));
    }
    std::unique_ptr<World> world;
};

}  // namespace worldtest
