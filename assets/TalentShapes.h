#pragma once

#include <cairo.h>

#include "Canvas.h"

// The four talents told apart by shape as well as by colour, everywhere they
// appear (on the stage, around the dial, on the badge): a player who cannot
// tell red from green still tells a drop from a shield.
//
//   freeze (violet)   a hexagonal ice crystal with a snowflake
//   garden (blue)     a water drop with a watering can: more flowers
//   speed (green)     a shield pointing ahead with a wing: faster
//   flowers (red)     a five-petal blossom with a heart: nicer flowers
namespace TalentShape {

enum Kind { freeze = 0, garden = 1, speed = 2, flowers = 3 };

// The talent of a stage set (131-134, and 135-138 for the super talents).
int ofSet(int set);
// The talents of the interface's categories: 0 blue, 1 green, 2 red.
int ofCategory(int category);

// The outline of the talent's body, centred on (0, 0), about r in radius.
// Starts a new sub-path; does not fill.
void body(cairo_t* cr, int kind, double r);

// The talent's symbol, about r in radius: its dark outline only (outline),
// its light fill only (fill), or both.
enum class Part { outline, fill, both };
void symbol(cairo_t* cr, int kind, double r, Part part, const Rgba& fillColour, const Rgba& lineColour);

}  // namespace TalentShape
