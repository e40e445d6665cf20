#include <gtest/gtest.h>

#include "game/MenuLayout.h"

namespace {

using namespace MenuLayout;

TEST(MenuLayout, HitTestRegionsAndTheirOrder) {
    EXPECT_EQ(hitTest(0.0f, -1.7f), Hover::quit);
    EXPECT_EQ(hitTest(-1.2f, -1.7f), Hover::play);
    // Quit and Play overlap in a strip; the later test, Play, wins there.
    EXPECT_EQ(hitTest(-0.65f, -1.7f), Hover::play);
    EXPECT_EQ(hitTest(-0.57f, -1.7f), Hover::quit);  // Play's right edge is outside Play
    EXPECT_EQ(hitTest(-2.4f, 1.85f), Hover::guidedDance);
    EXPECT_EQ(hitTest(-1.5f, 0.05f), Hover::pagePrevious);
    EXPECT_EQ(hitTest(-0.95f, 0.05f), Hover::pageNext);
    EXPECT_EQ(hitTest(1.0f, 1.0f), Hover::nothing);
}

TEST(MenuLayout, EdgesAreOutside) {
    EXPECT_EQ(hitTest(0.52f, -1.7f), Hover::nothing);
    EXPECT_EQ(hitTest(0.0f, -1.48f), Hover::nothing);
    EXPECT_EQ(hitTest(0.0f, -1.96f), Hover::nothing);
    EXPECT_EQ(hitTest(-1.9f, -1.7f), Hover::nothing);
    // The guided-dance button: centre -2.65 shifted by 0.25, half sizes 0.2 and 0.1.
    EXPECT_EQ(hitTest(-2.61f, 1.85f), Hover::nothing);
    EXPECT_EQ(hitTest(-2.59f, 1.85f), Hover::guidedDance);
    EXPECT_EQ(hitTest(-2.2f, 1.85f), Hover::nothing);
    EXPECT_EQ(hitTest(-2.21f, 1.85f), Hover::guidedDance);
    EXPECT_EQ(hitTest(-2.4f, 1.95f), Hover::nothing);
    EXPECT_EQ(hitTest(-2.4f, 1.751f), Hover::guidedDance);
    EXPECT_FALSE(inLevelUp(0.175f, -1.0f));
    EXPECT_TRUE(inLevelUp(0.17f, -1.0f));
    EXPECT_FALSE(inLevelDown(0.0f, -1.4f));
    EXPECT_TRUE(inLevelDown(0.0f, -1.45f));
    EXPECT_FALSE(inVolumeSlider(1.75f, 1.8f));
    EXPECT_TRUE(inVolumeSlider(1.7f, 1.8f));
}

TEST(MenuLayout, HoverSounds) {
    EXPECT_EQ(hoverSound(Hover::play), 1);
    EXPECT_EQ(hoverSound(Hover::quit), 2);
    EXPECT_EQ(hoverSound(Hover::pagePrevious), 4);
    EXPECT_EQ(hoverSound(Hover::pageNext), 4);
    EXPECT_EQ(hoverSound(Hover::nothing), 0);
    EXPECT_EQ(hoverSound(Hover::guidedDance), -1);
}

TEST(MenuLayout, LevelArrowsCycleThroughTheGuidedDance) {
    const std::uint8_t highest = 3;
    EXPECT_EQ(stepSelector(3, highest, true), 34);
    EXPECT_EQ(stepSelector(34, highest, true), 1);
    EXPECT_EQ(stepSelector(1, highest, true), 2);
    EXPECT_EQ(stepSelector(1, highest, false), 34);
    EXPECT_EQ(stepSelector(34, highest, false), 3);
    EXPECT_EQ(stepSelector(3, highest, false), 2);
    // A whole turn upwards visits every reached dance once.
    std::uint8_t selected = 34;
    int visits = 0;
    do {
        selected = stepSelector(selected, highest, true);
        ++visits;
    } while (selected != 34 && visits < 20);
    EXPECT_EQ(visits, 4);
    // With only the first dance reached the arrows swap between it and the guided dance.
    EXPECT_EQ(stepSelector(1, 1, true), 34);
    EXPECT_EQ(stepSelector(34, 1, false), 1);
}

TEST(MenuLayout, VolumeSlider) {
    EXPECT_FLOAT_EQ(volumeAt(-0.25f), 0.0f);
    EXPECT_FLOAT_EQ(volumeAt(1.75f), 1.0f);
    EXPECT_FLOAT_EQ(volumeAt(0.75f), 0.5f);
    EXPECT_FLOAT_EQ(sliderAt(volumeAt(0.3f)), 0.3f);
}

}  // namespace
