// Sets 141-144: the thrown blossoms, told apart by shape as well as colour:
// the stronger the blossom, the more and the slimmer its petals (5 round,
// 6 pointed, 8 slim, 12 needle-thin petals).
// Frames 1-6 are the outer petals over a gentle opening and closing, frames
// 7-12 the inner petals and the heart at the same phases: drawn together,
// frame k in the blossom's first colour and frame k + 6 in its second.
#include <cmath>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

void paintBlossom(Canvas& c, int set, int frame) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    const int petals[4] = {5, 6, 8, 12};
    const double widths[4] = {0.42, 0.3, 0.22, 0.15};
    const int n = petals[(set - 141) & 3];
    const int phase = (frame - 1) % 6;
    const double breath = std::sin(phase * 2.0 * Draw::pi / 6.0);
    const double turn = phase * 4.0;
    const double step = 360.0 / n;
    if (frame <= 6) {
        const double len = 0.84 + 0.08 * breath;
        const double width = widths[(set - 141) & 3] + 0.03 * breath;
        for (int i = 0; i < n; ++i) Draw::petal(cr, 0.0, 0.0, turn + step * i, len, width);
        Draw::fillRadial(cr, 0, 0, 0.1, len, grey(1.0), grey(0.8));
        Draw::outline(cr, Style::tintLine, 0.05);
        for (int i = 0; i < n; ++i) {
            const double a = turn + step * i;
            cairo_move_to(cr, 0.15 * Draw::dirX(a), 0.15 * Draw::dirY(a));
            cairo_line_to(cr, len * 0.7 * Draw::dirX(a), len * 0.7 * Draw::dirY(a));
        }
        Draw::outline(cr, grey(0.72), 0.03);
        return;
    }
    const double len = 0.5 - 0.06 * breath;
    for (int i = 0; i < n; ++i) Draw::petal(cr, 0.0, 0.0, turn + step * (i + 0.5), len, 0.18);
    Draw::shape(cr, grey(0.95), 0.045, 0.4, 0.6);
    Draw::circle(cr, 0.0, 0.0, 0.2 + 0.02 * breath);
    Draw::shape(cr, grey(0.75), 0.045, 0.5, 0.6);
    for (int i = 0; i < 6; ++i) {
        const double a = turn * 2 + 60.0 * i;
        Draw::circle(cr, 0.11 * Draw::dirX(a), 0.11 * Draw::dirY(a), 0.035);
    }
    Draw::fillFlat(cr, grey(1.0));
    cairo_new_path(cr);
}
