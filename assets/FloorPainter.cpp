// Set 171: the dance floor's pictures. Each repeats seamlessly (the floor
// wraps its texture) and is drawn in opaque greys, for the floor tints every
// tile with its own drifting colour. Frames 1-40 are ten kinds of pattern in
// four sizes; frame 41 is the frozen floor.
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

// The floor's tiles take strong colours: soft random blues and violets, and
// pure yellow, magenta and orange where the dancers light them. The pictures
// multiply those colours, so they stay in the middle greys: a darker ground
// with soft light shapes on it, like the lamps of a dance floor. The lit
// colours then glow in the shapes and stay deep around them, rich but never
// a blinding flat field, and the dancers stand out against the floor.
const Rgba ground = grey(0.68);
const Rgba rim = grey(0.56);
const Rgba lampCentre = grey(0.96);
const Rgba lampEdge = grey(0.78);

// Fills the current path as a lamp: bright in the middle, darker at its rim.
void lamp(cairo_t* cr, double x, double y, double r) {
    Draw::fillRadial(cr, x, y, r * 0.1, r, lampCentre, lampEdge);
}

// The ground under a grid of motifs: each cell a little lighter in its middle
// than at its corners, so that no colour lies as a flat field.
void cellGround(cairo_t* cr, int n) {
    tiled(n, [&](double x, double y, double c, int, int) {
        cairo_rectangle(cr, x - c / 2, y - c / 2, c, c);
        Draw::fillRadial(cr, x, y, c * 0.1, c * 0.72, grey(0.76), grey(0.6));
        cairo_new_path(cr);
    });
}

// Bands of light (stripes, waves) are drawn three times, narrower and
// lighter each time, so that their edges are soft.
const double bandInsets[3] = {0.0, 0.07, 0.14};
const Rgba bandGreys[3] = {grey(0.72), grey(0.77), grey(0.83)};

void pattern(cairo_t* cr, int kind, int n) {
    if (kind != 5 && kind != 6) cellGround(cr, n);
    switch (kind) {
    case 0:  // soft square lamps, every other one dimmer
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::roundedRect(cr, x - c * 0.42, y - c * 0.42, x + c * 0.42, y + c * 0.42, c * 0.14);
            if ((i + j) % 2)
                Draw::fillRadial(cr, x, y, c * 0.05, c * 0.6, grey(0.84), grey(0.66));
            else
                lamp(cr, x, y, c * 0.6);
            Draw::outline(cr, rim, c * 0.03);
        });
        break;
    case 1:  // round lamps, big and small
        tiled(n, [&](double x, double y, double c, int i, int j) {
            const double r = c * ((i + j) % 2 ? 0.24 : 0.36);
            Draw::circle(cr, x, y, r);
            lamp(cr, x, y, r);
            Draw::outline(cr, rim, c * 0.03);
        });
        break;
    case 2:  // blossoms
        tiled(n, [&](double x, double y, double c, int i, int j) {
            const double turn = (i * 7 + j * 13) % 5 * 14.0;
            Draw::scallops(cr, x, y, c * 0.36, 5, c * 0.1, turn);
            lamp(cr, x, y, c * 0.42);
            Draw::outline(cr, rim, c * 0.03);
            Draw::circle(cr, x, y, c * 0.09);
            Draw::fillFlat(cr, grey(0.7));
            cairo_new_path(cr);
        });
        break;
    case 3:  // hearts, every other one turned
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::heart(cr, x, y, c * 0.62, (i + j) % 2 ? 180.0 : 0.0);
            lamp(cr, x, y, c * 0.4);
            Draw::outline(cr, rim, c * 0.03);
        });
        break;
    case 4:  // stars
        tiled(n, [&](double x, double y, double c, int i, int j) {
            Draw::star(cr, x, y, 5, c * 0.42, c * 0.2, (i + j) % 2 ? 36.0 : 0.0);
            lamp(cr, x, y, c * 0.42);
            Draw::outline(cr, rim, c * 0.03);
        });
        break;
    case 5:  // diagonal bands of light with soft edges
        for (int k = -n; k <= 2 * n; ++k) {
            const double x = static_cast<double>(k) / n;
            for (int pass = 0; pass < 3; ++pass) {
                const double inset = bandInsets[pass] / n;
                cairo_move_to(cr, x + inset, 0.0);
                cairo_line_to(cr, x + 0.5 / n - inset, 0.0);
                cairo_line_to(cr, x + 0.5 / n - inset + 1.0, 1.0);
                cairo_line_to(cr, x + inset + 1.0, 1.0);
                cairo_close_path(cr);
                Draw::fillFlat(cr, bandGreys[pass]);
                cairo_new_path(cr);
            }
        }
        break;
    case 6:  // waves of light
        for (int k = -1; k <= n; ++k) {
            const double y0 = static_cast<double>(k) / n;
            for (int pass = 0; pass < 3; ++pass) {
                const double inset = bandInsets[pass] * 0.8 / n;
                cairo_new_sub_path(cr);
                for (int s = 0; s <= 48; ++s) {
                    const double x = s / 48.0;
                    cairo_line_to(cr, x, y0 + inset + 0.14 / n * std::sin(x * 2 * Draw::pi));
                }
                for (int s = 48; s >= 0; --s) {
                    const double x = s / 48.0;
                    cairo_line_to(cr, x, y0 + 0.5 / n - inset + 0.14 / n * std::sin(x * 2 * Draw::pi));
                }
                cairo_close_path(cr);
                Draw::fillFlat(cr, bandGreys[pass]);
                cairo_new_path(cr);
            }
        }
        break;
    case 7:  // harlequin diamonds
        tiled(n, [&](double x, double y, double c, int i, int j) {
            cairo_move_to(cr, x, y - c * 0.46);
            cairo_line_to(cr, x + c * 0.46, y);
            cairo_line_to(cr, x, y + c * 0.46);
            cairo_line_to(cr, x - c * 0.46, y);
            cairo_close_path(cr);
            if ((i + j) % 2)
                Draw::fillRadial(cr, x, y, c * 0.05, c * 0.5, grey(0.84), grey(0.66));
            else
                lamp(cr, x, y, c * 0.5);
            Draw::outline(cr, rim, c * 0.025);
        });
        break;
    case 8:  // rings of light around a lamp
        tiled(n, [&](double x, double y, double c, int, int) {
            Draw::circle(cr, x, y, c * 0.38);
            Draw::outline(cr, grey(0.86), c * 0.1);
            Draw::circle(cr, x, y, c * 0.16);
            lamp(cr, x, y, c * 0.16);
            cairo_new_path(cr);
        });
        break;
    default:  // parquet blocks, lit from within
        tiled(n, [&](double x, double y, double c, int i, int j) {
            const bool across = (i + j) % 2 == 0;
            for (int k = 0; k < 3; ++k) {
                const double o = (k - 1) * c / 3;
                if (across)
                    Draw::roundedRect(cr, x - c * 0.46, y + o - c * 0.14, x + c * 0.46, y + o + c * 0.14, c * 0.04);
                else
                    Draw::roundedRect(cr, x + o - c * 0.14, y - c * 0.46, x + o + c * 0.14, y + c * 0.46, c * 0.04);
            }
            Draw::fillRadial(cr, x, y, c * 0.05, c * 0.65, grey(0.92), grey(0.7));
            Draw::outline(cr, rim, c * 0.025);
        });
        break;
    }
}

