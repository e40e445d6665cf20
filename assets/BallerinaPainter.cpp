// Sets 101, 111 and 112: a ballerina seen from above, as a paper doll whose
// layers the game tints with her costume colours (see ManifestSprites.cpp for
// the stack). The layers are cut so that what lies under another layer is
// never needed: the tutu has a hole where shoulders and head are, and the
// skin layer fills that hole completely.
#include <algorithm>
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

constexpr P headCentre{0.0, 0.03};
constexpr double headRadius = 0.15;
constexpr double neckHole = 0.18;
constexpr P tutuCentre{0.0, -0.04};

// Hands of the four arm poses (right hand, left hand) and their elbows.
struct ArmPose {
    P rightElbow, rightHand, leftElbow, leftHand;
};
constexpr ArmPose armPoses[4] = {
    {{0.5, 0.1}, {0.8, 0.17}, {-0.5, 0.1}, {-0.8, 0.17}},       // second position
    {{0.42, 0.36}, {0.64, 0.64}, {-0.42, 0.36}, {-0.64, 0.64}}, // high V
    {{0.42, 0.42}, {0.13, 0.76}, {-0.42, 0.42}, {-0.13, 0.76}}, // rounded in front
    {{0.34, 0.42}, {0.22, 0.84}, {-0.5, 0.1}, {-0.82, 0.1}},    // attitude
};

struct LegPose {
    P rightKnee, rightFoot, leftKnee, leftFoot;
};
constexpr LegPose legPoses[4] = {
    {{0.07, 0.4}, {0.1, 0.8}, {-0.07, -0.45}, {-0.1, -0.84}},   // forward and back
    {{0.09, 0.4}, {0.07, 0.76}, {-0.09, 0.4}, {-0.07, 0.76}},   // fifth, both forward
    {{0.45, -0.06}, {0.84, -0.1}, {-0.45, -0.06}, {-0.84, -0.1}}, // side split
    {{0.2, 0.4}, {0.15, 0.62}, {-0.2, 0.4}, {-0.15, 0.62}},     // tucked
};

double angleOf(P from, P to) { return std::atan2(to.y - from.y, to.x - from.x) * 180.0 / Draw::pi - 90.0; }

// A limb as a round stroke with an outline.
void limb(cairo_t* cr, P a, P b, P c, double width, const Rgba& fill, const Rgba& line) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, a.x, a.y);
        cairo_curve_to(cr, b.x, b.y, b.x, b.y, c.x, c.y);
        Draw::setColour(cr, pass == 0 ? line : fill);
        cairo_set_line_width(cr, pass == 0 ? width + 2 * Style::line : width);
        cairo_stroke(cr);
    }
}

void cutTutuHole(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    Draw::ellipse(cr, 0.0, -0.01, 0.26, 0.18);
    cairo_fill(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, neckHole);
    cairo_fill(cr);
    cairo_restore(cr);
}

void skin(cairo_t* cr, int pose) {
    const ArmPose& a = armPoses[pose];
    limb(cr, {0.22, 0.02}, a.rightElbow, a.rightHand, 0.075, tintBase, tintLine);
    limb(cr, {-0.22, 0.02}, a.leftElbow, a.leftHand, 0.075, tintBase, tintLine);
    for (P h : {a.rightHand, a.leftHand}) {
        Draw::circle(cr, h.x, h.y, 0.045);
        Draw::shape(cr, tintBase, Style::line);
    }
    // Shoulders and chest fill the tutu's hole, the head sits on them.
    Draw::ellipse(cr, 0.0, -0.01, 0.28, 0.19);
    Draw::circle(cr, headCentre.x, headCentre.y, neckHole + 0.03);
    Draw::fillFlat(cr, tintBase);
    cairo_new_path(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, headRadius);
    Draw::shape(cr, tintBase, Style::line, 0.5);
    // A small nose at the front of the face.
    Draw::ellipse(cr, 0.0, 0.165, 0.018, 0.014);
    Draw::fillFlat(cr, tintShade);
    cairo_new_path(cr);
}

