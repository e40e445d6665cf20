// Level pictures 1-36 (a city at night behind the menu's introduction text;
// 34 the dance studio of the guided first dance) and the round preview
// badges 351-384. The world map (35) is painted by WorldMapPainter.cpp.
#include <cmath>
#include <string>

#include "Draw.h"
#include "Fonts.h"
#include "Painters.h"
#include "ScreenKit.h"
#include "Style.h"

namespace {

using Draw::dirX;
using Draw::dirY;

const Rgba silhouette = hexColour(0x2e1f47);
const Rgba glowLine = hexColour(0xff9ecf);

void fillSilhouette(cairo_t* cr) {
    Draw::setColour(cr, silhouette);
    cairo_fill_preserve(cr);
    Draw::outline(cr, withAlpha(glowLine, 0.7), 0.015);
}

void eiffel(cairo_t* cr) {
    cairo_move_to(cr, -0.42, -0.7);
    cairo_curve_to(cr, -0.2, -0.3, -0.08, 0.2, -0.03, 0.75);
    cairo_line_to(cr, 0.03, 0.75);
    cairo_curve_to(cr, 0.08, 0.2, 0.2, -0.3, 0.42, -0.7);
    cairo_line_to(cr, 0.25, -0.7);
    cairo_curve_to(cr, 0.15, -0.45, -0.15, -0.45, -0.25, -0.7);
    cairo_close_path(cr);
    fillSilhouette(cr);
    for (double y : {-0.3, 0.15}) {
        const double w = y < 0 ? 0.26 : 0.14;
        cairo_rectangle(cr, -w, y - 0.03, 2 * w, 0.06);
    }
    fillSilhouette(cr);
}

void sugarloaf(cairo_t* cr) {
    cairo_move_to(cr, -1.0, -0.7);
    cairo_curve_to(cr, -0.7, -0.2, -0.5, 0.2, -0.35, 0.25);
    cairo_curve_to(cr, -0.2, 0.2, -0.15, -0.2, 0.0, -0.3);
    cairo_curve_to(cr, 0.2, -0.1, 0.3, 0.55, 0.5, 0.58);
    cairo_curve_to(cr, 0.7, 0.5, 0.85, -0.2, 1.0, -0.5);
    cairo_line_to(cr, 1.0, -0.7);
    cairo_close_path(cr);
    fillSilhouette(cr);
    cairo_move_to(cr, -0.35, 0.25);
    cairo_line_to(cr, 0.5, 0.58);
    Draw::outline(cr, glowLine, 0.01);
    Draw::roundedRect(cr, 0.04, 0.36, 0.12, 0.42, 0.01);
    Draw::fillFlat(cr, Style::sun);
    cairo_new_path(cr);
}

void pagoda(cairo_t* cr) {
    cairo_move_to(cr, -0.95, -0.6);
    cairo_line_to(cr, -0.35, 0.35);
    cairo_line_to(cr, 0.25, -0.6);
    cairo_close_path(cr);
    Draw::fillFlat(cr, hexColour(0x6a5a9a));
    cairo_new_path(cr);
    cairo_move_to(cr, -0.52, 0.08);
    cairo_line_to(cr, -0.35, 0.35);
    cairo_line_to(cr, -0.18, 0.08);
    cairo_line_to(cr, -0.28, 0.12);
    cairo_line_to(cr, -0.35, 0.06);
    cairo_line_to(cr, -0.42, 0.12);
    cairo_close_path(cr);
    Draw::fillFlat(cr, Style::cream);
    cairo_new_path(cr);
    for (int k = 0; k < 4; ++k) {
        const double y = -0.55 + k * 0.28, w = 0.4 - k * 0.07;
        cairo_rectangle(cr, 0.55 - w * 0.45, y, w * 0.9, 0.2);
        cairo_move_to(cr, 0.55 - w - 0.08, y + 0.18);
        cairo_curve_to(cr, 0.55 - w * 0.3, y + 0.22, 0.55 + w * 0.3, y + 0.22, 0.55 + w + 0.08, y + 0.18);
        cairo_line_to(cr, 0.55, y + 0.32);
        cairo_close_path(cr);
    }
    cairo_rectangle(cr, 0.54, 0.55, 0.02, 0.2);
    fillSilhouette(cr);
}

void aurora(cairo_t* cr) {
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -1.0, 0.3 + k * 0.15);
        cairo_curve_to(cr, -0.4, 0.7 + k * 0.1, 0.2, 0.1 + k * 0.1, 1.0, 0.6 + k * 0.08);
        Draw::outline(cr, Rgba{0.5, 1.0, 0.7, 0.35 - k * 0.08}, 0.12);
    }
    cairo_move_to(cr, -1.0, -0.7);
    cairo_line_to(cr, -1.0, 0.1);
    cairo_line_to(cr, -0.55, -0.2);
    cairo_line_to(cr, -0.3, -0.45);
    cairo_line_to(cr, 0.35, -0.35);
    cairo_line_to(cr, 0.6, 0.05);
    cairo_line_to(cr, 1.0, -0.1);
    cairo_line_to(cr, 1.0, -0.7);
    cairo_close_path(cr);
    fillSilhouette(cr);
    for (int h = 0; h < 4; ++h) {
        const double x = -0.45 + h * 0.22;
        cairo_move_to(cr, x - 0.08, -0.6);
        cairo_line_to(cr, x - 0.08, -0.45);
        cairo_line_to(cr, x, -0.37);
        cairo_line_to(cr, x + 0.08, -0.45);
        cairo_line_to(cr, x + 0.08, -0.6);
        cairo_close_path(cr);
        const Rgba colours[4] = {Style::coral, Style::sun, Style::sky, Style::cream};
        Draw::shape(cr, colours[h], 0.015);
    }
}

