// Set 171: the dance floor's pictures. Each repeats seamlessly (the floor
// wraps its texture) and is drawn in greys, for the floor tints every tile
// with its own drifting colour. Frames 1-40 are ten kinds of pattern in four
// sizes; frame 41 is the frozen floor.
#include <cmath>
#include <functional>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

// Draws a motif at every place of an n x n grid of the unit square, and again
// one square over on every side, so the picture wraps without a seam.
void tiled(int n, const std::function<void(double x, double y, double cell, int i, int j)>& motif) {
    const double cell = 1.0 / n;
    for (int j = -1; j <= n; ++j)
        for (int i = -1; i <= n; ++i) motif((i + 0.5) * cell, (j + 0.5) * cell, cell, (i + n) % n, (j + n) % n);
}

// Low contrast: the floor is a calm ground under bright dancers, and its
// tiles' colours carry the light show; the pattern only gives it texture.
const Rgba ground = grey(0.89);
const Rgba light = grey(0.97);
const Rgba edge = grey(0.86);

void pattern(cairo_t* cr, int kind, int n) {
    switch (kind) {
    case 0:  // checkerboard of soft rounded squares
        tiled(n, [&](double x, double y, double c, int i, int j) {
            if ((i + j) % 2) return;
            Draw::roundedRect(cr, x - c * 0.48, y - c * 0.48, x + c * 0.48, y + c * 0.48, c * 0.12);
            Draw::fillShaded(cr, light, 0.3);
            Draw::outline(cr, edge, c * 0.04);
        });
        break;
    case 1:  // dots
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::circle(cr, x, y, c * ((i + j) % 2 ? 0.22 : 0.32));
            Draw::fillShaded(cr, light, 0.4);
            Draw::outline(cr, edge, c * 0.04);
        });
        break;
    case 2:  // blossoms
        tiled(n, [&](double x, double y, double c, int i, int j) {
            const double turn = (i * 7 + j * 13) % 5 * 14.0;
            Draw::scallops(cr, x, y, c * 0.36, 5, c * 0.1, turn);
            Draw::fillShaded(cr, light, 0.3);
            Draw::outline(cr, edge, c * 0.035);
            Draw::circle(cr, x, y, c * 0.1);
            Draw::fillFlat(cr, grey(0.66));
            cairo_new_path(cr);
        });
        break;
    case 3:  // hearts, every other one turned
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::heart(cr, x, y, c * 0.62, (i + j) % 2 ? 180.0 : 0.0);
            Draw::fillShaded(cr, light, 0.3);
            Draw::outline(cr, edge, c * 0.035);
        });
        break;
    case 4:  // stars
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::star(cr, x, y, 5, c * 0.42, c * 0.18, (i + j) % 2 ? 36.0 : 0.0);
            Draw::fillShaded(cr, light, 0.3);
            Draw::outline(cr, edge, c * 0.035);
        });
        break;
    case 5:  // diagonal stripes
        for (int k = -n; k <= 2 * n; ++k) {
            const double x = static_cast<double>(k) / n;
            cairo_move_to(cr, x, 0.0);
            cairo_line_to(cr, x + 0.5 / n, 0.0);
            cairo_line_to(cr, x + 0.5 / n + 1.0, 1.0);
            cairo_line_to(cr, x + 1.0, 1.0);
            cairo_close_path(cr);
        }
        Draw::fillFlat(cr, light);
        Draw::outline(cr, edge, 0.008);
        break;
    case 6:  // waves
        for (int k = 0; k <= n; ++k) {
            const double y0 = static_cast<double>(k) / n;
            cairo_new_sub_path(cr);
            for (int s = 0; s <= 48; ++s) {
                const double x = s / 48.0;
                cairo_line_to(cr, x, y0 + 0.25 / n * std::sin(x * 2 * Draw::pi * 2));
            }
            for (int s = 48; s >= 0; --s) {
                const double x = s / 48.0;
                cairo_line_to(cr, x, y0 + 0.45 / n + 0.25 / n * std::sin(x * 2 * Draw::pi * 2));
            }
            cairo_close_path(cr);
        }
        Draw::fillFlat(cr, light);
        Draw::outline(cr, edge, 0.008);
        break;
    case 7:  // harlequin diamonds
        tiled(n, [&](double x, double y, double c, int i, int j) {
            if ((i + j) % 2) return;
            cairo_move_to(cr, x, y - c * 0.5);
            cairo_line_to(cr, x + c * 0.5, y);
            cairo_line_to(cr, x, y + c * 0.5);
            cairo_line_to(cr, x - c * 0.5, y);
            cairo_close_path(cr);
            Draw::fillShaded(cr, light, 0.3);
            Draw::outline(cr, edge, c * 0.03);
        });
        break;
    case 8:  // rings
        tiled(n, [&](double x, double y, double c, int, int) {
            Draw::circle(cr, x, y, c * 0.4);
            Draw::outline(cr, light, c * 0.12);
            Draw::circle(cr, x, y, c * 0.16);
            Draw::fillFlat(cr, light);
            cairo_new_path(cr);
        });
        break;
    default:  // parquet blocks
        tiled(n, [&](double x, double y, double c, int i, int j) {
            const bool across = (i + j) % 2 == 0;
            for (int k = 0; k < 3; ++k) {
                const double o = (k - 1) * c / 3;
                if (across)
                    Draw::roundedRect(cr, x - c * 0.48, y + o - c * 0.15, x + c * 0.48, y + o + c * 0.15, c * 0.03);
                else
                    Draw::roundedRect(cr, x + o - c * 0.15, y - c * 0.48, x + o + c * 0.15, y + c * 0.48, c * 0.03);
            }
            Draw::fillShaded(cr, light, 0.25);
            Draw::outline(cr, edge, c * 0.025);
        });
        break;
    }
}

void frozen(cairo_t* cr) {
    tiled(3, [&](double x, double y, double c, int i, int j) {
        const double turn = ((i * 5 + j * 3) % 6) * 10.0;
        for (int k = 0; k < 6; ++k) {
            const double a = turn + 60.0 * k;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + c * 0.4 * Draw::dirX(a), y + c * 0.4 * Draw::dirY(a));
            const double mx = x + c * 0.22 * Draw::dirX(a), my = y + c * 0.22 * Draw::dirY(a);
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + c * 0.1 * Draw::dirX(a + 45), my + c * 0.1 * Draw::dirY(a + 45));
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + c * 0.1 * Draw::dirX(a - 45), my + c * 0.1 * Draw::dirY(a - 45));
        }
        Draw::outline(cr, light, c * 0.05);
    });
}

}  // namespace

void paintFloor(Canvas& c, int frame) {
    c.boxSpace(0.0, 0.0, 1.0, 1.0);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 1, 1);
    Draw::fillFlat(cr, frame == 41 ? grey(0.86) : ground);
    cairo_new_path(cr);
    if (frame == 41) {
        frozen(cr);
        return;
    }
    const int index = frame - 1;
    const int sizes[4] = {2, 3, 4, 6};
    pattern(cr, index % 10, sizes[index / 10]);
}
