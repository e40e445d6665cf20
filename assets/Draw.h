#pragma once

#include <cairo.h>

#include "Canvas.h"

// Paths and fills shared by the painters. Angles are degrees; 0 points up
// (+y, the front of a sprite) and angles grow counter-clockwise, as the
// game's own angles do.
namespace Draw {

constexpr double pi = 3.14159265358979323846;
double rad(double degrees);
// Unit vector of a game angle: 0 is up.
double dirX(double degrees);
double dirY(double degrees);

void setColour(cairo_t* cr, const Rgba& c);

// Paths (each starts a new sub-path; none fills).
void circle(cairo_t* cr, double x, double y, double r);
void ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0.0);
void roundedRect(cairo_t* cr, double x0, double y0, double x1, double y1, double r);
void star(cairo_t* cr, double x, double y, int points, double outer, double inner, double angle = 0.0);
// A heart centred on (x, y), size = its height.
void heart(cairo_t* cr, double x, double y, double size, double angle = 0.0);
// An almond petal from its base (x, y) pointing along angle.
void petal(cairo_t* cr, double x, double y, double angle, double length, double width);
// A circle with n round bumps on its rim (a blossom, a frilled tutu).
void scallops(cairo_t* cr, double x, double y, double r, int n, double depth, double angle = 0.0);
// A circle with n pointed waves.
void wavyRing(cairo_t* cr, double x, double y, double r, int n, double depth, double angle = 0.0);

// Fills of the current path, kept for an outline afterwards.
void fillFlat(cairo_t* cr, const Rgba& c);
// Soft light from the upper left: lighter centre, the colour at the rim.
void fillShaded(cairo_t* cr, const Rgba& c, double light = 0.35);
void fillRadial(cairo_t* cr, double x, double y, double r0, double r1, const Rgba& inner, const Rgba& outer);
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba& a, const Rgba& b);
// Strokes (and consumes) the current path.
void outline(cairo_t* cr, const Rgba& c, double width);
// Fill shaded, then outline in a darker shade of the same colour.
void shape(cairo_t* cr, const Rgba& c, double outlineWidth, double light = 0.35, double dark = 0.55);
// A soft round shadow or glow: colour in the centre fading to nothing.
void glow(cairo_t* cr, double x, double y, double r, const Rgba& c);

}  // namespace Draw