void opera(cairo_t* cr) {
    for (int k = 0; k < 4; ++k) {
        const double x = -0.55 + k * 0.28, h = 0.55 - std::abs(k - 1.5) * 0.12;
        cairo_move_to(cr, x - 0.12, -0.45);
        cairo_curve_to(cr, x - 0.05, -0.45 + h * 0.7, x + 0.1, -0.45 + h, x + 0.25, -0.45 + h);
        cairo_curve_to(cr, x + 0.15, -0.45 + h * 0.5, x + 0.15, -0.45, x + 0.15, -0.45);
        cairo_close_path(cr);
        Draw::shape(cr, Style::cream, 0.02, 0.3, 0.6);
    }
    cairo_rectangle(cr, -0.75, -0.55, 1.4, 0.1);
    fillSilhouette(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.75, -0.6, 0.55, Draw::pi * 0.05, Draw::pi * 0.95);
    Draw::outline(cr, silhouette, 0.06);
}

void pyramidSteps(cairo_t* cr) {
    for (int k = 0; k < 5; ++k) {
        const double w = 0.7 - k * 0.12;
        cairo_rectangle(cr, -0.1 - w, -0.65 + k * 0.17, 2 * w, 0.17);
    }
    cairo_rectangle(cr, -0.22, 0.2, 0.24, 0.14);
    fillSilhouette(cr);
    for (double x : {0.72, -0.88}) {
        Draw::roundedRect(cr, x - 0.05, -0.65, x + 0.05, -0.1, 0.05);
        Draw::roundedRect(cr, x - 0.16, -0.4, x - 0.08, -0.18, 0.04);
        Draw::roundedRect(cr, x + 0.08, -0.35, x + 0.16, -0.12, 0.04);
        Draw::shape(cr, Style::leaf, 0.015);
    }
}

