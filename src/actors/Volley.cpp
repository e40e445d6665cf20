#include "actors/Volley.h"

#include "actors/Motion.h"

namespace {

int clampCount(int value) { return value < 0 ? 0 : (value > 3 ? 3 : value); }

struct LaunchFactors {
    float forward;
    float side;
};

// [blue][index - 1]
constexpr LaunchFactors launchTable[4][4] = {
    {{0.9f, 0.0f}, {0.9f, 0.0f}, {0.9f, 0.0f}, {0.9f, 0.0f}},
    {{0.75f, 0.75f}, {0.75f, -0.75f}, {0.75f, -0.75f}, {0.75f, -0.75f}},
    {{0.9f, 0.0f}, {0.75f, 0.75f}, {0.75f, -0.75f}, {0.75f, -0.75f}},
    {{0.25f, 1.25f}, {0.25f, -1.25f}, {0.75f, 0.5f}, {0.75f, -0.5f}},
};

}  // namespace

float throwIntervalFor(int blue) {
    constexpr float intervals[4] = {0.75f, 0.5f, 0.25f, 0.15f};
    return intervals[clampCount(blue)];
}

int volleySizeFor(int blue) { return 1 + clampCount(blue); }

int blossomKindFor(int red) { return 141 + clampCount(red); }

int nextLaunchIndex(int launchIndex, int volleySize) {
    if (launchIndex >= volleySize || launchIndex < 0) launchIndex = 0;
    return launchIndex + 1;
}

Vector launchOffset(int blue, int launchIndex, float size, float aimAngle) {
    const int b = clampCount(blue);
    const int count = volleySizeFor(b);
    const int index = launchIndex < 1 ? 1 : (launchIndex > count ? count : launchIndex);
    const LaunchFactors f = launchTable[b][index - 1];
    const Vector forward = headingVector(aimAngle);
    const Vector side = headingVector(aimAngle - 90.0f);
    return forward * (f.forward * size) + side * (f.side * size);
}
