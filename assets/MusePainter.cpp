// Sets 161 and 162: the muses, winged singers floating over the stage. The
// muse of set 161 is drawn in her own colours, her dress telling which talent
// she gives; set 162 is a paper doll like the dancers.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

using Style::tintBase;
using Style::tintLine;
using Style::tintShade;

// Dress colours of the muse of set 161 by the talent she gives (131-134).
const Rgba dressColours[4] = {hexColour(0xb57af0), hexColour(0x6f9cff), hexColour(0x5fd39a), hexColour(0xff6f8f)};

void wings(cairo_t* cr, const Rgba& c, const Rgba& line, double spread) {
    for (double side : {-1.0, 1.0}) {
        Draw::petal(cr, side * 0.08, -0.02, side * (90.0 + spread), 0.62, 0.2);
        Draw::petal(cr, side * 0.08, -0.08, side * (130.0 + spread * 0.5), 0.5, 0.16);
    }
    Draw::fillShaded(cr, c, 0.5);
    Draw::outline(cr, line, 0.02);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.08, -0.02);
        cairo_line_to(cr, side * 0.5 * Draw::dirX(side * (90.0 + spread)) + side * 0.08,
                      0.5 * Draw::dirY(side * (90.0 + spread)) - 0.02);
    }
    Draw::outline(cr, withAlpha(line, 0.5), 0.012);
}

void museInColour(cairo_t* cr, int talent) {
    const Rgba dress = dressColours[talent];
    wings(cr, Rgba{1.0, 1.0, 1.0, 0.75}, withAlpha(darker(dress, 0.3), 0.8), 20.0);
    // The flowing dress, trailing behind her.
    for (int i = -2; i <= 2; ++i) Draw::petal(cr, 0.0, -0.05, 180.0 + i * 22.0, 0.78, 0.16);
    Draw::shape(cr, lighter(dress, 0.2), 0.025, 0.4, 0.5);
    Draw::scallops(cr, 0.0, -0.06, 0.4, 12, 0.035);
    Draw::shape(cr, dress, 0.028, 0.45, 0.55);
    Draw::scallops(cr, 0.0, -0.06, 0.28, 12, 0.025, 15.0);
    Draw::outline(cr, withAlpha(darker(dress, 0.4), 0.7), 0.014);
    // Shoulders, arms reaching forward to the lyre, head and hair.
    const Rgba skin = hexColour(0xffd9c2);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.16, 0.02);
        cairo_curve_to(cr, side * 0.28, 0.22, side * 0.2, 0.35, side * 0.08, 0.42);
    }
    Draw::outline(cr, Style::plum, 0.08);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.16, 0.02);
        cairo_curve_to(cr, side * 0.28, 0.22, side * 0.2, 0.35, side * 0.08, 0.42);
    }
    Draw::outline(cr, skin, 0.05);
    Draw::ellipse(cr, 0.0, 0.0, 0.2, 0.13);
    Draw::shape(cr, darker(dress, 0.15), 0.025);
    Draw::circle(cr, 0.0, 0.05, 0.13);
    Draw::shape(cr, skin, 0.025, 0.5, 0.6);
    cairo_save(cr);
    Draw::circle(cr, 0.0, 0.05, 0.14);
    Draw::ellipse(cr, 0.0, 0.14, 0.1, 0.07);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, hexColour(0xf0b44a), 0.022, 0.5, 0.5);
    cairo_restore(cr);
    Draw::star(cr, 0.0, -0.04, 5, 0.06, 0.025);
    Draw::shape(cr, Style::sun, 0.012);
}

void lyre(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, -0.5, 0.7);
    cairo_curve_to(cr, -0.9, 0.2, -0.4, -0.5, 0.0, -0.6);
    cairo_curve_to(cr, 0.4, -0.5, 0.9, 0.2, 0.5, 0.7);
    cairo_restore(cr);
    Draw::outline(cr, Style::plum, 0.09 * s * 1.6);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, -0.5, 0.7);
    cairo_curve_to(cr, -0.9, 0.2, -0.4, -0.5, 0.0, -0.6);
    cairo_curve_to(cr, 0.4, -0.5, 0.9, 0.2, 0.5, 0.7);
    cairo_restore(cr);
    Draw::outline(cr, Style::gold, 0.09 * s);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, x + i * 0.15 * s, y - 0.45 * s);
        cairo_line_to(cr, x + i * 0.2 * s, y + 0.6 * s);
    }
    Draw::outline(cr, Style::cream, 0.025 * s * 2);
    Draw::ellipse(cr, x, y + 0.68 * s, 0.6 * s, 0.1 * s);
    Draw::shape(cr, Style::gold, 0.02);
}

void note(cairo_t* cr, double x, double y, double s, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, Draw::rad(angle));
    cairo_scale(cr, s, s);
    Draw::ellipse(cr, -0.2, -0.35, 0.28, 0.2, 20.0);
    cairo_rectangle(cr, 0.0, -0.35, 0.09, 0.95);
    cairo_move_to(cr, 0.05, 0.6);
    cairo_curve_to(cr, 0.3, 0.5, 0.45, 0.3, 0.35, 0.0);
    cairo_line_to(cr, 0.3, 0.05);
    cairo_curve_to(cr, 0.35, 0.3, 0.2, 0.4, 0.05, 0.42);
    cairo_close_path(cr);
    cairo_restore(cr);
    Draw::shape(cr, tintBase, 0.025);
}

