// Set 113: the fast unnamed throwers, spinning dancers in a swirl skirt with
// a racing cap. Stack: 3 (speed streaks, own colours), 1 skirt, 2 stripes,
// 4 ponytail, 5 bodice and arms, 6 collar, 7 clips, 8 cap.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

using Style::tintBase;
using Style::tintLine;
using Style::tintShade;

void streaks(cairo_t* cr) {
    Draw::glow(cr, 0.03, -0.08, 0.7, Rgba{0.1, 0.05, 0.2, 0.4});
    for (int i = -2; i <= 2; ++i) {
        const double x = i * 0.13;
        cairo_move_to(cr, x, -0.5 + std::abs(i) * 0.08);
        cairo_line_to(cr, x * 1.1, -0.92 + std::abs(i) * 0.1);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, -0.5, 0, -0.92);
        cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.85, 0.4, 0.85);
        cairo_pattern_add_color_stop_rgba(p, 1, 1.0, 0.5, 0.2, 0.0);
        cairo_set_source(cr, p);
        cairo_set_line_width(cr, 0.05);
        cairo_stroke(cr);
        cairo_pattern_destroy(p);
    }
}

void skirt(cairo_t* cr) {
    Draw::wavyRing(cr, 0.0, -0.02, 0.6, 10, 0.04, 0.0);
    Draw::fillRadial(cr, 0, 0, 0.15, 0.62, tintBase, grey(0.8));
    Draw::outline(cr, tintLine, Style::line);
}

void stripes(cairo_t* cr) {
    // Spiral gores: the skirt looks as if it spins.
    for (int i = 0; i < 6; ++i) {
        const double a0 = 60.0 * i;
        cairo_new_sub_path(cr);
        for (int k = 0; k <= 12; ++k) {
            const double t = k / 12.0;
            const double r = 0.22 + t * 0.36;
            const double a = a0 + t * 70.0;
            cairo_line_to(cr, r * Draw::dirX(a), r * Draw::dirY(a) - 0.02);
        }
        for (int k = 12; k >= 0; --k) {
            const double t = k / 12.0;
            const double r = 0.22 + t * 0.36;
            const double a = a0 + t * 70.0 + 14.0 + t * 10.0;
            cairo_line_to(cr, r * Draw::dirX(a), r * Draw::dirY(a) - 0.02);
        }
        cairo_close_path(cr);
    }
    Draw::shape(cr, tintBase, 0.015);
}

void ponytail(cairo_t* cr) {
    for (int i = -1; i <= 1; ++i) Draw::petal(cr, i * 0.03, -0.08, 180.0 + i * 12.0, 0.62, 0.08);
    Draw::shape(cr, tintBase, Style::line, 0.5);
}

void bodiceAndArms(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.2, 0.0);
        cairo_curve_to(cr, side * 0.45, 0.1, side * 0.6, 0.35, side * 0.5, 0.55);
    }
    cairo_path_t* arms = cairo_copy_path(cr);
    Draw::outline(cr, tintLine, 0.12);
    cairo_append_path(cr, arms);
    Draw::outline(cr, tintBase, 0.07);
    cairo_path_destroy(arms);
    for (double side : {-1.0, 1.0}) {
        Draw::circle(cr, side * 0.5, 0.55, 0.055);
        Draw::shape(cr, tintBase, Style::line);
    }
    Draw::ellipse(cr, 0.0, 0.0, 0.26, 0.17);
    Draw::shape(cr, tintBase, Style::line, 0.4);
}

void collar(cairo_t* cr) {
    Draw::scallops(cr, 0.0, 0.03, 0.22, 12, 0.03);
    Draw::circle(cr, 0.0, 0.03, 0.15);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, tintBase, 0.02);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void clips(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double a = 100.0 + i * 40.0;
        Draw::star(cr, 0.2 * Draw::dirX(a), 0.2 * Draw::dirY(a) + 0.03, 5, 0.05, 0.022, a);
    }
    Draw::shape(cr, tintBase, 0.012);
}

void cap(cairo_t* cr) {
    Draw::circle(cr, 0.0, 0.03, 0.15);
    Draw::shape(cr, tintBase, Style::line, 0.5);
    // Visor at the front and the slits of the goggles.
    Draw::ellipse(cr, 0.0, 0.16, 0.13, 0.05);
    Draw::shape(cr, grey(0.8), 0.02);
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, side * 0.055, 0.1, 0.035, 0.014);
        Draw::fillFlat(cr, Style::tintDark);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, 0.0, 0.16);
    cairo_line_to(cr, 0.0, -0.1);
    Draw::outline(cr, tintShade, 0.02);
}

}  // namespace

void paintRacer(Canvas& c, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    switch (frame) {
    case 1: skirt(cr); break;
    case 2: stripes(cr); break;
    case 3: streaks(cr); break;
    case 4: ponytail(cr); break;
    case 5: bodiceAndArms(cr); break;
    case 6: collar(cr); break;
    case 7: clips(cr); break;
    case 8: cap(cr); break;
    default: break;
    }
}
