// Sets 131-138: the talents lying on the stage, a faceted gem with the
// talent's symbol: 131 a snowflake (longer freeze), 132 three blossoms (more
// flowers), 133 a wing (faster), 134 a rose (nicer flowers); the super
// talents 135-138 are rainbow stars (their own colour is white).
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

using Style::tintBase;
using Style::tintLine;
using Style::tintShade;

constexpr double gemR = 0.56;

void gemPath(cairo_t* cr, bool super) {
    if (super)
        Draw::star(cr, 0.0, 0.0, 8, gemR + 0.12, gemR * 0.72, 0.0);
    else
        Draw::wavyRing(cr, 0.0, 0.0, gemR, 8, 0.035, 22.5);
}

void body(cairo_t* cr, bool super) {
    gemPath(cr, super);
    if (super) {
        // Rainbow rings: the super talents are drawn in white.
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0.05, 0, 0, gemR + 0.12);
        const Rgba stops[5] = {Style::sun, Style::coral, Style::lilac, Style::sky, Style::mint};
        for (int i = 0; i < 5; ++i) cairo_pattern_add_color_stop_rgb(p, i / 4.0, stops[i].r, stops[i].g, stops[i].b);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        Draw::outline(cr, Style::plum, Style::line);
    } else {
        Draw::fillRadial(cr, -0.15, 0.15, 0.05, gemR * 1.2, grey(1.0), grey(0.72));
        Draw::outline(cr, tintLine, Style::line);
    }
    // Facets: an inner octagon and spokes.
    Draw::wavyRing(cr, 0.0, 0.0, gemR * 0.62, 8, 0.0, 22.5);
    for (int i = 0; i < 8; ++i) {
        const double a = 22.5 + 45.0 * i;
        cairo_move_to(cr, gemR * 0.62 * Draw::dirX(a), gemR * 0.62 * Draw::dirY(a));
        cairo_line_to(cr, gemR * 0.97 * Draw::dirX(a), gemR * 0.97 * Draw::dirY(a));
    }
    Draw::outline(cr, super ? withAlpha(Style::plum, 0.4) : withAlpha(tintShade, 0.9), 0.016);
}

void symbol(cairo_t* cr, int set) {
    const Rgba fill = tintBase, line = tintLine;
    switch (set) {
    case 131: {  // snowflake
        for (int i = 0; i < 6; ++i) {
            const double a = 60.0 * i;
            const double x = 0.3 * Draw::dirX(a), y = 0.3 * Draw::dirY(a);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, x, y);
            const double mx = 0.18 * Draw::dirX(a), my = 0.18 * Draw::dirY(a);
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + 0.09 * Draw::dirX(a + 40), my + 0.09 * Draw::dirY(a + 40));
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + 0.09 * Draw::dirX(a - 40), my + 0.09 * Draw::dirY(a - 40));
        }
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_path_t* path = cairo_copy_path(cr);
        Draw::outline(cr, line, 0.1);
        cairo_append_path(cr, path);
        Draw::outline(cr, fill, 0.055);
        cairo_path_destroy(path);
        cairo_restore(cr);
        break;
    }
    case 132:  // three blossoms
        for (int k = 0; k < 3; ++k) {
            const double a = 120.0 * k;
            const double cx = 0.16 * Draw::dirX(a), cy = 0.16 * Draw::dirY(a);
            Draw::scallops(cr, cx, cy, 0.12, 5, 0.035, a);
            Draw::shape(cr, fill, 0.025);
            Draw::circle(cr, cx, cy, 0.04);
            Draw::fillFlat(cr, tintShade);
            cairo_new_path(cr);
        }
        break;
    case 133:  // a wing
        for (int k = 0; k < 4; ++k) {
            Draw::petal(cr, -0.2 + k * 0.02, -0.12 + k * 0.02, -60.0 + k * 22.0, 0.42 - k * 0.06, 0.07);
        }
        Draw::shape(cr, fill, 0.025);
        break;
    case 134:  // a rose
        Draw::scallops(cr, 0.0, 0.02, 0.26, 6, 0.05, 0.0);
        Draw::shape(cr, fill, 0.025);
        for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0.0, 0.02, 0.06 + k * 0.06, k * 1.7, k * 1.7 + 4.2);
        }
        Draw::outline(cr, tintLine, 0.022);
        break;
    default:  // super talents: a bright star in the middle
        Draw::star(cr, 0.0, 0.0, 5, 0.3, 0.13, 0.0);
        Draw::shape(cr, grey(1.0), 0.03, 0.0, 0.6);
        break;
    }
}

void shine(cairo_t* cr, double offset, double strength, bool super) {
    cairo_save(cr);
    gemPath(cr, super);
    cairo_clip(cr);
    if (offset < -5.0) {  // the glint at rest
        Draw::ellipse(cr, -0.2, 0.26, 0.17, 0.07, 40.0);
        Draw::fillFlat(cr, grey(1.0, 0.85));
        cairo_new_path(cr);
        Draw::circle(cr, 0.26, -0.22, 0.04);
        Draw::fillFlat(cr, grey(1.0, 0.6));
        cairo_new_path(cr);
    } else {  // a band of light sweeping over the gem
        cairo_save(cr);
        cairo_rotate(cr, Draw::rad(-35.0));
        cairo_rectangle(cr, offset - 0.12, -1.0, 0.24, 2.0);
        Draw::fillLinear(cr, offset - 0.12, 0, offset + 0.12, 0, grey(1.0, 0.0), grey(1.0, strength));
        cairo_new_path(cr);
        cairo_rectangle(cr, offset, -1.0, 0.12, 2.0);
        Draw::fillLinear(cr, offset, 0, offset + 0.12, 0, grey(1.0, strength), grey(1.0, 0.0));
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void sparkle(cairo_t* cr) {
    Draw::glow(cr, 0.5, 0.5, 0.3, withAlpha(Style::sun, 0.7));
    Draw::star(cr, 0.5, 0.5, 4, 0.28, 0.07, 0.0);
    Draw::shape(cr, hexColour(0xfff6c0), 0.02, 0.6, 0.5);
    Draw::star(cr, 0.5, 0.5, 4, 0.14, 0.04, 45.0);
    Draw::fillFlat(cr, Rgba{1, 1, 1, 0.9});
    cairo_new_path(cr);
}

}  // namespace

void paintTalent(Canvas& c, int set, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    const bool super = set >= 135;
    switch (frame) {
    case 1: body(cr, super); break;
    case 2: symbol(cr, set); break;
    case 3: shine(cr, -10.0, 0.0, super); break;
    case 4: sparkle(cr); break;
    case 5: Draw::glow(cr, 0.0, 0.0, 0.95, grey(1.0, 0.6)); break;
    case 6: shine(cr, -0.35, 0.7, super); break;
    case 7: shine(cr, 0.0, 0.95, super); break;
    case 8: shine(cr, 0.35, 0.7, super); break;
    default: break;
    }
}
