#pragma once

#include <string>

#include <cairo.h>

#include "Canvas.h"

// The DejaVu faces the pictures are lettered with, read with FreeType at
// build time (the font files are not shipped with the game).
enum class FontId { Sans, SansBold, MonoBold, SerifBold };

namespace Fonts {
// Loads every face; false (with a message on stderr) when a file is missing.
bool load();
void release();
cairo_font_face_t* face(FontId id);

enum class Align { Left, Centre, Right };
// Lettering in y-up space: (x, y) is on the baseline. An outline width of 0
// draws no outline; the outline lies under the fill.
void text(cairo_t* cr, FontId font, double size, double x, double y, const std::string& s, Align align,
          const Rgba& fill, const Rgba& outline = Rgba{0, 0, 0, 0}, double outlineWidth = 0.0);
// Width of a text in the units of the current space.
double width(cairo_t* cr, FontId font, double size, const std::string& s);
}  // namespace Fonts