void tights(cairo_t* cr, int pose) {
    const LegPose& l = legPoses[pose];
    limb(cr, {0.06, 0.0}, l.rightKnee, l.rightFoot, 0.085, tintBase, tintLine);
    limb(cr, {-0.06, 0.0}, l.leftKnee, l.leftFoot, 0.085, tintBase, tintLine);
}

void shoes(cairo_t* cr, int pose) {
    const LegPose& l = legPoses[pose];
    const bool peeking = pose == 3;
    for (int side = 0; side < 2; ++side) {
        const P knee = side == 0 ? l.rightKnee : l.leftKnee;
        const P foot = side == 0 ? l.rightFoot : l.leftFoot;
        const double a = angleOf(knee, foot);
        const double len = peeking ? 0.06 : 0.1;
        const P tip{foot.x + len * 0.5 * Draw::dirX(a), foot.y + len * 0.5 * Draw::dirY(a)};
        Draw::ellipse(cr, tip.x, tip.y, 0.05, len, a);
        Draw::shape(cr, tintBase, Style::line);
        if (peeking) continue;
        // Ribbons crossing over the ankle.
        const double sx = 0.06 * Draw::dirX(a + 90), sy = 0.06 * Draw::dirY(a + 90);
        const double bx = foot.x - 0.08 * Draw::dirX(a), by = foot.y - 0.08 * Draw::dirY(a);
        cairo_move_to(cr, foot.x + sx, foot.y + sy);
        cairo_line_to(cr, bx - sx, by - sy);
        cairo_move_to(cr, foot.x - sx, foot.y - sy);
        cairo_line_to(cr, bx + sx, by + sy);
        Draw::outline(cr, tintShade, 0.022);
    }
}

void gloves(cairo_t* cr, int pose) {
    const ArmPose& a = armPoses[pose];
    for (int side = 0; side < 2; ++side) {
        const P elbow = side == 0 ? a.rightElbow : a.leftElbow;
        const P hand = side == 0 ? a.rightHand : a.leftHand;
        const P wrist{hand.x + (elbow.x - hand.x) * 0.45, hand.y + (elbow.y - hand.y) * 0.45};
        limb(cr, hand, {(hand.x + wrist.x) / 2, (hand.y + wrist.y) / 2}, wrist, 0.08, tintBase, tintLine);
        Draw::circle(cr, hand.x, hand.y, 0.05);
        Draw::shape(cr, tintBase, Style::line);
    }
}

void eyes(cairo_t* cr, int frame) {
    // 13 open; 9 half closed, 10 and 11 closed, 12 half open.
    const double open = frame == 13 ? 1.0 : (frame == 9 || frame == 12) ? 0.45 : 0.0;
    for (double side : {-1.0, 1.0}) {
        const double x = side * 0.055, y = 0.115;
        if (open > 0.0) {
            Draw::ellipse(cr, x, y, 0.034, 0.03 * open);
            Draw::fillFlat(cr, grey(0.8));
            Draw::outline(cr, Style::tintDark, 0.014);
            Draw::circle(cr, x, y + 0.004, 0.015 * std::max(open, 0.6));
            Draw::fillFlat(cr, Style::tintDark);
            cairo_new_path(cr);
        } else {
            cairo_move_to(cr, x - 0.032, y + 0.004);
            cairo_curve_to(cr, x - 0.01, y - 0.014, x + 0.01, y - 0.014, x + 0.032, y + 0.004);
            Draw::outline(cr, Style::tintDark, 0.016);
        }
    }
}

