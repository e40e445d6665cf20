#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "game/ScreenRenderer.h"

namespace {

int countAt(const PictureBatch& batch, std::uint16_t number, float x, float y) {
    int n = 0;
    for (int i = 0; i < batch.size(); ++i) {
        const PictureCommand& c = batch[i];
        n += c.number == number && std::fabs(c.x - x) < 1e-4f && std::fabs(c.y - y) < 1e-4f;
    }
    return n;
}

int countIn(const PictureBatch& batch, std::uint16_t first, std::uint16_t last) {
    int n = 0;
    for (int i = 0; i < batch.size(); ++i) n += batch[i].number >= first && batch[i].number <= last;
    return n;
}

const PictureCommand* findIn(const PictureBatch& batch, std::uint16_t first, std::uint16_t last) {
    for (int i = 0; i < batch.size(); ++i)
        if (batch[i].number >= first && batch[i].number <= last) return &batch[i];
    return nullptr;
}

struct Placed {
    std::uint16_t number;
    float x, y;
};

// Each picture drawn exactly once at its place.
void expectPlaced(const PictureBatch& batch, std::initializer_list<Placed> pictures) {
    for (const Placed& p : pictures)
        EXPECT_EQ(countAt(batch, p.number, p.x, p.y), 1) << "picture " << p.number << " at " << p.x << ", " << p.y;
}

Vector onDial(float radius, float angleDegrees) {
    const float angle = angleDegrees * 3.14159265f / 180.0f;
    return Vector(2.35f + radius * std::cos(angle), 1.75f + radius * std::sin(angle));
}

TEST(ScreenRendererLoading, FilledCellsFollowThePercentage) {
    for (const auto& [percent, filled] : {std::pair{0, 1}, {70, 8}, {100, 9}, {150, 9}}) {
        SCOPED_TRACE(percent);
        PictureBatch batch;
        ScreenRenderer::composeLoading(percent, batch);
        EXPECT_EQ(batch.countOf(897), 9);
        EXPECT_EQ(batch.countOf(895), filled);
        // The cells march right from the start point, 0.08 apart.
        expectPlaced(batch, {{895, 0.05f + 0.08f * filled, -0.7f}, {896, 0.6125f, -0.5f}});
    }
}

class ScreenMenu : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(medals, 4, sizeof medals);
        view.medalOfLevel = medals;
    }
    void compose() {
        batch.clear();
        screens.composeMenu(view, batch);
    }
    ScreenRenderer screens;
    PictureBatch batch;
    MenuView view;
    std::uint8_t medals[60];
};

TEST_F(ScreenMenu, MedalsOfTheSelectedLevelLightFromGoldDown) {
    view.selectedLevel = 3;
    const struct {
        std::uint8_t medal;
        std::uint16_t gold, silver, bronze;  // lit 8951-8953, dim 877-879
    } rows[] = {{0, 877, 878, 879}, {1, 8951, 8952, 8953}, {2, 877, 8952, 8953}, {3, 877, 878, 8953},
                {4, 877, 878, 879}};
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.medal));
        medals[3] = row.medal;
        compose();
        expectPlaced(batch, {{row.gold, 1.3f, 0.3375f}, {row.silver, 0.925f, 0.3375f}, {row.bronze, 0.55f, 0.3375f}});
    }
}

TEST_F(ScreenMenu, MapMarksButtonsRankAndKnob) {
    medals[1] = 1;
    medals[2] = 2;
    medals[9] = 3;
    view.selectedLevel = 5;
    view.rank = 7;
    view.hoverCode = 2;
    view.sliderX = 1.2f;
    compose();
    expectPlaced(batch, {{8957, 0.9625f, 0.95f},  // Paris, gold
                         {8958, 0.825f, 0.65f},   // Rio, silver
                         {8959, 1.05f, 0.875f},   // Kairo, bronze
                         {5, -1.275f, 0.56f},     {355, -1.275f, -0.325f}, {961, -1.32f, -1.65f},
                         {962, -0.07f, -1.7f},    // the pointer is on the button
                         {203, -0.65f, 0.3325f},  // a rank above star shows the star
                         {881, 1.2f, 1.8f}});
    EXPECT_EQ(countIn(batch, 8957, 8959), 3);
    EXPECT_EQ(batch.countOf(35), 1);
    view.hoverCode = 0;
    compose();
    EXPECT_EQ(batch.countOf(962), 0);

    // The guided dance has no map and no marks; its preview is larger.
    view.selectedLevel = 34;
    compose();
    EXPECT_EQ(batch.countOf(35), 0);
    EXPECT_EQ(countIn(batch, 8957, 8959), 0);
    ASSERT_NE(batch.find(371), nullptr);
    EXPECT_FLOAT_EQ(batch.find(371)->halfWidth, 0.25f);
}

