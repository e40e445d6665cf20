// Sets 101, 111 and 112: a ballerina seen from above and a little from the
// front, as a paper doll whose layers the game tints with her costume colours
// (see ManifestSprites.cpp for the stack). At the size the game draws her
// (some 60 pixels) she has to read at a glance: a flower-shaped tutu, arms
// spread over it, a round head with a face, a bun and pointe shoes.
//
// The stack draws the skin first and the tutu over it, so every layer that
// lies over the head leaves the head free, and the arms that reach over the
// tutu are drawn by the gloves layer, which comes after it: the dancers wear
// long gloves from the shoulder to the fingertips.
#include <cmath>
#include <initializer_list>

#include "Draw.h"
#include "Painters.h"
#include "Style.h"

namespace {

using Style::tintBase;
using Style::tintLine;
using Style::tintShade;

struct P {
    double x, y;
};

constexpr P headCentre{0.0, 0.1};
constexpr double headRadius = 0.23;
constexpr P torsoCentre{0.0, -0.03};
constexpr double torsoRx = 0.29, torsoRy = 0.2;
constexpr P tutuCentre{0.0, -0.04};
constexpr double line = 0.034;  // outline of the silhouette: a pixel at the game's size

// Shoulders, elbows and hands of the four arm poses (right, then left).
struct ArmPose {
    P rightElbow, rightHand, leftElbow, leftHand;
};
constexpr P rightShoulder{0.25, 0.0}, leftShoulder{-0.25, 0.0};
constexpr ArmPose armPoses[4] = {
    {{0.54, 0.08}, {0.86, 0.2}, {-0.54, 0.08}, {-0.86, 0.2}},    // second position
    {{0.44, 0.34}, {0.5, 0.7}, {-0.44, 0.34}, {-0.5, 0.7}},      // raised in a crown
    {{0.46, 0.3}, {0.2, 0.62}, {-0.46, 0.3}, {-0.2, 0.62}},      // rounded in front
    {{0.42, 0.34}, {0.36, 0.78}, {-0.54, 0.06}, {-0.86, 0.14}},  // one forward, one to the side
};

struct LegPose {
    P rightKnee, rightFoot, leftKnee, leftFoot;
};
constexpr LegPose legPoses[4] = {
    {{0.08, 0.44}, {0.1, 0.84}, {-0.08, -0.5}, {-0.1, -0.86}},   // one forward, one back
    {{0.1, 0.44}, {0.08, 0.82}, {-0.1, 0.44}, {-0.08, 0.82}},    // fifth, both forward
    {{0.48, -0.06}, {0.86, -0.12}, {-0.48, -0.06}, {-0.86, -0.12}}, // side split
    {{0.2, 0.36}, {0.16, 0.6}, {-0.2, 0.36}, {-0.16, 0.6}},      // tucked under the tutu
};

double angleOf(P from, P to) { return std::atan2(to.y - from.y, to.x - from.x) * 180.0 / Draw::pi - 90.0; }

// A limb as a round stroke with an outline, from a through the bend b to c.
void limb(cairo_t* cr, P a, P b, P c, double width, const Rgba& fill) {
    for (int pass = 0; pass < 3; ++pass) {
        cairo_move_to(cr, a.x, a.y);
        cairo_curve_to(cr, b.x, b.y, b.x, b.y, c.x, c.y);
        if (pass == 0) {
            Draw::setColour(cr, tintLine);
            cairo_set_line_width(cr, width + 2 * line);
        } else if (pass == 1) {
            Draw::setColour(cr, fill);
            cairo_set_line_width(cr, width);
        } else {  // a soft highlight along the limb
            Draw::setColour(cr, grey(1.0, 0.55));
            cairo_set_line_width(cr, width * 0.35);
        }
        cairo_stroke(cr);
    }
}

// Clears the head (and a little neck room) out of a layer that lies over it.
void clearHead(cairo_t* cr, double margin = 0.012) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    Draw::circle(cr, headCentre.x, headCentre.y, headRadius + margin);
    cairo_fill(cr);
    cairo_restore(cr);
}

