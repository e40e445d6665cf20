// The screen renderer's dance-screen pictures: dial, talents, hearts,
// medals, marks, panels, guide pointers and the name-entry pieces.
#include <cmath>

#include "Draw.h"
#include "Fonts.h"
#include "Painters.h"
#include "ScreenKit.h"
#include "Style.h"
#include "TalentShapes.h"

namespace {

// x from -1 to 1, y as far as the picture's shape allows.
void wideSpace(Canvas& c) {
    const double h = static_cast<double>(c.height()) / c.width();
    c.boxSpace(-1.0, -h, 1.0, h);
}

const Rgba talentColours[3] = {Style::blue, Style::leaf, Style::coral};

// A talent around the dial: its shape in its colour, its symbol in cream.
void talentIcon(cairo_t* cr, int category, int sparkle) {
    const Rgba c = talentColours[category];
    const int kind = TalentShape::ofCategory(category);
    TalentShape::body(cr, kind, 0.78);
    Draw::shape(cr, c, 0.08, 0.5, 0.55);
    TalentShape::symbol(cr, kind, 0.4, TalentShape::Part::both, Style::cream, darker(c, 0.55));
    if (sparkle == 0) return;
    // Three sparkle frames: a glint running round the gem.
    const double a = 40.0 + sparkle * 100.0;
    Draw::star(cr, 0.55 * Draw::dirX(a), 0.55 * Draw::dirY(a), 4, 0.36, 0.08, sparkle * 20.0);
    Draw::fillFlat(cr, Rgba{1, 1, 0.9, 0.95});
    cairo_new_path(cr);
}

void dial(cairo_t* cr) {
    ScreenKit::rosette(cr, 0.95, 4, 0.0);
    // Spokes so that the turning shows.
    for (int i = 0; i < 4; ++i) {
        const double a = 90.0 * i + 45.0;
        Draw::circle(cr, 0.55 * Draw::dirX(a), 0.55 * Draw::dirY(a), 0.08);
    }
    Draw::shape(cr, Style::cream, 0.02);
}

void dialFrame(cairo_t* cr) {
    Draw::scallops(cr, 0, 0, 0.94, 20, 0.04);
    Draw::circle(cr, 0, 0, 0.74);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, Style::lilac, 0.035, 0.5, 0.55);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int i = 0; i < 10; ++i) {
        const double a = 36.0 * i;
        Draw::circle(cr, 0.84 * Draw::dirX(a), 0.84 * Draw::dirY(a), 0.045);
    }
    Draw::shape(cr, Style::cream, 0.015);
}

void hourglass(cairo_t* cr) {
    cairo_move_to(cr, -0.45, 0.75);
    cairo_line_to(cr, 0.45, 0.75);
    cairo_curve_to(cr, 0.45, 0.3, 0.08, 0.15, 0.08, 0.0);
    cairo_curve_to(cr, 0.08, -0.15, 0.45, -0.3, 0.45, -0.75);
    cairo_line_to(cr, -0.45, -0.75);
    cairo_curve_to(cr, -0.45, -0.3, -0.08, -0.15, -0.08, 0.0);
    cairo_curve_to(cr, -0.08, 0.15, -0.45, 0.3, -0.45, 0.75);
    cairo_close_path(cr);
    Draw::fillFlat(cr, Rgba{0.85, 0.95, 1.0, 0.6});
    Draw::outline(cr, Style::plum, 0.05);
    cairo_move_to(cr, -0.3, -0.72);
    cairo_curve_to(cr, -0.2, -0.4, 0.2, -0.4, 0.3, -0.72);
    cairo_close_path(cr);
    cairo_move_to(cr, -0.25, 0.45);
    cairo_line_to(cr, 0.25, 0.45);
    cairo_line_to(cr, 0.0, 0.1);
    cairo_close_path(cr);
    Draw::shape(cr, Style::sun, 0.02);
    for (double y : {0.82, -0.82}) {
        Draw::roundedRect(cr, -0.6, y - 0.08, 0.6, y + 0.08, 0.06);
        Draw::shape(cr, Style::rose, 0.04);
    }
}

void pointer(cairo_t* cr, int kind) {
    if (kind == 0) {
        ScreenKit::butterfly(cr, 0, 0, 1.2, Style::rose);
    } else if (kind == 1) {
        Draw::heart(cr, 0, 0, 1.1);
        Draw::shape(cr, Style::coral, 0.06);
    } else {
        Draw::ellipse(cr, -0.2, -0.35, 0.28, 0.2, 20.0);
        cairo_rectangle(cr, 0.0, -0.35, 0.1, 0.95);
        Draw::shape(cr, Style::lilac, 0.06);
    }
}

void arrowRing(cairo_t* cr, const Rgba& c) {
    Draw::circle(cr, 0, -0.05, 0.72);
    Draw::outline(cr, withAlpha(c, 0.6), 0.07);
    ScreenKit::arrowUp(cr, 0, 0.78, 0.36, c);
}

