// The lettering pictures: the font picture 476 (16 x 16 cells, the printable
// characters of each character set at cell code - 32 of its half) and the
// single glyphs 601-663 of the ring labels. Both are white letters with a
// dark outline, so that the game's colour tints the letter and the outline
// keeps it readable on any background.
#include <cairo.h>

#include <algorithm>
#include <string>

#include "Draw.h"
#include "Fonts.h"
#include "Painters.h"

namespace {

// One character in pixel space (y down) with its ink centred on cx and the
// baseline at baseY, condensed so that the ink is at most maxWidth wide.
void letter(cairo_t* cr, char ch, double cx, double baseY, double em, double condense, double maxWidth,
            double outlineWidth) {
    const char text[2] = {ch, 0};
    cairo_set_font_face(cr, Fonts::face(FontId::SansBold));
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, em * condense, em);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double squeeze = condense;
    if (ext.width + outlineWidth > maxWidth && ext.width > 0) {
        squeeze = condense * (maxWidth - outlineWidth) / ext.width;
        cairo_matrix_init_scale(&m, em * squeeze, em);
        cairo_set_font_matrix(cr, &m);
        cairo_text_extents(cr, text, &ext);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx - ext.x_bearing - ext.width / 2, baseY);
    cairo_text_path(cr, text);
    if (outlineWidth > 0) {
        cairo_set_source_rgba(cr, 0.12, 0.12, 0.12, 0.9);
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke_preserve(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
}

}  // namespace

void paintFont(Canvas& c) {
    c.pixelSpace();
    cairo_t* cr = c.cr();
    const double cell = c.width() / 16.0;
    for (int code = 33; code < 127; ++code) {
        const int n = code - 32;
        const double x0 = (n % 16) * cell;
        // Upper half: sets 0 and 2 (quads of 24 and 18 text pixels, advances
        // of 10 and 8): the ink keeps to the first 41 % of the cell.
        const double upperY = (n / 16) * cell;
        letter(cr, static_cast<char>(code), x0 + cell * 0.22, upperY + cell * 0.74, cell * 0.66, 0.7, cell * 0.36,
               cell * 0.045);
        // Lower half: set 1 (quad of 32, advance 10), for spaced-out titles:
        // tall letters whose ink keeps to the first 60 % of the cell.
        const double lowerY = (8 + n / 16) * cell;
        letter(cr, static_cast<char>(code), x0 + cell * 0.32, lowerY + cell * 0.74, cell * 0.8, 0.74, cell * 0.52,
               cell * 0.05);
    }
}

void paintGlyph(Canvas& c, int number) {
    char ch = '?';
    if (number >= 601 && number <= 626) ch = static_cast<char>(number - 536);
    else if (number >= 627 && number <= 652) ch = static_cast<char>(number - 530);
    else if (number >= 654 && number <= 663) ch = static_cast<char>(number - 606);
    c.pixelSpace();
    const double s = c.width();
    letter(c.cr(), ch, s * 0.5, s * 0.72, s * 0.7, 1.0, s * 0.86, s * 0.08);
}