void mountains(cairo_t* cr) {
    cairo_move_to(cr, -1.0, -0.6);
    cairo_line_to(cr, -0.55, 0.35);
    cairo_line_to(cr, -0.2, -0.05);
    cairo_line_to(cr, 0.25, 0.55);
    cairo_line_to(cr, 0.75, -0.1);
    cairo_line_to(cr, 1.0, 0.15);
    cairo_line_to(cr, 1.0, -0.6);
    cairo_close_path(cr);
    Draw::fillFlat(cr, hexColour(0x5d4f8c));
    cairo_new_path(cr);
    for (auto [x, y] : {std::pair{-0.55, 0.35}, std::pair{0.25, 0.55}}) {
        cairo_move_to(cr, x - 0.14, y - 0.22);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + 0.16, y - 0.22);
        cairo_line_to(cr, x + 0.05, y - 0.17);
        cairo_line_to(cr, x - 0.04, y - 0.2);
        cairo_close_path(cr);
    }
    Draw::fillFlat(cr, Style::cream);
    cairo_new_path(cr);
    for (int t = 0; t < 6; ++t) {
        const double x = -0.85 + t * 0.34, h = 0.3 + (t % 2) * 0.12;
        cairo_move_to(cr, x - 0.1, -0.62);
        cairo_line_to(cr, x, -0.62 + h);
        cairo_line_to(cr, x + 0.1, -0.62);
        cairo_close_path(cr);
    }
    fillSilhouette(cr);
}

void dome(cairo_t* cr) {
    cairo_rectangle(cr, -0.45, -0.62, 0.9, 0.5);
    cairo_move_to(cr, -0.28, -0.12);
    cairo_curve_to(cr, -0.35, 0.2, -0.05, 0.3, 0.0, 0.5);
    cairo_curve_to(cr, 0.05, 0.3, 0.35, 0.2, 0.28, -0.12);
    cairo_close_path(cr);
    for (double x : {-0.62, 0.62}) cairo_rectangle(cr, x - 0.04, -0.62, 0.08, 0.75);
    for (double x : {-0.62, 0.62}) Draw::circle(cr, x, 0.15, 0.06);
    fillSilhouette(cr);
    cairo_move_to(cr, -0.1, -0.62);
    cairo_line_to(cr, -0.1, -0.35);
    cairo_curve_to(cr, -0.1, -0.25, 0.1, -0.25, 0.1, -0.35);
    cairo_line_to(cr, 0.1, -0.62);
    cairo_close_path(cr);
    Draw::fillFlat(cr, Style::sun);
    cairo_new_path(cr);
}

void pyramids(cairo_t* cr) {
    for (auto [x, w] : {std::pair{-0.45, 0.5}, std::pair{0.25, 0.38}, std::pair{0.75, 0.22}}) {
        cairo_move_to(cr, x - w, -0.6);
        cairo_line_to(cr, x, -0.6 + w * 1.1);
        cairo_line_to(cr, x + w, -0.6);
        cairo_close_path(cr);
        fillSilhouette(cr);
        cairo_move_to(cr, x, -0.6 + w * 1.1);
        cairo_line_to(cr, x + w, -0.6);
        cairo_line_to(cr, x + w * 0.2, -0.6);
        cairo_close_path(cr);
        Draw::fillFlat(cr, Rgba{1, 0.7, 0.5, 0.25});
        cairo_new_path(cr);
    }
    cairo_move_to(cr, -0.92, -0.62);
    cairo_curve_to(cr, -0.9, -0.3, -0.85, -0.1, -0.82, 0.1);
    Draw::outline(cr, silhouette, 0.05);
    for (int k = 0; k < 5; ++k) Draw::petal(cr, -0.82, 0.1, -100.0 + k * 50.0, 0.28, 0.06);
    fillSilhouette(cr);
}

