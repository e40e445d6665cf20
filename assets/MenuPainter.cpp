// The menu's pictures: the frame (98) with curtains, panels, the level arrows,
// the volume track and the plain Quit button, the turning rosette (99), the
// headline, the side pictures, the buttons and the rank emblems.
#include <algorithm>
#include <cmath>
#include <string>

#include "Draw.h"
#include "Fonts.h"
#include "Painters.h"
#include "ScreenKit.h"
#include "Style.h"

namespace {

void curtain(cairo_t* cr, double side) {
    // Velvet folds hanging at the side of the stage.
    const double x0 = side * 2.8, x1 = side * 2.35;
    cairo_move_to(cr, x0, 2.1);
    cairo_line_to(cr, x1 - side * 0.2, 2.1);
    cairo_curve_to(cr, x1, 0.5, x1 + side * 0.05, -1.0, x1 + side * 0.2, -2.1);
    cairo_line_to(cr, x0, -2.1);
    cairo_close_path(cr);
    Draw::fillLinear(cr, x1, 0, x0, 0, hexColour(0xa8326e), hexColour(0x5a1440));
    Draw::outline(cr, Style::plum, 0.02);
    for (int k = 1; k <= 3; ++k) {
        const double x = x0 + (x1 - x0) * k / 4.0;
        cairo_move_to(cr, x, 2.1);
        cairo_curve_to(cr, x - side * 0.05, 0.5, x + side * 0.05, -1.0, x + side * 0.1, -2.1);
    }
    Draw::outline(cr, Rgba{1, 0.7, 0.85, 0.25}, 0.03);
}

// The board above: the progress line along its top band, the introduction
// text over the level picture on the left, the world map and the medals on
// the right. Opaque, like the whole frame.
void board(cairo_t* cr) {
    Draw::roundedRect(cr, -2.1, -0.08, 2.1, 1.5, 0.16);
    Draw::fillLinear(cr, 0, 1.5, 0, -0.08, hexColour(0x20163a), hexColour(0x2c1e48));
    cairo_new_path(cr);
    // The top band behind the headline and the progress line.
    cairo_save(cr);
    Draw::roundedRect(cr, -2.1, -0.08, 2.1, 1.5, 0.16);
    cairo_clip(cr);
    cairo_rectangle(cr, -2.1, 1.19, 4.2, 0.31);
    Draw::fillLinear(cr, 0, 1.5, 0, 1.19, hexColour(0x3a2858), hexColour(0x2e2049));
    cairo_new_path(cr);
    cairo_move_to(cr, -2.1, 1.19);
    cairo_line_to(cr, 2.1, 1.19);
    Draw::outline(cr, withAlpha(Style::gold, 0.35), 0.006);
    cairo_restore(cr);
    Draw::roundedRect(cr, -2.1, -0.08, 2.1, 1.5, 0.16);
    Draw::outline(cr, Style::pink, 0.024);
    Draw::roundedRect(cr, -2.065, -0.045, 2.065, 1.465, 0.13);
    Draw::outline(cr, withAlpha(Style::gold, 0.4), 0.006);
    // Marquee bulbs along the top edge.
    for (int i = 0; i < 20; ++i) {
        const double x = -1.9 + i * 0.2;
        Draw::glow(cr, x, 1.5, 0.06, Rgba{1, 0.85, 0.5, 0.45});
        Draw::circle(cr, x, 1.5, 0.018);
        Draw::fillFlat(cr, hexColour(0xfff0c0));
        cairo_new_path(cr);
    }
    // A velvet cushion that the three medals rest on.
    Draw::roundedRect(cr, 0.18, 0.05, 1.68, 0.5, 0.2);
    Draw::fillLinear(cr, 0, 0.5, 0, 0.05, hexColour(0x3d2862), hexColour(0x2a1c46));
    Draw::outline(cr, withAlpha(Style::pink, 0.3), 0.008);
}

// The map table under the level's radar, which the game draws around
// (0.36, -0.62): a round plan of the stage in deep blue, so that the red,
// yellow, magenta and cyan rings of the dancers and muses stand out.
void mapTable(cairo_t* cr) {
    const double cx = 0.36, cy = -0.62, r = 0.8;
    Draw::glow(cr, cx + 0.03, cy - 0.06, r + 0.16, Rgba{0, 0, 0, 0.5});
    Draw::circle(cr, cx, cy, r);
    Draw::fillLinear(cr, cx - r, cy + r, cx + r, cy - r, hexColour(0xe0bd7e), hexColour(0x8a5a2e));
    Draw::outline(cr, Style::plum, 0.02);
    Draw::circle(cr, cx, cy, r - 0.055);
    Draw::fillRadial(cr, cx - 0.1, cy + 0.12, 0.05, r, hexColour(0x27406e), hexColour(0x141f3c));
    Draw::outline(cr, darker(hexColour(0x8a5a2e), 0.3), 0.012);
    for (int k = 1; k <= 3; ++k) Draw::circle(cr, cx, cy, k * 0.19);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, cx + 0.7 * Draw::dirX(45.0 * k), cy + 0.7 * Draw::dirY(45.0 * k));
        cairo_line_to(cr, cx - 0.7 * Draw::dirX(45.0 * k), cy - 0.7 * Draw::dirY(45.0 * k));
    }
    Draw::outline(cr, Rgba{0.75, 0.85, 1.0, 0.1}, 0.006);
    Draw::star(cr, cx, cy, 4, 0.07, 0.02);
    Draw::fillFlat(cr, Rgba{0.8, 0.9, 1.0, 0.18});
    cairo_new_path(cr);
    // Ticks on the rim, like a compass.
    for (int k = 0; k < 24; ++k) {
        const double a = 15.0 * k, r0 = r - 0.04, r1 = r - (k % 6 == 0 ? 0.0 : 0.02);
        cairo_move_to(cr, cx + r0 * Draw::dirX(a), cy + r0 * Draw::dirY(a));
        cairo_line_to(cr, cx + r1 * Draw::dirX(a), cy + r1 * Draw::dirY(a));
    }
    Draw::outline(cr, hexColour(0x5a3a1c), 0.008);
}

