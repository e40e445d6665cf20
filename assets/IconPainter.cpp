// The window icon, "whirligig.bmp": a pinwheel blossom, quantised to a
// palette of 256 colours. Palette entry 0 is the colour key (a magenta no
// other pixel uses); the window system takes the top-left pixel's value as
// the transparent one, so that corner is always left transparent.
#include "IconPainter.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "BmpWriter.h"
#include "Draw.h"
#include "ScreenKit.h"
#include "Style.h"

namespace {

// Palette: 0 the key, 1-216 a 6 x 6 x 6 colour cube, 217-255 greys.
std::vector<std::uint8_t> makePalette() {
    std::vector<std::uint8_t> p(768, 0);
    p[0] = 255;
    p[1] = 0;
    p[2] = 255;
    int i = 1;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b, ++i) {
                p[i * 3] = static_cast<std::uint8_t>(r * 51);
                p[i * 3 + 1] = static_cast<std::uint8_t>(g * 51);
                p[i * 3 + 2] = static_cast<std::uint8_t>(b * 51);
            }
    for (; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>((i - 217) * 255 / 38);
        p[i * 3] = p[i * 3 + 1] = p[i * 3 + 2] = v;
    }
    return p;
}

std::uint8_t nearest(const std::vector<std::uint8_t>& palette, const std::uint8_t* rgb) {
    int best = 1;
    long bestDistance = -1;
    for (int i = 1; i < 256; ++i) {
        const long dr = palette[i * 3] - rgb[0], dg = palette[i * 3 + 1] - rgb[1], db = palette[i * 3 + 2] - rgb[2];
        const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

void paintWhirligig(cairo_t* cr) {
    const Rgba colours[4] = {Style::rose, Style::sun, Style::sky, Style::mint};
    for (int i = 0; i < 4; ++i) {
        // Each vane a curled petal turning the same way.
        const double a = 90.0 * i;
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 0.6 * Draw::dirX(a - 10), 0.6 * Draw::dirY(a - 10), 0.95 * Draw::dirX(a + 10),
                       0.95 * Draw::dirY(a + 10), 0.9 * Draw::dirX(a + 40), 0.9 * Draw::dirY(a + 40));
        cairo_curve_to(cr, 0.5 * Draw::dirX(a + 45), 0.5 * Draw::dirY(a + 45), 0.2 * Draw::dirX(a + 60),
                       0.2 * Draw::dirY(a + 60), 0, 0);
        cairo_close_path(cr);
        Draw::shape(cr, colours[i], 0.07, 0.4, 0.55);
    }
    Draw::circle(cr, 0, 0, 0.16);
    Draw::shape(cr, Style::cream, 0.06);
}

bool writeWindowIcon(const std::string& path, int size) {
    if (size <= 0 || size % 8 != 0) return false;
    Canvas c(size, size);
    c.unitSpace();
    paintWhirligig(c.cr());
    const Image img = c.toImage();
    const std::vector<std::uint8_t> palette = makePalette();
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(size) * size, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = img.pixel(x, y);
            if (p[3] >= 128) indices[static_cast<std::size_t>(y) * size + x] = nearest(palette, p);
        }
    indices[0] = 0;  // the colour key
    return BmpWriter::write8(path, size, size, indices, palette);
}
