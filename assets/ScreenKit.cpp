#include "ScreenKit.h"

#include <algorithm>
#include <cmath>

#include "Draw.h"
#include "Fonts.h"
#include "Style.h"

namespace ScreenKit {

void button(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba& colour, const std::string& label,
            double textSize) {
    const double r = std::min(x1 - x0, y1 - y0) * 0.45;
    const double lw = (y1 - y0) * 0.06;
    Draw::roundedRect(cr, x0 + lw * 0.5, y0 + lw * 0.2, x1 - lw * 0.5, y1 - lw, r);
    Draw::fillLinear(cr, 0, y1, 0, y0, lighter(colour, 0.35), darker(colour, 0.1));
    Draw::outline(cr, Style::plum, lw);
    // Gloss on the upper half.
    Draw::roundedRect(cr, x0 + lw * 2, (y0 + y1) / 2, x1 - lw * 2, y1 - lw * 2.2, r * 0.7);
    Draw::fillLinear(cr, 0, y1, 0, (y0 + y1) / 2, Rgba{1, 1, 1, 0.55}, Rgba{1, 1, 1, 0.05});
    cairo_new_path(cr);
    if (!label.empty())
        Fonts::text(cr, FontId::SansBold, textSize, (x0 + x1) / 2, (y0 + y1) / 2 - textSize * 0.36, label,
                    Fonts::Align::Centre, Style::cream, Style::plum, textSize * 0.16);
}

void panel(cairo_t* cr, double x0, double y0, double x1, double y1, double radius, const Rgba& fill,
           const Rgba& border) {
    Draw::roundedRect(cr, x0, y0, x1, y1, radius);
    Draw::fillLinear(cr, 0, y1, 0, y0, lighter(fill, 0.12), fill);
    Draw::outline(cr, border, radius * 0.12);
}

void blossom(cairo_t* cr, double x, double y, double r, int petals, const Rgba& petal, const Rgba& heart,
             double angle) {
    for (int i = 0; i < petals; ++i)
        Draw::petal(cr, x, y, angle + 360.0 * i / petals, r, r * (petals > 6 ? 0.3 : 0.42));
    Draw::shape(cr, petal, r * 0.07, 0.45, 0.5);
    Draw::circle(cr, x, y, r * 0.28);
    Draw::shape(cr, heart, r * 0.06, 0.5, 0.5);
}

void medal(cairo_t* cr, int kind, bool lit, bool ribbon) {
    const Rgba metals[3] = {hexColour(0xf5c542), hexColour(0xd4dbe6), hexColour(0xd88a4f)};
    const Rgba ribbons[3] = {hexColour(0xe8467c), hexColour(0x5b8ff0), hexColour(0x4fbf7a)};
    Rgba metal = metals[kind], band = ribbons[kind];
    if (!lit) {
        metal = withAlpha(mix(metal, grey(0.45), 0.7), 0.7);
        band = withAlpha(mix(band, grey(0.4), 0.75), 0.7);
    }
    // The ribbon stays in the lower three quarters of the picture: the menu
    // sets the medals just under the world map, whose southern cities it
    // must not cover.
    if (ribbon) {
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * 0.08, 0.1);
            cairo_line_to(cr, side * 0.42, 0.55);
            cairo_line_to(cr, side * 0.12, 0.55);
            cairo_line_to(cr, side * -0.15, 0.1);
            cairo_close_path(cr);
        }
        Draw::shape(cr, band, 0.04);
    }
    const double cy = ribbon ? -0.3 : 0.0, r = ribbon ? 0.62 : 0.85;
    Draw::wavyRing(cr, 0.0, cy, r, 16, r * 0.04);
    Draw::shape(cr, metal, 0.05, 0.55, 0.5);
    Draw::circle(cr, 0.0, cy, r * 0.72);
    Draw::outline(cr, withAlpha(darker(metal, 0.3), metal.a), 0.035);
    Draw::star(cr, 0.0, cy, 5, r * 0.45, r * 0.2);
    Draw::shape(cr, lighter(metal, 0.35), 0.03, 0.3, 0.45);
}

void rosette(cairo_t* cr, double r, int rings, double turn) {
    const Rgba colours[6] = {Style::rose, Style::sun, Style::mint, Style::sky, Style::lilac, Style::peach};
    for (int ring = 0; ring < rings; ++ring) {
        const double rr = r * (1.0 - ring * 0.8 / rings);
        const int petals = 16 - ring * 2;
        const double a0 = turn + ring * 11.0;
        for (int i = 0; i < petals; ++i) Draw::petal(cr, 0, 0, a0 + 360.0 * i / petals, rr, rr * 0.22);
        Draw::shape(cr, colours[ring % 6], rr * 0.03, 0.5, 0.5);
    }
    Draw::circle(cr, 0, 0, r * 0.2);
    Draw::shape(cr, Style::gold, r * 0.02, 0.6, 0.5);
}

void stem(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
    const double mx = (x0 + x1) / 2 + bend, my = (y0 + y1) / 2;
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx, my, mx, my, x1, y1);
    const double len = std::hypot(x1 - x0, y1 - y0);
    Draw::outline(cr, darker(Style::leaf, 0.25), len * 0.05);
    for (int k = 1; k <= 3; ++k) {
        const double t = k / 4.0;
        const double x = (1 - t) * (1 - t) * x0 + 2 * t * (1 - t) * mx + t * t * x1;
        const double y = (1 - t) * (1 - t) * y0 + 2 * t * (1 - t) * my + t * t * y1;
        Draw::petal(cr, x, y, (k % 2 ? 60.0 : -60.0), len * 0.22, len * 0.08);
    }
    Draw::shape(cr, Style::leaf, len * 0.015);
}

void butterfly(cairo_t* cr, double x, double y, double size, const Rgba& wing) {
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, x + side * size * 0.32, y + size * 0.2, size * 0.33, size * 0.26, side * -25.0);
        Draw::ellipse(cr, x + side * size * 0.25, y - size * 0.22, size * 0.22, size * 0.18, side * 30.0);
    }
    Draw::shape(cr, wing, size * 0.04, 0.55, 0.5);
    for (double side : {-1.0, 1.0}) {
        Draw::circle(cr, x + side * size * 0.34, y + size * 0.22, size * 0.1);
        Draw::fillFlat(cr, lighter(wing, 0.6));
        cairo_new_path(cr);
    }
    Draw::ellipse(cr, x, y, size * 0.07, size * 0.38);
    Draw::shape(cr, Style::plum, 0.0);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, x + side * size * 0.02, y + size * 0.34);
        cairo_curve_to(cr, x + side * size * 0.08, y + size * 0.5, x + side * size * 0.14, y + size * 0.52,
                       x + side * size * 0.2, y + size * 0.55);
    }
    Draw::outline(cr, Style::plum, size * 0.03);
}

void arrowUp(cairo_t* cr, double x, double y, double size, const Rgba& colour) {
    cairo_move_to(cr, x, y + size * 0.5);
    cairo_line_to(cr, x + size * 0.45, y - size * 0.05);
    cairo_line_to(cr, x + size * 0.18, y - size * 0.05);
    cairo_line_to(cr, x + size * 0.18, y - size * 0.5);
    cairo_line_to(cr, x - size * 0.18, y - size * 0.5);
    cairo_line_to(cr, x - size * 0.18, y - size * 0.05);
    cairo_line_to(cr, x - size * 0.45, y - size * 0.05);
    cairo_close_path(cr);
    Draw::shape(cr, colour, size * 0.06, 0.5, 0.55);
}

}  // namespace ScreenKit
