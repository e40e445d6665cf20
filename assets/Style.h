#pragma once

#include "Canvas.h"

// The look shared by every picture: soft bright colours, clean shapes with
// light shading and outlines. Layers the game tints are drawn in these greys.
namespace Style {
constexpr Rgba tintBase = grey(0.93);      // body of a tinted layer
constexpr Rgba tintShade = grey(0.74);     // folds and shadows on it
constexpr Rgba tintLine = grey(0.36);      // outline of a tinted layer
constexpr Rgba tintDark = grey(0.14);      // pupils, slits: stay dark under any tint
constexpr double line = 0.028;             // outline width in unit space (about 2 px at 128)

constexpr Rgba plum = hexColour(0x3b2a4a);     // outlines of full-colour pictures
constexpr Rgba rose = hexColour(0xff8fc7);
constexpr Rgba pink = hexColour(0xffb3d9);
constexpr Rgba lilac = hexColour(0xb69cff);
constexpr Rgba violet = hexColour(0x8a5cf0);
constexpr Rgba mint = hexColour(0x7fe0c0);
constexpr Rgba leaf = hexColour(0x5cc27a);
constexpr Rgba sun = hexColour(0xffe066);
constexpr Rgba gold = hexColour(0xf5c542);
constexpr Rgba sky = hexColour(0x7cc8ff);
constexpr Rgba blue = hexColour(0x4a7cf0);
constexpr Rgba peach = hexColour(0xffb38a);
constexpr Rgba coral = hexColour(0xff6f6f);
constexpr Rgba cream = hexColour(0xfff4e0);
constexpr Rgba night = hexColour(0x241a3a);
constexpr Rgba dusk = hexColour(0x5b3f8c);
}  // namespace Style