TEST(ScreenTransition, RosetteGrowsFadesAndEnds) {
    ScreenRenderer screens;
    PictureBatch batch;
    auto compose = [&](bool wonNow) {
        batch.clear();
        screens.composeTransition(Vector(), false, 0.25f, 6.0f, 0.5f, wonNow, 2, 1, batch);
    };
    compose(false);
    EXPECT_EQ(batch.size(), 0) << "before any transition nothing turns";

    compose(true);
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_FLOAT_EQ(batch.find(99)->alpha, 0.0f);
    compose(false);
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_FLOAT_EQ(batch.find(99)->alpha, 0.5f);
    EXPECT_FLOAT_EQ(batch.find(99)->halfWidth, 3.4f * 0.25f);
    EXPECT_FLOAT_EQ(batch.find(99)->angle, 0.25f * 135.0f);
    expectPlaced(batch, {{8954, 0.0f, -0.3375f},  // the gold medal of the result
                         {202, 0.0f, 0.3375f},    // the pro's emblem
                         {901, -1.5f, 0.0f}});
    EXPECT_FLOAT_EQ(batch.find(901)->halfWidth, 1.0f) << "the headline does not grow with the rosette";
    EXPECT_FLOAT_EQ(batch.find(901)->halfHeight, 1.0f);
    // The panel behind the words fades with them.
    ASSERT_NE(batch.find(900), nullptr);
    EXPECT_FLOAT_EQ(batch.find(900)->alpha, 0.5f);

    // Late in the transition it fades out; after it nothing is drawn.
    for (int i = 0; i < 22; ++i) compose(false);
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_NEAR(batch.find(99)->alpha, 0.5f, 1e-4f);  // at 5.75 s
    EXPECT_FLOAT_EQ(batch.find(900)->alpha, 0.0f);     // the words ended at 5 s
    compose(false);
    EXPECT_EQ(batch.size(), 0);

    // A failure shows neither medal nor emblem.
    ScreenRenderer failed;
    failed.composeTransition(Vector(), true, 0.1f, 2.0f, 0.5f, true, 2, 3, batch);
    batch.clear();
    failed.composeTransition(Vector(), true, 0.1f, 2.0f, 0.5f, false, 2, 3, batch);
    EXPECT_EQ(batch.countOf(99), 1);
    EXPECT_EQ(batch.countOf(8956), 0);
    EXPECT_EQ(batch.countOf(202), 0);
}

class ScreenInterface : public ::testing::Test {
protected:
    void compose() {
        batch.clear();
        screens.composeInterface(view, marks, batch);
    }
    ScreenRenderer screens;
    PictureBatch batch;
    InterfaceView view;
    HudMarks marks = {};
};

TEST_F(ScreenInterface, HeartsFillAsEnergyFalls) {
    view.seconds = 0.1f;
    view.primaHearts = 65;
    compose();
    EXPECT_EQ(batch.countOf(882), 10);
    EXPECT_EQ(batch.countOf(881), 3);
    // A new heart arrives large and settles at 0.15 while energy is 50 or more.
    EXPECT_NEAR(batch.find(881)->halfWidth, 0.19f, 1e-4f);
    for (int i = 0; i < 20; ++i) compose();
    EXPECT_FLOAT_EQ(batch.find(881)->halfWidth, 0.15f);
    // The first heart frame sits at 153 degrees on the inner arc.
    const Vector first = onDial(0.4f, 153.0f);
    EXPECT_EQ(countAt(batch, 882, first.x, first.y), 1);

    // Below 40 every heart beats between 0.1 and 0.2.
    view.primaHearts = 20;
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int i = 0; i < 40; ++i) {
        compose();
        EXPECT_EQ(batch.countOf(881), 8);
        smallest = std::fmin(smallest, batch.find(881)->halfWidth);
        largest = std::fmax(largest, batch.find(881)->halfWidth);
    }
    EXPECT_GE(smallest, 0.1f);
    EXPECT_LE(largest, 0.2f);
    EXPECT_GT(largest - smallest, 0.05f);
}

