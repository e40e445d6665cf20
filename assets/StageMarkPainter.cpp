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

void statusRing(cairo_t* cr, int number) {
    switch (number) {
    case 851:
        band(cr, 0.8, 0.95, grey(0.75), white);
        Draw::circle(cr, 0, 0, 0.95);
        Draw::outline(cr, grey(0.45), 0.025);
        break;
    case 852: band(cr, 0.7, 0.79, white, grey(0.85)); break;
    case 853:
        for (int i = 0; i < 3; ++i) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0, 0.875, Draw::rad(120 + i * 16), Draw::rad(130 + i * 16));
        }
        Draw::outline(cr, white, 0.06);
        break;
    case 854:  // a ring of petals, open in the middle: the radar lays many of them over each other
        for (int i = 0; i < 12; ++i) Draw::petal(cr, 0.68 * Draw::dirX(30.0 * i), 0.68 * Draw::dirY(30.0 * i), 30.0 * i, 0.3, 0.13);
        Draw::circle(cr, 0, 0, 0.74);
        Draw::fillRadial(cr, 0, 0, 0.5, 0.98, white, grey(0.82));
        Draw::outline(cr, grey(0.5), 0.03);
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        Draw::circle(cr, 0, 0, 0.6);
        Draw::fillRadial(cr, 0, 0, 0.3, 0.6, grey(0, 0.85), grey(0, 0.6));
        cairo_new_path(cr);
        cairo_restore(cr);
        break;
    case 855: band(cr, 0.6, 0.68, white, grey(0.85)); break;
    case 856:
        for (int i = 0; i < 12; ++i) Draw::circle(cr, 0.52 * Draw::dirX(30.0 * i + 15), 0.52 * Draw::dirY(30.0 * i + 15), 0.06);
        Draw::shape(cr, white, 0.02);
        break;
    case 857:
        for (int i = 0; i < 8; ++i) {
            const double a = 45.0 * i;
            Draw::star(cr, 0.84 * Draw::dirX(a), 0.84 * Draw::dirY(a), 2, 0.14, 0.07, a);
        }
        Draw::fillShaded(cr, white, 0.3);
        Draw::outline(cr, grey(0.5), 0.025);
        Draw::circle(cr, 0, 0, 0.84);
        Draw::outline(cr, grey(0.9), 0.04);
        break;
    case 858:
        for (int i = 0; i < 8; ++i) {
            const double a = 45.0 * i + 22.5;
            Draw::star(cr, 0.7 * Draw::dirX(a), 0.7 * Draw::dirY(a), 4, 0.1, 0.03, a);
        }
        Draw::fillFlat(cr, white);
        cairo_new_path(cr);
        break;
    default: band(cr, 0.56, 0.63, white, grey(0.85)); break;
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
