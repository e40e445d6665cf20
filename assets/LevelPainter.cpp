// Level pictures 1-36 (a city at dusk behind the menu's introduction text;
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

void sky(cairo_t* cr, int level) {
    const Rgba tops[9] = {hexColour(0x5a3f8f), hexColour(0x3f6fb0), hexColour(0x7a4a8a), hexColour(0x1c2a55),
                          hexColour(0x3d5fa8), hexColour(0x8a3f6a), hexColour(0x4a4a90), hexColour(0x8a4f6a),
                          hexColour(0x6a4a7a)};
    const Rgba bottoms[9] = {hexColour(0xffa3c8), hexColour(0xffc48a), hexColour(0xffb3c1), hexColour(0x5a4f9a),
                             hexColour(0xff9f8a), hexColour(0xffc36a), hexColour(0xffb38a), hexColour(0xffcf8a),
                             hexColour(0xffd08a)};
    const int i = (level - 1) % 9;
    cairo_rectangle(cr, -1, -1, 2, 2);
    Draw::fillLinear(cr, 0, 1, 0, -0.6, tops[i], bottoms[i]);
    cairo_new_path(cr);
    for (int s = 0; s < 14; ++s) {
        const double x = std::fmod(s * 0.377 + level * 0.11, 1.9) - 0.95;
        const double y = 0.35 + std::fmod(s * 0.291 + level * 0.07, 0.6);
        Draw::star(cr, x, y, 4, 0.025, 0.008);
    }
    Draw::fillFlat(cr, Rgba{1, 1, 0.9, 0.8});
    cairo_new_path(cr);
}

void ground(cairo_t* cr, int level) {
    cairo_rectangle(cr, -1, -1, 2, 0.42);
    Draw::fillLinear(cr, 0, -0.58, 0, -1, hexColour(0x3d2a5c), hexColour(0x24183a));
    cairo_new_path(cr);
    for (int k = 0; k < 7; ++k) {
        const Rgba colours[4] = {Style::rose, Style::sun, Style::lilac, Style::mint};
        ScreenKit::blossom(cr, -0.9 + k * 0.3, -0.8 + 0.06 * std::sin(k * 2.0 + level), 0.07, 5,
                           colours[(k + level) % 4], Style::cream, k * 30.0);
    }
}

void frameBorder(cairo_t* cr) {
    Draw::roundedRect(cr, -0.97, -0.97, 0.97, 0.97, 0.12);
    Draw::outline(cr, Style::pink, 0.04);
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
    c.unitSpace();
    cairo_t* cr = c.cr();
    if (number == 34) {
        studio(cr);
        frameBorder(cr);
        return;
    }
    const int level = number <= 9 ? number : 10;
    sky(cr, number);
    if (number == 1 || number == 9 || number == 6) Draw::glow(cr, 0.55, 0.5, 0.35, Rgba{1, 0.95, 0.7, 0.9});
    else Draw::glow(cr, -0.6, 0.6, 0.2, Rgba{1, 1, 0.9, 0.9});
    landmark(cr, level);
    ground(cr, number);
    frameBorder(cr);
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
