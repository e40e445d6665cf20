#include "TalentShapes.h"

#include <cmath>
#include <initializer_list>

#include "Draw.h"

namespace TalentShape {

int ofSet(int set) {
    const int k = (set - 131) % 4;
    return k < 0 ? 0 : k;
}

int ofCategory(int category) {
    switch (category) {
    case 0: return garden;
    case 1: return speed;
    default: return flowers;
    }
}

void body(cairo_t* cr, int kind, double r) {
    cairo_new_sub_path(cr);
    switch (kind) {
    case freeze:  // a hexagon standing on a corner
        for (int i = 0; i < 6; ++i) {
            const double a = 60.0 * i;
            cairo_line_to(cr, r * Draw::dirX(a), r * Draw::dirY(a));
        }
        cairo_close_path(cr);
        break;
    case garden: {  // a water drop, its point ahead
        const double cy = -0.2 * r, R = 0.8 * r;
        cairo_move_to(cr, 0.0, 1.02 * r);
        cairo_curve_to(cr, 0.3 * r, 0.72 * r, R, 0.35 * r, R, cy);
        for (int i = 1; i < 40; ++i) {
            const double t = -Draw::pi * i / 40.0;
            cairo_line_to(cr, R * std::cos(t), cy + R * std::sin(t));
        }
        cairo_line_to(cr, -R, cy);
        cairo_curve_to(cr, -R, 0.35 * r, -0.3 * r, 0.72 * r, 0.0, 1.02 * r);
        cairo_close_path(cr);
        break;
    }
    case speed:  // an arrowhead pointing ahead, notched at the back
        cairo_move_to(cr, 0.0, 1.02 * r);
        cairo_curve_to(cr, 0.35 * r, 0.5 * r, 0.8 * r, -0.2 * r, 0.95 * r, -0.72 * r);
        cairo_curve_to(cr, 0.6 * r, -0.62 * r, 0.25 * r, -0.5 * r, 0.0, -0.32 * r);
        cairo_curve_to(cr, -0.25 * r, -0.5 * r, -0.6 * r, -0.62 * r, -0.95 * r, -0.72 * r);
        cairo_curve_to(cr, -0.8 * r, -0.2 * r, -0.35 * r, 0.5 * r, 0.0, 1.02 * r);
        cairo_close_path(cr);
        break;
    default:  // a blossom of five round petals
        Draw::scallops(cr, 0.0, 0.0, 0.8 * r, 5, 0.2 * r);
        break;
    }
}

namespace {

// One pass over the symbol: the dark outline pass draws every stroke wider
// and every area with a border; the fill pass draws them at their size.
class SymbolPass {
public:
    SymbolPass(cairo_t* cr, double r, bool outline, const Rgba& colour)
        : cr(cr), r(r), outline(outline), colour(colour) {}

    void stroke(double width) {
        Draw::setColour(cr, colour);
        cairo_set_line_width(cr, (outline ? width + 0.14 : width) * r);
        cairo_stroke(cr);
    }
    void area() {
        Draw::setColour(cr, colour);
        if (outline) {
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.14 * r);
            cairo_stroke(cr);
        } else {
            cairo_fill(cr);
        }
    }
    double x(double v) const { return v * r; }

private:
    cairo_t* cr;
    double r;
    bool outline;
    Rgba colour;
};

void snowflake(cairo_t* cr, SymbolPass& p) {
    for (int i = 0; i < 6; ++i) {
        const double a = 60.0 * i;
        cairo_move_to(cr, 0.0, 0.0);
        cairo_line_to(cr, p.x(0.9 * Draw::dirX(a)), p.x(0.9 * Draw::dirY(a)));
        const double mx = 0.52 * Draw::dirX(a), my = 0.52 * Draw::dirY(a);
        for (double side : {45.0, -45.0}) {
            cairo_move_to(cr, p.x(mx), p.x(my));
            cairo_line_to(cr, p.x(mx + 0.3 * Draw::dirX(a + side)), p.x(my + 0.3 * Draw::dirY(a + side)));
        }
    }
    p.stroke(0.16);
}

void wateringCan(cairo_t* cr, SymbolPass& p) {
    // Handle, then spout, then the can over both.
    cairo_move_to(cr, p.x(-0.62), p.x(0.05));
    cairo_curve_to(cr, p.x(-0.62), p.x(0.62), p.x(-0.05), p.x(0.62), p.x(-0.05), p.x(0.16));
    p.stroke(0.14);
    cairo_move_to(cr, p.x(0.1), p.x(-0.3));
    cairo_line_to(cr, p.x(0.66), p.x(0.28));
    p.stroke(0.16);
    Draw::ellipse(cr, p.x(0.72), p.x(0.34), p.x(0.12), p.x(0.19), -45.0);
    p.area();
    Draw::roundedRect(cr, p.x(-0.62), p.x(-0.62), p.x(0.22), p.x(0.12), p.x(0.14));
    p.area();
    // Three drops falling from the rose.
    Draw::circle(cr, p.x(0.92), p.x(0.06), p.x(0.07));
    Draw::circle(cr, p.x(0.74), p.x(-0.1), p.x(0.07));
    Draw::circle(cr, p.x(0.95), p.x(-0.28), p.x(0.07));
    p.area();
}

void wing(cairo_t* cr, SymbolPass& p) {
    const double lengths[4] = {1.3, 1.12, 0.92, 0.72};
    for (int k = 3; k >= 0; --k) {
        Draw::petal(cr, p.x(-0.5), p.x(-0.5), -28.0 - k * 22.0, p.x(lengths[k]), p.x(0.2));
        p.area();
    }
    Draw::circle(cr, p.x(-0.5), p.x(-0.5), p.x(0.2));
    p.area();
}

void heart(cairo_t* cr, SymbolPass& p) {
    Draw::heart(cr, 0.0, p.x(-0.04), p.x(1.45));
    p.area();
}

void draw(cairo_t* cr, int kind, SymbolPass& p) {
    switch (kind) {
    case freeze: snowflake(cr, p); break;
    case garden: wateringCan(cr, p); break;
    case speed: wing(cr, p); break;
    default: heart(cr, p); break;
    }
}

}  // namespace

void symbol(cairo_t* cr, int kind, double r, Part part, const Rgba& fillColour, const Rgba& lineColour) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (part != Part::fill) {
        SymbolPass dark(cr, r, true, lineColour);
        draw(cr, kind, dark);
    }
    if (part != Part::outline) {
        SymbolPass light(cr, r, false, fillColour);
        draw(cr, kind, light);
    }
    cairo_restore(cr);
}

}  // namespace TalentShape
