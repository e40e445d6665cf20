// Set 106: the Prima Ballerina's cat, seen from above, head to the front.
// Frames 1 and 10-16 (the body, breathing while it idles), 6 and 17 take the
// fur colour; 2, 3, 7, 8, 9 and 18 the markings (costume part 2); 5 is drawn
// in a fixed brown and 4, the shadow, in its own colours.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

using Style::tintBase;
using Style::tintLine;
using Style::tintShade;

constexpr double headX = 0.0, headY = 0.36, headR = 0.24;

void body(cairo_t* cr, int breath) {
    // Breathing: the flanks widen and narrow over the seven idle frames.
    const double b = 1.0 + 0.035 * std::sin(breath * Draw::pi / 3.5);
    cairo_save(cr);
    Draw::ellipse(cr, 0.0, -0.1, 0.29 * b, 0.4);
    Draw::circle(cr, 0.19 * b, -0.3, 0.17);
    Draw::circle(cr, -0.19 * b, -0.3, 0.17);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Draw::fillShaded(cr, tintBase, 0.5);
    Draw::outline(cr, tintLine, Style::line);
    cairo_restore(cr);
    // The spine, softly.
    cairo_move_to(cr, 0.0, 0.15);
    cairo_curve_to(cr, 0.01, -0.1, -0.01, -0.3, 0.0, -0.44);
    Draw::outline(cr, withAlpha(tintShade, 0.6), 0.03);
}

void markings(cairo_t* cr, bool grabbing) {
    // Tabby stripes across the back.
    for (int i = 0; i < 4; ++i) {
        const double y = -0.38 + i * 0.13;
        const double w = 0.2 + 0.04 * std::sin(i * 1.3);
        cairo_move_to(cr, -w, y - 0.03);
        cairo_curve_to(cr, -w * 0.4, y + 0.04, w * 0.4, y + 0.04, w, y - 0.03);
    }
    Draw::outline(cr, tintBase, 0.045);
    // Front paws: relaxed, or curled forward to hold on.
    for (double side : {-1.0, 1.0}) {
        if (grabbing) {
            Draw::ellipse(cr, side * 0.11, 0.2, 0.075, 0.09, side * 10.0);
            Draw::shape(cr, tintBase, Style::line);
            for (int t = -1; t <= 1; ++t) {
                cairo_move_to(cr, side * 0.11 + t * 0.03, 0.28);
                cairo_line_to(cr, side * 0.11 + t * 0.035, 0.31);
            }
            Draw::outline(cr, Style::tintDark, 0.018);
        } else {
            Draw::ellipse(cr, side * 0.15, 0.17, 0.07, 0.085);
            Draw::shape(cr, tintBase, Style::line);
        }
    }
}

void ear(cairo_t* cr, double side, double scale) {
    const double a = side * 38.0;
    const double baseA = a - side * 22.0, baseB = a + side * 22.0;
    const double tip = headR + 0.14 * scale;
    const double base = headR * 0.8;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, headX + base * Draw::dirX(baseA), headY + base * Draw::dirY(baseA));
    cairo_line_to(cr, headX + tip * Draw::dirX(a), headY + tip * Draw::dirY(a));
    cairo_line_to(cr, headX + base * Draw::dirX(baseB), headY + base * Draw::dirY(baseB));
    cairo_close_path(cr);
}

void ears(cairo_t* cr, bool inner) {
    for (double side : {-1.0, 1.0}) {
        if (inner) {
            cairo_save(cr);
            cairo_translate(cr, headX + headR * 0.7 * Draw::dirX(side * 38), headY + headR * 0.7 * Draw::dirY(side * 38));
            cairo_scale(cr, 0.55, 0.55);
            cairo_translate(cr, -(headX + headR * 0.7 * Draw::dirX(side * 38)),
                            -(headY + headR * 0.7 * Draw::dirY(side * 38)));
            ear(cr, side, 1.0);
            cairo_restore(cr);
            Draw::fillFlat(cr, tintShade);
            cairo_new_path(cr);
        } else {
            ear(cr, side, 1.0);
            Draw::shape(cr, grey(0.95), Style::line);
        }
    }
}

void head(cairo_t* cr) {
    Draw::ellipse(cr, headX, headY, headR * 1.08, headR);
    Draw::shape(cr, tintBase, Style::line, 0.5);
}

void forehead(cairo_t* cr) {
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, i * 0.055, headY - 0.08);
        cairo_line_to(cr, i * 0.045, headY + 0.05 - std::abs(i) * 0.02);
    }
    Draw::outline(cr, tintBase, 0.03);
}

void tail(cairo_t* cr) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, 0.0, -0.42);
        cairo_curve_to(cr, 0.05, -0.82, 0.52, -0.82, 0.55, -0.5);
        Draw::setColour(cr, pass == 0 ? tintLine : tintBase);
        cairo_set_line_width(cr, pass == 0 ? 0.11 + 2 * Style::line : 0.11);
        cairo_stroke(cr);
    }
    // Rings along the tail.
    for (double t : {0.35, 0.55, 0.75}) {
        const double x = 0.0 * (1 - t) * (1 - t) * (1 - t) + 3 * 0.05 * t * (1 - t) * (1 - t) +
                         3 * 0.52 * t * t * (1 - t) + 0.55 * t * t * t;
        const double y = -0.42 * (1 - t) * (1 - t) * (1 - t) + 3 * -0.82 * t * (1 - t) * (1 - t) +
                         3 * -0.82 * t * t * (1 - t) + -0.5 * t * t * t;
        Draw::circle(cr, x, y, 0.04);
        Draw::fillFlat(cr, tintShade);
        cairo_new_path(cr);
    }
}

void eyesAndNose(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, side * 0.1, headY + 0.09, 0.055, 0.04, side * -15.0);
        Draw::fillFlat(cr, grey(0.85));
        Draw::outline(cr, Style::tintDark, 0.016);
        Draw::ellipse(cr, side * 0.1, headY + 0.09, 0.012, 0.034);
        Draw::fillFlat(cr, Style::tintDark);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, -0.035, headY + 0.2);
    cairo_line_to(cr, 0.035, headY + 0.2);
    cairo_line_to(cr, 0.0, headY + 0.16);
    cairo_close_path(cr);
    Draw::fillFlat(cr, grey(0.55));
    Draw::outline(cr, Style::tintDark, 0.012);
}

void muzzle(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, side * 0.045, headY + 0.15, 0.05, 0.04);
        Draw::fillFlat(cr, grey(1.0));
        cairo_new_path(cr);
        for (int w = 0; w < 3; ++w) {
            cairo_move_to(cr, side * 0.08, headY + 0.14 + w * 0.02);
            cairo_line_to(cr, side * 0.36, headY + 0.1 + w * 0.06);
        }
        Draw::outline(cr, grey(0.9), 0.01);
    }
}

}  // namespace

void paintCat(Canvas& c, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    switch (frame) {
    case 1: body(cr, 0); break;
    case 2: markings(cr, false); break;
    case 3: ears(cr, true); break;
    case 4: Draw::glow(cr, 0.05, -0.06, 0.75, Rgba{0.08, 0.04, 0.12, 0.45}); break;
    case 5: ears(cr, false); break;
    case 6: head(cr); break;
    case 7: forehead(cr); break;
    case 8: tail(cr); break;
    case 9: eyesAndNose(cr); break;
    case 17: muzzle(cr); break;
    case 18: markings(cr, true); break;
    default:
        if (frame >= 10 && frame <= 16) body(cr, frame - 9);
        break;
    }
}
