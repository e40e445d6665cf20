#include <gtest/gtest.h>

#include "game/MenuLayout.h"

namespace {

using namespace MenuLayout;

TEST(MenuLayout, HitTestRegionsTheirOrderAndEdges) {
    const struct {
        float x, y;
        std::uint32_t hover;
    } cases[] = {
        {0.0f, -1.7f, Hover::quit},          {-1.2f, -1.7f, Hover::play},
        {-0.65f, -1.7f, Hover::play},        // Quit and Play overlap; the later test, Play, wins
        {-0.57f, -1.7f, Hover::quit},        // Play's right edge is outside Play
        {-1.5f, 0.05f, Hover::pagePrevious}, {-0.95f, 0.05f, Hover::pageNext},
        {1.0f, 1.0f, Hover::nothing},        {0.52f, -1.7f, Hover::nothing},
        {0.0f, -1.48f, Hover::nothing},      {0.0f, -1.96f, Hover::nothing},
        {-1.9f, -1.7f, Hover::nothing},
        // The guided-dance button: centre -2.65 shifted by 0.25, half sizes 0.2 and 0.1.
        {-2.4f, 1.85f, Hover::guidedDance},  {-2.61f, 1.85f, Hover::nothing},
        {-2.59f, 1.85f, Hover::guidedDance}, {-2.2f, 1.85f, Hover::nothing},
        {-2.21f, 1.85f, Hover::guidedDance}, {-2.4f, 1.95f, Hover::nothing},
        {-2.4f, 1.751f, Hover::guidedDance},
    };
    for (const auto& c : cases) EXPECT_EQ(hitTest(c.x, c.y), c.hover) << c.x << ", " << c.y;
    EXPECT_FALSE(inLevelUp(0.175f, -1.0f));
    EXPECT_TRUE(inLevelUp(0.17f, -1.0f));
    EXPECT_FALSE(inLevelDown(0.0f, -1.4f));
    EXPECT_TRUE(inLevelDown(0.0f, -1.45f));
    EXPECT_FALSE(inVolumeSlider(1.75f, 1.8f));
    EXPECT_TRUE(inVolumeSlider(1.7f, 1.8f));

    // The sound bank's hover loops: 1 Play, 2 Quit, 4 the page buttons, 0 fades out, -1 none of its own.
    const int sounds[][2] = {{Hover::play, 1}, {Hover::quit, 2}, {Hover::pagePrevious, 4}, {Hover::pageNext, 4},
                             {Hover::nothing, 0}, {Hover::guidedDance, -1}};
    for (const auto& h : sounds) EXPECT_EQ(hoverSound(static_cast<std::uint32_t>(h[0])), h[1]) << h[0];
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
