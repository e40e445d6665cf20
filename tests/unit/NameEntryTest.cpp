#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/NameEntry.h"

namespace {

// The World's side of an entry: the chosen ballerina is "Odile", her
// letters shuffled as "deOli".
class NameEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        link.shuffledLetters = shuffled;
        link.letterCursor = &cursor;
        link.letterCount = 5;
        link.nameEntry = &entryOn;
        link.wrongClicks = &wrongClicks;
        link.letterFlag = &letterFlag;
        link.rightLetterFlag = &rightFlag;
        link.wrongLetterFlag = &wrongFlag;
        link.letterClocks = clocks;
        link.letterPositions = positions;
        link.letterHits = hits;
        link.letterTest = [](const void* context, char c, int position) {
            const char* name = static_cast<const char*>(context);
            return position >= 0 && position < static_cast<int>(std::strlen(name)) && name[position] == c;
        };
        link.testContext = name;
        entry.reset();
    }

    // One frame of the entry: input, fly-in, verdict. The entry's clock
    // advances with the frame as the World's would.
    void frame(float seconds, bool left = false, const char* keys = "", bool enter = false, bool backspace = false) {
        bool letters[26] = {};
        for (const char* k = keys; *k != 0; ++k) letters[*k - 'a'] = true;
        rightFlag = false;
        wrongFlag = false;
        // The World judges the name it was handed in the previous frame.
        for (int i = 0; i < 10; ++i) hits[i] = entry.handedName[i] != 0 && entry.handedName[i] == name[i];
        entry.takeInput(link, left, letters, enter, backspace, seconds);
        LetterSlotView slots[NameEntry::nameLength];
        entry.animateSlots(link, seconds, slots);
        entry.settle(link, backspace);
        link.elapsed += seconds;
        lastSlots[0] = slots[0];
    }

    // Points the cursor at a letter of the shuffled row.
    void aimAt(char c) { cursor = static_cast<std::int32_t>(std::strchr(shuffled, c) - shuffled); }

    std::string typed() const { return std::string(entry.typedName, strnlen(entry.typedName, 10)); }

    char name[11] = "Odile";
    char shuffled[21] = "deOli";
    std::int32_t cursor = 0;
    bool entryOn = true;
    std::int32_t wrongClicks = 0;
    bool letterFlag = false;
    bool rightFlag = false;
    bool wrongFlag = false;
    float clocks[10] = {};
    Vector positions[10];
    bool hits[10] = {};
    NameEntryLink link;
    NameEntry entry;
    LetterSlotView lastSlots[1];
};

TEST_F(NameEntryTest, ClicksWaitForTheFirstFifthOfASecondAndComeAtMostEveryFifth) {
    aimAt('O');
    frame(0.1f, true);  // the entry is 0 s old: no click
    frame(0.1f, true);  // 0.1 s
    frame(0.05f, true);  // 0.2 s: not yet more than 0.2
    EXPECT_EQ(entry.typedCount, 0);
    frame(0.05f);
    frame(0.05f, true);  // 0.3 s old, the click clock is past 0.2
    EXPECT_EQ(typed(), "O");
    EXPECT_TRUE(letterFlag);

    aimAt('d');
    frame(0.1f, true);  // 0.1 s since the last click
    frame(0.1f, true);
    EXPECT_EQ(entry.typedCount, 1);
    frame(0.05f, true);  // 0.25 s
    EXPECT_EQ(typed(), "Od");
}

TEST_F(NameEntryTest, AWrongClickTypesNothingAndTheFourthEndsTheEntryAfterOneSecond) {
    link.elapsed = 0.25f;
    entry.letterClock = 1.0f;
    aimAt('l');  // Odile begins with O
    // Clicks at 0.25, 0.46, 0.67 and 0.88 s.
    for (int click = 1; click <= 4; ++click) {
        frame(0.21f, true);
        EXPECT_TRUE(wrongFlag) << click;
        EXPECT_EQ(wrongClicks, click);
        EXPECT_EQ(entry.typedCount, 0);
    }
    // Four wrong clicks, but the entry is not yet a second old.
    EXPECT_TRUE(entryOn);
    frame(0.21f);  // 1.09 s
    EXPECT_FALSE(entryOn);
    EXPECT_EQ(wrongClicks, 0);
    EXPECT_EQ(cursor, 0);
}

TEST_F(NameEntryTest, ThreeWrongClicksAreForgiven) {
    link.elapsed = 2.0f;
    entry.letterClock = 1.0f;
    aimAt('i');
    for (int click = 0; click < 3; ++click) {
        frame(0.01f, true);
        frame(0.25f);
    }
    EXPECT_EQ(wrongClicks, 3);
    EXPECT_TRUE(entryOn);
}

TEST_F(NameEntryTest, KeyboardTypingGetsACapitalFirstLetterAndEachPressTypesOnce) {
    frame(0.02f, false, "o");
    frame(0.02f, false, "o");  // held: no second o
    frame(0.02f);
    for (const char* k = "dile"; *k != 0; ++k) {
        const char key[2] = {*k, 0};
        frame(0.02f, false, key);
        frame(0.02f);
    }
    EXPECT_EQ(typed(), "Odile");
    EXPECT_EQ(entry.typedCount, 5);
}

