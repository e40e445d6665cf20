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

void frame(Canvas& c) {
    c.boxSpace(-2.8, -2.1, 2.8, 2.1);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, -2.8, -2.1, 5.6, 4.2);
    Draw::fillLinear(cr, 0, 2.1, 0, -2.1, hexColour(0x3a2560), hexColour(0x1c1230));
    cairo_new_path(cr);
    Draw::glow(cr, 0.0, -1.2, 2.6, Rgba{1.0, 0.8, 0.95, 0.18});
    // Panels: the level on the left, map and medals on the right.
    ScreenKit::panel(cr, -2.7, -1.35, -0.2, 1.5, 0.18, Rgba{0.32, 0.2, 0.45, 0.85}, Style::pink);
    ScreenKit::panel(cr, 0.25, -0.2, 2.7, 1.5, 0.18, Rgba{0.32, 0.2, 0.45, 0.85}, Style::pink);
    ScreenKit::panel(cr, 0.25, -1.35, 2.7, -0.3, 0.18, Rgba{0.28, 0.18, 0.4, 0.7}, withAlpha(Style::pink, 0.6));
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
    // The guided first dance and the level arrows.
    ScreenKit::button(cr, -2.62, 1.74, -2.18, 1.96, Style::mint, "1st", 0.12);
    Draw::circle(cr, 0.025, -1.0, 0.17);
    Draw::circle(cr, 0.025, -1.55, 0.17);
    Draw::shape(cr, Style::lilac, 0.025);
    ScreenKit::arrowUp(cr, 0.025, -0.99, 0.22, Style::sun);
    cairo_save(cr);
    cairo_translate(cr, 0.025, -1.55);
    cairo_rotate(cr, Draw::pi);
    ScreenKit::arrowUp(cr, 0, 0.01, 0.22, Style::sun);
    cairo_restore(cr);
    // The Quit button as it stands when the pointer is elsewhere.
    ScreenKit::button(cr, -0.66, -1.94, 0.5, -1.5, mix(Style::lilac, grey(0.5), 0.35), "Quit", 0.26);
}

void headline(Canvas& c) {
    c.boxSpace(-2.0, -0.5, 2.0, 0.5);
    cairo_t* cr = c.cr();
    ScreenKit::blossom(cr, -1.78, 0.05, 0.2, 6, Style::rose, Style::sun, 10.0);
    ScreenKit::blossom(cr, 1.78, 0.05, 0.2, 6, Style::lilac, Style::sun, -10.0);
    // As large as fits between the two blossoms.
    const double size = std::min(0.62, 3.0 / Fonts::width(cr, FontId::SerifBold, 1.0, "Velvetarium"));
    Fonts::text(cr, FontId::SerifBold, size, 0.0, -size * 0.3, "Velvetarium", Fonts::Align::Centre, Style::pink,
                Style::plum, size * 0.18);
    Fonts::text(cr, FontId::SerifBold, size, 0.0, -size * 0.3, "Velvetarium", Fonts::Align::Centre,
                lighter(Style::pink, 0.4));
}

void flowerPot(cairo_t* cr) {
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
}

void infoButton(cairo_t* cr, bool next) {
    Draw::circle(cr, 0, 0, 0.88);
    Draw::shape(cr, Style::sky, 0.07, 0.5, 0.55);
    cairo_save(cr);
    cairo_rotate(cr, Draw::rad(next ? -90.0 : 90.0));
    ScreenKit::arrowUp(cr, 0, 0.0, 1.0, Style::cream);
    cairo_restore(cr);
}