void studio(cairo_t* cr) {
    cairo_rectangle(cr, -1, -1, 2, 2);
    Draw::fillLinear(cr, 0, 1, 0, -1, hexColour(0xffe3ef), hexColour(0xf2b8d4));
    cairo_new_path(cr);
    ScreenKit::panel(cr, -0.8, -0.25, 0.8, 0.8, 0.06, Rgba{0.8, 0.92, 1.0, 0.9}, hexColour(0xc9a36a));
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -0.6 + k * 0.5, 0.7);
        cairo_line_to(cr, -0.3 + k * 0.5, -0.15);
    }
    Draw::outline(cr, Rgba{1, 1, 1, 0.5}, 0.05);
    cairo_rectangle(cr, -1, -1, 2, 0.65);
    Draw::fillLinear(cr, 0, -0.35, 0, -1, hexColour(0xe0a868), hexColour(0xb37a42));
    cairo_new_path(cr);
    for (int k = 0; k < 8; ++k) {
        cairo_move_to(cr, -1.0 + k * 0.28, -0.35);
        cairo_line_to(cr, -1.3 + k * 0.4, -1.0);
    }
    Draw::outline(cr, Rgba{0.5, 0.3, 0.15, 0.4}, 0.015);
    cairo_move_to(cr, -0.95, -0.05);
    cairo_line_to(cr, 0.95, -0.05);
    Draw::outline(cr, hexColour(0x8a5a2e), 0.05);
    for (double x : {-0.7, 0.7}) {
        cairo_move_to(cr, x, -0.05);
        cairo_line_to(cr, x, -0.4);
    }
    Draw::outline(cr, hexColour(0x8a5a2e), 0.04);
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, 0.05 + side * 0.14, -0.7, 0.09, 0.2, side * -10.0);
        Draw::shape(cr, Style::pink, 0.02);
    }
    cairo_move_to(cr, -0.1, -0.55);
    cairo_curve_to(cr, -0.3, -0.3, 0.3, -0.3, 0.2, -0.55);
    Draw::outline(cr, Style::rose, 0.02);
}

// Per city: the sky high up and at the horizon.
const Rgba skyTops[9] = {hexColour(0x5a3f8f), hexColour(0x3f6fb0), hexColour(0x7a4a8a), hexColour(0x1c2a55),
                         hexColour(0x3d5fa8), hexColour(0x8a3f6a), hexColour(0x4a4a90), hexColour(0x8a4f6a),
                         hexColour(0x6a4a7a)};
const Rgba skyBottoms[9] = {hexColour(0xffa3c8), hexColour(0xffc48a), hexColour(0xffb3c1), hexColour(0x5a4f9a),
                            hexColour(0xff9f8a), hexColour(0xffc36a), hexColour(0xffb38a), hexColour(0xffcf8a),
                            hexColour(0xffd08a)};

// The preview badges' sky: the square from (-1, -1) to (1, 1), bright at the
// horizon.
void sky(cairo_t* cr, int level) {
    const int i = (level - 1) % 9;
    cairo_rectangle(cr, -1, -1, 2, 2);
    Draw::fillLinear(cr, 0, 1, 0, -0.6, skyTops[i], skyBottoms[i]);
    cairo_new_path(cr);
    for (int s = 0; s < 14; ++s) {
        const double x = std::fmod(s * 0.377 + level * 0.11, 1.9) - 0.95;
        const double y = 0.35 + std::fmod(s * 0.291 + level * 0.07, 0.6);
        Draw::star(cr, x, y, 4, 0.025, 0.008);
    }
    Draw::fillFlat(cr, Rgba{1, 1, 0.9, 0.8});
    cairo_new_path(cr);
}

// The level pictures are the backdrop of the menu's introduction text: drawn
// with half size 1.0 x 0.6 around (-1.275, 0.56), in stage units. The text
// covers the upper right of the picture (x > -0.33 and y > 0.1 here), so the
// sky there stays dark and calm; the landmark stands in the free left column,
// the lights of the city glow along the bottom, under the text.
constexpr double levelHalfWidth = 1.0;
constexpr double levelHalfHeight = 0.6;
constexpr double horizon = -0.42;  // where the skyline meets the sky