// The ice of a frozen moment: a pale, frosted sheet with fine cracks and
// six-pointed crystals, lighter than the dancing floor, so the stage seems
// to hold its breath.
void frozen(cairo_t* cr) {
    // Frost clouds.
    tiled(2, [&](double x, double y, double c, int i, int j) {
        Draw::glow(cr, x + c * 0.2 * ((i + j) % 2 ? 1 : -1), y, c * 0.6, grey(0.9, 0.7));
    });
    // Cracks: a few long, bent lines that wrap.
    for (int k = 0; k < 3; ++k) {
        for (double shift : {-1.0, 0.0, 1.0}) {
            const double y0 = 0.15 + k * 0.33;
            cairo_move_to(cr, shift - 0.05, y0);
            cairo_curve_to(cr, shift + 0.3, y0 + 0.12, shift + 0.6, y0 - 0.1, shift + 1.05, y0);
        }
    }
    Draw::outline(cr, grey(0.62, 0.7), 0.006);
    tiled(3, [&](double x, double y, double c, int i, int j) {
        const double turn = ((i * 5 + j * 3) % 6) * 10.0;
        for (int k = 0; k < 6; ++k) {
            const double a = turn + 60.0 * k;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + c * 0.36 * Draw::dirX(a), y + c * 0.36 * Draw::dirY(a));
            const double mx = x + c * 0.2 * Draw::dirX(a), my = y + c * 0.2 * Draw::dirY(a);
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + c * 0.09 * Draw::dirX(a + 45), my + c * 0.09 * Draw::dirY(a + 45));
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + c * 0.09 * Draw::dirX(a - 45), my + c * 0.09 * Draw::dirY(a - 45));
        }
        Draw::outline(cr, grey(1.0), c * 0.035);
        Draw::circle(cr, x, y, c * 0.05);
        Draw::fillFlat(cr, grey(1.0));
        cairo_new_path(cr);
    });
}

}  // namespace

void paintFloor(Canvas& c, int frame) {
    c.boxSpace(0.0, 0.0, 1.0, 1.0);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 1, 1);
    Draw::fillFlat(cr, frame == 41 ? grey(0.72) : ground);
    cairo_new_path(cr);
    if (frame == 41) {
        frozen(cr);
        return;
    }
    const int index = frame - 1;
    const int sizes[4] = {2, 3, 4, 6};
    pattern(cr, index % 10, sizes[index / 10]);
    // The finer the pattern, the gentler: small shapes in strong contrast
    // shimmer over the whole screen.
    const double calm[4] = {0.0, 0.0, 0.2, 0.45};
    if (calm[index / 10] > 0.0) {
        cairo_rectangle(cr, 0, 0, 1, 1);
        Draw::fillFlat(cr, grey(0.74, calm[index / 10]));
        cairo_new_path(cr);
    }
}