void torsoPath(cairo_t* cr, double grow = 0.0) {
    Draw::ellipse(cr, torsoCentre.x, torsoCentre.y, torsoRx + grow, torsoRy + grow);
}

// Head, neck and shoulders, and the bare arms (mostly hidden under the tutu
// and the gloves; they show where a glove ends).
void skin(cairo_t* cr, int pose) {
    const ArmPose& a = armPoses[pose];
    limb(cr, rightShoulder, a.rightElbow, a.rightHand, 0.085, tintBase);
    limb(cr, leftShoulder, a.leftElbow, a.leftHand, 0.085, tintBase);
    torsoPath(cr, -0.02);
    Draw::fillFlat(cr, tintBase);
    cairo_new_path(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, headRadius);
    Draw::fillRadial(cr, headCentre.x - 0.05, headCentre.y + 0.06, 0.02, headRadius * 1.1, grey(1.0), grey(0.86));
    Draw::outline(cr, tintLine, line);
    // A small smile.
    cairo_move_to(cr, -0.038, headCentre.y - 0.035);
    cairo_curve_to(cr, -0.016, headCentre.y - 0.057, 0.016, headCentre.y - 0.057, 0.038, headCentre.y - 0.035);
    Draw::outline(cr, grey(0.4), 0.016);
    // Blushing cheeks under the eyes, a shade of the skin (the face is framed
    // by the hair layer).
    for (double side : {-1.0, 1.0}) {
        Draw::ellipse(cr, side * 0.105, headCentre.y - 0.0, 0.04, 0.026);
        Draw::fillFlat(cr, grey(0.72, 0.45));
        cairo_new_path(cr);
    }
}

void tights(cairo_t* cr, int pose) {
    const LegPose& l = legPoses[pose];
    limb(cr, {0.07, -0.05}, l.rightKnee, l.rightFoot, 0.09, tintBase);
    limb(cr, {-0.07, -0.05}, l.leftKnee, l.leftFoot, 0.09, tintBase);
}

// The guardians' calming zone, drawn under them at the stage's time scale:
// a faint disc with a brighter rim and a ring of small stars, so that it
// reads as a pulsing circle on the floor from a tenth of her size to the
// whole view. Variants turn the stars.
void guardZone(cairo_t* cr, int variant) {
    Draw::circle(cr, 0.0, 0.0, 0.96);
    Draw::fillRadial(cr, 0.0, 0.0, 0.3, 0.96, Rgba{1.0, 1.0, 1.0, 0.03}, Rgba{1.0, 1.0, 1.0, 0.3});
    cairo_new_path(cr);
    Draw::circle(cr, 0.0, 0.0, 0.9);
    Draw::outline(cr, Rgba{1.0, 1.0, 1.0, 0.75}, 0.02);
    for (int i = 0; i < 12; ++i) {
        const double a = 30.0 * i + 7.5 * variant;
        Draw::star(cr, 0.9 * Draw::dirX(a), 0.9 * Draw::dirY(a), 5, 0.035, 0.015, a);
        Draw::fillFlat(cr, Rgba{1.0, 1.0, 1.0, 0.9});
        cairo_new_path(cr);
    }
}

void shoes(cairo_t* cr, int pose) {
    const LegPose& l = legPoses[pose];
    const bool peeking = pose == 3;
    for (int side = 0; side < 2; ++side) {
        const P knee = side == 0 ? l.rightKnee : l.leftKnee;
        const P foot = side == 0 ? l.rightFoot : l.leftFoot;
        const double a = angleOf(knee, foot);
        const double len = peeking ? 0.07 : 0.11;
        const P tip{foot.x + len * 0.45 * Draw::dirX(a), foot.y + len * 0.45 * Draw::dirY(a)};
        Draw::ellipse(cr, tip.x, tip.y, 0.058, len, a);
        Draw::fillRadial(cr, tip.x - 0.02, tip.y + 0.02, 0.0, len, grey(1.0), grey(0.8));
        Draw::outline(cr, tintLine, line * 0.8);
        if (peeking) continue;
        // Ribbons crossing over the ankle.
        const double sx = 0.055 * Draw::dirX(a + 90), sy = 0.055 * Draw::dirY(a + 90);
        const double bx = foot.x - 0.09 * Draw::dirX(a), by = foot.y - 0.09 * Draw::dirY(a);
        cairo_move_to(cr, foot.x + sx, foot.y + sy);
        cairo_line_to(cr, bx - sx, by - sy);
        cairo_move_to(cr, foot.x - sx, foot.y - sy);
        cairo_line_to(cr, bx + sx, by + sy);
        Draw::outline(cr, tintShade, 0.022);
    }
}