// A night sky, deep where the text lies and warm only near the horizon.
void nightSky(cairo_t* cr, int level) {
    const int i = (level - 1) % 9;
    const Rgba deep = mix(skyTops[i], Style::night, 0.72);
    const Rgba middle = mix(skyTops[i], Style::night, 0.4);
    const Rgba low = mix(mix(skyTops[i], skyBottoms[i], 0.45), Style::night, 0.25);
    const Rgba warm = mix(skyBottoms[i], Style::night, 0.15);
    cairo_rectangle(cr, -levelHalfWidth, -levelHalfHeight, 2 * levelHalfWidth, 2 * levelHalfHeight);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, levelHalfHeight, 0, -levelHalfHeight);
    const double stops[4] = {0.0, 0.5, 0.78, 1.0};
    const Rgba colours[4] = {deep, middle, low, warm};
    for (int k = 0; k < 4; ++k)
        cairo_pattern_add_color_stop_rgba(p, stops[k], colours[k].r, colours[k].g, colours[k].b, 1.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Faint stars, a few more in the free left column.
    for (int s = 0; s < 16; ++s) {
        const double x = std::fmod(s * 0.613 + level * 0.17, 1.9) - 0.95;
        const double y = -0.05 + std::fmod(s * 0.347 + level * 0.09, 0.6);
        const bool free = x < -0.35;
        Draw::star(cr, x, y, 4, free ? 0.022 : 0.014, free ? 0.007 : 0.005);
    }
    Draw::fillFlat(cr, Rgba{1, 1, 0.92, 0.55});
    cairo_new_path(cr);
    // The moon over the landmark, with a soft halo.
    Draw::glow(cr, -0.63, 0.4, 0.2, Rgba{1, 0.92, 0.85, 0.35});
    Draw::circle(cr, -0.63, 0.4, 0.05);
    Draw::fillRadial(cr, -0.645, 0.415, 0.005, 0.055, hexColour(0xfffbf0), hexColour(0xffe6c8));
    cairo_new_path(cr);
    // The glow of the city along the horizon.
    cairo_save(cr);
    cairo_scale(cr, 1.0, 0.35);
    Draw::glow(cr, 0.1, horizon / 0.35, 1.1, withAlpha(lighter(skyBottoms[i], 0.2), 0.35));
    cairo_restore(cr);
}

// Rows of houses and towers with lit windows, far behind the landmark.
void skyline(cairo_t* cr, int level) {
    const int i = (level - 1) % 9;
    const Rgba far = mix(skyBottoms[i], Style::night, 0.62);
    const Rgba near = mix(silhouette, Style::night, 0.3);
    for (int row = 0; row < 2; ++row) {
        double x = -levelHalfWidth - 0.03 * row;
        int k = level * 7 + row * 13;
        while (x < levelHalfWidth) {
            const double w = 0.07 + (k * 37 % 9) * 0.011;
            const double h = (row == 0 ? 0.16 : 0.07) + (k * 53 % 11) * (row == 0 ? 0.014 : 0.01);
            const double base = -levelHalfHeight;
            cairo_rectangle(cr, x, base, w, horizon - base + h);
            if (k % 4 == 0 && row == 0) {  // a pointed roof now and then
                cairo_move_to(cr, x, horizon + h);
                cairo_line_to(cr, x + w / 2, horizon + h + 0.06);
                cairo_line_to(cr, x + w, horizon + h);
                cairo_close_path(cr);
            }
            Draw::fillFlat(cr, row == 0 ? far : near);
            cairo_new_path(cr);
            // Windows: a grid, about half of them lit.
            for (double wy = horizon + h - 0.04; wy > base + 0.02; wy -= 0.04) {
                for (double wx = x + 0.018; wx < x + w - 0.02; wx += 0.03) {
                    const int seed = static_cast<int>((wx + 3.0) * 97.0) * 31 + static_cast<int>((wy + 3.0) * 71.0);
                    if ((seed + k) % 5 < 2) continue;
                    cairo_rectangle(cr, wx, wy, 0.012, 0.018);
                }
            }
            Draw::fillFlat(cr, withAlpha(Style::sun, row == 0 ? 0.45 : 0.75));
            cairo_new_path(cr);
            x += w + 0.012;
            ++k;
        }
    }
}

// The stage floor along the bottom edge, with a few blossoms.
void foreground(cairo_t* cr, int level) {
    cairo_rectangle(cr, -levelHalfWidth, -levelHalfHeight, 2 * levelHalfWidth, 0.1);
    Draw::fillLinear(cr, 0, -0.5, 0, -levelHalfHeight, hexColour(0x2c1d45), hexColour(0x1d1330));
    cairo_new_path(cr);
    const Rgba colours[4] = {Style::rose, Style::sun, Style::lilac, Style::mint};
    for (int k = 0; k < 9; ++k) {
        const double x = -0.92 + k * 0.23;
        ScreenKit::blossom(cr, x, -0.56 + 0.015 * std::sin(k * 2.0 + level), 0.028, 5,
                           withAlpha(colours[(k + level) % 4], 0.8), Style::cream, k * 30.0);
    }
}