// Eyes of a muse's face, opened by 0 (closed) to 1.
void faceEyes(cairo_t* cr, double open, bool smile, double y) {
    for (double side : {-1.0, 1.0}) {
        const double x = side * 0.045;
        if (open > 0.0) {
            Draw::ellipse(cr, x, y, 0.024, 0.024 * open);
            Draw::fillFlat(cr, Style::tintDark);
            cairo_new_path(cr);
            Draw::circle(cr, x + 0.008, y + 0.008 * open, 0.007);
            Draw::fillFlat(cr, grey(1.0));
            cairo_new_path(cr);
        } else {
            cairo_move_to(cr, x - 0.024, y + 0.004);
            cairo_curve_to(cr, x - 0.01, y - 0.012, x + 0.01, y - 0.012, x + 0.024, y + 0.004);
            Draw::outline(cr, Style::tintDark, 0.014);
        }
    }
    if (smile) {
        cairo_move_to(cr, -0.03, y + 0.05);
        cairo_curve_to(cr, -0.01, y + 0.035, 0.01, y + 0.035, 0.03, y + 0.05);
        Draw::outline(cr, grey(0.35), 0.012);
    }
}

}  // namespace

void paintMuse(Canvas& c, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    if (frame >= 1 && frame <= 4) museInColour(cr, frame - 1);
    else if (frame == 5) wings(cr, Rgba{1, 1, 1, 0.8}, withAlpha(Style::violet, 0.8), -20.0);
    else if (frame == 6) Draw::glow(cr, 0.0, 0.0, 0.95, grey(1.0, 0.7));
    else if (frame == 7) lyre(cr, 0.0, 0.5, 0.3);
    else if (frame == 8) note(cr, 0.0, 0.0, 0.8, 0.0);
    else if (frame == 9) faceEyes(cr, 1.0, true, 0.1);
    else if (frame == 10 || frame == 12) faceEyes(cr, 0.45, true, 0.1);
    else if (frame == 11) faceEyes(cr, 0.0, true, 0.1);
}

void paintGrowingMuse(Canvas& c, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    switch (frame) {
    case 1:  // the dress, flowing all around
        for (int i = 0; i < 10; ++i) Draw::petal(cr, 0.0, -0.02, 36.0 * i + 18.0, 0.58, 0.2);
        Draw::fillRadial(cr, 0, 0, 0.1, 0.6, tintBase, grey(0.78));
        Draw::outline(cr, tintLine, Style::line);
        break;
    case 2:  // trim: a hem of dots and little stars
        for (int i = 0; i < 10; ++i) {
            const double a = 36.0 * i + 18.0;
            Draw::star(cr, 0.42 * Draw::dirX(a), 0.42 * Draw::dirY(a) - 0.02, 5, 0.06, 0.025, a);
        }
        Draw::shape(cr, tintBase, 0.015);
        Draw::circle(cr, 0.0, -0.02, 0.26);
        Draw::outline(cr, tintBase, 0.03);
        break;
    case 3:
        for (double side : {-1.0, 1.0}) {
            Draw::ellipse(cr, side * 0.4, 0.22, 0.3, 0.2, side * -30.0);
            Draw::ellipse(cr, side * 0.33, -0.25, 0.22, 0.16, side * 30.0);
        }
        Draw::fillShaded(cr, grey(0.88, 0.85), 0.5);
        Draw::outline(cr, tintLine, 0.022);
        for (double side : {-1.0, 1.0}) Draw::circle(cr, side * 0.42, 0.24, 0.08);
        Draw::fillFlat(cr, grey(0.7, 0.8));
        cairo_new_path(cr);
        break;
    case 4:  // hair, long and flowing behind
        cairo_save(cr);
        Draw::circle(cr, 0.0, 0.05, 0.15);
        Draw::ellipse(cr, 0.0, 0.15, 0.1, 0.07);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Draw::shape(cr, tintBase, 0.022, 0.5);
        cairo_restore(cr);
        Draw::petal(cr, 0.0, -0.06, 180.0, 0.36, 0.12);
        Draw::shape(cr, tintBase, 0.022);
        break;
    case 5:  // the spinning ring of notes
        for (int i = 0; i < 8; ++i) {
            const double a = 45.0 * i;
            note(cr, 0.8 * Draw::dirX(a), 0.8 * Draw::dirY(a), 0.18, a);
        }
        Draw::circle(cr, 0.0, 0.0, 0.8);
        Draw::outline(cr, grey(0.9, 0.5), 0.02);
        break;
    case 6: {  // arms, shoulders and face
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * 0.15, 0.02);
            cairo_curve_to(cr, side * 0.35, 0.1, side * 0.5, 0.25, side * 0.62, 0.2);
        }
        cairo_path_t* arms = cairo_copy_path(cr);
        Draw::outline(cr, tintLine, 0.1);
        cairo_append_path(cr, arms);
        Draw::outline(cr, tintBase, 0.06);
        cairo_path_destroy(arms);
        Draw::ellipse(cr, 0.0, 0.0, 0.2, 0.13);
        Draw::shape(cr, tintBase, 0.022);
        Draw::circle(cr, 0.0, 0.05, 0.14);
        Draw::shape(cr, tintBase, 0.022, 0.5);
        break;
    }
    case 7:  // a golden orb
        Draw::glow(cr, 0.0, 0.55, 0.4, withAlpha(Style::sun, 0.8));
        Draw::circle(cr, 0.0, 0.55, 0.2);
        Draw::shape(cr, Style::gold, 0.03, 0.6);
        break;
    case 8:
        Draw::star(cr, 0.0, 0.0, 4, 0.6, 0.12);
        Draw::shape(cr, tintBase, 0.02, 0.6);
        break;
    case 9: faceEyes(cr, 1.0, true, 0.11); break;
    case 10:
    case 12: faceEyes(cr, 0.45, true, 0.11); break;
    case 11: faceEyes(cr, 0.0, true, 0.11); break;
    default: break;
    }
}
