#include "actors/LaunchPoints.h"

#include <cmath>

#include "actors/Motion.h"

namespace {

int clampBlue(int blue) { return blue < 0 ? 0 : (blue > 3 ? 3 : blue); }

struct LaunchFactors {
    float forward;
    float side;
};

// Rows: blue 0..3; columns: launch points 1..4 (unused points are zero).
constexpr LaunchFactors launchTable[4][4] = {
    {{0.9f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}},
    {{0.75f, 0.75f}, {0.75f, -0.75f}, {0.0f, 0.0f}, {0.0f, 0.0f}},
    {{0.9f, 0.0f}, {0.75f, 0.75f}, {0.75f, -0.75f}, {0.0f, 0.0f}},
    {{0.25f, 1.25f}, {0.25f, -1.25f}, {0.75f, 0.5f}, {0.75f, -0.5f}},
};

}  // namespace

float throwIntervalForBlue(int blue) {
    constexpr float intervals[4] = {0.75f, 0.5f, 0.25f, 0.15f};
    return intervals[clampBlue(blue)];
}

int volleySizeForBlue(int blue) { return 1 + clampBlue(blue); }

Vector launchOffset(int blue, int launchIndex, float size, float aimAngle) {
    const int row = clampBlue(blue);
    const int count = volleySizeForBlue(row);
    const int index = launchIndex < 1 ? 1 : (launchIndex > count ? count : launchIndex);
    const LaunchFactors f = launchTable[row][index - 1];
    const Vector forward = headingVector(aimAngle);
    const float a = aimAngle * degreesToRadians;
    const Vector side{std::cos(a), std::sin(a), 0.0f};
    return forward * (f.forward * size) + side * (f.side * size);
}
