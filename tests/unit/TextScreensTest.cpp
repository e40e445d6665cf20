#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/TextScreens.h"

namespace {

MenuTextInput menuOf(const LevelRecord* records, std::uint8_t selected) {
    MenuTextInput input;
    input.records = records;
    input.level = selected;
    input.selectedLevel = selected;
    return input;
}

// Every line of the batch, in order.
std::vector<std::string> texts(const TextBatch& batch) {
    std::vector<std::string> lines;
    for (int i = 0; i < batch.size(); ++i) lines.emplace_back(batch[i].text);
    return lines;
}

TEST(TextScreens, MedalValuesShiftLeftWithTheirDigitsAndTheOwnScoreBlinks) {
    LevelRecord records[TextScreens::recordCount];
    records[3] = LevelRecord{120, 60, 20, 60, 0};
    MenuTextInput input = menuOf(records, 3);
    input.totalClock = 0.27f;  // sin(135 degrees)
    TextBatch batch;
    TextScreens::menu(batch, input);
    const TextLine* gold = batch.find("120");
    const TextLine* silver = batch.find("60");
    const TextLine* bronze = batch.find("20");
    ASSERT_TRUE(gold && silver && bronze);
    EXPECT_FLOAT_EQ(gold->x, 451);
    EXPECT_FLOAT_EQ(silver->x, 413);
    EXPECT_FLOAT_EQ(bronze->x, 370);
    EXPECT_FLOAT_EQ(gold->y, 269);
    EXPECT_EQ(gold->set, 2);
    EXPECT_FLOAT_EQ(TextScreens::medalValueX(459, 9), 459);
    EXPECT_NEAR(silver->alpha, std::sin(135.0f * 3.14159265f / 180.0f), 1e-4);
    EXPECT_FLOAT_EQ(gold->alpha, 1.0f);
}

TEST(TextScreens, LevelIntroductionSingularAndPlural) {
    LevelRecord records[TextScreens::recordCount];
    MenuTextInput input = menuOf(records, 6);
    input.dancerCount = 5;
    input.goalB = 4;
    TextBatch batch;
    TextScreens::menu(batch, input);
    EXPECT_NE(batch.find("Let's dance in Mexico:"), nullptr);
    const TextLine* goal = batch.find("Make 1 Ballerina happy to");
    ASSERT_NE(goal, nullptr);
    EXPECT_FLOAT_EQ(goal->x, 145);
    EXPECT_FLOAT_EQ(goal->y, 333);
    EXPECT_NE(batch.find("Good luck!"), nullptr);

    input.goalB = 2;
    input.score = 17;
    batch.clear();
    TextScreens::menu(batch, input);
    EXPECT_NE(batch.find("Make 3 Ballerinas happy to"), nullptr);
    const TextLine* points = batch.find("Points: 17");
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->set, 0);
    EXPECT_EQ(batch.find("Good luck!"), nullptr);
    const TextLine* finish = batch.find("finish this dancing-contest!");
    ASSERT_NE(finish, nullptr);
    EXPECT_FLOAT_EQ(finish->alpha, 2.0f);
}

TEST(TextScreens, MenuProgressLineAndDoneMark) {
    LevelRecord records[TextScreens::recordCount];
    records[34] = LevelRecord{10, 5, 2, 0, 1};
    MenuTextInput input = menuOf(records, 34);
    input.menuMessage = 0;
    TextBatch batch;
    TextScreens::menu(batch, input);
    const TextLine* line = batch.find("First I show you how to play Velvetarium.");
    ASSERT_NE(line, nullptr);
    EXPECT_FLOAT_EQ(line->y, 379);
    for (const char* text : {"o.k.", "It's blossom time now!", "Click 'Play' to start!"})
        EXPECT_NE(batch.find(text), nullptr) << text;

    input.menuMessage = 4;
    input.difficulty = 2;
    batch.clear();
    TextScreens::menu(batch, input);
    ASSERT_NE(batch.find("Win each medal to become the dancing queen!"), nullptr);
    EXPECT_FLOAT_EQ(batch.find("Win each medal to become the dancing queen!")->x, 140);
    EXPECT_EQ(batch.find("o.k."), nullptr);
}

