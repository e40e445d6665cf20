#pragma once

#include <string>

#include "Canvas.h"

// Pieces shared by the screen pictures: buttons, panels, medals, blossoms,
// rosettes and landmarks, all in the common flower-power style.
namespace ScreenKit {

// A glossy rounded button with a label, in the box (x0, y0)-(x1, y1).
void button(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba& colour, const std::string& label,
            double textSize);
// A translucent rounded panel.
void panel(cairo_t* cr, double x0, double y0, double x1, double y1, double radius, const Rgba& fill,
           const Rgba& border);
// A blossom with n petals of radius r.
void blossom(cairo_t* cr, double x, double y, double r, int petals, const Rgba& petal, const Rgba& heart,
             double angle = 0.0);
// A round medal with a ribbon: 0 gold, 1 silver, 2 bronze; dim ones are greyed.
void medal(cairo_t* cr, int kind, bool lit, bool ribbon);
// A rosette of petal rings in rainbow colours.
void rosette(cairo_t* cr, double r, int rings, double turn);
// Leaves on a curving stem from (x0, y0) to (x1, y1).
void stem(cairo_t* cr, double x0, double y0, double x1, double y1, double bend);
// A butterfly facing up.
void butterfly(cairo_t* cr, double x, double y, double size, const Rgba& wing);
// A small arrow pointing up.
void arrowUp(cairo_t* cr, double x, double y, double size, const Rgba& colour);

}  // namespace ScreenKit