void hair(cairo_t* cr, bool guardian) {
    // The hair covers the head but the face at its front.
    cairo_save(cr);
    Draw::circle(cr, headCentre.x, headCentre.y, headRadius + 0.01);
    Draw::ellipse(cr, 0.0, 0.145, guardian ? 0.12 : 0.11, 0.085);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, tintBase, Style::line, 0.45);
    cairo_restore(cr);
    // Strands combed back from the parting.
    for (int i = -3; i <= 3; ++i) {
        if (i == 0) continue;
        cairo_move_to(cr, i * 0.012, 0.07);
        cairo_curve_to(cr, i * 0.035, 0.02, i * 0.045, -0.05, i * 0.03, -0.105);
    }
    Draw::outline(cr, tintShade, 0.012);
}

void smallBlossom(cairo_t* cr, double x, double y, double r) {
    for (int i = 0; i < 5; ++i) Draw::petal(cr, x, y, i * 72.0, r, r * 0.55);
    Draw::shape(cr, tintBase, Style::line * 0.6);
    Draw::circle(cr, x, y, r * 0.3);
    Draw::fillFlat(cr, tintShade);
    cairo_new_path(cr);
}

void ornament(cairo_t* cr, int variant, bool guardian) {
    if (variant == 0) {  // hair band just behind the face
        cairo_move_to(cr, -0.15, 0.07);
        cairo_curve_to(cr, -0.07, 0.11, 0.07, 0.11, 0.15, 0.07);
        Draw::outline(cr, tintLine, 0.06);
        cairo_move_to(cr, -0.15, 0.07);
        cairo_curve_to(cr, -0.07, 0.11, 0.07, 0.11, 0.15, 0.07);
        Draw::outline(cr, tintBase, 0.035);
        return;
    }
    if (guardian && variant == 1) {  // a beret with a pompom
        Draw::ellipse(cr, 0.0, 0.0, 0.16, 0.13);
        Draw::shape(cr, tintBase, Style::line);
        Draw::circle(cr, 0.0, -0.02, 0.035);
        Draw::shape(cr, tintBase, Style::line * 0.7);
        return;
    }
    if (variant == 1) {  // a cluster of blossoms at the back of the head
        smallBlossom(cr, -0.06, -0.08, 0.045);
        smallBlossom(cr, 0.06, -0.08, 0.045);
        smallBlossom(cr, 0.0, -0.115, 0.05);
        return;
    }
    // A crown of seven small flowers around the head.
    for (int i = 0; i < 7; ++i) {
        const double a = -150.0 + i * 50.0;
        smallBlossom(cr, headCentre.x + 0.15 * Draw::dirX(a + 180), headCentre.y + 0.15 * Draw::dirY(a + 180), 0.04);
    }
}

void tutu(cairo_t* cr, int variant, bool guardian) {
    const double r = variant == 0 || guardian ? 0.6 : 0.56;
    if (guardian || variant == 0) {
        Draw::circle(cr, tutuCentre.x, tutuCentre.y, r);
    } else {
        Draw::scallops(cr, tutuCentre.x, tutuCentre.y, r, 16, 0.045);
    }
    Draw::fillRadial(cr, tutuCentre.x, tutuCentre.y, 0.2, r, tintBase, grey(0.82));
    Draw::outline(cr, Style::tintLine, Style::line);
    // Pleats or folds from the waist to the rim.
    const int folds = guardian ? 8 : (variant == 0 ? 12 : 16);
    for (int i = 0; i < folds; ++i) {
        const double a = 360.0 * (i + 0.5) / folds;
        cairo_move_to(cr, tutuCentre.x + 0.27 * Draw::dirX(a), tutuCentre.y + 0.27 * Draw::dirY(a));
        cairo_line_to(cr, tutuCentre.x + (r - 0.05) * Draw::dirX(a), tutuCentre.y + (r - 0.05) * Draw::dirY(a));
    }
    Draw::outline(cr, tintShade, 0.014);
    if (variant == 1 && !guardian) {  // a second, inner layer of frills
        Draw::scallops(cr, tutuCentre.x, tutuCentre.y, 0.47, 16, 0.03, 11.25);
        Draw::outline(cr, grey(0.7), 0.012);
    }
    cutTutuHole(cr);
}