TEST_F(ScreenInterface, TalentsOnTheirArcs) {
    view.talents[0] = 2;  // blue
    view.talents[1] = 1;  // green
    view.talents[2] = 3;  // red
    compose();
    EXPECT_EQ(countIn(batch, 8861, 8864), 2);
    EXPECT_EQ(countIn(batch, 8871, 8874), 1);
    EXPECT_EQ(countIn(batch, 8881, 8884), 3);
    EXPECT_EQ(countIn(batch, 883, 885), 9);
    // The green one is new: drawn large at 275 degrees.
    const PictureCommand* green = findIn(batch, 8871, 8874);
    ASSERT_NE(green, nullptr);
    EXPECT_NEAR(green->x, onDial(0.625f, 275.0f).x, 1e-4f);
    EXPECT_NEAR(green->y, onDial(0.625f, 275.0f).y, 1e-4f);
    EXPECT_FLOAT_EQ(green->halfWidth, 0.35f);
    EXPECT_EQ(marks[0][1], 1);
}

TEST_F(ScreenInterface, GuidePointerMenuSpotAndNameEntry) {
    view.guides[0] = Vector(0.5f, 0.7f);
    view.guideAngles[0] = 30.0f;
    compose();
    ASSERT_NE(batch.find(8961), nullptr);
    EXPECT_EQ(batch.countOf(8962), 1);
    EXPECT_FLOAT_EQ(batch.find(8961)->angle, 30.0f);
    EXPECT_EQ(batch.countOf(899), 0);
    expectPlaced(batch, {{898, -2.6f, -1.9f}});

    // A pointer on an axis is no pointer; a name entry hides them all.
    view.guides[0] = Vector(0.5f, 0.0f);
    compose();
    EXPECT_EQ(batch.countOf(8961), 0);
    view.guides[0] = Vector(0.5f, 0.7f);
    view.nameEntry = true;
    view.nameEntryLimit = 9.0f;
    view.nameEntryElapsed = 1.5f;
    view.pointerOnMenuSpot = true;
    compose();
    EXPECT_EQ(batch.countOf(8961), 0);
    expectPlaced(batch, {{899, -2.5f, -1.8f}, {840, 0.0f, -0.5f}});
    ASSERT_NE(batch.find(870), nullptr);
    EXPECT_FLOAT_EQ(batch.find(870)->green, 0.0f);
    EXPECT_EQ(batch.countOf(860), 1);
    // Nine seconds: three begun (yellow), six to come (orange).
    EXPECT_EQ(batch.countOf(850), 3);
    EXPECT_EQ(batch.countOf(830), 6);
}

TEST_F(ScreenInterface, BallerinaMarksAndTheirBar) {
    compose();
    EXPECT_EQ(batch.countOf(880), 0);

    view.dancerCount = 5;
    view.goalB = 2;
    view.leftCount = 1;
    view.seconds = 0.5f;
    compose();
    EXPECT_EQ(batch.countOf(874), 3);
    EXPECT_EQ(batch.countOf(873), 1);
    EXPECT_NEAR(batch.find(873)->halfWidth, 0.35f, 1e-4f);  // arrived at 0.4, half a second ago
    expectPlaced(batch, {{874, -1.9f + 0.13f * 2, -1.8f}});
    const PictureCommand* bar = batch.find(880);
    ASSERT_NE(bar, nullptr);
    EXPECT_GE(bar->x + bar->halfWidth, -0.925f - 1e-4f);
    EXPECT_EQ(batch.countOf(8801), 1);
    EXPECT_EQ(batch.countOf(8802), 1);
    for (int i = 0; i < 10; ++i) compose();
    EXPECT_FLOAT_EQ(batch.find(873)->halfWidth, 0.1f);

    // Many marks wrap into the next row below.
    view.dancerCount = 30;
    compose();
    expectPlaced(batch, {{874, -1.9f, -1.8f - 0.13f}});
}

TEST_F(ScreenInterface, TextPanels) {
    view.level = 34;
    compose();
    expectPlaced(batch, {{900, -0.675f, 1.45f}, {902, -2.5f, 1.85f}});
    view.level = 2;
    view.waitForClick = true;
    compose();
    expectPlaced(batch, {{900, -0.25f, -1.3f}, {900, -0.675f, 1.8f}});
    EXPECT_EQ(batch.countOf(900), 2);
}

}  // namespace