void mark(cairo_t* cr, int number) {
    switch (number) {
    case 871: Draw::circle(cr, 0, 0, 0.7); Draw::shape(cr, Style::lilac, 0.1); break;
    case 873: ScreenKit::blossom(cr, 0, 0, 0.9, 6, Style::rose, Style::sun); break;
    case 874:
        for (int i = 0; i < 6; ++i) Draw::petal(cr, 0, 0, 60.0 * i, 0.85, 0.36);
        Draw::fillFlat(cr, Rgba{1, 1, 1, 0.25});
        Draw::outline(cr, Style::pink, 0.1);
        break;
    case 875: ScreenKit::blossom(cr, 0, 0, 0.9, 8, Style::lilac, Style::sun); break;
    default: Draw::star(cr, 0, 0, 5, 0.9, 0.4); Draw::shape(cr, Style::sun, 0.08); break;
    }
}

void bar(Canvas& c, int number) {
    cairo_t* cr = c.cr();
    if (number == 880) {
        c.boxSpace(0, -0.5, 1, 0.5);
        cairo_rectangle(cr, -0.1, -0.36, 1.2, 0.72);
        Draw::fillLinear(cr, 0, 0.36, 0, -0.36, lighter(Style::lilac, 0.3), darker(Style::lilac, 0.15));
        cairo_new_path(cr);
        for (double y : {0.36, -0.36}) {
            cairo_move_to(cr, -0.1, y);
            cairo_line_to(cr, 1.1, y);
        }
        Draw::outline(cr, Style::plum, 0.06);
        return;
    }
    // End caps: the bar's band closed by a round end, open to the bar's side.
    c.unitSpace();
    const double side = number == 8801 ? 1.0 : -1.0;
    cairo_move_to(cr, side * 1.05, 0.72);
    cairo_line_to(cr, side * -0.18, 0.72);
    if (side > 0)
        cairo_arc(cr, -0.18, 0.0, 0.72, Draw::pi * 0.5, Draw::pi * 1.5);
    else
        cairo_arc_negative(cr, 0.18, 0.0, 0.72, Draw::pi * 0.5, -Draw::pi * 0.5);
    cairo_line_to(cr, side * 1.05, -0.72);
    cairo_close_path(cr);
    Draw::fillLinear(cr, 0, 0.72, 0, -0.72, lighter(Style::lilac, 0.3), darker(Style::lilac, 0.15));
    Draw::outline(cr, Style::plum, 0.12);
    ScreenKit::blossom(cr, side * -0.18, 0, 0.45, 5, Style::pink, Style::sun);
}

// A medal of the menu's table (drawn with half size 0.35 x 0.3, here in
// stage units so that it is round on the screen): a short ribbon, the metal
// rim and a dark enamel plate in the middle, where the menu prints the score
// that holds the medal's place, white on dark.
void menuMedal(Canvas& c, int kind, bool lit) {
    c.boxSpace(-0.35, -0.3, 0.35, 0.3);
    cairo_t* cr = c.cr();
    const Rgba metals[3] = {hexColour(0xf5c542), hexColour(0xd4dbe6), hexColour(0xd88a4f)};
    const Rgba ribbons[3] = {hexColour(0xe8467c), hexColour(0x5b8ff0), hexColour(0x4fbf7a)};
    Rgba metal = metals[kind], band = ribbons[kind];
    Rgba enamel = hexColour(0x33224f);
    if (!lit) {
        metal = mix(metal, hexColour(0x6a5a80), 0.72);
        band = mix(band, hexColour(0x5a4a70), 0.75);
        enamel = hexColour(0x2a2038);
    }
    // The ribbon ends below the world map above the medals.
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, side * 0.03, 0.12);
        cairo_line_to(cr, side * 0.14, 0.245);
        cairo_line_to(cr, side * 0.05, 0.245);
        cairo_line_to(cr, side * -0.06, 0.12);
        cairo_close_path(cr);
    }
    Draw::shape(cr, band, 0.012, 0.4, 0.5);
    Draw::wavyRing(cr, 0.0, 0.0, 0.19, 16, 0.008);
    Draw::shape(cr, metal, 0.012, 0.55, 0.5);
    Draw::circle(cr, 0.0, 0.0, 0.145);
    Draw::fillRadial(cr, -0.03, 0.04, 0.01, 0.16, lighter(enamel, 0.12), enamel);
    Draw::outline(cr, darker(metal, 0.35), 0.01);
    // Small stars on the rim left and right of the plate.
    for (double side : {-1.0, 1.0}) Draw::star(cr, side * 0.167, 0.0, 5, 0.022, 0.01);
    Draw::fillFlat(cr, lit ? lighter(metal, 0.5) : lighter(metal, 0.2));
    cairo_new_path(cr);
}

}  // namespace

