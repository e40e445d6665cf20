#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/TextScreens.h"

namespace {

MenuTextInput menuOf(const LevelRecord* records, std::uint8_t selected) {
    MenuTextInput input;
    input.records = records;
    input.level = selected;
    input.selectedLevel = selected;
    return input;
}

TEST(TextScreens, MedalValuesShiftLeftWithTheirDigits) {
    LevelRecord records[TextScreens::recordCount];
    records[2] = LevelRecord{120, 60, 20, 0, 0};
    TextBatch batch;
    TextScreens::menu(batch, menuOf(records, 2));
    const TextLine* gold = batch.find("120");
    const TextLine* silver = batch.find("60");
    const TextLine* bronze = batch.find("20");
    ASSERT_NE(gold, nullptr);
    ASSERT_NE(silver, nullptr);
    ASSERT_NE(bronze, nullptr);
    EXPECT_FLOAT_EQ(gold->x, 451);
    EXPECT_FLOAT_EQ(silver->x, 413);
    EXPECT_FLOAT_EQ(bronze->x, 370);
    EXPECT_FLOAT_EQ(gold->y, 269);
    EXPECT_EQ(gold->set, 2);
    EXPECT_FLOAT_EQ(TextScreens::medalValueX(459, 9), 459);
    EXPECT_FLOAT_EQ(TextScreens::medalValueX(459, 100), 451);
}

TEST(TextScreens, TheOwnScoreBlinksInTheTable) {
    LevelRecord records[TextScreens::recordCount];
    records[3] = LevelRecord{120, 60, 20, 60, 0};
    MenuTextInput input = menuOf(records, 3);
    input.totalClock = 0.27f;  // sin(135 degrees)
    TextBatch batch;
    TextScreens::menu(batch, input);
    EXPECT_NEAR(batch.find("60")->alpha, std::sin(135.0f * 3.14159265f / 180.0f), 1e-4);
    EXPECT_FLOAT_EQ(batch.find("120")->alpha, 1.0f);
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
    EXPECT_NE(batch.find("o.k."), nullptr);
    EXPECT_NE(batch.find("It's blossom time now!"), nullptr);
    EXPECT_NE(batch.find("Click 'Play' to start!"), nullptr);

    input.menuMessage = 4;
    input.difficulty = 2;
    batch.clear();
    TextScreens::menu(batch, input);
    EXPECT_FLOAT_EQ(batch.find("Win each medal to become the dancing queen!")->x, 140);
    EXPECT_EQ(batch.find("o.k."), nullptr);
}

TEST(TextScreens, TransitionTextFadesInAndOut) {
    // A 6-second result text: e = 5, fade 0.5.
    EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(0.0f, 0.5f, 5.0f), 0.0f);
    EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(0.25f, 0.5f, 5.0f), 0.5f);
    EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(2.0f, 0.5f, 5.0f), 1.0f);
    EXPECT_FLOAT_EQ(TextScreens::transitionAlpha(4.75f, 0.5f, 5.0f), 0.5f);
    EXPECT_LE(TextScreens::transitionAlpha(5.0f, 0.5f, 5.0f), 0.0f);
    EXPECT_LT(TextScreens::transitionAlpha(5.5f, 0.5f, 5.0f), 0.0f);

    TextBatch batch;
    TextScreens::transition(batch, false, 0.25f, 0.5f, 5.0f, 4, 2, 1);
    const TextLine* first = batch.find("You finished dance 4");
    ASSERT_NE(first, nullptr);
    EXPECT_FLOAT_EQ(first->alpha, 0.5f);
    EXPECT_FLOAT_EQ(first->x, 360);
    EXPECT_NE(batch.find("as a professional!"), nullptr);
    EXPECT_NE(batch.find("this gold medal!"), nullptr);
}

TEST(TextScreens, TransitionCases) {
    TextBatch batch;
    TextScreens::transition(batch, true, 1.0f, 0.5f, 1.0f, 5, 1, 0);
    ASSERT_EQ(batch.size(), 1);
    EXPECT_STREQ(batch[0].text, "T r y  A g a i n !");
    EXPECT_EQ(batch[0].set, 1);

    batch.clear();
    TextScreens::transition(batch, false, 1.0f, 0.5f, 5.0f, 34, 0, 0);
    EXPECT_NE(batch.find("Click the right mouse button to"), nullptr);
    EXPECT_NE(batch.find("freeze time! Now let's dance!"), nullptr);

    batch.clear();
    TextScreens::transition(batch, false, 1.0f, 0.5f, 5.0f, 7, 1, 0);
    EXPECT_NE(batch.find("7 as an amateur!"), nullptr);
    EXPECT_EQ(batch.size(), 2);  // the medal lines wait for the end phase

    batch.clear();
    TextScreens::transition(batch, false, 1.0f, 0.5f, 5.0f, 9, 3, 3);
    EXPECT_NE(batch.find("9 as a star!"), nullptr);
    EXPECT_NE(batch.find("bronze medal!"), nullptr);
}

TEST(TextScreens, WelcomeTitleInterleaves) {
    TextBatch batch;
    TextScreens::welcome(batch, 0.0f);
    ASSERT_GE(batch.size(), 2);
    EXPECT_STREQ(batch[0].text, "V   L   E   A   I   M");
    EXPECT_STREQ(batch[1].text, "  E   V   T   R   U");
    EXPECT_FLOAT_EQ(batch[0].y, 340);
    EXPECT_EQ(batch[0].set, 1);
    // Merged column by column the two rows spell the name.
    std::string merged;
    for (int i = 0; batch[0].text[i] != 0 || batch[1].text[i] != 0; ++i) {
        const char a = batch[0].text[i];
        const char b = batch[1].text[i] ? batch[1].text[i] : ' ';
        if (a != ' ' && a != 0) merged += a;
        if (b != ' ') merged += b;
    }
    EXPECT_EQ(merged, "VELVETARIUM");
    EXPECT_NE(batch.find("I REMEMBER YOUR NAME!"), nullptr);
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
    EXPECT_NE(batch.find("Ballerinas Happy"), nullptr);
    EXPECT_NE(batch.find("The Information on the Right Side:"), nullptr);
    EXPECT_NE(batch.find("happyness. While more blue talents (garden) let her "), nullptr);
    EXPECT_NE(batch.find("(Part 3/6)"), nullptr);
    EXPECT_EQ(batch.find("Press a mouse key"), nullptr);

    // A page outside 1..6 draws no page, the click prompt still shows.
    input.tutorialPage = 7;
    input.waitForClick = true;
    input.dancerCount = 0;
    batch.clear();
    TextScreens::dance(batch, input);
    EXPECT_EQ(batch.find("(Part 7/6)"), nullptr);
    EXPECT_NE(batch.find("Press a mouse key"), nullptr);
    EXPECT_NE(batch.find("to continue!"), nullptr);
    EXPECT_EQ(batch.find("Ballerinas Happy"), nullptr);

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
    EXPECT_NE(batch.find("Click the letters"), nullptr);
    EXPECT_NE(batch.find("in the correct order!"), nullptr);
    EXPECT_FLOAT_EQ(batch.find("6")->x, 307);
    batch.clear();
    TextScreens::nameEntry(batch, 2, 9.0f, 8.5f);
    EXPECT_EQ(batch.find("Click the letters"), nullptr);
    EXPECT_NE(batch.find("0"), nullptr);
}

}  // namespace