// Long gloves from the shoulder to the fingertips, over the tutu.
void gloves(cairo_t* cr, int pose) {
    const ArmPose& a = armPoses[pose];
    for (int side = 0; side < 2; ++side) {
        const P shoulder = side == 0 ? rightShoulder : leftShoulder;
        const P elbow = side == 0 ? a.rightElbow : a.leftElbow;
        const P hand = side == 0 ? a.rightHand : a.leftHand;
        limb(cr, shoulder, elbow, hand, 0.08, tintBase);
        // The hand: a soft oval turned along the forearm, fingers together.
        const double ang = angleOf(elbow, hand);
        Draw::ellipse(cr, hand.x + 0.02 * Draw::dirX(ang), hand.y + 0.02 * Draw::dirY(ang), 0.048, 0.065, ang);
        Draw::shape(cr, tintBase, line * 0.8, 0.3, 0.0);
        Draw::ellipse(cr, hand.x + 0.02 * Draw::dirX(ang), hand.y + 0.02 * Draw::dirY(ang), 0.048, 0.065, ang);
        Draw::outline(cr, tintLine, line * 0.8);
    }
    // The shoulders are covered by the bodice; keep the gloves off the head.
    clearHead(cr);
}

void eyes(cairo_t* cr, int frame) {
    // 13 open; 9 half closed, 10 and 11 closed, 12 half open.
    const double open = frame == 13 ? 1.0 : (frame == 9 || frame == 12) ? 0.5 : 0.0;
    for (double side : {-1.0, 1.0}) {
        const double x = side * 0.073, y = headCentre.y + 0.066;
        if (open > 0.0) {
            // A dark oval iris in the own colour with a bright catch-light.
            Draw::ellipse(cr, x, y, 0.04, 0.05 * open);
            Draw::fillRadial(cr, x, y - 0.01, 0.0, 0.05, grey(0.55), grey(0.2));
            Draw::outline(cr, grey(0.1), 0.016);
            Draw::circle(cr, x - 0.012, y + 0.014 * open, 0.013);
            Draw::fillFlat(cr, grey(1.0));
            cairo_new_path(cr);
        } else {
            cairo_move_to(cr, x - 0.036, y + 0.004);
            cairo_curve_to(cr, x - 0.012, y - 0.02, x + 0.012, y - 0.02, x + 0.036, y + 0.004);
            Draw::outline(cr, grey(0.12), 0.02);
        }
    }
}

// The face looks up at the viewer out of a frame of hair, fuller at the
// back, where the bun sits (the guardians wear theirs short, under a
// beret): a face in the middle reads the same at every turn of the dancer.
constexpr P faceCentre{0.0, headCentre.y + 0.038};
constexpr double faceRadius = 0.163;

