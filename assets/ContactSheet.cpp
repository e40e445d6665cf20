// Preview sheets for the people who draw and check the pictures: the actors
// composed from their layer stacks with sample costume colours, every sprite
// frame, and every screen picture, written as PNG files.
#include "ContactSheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "Draw.h"
#include "Fonts.h"
#include "Manifest.h"
#include "Painters.h"

namespace {

struct Layer {
    int frame;
    Rgba tint;
    double scale = 1.0;
};

// A cairo surface of a picture, multiplied by a tint as OpenGL's modulate does.
cairo_surface_t* surfaceOf(const Image& img, const Rgba& tint) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.width, img.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const std::uint8_t* p = img.pixel(x, y);
            const double a = p[3] / 255.0 * tint.a;
            const auto ch = [&](int i, double t) { return static_cast<unsigned>(p[i] * t * a + 0.5); };
            const std::uint32_t v = (static_cast<unsigned>(a * 255 + 0.5) << 24) | (ch(0, tint.r) << 16) |
                                    (ch(1, tint.g) << 8) | ch(2, tint.b);
            *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4) = v;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

class Sheet {
public:
    Sheet(int w, int h) : width(w), height(h), surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)) {
        cr = cairo_create(surface);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.22, 0.18, 0.3);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.1, 0.18);
        cairo_set_source(cr, p);
        cairo_paint(cr);
        cairo_pattern_destroy(p);
    }
    ~Sheet() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    void picture(const Image& img, double x, double y, double w, double h, const Rgba& tint = Rgba{},
                 double angle = 0.0) {
        cairo_surface_t* s = surfaceOf(img, tint);
        cairo_save(cr);
        cairo_translate(cr, x + w / 2, y + h / 2);
        cairo_rotate(cr, -angle * Draw::pi / 180.0);
        cairo_scale(cr, w / img.width, h / img.height);
        cairo_set_source_surface(cr, s, -img.width / 2.0, -img.height / 2.0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(s);
    }
    void label(double x, double y, const std::string& s) {
        cairo_save(cr);
        cairo_set_font_face(cr, Fonts::face(FontId::Sans));
        cairo_set_font_size(cr, 11);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.95);
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, s.c_str());
        cairo_restore(cr);
    }
    bool save(const std::string& path) { return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS; }

    int width, height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

// Painted frames, made once per set.
const Image& frameOf(int set, int frame) {
    static std::map<std::pair<int, int>, Image> cache;
    const auto key = std::make_pair(set, frame);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    for (const AssetEntry& e : assetManifest())
        if (e.number == set && e.frame == frame) return cache[key] = paintEntry(e);
    return cache[key] = Image(1, 1);
}

Rgba rgb(int r, int g, int b) { return Rgba{r / 255.0, g / 255.0, b / 255.0, 1.0}; }

void stack(Sheet& s, int set, const std::vector<Layer>& layers, double x, double y, double size) {
    for (const Layer& l : layers) {
        const double w = size * l.scale;
        s.picture(frameOf(set, l.frame), x + (size - w) / 2, y + (size - w) / 2, w, w, l.tint);
    }
}

// Parts 1-10 (hair, ornament, bodice, tutu, lining, sash, skin, tights,
// shoes, gloves) and the own colour of a few sample looks.
struct Look {
    Rgba p[10];
    Rgba own;
};
const Look looks[4] = {
    {{rgb(235, 200, 110), rgb(255, 240, 245), rgb(232, 96, 140), rgb(255, 170, 200), rgb(255, 214, 228),
      rgb(200, 40, 90), rgb(255, 220, 190), rgb(255, 228, 236), rgb(240, 150, 180), rgb(255, 236, 242)},
     rgb(60, 110, 200)},
    {{rgb(70, 40, 25), rgb(250, 240, 255), rgb(150, 100, 210), rgb(200, 170, 240), rgb(230, 215, 250),
      rgb(110, 60, 170), rgb(224, 172, 125), rgb(240, 232, 250), rgb(180, 150, 225), rgb(236, 228, 250)},
     rgb(90, 60, 30)},
    {{rgb(40, 30, 30), rgb(230, 255, 250), rgb(20, 150, 150), rgb(120, 210, 200), rgb(200, 240, 235),
      rgb(0, 100, 110), rgb(198, 134, 86), rgb(225, 245, 240), rgb(60, 170, 165), rgb(220, 245, 242)},
     rgb(50, 30, 20)},
    {{rgb(60, 60, 65), rgb(240, 240, 245), rgb(110, 120, 135), rgb(175, 185, 200), rgb(225, 230, 238),
      rgb(70, 80, 95), rgb(241, 194, 156), rgb(200, 205, 215), rgb(90, 95, 110), rgb(220, 224, 232)},
     rgb(30, 30, 40)},
};

