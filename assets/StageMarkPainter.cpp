// The World renderer's own pictures: status rings under the actors, the
// backing and coin of ring-label letters, trails, beams, the badge disc and
// the hearts and talent sockets of the information badge.
#include <cmath>
#include <functional>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"
#include "TalentShapes.h"

namespace {

const Rgba white = grey(1.0);

void band(cairo_t* cr, double r0, double r1, const Rgba& inner, const Rgba& outer) {
    Draw::circle(cr, 0, 0, r1);
    Draw::circle(cr, 0, 0, r0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::fillRadial(cr, 0, 0, r0, r1, inner, outer);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// A strip that repeats sideways (s runs along the trail, t across it): the
// motif is drawn at every place and once more a period to each side.
void alongStrip(int count, const std::function<void(double x, double y, int i)>& motif) {
    const double period = 4.0;
    for (int i = -1; i <= count; ++i) {
        const int k = (i + count) % count;
        motif((i + 0.5) * period / count, 0.5 + 0.16 * std::sin(k * 2.1), k);
    }
}

void trailBase(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 4, 1);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void trail(Canvas& c, int number) {
    // Four units along, one across: the strip is four times wider than high.
    c.boxSpace(0.0, 0.0, 4.0, 1.0);
    cairo_t* cr = c.cr();
    trailBase(cr);
    const int count = 5;
    alongStrip(count, [&](double x, double y, int i) {
        switch (number) {
        case 864:
            Draw::petal(cr, x, y - 0.1, 60.0 * i + 20.0, 0.3, 0.12);
            break;
        case 866:
            cairo_new_sub_path(cr);
            for (int k = 0; k <= 24; ++k) {
                const double u = k / 24.0;
                const double r = 0.03 + 0.2 * u;
                const double a = u * 540.0 + i * 50.0;
                cairo_line_to(cr, x + r * Draw::dirX(a), y + r * Draw::dirY(a));
            }
            Draw::outline(cr, white, 0.06);
            return;
        case 867:
            Draw::heart(cr, x, y, 0.36, (i % 2 ? 20.0 : -20.0));
            break;
        default:
            Draw::star(cr, x, y, 5, 0.22, 0.09, 15.0 * i);
            break;
        }
        Draw::fillShaded(cr, white, 0.3);
        Draw::outline(cr, grey(0.6), 0.03);
    });
}

// A hexagon with rounded corners, radius r to its corners: it looks the same
// however the radar turns it.
void hexagon(cairo_t* cr, double r) {
    const double k = 0.18;  // how much of each side the rounding takes
    cairo_new_sub_path(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = 60.0 * i;
        const double ax = r * Draw::dirX(a), ay = r * Draw::dirY(a);
        const double px = r * Draw::dirX(a - 60.0), py = r * Draw::dirY(a - 60.0);
        const double nx = r * Draw::dirX(a + 60.0), ny = r * Draw::dirY(a + 60.0);
        cairo_line_to(cr, ax + (px - ax) * k, ay + (py - ay) * k);
        cairo_curve_to(cr, ax, ay, ax, ay, ax + (nx - ax) * k, ay + (ny - ay) * k);
    }
    cairo_close_path(cr);
}

// The status rings read at every size they are drawn: around a muse on the
// stage (the size of the muse) and as the tokens of the radar, where a
// dancer's ring is barely twenty pixels across. Each kind has its own
// outline: dancers a round ring around a dot, muses a blossom-shaped ring,
// talents a gem-like hexagon. Bold bands, a dark edge against any floor, no fine
// detail.
void statusRing(cairo_t* cr, int number) {
    switch (number) {
    case 851:  // dancers: the ring (ring colour)
        band(cr, 0.6, 0.9, grey(0.78), white);
        Draw::circle(cr, 0, 0, 0.92);
        Draw::outline(cr, grey(0.28, 0.9), 0.06);
        Draw::circle(cr, 0, 0, 0.58);
        Draw::outline(cr, grey(0.35, 0.7), 0.04);
        break;
    case 852:  // dancers: the dot in the middle (ratio colour)
        Draw::circle(cr, 0, 0, 0.5);
        Draw::fillRadial(cr, -0.12, 0.12, 0.05, 0.55, white, grey(0.72));
        cairo_new_path(cr);
        break;
    case 853:  // dancers: gloss on dot and ring
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 0.75, Draw::rad(115), Draw::rad(160));
        Draw::outline(cr, grey(1.0, 0.8), 0.1);
        Draw::ellipse(cr, -0.14, 0.17, 0.16, 0.1, 35.0);
        Draw::fillFlat(cr, grey(1.0, 0.85));
        cairo_new_path(cr);
        break;
    case 854:  // muses: a blossom-shaped ring; also the backing of the name-entry letters
        Draw::scallops(cr, 0, 0, 0.88, 8, 0.08);
        Draw::circle(cr, 0, 0, 0.62);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Draw::fillRadial(cr, 0, 0, 0.6, 0.97, white, grey(0.8));
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_new_path(cr);
        Draw::scallops(cr, 0, 0, 0.88, 8, 0.08);
        Draw::outline(cr, grey(0.3, 0.85), 0.05);
        Draw::circle(cr, 0, 0, 0.62);
        Draw::outline(cr, grey(0.4, 0.6), 0.035);
        break;
    case 855:  // muses: a soft light inside the ring, faint: the radar stacks many muses
        Draw::circle(cr, 0, 0, 0.6);
        Draw::fillRadial(cr, 0, 0, 0.25, 0.6, grey(1.0, 0.0), grey(1.0, 0.4));
        cairo_new_path(cr);
        break;
    case 856:  // muses: the dot in the middle (ratio colour)
        Draw::circle(cr, 0, 0, 0.24);
        Draw::fillRadial(cr, -0.06, 0.06, 0.02, 0.26, white, grey(0.8));
        Draw::outline(cr, grey(0.35, 0.8), 0.04);
        break;
    case 857:  // talents: the hexagon ring (ring colour)
        hexagon(cr, 0.95);
        hexagon(cr, 0.5);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Draw::fillRadial(cr, 0, 0, 0.45, 0.95, white, grey(0.8));
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_new_path(cr);
        hexagon(cr, 0.95);
        Draw::outline(cr, grey(0.28, 0.9), 0.06);
        hexagon(cr, 0.5);
        Draw::outline(cr, grey(0.35, 0.7), 0.04);
        break;
    case 858:  // talents: a glint (yellow)
        Draw::star(cr, 0.45, 0.45, 4, 0.28, 0.06, 0.0);
        Draw::fillFlat(cr, white);
        cairo_new_path(cr);
        break;
    default:  // 859, talents: the middle (ratio colour)
        hexagon(cr, 0.34);
        Draw::fillRadial(cr, -0.06, 0.06, 0.02, 0.34, white, grey(0.78));
        cairo_new_path(cr);
        break;
    }
}

// Hearts fill half their picture: the badge and the dial set ten of them
// closer together than their pictures are wide.
void heartPicture(cairo_t* cr, bool socket) {
    if (socket) {
        Draw::heart(cr, 0, 0, 1.0);
        Draw::fillFlat(cr, Rgba{1, 0.9, 0.95, 0.45});
        Draw::outline(cr, Rgba{0.45, 0.2, 0.35, 0.9}, 0.08);
        return;
    }
    Draw::heart(cr, 0, 0, 1.0);
    Draw::shape(cr, hexColour(0xff4f7b), 0.08, 0.45, 0.5);
    Draw::ellipse(cr, -0.2, 0.19, 0.1, 0.055, 35.0);
    Draw::fillFlat(cr, Rgba{1, 1, 1, 0.8});
    cairo_new_path(cr);
}

const Rgba categoryColours[3] = {Style::blue, Style::leaf, Style::coral};

// An empty place for a talent: the talent's own shape, hollow, with a ghost
// of its symbol, so that the sockets tell their talent without colour.
void socket(cairo_t* cr, int category) {
    const Rgba c = categoryColours[category];
    const int kind = TalentShape::ofCategory(category);
    TalentShape::body(cr, kind, 0.6);
    Draw::fillRadial(cr, 0.1, -0.1, 0.1, 0.65, withAlpha(darker(c, 0.6), 0.5), withAlpha(darker(c, 0.35), 0.7));
    Draw::outline(cr, lighter(c, 0.45), 0.09);
    TalentShape::symbol(cr, kind, 0.3, TalentShape::Part::fill, withAlpha(lighter(c, 0.5), 0.55), grey(0, 0));
}

// An owned talent: the shape filled in its colour with its symbol in white.
void gem(cairo_t* cr, int category) {
    const Rgba c = categoryColours[category];
    const int kind = TalentShape::ofCategory(category);
    TalentShape::body(cr, kind, 0.64);
    Draw::shape(cr, c, 0.08, 0.55, 0.55);
    TalentShape::symbol(cr, kind, 0.32, TalentShape::Part::both, Style::cream, darker(c, 0.55));
}

}  // namespace

void paintStageMark(Canvas& c, int number) {
    if (number == 864 || (number >= 866 && number <= 868)) {
        trail(c, number);
        return;
    }
    c.unitSpace();
    cairo_t* cr = c.cr();
    if (number >= 851 && number <= 859) {
        statusRing(cr, number);
        return;
    }
    switch (number) {
    case 861:
        Draw::circle(cr, 0, 0, 0.96);
        Draw::fillRadial(cr, 0, 0, 0.8, 0.96, white, grey(1.0, 0.85));
        cairo_new_path(cr);
        break;
    case 862:
        Draw::circle(cr, 0, 0, 0.9);
        Draw::fillRadial(cr, -0.25, 0.25, 0.1, 1.0, white, grey(0.78));
        Draw::outline(cr, grey(0.55), 0.06);
        break;
    case 863: Draw::glow(cr, 0, 0, 1.0, white); break;
    case 865:
        for (int k = -1; k <= 2; ++k) {
            const double y = -1.0 + k * 1.0;
            cairo_move_to(cr, -0.8, y);
            cairo_line_to(cr, 0.0, y + 0.5);
            cairo_line_to(cr, 0.8, y);
        }
        Draw::outline(cr, white, 0.22);
        break;
    case 869:
        cairo_rectangle(cr, -1, -1, 2, 2);
        {
            cairo_pattern_t* p = cairo_pattern_create_linear(-1, 0, 1, 0);
            cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.0);
            cairo_pattern_add_color_stop_rgba(p, 0.35, 1, 1, 1, 0.5);
            cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 1.0);
            cairo_pattern_add_color_stop_rgba(p, 0.65, 1, 1, 1, 0.5);
            cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0.0);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
        break;
    case 872:  // the badge's disc: a light, half-clear plate with a frilled rim
        Draw::scallops(cr, 0, 0, 0.92, 16, 0.05);
        Draw::fillRadial(cr, -0.2, 0.2, 0.1, 1.0, grey(1.0, 0.62), grey(0.9, 0.5));
        Draw::outline(cr, grey(1.0, 0.85), 0.05);
        Draw::circle(cr, 0, 0, 0.74);
        Draw::outline(cr, grey(1.0, 0.5), 0.03);
        break;
    case 881: heartPicture(cr, false); break;
    case 882: heartPicture(cr, true); break;
    case 883:
    case 884:
    case 885: socket(cr, number - 883); break;
    default: gem(cr, number - 886); break;
    }
}