void hair(cairo_t* cr, bool guardian) {
    if (!guardian) {
        Draw::circle(cr, headCentre.x, headCentre.y - 0.23, 0.11);
        Draw::fillRadial(cr, headCentre.x - 0.03, headCentre.y - 0.2, 0.0, 0.13, grey(1.0), grey(0.75));
        Draw::outline(cr, tintLine, line * 0.9);
        for (int i = 0; i < 3; ++i) {  // the twist of the bun
            cairo_new_sub_path(cr);
            cairo_arc(cr, headCentre.x, headCentre.y - 0.23, 0.038 + i * 0.024, 0.3 + i * 1.9, 2.6 + i * 1.9);
        }
        Draw::outline(cr, tintShade, 0.014);
    }
    const double r = headRadius + 0.012;
    cairo_save(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, r);
    Draw::circle(cr, faceCentre.x, faceCentre.y, faceRadius);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::fillRadial(cr, headCentre.x - 0.06, headCentre.y + 0.06, 0.01, r * 1.2, grey(1.0), grey(0.7));
    cairo_clip(cr);
    // Strands from the parting round the face to the bun.
    for (int i = 0; i < 12; ++i) {
        const double a = 30.0 * i;
        const double x0 = faceCentre.x + (faceRadius + 0.01) * Draw::dirX(a);
        const double y0 = faceCentre.y + (faceRadius + 0.01) * Draw::dirY(a);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, headCentre.x + r * Draw::dirX(a + 20), headCentre.y + r * Draw::dirY(a + 20));
    }
    Draw::outline(cr, withAlpha(tintShade, 0.8), 0.012);
    // A shine on the hair.
    cairo_new_sub_path(cr);
    cairo_arc(cr, headCentre.x, headCentre.y, r * 0.86, Draw::rad(120), Draw::rad(160));
    Draw::outline(cr, grey(1.0, 0.8), 0.028);
    cairo_restore(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, r);
    Draw::outline(cr, tintLine, line);
    Draw::circle(cr, faceCentre.x, faceCentre.y, faceRadius);
    Draw::outline(cr, tintLine, line * 0.7);
}

void smallBlossom(cairo_t* cr, double x, double y, double r, double turn = 0.0) {
    for (int i = 0; i < 5; ++i) Draw::petal(cr, x, y, turn + i * 72.0, r, r * 0.6);
    Draw::fillRadial(cr, x, y, 0.0, r, grey(1.0), grey(0.82));
    Draw::outline(cr, tintLine, line * 0.55);
    Draw::circle(cr, x, y, r * 0.3);
    Draw::fillFlat(cr, grey(0.6));
    cairo_new_path(cr);
}

void ornament(cairo_t* cr, int variant, bool guardian) {
    if (variant == 0) {  // a satin hair band along the hairline
        for (int pass = 0; pass < 2; ++pass) {
            cairo_move_to(cr, -0.15, headCentre.y + 0.11);
            cairo_curve_to(cr, -0.08, headCentre.y + 0.19, 0.08, headCentre.y + 0.19, 0.15, headCentre.y + 0.11);
            Draw::outline(cr, pass == 0 ? tintLine : tintBase, pass == 0 ? 0.07 : 0.04);
        }
        return;
    }
    if (guardian) {  // a beret with a pompom, over the back of the head
        cairo_save(cr);
        Draw::ellipse(cr, 0.0, headCentre.y - 0.1, 0.22, 0.15);
        Draw::circle(cr, faceCentre.x, faceCentre.y, faceRadius + 0.01);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Draw::fillRadial(cr, -0.05, headCentre.y - 0.06, 0.0, 0.24, grey(1.0), grey(0.78));
        Draw::outline(cr, tintLine, line);
        cairo_restore(cr);
        Draw::circle(cr, 0.0, headCentre.y - 0.2, 0.045);
        Draw::shape(cr, tintBase, line * 0.7, 0.3, 0.6);
        return;
    }
    if (variant == 1) {  // a wreath of small blossoms around the bun
        for (int i = 0; i < 5; ++i) {
            const double a = 110.0 + i * 35.0;
            smallBlossom(cr, headCentre.x + 0.135 * Draw::dirX(a), headCentre.y - 0.23 + 0.135 * Draw::dirY(a), 0.055,
                         a);
        }
        return;
    }
    // A crown of small flowers on the hairline.
    for (int i = 0; i < 5; ++i) {
        const double a = -60.0 + i * 30.0;
        smallBlossom(cr, headCentre.x + 0.19 * Draw::dirX(a), headCentre.y + 0.19 * Draw::dirY(a), 0.05, a);
    }
}

