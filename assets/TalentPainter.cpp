// Sets 131-138: the talents lying on the stage, a gem whose shape and symbol
// tell the talent (TalentShapes.h): 131 the freeze crystal, 132 the garden
// drop, 133 the speed arrowhead, 134 the flower; the super talents 135-138
// are rainbow stars with the symbol of their talent (their own colour is
// white). The symbol's dark outline is its own layer (tinted with the darker
// part 2) and its light fill rides on the shine layers (the lighter part 1),
// so that it stands out of the gem in both directions.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"
#include "TalentShapes.h"

namespace {

using Style::tintLine;

constexpr double gemR = 0.64;
constexpr double symbolR = 0.34;

void gemPath(cairo_t* cr, int set) {
    if (set >= 135)
        Draw::star(cr, 0.0, 0.0, 8, gemR + 0.14, gemR * 0.74, 0.0);
    else
        TalentShape::body(cr, TalentShape::ofSet(set), gemR);
}

void body(cairo_t* cr, int set) {
    gemPath(cr, set);
    if (set >= 135) {
        // Rainbow rings: the super talents are drawn in white.
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0.05, 0, 0, gemR + 0.14);
        const Rgba stops[5] = {Style::sun, Style::coral, Style::lilac, Style::sky, Style::mint};
        for (int i = 0; i < 5; ++i) cairo_pattern_add_color_stop_rgb(p, i / 4.0, stops[i].r, stops[i].g, stops[i].b);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        Draw::outline(cr, Style::plum, Style::line * 1.3);
        return;
    }
    Draw::fillRadial(cr, -0.18, 0.2, 0.05, gemR * 1.3, grey(1.0), grey(0.66));
    Draw::outline(cr, tintLine, Style::line * 1.3);
    // A bevel: the same shape, smaller, as a light line.
    cairo_save(cr);
    cairo_scale(cr, 0.78, 0.78);
    gemPath(cr, set);
    cairo_restore(cr);
    Draw::outline(cr, grey(1.0, 0.45), 0.03);
}

void symbolOutline(cairo_t* cr, int set) {
    TalentShape::symbol(cr, TalentShape::ofSet(set), symbolR, TalentShape::Part::outline, grey(1.0), grey(0.5));
}

void symbolFill(cairo_t* cr, int set) {
    TalentShape::symbol(cr, TalentShape::ofSet(set), symbolR, TalentShape::Part::fill, grey(1.0), grey(0.5));
}

void shine(cairo_t* cr, int set, double offset, double strength) {
    symbolFill(cr, set);
    cairo_save(cr);
    gemPath(cr, set);
    cairo_clip(cr);
    if (offset < -5.0) {  // the glint at rest
        Draw::ellipse(cr, -0.2, 0.26, 0.17, 0.07, 40.0);
        Draw::fillFlat(cr, grey(1.0, 0.85));
        cairo_new_path(cr);
        Draw::circle(cr, 0.26, -0.22, 0.04);
        Draw::fillFlat(cr, grey(1.0, 0.6));
        cairo_new_path(cr);
    } else {  // a band of light sweeping over the gem
        cairo_save(cr);
        cairo_rotate(cr, Draw::rad(-35.0));
        cairo_rectangle(cr, offset - 0.12, -1.0, 0.24, 2.0);
        Draw::fillLinear(cr, offset - 0.12, 0, offset + 0.12, 0, grey(1.0, 0.0), grey(1.0, strength));
        cairo_new_path(cr);
        cairo_rectangle(cr, offset, -1.0, 0.12, 2.0);
        Draw::fillLinear(cr, offset, 0, offset + 0.12, 0, grey(1.0, strength), grey(1.0, 0.0));
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void sparkle(cairo_t* cr) {
    Draw::glow(cr, 0.5, 0.5, 0.3, withAlpha(Style::sun, 0.7));
    Draw::star(cr, 0.5, 0.5, 4, 0.28, 0.07, 0.0);
    Draw::shape(cr, hexColour(0xfff6c0), 0.02, 0.6, 0.5);
    Draw::star(cr, 0.5, 0.5, 4, 0.14, 0.04, 45.0);
    Draw::fillFlat(cr, Rgba{1, 1, 1, 0.9});
    cairo_new_path(cr);
}

}  // namespace

void paintTalent(Canvas& c, int set, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    switch (frame) {
    case 1: body(cr, set); break;
    case 2: symbolOutline(cr, set); break;
    case 3: shine(cr, set, -10.0, 0.0); break;
    case 4: sparkle(cr); break;
    case 5: Draw::glow(cr, 0.0, 0.0, 0.95, grey(1.0, 0.6)); break;
    case 6: shine(cr, set, -0.35, 0.7); break;
    case 7: shine(cr, set, 0.0, 0.95); break;
    case 8: shine(cr, set, 0.35, 0.7); break;
    default: break;
    }
}
