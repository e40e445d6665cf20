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

    // One frame of the entry: input, fly-in, verdict, as the World runs it.
    void frame(float seconds, bool left = false, const char* keys = "", bool enter = false, bool backspace = false) {
        bool letters[26] = {};
        for (const char* k = keys; *k != 0; ++k) letters[*k - 'a'] = true;
        rightFlag = wrongFlag = false;
        // The World judges the name it was handed in the previous frame.
        for (int i = 0; i < 10; ++i) hits[i] = entry.handedName[i] != 0 && entry.handedName[i] == name[i];
        entry.takeInput(link, left, letters, enter, backspace, seconds);
        entry.animateSlots(link, seconds, slots);
        entry.settle(link, backspace);
        link.elapsed += seconds;
    }

    // Each key pressed in its own frame and let go in the next.
    void typeKeys(const char* keys) {
        for (const char* k = keys; *k != 0; ++k) {
            const char key[2] = {*k, 0};
            frame(0.02f, false, key);
            frame(0.02f);
        }
    }

    void backspace() {
        frame(0.02f, false, "", false, true);
        frame(0.02f);
    }

    // An entry well under way, the click clock ready, the cursor on c.
    void readyToClick(char c, float elapsed) {
        link.elapsed = elapsed;
        entry.letterClock = 1.0f;
        aimAt(c);
    }
    void aimAt(char c) { cursor = static_cast<std::int32_t>(std::strchr(shuffled, c) - shuffled); }

    std::string typed() const { return std::string(entry.typedName, strnlen(entry.typedName, 10)); }

    char name[11] = "Odile";
    char shuffled[21] = "deOli";
    std::int32_t cursor = 0;
    bool entryOn = true;
    std::int32_t wrongClicks = 0;
    bool letterFlag = false, rightFlag = false, wrongFlag = false;
    float clocks[10] = {};
    Vector positions[10];
    bool hits[10] = {};
    NameEntryLink link;
    NameEntry entry;
    LetterSlotView slots[NameEntry::nameLength];
};

TEST_F(NameEntryTest, ClicksWaitForTheFirstFifthOfASecondAndComeAtMostEveryFifth) {
    aimAt('O');
    frame(0.1f, true);   // the entry is 0 s old: no click
    frame(0.1f, true);   // 0.1 s
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

TEST_F(NameEntryTest, ThreeWrongClicksAreForgivenButTheFourthEndsTheEntryOnceItIsASecondOld) {
    readyToClick('i', 2.0f);
    for (int click = 0; click < 3; ++click) {
        frame(0.01f, true);
        frame(0.25f);
    }
    EXPECT_EQ(wrongClicks, 3);
    EXPECT_TRUE(entryOn);

    entry = NameEntry{};
    wrongClicks = 0;
    readyToClick('l', 0.25f);  // Odile begins with O
    for (int click = 1; click <= 4; ++click) {  // at 0.25, 0.46, 0.67 and 0.88 s
        frame(0.21f, true);
        EXPECT_TRUE(wrongFlag) << click;
        EXPECT_EQ(wrongClicks, click);
        EXPECT_EQ(entry.typedCount, 0);
    }
    EXPECT_TRUE(entryOn);
    frame(0.21f);  // 1.09 s
    EXPECT_FALSE(entryOn);
    EXPECT_EQ(wrongClicks, 0);
    EXPECT_EQ(cursor, 0);
}

TEST_F(NameEntryTest, KeysTypeOncePerPressWithACapitalFirstAndBackspaceAndEnterRemove) {
    frame(0.02f, false, "o");
    frame(0.02f, false, "o");  // held: no second o
    frame(0.02f);
    typeKeys("dil");
    frame(0.02f, false, "e");
    EXPECT_EQ(typed(), "Odile");

    frame(0.02f, false, "", false, true);  // a letter key was down in the previous frame
    EXPECT_EQ(typed(), "Odile");
    frame(0.02f);
    frame(0.02f, false, "", false, true);
    EXPECT_EQ(typed(), "Odil");
    frame(0.02f, false, "", false, true);  // still held: nothing more
    EXPECT_EQ(typed(), "Odil");
    frame(0.02f);
    for (int i = 0; i < 5; ++i) backspace();  // one more than there is
    EXPECT_EQ(entry.typedCount, 0);

    typeKeys("xy");
    EXPECT_EQ(entry.typedCount, 2);
    frame(0.02f, false, "", true);
    EXPECT_EQ(typed(), "");
}

TEST_F(NameEntryTest, KeysHeldBeforeTheEntryBeganTypeNothingUntilPressedAgain) {
    bool held[26] = {};
    held['d' - 'a'] = true;  // the right arrow key, steering her before the entry
    entry.rememberKeys(held, true);
    entry.reset();
    frame(0.02f, false, "d", false, true);
    frame(0.02f, false, "d", false, true);
    EXPECT_EQ(entry.typedCount, 0);
    frame(0.02f);
    frame(0.02f, false, "d");
    EXPECT_EQ(typed(), "D");
    // A key that went down with the first frame of the entry types.
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

    typeKeys("abcdefghijkl");
    EXPECT_EQ(typed(), "Abcdefghij");
    readyToClick('O', 1.0f);  // a right letter beyond the tenth types nothing either
    frame(0.02f, true);
    EXPECT_EQ(entry.typedCount, 10);
    EXPECT_EQ(wrongClicks, 0);
}

TEST_F(NameEntryTest, TheVerdictComesOnceAfterTheFlyInRightOrWrong) {
    readyToClick('O', 0.5f);
    frame(0.1f, true);
    EXPECT_EQ(typed(), "O");
    EXPECT_TRUE(slots[0].visible);
    EXPECT_TRUE(slots[0].flying);
    EXPECT_TRUE(slots[0].capital);
    for (float flown = 0.2f; flown < 0.39f; flown += 0.1f) {
        frame(0.1f);
        EXPECT_FALSE(rightFlag) << flown;
        EXPECT_EQ(entry.handedName[0], 0) << flown;
    }
    frame(0.1f);  // arrived: handed over, and judged in the next frame
    EXPECT_EQ(entry.handedName[0], 'O');
    EXPECT_FALSE(slots[0].flying);
    EXPECT_FLOAT_EQ(slots[0].position.x, NameEntry::slotPlace(0, 1).x);
    EXPECT_FLOAT_EQ(slots[0].position.y, NameEntry::slotPlace(0, 1).y);
    frame(0.1f);
    EXPECT_TRUE(rightFlag);
    EXPECT_FALSE(wrongFlag);
    frame(0.1f);
    EXPECT_FALSE(rightFlag) << "once per arrival";

    typeKeys("x");
    for (int i = 0; i < 30 && entry.handedName[1] == 0; ++i) frame(0.05f);
    EXPECT_EQ(std::string(entry.handedName, 2), "Ox");
    frame(0.05f);
    EXPECT_TRUE(wrongFlag);
    EXPECT_FALSE(rightFlag);
}

TEST(NameEntrySlots, TheRowStaysCentred) {
    const float step = 0.15f * 1.25f;
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(0, 0).x, 0.0f);
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(0, 4).x, -2.0f * step);
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(3, 4).x, step);
    EXPECT_FLOAT_EQ(NameEntry::slotPlace(2, 4).y, 0.08f);
}

}  // namespace