TEST_F(NameEntryTest, BackspaceAndEnter) {
    frame(0.02f, false, "a");
    frame(0.02f, false, "b");
    frame(0.02f, false, "c");
    frame(0.02f, false, "", false, true);  // a letter key was down in the previous frame
    EXPECT_EQ(typed(), "Abc");
    frame(0.02f);
    frame(0.02f, false, "", false, true);
    EXPECT_EQ(typed(), "Ab");
    frame(0.02f, false, "", false, true);  // still held: nothing more
    EXPECT_EQ(typed(), "Ab");
    frame(0.02f);
    frame(0.02f, false, "", false, true);
    frame(0.02f);
    frame(0.02f, false, "", false, true);
    frame(0.02f);
    frame(0.02f, false, "", false, true);  // nothing left to remove
    EXPECT_EQ(entry.typedCount, 0);

    frame(0.02f, false, "x");
    frame(0.02f, false, "y");
    EXPECT_EQ(entry.typedCount, 2);
    frame(0.02f, false, "", true);
    EXPECT_EQ(entry.typedCount, 0);
    EXPECT_EQ(typed(), "");
}

TEST_F(NameEntryTest, KeysHeldBeforeTheEntryBeganTypeNothing) {
    // The dance before the entry: d (the right arrow) and Backspace held.
    bool held[26] = {};
    held['d' - 'a'] = true;
    entry.rememberKeys(held, true);
    entry.reset();
    frame(0.02f, false, "d", false, true);
    frame(0.02f, false, "d", false, true);
    EXPECT_EQ(entry.typedCount, 0);
    // Let go and pressed again, the key types.
    frame(0.02f);
    frame(0.02f, false, "d");
    EXPECT_EQ(typed(), "D");
    // A key that went down with the first frame of the entry types too.
    entry.rememberKeys(held, false);
    entry.reset();
    frame(0.02f, false, "o");
    EXPECT_EQ(typed(), "O");
}

TEST_F(NameEntryTest, YAndZAreExchangedAndLettersBeyondTheTenthAreIgnored) {
    bool keys[26] = {};
    keys['y' - 'a'] = true;
    bool exchanged[26];
    NameEntry::exchangeYZ(keys, exchanged);
    EXPECT_TRUE(exchanged['z' - 'a']);
    EXPECT_FALSE(exchanged['y' - 'a']);

    const char* keysInTurn = "abcdefghijkl";
    for (const char* k = keysInTurn; *k != 0; ++k) {
        const char key[2] = {*k, 0};
        frame(0.02f, false, key);
        frame(0.02f);
    }
    EXPECT_EQ(entry.typedCount, 10);
    EXPECT_EQ(typed(), "Abcdefghij");
    // A click on a right letter beyond the tenth types nothing either.
    link.elapsed = 1.0f;
    entry.letterClock = 1.0f;
    aimAt('O');
    frame(0.02f, true);
    EXPECT_EQ(entry.typedCount, 10);
    EXPECT_EQ(wrongClicks, 0);
}

TEST_F(NameEntryTest, TheVerdictComesOnlyAfterTheFlyIn) {
    link.elapsed = 0.5f;
    entry.letterClock = 1.0f;
    aimAt('O');
    frame(0.1f, true);
    EXPECT_EQ(typed(), "O");
    EXPECT_EQ(entry.handedName[0], 0);  // still flying
    EXPECT_TRUE(lastSlots[0].visible);
    EXPECT_TRUE(lastSlots[0].flying);
    EXPECT_TRUE(lastSlots[0].capital);
    float flown = 0.1f;
    while (flown < 0.39f) {
        frame(0.1f);
        flown += 0.1f;
        if (flown < 0.39f) {
            EXPECT_FALSE(rightFlag) << flown;
            EXPECT_EQ(entry.handedName[0], 0) << flown;
        }
    }
    // Arrived: the name is handed over, and judged in the next frame.
    EXPECT_EQ(entry.handedName[0], 'O');
    EXPECT_FALSE(lastSlots[0].flying);
    const Vector place = NameEntry::slotPlace(0, 1);
    EXPECT_FLOAT_EQ(lastSlots[0].position.x, place.x);
    EXPECT_FLOAT_EQ(lastSlots[0].position.y, place.y);
    frame(0.1f);
    EXPECT_TRUE(rightFlag);
    EXPECT_FALSE(wrongFlag);
    frame(0.1f);
    EXPECT_FALSE(rightFlag);  // once per arrival
}

TEST_F(NameEntryTest, AWronglyTypedNameIsJudgedWrongOnArrival) {
    frame(0.02f, false, "o");
    frame(0.02f, false, "x");
    for (int i = 0; i < 30 && entry.handedName[0] == 0; ++i) frame(0.05f);
    EXPECT_EQ(std::string(entry.handedName, 2), "Ox");
    frame(0.05f);
    EXPECT_TRUE(wrongFlag);
    EXPECT_FALSE(rightFlag);
}

TEST(NameEntrySlots, TheRowStaysCentred) {
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(0, 0).x, 0.0f);
    const float step = 0.15f * 1.25f;
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(0, 4).x, -2.0f * step);
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(3, 4).x, step);
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(2, 4).y, 0.08f);
}

}  // namespace
