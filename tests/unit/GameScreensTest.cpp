// The game's screens without a window: the menu's regions, the pictures of
// each screen and its texts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "game/MenuLayout.h"
#include "game/ScreenRenderer.h"
#include "game/TextScreens.h"

namespace {

int countIn(const PictureBatch& batch, std::uint16_t first, std::uint16_t last) {
    int n = 0;
    for (int i = 0; i < batch.size(); ++i) n += batch[i].number >= first && batch[i].number <= last;
    return n;
}

// The picture drawn exactly once, at (x, y).
void expectPlaced(const PictureBatch& batch, std::uint16_t number, float x, float y) {
    int n = 0;
    for (int i = 0; i < batch.size(); ++i)
        n += batch[i].number == number && std::fabs(batch[i].x - x) < 1e-4f && std::fabs(batch[i].y - y) < 1e-4f;
    EXPECT_EQ(n, 1) << "picture " << number << " at " << x << ", " << y;
}

std::vector<std::string> texts(const TextBatch& batch) {
    std::vector<std::string> lines;
    for (int i = 0; i < batch.size(); ++i) lines.emplace_back(batch[i].text);
    return lines;
}

TEST(MenuLayout, HitTestRegionsTheirOrderAndEdgesAndTheLevelArrowsCycleThroughTheGuidedDance) {
    using namespace MenuLayout;
    const struct {
        float x, y;
        std::uint32_t hover;
    } cases[] = {
        {0.0f, -1.7f, Hover::quit},          {-1.2f, -1.7f, Hover::play},
        {-0.65f, -1.7f, Hover::play},        // Quit and Play overlap; the later test, Play, wins
        {-0.57f, -1.7f, Hover::quit},        // Play's right edge is outside Play
        {-1.5f, 0.05f, Hover::pagePrevious}, {-0.95f, 0.05f, Hover::pageNext},
        {0.0f, -1.48f, Hover::nothing},      {-2.61f, 1.85f, Hover::nothing},
        {-2.59f, 1.85f, Hover::guidedDance}, {-2.4f, 1.95f, Hover::nothing},
    };
    for (const auto& c : cases) EXPECT_EQ(hitTest(c.x, c.y), c.hover) << c.x << ", " << c.y;
    EXPECT_TRUE(inLevelUp(0.17f, -1.0f) && !inLevelUp(0.175f, -1.0f));
    EXPECT_TRUE(inLevelDown(0.0f, -1.45f) && !inLevelDown(0.0f, -1.4f));
    EXPECT_TRUE(inVolumeSlider(1.7f, 1.8f) && !inVolumeSlider(1.75f, 1.8f));
    EXPECT_EQ(hoverSound(Hover::guidedDance), -1);  // no hover loop of its own
    EXPECT_FLOAT_EQ(sliderAt(volumeAt(0.3f)), 0.3f);
    const int steps[][4] = {  // from, highest, up, to
        {3, 3, 1, 34}, {34, 3, 1, 1}, {1, 3, 1, 2}, {1, 3, 0, 34}, {34, 3, 0, 3}, {1, 1, 1, 34}, {34, 1, 0, 1}};
    for (const auto& s : steps)
        EXPECT_EQ(stepSelector(static_cast<std::uint8_t>(s[0]), static_cast<std::uint8_t>(s[1]), s[2] == 1), s[3])
            << s[0] << (s[2] ? " up" : " down");
}

TEST(ScreenRenderer, TheMenuLightsTheSelectedLevelsMedalsAndMarksTheMapAndRank) {
    PictureBatch batch;
    ScreenRenderer screens;
    std::uint8_t medals[60];
    std::memset(medals, 4, sizeof medals);
    MenuView view;
    view.medalOfLevel = medals;
    view.selectedLevel = 3;
    view.rank = 7;
    medals[1] = 1;
    // Medal 0..3 of the selected level: lit 8951-8953 from gold down, else dim 877-879.
    const std::uint16_t rows[][3] = {{877, 878, 879}, {8951, 8952, 8953}, {877, 8952, 8953}, {877, 878, 8953}};
    for (std::uint8_t medal = 0; medal < 4; ++medal) {
        medals[3] = medal;
        batch.clear();
        screens.composeMenu(view, batch);
        for (int k = 0; k < 3; ++k) expectPlaced(batch, rows[medal][k], 1.3f - 0.375f * k, 0.3375f);
    }
    expectPlaced(batch, 8957, 0.9625f, 0.95f);  // Paris, gold
    expectPlaced(batch, 203, -0.65f, 0.3325f);  // a rank above star shows the star
    view.selectedLevel = 34;  // the guided dance has no map and no marks
    batch.clear();
    screens.composeMenu(view, batch);
    EXPECT_EQ(batch.countOf(35) + countIn(batch, 8957, 8959), 0);
}

TEST(ScreenRenderer, TheInterfaceShowsBeatingHeartsPointersAndTheNameEntrysSeconds) {
    ScreenRenderer screens;
    PictureBatch batch;
    InterfaceView view;
    HudMarks marks = {};
    auto compose = [&] {
        batch.clear();
        screens.composeInterface(view, marks, batch);
    };
    view.seconds = 0.1f, view.primaHearts = 20;
    view.guides[0] = Vector(0.5f, 0.7f);
    // Below 40 every heart beats between 0.1 and 0.2.
    float smallest = 1.0f, largest = 0.0f;
    for (int i = 0; i < 40; ++i) {
        compose();
        EXPECT_EQ(batch.countOf(881), 8);
        smallest = std::fmin(smallest, batch.find(881)->halfWidth);
        largest = std::fmax(largest, batch.find(881)->halfWidth);
    }
    EXPECT_TRUE(smallest >= 0.1f && largest <= 0.2f && largest - smallest > 0.05f) << smallest << " " << largest;
    EXPECT_EQ(batch.countOf(8961), 1);
    view.nameEntry = true, view.nameEntryLimit = 9.0f, view.nameEntryElapsed = 1.5f;
    compose();  // a name entry hides the pointers and counts its nine seconds down
    EXPECT_EQ((std::array{batch.countOf(8961), batch.countOf(850), batch.countOf(830)}), (std::array{0, 3, 6}));
}

TEST(TextScreens, TransitionAndNameEntryTexts) {
    for (const auto& [t, alpha] : {std::pair{0.0f, 0.0f}, {0.25f, 0.5f}, {2.0f, 1.0f}, {4.75f, 0.5f}})
        EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(t, 0.5f, 5.0f), alpha) << t;
    const struct {
        bool failed;
        std::uint32_t level;
        std::uint8_t rank, medal;
        std::vector<std::string> lines;
    } rows[] = {
        {true, 5, 1, 1, {"T r y  A g a i n !"}},
        {false, 34, 2, 1, {"Click the right mouse button to", "freeze time! Now let's dance!"}},
        {false, 7, 1, 0, {"You finished dance", "7 as an amateur!"}},
        {false, 4, 2, 1, {"You finished dance 4", "as a professional!", "Great! You deserved", "this gold medal!"}},
        {false, 8, 3, 2, {"You finished dance", "8 as a star!", "And you received a", "silver medal! Wow!"}},
    };
    for (const auto& row : rows) {
        TextBatch batch;
        TextScreens::transition(batch, row.failed, 0.25f, 0.5f, 5.0f, row.level, row.rank, row.medal);
        EXPECT_EQ(texts(batch), row.lines) << row.level;
        EXPECT_FLOAT_EQ(batch[0].alpha, 0.5f) << row.level;
        EXPECT_EQ(batch[0].set, row.failed ? 1 : 0) << row.level;
    }
    TextBatch batch;
    TextScreens::nameEntry(batch, 0, 9.0f, 2.5f);
    EXPECT_EQ(texts(batch), (std::vector<std::string>{"Click the letters", "in the correct order!", "6"}));
    batch.clear();
    TextScreens::nameEntry(batch, 2, 9.0f, 8.5f);
    EXPECT_EQ(texts(batch), (std::vector<std::string>{"0"}));
}

}  // namespace