// The tutu of the ballerinas: a flower of two rings of petals (frilled) or
// a soft wavy bell (romantic); the guardians' dress: a plain pleated bell.
void tutu(cairo_t* cr, int variant, bool guardian) {
    const P c = tutuCentre;
    if (guardian) {
        Draw::wavyRing(cr, c.x, c.y, 0.7, 10, 0.025, 18.0);
        Draw::fillRadial(cr, c.x - 0.1, c.y + 0.1, 0.1, 0.76, grey(1.0), grey(0.74));
        Draw::outline(cr, tintLine, line);
        for (int i = 0; i < 10; ++i) {
            const double a = 36.0 * i;
            cairo_move_to(cr, c.x + 0.3 * Draw::dirX(a), c.y + 0.3 * Draw::dirY(a));
            cairo_line_to(cr, c.x + 0.65 * Draw::dirX(a), c.y + 0.65 * Draw::dirY(a));
        }
        Draw::outline(cr, tintShade, 0.02);
    } else if (variant == 0) {
        Draw::wavyRing(cr, c.x, c.y, 0.74, 9, 0.04, 0.0);
        Draw::fillRadial(cr, c.x - 0.1, c.y + 0.1, 0.1, 0.8, grey(1.0), grey(0.76));
        Draw::outline(cr, tintLine, line);
        Draw::wavyRing(cr, c.x, c.y, 0.58, 9, 0.03, 20.0);
        Draw::outline(cr, withAlpha(tintShade, 0.8), 0.016);
    } else {
        // Outer petals, then an inner ring of shorter, lighter ones between them.
        for (int ring = 0; ring < 2; ++ring) {
            const int n = 12;
            const double length = ring == 0 ? 0.8 : 0.64;
            const double turn = ring == 0 ? 0.0 : 15.0;
            for (int i = 0; i < n; ++i) {
                const double a = turn + 360.0 * i / n;
                Draw::petal(cr, c.x + 0.12 * Draw::dirX(a), c.y + 0.12 * Draw::dirY(a), a, length - 0.12, 0.2);
                Draw::fillRadial(cr, c.x, c.y, 0.2, length, grey(ring == 0 ? 0.97 : 1.0), grey(ring == 0 ? 0.74 : 0.84));
                Draw::outline(cr, tintLine, line * (ring == 0 ? 1.0 : 0.7));
            }
        }
        // A vein down every outer petal.
        for (int i = 0; i < 12; ++i) {
            const double a = 360.0 * i / 12;
            cairo_move_to(cr, c.x + 0.66 * Draw::dirX(a), c.y + 0.66 * Draw::dirY(a));
            cairo_line_to(cr, c.x + 0.75 * Draw::dirX(a), c.y + 0.75 * Draw::dirY(a));
        }
        Draw::outline(cr, tintShade, 0.016);
    }
    // The body stands in the middle: cut out the waist and the head.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    torsoPath(cr, -0.03);
    cairo_fill(cr);
    cairo_restore(cr);
    clearHead(cr, 0.0);
}

void bodice(cairo_t* cr, int variant) {
    torsoPath(cr);
    Draw::fillRadial(cr, -0.08, 0.05, 0.02, 0.34, grey(1.0), grey(0.78));
    Draw::outline(cr, tintLine, line);
    if (variant == 0) {  // straps over the shoulders
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * 0.17, 0.14);
            cairo_line_to(cr, side * 0.2, -0.18);
        }
        Draw::outline(cr, tintShade, 0.03);
    } else {  // a seam down the back and lacing
        cairo_move_to(cr, 0.0, -0.05);
        cairo_line_to(cr, 0.0, -0.22);
        Draw::outline(cr, tintShade, 0.016);
        for (int i = 0; i < 3; ++i) {
            const double y = -0.1 - i * 0.04;
            cairo_move_to(cr, -0.025, y + 0.015);
            cairo_line_to(cr, 0.025, y - 0.015);
            cairo_move_to(cr, 0.025, y + 0.015);
            cairo_line_to(cr, -0.025, y - 0.015);
        }
        Draw::outline(cr, tintLine, 0.012);
    }
    clearHead(cr, 0.02);
}