// Soft edges on every side, so that the picture melts into the menu's board.
// On the left it ends inside the board's border, which lies 0.21 in from the
// picture's edge.
void fadeEdges(cairo_t* cr) {
    const double w = levelHalfWidth, h = levelHalfHeight;
    const double leftClear = 0.21, leftSoft = 0.07, right = 0.32, top = 0.08, bottom = 0.06;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_pattern_t* across = cairo_pattern_create_linear(-w, 0, w, 0);
    cairo_pattern_add_color_stop_rgba(across, 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(across, leftClear / (2 * w), 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(across, (leftClear + leftSoft) / (2 * w), 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(across, 1.0 - right / (2 * w), 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(across, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, across);
    cairo_paint(cr);
    cairo_pattern_destroy(across);
    cairo_pattern_t* down = cairo_pattern_create_linear(0, h, 0, -h);
    cairo_pattern_add_color_stop_rgba(down, 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(down, top / (2 * h), 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(down, 1.0 - bottom / (2 * h), 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(down, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, down);
    cairo_paint(cr);
    cairo_pattern_destroy(down);
    cairo_restore(cr);
}

// The dance studio of the guided first dance, in the evening: a dim wall
// behind the text, a tall mirror and the barre, a warm wooden floor.
void studioBackdrop(cairo_t* cr) {
    const double w = levelHalfWidth, h = levelHalfHeight;
    cairo_rectangle(cr, -w, -h, 2 * w, 2 * h);
    Draw::fillLinear(cr, 0, h, 0, -0.3, hexColour(0x261a3c), hexColour(0x553a66));
    cairo_new_path(cr);
    // Wall panels, faint.
    for (int k = 0; k < 5; ++k) {
        const double x = -0.3 + k * 0.27;
        Draw::roundedRect(cr, x, -0.12, x + 0.22, 0.5, 0.02);
    }
    Draw::outline(cr, Rgba{1, 0.8, 0.95, 0.07}, 0.012);
    // The tall mirror in the free left column, with the glow of the lamps in it.
    ScreenKit::panel(cr, -0.76, -0.3, -0.36, 0.52, 0.03, hexColour(0x6f6a9e), hexColour(0xc9a36a));
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -0.7 + k * 0.12, 0.45);
        cairo_line_to(cr, -0.6 + k * 0.12, -0.22);
    }
    Draw::outline(cr, Rgba{1, 1, 1, 0.16}, 0.03);
    // Two wall lamps, below the text.
    for (double x : {0.05, 0.62}) {
        Draw::glow(cr, x, -0.06, 0.2, Rgba{1, 0.85, 0.6, 0.45});
        Draw::ellipse(cr, x, -0.06, 0.025, 0.035);
        Draw::fillFlat(cr, hexColour(0xffe9b8));
        cairo_new_path(cr);
    }
    // The floor.
    cairo_rectangle(cr, -w, -h, 2 * w, 0.3);
    Draw::fillLinear(cr, 0, -0.3, 0, -h, hexColour(0xb07a48), hexColour(0x6e4526));
    cairo_new_path(cr);
    for (int k = 0; k < 12; ++k) {
        cairo_move_to(cr, -1.0 + k * 0.2, -0.3);
        cairo_line_to(cr, -1.5 + k * 0.3, -h);
    }
    Draw::outline(cr, Rgba{0.3, 0.15, 0.05, 0.35}, 0.008);
    // The barre along the wall.
    cairo_move_to(cr, -w, -0.16);
    cairo_line_to(cr, w, -0.16);
    Draw::outline(cr, hexColour(0x8a5a2e), 0.03);
    cairo_move_to(cr, -w, -0.155);
    cairo_line_to(cr, w, -0.155);
    Draw::outline(cr, Rgba{1, 0.9, 0.7, 0.35}, 0.008);
    for (double x : {-0.2, 0.4, 0.9}) {
        cairo_move_to(cr, x, -0.16);
        cairo_line_to(cr, x, -0.3);
    }
    Draw::outline(cr, hexColour(0x6e4526), 0.02);
    // Pointe shoes on the floor, ribbons loose.
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, -0.58 + side * 0.06, -0.45, 0.035, 0.075, side * -12.0);
        Draw::shape(cr, Style::pink, 0.01);
    }
    cairo_move_to(cr, -0.64, -0.4);
    cairo_curve_to(cr, -0.72, -0.5, -0.56, -0.55, -0.46, -0.5);
    Draw::outline(cr, Style::rose, 0.01);
}
void landmark(cairo_t* cr, int level) {
    switch (level) {
    case 1: eiffel(cr); break;
    case 2: sugarloaf(cr); break;
    case 3: pagoda(cr); break;
    case 4: aurora(cr); break;
    case 5: opera(cr); break;
    case 6: pyramidSteps(cr); break;
    case 7: mountains(cr); break;
    case 8: dome(cr); break;
    case 9: pyramids(cr); break;
    default: {  // an open-air stage with an arch of lights
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, -0.55, 0.75, 0.0, Draw::pi);
        Draw::outline(cr, silhouette, 0.12);
        for (int k = 0; k <= 10; ++k) {
            const double a = -90.0 + k * 18.0;
            Draw::circle(cr, 0.75 * dirX(a), -0.55 + 0.75 * dirY(a), 0.035);
        }
        Draw::fillFlat(cr, Style::sun);
        cairo_new_path(cr);
        break;
    }
    }
}

}  // namespace

void paintLevel(Canvas& c, int number) {
    c.boxSpace(-levelHalfWidth, -levelHalfHeight, levelHalfWidth, levelHalfHeight);
    cairo_t* cr = c.cr();
    if (number == 34) {
        studioBackdrop(cr);
        fadeEdges(cr);
        return;
    }
    const int level = number <= 9 ? number : 10;
    nightSky(cr, number);
    skyline(cr, number);
    // The landmark, large, its foot on the horizon and its left end where
    // the picture begins to show; tall ones stand in the free left column,
    // wide ones reach under the first words of the text as dark shapes.
    struct Placement {
        double left, scale;  // the landmark's leftmost point (its own units) and its size
    };
    const Placement places[10] = {{-0.42, 0.48}, {-1.0, 0.42}, {-0.95, 0.42}, {-1.0, 0.42}, {-0.75, 0.42},
                                  {-0.88, 0.45}, {-1.0, 0.42}, {-0.68, 0.48}, {-0.95, 0.45}, {-0.8, 0.45}};
    const Placement& place = places[level - 1];
    cairo_save(cr);
    cairo_translate(cr, -0.76 - place.left * place.scale, horizon - 0.02 + 0.65 * place.scale);
    cairo_scale(cr, place.scale, place.scale);
    landmark(cr, level);
    cairo_restore(cr);
    foreground(cr, number);
    fadeEdges(cr);
}

void paintPreview(Canvas& c, int level) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    Draw::circle(cr, 0, 0, 0.95);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    if (level == 21) {  // 371: the guided first dance
        cairo_scale(cr, 1.0, 1.0);
        studio(cr);
    } else if (level <= 9) {
        sky(cr, level);
        landmark(cr, level);
    } else {
        sky(cr, level);
    }
    cairo_restore(cr);
    Draw::circle(cr, 0, 0, 0.93);
    Draw::outline(cr, Style::plum, 0.1);
    Draw::circle(cr, 0, 0, 0.93);
    Draw::outline(cr, Style::pink, 0.05);
    if (level > 9 && level != 21)
        Fonts::text(cr, FontId::SansBold, 0.7, 0.0, -0.25, std::to_string(level), Fonts::Align::Centre, Style::cream,
                    Style::plum, 0.08);
}
