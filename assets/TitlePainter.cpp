// The title screen (941-945) and the loading screen (895-897).
#include <cmath>

#include "Draw.h"
#include "Fonts.h"
#include "Painters.h"
#include "ScreenKit.h"
#include "Style.h"

namespace {

void background(Canvas& c) {
    // Laid out in stage units: the picture covers the whole window.
    c.boxSpace(-2.8, -2.1, 2.8, 2.1);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, -2.8, -2.1, 5.6, 4.2);
    Draw::fillLinear(cr, 0, 2.1, 0, -2.1, hexColour(0x2b1d4f), hexColour(0x7a3f8f));
    cairo_new_path(cr);
    // Sun rays from behind the title.
    for (int i = 0; i < 18; ++i) Draw::petal(cr, 0.8, 0.9, i * 20.0, 3.6, 0.35);
    Draw::fillRadial(cr, 0.8, 0.9, 0.2, 3.6, Rgba{1, 0.85, 0.95, 0.22}, Rgba{1, 0.85, 0.95, 0.0});
    cairo_new_path(cr);
    Draw::glow(cr, 0.8, 0.9, 1.6, Rgba{1, 0.75, 0.9, 0.35});
    // Scattered blossoms.
    const Rgba colours[5] = {Style::rose, Style::lilac, Style::sun, Style::mint, Style::sky};
    for (int k = 0; k < 26; ++k) {
        const double x = std::fmod(k * 1.37, 5.4) - 2.7;
        const double y = std::fmod(k * 0.83, 4.0) - 2.0;
        if (x < 0.4 && y < -0.6) continue;  // keep the speech bubble clear
        if (x > -0.5 && x < 1.95 && y > 0.55 && y < 1.3) continue;  // and the title
        ScreenKit::blossom(cr, x, y, 0.08 + (k % 3) * 0.03, 5 + k % 3, withAlpha(colours[k % 5], 0.55),
                           withAlpha(Style::cream, 0.6), k * 23.0);
    }
    // The guide's speech bubble, its tail pointing at him.
    const Rgba bubble{0.22, 0.12, 0.33, 1.0};
    auto tail = [&](double inset) {
        cairo_move_to(cr, -1.62 + inset, -1.25 + inset);
        cairo_line_to(cr, -1.97 + inset * 2, -1.15);
        cairo_line_to(cr, -1.62 + inset, -1.05 - inset);
        cairo_close_path(cr);
    };
    tail(0.0);
    Draw::outline(cr, Style::pink, 0.03);
    Draw::roundedRect(cr, -1.75, -1.85, 0.35, -0.78, 0.22);
    Draw::fillFlat(cr, bubble);
    Draw::outline(cr, Style::pink, 0.03);
    // The tail's inside, drawn over the bubble's edge so that they join.
    tail(0.025);
    Draw::fillFlat(cr, bubble);
    cairo_new_path(cr);
}

