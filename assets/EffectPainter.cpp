// Sets 181-196: the particles of the effect pool, drawn by behaviour number.
// All are white and greys (the particle's colour tints them); frame 1 is the
// start of a particle's life and frame 8 its end, so each set opens, turns
// or softens over its eight frames.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

const Rgba white = grey(1.0);

void softCircle(cairo_t* cr, double x, double y, double r, double a) { Draw::glow(cr, x, y, r, grey(1.0, a)); }

void heartPetal(cairo_t* cr, double t) {
    Draw::heart(cr, 0.0, 0.0, 1.2 - 0.2 * t, 10.0 * std::sin(t * 6.0));
    Draw::fillRadial(cr, -0.15, 0.15, 0.05, 0.8, white, grey(0.8));
    Draw::outline(cr, grey(0.55, 0.9), 0.06);
}

void flower(cairo_t* cr, double t) {
    const double len = 0.75 - 0.25 * t;
    for (int i = 0; i < 5; ++i) Draw::petal(cr, 0.0, 0.0, 72.0 * i + t * 20.0, len, 0.3 - 0.08 * t);
    Draw::fillRadial(cr, 0, 0, 0.05, len, white, grey(0.78));
    Draw::outline(cr, grey(0.5), 0.05);
    Draw::circle(cr, 0.0, 0.0, 0.18);
    Draw::shape(cr, grey(0.7), 0.04);
}

void curl(cairo_t* cr, double t) {
    cairo_new_sub_path(cr);
    for (int k = 0; k <= 40; ++k) {
        const double u = k / 40.0;
        const double r = 0.08 + 0.7 * u;
        const double a = u * (540.0 - 180.0 * t);
        cairo_line_to(cr, r * Draw::dirX(a), r * Draw::dirY(a));
    }
    Draw::outline(cr, white, 0.16 - 0.06 * t);
}

void cloud(cairo_t* cr, double t, int variant) {
    const double s = 0.8 + 0.15 * t;
    const double a = 0.9 - 0.3 * t;
    for (int i = 0; i < 5; ++i) {
        const double ang = 72.0 * i + variant * 36.0 + t * 30.0;
        softCircle(cr, 0.35 * s * Draw::dirX(ang), 0.35 * s * Draw::dirY(ang), 0.5 * s, a * 0.8);
    }
    softCircle(cr, 0.0, 0.0, 0.6 * s, a);
}

void sparkle(cairo_t* cr, double t, int points) {
    const double s = 0.9 - 0.3 * std::fabs(t - 0.3);
    softCircle(cr, 0.0, 0.0, 0.7 * s, 0.7);
    Draw::star(cr, 0.0, 0.0, points, 0.95 * s, 0.18 * s, t * 45.0);
    Draw::fillRadial(cr, 0, 0, 0.0, 0.95 * s, white, grey(0.85));
    cairo_new_path(cr);
}

void streak(cairo_t* cr, double t) {
    Draw::ellipse(cr, 0.0, -0.15 - 0.1 * t, 0.16, 0.78 - 0.2 * t);
    Draw::fillLinear(cr, 0, 0.6, 0, -0.9, white, grey(1.0, 0.0));
    cairo_new_path(cr);
    softCircle(cr, 0.0, 0.45, 0.4 - 0.1 * t, 1.0);
}

void note(cairo_t* cr, double t, bool twin) {
    cairo_save(cr);
    cairo_rotate(cr, Draw::rad(12.0 * std::sin(t * 7.0)));
    const int heads = twin ? 2 : 1;
    for (int h = 0; h < heads; ++h) {
        const double x = twin ? -0.35 + h * 0.6 : -0.15;
        const double y = twin ? -0.5 + h * 0.1 : -0.45;
        Draw::ellipse(cr, x, y, 0.24, 0.17, 20.0);
        cairo_rectangle(cr, x + 0.15, y, 0.09, 0.9);
    }
    if (twin) {
        cairo_move_to(cr, -0.2, 0.4);
        cairo_line_to(cr, 0.44, 0.5);
        cairo_line_to(cr, 0.44, 0.68);
        cairo_line_to(cr, -0.2, 0.58);
        cairo_close_path(cr);
    } else {
        cairo_move_to(cr, 0.06, 0.45);
        cairo_curve_to(cr, 0.35, 0.4, 0.5, 0.2, 0.4, -0.05);
        cairo_line_to(cr, 0.35, 0.0);
        cairo_curve_to(cr, 0.4, 0.2, 0.25, 0.28, 0.06, 0.28);
        cairo_close_path(cr);
    }
    cairo_restore(cr);
    Draw::shape(cr, white, 0.06, 0.0, 0.45);
}

void flash(cairo_t* cr, double t) {
    const int rays = 12;
    for (int i = 0; i < rays; ++i) {
        const double a = 360.0 * i / rays;
        const double len = (i % 2 ? 0.6 : 0.95) * (0.7 + 0.3 * t);
        Draw::petal(cr, 0.0, 0.0, a, len, 0.08);
    }
    Draw::fillRadial(cr, 0, 0, 0.0, 0.95, white, grey(1.0, 0.3));
    cairo_new_path(cr);
    softCircle(cr, 0.0, 0.0, 0.5, 1.0 - 0.5 * t);
}

void petalRing(cairo_t* cr, double t) {
    const double r = 0.45 + 0.2 * t;
    for (int i = 0; i < 8; ++i) {
        const double a = 45.0 * i + t * 40.0;
        Draw::petal(cr, r * 0.5 * Draw::dirX(a), r * 0.5 * Draw::dirY(a), a, 0.42, 0.15);
    }
    Draw::fillRadial(cr, 0, 0, 0.1, 0.9, white, grey(0.82));
    Draw::outline(cr, grey(0.6), 0.04);
}

}  // namespace

void paintEffect(Canvas& c, int set, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    const double t = (frame - 1) / 7.0;
    switch (set) {
    case 181: softCircle(cr, 0.0, 0.0, 0.95, 1.0 - 0.5 * t); break;
    case 182:
        Draw::circle(cr, 0.0, 0.0, 0.3 + 0.55 * t);
        Draw::outline(cr, grey(1.0, 1.0 - 0.6 * t), 0.24 - 0.18 * t);
        break;
    case 183: cloud(cr, t, 1); break;
    case 184: heartPetal(cr, t); break;
    case 185: flower(cr, t); break;
    case 186: curl(cr, t); break;
    case 187:
        Draw::circle(cr, 0.0, 0.0, 0.95);
        Draw::fillRadial(cr, 0, 0, 0.2, 0.95, grey(1.0, 0.25 + 0.2 * (1 - t)), grey(1.0, 0.0));
        cairo_new_path(cr);
        Draw::circle(cr, 0.0, 0.0, 0.6 + 0.2 * t);
        Draw::outline(cr, grey(1.0, 0.35), 0.05);
        break;
    case 188: sparkle(cr, t, 4); break;
    case 189: cloud(cr, t, 0); break;
    case 190: cloud(cr, 1.0 - t * 0.5, 2); break;
    case 191: streak(cr, t); break;
    case 192: note(cr, t, false); break;
    case 193: note(cr, t, true); break;
    case 194: sparkle(cr, t, 6); break;
    case 195: flash(cr, t); break;
    default: petalRing(cr, t); break;
    }
}