// What the tokens on the map table stand for, drawn like the game's status
// rings: dancers a ring around a dot, muses a blossom ring, talents a hexagon.
void legend(cairo_t* cr) {
    ScreenKit::panel(cr, 1.3, -1.28, 2.06, -0.4, 0.08, hexColour(0x2a1c46), withAlpha(Style::pink, 0.6));
    const Rgba ink = Style::cream, edge = grey(0.15, 0.8);
    Fonts::text(cr, FontId::SansBold, 0.075, 1.68, -0.54, "On the stage", Fonts::Align::Centre, Style::pink,
                Style::plum, 0.012);
    const Rgba dancers[3] = {Rgba{1, 0.15, 0.15, 1}, Rgba{1, 0.95, 0.15, 1}, Rgba{1, 0.2, 1, 1}};
    const Rgba calm{0.55, 0.84, 0.1, 1};
    for (int k = 0; k < 3; ++k) {
        const double x = 1.41 + k * 0.07, y = -0.7;
        Draw::circle(cr, x, y, 0.03);
        Draw::fillFlat(cr, calm);
        cairo_new_path(cr);
        Draw::circle(cr, x, y, 0.038);
        Draw::outline(cr, edge, 0.02);
        Draw::circle(cr, x, y, 0.038);
        Draw::outline(cr, dancers[k], 0.014);
    }
    Fonts::text(cr, FontId::SansBold, 0.07, 1.6, -0.725, "Ballerinas", Fonts::Align::Left, ink, Style::plum, 0.01);
    Draw::scallops(cr, 1.48, -0.9, 0.055, 8, 0.01);
    Draw::circle(cr, 1.48, -0.9, 0.038);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::fillFlat(cr, Rgba{0.1, 0.95, 0.95, 1});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Draw::outline(cr, edge, 0.006);
    Draw::circle(cr, 1.48, -0.9, 0.018);
    Draw::fillFlat(cr, calm);
    cairo_new_path(cr);
    Fonts::text(cr, FontId::SansBold, 0.07, 1.6, -0.925, "Muses", Fonts::Align::Left, ink, Style::plum, 0.01);
    for (int k = 0; k < 6; ++k) {
        const double a = 60.0 * k;
        cairo_line_to(cr, 1.48 + 0.05 * Draw::dirX(a), -1.1 + 0.05 * Draw::dirY(a));
    }
    cairo_close_path(cr);
    Draw::fillFlat(cr, Rgba{1, 0.3, 1, 1});
    Draw::outline(cr, edge, 0.008);
    Draw::circle(cr, 1.48, -1.1, 0.02);
    Draw::fillFlat(cr, calm);
    cairo_new_path(cr);
    Draw::star(cr, 1.505, -1.075, 4, 0.022, 0.005);
    Draw::fillFlat(cr, Style::sun);
    cairo_new_path(cr);
    Fonts::text(cr, FontId::SansBold, 0.07, 1.6, -1.125, "Talents", Fonts::Align::Left, ink, Style::plum, 0.01);
}