void danceScene(cairo_t* cr) {
    // A spotlight on the stage, a ballerina in arabesque and her cat.
    Draw::ellipse(cr, 0.0, -0.55, 0.9, 0.3);
    Draw::fillRadial(cr, 0.0, -0.55, 0.1, 0.9, Rgba{1, 0.95, 0.8, 0.6}, Rgba{1, 0.95, 0.8, 0.0});
    cairo_new_path(cr);
    const Rgba skin = hexColour(0xffd9c2), tights = hexColour(0xffe3ef), satin = hexColour(0xff9cc4);
    // A limb: a plum outline under a soft fill, round at both ends.
    auto limb = [cr](double x0, double y0, double cx, double cy, double x1, double y1, double w, const Rgba& fill) {
        for (int pass = 0; pass < 2; ++pass) {
            cairo_move_to(cr, x0, y0);
            cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
            Draw::outline(cr, pass == 0 ? Style::plum : fill, pass == 0 ? w + 0.03 : w);
        }
    };
    // Legs: one on pointe, one stretched back and up in arabesque.
    limb(-0.02, -0.05, 0.0, -0.35, 0.0, -0.6, 0.07, tights);
    limb(-0.02, -0.02, -0.3, 0.03, -0.62, 0.16, 0.065, tights);
    Draw::ellipse(cr, 0.0, -0.64, 0.03, 0.06);
    Draw::shape(cr, satin, 0.015);
    Draw::ellipse(cr, -0.66, 0.18, 0.06, 0.028, 20.0);
    Draw::shape(cr, satin, 0.015);
    // Tutu: a plate of frills, the under layer darker.
    for (int layer = 0; layer < 2; ++layer) {
        const double rx = layer == 0 ? 0.44 : 0.36, ry = layer == 0 ? 0.11 : 0.08, lift = layer * 0.03;
        for (int i = 0; i < 18; ++i) {
            const double t = 2.0 * Draw::pi * i / 18.0;
            const double x = rx * std::cos(t), y = ry * std::sin(t);
            const double a = -8.0 * Draw::pi / 180.0;
            Draw::circle(cr, x * std::cos(a) - y * std::sin(a), lift + x * std::sin(a) + y * std::cos(a), 0.055);
        }
        Draw::ellipse(cr, 0.0, lift, rx, ry, -8.0);
        // The outline of the whole layer first, then its fill over the
        // inner edges, so that only the rim of the frills is drawn.
        cairo_path_t* frills = cairo_copy_path(cr);
        Draw::outline(cr, darker(layer == 0 ? Style::rose : Style::pink, 0.45), 0.04);
        cairo_append_path(cr, frills);
        cairo_path_destroy(frills);
        Draw::fillShaded(cr, layer == 0 ? Style::rose : Style::pink, 0.5);
        cairo_new_path(cr);
    }
    // Bodice.
    Draw::ellipse(cr, 0.02, 0.2, 0.085, 0.16);
    Draw::shape(cr, Style::rose, 0.025, 0.45, 0.45);
    // Arms: one high in front, one opened back, both softly rounded.
    limb(0.06, 0.31, 0.28, 0.48, 0.52, 0.56, 0.04, skin);
    limb(-0.03, 0.31, -0.22, 0.42, -0.46, 0.42, 0.04, skin);
    for (double hx : {0.54, -0.48}) {
        Draw::circle(cr, hx, hx > 0 ? 0.565 : 0.42, 0.025);
        Draw::shape(cr, skin, 0.012);
    }
    // Head turned to the audience: face, hair with a bun, a blossom.
    Draw::circle(cr, 0.05, 0.46, 0.085);
    Draw::shape(cr, skin, 0.022, 0.4, 0.45);
    Draw::circle(cr, -0.03, 0.52, 0.05);
    Draw::shape(cr, hexColour(0xf0b44a), 0.018);
    cairo_save(cr);
    Draw::circle(cr, 0.05, 0.46, 0.086);
    cairo_clip(cr);
    Draw::ellipse(cr, 0.02, 0.53, 0.11, 0.06, 15.0);
    Draw::shape(cr, hexColour(0xf0b44a), 0.018);
    cairo_restore(cr);
    ScreenKit::blossom(cr, -0.05, 0.56, 0.04, 5, Style::sun, Style::rose);
    for (double ex : {0.025, 0.085}) {  // closed, happy eyes
        cairo_move_to(cr, ex - 0.018, 0.45);
        cairo_curve_to(cr, ex - 0.008, 0.438, ex + 0.008, 0.438, ex + 0.018, 0.45);
        Draw::outline(cr, Style::plum, 0.01);
        Draw::circle(cr, ex + 0.005, 0.418, 0.014);
        Draw::fillFlat(cr, Rgba{1.0, 0.55, 0.65, 0.5});
        cairo_new_path(cr);
    }
    cairo_move_to(cr, 0.04, 0.405);
    cairo_curve_to(cr, 0.05, 0.395, 0.062, 0.395, 0.07, 0.405);
    Draw::outline(cr, Style::plum, 0.009);
    // The cat, sitting and watching.
    const Rgba fur = hexColour(0xc08a4a);
    Draw::ellipse(cr, 0.6, -0.5, 0.14, 0.17);
    Draw::shape(cr, fur, 0.025);
    Draw::circle(cr, 0.6, -0.27, 0.11);
    Draw::shape(cr, fur, 0.025);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 0.6 + side * 0.1, -0.22);
        cairo_line_to(cr, 0.6 + side * 0.09, -0.1);
        cairo_line_to(cr, 0.6 + side * 0.02, -0.18);
        cairo_close_path(cr);
        Draw::shape(cr, fur, 0.02);
        Draw::circle(cr, 0.6 + side * 0.04, -0.27, 0.015);
        Draw::fillFlat(cr, Style::plum);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, 0.72, -0.6);
    cairo_curve_to(cr, 0.9, -0.6, 0.9, -0.35, 0.82, -0.3);
    Draw::outline(cr, darker(fur, 0.3), 0.04);
}