std::vector<Layer> dancerLayers(const Look& l, int state, int pose, int legs, bool shoesFirst) {
    const Rgba white{};
    std::vector<Layer> out;
    if (shoesFirst) out.push_back({18 + legs, l.p[8], 1.0});
    out.push_back({30 + state, white});
    out.push_back({pose, l.p[6]});
    out.push_back({4 + legs, l.p[7]});
    out.push_back({23, l.p[3]});
    out.push_back({25, l.p[2]});
    out.push_back({27, l.p[4]});
    out.push_back({29, l.p[5]});
    out.push_back({pose == 4 ? 34 : 34 + pose, l.p[9]});
    out.push_back({13, l.own});
    out.push_back({14, l.p[0]});
    out.push_back({16, l.p[1]});
    if (!shoesFirst) out.push_back({18 + legs, l.p[8]});
    return out;
}

void actorsSheet(const std::string& path) {
    Sheet s(1200, 1010);
    const double size = 160;
    for (int i = 0; i < 4; ++i) {
        stack(s, i == 3 ? 112 : 111, dancerLayers(looks[i], 1 + i % 3, 1 + i, 1 + i % 3, i == 3), 20 + i * 175, 20, size);
        s.label(30 + i * 175, 195, i == 3 ? "112 guardian" : "111 pose " + std::to_string(1 + i));
    }
    stack(s, 111, dancerLayers(looks[0], 1, 1, 1, false), 880, 560, 300);
    const Rgba white{};
    // The racer.
    const Rgba racer[10] = {rgb(30, 25, 25), rgb(255, 240, 120), rgb(250, 120, 20), rgb(255, 180, 60),
                            rgb(255, 230, 150), rgb(30, 30, 30), rgb(198, 134, 86), rgb(60, 50, 45),
                            rgb(20, 20, 20), rgb(255, 200, 120)};
    stack(s, 113, {{3, white}, {1, racer[4]}, {2, racer[5]}, {4, racer[0]}, {5, racer[2]}, {6, racer[3]},
                   {7, racer[1]}, {8, rgb(255, 210, 60)}}, 720, 20, size);
    s.label(730, 195, "113 racer");
    // The cat, resting and grabbing.
    const Rgba fur = rgb(180, 125, 59), marks = rgb(70, 45, 30);
    for (int grab = 0; grab < 2; ++grab) {
        stack(s, 106, {{8, marks}, {4, white}, {grab ? 12 : 1, fur}, {grab ? 18 : 2, marks}, {5, rgb(118, 86, 67)},
                       {6, fur}, {7, marks}, {3, marks}, {9, marks}, {17, fur}}, 900 + grab * 150, 20, 140);
        s.label(910 + grab * 150, 180, grab ? "cat grabbing" : "cat");
    }
    // Talents in their colours, super talents in white.
    const Rgba talent[4] = {rgb(161, 28, 222), rgb(6, 40, 246), rgb(36, 163, 112), rgb(197, 21, 75)};
    for (int t = 0; t < 8; ++t) {
        const Rgba c = t < 4 ? talent[t] : white;
        stack(s, 131 + t, {{1, c}, {2, darker(c, 0.4)}, {4, white}, {t % 2 ? 7 : 3, lighter(c, 0.6)}}, 20 + t * 110,
              230, 100);
        s.label(40 + t * 110, 345, std::to_string(131 + t));
    }
    // Muses.
    for (int k = 0; k < 4; ++k) {
        stack(s, 161, {{7, white}, {1 + k, white}, {9, rgb(255, 230, 240)}}, 20 + k * 150, 370, 140);
        s.label(40 + k * 150, 525, "161 gives " + std::to_string(131 + k));
    }
    stack(s, 162, {{5, rgb(255, 220, 120)}, {7, white, 0.5}, {1, rgb(150, 200, 255)}, {2, rgb(255, 255, 255)},
                   {3, rgb(255, 170, 220)}, {6, rgb(255, 214, 190)}, {4, rgb(120, 70, 40)}, {9, rgb(40, 60, 120)}},
          640, 370, 160);
    s.label(660, 545, "162 growing muse");
    // Blossoms of four strengths.
    const Rgba c1[4] = {rgb(118, 239, 130), rgb(221, 156, 36), rgb(243, 126, 249), rgb(21, 213, 235)};
    const Rgba c2[4] = {rgb(97, 173, 145), rgb(180, 125, 59), rgb(93, 7, 60), rgb(21, 142, 235)};
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 6; ++k)
            stack(s, 141 + b, {{1 + k, c1[b]}, {7 + k, c2[b]}}, 20 + k * 70, 570 + b * 75, 64);
        s.label(450, 610 + b * 75, std::to_string(141 + b));
    }
    // Floor tiles tinted as the floor does, and effects.
    for (int f = 0; f < 12; ++f) {
        const Rgba tint = rgb(50 + (f * 37) % 100, 50 + (f * 53) % 100, 100 + (f * 71) % 150);
        s.picture(frameOf(171, f == 11 ? 41 : 1 + f * 3), 520 + (f % 6) * 75, 580 + (f / 6) * 75, 72, 72, tint);
    }
    // The same actors at the size the game draws them, on a tinted floor.
    for (int f = 0; f < 16; ++f) {
        const Rgba tint = rgb(50 + (f * 37) % 100, 50 + (f * 53) % 100, 100 + (f * 71) % 150);
        s.picture(frameOf(171, 9), f * 75.0, 905, 75, 75, tint);
    }
    for (int i = 0; i < 4; ++i)
        stack(s, i == 3 ? 112 : 111, dancerLayers(looks[i], i % 3, 1, 1, i == 3), 10 + i * 80, 912, 64);
    stack(s, 113, {{3, white}, {1, racer[4]}, {2, racer[5]}, {4, racer[0]}, {5, racer[2]}, {6, racer[3]},
                   {7, racer[1]}, {8, rgb(255, 210, 60)}}, 330, 912, 64);
    stack(s, 106, {{8, marks}, {4, white}, {1, fur}, {2, marks}, {5, rgb(118, 86, 67)}, {6, fur}, {7, marks},
                   {3, marks}, {9, marks}, {17, fur}}, 410, 920, 40);
    for (int t = 0; t < 4; ++t)
        stack(s, 131 + t, {{1, talent[t]}, {2, darker(talent[t], 0.4)}, {4, white}, {3, lighter(talent[t], 0.6)}},
              470 + t * 50, 925, 40);
    for (int k = 0; k < 2; ++k) stack(s, 161, {{7, white}, {1 + k, white}, {9, rgb(255, 230, 240)}}, 680 + k * 70, 912, 64);
    for (int b = 0; b < 4; ++b) stack(s, 141 + b, {{3, c1[b]}, {9, c2[b]}}, 830 + b * 40, 930, 28);
    if (!s.save(path)) std::fprintf(stderr, "could not write %s\n", path.c_str());
}