TEST(TextScreens, TransitionTextsFadeInAndOut) {
    // A 6-second result text: e = 5, fade 0.5.
    for (const auto& [t, alpha] : {std::pair{0.0f, 0.0f}, {0.25f, 0.5f}, {2.0f, 1.0f}, {4.75f, 0.5f}})
        EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(t, 0.5f, 5.0f), alpha) << t;
    EXPECT_LE(TextScreens::transitionAlpha(5.0f, 0.5f, 5.0f), 0.0f);
    EXPECT_LT(TextScreens::transitionAlpha(5.5f, 0.5f, 5.0f), 0.0f);

    const struct {
        bool failed;
        std::uint32_t level;
        std::uint8_t rank, medal;
        std::vector<std::string> lines;
    } rows[] = {
        {true, 5, 1, 1, {"T r y  A g a i n !"}},
        {false, 34, 2, 1, {"Click the right mouse button to", "freeze time! Now let's dance!"}},
        {false, 7, 1, 0, {"You finished dance", "7 as an amateur!"}},  // the medal lines wait for the end
        {false, 4, 2, 1, {"You finished dance 4", "as a professional!", "Great! You deserved", "this gold medal!"}},
        {false, 8, 3, 2, {"You finished dance", "8 as a star!", "And you received a", "silver medal! Wow!"}},
        {false, 9, 3, 3, {"You finished dance", "9 as a star!", "And you received a", "bronze medal!"}},
    };
    for (const auto& row : rows) {
        TextBatch batch;
        TextScreens::transition(batch, row.failed, 0.25f, 0.5f, 5.0f, row.level, row.rank, row.medal);
        EXPECT_EQ(texts(batch), row.lines) << row.level;
        for (int i = 0; i < batch.size(); ++i) EXPECT_FLOAT_EQ(batch[i].alpha, 0.5f) << batch[i].text;
        EXPECT_EQ(batch[0].set, row.failed ? 1 : 0) << row.level;
    }
}

TEST(TextScreens, WelcomeTitleInterleaves) {
    TextBatch batch;
    TextScreens::welcome(batch, 0.0f);
    ASSERT_GE(batch.size(), 2);
    // Merged column by column the two rows spell the name.
    EXPECT_STREQ(batch[0].text, "V   L   E   A   I   M");
    EXPECT_STREQ(batch[1].text, "  E   V   T   R   U");
    EXPECT_FLOAT_EQ(batch[0].y, 340);
    EXPECT_EQ(batch[0].set, 1);
    EXPECT_NE(batch.find("I REMEMBER YOUR NAME!"), nullptr);
    ASSERT_NE(batch.find("of Velvetarium!"), nullptr);
    EXPECT_FLOAT_EQ(batch.find("of Velvetarium!")->x, 138);
    EXPECT_NE(batch.find("Mr."), nullptr);

    // Later the rows wobble against each other.
    batch.clear();
    TextScreens::welcome(batch, 3.3f);
    EXPECT_NE(batch[0].y, batch[1].y);
}

TEST(TextScreens, DanceInformation) {
    DanceTextInput input;
    input.level = 34;
    input.tutorialPage = 3;
    input.dancerCount = 1;
    TextBatch batch;
    TextScreens::dance(batch, input);
    for (const char* text : {"Ballerinas Happy", "The Information on the Right Side:",
                             "happyness. While more blue talents (garden) let her ", "(Part 3/6)"})
        EXPECT_NE(batch.find(text), nullptr) << text;
    EXPECT_EQ(batch.find("Press a mouse key"), nullptr);

    // A page outside 1..6 draws no page, the click prompt still shows.
    input.tutorialPage = 7;
    input.waitForClick = true;
    input.dancerCount = 0;
    batch.clear();
    TextScreens::dance(batch, input);
    EXPECT_EQ(batch.find("(Part 7/6)"), nullptr);
    EXPECT_EQ(batch.find("Ballerinas Happy"), nullptr);
    EXPECT_NE(batch.find("Press a mouse key"), nullptr);
    EXPECT_NE(batch.find("to continue!"), nullptr);

    input.level = 4;
    input.difficulty = 3;
    batch.clear();
    TextScreens::dance(batch, input);
    const TextLine* hint = batch.find("Eastereggs? Look for strange pixels! ");
    ASSERT_NE(hint, nullptr);
    EXPECT_FLOAT_EQ(hint->y, 445);
    EXPECT_NE(batch.find("For example in the letter 'M'..."), nullptr);
}

TEST(TextScreens, NameEntryPromptAndSeconds) {
    TextBatch batch;
    TextScreens::nameEntry(batch, 0, 9.0f, 2.5f);
    EXPECT_EQ(texts(batch), (std::vector<std::string>{"Click the letters", "in the correct order!", "6"}));
    EXPECT_FLOAT_EQ(batch.find("6")->x, 307);
    batch.clear();
    TextScreens::nameEntry(batch, 2, 9.0f, 8.5f);
    EXPECT_EQ(texts(batch), (std::vector<std::string>{"0"}));
}

}  // namespace
