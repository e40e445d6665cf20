#pragma once

#include <cstdint>

// Colours the drawing reads from the actors. Alpha is a percentage (0..100).
struct Colour {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t alpha = 100;
};

// One part of a paper-doll look: its tint and a visible value, which for most
// layers is added to the layer's base frame (0 and 1 pick neighbouring frames).
struct CostumePart {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t alpha = 100;
    std::uint8_t visible = 1;
};
static_assert(sizeof(CostumePart) == 5, "costume parts are exchanged as bytes");

// The ten parts every drawn actor hands to the drawing, in drawing-table order
// (parts[0] is part 1).
struct Costume {
    static constexpr int partCount = 10;
    CostumePart parts[partCount];

    CostumePart& part(int number) { return parts[(number >= 1 && number <= partCount ? number : 1) - 1]; }
    const CostumePart& part(int number) const {
        return parts[(number >= 1 && number <= partCount ? number : 1) - 1];
    }
};
static_assert(sizeof(Costume) == 50, "ten parts of five bytes");
