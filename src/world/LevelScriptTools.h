#pragma once

// Small helpers shared by the level script files; not used elsewhere.

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "world/LevelSheet.h"

namespace levelscript {

constexpr std::uint8_t O = LevelSheet::kindO;
constexpr std::uint8_t P = LevelSheet::kindP;
constexpr std::uint8_t Q = LevelSheet::kindQ;
constexpr std::uint8_t T131 = 131;  // freeze
constexpr std::uint8_t T132 = 132;  // blue
constexpr std::uint8_t T133 = 133;  // green
constexpr std::uint8_t T134 = 134;  // red

// The Prima Ballerina and her cat at one point with the same values.
inline void primaAndCat(LevelSheet& L, Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                        std::uint8_t red) {
    L.placePrima(at, energy, blue, green, red);
    L.placeCat(at, energy, blue, green, red);
}

// One talent of each colour around a point: a small gift at the start.
inline void startTalents(LevelSheet& L, Vector at, float r = 0.8f) {
    L.placeTalent(T131, Vector{at.x + r, at.y});
    L.placeTalent(T132, Vector{at.x, at.y + r});
    L.placeTalent(T133, Vector{at.x - r, at.y});
    L.placeTalent(T134, Vector{at.x, at.y - r});
}

// A dancer's point: formations stand at z 0.5.
inline Vector at5(float x, float y) { return Vector{x, y, 0.5f}; }

// A point on a circle at an angle in degrees from the +x axis.
inline Vector onCircle(Vector centre, float radius, float degrees) {
    const float a = degrees * 0.017453292f;
    return Vector{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

}  // namespace levelscript
