#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/Radar.h"
#include "render/Ribbons.h"
#include "render/StageMarks.h"

namespace {

std::vector<unsigned> picturesOf(const StatusRingPlan& plan) {
    std::vector<unsigned> pictures;
    for (int i = 0; i < plan.count; ++i) pictures.push_back(plan.layers[i].picture);
    return pictures;
}

void expectColour(const MarkColour& c, float r, float g, float b, float a) {
    EXPECT_NEAR(c.red, r, 1e-5f);
    EXPECT_NEAR(c.green, g, 1e-5f);
    EXPECT_NEAR(c.blue, b, 1e-5f);
    EXPECT_NEAR(c.alpha, a, 1e-5f);
}

}  // namespace

TEST(StatusRing, MusesMeasureTheirChargeFromRedToGreen) {
    const StatusRingPlan plan = planStatusRing(161, 100, 25);
    EXPECT_EQ(picturesOf(plan), (std::vector<unsigned>{854, 855, 856}));
    expectColour(plan.layers[0].colour, 0.0f, 1.0f, 1.0f, 0.75f);
    expectColour(plan.layers[1].colour, 0.5f, 0.5f, 1.0f, 0.75f);
    expectColour(plan.layers[2].colour, 0.75f, 0.25f, 0.0f, 0.75f);
    // A muse who has sung holds 200: magenta.
    expectColour(planStatusRing(162, 200, 50).layers[0].colour, 1.0f, 0.0f, 1.0f, 0.75f);
}

TEST(StatusRing, EachKindGetsItsOwnPicturesOrNone) {
    EXPECT_EQ(picturesOf(planStatusRing(131, 100, 50)), (std::vector<unsigned>{857, 858, 859}));
    EXPECT_EQ(picturesOf(planStatusRing(120, 100, 50)), (std::vector<unsigned>{851, 852, 853}));
    EXPECT_EQ(picturesOf(planStatusRing(101, 100, 50)), (std::vector<unsigned>{851, 852, 853}));
    EXPECT_EQ(picturesOf(planStatusRing(144, 100, 50)), (std::vector<unsigned>{851, 852, 853}));
    for (unsigned kind : {0u, 106u, 121u, 125u, 171u, 200u}) {
        EXPECT_EQ(planStatusRing(kind, 100, 50).count, 0) << kind;
    }
}

TEST(StatusRing, DancersRingsAreOpaquePowerUpsTranslucent) {
    expectColour(statusRingColour(101, 100), 1, 1, 1, 1);
    expectColour(statusRingColour(111, 100), 1, 0, 0, 1);
    expectColour(statusRingColour(141, 100), 0, 1, 1, 1);
    expectColour(statusRingColour(133, 100), 0.5f, 0.75f, 0.5f, 0.75f);
    expectColour(statusRingColour(136, 100), 1, 1, 1, 1);  // no talent of its own
}

TEST(StatusRing, HeartsRingTurnsFromRedTowardGreenInRadians) {
    const StatusRingPlan full = planStatusRing(111, 100, 100);
    expectColour(full.layers[1].colour, std::cos(1.0f), std::sin(1.0f), 0, 1);
    const StatusRingPlan empty = planStatusRing(111, 100, 0);
    expectColour(empty.layers[1].colour, 1, 0, 0, 1);
    // No maximum: measured as empty rather than divided by zero.
    const StatusRingPlan none = planStatusRing(111, 0, 30);
    expectColour(none.layers[1].colour, 1, 0, 0, 1);
}

TEST(Ribbons, AcrossPointsToTheRightOfTheLine) {
    float x = 0.0f, y = 0.0f;
    acrossLine(0, 0, 0, 2, x, y);  // up: right is +x
    EXPECT_NEAR(x, 1.0f, 1e-6f);
    EXPECT_NEAR(y, 0.0f, 1e-6f);
    acrossLine(1, 1, -2, 1, x, y);  // left: right is +y
    EXPECT_NEAR(x, 0.0f, 1e-6f);
    EXPECT_NEAR(y, 1.0f, 1e-6f);
    acrossLine(3, 3, 3, 3, x, y);
    EXPECT_FLOAT_EQ(x * x + y * y, 1.0f) << "a line of no length still has a direction across";
}

TEST(Radar, TheFarthestActorLandsOnTheRimAndLandmarksDoNotCount) {
    RadarBlip blips[4];
    blips[0].kind = 111;
    blips[0].position = Vector(3.0f, 4.0f);
    blips[1].kind = 161;
    blips[1].position = Vector(-8.0f, 6.0f);
    blips[2].kind = 137;  // a landmark far out
    blips[2].position = Vector(40.0f, 0.0f);
    blips[3].kind = 0;
    blips[3].position = Vector(90.0f, 0.0f);
    EXPECT_FLOAT_EQ(radarReach(blips, 4), 10.0f);

    const RadarScale game = radarScale(10.0f, false, 0.29f, 1.0f);
    EXPECT_FLOAT_EQ(game.radius, 0.29f);
    EXPECT_FLOAT_EQ(10.0f / game.scale, 0.29f);
    // A landmark's blip is far smaller than an actor's of the same size.
    EXPECT_LT(radarBlipSize(137, 0.2f, game) * 10.0f, radarBlipSize(111, 0.2f, game));
    // Zooming in (a smaller zoom) spreads the stage wider.
    EXPECT_LT(radarScale(10.0f, false, 0.29f, 0.5f).scale, game.scale);

    const RadarScale preview = radarScale(10.0f, true, 0.29f, 1.0f);
    EXPECT_FLOAT_EQ(preview.radius, 4.0f);
    EXPECT_FLOAT_EQ(preview.scale, 20.0f);
    EXPECT_FLOAT_EQ(preview.sizeFactor, 1.75f);

    const RadarScale empty = radarScale(0.0f, false, 0.29f, 1.0f);
    EXPECT_TRUE(std::isfinite(empty.scale));
    EXPECT_GT(empty.scale, 0.0f);
}