void framesSheet(const std::string& path, const std::vector<int>& sets) {
    int rows = 0;
    std::map<int, int> frames;
    for (const SpriteSetInfo& i : manifestSpriteSets()) frames[i.set] = i.frames;
    for (int set : sets) rows += (frames[set] + 12) / 13;
    Sheet s(13 * 74 + 60, rows * 74 + 20);
    int row = 0;
    for (int set : sets) {
        s.label(4, row * 74 + 40, std::to_string(set));
        for (int f = 1; f <= frames[set]; ++f) {
            const int r = row + (f - 1) / 13, col = (f - 1) % 13;
            cairo_set_source_rgb(s.cr, 0.3, 0.27, 0.38);
            cairo_rectangle(s.cr, 50 + col * 74, 10 + r * 74, 70, 70);
            cairo_fill(s.cr);
            s.picture(frameOf(set, f), 50 + col * 74, 10 + r * 74, 70, 70);
            s.label(52 + col * 74, 22 + r * 74, std::to_string(f));
        }
        row += (frames[set] + 12) / 13;
    }
    if (!s.save(path)) std::fprintf(stderr, "could not write %s\n", path.c_str());
}

void picturesSheet(const std::string& path, bool (*wanted)(const AssetEntry&)) {
    std::vector<const AssetEntry*> list;
    for (const AssetEntry& e : assetManifest())
        if (e.kind == AssetKind::Picture && e.frame == 0 && wanted(e)) list.push_back(&e);
    const int cols = 10, cell = 120;
    const int rows = (static_cast<int>(list.size()) + cols - 1) / cols;
    Sheet s(cols * cell + 10, rows * (cell + 16) + 10);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const AssetEntry& e = *list[i];
        const double x = 5 + (i % cols) * cell, y = 5 + (i / cols) * (cell + 16);
        const double scale = 112.0 / std::max(e.width, e.height);
        cairo_set_source_rgb(s.cr, 0.32, 0.3, 0.4);
        cairo_rectangle(s.cr, x, y, e.width * scale, e.height * scale);
        cairo_fill(s.cr);
        s.picture(paintEntry(e), x, y, e.width * scale, e.height * scale);
        s.label(x, y + cell + 8, std::to_string(e.number));
    }
    if (!s.save(path)) std::fprintf(stderr, "could not write %s\n", path.c_str());
}

}  // namespace

