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
        link = {shuffled, &cursor, 5, 0.0f, 9.0f, &entryOn, &wrongClicks, &letterFlag, &rightFlag, &wrongFlag,
                clocks, positions, hits,
                [](const void* context, char c, int position) {
                    const char* name = static_cast<const char*>(context);
                    return position >= 0 && position < static_cast<int>(std::strlen(name)) && name[position] == c;
                },
                name};
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

    // An entry under way (elapsed seconds), the click clock ready, the cursor on c.
    void readyToClick(char c, float elapsed) {
        link.elapsed = elapsed, entry.letterClock = 1.0f;
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
    for (const float step : {0.1f, 0.1f, 0.05f}) frame(step, true);  // at 0, 0.1 and 0.2 s: too early
    frame(0.05f);
    frame(0.05f, true);  // 0.3 s old, the click clock is past 0.2
    EXPECT_EQ(typed(), "O");
    EXPECT_TRUE(letterFlag);
    aimAt('d');
    for (const float step : {0.1f, 0.1f, 0.05f}) frame(step, true);  // 0.1 and 0.2 s after the last: not yet
    EXPECT_EQ(typed(), "Od");
}

TEST_F(NameEntryTest, ThreeWrongClicksAreForgivenButTheFourthEndsTheEntryOnceItIsASecondOld) {
    readyToClick('l', 0.25f);  // Odile begins with O
    for (int click = 1; click <= 4; ++click) {  // at 0.25, 0.46, 0.67 and 0.88 s
        frame(0.21f, true);
        EXPECT_TRUE(wrongFlag && wrongClicks == click && entry.typedCount == 0) << click;
    }
    EXPECT_TRUE(entryOn);
    frame(0.21f);  // 1.09 s
    EXPECT_FALSE(entryOn);
    EXPECT_EQ(wrongClicks + cursor, 0);
    entry = NameEntry{};
    entryOn = true;
    readyToClick('i', 2.0f);
    for (int click = 0; click < 3; ++click) frame(0.21f, true);
    frame(0.21f);
    EXPECT_TRUE(entryOn && wrongClicks == 3);
}

TEST_F(NameEntryTest, KeysTypeOncePerPressWithACapitalFirstUpToTenAndBackspaceAndEnterRemove) {
    frame(0.02f, false, "o");
    typeKeys("odilexyzabcd");  // the first o still held: no second
    EXPECT_EQ(typed(), "Odilexyzab");
    frame(0.02f, false, "q");
    frame(0.02f, false, "", false, true);  // a letter key was down in the previous frame
    EXPECT_EQ(entry.typedCount, 10);
    frame(0.02f);
    frame(0.02f, false, "", false, true);
    frame(0.02f, false, "", false, true);  // still held: nothing more
    EXPECT_EQ(typed(), "Odilexyza");
    frame(0.02f, false, "", true);
    frame(0.02f);
    frame(0.02f, false, "", false, true);  // nothing left to remove
    EXPECT_EQ(typed(), "");
    bool keys[26] = {}, exchanged[26];
    keys['y' - 'a'] = true;
    NameEntry::exchangeYZ(keys, exchanged);  // the German keyboard's y and z
    EXPECT_TRUE(exchanged['z' - 'a'] && !exchanged['y' - 'a']);
}

TEST_F(NameEntryTest, TheVerdictComesOnceAfterTheFlyInRightOrWrong) {
    readyToClick('O', 0.5f);
    frame(0.1f, true);
    EXPECT_TRUE(slots[0].visible && slots[0].flying && slots[0].capital);
    for (int i = 0; i < 3; ++i) frame(0.1f);  // arrived: handed over, and judged in the next frame
    EXPECT_EQ(entry.handedName[0], 'O');
    EXPECT_FLOAT_EQ(slots[0].position.x, NameEntry::slotPlace(0, 1).x);
    EXPECT_FALSE(rightFlag);
    frame(0.1f);
    EXPECT_TRUE(rightFlag && !wrongFlag);
    frame(0.1f);
    EXPECT_FALSE(rightFlag) << "once per arrival";
    typeKeys("x");
    for (int i = 0; i < 30 && entry.handedName[1] == 0; ++i) frame(0.05f);
    frame(0.05f);
    EXPECT_TRUE(wrongFlag && !rightFlag);
}

}  // namespace
