#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "game/ScreenRenderer.h"

namespace {

int countAt(const PictureBatch& batch, std::uint16_t number, float x, float y) {
    int n = 0;
    for (int i = 0; i < batch.size(); ++i) {
        const PictureCommand& c = batch[i];
        if (c.number == number && std::fabs(c.x - x) < 1e-4f && std::fabs(c.y - y) < 1e-4f) ++n;
    }
    return n;
}

TEST(ScreenRendererLoading, FilledCellsFollowThePercentage) {
    PictureBatch batch;
    ScreenRenderer::composeLoading(0, batch);
    EXPECT_EQ(batch.countOf(897), 9);
    EXPECT_EQ(batch.countOf(895), 1);
    ASSERT_NE(batch.find(896), nullptr);
    EXPECT_FLOAT_EQ(batch.find(896)->x, 0.6125f);
    EXPECT_FLOAT_EQ(batch.find(896)->halfWidth, 0.6f);
    batch.clear();
    ScreenRenderer::composeLoading(70, batch);
    EXPECT_EQ(batch.countOf(895), 8);
    // The cells march right from the start point, 0.08 apart.
    EXPECT_EQ(countAt(batch, 895, 0.05f + 0.08f * 8, -0.7f), 1);
    batch.clear();
    ScreenRenderer::composeLoading(100, batch);
    EXPECT_EQ(batch.countOf(895), 9);
}

class ScreenMenu : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(medals, 4, sizeof medals);
        view.medalOfLevel = medals;
    }
    ScreenRenderer screens;
    PictureBatch batch;
    MenuView view;
    std::uint8_t medals[60];
};

TEST_F(ScreenMenu, MedalsOfTheSelectedLevelLightFromGoldDown) {
    view.selectedLevel = 3;
    medals[3] = 2;  // silver
    screens.composeMenu(view, batch);
    EXPECT_EQ(countAt(batch, 877, 1.3f, 0.3375f), 1);   // gold dim
    EXPECT_EQ(countAt(batch, 8952, 0.925f, 0.3375f), 1);  // silver lit
    EXPECT_EQ(countAt(batch, 8953, 0.55f, 0.3375f), 1);   // bronze lit
    EXPECT_EQ(batch.countOf(8951), 0);

    batch.clear();
    medals[3] = 1;
    screens.composeMenu(view, batch);
    EXPECT_EQ(batch.countOf(8951) + batch.countOf(8952) + batch.countOf(8953), 3);
    batch.clear();
    medals[3] = 4;
    screens.composeMenu(view, batch);
    EXPECT_EQ(batch.countOf(877) + batch.countOf(878) + batch.countOf(879), 3);
}

TEST_F(ScreenMenu, CityMarksOnTheWorldMap) {
    medals[1] = 1;
    medals[2] = 2;
    medals[9] = 3;
    view.selectedLevel = 5;
    screens.composeMenu(view, batch);
    EXPECT_EQ(countAt(batch, 8957, 0.9625f, 0.95f), 1);  // Paris, gold
    EXPECT_EQ(countAt(batch, 8958, 0.825f, 0.65f), 1);   // Rio, silver
    EXPECT_EQ(countAt(batch, 8959, 1.05f, 0.875f), 1);   // Kairo, bronze
    EXPECT_EQ(batch.countOf(8957) + batch.countOf(8958) + batch.countOf(8959), 3);
    EXPECT_EQ(batch.countOf(35), 1);
    EXPECT_EQ(countAt(batch, 355, -1.275f, -0.325f), 1);
    EXPECT_EQ(countAt(batch, 5, -1.275f, 0.56f), 1);

    // The guided dance has no map and no marks; its preview is larger.
    batch.clear();
    view.selectedLevel = 34;
    screens.composeMenu(view, batch);
    EXPECT_EQ(batch.countOf(35), 0);
    EXPECT_EQ(batch.countOf(8957), 0);
    ASSERT_NE(batch.find(371), nullptr);
    EXPECT_FLOAT_EQ(batch.find(371)->halfWidth, 0.25f);
}

TEST_F(ScreenMenu, ButtonsRankAndKnob) {
    view.rank = 7;
    view.hoverCode = 0;
    screens.composeMenu(view, batch);
    EXPECT_EQ(batch.countOf(962), 0);
    EXPECT_EQ(countAt(batch, 961, -1.32f, -1.65f), 1);
    EXPECT_EQ(countAt(batch, 203, -0.65f, 0.3325f), 1);  // a rank above star shows the star
    batch.clear();
    view.hoverCode = 2;
    view.sliderX = 1.2f;
    screens.composeMenu(view, batch);
    EXPECT_EQ(countAt(batch, 962, -0.07f, -1.7f), 1);
    EXPECT_EQ(countAt(batch, 881, 1.2f, 1.8f), 1);
}

