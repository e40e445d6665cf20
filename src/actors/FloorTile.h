#pragma once

#include <cstdint>

// One tile corner of the dance floor grid. The colour is kept in fractions
// of a channel step so that a slow drift (100 steps a second at any frame
// rate) does not stall on rounding.
struct FloorTile {
    float x = 0.0f;                      // world position at rest
    float y = 0.0f;
    float colour[3] = {};                // r, g, b, 0..255
    std::uint8_t targetColour[3] = {};
    std::uint8_t previousTarget[3] = {};
    float u = 0.0f;                      // texture coordinates
    float v = 0.0f;
    float waveOffsetX = 0.0f;
    float waveOffsetY = 0.0f;
    float waveAmplitudeX = 0.0f;
    float waveAmplitudeY = 0.0f;
    float waveFrequency = 0.0f;
};