void lining(cairo_t* cr, int variant, bool guardian) {
    const P c = tutuCentre;
    if (variant == 0 || guardian) {  // dots or buttons on a ring
        const int n = guardian ? 10 : 14;
        for (int i = 0; i < n; ++i) {
            const double a = 360.0 * i / n;
            Draw::circle(cr, c.x + 0.48 * Draw::dirX(a), c.y + 0.48 * Draw::dirY(a), 0.04);
            Draw::shape(cr, tintBase, line * 0.6, 0.3, 0.6);
        }
    } else {  // a ruffle round the waist
        Draw::scallops(cr, c.x, c.y, 0.44, 18, 0.035);
        torsoPath(cr, -0.02);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Draw::fillRadial(cr, c.x, c.y, 0.25, 0.48, grey(1.0), grey(0.8));
        Draw::outline(cr, tintLine, line * 0.7);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    clearHead(cr);
}

void sash(cairo_t* cr, int variant) {
    if (variant == 0) {  // a corsage at the front of the bodice
        smallBlossom(cr, 0.2, -0.02, 0.07, 20.0);
        clearHead(cr);
        return;
    }
    // Ribbon tails over the tutu, then the bow at the back of the bodice.
    Draw::petal(cr, 0.03, -0.22, 160.0, 0.42, 0.065);
    Draw::petal(cr, -0.03, -0.22, 200.0, 0.42, 0.065);
    Draw::fillRadial(cr, 0.0, -0.3, 0.0, 0.4, grey(1.0), grey(0.78));
    Draw::outline(cr, tintLine, line * 0.8);
    Draw::ellipse(cr, 0.085, -0.21, 0.085, 0.05, 15.0);
    Draw::ellipse(cr, -0.085, -0.21, 0.085, 0.05, -15.0);
    Draw::fillRadial(cr, 0.0, -0.19, 0.0, 0.16, grey(1.0), grey(0.8));
    Draw::outline(cr, tintLine, line * 0.8);
    Draw::circle(cr, 0.0, -0.21, 0.035);
    Draw::shape(cr, tintBase, line * 0.8, 0.3, 0.6);
}

// Full-colour shadows and glows under the dancer, one per state.
void attached(cairo_t* cr, int state) {
    if (state == 3) {  // lifted: the shadow falls wider and further away
        Draw::glow(cr, 0.14, -0.18, 0.92, Rgba{0.1, 0.04, 0.2, 0.34});
        return;
    }
    Draw::glow(cr, 0.05, -0.07, 0.86, Rgba{0.1, 0.04, 0.2, 0.45});
    if (state == 1) Draw::glow(cr, 0.0, -0.03, 0.96, withAlpha(Style::lilac, 0.4));
    if (state == 2) {
        Draw::glow(cr, 0.0, -0.03, 0.98, withAlpha(Style::rose, 0.5));
        for (int i = 0; i < 6; ++i) {
            const double a = 30.0 + 60.0 * i;
            Draw::heart(cr, 0.84 * Draw::dirX(a), 0.84 * Draw::dirY(a) - 0.03, 0.16, -a * 0.2);
            Draw::shape(cr, Style::rose, 0.024);
        }
    }
}

}  // namespace

void paintBallerina(Canvas& c, int frame, bool guardian) {
    c.unitSpace();
    cairo_t* cr = c.cr();
    if (frame >= 1 && frame <= 4) skin(cr, frame - 1);
    else if (frame >= 5 && frame <= 8) tights(cr, frame - 5);
    else if (frame >= 9 && frame <= 13) eyes(cr, frame);
    else if (frame == 14) hair(cr, guardian);
    else if (frame >= 15 && frame <= 17) ornament(cr, frame - 15, guardian);
    else if (frame >= 18 && frame <= 21 && guardian) guardZone(cr, frame - 18);
    else if (frame == 18) shoes(cr, 3);
    else if (frame >= 19 && frame <= 21) shoes(cr, frame - 19);
    else if (frame == 22 || frame == 23) tutu(cr, frame - 22, guardian);
    else if (frame == 24 || frame == 25) bodice(cr, frame - 24);
    else if (frame == 26 || frame == 27) lining(cr, frame - 26, guardian);
    else if (frame == 28 || frame == 29) sash(cr, frame - 28);
    else if (frame >= 30 && frame <= 33) attached(cr, frame - 30);
    else if (frame == 34) gloves(cr, 3);
    else if (frame >= 35 && frame <= 37) gloves(cr, frame - 35);
}