void bodice(cairo_t* cr, int variant) {
    cairo_save(cr);
    Draw::ellipse(cr, 0.0, -0.01, 0.29, 0.2);
    Draw::circle(cr, headCentre.x, headCentre.y, neckHole);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, tintBase, Style::line, 0.4);
    cairo_restore(cr);
    if (variant == 0) {  // straps over the shoulders
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * 0.17, 0.15);
            cairo_line_to(cr, side * 0.2, -0.16);
        }
        Draw::outline(cr, tintShade, 0.03);
    } else {  // lacing down the back
        for (int i = 0; i < 3; ++i) {
            const double x = -0.04 + i * 0.04;
            cairo_move_to(cr, x - 0.015, -0.165);
            cairo_line_to(cr, x + 0.015, -0.195);
            cairo_move_to(cr, x + 0.015, -0.165);
            cairo_line_to(cr, x - 0.015, -0.195);
        }
        Draw::outline(cr, tintLine, 0.01);
    }
}

void lining(cairo_t* cr, int variant, bool guardian) {
    if (variant == 0 || guardian) {  // dots or buttons on a ring
        const int n = guardian ? 10 : 14;
        for (int i = 0; i < n; ++i) {
            const double a = 360.0 * i / n;
            Draw::circle(cr, tutuCentre.x + 0.4 * Draw::dirX(a), tutuCentre.y + 0.4 * Draw::dirY(a), 0.035);
            Draw::shape(cr, tintBase, Style::line * 0.6);
        }
        return;
    }
    Draw::scallops(cr, tutuCentre.x, tutuCentre.y, 0.45, 20, 0.03);
    Draw::circle(cr, tutuCentre.x, tutuCentre.y, 0.33);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Draw::shape(cr, tintBase, Style::line * 0.8);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Draw::scallops(cr, tutuCentre.x, tutuCentre.y, 0.4, 20, 0.02, 9.0);
    Draw::outline(cr, tintShade, 0.01);
}

void sash(cairo_t* cr, int variant) {
    if (variant == 0) {  // a corsage at the front of the shoulder
        smallBlossom(cr, 0.19, 0.1, 0.06);
        return;
    }
    // Ribbon tails first, then the bow at the back of the bodice.
    Draw::petal(cr, 0.02, -0.22, 165.0, 0.27, 0.05);
    Draw::petal(cr, -0.02, -0.22, 195.0, 0.27, 0.05);
    Draw::shape(cr, tintBase, Style::line * 0.8);
    Draw::ellipse(cr, 0.075, -0.2, 0.07, 0.042, 15.0);
    Draw::ellipse(cr, -0.075, -0.2, 0.07, 0.042, -15.0);
    Draw::shape(cr, tintBase, Style::line * 0.8);
    Draw::circle(cr, 0.0, -0.2, 0.03);
    Draw::shape(cr, tintBase, Style::line * 0.8);
}

// Full-colour shadows and glows under the dancer, one per state.
void attached(cairo_t* cr, int state) {
    if (state == 3) {
        Draw::glow(cr, 0.12, -0.16, 0.88, Rgba{0.1, 0.05, 0.2, 0.32});
        return;
    }
    Draw::glow(cr, 0.05, -0.07, 0.78, Rgba{0.1, 0.05, 0.2, 0.42});
    if (state == 1) Draw::glow(cr, 0.0, -0.03, 0.9, withAlpha(Style::lilac, 0.35));
    if (state == 2) {
        Draw::glow(cr, 0.0, -0.03, 0.92, withAlpha(Style::rose, 0.45));
        for (int i = 0; i < 6; ++i) {
            const double a = 30.0 + 60.0 * i;
            Draw::heart(cr, 0.8 * Draw::dirX(a), 0.8 * Draw::dirY(a) - 0.03, 0.14, -a * 0.2);
            Draw::shape(cr, Style::rose, 0.02);
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