// The turning emblem of the title and of the transition rosette. Drawn over
// the whole screen behind the white result texts, it keeps its middle in
// deep jewel tones that white letters stand out against, and saves the
// bright colours for the petal tips at its rim.
void emblem(cairo_t* cr) {
    const Rgba rings[5] = {hexColour(0xe0559a), hexColour(0xa355dd), hexColour(0x5b5fd6), hexColour(0x6b3a9e),
                           hexColour(0x4c2a6e)};
    for (int ring = 0; ring < 5; ++ring) {
        const double rr = 0.97 * (1.0 - ring * 0.155);
        const int petals = 18 - ring * 2;
        const double a0 = ring * 9.0;
        for (int i = 0; i < petals; ++i) {
            Draw::petal(cr, 0, 0, a0 + 360.0 * i / petals, rr, rr * 0.24);
            Draw::fillRadial(cr, 0, 0, rr * 0.3, rr, darker(rings[ring], 0.2), lighter(rings[ring], 0.3));
            Draw::outline(cr, darker(rings[ring], 0.5), rr * 0.014);
        }
    }
    Draw::circle(cr, 0, 0, 0.3);
    Draw::fillRadial(cr, -0.05, 0.05, 0.02, 0.32, hexColour(0x5b3f8c), Style::night);
    Draw::outline(cr, Style::gold, 0.025);
    for (int i = 0; i < 16; ++i) Draw::circle(cr, 0.25 * Draw::dirX(22.5 * i), 0.25 * Draw::dirY(22.5 * i), 0.014);
    Draw::fillFlat(cr, Style::gold);
    cairo_new_path(cr);
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
    case 970:
        for (int i = 0; i < 7; ++i) {
            const double a = -70.0 + i * 23.0;
            const double r = 0.55 + (i % 3) * 0.12;
            ScreenKit::stem(cr, -0.85, -0.85, -0.85 + r * 1.4 * Draw::dirX(a - 45), -0.85 + r * 1.4 * Draw::dirY(a - 45),
                            0.05);
        }
        for (int i = 0; i < 7; ++i) {
            const double a = -70.0 + i * 23.0;
            const double r = 0.55 + (i % 3) * 0.12;
            const Rgba colours[4] = {Style::rose, Style::lilac, Style::sun, Style::sky};
            ScreenKit::blossom(cr, -0.85 + r * 1.4 * Draw::dirX(a - 45), -0.85 + r * 1.4 * Draw::dirY(a - 45), 0.13,
                               5 + i % 3, colours[i % 4], Style::cream, i * 20.0);
        }
        break;
    case 981: infoButton(cr, false); break;
    case 982: infoButton(cr, true); break;
    default: break;
    }
}

void paintRank(Canvas& c, int rank) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    const Rgba colours[9] = {Style::pink, Style::sky, Style::gold, Style::mint, Style::lilac,
                             Style::peach, Style::coral, Style::violet, Style::sun};
    const Rgba col = colours[(rank - 1) % 9];
    // Ribbon tails, petal ring, medallion, and as many stars as the rank.
    for (double side : {-1.0, 1.0}) Draw::petal(cr, side * 0.15, -0.3, side * 160.0, 0.68, 0.16);
    Draw::shape(cr, darker(col, 0.15), 0.04);
    const int petals = 10 + 2 * rank;
    for (int i = 0; i < petals; ++i) Draw::petal(cr, 0, 0.08, 360.0 * i / petals, 0.8, 0.18);
    Draw::shape(cr, col, 0.035, 0.5, 0.5);
    Draw::circle(cr, 0, 0.08, 0.45);
    Draw::shape(cr, Style::cream, 0.04, 0.3, 0.55);
    const int stars = rank > 5 ? 5 : rank;
    for (int s = 0; s < stars; ++s) {
        const double x = (s - (stars - 1) / 2.0) * (stars > 3 ? 0.17 : 0.24);
        Draw::star(cr, x, 0.08, 5, stars > 3 ? 0.11 : 0.15, stars > 3 ? 0.05 : 0.065);
    }
    Draw::shape(cr, rank >= 3 ? Style::gold : darker(col, 0.1), 0.025, 0.5, 0.55);
    if (rank >= 3) {  // a little crown for the stars
        cairo_move_to(cr, -0.18, 0.32);
        cairo_line_to(cr, -0.2, 0.5);
        cairo_line_to(cr, -0.09, 0.41);
        cairo_line_to(cr, 0.0, 0.55);
        cairo_line_to(cr, 0.09, 0.41);
        cairo_line_to(cr, 0.2, 0.5);
        cairo_line_to(cr, 0.18, 0.32);
        cairo_close_path(cr);
        Draw::shape(cr, Style::gold, 0.025);
    }
}
