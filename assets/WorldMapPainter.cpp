// Picture 35, the world map of the menu. It is laid out in menu units: drawn
// with half size 0.56 x 0.28 around (1.05, 0.875) the nine cities of the
// dances sit exactly where the menu puts their medals. Longitude and latitude
// map linearly onto those units, with a smooth correction so that the
// coastlines meet the cities' places.
#include <cmath>
#include <vector>

#include "Draw.h"
#include "Painters.h"
#include "ScreenKit.h"
#include "Style.h"

namespace {

struct LonLat {
    double lon, lat;
};

struct City {
    LonLat at;
    double x, y;  // where the menu draws its medal
};

const City cities[9] = {
    {{2.35, 48.86}, 0.9625, 0.95}, {{-43.2, -22.9}, 0.825, 0.65}, {{139.7, 35.7}, 1.425, 0.95},
    {{10.75, 59.9}, 1.0, 1.05},    {{151.2, -33.9}, 1.35, 0.65},  {{-99.1, 19.4}, 0.6, 0.9},
    {{-105.0, 39.7}, 0.565, 0.96}, {{77.2, 28.6}, 1.21, 0.87},    {{31.2, 30.0}, 1.05, 0.875},
};

constexpr double x0 = 0.9394, xPerDegree = 0.003228, y0 = 0.7753, yPerDegree = 0.004271;
constexpr double sigma = 28.0;  // degrees over which a city pulls the land towards its place

// Weights of the Gaussian correction, solved once so that every city lands
// exactly on its place.
struct Correction {
    double wx[9];
    double wy[9];
};

double kernel(const LonLat& a, const LonLat& b) {
    const double dx = a.lon - b.lon, dy = a.lat - b.lat;
    return std::exp(-(dx * dx + dy * dy) / (sigma * sigma));
}

void solve(double m[9][10]) {
    for (int col = 0; col < 9; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 9; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        for (int k = 0; k < 10; ++k) std::swap(m[col][k], m[pivot][k]);
        for (int r = 0; r < 9; ++r) {
            if (r == col) continue;
            const double f = m[r][col] / m[col][col];
            for (int k = col; k < 10; ++k) m[r][k] -= f * m[col][k];
        }
    }
}

const Correction& correction() {
    static const Correction c = [] {
        Correction out{};
        for (int axis = 0; axis < 2; ++axis) {
            double m[9][10];
            for (int i = 0; i < 9; ++i) {
                for (int j = 0; j < 9; ++j) m[i][j] = kernel(cities[i].at, cities[j].at);
                const double linear = axis == 0 ? x0 + xPerDegree * cities[i].at.lon : y0 + yPerDegree * cities[i].at.lat;
                m[i][9] = (axis == 0 ? cities[i].x : cities[i].y) - linear;
            }
            solve(m);
            for (int i = 0; i < 9; ++i) (axis == 0 ? out.wx : out.wy)[i] = m[i][9] / m[i][i];
        }
        return out;
    }();
    return c;
}

void project(LonLat p, double shift, double& x, double& y) {
    x = x0 + xPerDegree * (p.lon + shift);
    y = y0 + yPerDegree * p.lat;
    const Correction& c = correction();
    for (int i = 0; i < 9; ++i) {
        const double k = kernel(LonLat{p.lon + shift, p.lat}, cities[i].at);
        x += c.wx[i] * k;
        y += c.wy[i] * k;
    }
}

const std::vector<std::vector<LonLat>> land = {
    // North America
    {{-165, 62}, {-160, 70}, {-130, 71}, {-95, 72}, {-80, 73}, {-65, 62}, {-55, 52}, {-66, 45}, {-76, 38},
     {-81, 31}, {-80, 25}, {-85, 30}, {-90, 29}, {-97, 26}, {-97, 20}, {-91, 19}, {-87, 21}, {-88, 15}, {-83, 9},
     {-78, 8}, {-92, 14}, {-105, 20}, {-112, 29}, {-118, 34}, {-124, 40}, {-124, 48}, {-135, 57}, {-150, 60}},
    // Greenland
    {{-50, 60}, {-40, 65}, {-20, 70}, {-20, 80}, {-45, 83}, {-65, 78}, {-55, 70}},
    // South America
    {{-78, 8}, {-72, 12}, {-60, 10}, {-50, 2}, {-35, -5}, {-38, -13}, {-40, -22}, {-48, -28}, {-58, -38},
     {-65, -42}, {-68, -52}, {-74, -52}, {-73, -40}, {-71, -30}, {-70, -18}, {-76, -12}, {-81, -5}, {-80, 1}},
    // Europe and Asia
    {{-10, 36}, {-9, 43}, {-2, 44}, {-5, 48}, {2, 51}, {8, 54}, {10, 57}, {5, 62}, {15, 69}, {28, 71}, {40, 67},
     {60, 69}, {80, 73}, {100, 77}, {130, 72}, {160, 70}, {180, 68}, {170, 60}, {160, 55}, {142, 52}, {140, 46},
     {130, 42}, {122, 40}, {122, 31}, {120, 23}, {108, 21}, {105, 10}, {100, 13}, {98, 8}, {104, 1}, {98, 16},
     {94, 16}, {88, 22}, {80, 15}, {77, 8}, {73, 20}, {67, 25}, {57, 25}, {50, 30}, {48, 29}, {55, 22}, {59, 22},
     {52, 16}, {43, 13}, {35, 28}, {33, 31}, {35, 36}, {28, 36}, {26, 40}, {23, 37}, {20, 40}, {15, 38}, {12, 44},
     {8, 44}, {3, 43}, {-5, 36}},
    // Africa
    {{-17, 15}, {-17, 21}, {-10, 30}, {-6, 35}, {10, 37}, {20, 32}, {32, 31}, {35, 28}, {43, 12}, {51, 12},
     {45, 2}, {40, -10}, {40, -15}, {35, -25}, {20, -35}, {18, -30}, {12, -18}, {13, -5}, {9, 4}, {-3, 5},
     {-8, 4}, {-13, 8}},
    // Australia
    {{114, -22}, {122, -18}, {130, -12}, {137, -12}, {142, -11}, {146, -19}, {153, -25}, {151, -34}, {145, -38},
     {138, -35}, {130, -32}, {115, -34}},
    // Great Britain, Japan, Madagascar, Borneo, New Guinea, New Zealand
    {{-5, 50}, {1, 51}, {-2, 56}, {-5, 58}, {-6, 55}},
    {{130, 31}, {135, 34}, {141, 38}, {142, 45}, {139, 41}, {133, 35}},
    {{44, -25}, {47, -25}, {50, -15}, {49, -12}, {44, -17}},
    {{109, 1}, {117, 7}, {119, 1}, {116, -4}, {110, -3}},
    {{131, -1}, {141, -3}, {150, -10}, {141, -9}, {135, -4}},
    {{166, -46}, {174, -41}, {178, -38}, {173, -35}, {170, -42}},
};

}  // namespace