void frame(Canvas& c) {
    c.boxSpace(-2.8, -2.1, 2.8, 2.1);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, -2.8, -2.1, 5.6, 4.2);
    Draw::fillLinear(cr, 0, 2.1, 0, -2.1, hexColour(0x3a2560), hexColour(0x1c1230));
    cairo_new_path(cr);
    Draw::glow(cr, -1.175, -1.0, 1.4, Rgba{1.0, 0.8, 0.95, 0.12});
    board(cr);
    mapTable(cr);
    legend(cr);
    curtain(cr, -1.0);
    curtain(cr, 1.0);
    // The valance: scallops along the top.
    for (int i = 0; i < 14; ++i) {
        const double x = -2.8 + (i + 0.5) * 0.4;
        Draw::circle(cr, x, 2.1, 0.22);
    }
    Draw::shape(cr, hexColour(0xc2447f), 0.025);
    for (int i = 0; i < 14; ++i)
        ScreenKit::blossom(cr, -2.8 + (i + 0.5) * 0.4, 1.98, 0.08, 5, Style::sun, Style::rose, i * 17.0);
    // Volume track with a little speaker.
    Draw::roundedRect(cr, -0.25, 1.76, 1.75, 1.84, 0.04);
    Draw::fillLinear(cr, -0.25, 0, 1.75, 0, Style::mint, Style::rose);
    Draw::outline(cr, Style::plum, 0.025);
    cairo_move_to(cr, -0.45, 1.75);
    cairo_line_to(cr, -0.38, 1.75);
    cairo_line_to(cr, -0.31, 1.7);
    cairo_line_to(cr, -0.31, 1.9);
    cairo_line_to(cr, -0.38, 1.85);
    cairo_line_to(cr, -0.45, 1.85);
    cairo_close_path(cr);
    Draw::shape(cr, Style::cream, 0.015);
    // The guided first dance.
    ScreenKit::button(cr, -2.62, 1.74, -2.18, 1.96, Style::mint, "1st", 0.12);
    // The level selector beside the map table: the up arrow on the table's
    // rim, the down arrow a small tab just above Quit (the lower part of its
    // click region lies under the Quit button).
    Draw::circle(cr, 0.025, -1.0, 0.15);
    Draw::shape(cr, Style::lilac, 0.022);
    ScreenKit::arrowUp(cr, 0.025, -0.99, 0.2, Style::sun);
    Draw::roundedRect(cr, -0.11, -1.5, 0.16, -1.39, 0.05);
    Draw::shape(cr, Style::lilac, 0.016);
    cairo_move_to(cr, -0.03, -1.415);
    cairo_line_to(cr, 0.025, -1.47);
    cairo_line_to(cr, 0.08, -1.415);
    Draw::outline(cr, darker(Style::sun, 0.1), 0.028);
    // The Quit button as it stands when the pointer is elsewhere.
    ScreenKit::button(cr, -0.66, -1.94, 0.5, -1.5, mix(Style::lilac, grey(0.5), 0.35), "Quit", 0.26);
}

// The name of the game with a blossom before it. The menu draws it small
// beside its progress line, which begins right of the picture's middle: the
// lettering keeps to the left three quarters of the picture.
// A square picture with the lettering in a band across its middle quarter:
// the screens draw it at equal half sizes.
void headline(Canvas& c) {
    c.boxSpace(-2.0, -2.0, 2.0, 2.0);
    cairo_t* cr = c.cr();
    ScreenKit::blossom(cr, -1.62, 0.02, 0.26, 6, Style::rose, Style::sun, 10.0);
    const double left = -1.3, right = 1.1;
    const double size = std::min(0.74, (right - left) / Fonts::width(cr, FontId::SerifBold, 1.0, "Velvetarium"));
    Fonts::text(cr, FontId::SerifBold, size, left, -size * 0.3, "Velvetarium", Fonts::Align::Left, Style::pink,
                Style::plum, size * 0.2);
    Fonts::text(cr, FontId::SerifBold, size, left, -size * 0.3, "Velvetarium", Fonts::Align::Left,
                lighter(Style::pink, 0.45));
}