void paintInterface(Canvas& c, int number) {
    cairo_t* cr = c.cr();
    if (number == 880 || number == 8801 || number == 8802) {
        bar(c, number);
        return;
    }
    if (c.width() != c.height()) {
        wideSpace(c);
        const double h = static_cast<double>(c.height()) / c.width();
        if (number == 860) {
            ScreenKit::panel(cr, -0.97, -h + 0.03, 0.97, h - 0.03, 0.12, Rgba{0.24, 0.15, 0.35, 0.85}, Style::rose);
        } else if (number == 900) {
            // Soft edges so that the panel may be stretched to any shape.
            ScreenKit::panel(cr, -0.98, -h + 0.02, 0.98, h - 0.02, h * 0.8, Rgba{0.2, 0.12, 0.3, 0.72},
                             withAlpha(Style::pink, 0.8));
        } else if (number == 902) {
            ScreenKit::panel(cr, -0.95, -h + 0.05, 0.95, h - 0.05, h * 0.8, Style::rose, Style::plum);
            ScreenKit::blossom(cr, -0.55, 0, 0.32, 5, Style::cream, Style::sun);
            Draw::circle(cr, 0.3, 0, 0.3);
            Draw::shape(cr, Style::cream, 0.04);
            Fonts::text(cr, FontId::SerifBold, 0.42, 0.3, -0.15, "i", Fonts::Align::Centre, Style::plum);
        } else {  // 893, the score plate
            ScreenKit::panel(cr, -0.97, -h + 0.03, 0.97, h - 0.03, h * 0.8, Style::sun, Style::plum);
            ScreenKit::blossom(cr, -0.8, 0, 0.16, 5, Style::rose, Style::cream);
            ScreenKit::blossom(cr, 0.8, 0, 0.16, 5, Style::rose, Style::cream);
        }
        return;
    }
    c.unitSpace();
    if (number >= 8861 && number <= 8884) {
        talentIcon(cr, (number - 8861) / 10, (number - 8861) % 10);
        return;
    }
    if (number >= 8951 && number <= 8953) {
        menuMedal(c, number - 8951, true);
        return;
    }
    if (number >= 877 && number <= 879) {
        menuMedal(c, number - 877, false);
        return;
    }
    if (number >= 8954 && number <= 8959) {
        const int kind = (number - 8951) % 3;
        ScreenKit::medal(cr, kind, true, number <= 8956);
        return;
    }
    if (number >= 8961 && number <= 8966) {
        const int kind = (number - 8961) / 2;
        if ((number - 8961) % 2 == 0)
            pointer(cr, kind);
        else
            arrowRing(cr, kind == 0 ? Style::rose : kind == 1 ? Style::coral : Style::lilac);
        return;
    }
    if (number >= 871 && number <= 876) {
        mark(cr, number);
        return;
    }
    switch (number) {
    case 830:
        Draw::petal(cr, 0, -0.8, 0, 1.6, 0.5);
        Draw::shape(cr, grey(0.95), 0.08, 0.4, 0.6);
        break;
    case 840: hourglass(cr); break;
    case 850:
        Draw::star(cr, 0, 0, 5, 0.95, 0.42);
        Draw::shape(cr, grey(1.0), 0.08, 0.0, 0.5);
        break;
    case 870:
        for (int i = 0; i < 16; ++i) Draw::petal(cr, 0, 0, 22.5 * i, 0.98, 0.12);
        Draw::fillRadial(cr, 0, 0, 0.05, 1.0, grey(1.0, 0.35), grey(1.0, 0.08));
        cairo_new_path(cr);
        break;
    case 890:
        Draw::circle(cr, 0, 0, 0.96);
        Draw::fillRadial(cr, 0, 0, 0.6, 0.96, Rgba{0.15, 0.08, 0.22, 0.7}, Rgba{0.15, 0.08, 0.22, 0.0});
        cairo_new_path(cr);
        break;
    case 891: dial(cr); break;
    case 892: dialFrame(cr); break;
    case 894:
        Draw::circle(cr, 0, 0, 0.9);
        Draw::shape(cr, Style::sky, 0.06);
        for (int i = 0; i < 6; ++i) {
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, 0.65 * Draw::dirX(60.0 * i), 0.65 * Draw::dirY(60.0 * i));
        }
        Draw::outline(cr, Style::cream, 0.1);
        break;
    case 898:
    case 899: {
        const bool lit = number == 899;
        if (lit) Draw::glow(cr, 0, 0, 1.0, withAlpha(Style::sun, 0.8));
        Draw::circle(cr, 0, 0, lit ? 0.72 : 0.85);
        Draw::shape(cr, lit ? Style::rose : Style::lilac, 0.07, 0.5, 0.55);
        const double s = lit ? 0.72 / 0.85 : 1.0;
        for (int k = -1; k <= 1; ++k) {
            Draw::roundedRect(cr, -0.42 * s, (k * 0.24 - 0.06) * s, 0.42 * s, (k * 0.24 + 0.06) * s, 0.05 * s);
        }
        Draw::fillFlat(cr, Style::cream);
        cairo_new_path(cr);
        break;
    }
    case 909:
    case 910:
        cairo_save(cr);
        cairo_rotate(cr, Draw::rad(number == 909 ? 90.0 : -90.0));
        ScreenKit::arrowUp(cr, 0, 0, 1.4, Style::mint);
        cairo_restore(cr);
        break;
    default: break;
    }
}