// Mr. Pogo: a sunflower in a top hat, over the plate on which the title
// screen writes "Mr." (the text lies at about x -0.24..0.22, y -0.8..-0.58 of
// this picture).
void pogo(cairo_t* cr) {
    ScreenKit::stem(cr, 0.0, -0.9, 0.0, -0.1, 0.12);
    cairo_save(cr);
    cairo_translate(cr, 0.0, 0.12);
    cairo_scale(cr, 0.85, 0.85);
    for (int i = 0; i < 16; ++i) Draw::petal(cr, 0, 0.05, 22.5 * i, 0.62, 0.14);
    Draw::shape(cr, Style::sun, 0.025);
    Draw::circle(cr, 0, 0.05, 0.36);
    Draw::shape(cr, hexColour(0xa0622d), 0.03);
    for (double side : {-1.0, 1.0}) {
        Draw::circle(cr, side * 0.12, 0.12, 0.055);
        Draw::fillFlat(cr, Style::plum);
        cairo_new_path(cr);
        Draw::circle(cr, side * 0.12 + 0.02, 0.14, 0.018);
        Draw::fillFlat(cr, grey(1.0));
        cairo_new_path(cr);
        Draw::circle(cr, side * 0.22, -0.02, 0.05);
        Draw::fillFlat(cr, withAlpha(Style::rose, 0.7));
        cairo_new_path(cr);
    }
    cairo_move_to(cr, -0.14, -0.06);
    cairo_curve_to(cr, -0.06, -0.16, 0.06, -0.16, 0.14, -0.06);
    Draw::outline(cr, Style::plum, 0.035);
    cairo_rectangle(cr, -0.2, 0.45, 0.4, 0.42);
    Draw::shape(cr, Style::night, 0.02, 0.3, 0.2);
    Draw::roundedRect(cr, -0.36, 0.4, 0.36, 0.48, 0.03);
    Draw::shape(cr, Style::night, 0.02, 0.3, 0.2);
    cairo_rectangle(cr, -0.2, 0.48, 0.4, 0.07);
    Draw::fillFlat(cr, Style::rose);
    cairo_new_path(cr);
    cairo_restore(cr);
    // The name plate, dark so that the white "Mr." stands out.
    Draw::roundedRect(cr, -0.42, -0.96, 0.42, -0.5, 0.12);
    Draw::fillLinear(cr, 0, -0.5, 0, -0.96, hexColour(0x45306e), hexColour(0x2a1c46));
    Draw::outline(cr, Style::pink, 0.035);
}

// Two blossoms at the lower corners of Mr. Pogo's name plate and a sprig
// under it, clear of the letters above.
void namePlateTrim(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        Draw::petal(cr, side * 0.15, -0.28, side * -70.0, 0.42, 0.12);
        Draw::shape(cr, Style::leaf, 0.025);
    }
    ScreenKit::blossom(cr, -0.78, -0.08, 0.2, 5, Style::rose, Style::sun, 12.0);
    ScreenKit::blossom(cr, 0.78, -0.08, 0.2, 5, Style::lilac, Style::sun, -8.0);
}

}  // namespace

void paintTitle(Canvas& c, int number) {
    if (number == 941) {
        background(c);
        return;
    }
    cairo_t* cr = c.cr();
    if (number == 945) {
        c.boxSpace(-1.0, -0.5, 1.0, 0.5);
        namePlateTrim(cr);
        return;
    }
    c.unitSpace();
    if (number == 942) danceScene(cr);
    else if (number == 943) {
        ScreenKit::rosette(cr, 0.95, 5, 8.0);
    } else {
        pogo(cr);
    }
}

void paintLoading(Canvas& c, int number) {
    cairo_t* cr = c.cr();
    if (number == 896) {
        c.boxSpace(-2.0, -0.5, 2.0, 0.5);
        Fonts::text(cr, FontId::SerifBold, 0.62, 0.0, -0.2, "Loading ...", Fonts::Align::Centre, Style::pink,
                    Style::plum, 0.1);
        return;
    }
    c.unitSpace();
    if (number == 895) {
        ScreenKit::blossom(cr, 0, 0, 0.9, 5, Style::rose, Style::sun);
    } else {
        for (int i = 0; i < 5; ++i) Draw::petal(cr, 0, 0, 72.0 * i, 0.9, 0.38);
        Draw::fillFlat(cr, Rgba{1, 1, 1, 0.12});
        Draw::outline(cr, withAlpha(Style::pink, 0.7), 0.08);
    }
}
