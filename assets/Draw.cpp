#include "Draw.h"

#include <algorithm>
#include <cmath>

namespace Draw {

double rad(double degrees) { return degrees * pi / 180.0; }
double dirX(double degrees) { return std::cos(rad(degrees + 90.0)); }
double dirY(double degrees) { return std::sin(rad(degrees + 90.0)); }

void setColour(cairo_t* cr, const Rgba& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0.0, 2.0 * pi);
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * pi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void roundedRect(cairo_t* cr, double x0, double y0, double x1, double y1, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - r, y1 - r, r, 0.0, pi / 2);
    cairo_arc(cr, x0 + r, y1 - r, r, pi / 2, pi);
    cairo_arc(cr, x0 + r, y0 + r, r, pi, 1.5 * pi);
    cairo_arc(cr, x1 - r, y0 + r, r, 1.5 * pi, 2.0 * pi);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double x, double y, int points, double outer, double inner, double angle) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = angle + 180.0 * i / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, x + r * dirX(a), y + r * dirY(a));
    }
    cairo_close_path(cr);
}

void heart(cairo_t* cr, double x, double y, double size, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    cairo_scale(cr, size, size);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, -0.5);
    cairo_curve_to(cr, -0.15, -0.3, -0.52, -0.12, -0.5, 0.16);
    cairo_curve_to(cr, -0.48, 0.42, -0.12, 0.5, 0.0, 0.26);
    cairo_curve_to(cr, 0.12, 0.5, 0.48, 0.42, 0.5, 0.16);
    cairo_curve_to(cr, 0.52, -0.12, 0.15, -0.3, 0.0, -0.5);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void petal(cairo_t* cr, double x, double y, double angle, double length, double width) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, 0.0);
    cairo_curve_to(cr, -width, length * 0.3, -width * 0.8, length * 0.85, 0.0, length);
    cairo_curve_to(cr, width * 0.8, length * 0.85, width, length * 0.3, 0.0, 0.0);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void scallops(cairo_t* cr, double x, double y, double r, int n, double depth, double angle) {
    cairo_new_sub_path(cr);
    const double step = 360.0 / n;
    for (int i = 0; i < n; ++i) {
        const double a0 = angle + step * i;
        const double a1 = a0 + step;
        const double am = a0 + step / 2;
        const double x0 = x + (r - depth) * dirX(a0), y0 = y + (r - depth) * dirY(a0);
        const double x1 = x + (r - depth) * dirX(a1), y1 = y + (r - depth) * dirY(a1);
        const double cx = x + (r + depth * 0.9) * dirX(am), cy = y + (r + depth * 0.9) * dirY(am);
        if (i == 0) cairo_move_to(cr, x0, y0);
        const double k = 0.55;
        cairo_curve_to(cr, x0 + (cx - x0) * k + (x0 - x) * 0.25, y0 + (cy - y0) * k + (y0 - y) * 0.25,
                       x1 + (cx - x1) * k + (x1 - x) * 0.25, y1 + (cy - y1) * k + (y1 - y) * 0.25, x1, y1);
    }
    cairo_close_path(cr);
}

void wavyRing(cairo_t* cr, double x, double y, double r, int n, double depth, double angle) {
    cairo_new_sub_path(cr);
    const int steps = n * 12;
    for (int i = 0; i <= steps; ++i) {
        const double a = angle + 360.0 * i / steps;
        const double rr = r + depth * std::cos(rad(a - angle) * n);
        cairo_line_to(cr, x + rr * dirX(a), y + rr * dirY(a));
    }
    cairo_close_path(cr);
}

void fillFlat(cairo_t* cr, const Rgba& c) {
    setColour(cr, c);
    cairo_fill_preserve(cr);
}

void fillRadial(cairo_t* cr, double x, double y, double r0, double r1, const Rgba& inner, const Rgba& outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, r0, x, y, r1);
    cairo_pattern_add_color_stop_rgba(p, 0.0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1.0, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba& a, const Rgba& b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0.0, a.r, a.g, a.b, a.a);
    cairo_pattern_add_color_stop_rgba(p, 1.0, b.r, b.g, b.b, b.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void fillShaded(cairo_t* cr, const Rgba& c, double light) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double r = std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)) * 0.5;
    // Light from the upper left (in y-up space); the hot spot sits a third of
    // the way towards that corner.
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy + r * 0.3, r * 0.05, cx, cy, r * 1.1);
    const Rgba hi = lighter(c, light);
    cairo_pattern_add_color_stop_rgba(p, 0.0, hi.r, hi.g, hi.b, hi.a);
    cairo_pattern_add_color_stop_rgba(p, 1.0, c.r, c.g, c.b, c.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void outline(cairo_t* cr, const Rgba& c, double width) {
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void shape(cairo_t* cr, const Rgba& c, double outlineWidth, double light, double dark) {
    fillShaded(cr, c, light);
    if (outlineWidth > 0.0)
        outline(cr, darker(c, dark), outlineWidth);
    else
        cairo_new_path(cr);
}

void glow(cairo_t* cr, double x, double y, double r, const Rgba& c) {
    circle(cr, x, y, r);
    fillRadial(cr, x, y, 0.0, r, c, withAlpha(c, 0.0));
    cairo_new_path(cr);
}

}  // namespace Draw
