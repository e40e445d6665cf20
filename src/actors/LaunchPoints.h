#pragma once

#include <cstdint>

#include "actors/Vector.h"

// How a thrower's blue talents shape her volleys. Shared by the dancers and
// the Prima Ballerina, so both throw the same way.

// Seconds between volleys for blue 0..3 (out-of-range counts are clamped).
float throwIntervalForBlue(int blue);
// Blossoms per volley: 1 + blue (clamped to 0..3).
int volleySizeForBlue(int blue);
// Offset from the thrower's position of launch point launchIndex (1..volleySize,
// clamped) for size S = width + height, around aimAngle (degrees): forward is
// the heading of aimAngle, sideways the unit vector of aimAngle itself.
Vector launchOffset(int blue, int launchIndex, float size, float aimAngle);