TEST(ScreenTransition, RosetteGrowsFadesAndEnds) {
    ScreenRenderer screens;
    PictureBatch batch;
    // Before any transition nothing turns.
    screens.composeTransition(Vector(), false, 0.1f, 6.0f, 0.5f, false, 1, 1, batch);
    EXPECT_EQ(batch.size(), 0);

    screens.composeTransition(Vector(), false, 0.25f, 6.0f, 0.5f, true, 2, 1, batch);
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_FLOAT_EQ(batch.find(99)->alpha, 0.0f);
    batch.clear();
    screens.composeTransition(Vector(), false, 0.25f, 6.0f, 0.5f, false, 2, 1, batch);
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_FLOAT_EQ(batch.find(99)->alpha, 0.5f);
    EXPECT_FLOAT_EQ(batch.find(99)->halfWidth, 3.4f * 0.25f);
    EXPECT_FLOAT_EQ(batch.find(99)->angle, 0.25f * 135.0f);
    EXPECT_EQ(countAt(batch, 8954, 0.0f, -0.3375f), 1);  // the gold medal of the result
    EXPECT_EQ(countAt(batch, 202, 0.0f, 0.3375f), 1);    // the pro's emblem
    EXPECT_EQ(countAt(batch, 901, -1.5f, 0.0f), 1);
    // The panel behind the words fades with them.
    ASSERT_NE(batch.find(900), nullptr);
    EXPECT_FLOAT_EQ(batch.find(900)->alpha, 0.5f);

    // Late in the transition it fades out; after it nothing is drawn.
    for (int i = 0; i < 22; ++i) {
        batch.clear();
        screens.composeTransition(Vector(), false, 0.25f, 6.0f, 0.5f, false, 2, 1, batch);
    }
    ASSERT_NE(batch.find(99), nullptr);
    EXPECT_NEAR(batch.find(99)->alpha, 0.5f, 1e-4f);  // at 5.75 s
    EXPECT_FLOAT_EQ(batch.find(900)->alpha, 0.0f);     // the words ended at 5 s
    batch.clear();
    screens.composeTransition(Vector(), false, 0.25f, 6.0f, 0.5f, false, 2, 1, batch);
    EXPECT_EQ(batch.size(), 0);
}

TEST(ScreenTransition, TheFailureShowsNeitherMedalNorEmblem) {
    ScreenRenderer screens;
    PictureBatch batch;
    screens.composeTransition(Vector(), true, 0.1f, 2.0f, 0.5f, true, 2, 3, batch);
    batch.clear();
    screens.composeTransition(Vector(), true, 0.1f, 2.0f, 0.5f, false, 2, 3, batch);
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
    const float angle = 153.0f * 3.14159265f / 180.0f;
    EXPECT_EQ(countAt(batch, 882, 2.35f + 0.4f * std::cos(angle), 1.75f + 0.4f * std::sin(angle)), 1);

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
    int blue = 0, green = 0, red = 0;
    for (int i = 0; i < batch.size(); ++i) {
        const std::uint16_t n = batch[i].number;
        blue += n >= 8861 && n <= 8864;
        green += n >= 8871 && n <= 8874;
        red += n >= 8881 && n <= 8884;
    }
    EXPECT_EQ(blue, 2);
    EXPECT_EQ(green, 1);
    EXPECT_EQ(red, 3);
    EXPECT_EQ(batch.countOf(883) + batch.countOf(884) + batch.countOf(885), 9);
    // The green one is new: drawn large at 275 degrees.
    const float angle = 275.0f * 3.14159265f / 180.0f;
    const float x = 2.35f + 0.625f * std::cos(angle);
    const float y = 1.75f + 0.625f * std::sin(angle);
    bool found = false;
    for (int i = 0; i < batch.size(); ++i) {
        const PictureCommand& c = batch[i];
        if (c.number >= 8871 && c.number <= 8874 && std::fabs(c.x - x) < 1e-4f && std::fabs(c.y - y) < 1e-4f) {
            found = true;
            EXPECT_FLOAT_EQ(c.halfWidth, 0.35f);
        }
    }
    EXPECT_TRUE(found);
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
    EXPECT_EQ(countAt(batch, 898, -2.6f, -1.9f), 1);

    // A pointer on an axis is no pointer; a name entry hides them all.
    view.guides[0] = Vector(0.5f, 0.0f);
    compose();
    EXPECT_EQ(batch.countOf(8961), 0);
    view.guides[0] = Vector(0.5f, 0.7f);
    view.nameEntry = true;
    view.nameEntryLimit = 9.0f;
    view.nameEntryElapsed = 2.5f - 1.0f;
    view.pointerOnMenuSpot = true;
    compose();
    EXPECT_EQ(batch.countOf(8961), 0);
    EXPECT_EQ(countAt(batch, 899, -2.5f, -1.8f), 1);
    ASSERT_NE(batch.find(870), nullptr);
    EXPECT_FLOAT_EQ(batch.find(870)->green, 0.0f);
    EXPECT_EQ(batch.countOf(860), 1);
    EXPECT_EQ(countAt(batch, 840, 0.0f, -0.5f), 1);
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
    EXPECT_EQ(countAt(batch, 874, -1.9f + 0.13f * 2, -1.8f), 1);
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
    EXPECT_EQ(countAt(batch, 874, -1.9f, -1.8f - 0.13f), 1);
}

TEST_F(ScreenInterface, TextPanels) {
    view.level = 34;
    compose();
    EXPECT_EQ(countAt(batch, 900, -0.675f, 1.45f), 1);
    EXPECT_EQ(countAt(batch, 902, -2.5f, 1.85f), 1);
    view.level = 2;
    view.waitForClick = true;
    compose();
    EXPECT_EQ(countAt(batch, 900, -0.25f, -1.3f), 1);
    EXPECT_EQ(countAt(batch, 900, -0.675f, 1.8f), 1);
    EXPECT_EQ(batch.countOf(900), 2);
}

}  // namespace
