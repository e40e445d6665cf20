#pragma once

#include <cairo.h>

#include "Image.h"

// A colour with straight alpha, each part 0..1.
struct Rgba {
    double r = 1.0;
    double g = 1.0;
    double b = 1.0;
    double a = 1.0;
};

constexpr Rgba hexColour(unsigned rgb, double a = 1.0) {
    return Rgba{((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, a};
}
constexpr Rgba grey(double v, double a = 1.0) { return Rgba{v, v, v, a}; }
Rgba mix(const Rgba& x, const Rgba& y, double t);
Rgba lighter(const Rgba& c, double amount);  // towards white
Rgba darker(const Rgba& c, double amount);   // towards black
Rgba withAlpha(const Rgba& c, double a);

// A transparent ARGB picture to draw on with cairo.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return target; }
    int width() const { return w; }
    int height() const { return h; }

    // Unit space: (-1, -1) is the bottom-left corner, (1, 1) the top-right;
    // y grows upwards, as on the stage. Sprites face +y.
    void unitSpace();
    // Any box of the picture in y-up units: (x0, y0) bottom-left, (x1, y1) top-right.
    void boxSpace(double x0, double y0, double x1, double y1);
    // Plain pixels, y down.
    void pixelSpace();

    // The picture with the premultiplied cairo pixels turned back into
    // straight alpha.
    Image toImage() const;

private:
    int w;
    int h;
    cairo_surface_t* target;
    cairo_t* context;
};