void flowerPot(cairo_t* cr) {
    // Narrow and a little to the right: the world map ends just left of it.
    cairo_save(cr);
    cairo_translate(cr, 0.12, -0.05);
    cairo_scale(cr, 0.82, 0.9);
    ScreenKit::stem(cr, 0.0, -0.5, -0.35, 0.55, -0.1);
    ScreenKit::stem(cr, 0.0, -0.5, 0.05, 0.75, 0.1);
    ScreenKit::stem(cr, 0.0, -0.5, 0.4, 0.45, 0.12);
    ScreenKit::blossom(cr, -0.35, 0.55, 0.2, 5, Style::rose, Style::sun);
    ScreenKit::blossom(cr, 0.05, 0.75, 0.22, 8, Style::lilac, Style::sun, 12.0);
    ScreenKit::blossom(cr, 0.4, 0.45, 0.18, 6, Style::sky, Style::cream);
    cairo_move_to(cr, -0.4, -0.45);
    cairo_line_to(cr, 0.4, -0.45);
    cairo_line_to(cr, 0.3, -0.95);
    cairo_line_to(cr, -0.3, -0.95);
    cairo_close_path(cr);
    Draw::shape(cr, Style::peach, 0.04);
    Draw::roundedRect(cr, -0.46, -0.5, 0.46, -0.36, 0.05);
    Draw::shape(cr, darker(Style::peach, 0.1), 0.04);
    cairo_restore(cr);
}

// Over the frame, under everything else (drawn with half size 1.2 around
// (-1, -1)): the spotlight where the Prima Ballerina dances on the menu, at
// (-1.175, -0.65), and a climbing vine in the lower left corner.
void overlay(cairo_t* cr) {
    const double px = (-1.175 + 1.0) / 1.2, py = (-0.7 + 1.0) / 1.2;
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_scale(cr, 1.0, 0.62);
    Draw::glow(cr, 0, 0, 0.6, Rgba{1.0, 0.85, 0.95, 0.3});
    Draw::circle(cr, 0, 0, 0.36);
    Draw::fillRadial(cr, 0, 0, 0.2, 0.36, Rgba{1, 0.9, 0.97, 0.16}, Rgba{1, 0.9, 0.97, 0.05});
    Draw::outline(cr, Rgba{1, 0.8, 0.92, 0.3}, 0.008);
    cairo_restore(cr);
    // The vine: a stem up the left edge with leaves and small blossoms.
    ScreenKit::stem(cr, -0.9, -1.0, -0.92, -0.25, 0.08);
    ScreenKit::stem(cr, -0.92, -0.25, -0.82, 0.42, -0.06);
    const Rgba colours[4] = {Style::rose, Style::lilac, Style::sun, Style::sky};
    const double spots[5][2] = {{-0.88, 0.42}, {-0.95, 0.12}, {-0.84, -0.15}, {-0.93, -0.42}, {-0.86, -0.62}};
    for (int i = 0; i < 5; ++i)
        ScreenKit::blossom(cr, spots[i][0], spots[i][1], 0.07 + (i % 2) * 0.02, 5 + i % 3, colours[i % 4],
                           Style::cream, i * 25.0);
}

void infoButton(cairo_t* cr, bool next) {
    Draw::circle(cr, 0, 0, 0.88);
    Draw::shape(cr, Style::sky, 0.07, 0.5, 0.55);
    cairo_save(cr);
    cairo_rotate(cr, Draw::rad(next ? -90.0 : 90.0));
    ScreenKit::arrowUp(cr, 0, 0.0, 1.0, Style::cream);
    cairo_restore(cr);
}

// The turning emblem of the title and of the transition rosette. On the
// title it is small and squeezed, a soft shimmer behind the first letters of
// the wobbling name; behind the result texts it fills the screen. So it is
// calm: rings of petals in the title's own violets and pinks without hard
// outlines, fading out towards the tips, around a soft light.
void emblem(cairo_t* cr) {
    const Rgba rings[5] = {hexColour(0xf08cc4), hexColour(0xc88ae8), hexColour(0xa58ae6), hexColour(0xd49ae0),
                           hexColour(0xf0b0d8)};
    for (int ring = 0; ring < 5; ++ring) {
        const double rr = 0.98 * (1.0 - ring * 0.15);
        const int petals = 16 - ring * 2;
        const double a0 = ring * 11.0;
        for (int i = 0; i < petals; ++i) {
            Draw::petal(cr, 0, 0, a0 + 360.0 * i / petals, rr, rr * 0.26);
            Draw::fillRadial(cr, 0, 0, rr * 0.35, rr, darker(rings[ring], 0.15), lighter(rings[ring], 0.35));
            Draw::outline(cr, withAlpha(darker(rings[ring], 0.3), 0.4), rr * 0.01);
        }
    }
    // The petal tips melt into whatever lies behind.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_pattern_t* fade = cairo_pattern_create_radial(0, 0, 0.8, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.0, 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, fade);
    cairo_paint(cr);
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
    // A soft light in the middle, behind the title's letters and the
    // result's emblem and medal.
    Draw::circle(cr, 0, 0, 0.62);
    cairo_pattern_t* light = cairo_pattern_create_radial(0, 0, 0.0, 0, 0, 0.62);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1.0, 0.95, 0.98, 0.95);
    cairo_pattern_add_color_stop_rgba(light, 0.4, 1.0, 0.84, 0.94, 0.75);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 0.95, 0.7, 0.9, 0.0);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    Draw::circle(cr, 0, 0, 0.3);
    Draw::outline(cr, withAlpha(Style::gold, 0.45), 0.012);
}

}  // namespace

