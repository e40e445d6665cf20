#include "Canvas.h"

#include <cstdint>
#include <cstring>

Rgba mix(const Rgba& x, const Rgba& y, double t) {
    return Rgba{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}
Rgba lighter(const Rgba& c, double amount) { return mix(c, Rgba{1, 1, 1, c.a}, amount); }
Rgba darker(const Rgba& c, double amount) { return mix(c, Rgba{0, 0, 0, c.a}, amount); }
Rgba withAlpha(const Rgba& c, double a) { return Rgba{c.r, c.g, c.b, a}; }

Canvas::Canvas(int width, int height)
    : w(width), h(height), target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context(cairo_create(target)) {
    cairo_set_antialias(context, CAIRO_ANTIALIAS_BEST);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(target);
}

void Canvas::unitSpace() { boxSpace(-1.0, -1.0, 1.0, 1.0); }

void Canvas::boxSpace(double x0, double y0, double x1, double y1) {
    cairo_identity_matrix(context);
    cairo_scale(context, w / (x1 - x0), -h / (y1 - y0));
    cairo_translate(context, -x0, -y1);
}

void Canvas::pixelSpace() { cairo_identity_matrix(context); }

Image Canvas::toImage() const {
    cairo_surface_flush(target);
    Image out(w, h);
    const unsigned char* data = cairo_image_surface_get_data(target);
    const int stride = cairo_image_surface_get_stride(target);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t p;
            std::memcpy(&p, data + static_cast<std::size_t>(y) * stride + x * 4, 4);
            const unsigned a = p >> 24;
            std::uint8_t* o = out.pixel(x, y);
            o[3] = static_cast<std::uint8_t>(a);
            if (a == 0) {
                o[0] = o[1] = o[2] = 0;
                continue;
            }
            const unsigned rgb[3] = {(p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff};
            for (int c = 0; c < 3; ++c) {
                const unsigned v = (rgb[c] * 255 + a / 2) / a;
                o[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
            }
        }
    }
    return out;
}