void paintWorldMap(Canvas& c) {
    // Low enough to leave the menu's progress line above it free.
    constexpr double cx = 1.05, cy = 0.875, hw = 0.56, hh = 0.28;
    constexpr double left = cx - hw + 0.005, right = cx + hw - 0.005, bottom = cy - hh + 0.005, top = cy + hh - 0.005;
    c.boxSpace(cx - hw, cy - hh, cx + hw, cy + hh);
    cairo_t* cr = c.cr();
    Draw::roundedRect(cr, left, bottom, right, top, 0.04);
    Draw::fillLinear(cr, 0, top, 0, bottom, hexColour(0x4f8fc8), hexColour(0x2d5c9e));
    cairo_new_path(cr);
    cairo_save(cr);
    Draw::roundedRect(cr, left, bottom, right, top, 0.04);
    cairo_clip(cr);
    // Waves on the sea.
    for (int k = 0; k < 11; ++k) {
        const double y = bottom + 0.03 + k * 0.05;
        for (int j = 0; j < 9; ++j) {
            const double x = left + 0.03 + j * 0.14 + (k % 2) * 0.07;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + 0.01, y + 0.008, x + 0.02, y + 0.008, x + 0.03, y);
        }
    }
    Draw::outline(cr, Rgba{1, 1, 1, 0.22}, 0.003);
    for (double shift : {0.0, 360.0, -360.0}) {
        for (const auto& shape : land) {
            cairo_new_sub_path(cr);
            for (const LonLat& p : shape) {
                double x, y;
                project(p, shift, x, y);
                cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
        }
    }
    Draw::fillLinear(cr, 0, top, 0, bottom, hexColour(0x9be39a), hexColour(0x5cbf72));
    Draw::outline(cr, hexColour(0x2f6b4a), 0.004);
    cairo_restore(cr);
    // The cities: a small blossom at each medal's place.
    for (const City& city : cities) ScreenKit::blossom(cr, city.x, city.y, 0.02, 5, Style::rose, Style::sun);
    Draw::roundedRect(cr, left, bottom, right, top, 0.04);
    Draw::outline(cr, Style::plum, 0.01);
    Draw::roundedRect(cr, left + 0.006, bottom + 0.006, right - 0.006, top - 0.006, 0.036);
    Draw::outline(cr, Style::pink, 0.005);
}