void paintMenu(Canvas& c, int number) {
    cairo_t* cr = c.cr();
    switch (number) {
    case 98: frame(c); return;
    case 901: headline(c); return;
    case 961:
    case 962: {
        c.boxSpace(-1.0, -0.5, 1.0, 0.5);
        if (number == 962) Draw::glow(cr, 0, 0, 1.0, withAlpha(Style::sun, 0.6));
        ScreenKit::button(cr, -0.94, -0.4, 0.94, 0.4, number == 961 ? Style::rose : Style::coral,
                          number == 961 ? "Play" : "Quit", 0.42);
        return;
    }
    default: break;
    }
    c.unitSpace();
    switch (number) {
    case 99: emblem(cr); break;
    case 951: flowerPot(cr); break;
    case 952: ScreenKit::butterfly(cr, 0, 0, 1.5, Style::sky); break;
    case 970: overlay(cr); break;
    case 981: infoButton(cr, false); break;
    case 982: infoButton(cr, true); break;
    default: break;
    }
}

// The rank emblem: a petal rosette with as many stars as the rank, over a
// dark ribbon. The menu writes "o.k." on the ribbon (below the emblem's
// middle, 0.42 of its half size down) when the dance is done at this rank.
void paintRank(Canvas& c, int rank) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    const Rgba colours[9] = {Style::pink, Style::sky, Style::gold, Style::mint, Style::lilac,
                             Style::peach, Style::coral, Style::violet, Style::sun};
    const Rgba col = colours[(rank - 1) % 9];
    const double cy = 0.16;
    const int petals = 10 + 2 * rank;
    for (int i = 0; i < petals; ++i) Draw::petal(cr, 0, cy, 360.0 * i / petals, 0.74, 0.17);
    Draw::shape(cr, col, 0.035, 0.5, 0.5);
    Draw::circle(cr, 0, cy, 0.42);
    Draw::shape(cr, Style::cream, 0.04, 0.3, 0.55);
    const int stars = rank > 5 ? 5 : rank;
    for (int s = 0; s < stars; ++s) {
        const double x = (s - (stars - 1) / 2.0) * (stars > 3 ? 0.16 : 0.23);
        Draw::star(cr, x, cy + 0.02, 5, stars > 3 ? 0.1 : 0.14, stars > 3 ? 0.045 : 0.06);
    }
    Draw::shape(cr, rank >= 3 ? Style::gold : darker(col, 0.1), 0.025, 0.5, 0.55);
    if (rank >= 3) {  // a little crown for the stars
        const double y = cy + 0.24;
        cairo_move_to(cr, -0.17, y);
        cairo_line_to(cr, -0.19, y + 0.17);
        cairo_line_to(cr, -0.085, y + 0.085);
        cairo_line_to(cr, 0.0, y + 0.21);
        cairo_line_to(cr, 0.085, y + 0.085);
        cairo_line_to(cr, 0.19, y + 0.17);
        cairo_line_to(cr, 0.17, y);
        cairo_close_path(cr);
        Draw::shape(cr, Style::gold, 0.025);
    }
    // The ribbon: its ends fold back behind it.
    const double top = -0.24, bottom = -0.62;
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.78, top - 0.06);
        cairo_line_to(cr, side * 0.99, top - 0.06);
        cairo_line_to(cr, side * 0.9, (top + bottom) / 2 - 0.06);
        cairo_line_to(cr, side * 0.99, bottom - 0.06);
        cairo_line_to(cr, side * 0.78, bottom - 0.06);
        cairo_close_path(cr);
    }
    Draw::shape(cr, darker(col, 0.55), 0.025, 0.1, 0.4);
    cairo_move_to(cr, -0.86, top);
    cairo_curve_to(cr, -0.3, top + 0.05, 0.3, top + 0.05, 0.86, top);
    cairo_line_to(cr, 0.86, bottom);
    cairo_curve_to(cr, 0.3, bottom + 0.05, -0.3, bottom + 0.05, -0.86, bottom);
    cairo_close_path(cr);
    Draw::fillLinear(cr, 0, top, 0, bottom, hexColour(0x4a3370), hexColour(0x2b1d47));
    Draw::outline(cr, col, 0.03);
}