// One picture at twice its size on a dark ground.
void single(const std::string& path, int number) {
    for (const AssetEntry& e : assetManifest()) {
        if (e.number != number || e.frame != 0 || e.kind != AssetKind::Picture) continue;
        Sheet s(e.width * 2, e.height * 2);
        s.picture(paintEntry(e), 0, 0, e.width * 2, e.height * 2);
        if (!s.save(path)) std::fprintf(stderr, "could not write %s\n", path.c_str());
    }
}

const Image& pictureOf(int number) {
    static std::map<int, Image> cache;
    auto it = cache.find(number);
    if (it != cache.end()) return it->second;
    for (const AssetEntry& e : assetManifest())
        if (e.number == number && e.frame == 0 && e.kind == AssetKind::Picture) return cache[number] = paintEntry(e);
    return cache[number] = Image(1, 1);
}

// The title screen as the game lays it out (stage units, 1024 x 768).
void titleScreen(const std::string& path) {
    Sheet s(1024, 768);
    const double k = 1024 / 5.6;
    auto place = [&](int number, double x, double y, double hw, double hh, double angle = 0.0) {
        s.picture(pictureOf(number), 512 + (x - hw) * k, 384 - (y + hh) * k, 2 * hw * k, 2 * hh * k, Rgba{}, angle);
    };
    place(941, 0, 0, 2.8, 2.1);
    place(942, 1.4, -1.05, 1.4, 1.05);
    place(943, -1.8, 1.1, 1.0, 1.0);
    place(944, -2.1, -1.2, 0.5, 0.5);
    place(945, -2.1, -1.65, 0.25, 0.125);
    place(99, 0, 1.0, 0.25, 0.125, 30.0);
    if (!s.save(path)) std::fprintf(stderr, "could not write %s\n", path.c_str());
}

bool writeContactSheets(const std::string& prefix) {
    titleScreen(prefix + "-title.png");
    single(prefix + "-font.png", 476);
    single(prefix + "-map.png", 35);
    actorsSheet(prefix + "-actors.png");
    framesSheet(prefix + "-frames-dancers.png", {101, 112, 113, 106});
    framesSheet(prefix + "-frames-small.png", {131, 135, 141, 142, 143, 144, 161, 162});
    framesSheet(prefix + "-frames-effects.png", {181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 194,
                                                  195, 196, 171});
    picturesSheet(prefix + "-stage.png", [](const AssetEntry& e) {
        return e.family == Family::StageMark || e.family == Family::Interface || e.family == Family::Glyph;
    });
    picturesSheet(prefix + "-screens.png", [](const AssetEntry& e) {
        return e.family == Family::Menu || e.family == Family::Rank || e.family == Family::Title ||
               e.family == Family::Loading || e.family == Family::Font ||
               ((e.family == Family::Level || e.family == Family::Preview) &&
                (e.number % 350 <= 9 || e.number == 34 || e.number == 35 || e.number == 371 || e.number == 20));
    });
    return true;
}
