#include "Fonts.h"

#include <cstdio>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "Draw.h"

namespace {

constexpr int faceCount = 4;
const char* const fontFiles[faceCount] = {
    "DejaVuSans.ttf",
    "DejaVuSans-Bold.ttf",
    "DejaVuSansMono-Bold.ttf",
    "DejaVuSerif-Bold.ttf",
};
const char* const fontDirectories[] = {
    "/usr/share/fonts/truetype/dejavu/",
    "/usr/local/share/fonts/truetype/dejavu/",
    "/usr/share/fonts/dejavu/",
};

FT_Library library = nullptr;
FT_Face ftFaces[faceCount] = {};
cairo_font_face_t* faces[faceCount] = {};

}  // namespace

namespace Fonts {

bool load() {
    if (library) return true;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "velvetarium-assets: FreeType could not start\n");
        library = nullptr;
        return false;
    }
    for (int i = 0; i < faceCount; ++i) {
        bool found = false;
        for (const char* dir : fontDirectories) {
            const std::string path = std::string(dir) + fontFiles[i];
            if (FT_New_Face(library, path.c_str(), 0, &ftFaces[i]) == 0) {
                found = true;
                break;
            }
        }
        if (!found) {
            std::fprintf(stderr,
                         "velvetarium-assets: font %s not found (install fonts-dejavu-core)\n", fontFiles[i]);
            release();
            return false;
        }
        faces[i] = cairo_ft_font_face_create_for_ft_face(ftFaces[i], 0);
    }
    return true;
}

void release() {
    for (int i = 0; i < faceCount; ++i) {
        if (faces[i]) cairo_font_face_destroy(faces[i]);
        faces[i] = nullptr;
        if (ftFaces[i]) FT_Done_Face(ftFaces[i]);
        ftFaces[i] = nullptr;
    }
    if (library) FT_Done_FreeType(library);
    library = nullptr;
}

cairo_font_face_t* face(FontId id) { return faces[static_cast<int>(id)]; }

double width(cairo_t* cr, FontId font, double size, const std::string& s) {
    cairo_save(cr);
    cairo_set_font_face(cr, face(font));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, s.c_str(), &ext);
    cairo_restore(cr);
    return ext.x_advance;
}

void text(cairo_t* cr, FontId font, double size, double x, double y, const std::string& s, Align align,
          const Rgba& fill, const Rgba& outline, double outlineWidth) {
    const double w = width(cr, font, size, s);
    double left = x;
    if (align == Align::Centre) left = x - w / 2;
    if (align == Align::Right) left = x - w;
    cairo_save(cr);
    cairo_translate(cr, left, y);
    cairo_scale(cr, 1.0, -1.0);  // glyphs are drawn y-down
    cairo_set_font_face(cr, face(font));
    cairo_set_font_size(cr, size);
    cairo_new_path(cr);
    cairo_move_to(cr, 0.0, 0.0);
    cairo_text_path(cr, s.c_str());
    if (outlineWidth > 0.0) {
        Draw::setColour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke_preserve(cr);
    }
    Draw::setColour(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace Fonts
