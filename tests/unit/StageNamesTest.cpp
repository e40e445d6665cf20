#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "actors/StageNames.h"

namespace {

std::string letters(const char (&name)[stageNameSize]) {
    return std::string(name, strnlen(name, stageNameSize));
}

void expectWellFormed(const char (&name)[stageNameSize]) {
    const std::size_t length = strnlen(name, stageNameSize);
    ASSERT_LT(length, stageNameSize);
    ASSERT_GT(length, 0u);
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
    for (std::size_t i = 1; i < length; ++i)
        EXPECT_TRUE(std::islower(static_cast<unsigned char>(name[i]))) << name;
    for (std::size_t i = length; i < stageNameSize; ++i) EXPECT_EQ(name[i], 0) << name;
}

// The first seed whose first rand() % modulus gives value.
unsigned seedGiving(int modulus, int value) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % modulus == value) return seed;
    }
}

}  // namespace

TEST(StageNames, DancerNameLengthFollowsDifficulty) {
    std::srand(7);
    for (int round = 0; round < 300; ++round) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            char name[stageNameSize];
            std::memset(name, 'Z', sizeof name);  // stale bytes must be cleared
            makeDancerName(name, difficulty);
            expectWellFormed(name);
            EXPECT_EQ(letters(name).size(), static_cast<std::size_t>(3 + difficulty)) << name;
        }
    }
}

TEST(StageNames, OutOfRangeDifficultyUsesTheNearestOne) {
    std::srand(3);
    char name[stageNameSize];
    makeDancerName(name, 0);
    EXPECT_EQ(letters(name).size(), 4u);
    makeDancerName(name, 9);
    EXPECT_EQ(letters(name).size(), 6u);
}

TEST(StageNames, StarPatternThirteenRepeatsItsLetters) {
    // Star patterns are 11..15; rand() % 5 == 2 picks 13: V x v (3) (2) (3).
    const unsigned seed = seedGiving(5, 2);
    std::srand(seed);
    std::rand();
    const char capital = "AEIOU"[std::rand() % 5];
    const char any = static_cast<char>('a' + std::rand() % 26);
    const char vowel = "aeiou"[std::rand() % 5];
    const int nextAfterName = std::rand();

    std::srand(seed);
    char name[stageNameSize];
    makeDancerName(name, 3);
    const std::string expected{capital, any, vowel, vowel, any, vowel};
    EXPECT_EQ(letters(name), expected);
    EXPECT_EQ(name[2], name[3]);
    EXPECT_EQ(name[2], name[5]);
    EXPECT_EQ(name[1], name[4]);
    // Three pool letters, three rand() calls: the stream goes on unshifted.
    EXPECT_EQ(std::rand(), nextAfterName);
}

TEST(StageNames, AmateurPatternOneRepeatsTheThirdLetter) {
    // Amateur pattern 1: V k w (3), one rand() per pool letter in order.
    const unsigned seed = seedGiving(5, 0);
    std::srand(seed);
    std::rand();
    const char capital = "AEIOU"[std::rand() % 5];
    const char consonant = "blmns"[std::rand() % 5];
    const char vowel = "aeio"[std::rand() % 4];
    const int nextAfterName = std::rand();

    std::srand(seed);
    char name[stageNameSize];
    makeDancerName(name, 1);
    EXPECT_EQ(letters(name), (std::string{capital, consonant, vowel, vowel}));
    EXPECT_EQ(std::rand(), nextAfterName);
}

TEST(StageNames, ProPatternSixStartsWithAnyCapital) {
    // Pro patterns are 6..10; rand() % 5 == 0 picks 6: X v k (3) w.
    const unsigned seed = seedGiving(5, 0);
    std::srand(seed);
    std::rand();
    const char capital = static_cast<char>('A' + std::rand() % 26);
    const char vowel = "aeiou"[std::rand() % 5];
    const char consonant = "blmns"[std::rand() % 5];
    const char last = "aeio"[std::rand() % 4];

    std::srand(seed);
    char name[stageNameSize];
    makeDancerName(name, 2);
    EXPECT_EQ(letters(name), (std::string{capital, vowel, consonant, consonant, last}));
}

TEST(StageNames, ManySeedsGiveManyNames) {
    std::srand(11);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        char name[stageNameSize];
        makeDancerName(name, 2);
        seen.insert(letters(name));
    }
    EXPECT_GT(seen.size(), 150u);
}

TEST(StageNames, PrimaNamesHaveThreeToEightLetters) {
    std::srand(5);
    std::set<std::size_t> lengths;
    for (int i = 0; i < 500; ++i) {
        char name[stageNameSize];
        std::memset(name, 'Q', sizeof name);
        makePrimaName(name);
        expectWellFormed(name);
        lengths.insert(letters(name).size());
    }
    EXPECT_EQ(lengths, (std::set<std::size_t>{3, 4, 5, 6, 7, 8}));
}

TEST(StageNames, PrimaPatternThirteenRepeatsTheSixthLetter) {
    // Value 13: X v v x v k (6) w.
    const unsigned seed = seedGiving(14, 13);
    std::srand(seed);
    char name[stageNameSize];
    makePrimaName(name);
    ASSERT_EQ(letters(name).size(), 8u);
    EXPECT_EQ(name[5], name[6]);
    EXPECT_NE(std::strchr("blmns", name[5]), nullptr);
}

TEST(StageNames, PrimaPatternNineDrawsBothFinalLettersSeparately) {
    // Value 9: V x v x w w, six pool letters, six rand() calls after the choice.
    const unsigned seed = seedGiving(14, 9);
    std::srand(seed);
    std::rand();
    const char capital = "AEIOU"[std::rand() % 5];
    const char x1 = static_cast<char>('a' + std::rand() % 26);
    const char v = "aeiou"[std::rand() % 5];
    const char x2 = static_cast<char>('a' + std::rand() % 26);
    const char w1 = "aeio"[std::rand() % 4];
    const char w2 = "aeio"[std::rand() % 4];

    std::srand(seed);
    char name[stageNameSize];
    makePrimaName(name);
    EXPECT_EQ(letters(name), (std::string{capital, x1, v, x2, w1, w2}));
}

TEST(StageNames, SayingsAreCopiedExactly) {
    char saying[54];
    setSaying(saying, sizeof saying, 1);
    EXPECT_STREQ(saying, "why am i");
    setSaying(saying, sizeof saying, 14);
    EXPECT_STREQ(saying, "wie alles andere bin ich ein teil deiner vorstellung");
    setSaying(saying, sizeof saying, 29);
    EXPECT_STREQ(saying, "i dream of pixel sheep");
    setSaying(saying, sizeof saying, 40);
    EXPECT_STREQ(saying, "it is an honour to be in your computer");
    EXPECT_STREQ(sayingText(3), "pourquoi il y a plus tot quelque chose que rien");
}

TEST(StageNames, EverySayingFitsThePrimaBuffer) {
    for (int number = 1; number <= sayingCount; ++number) {
        ASSERT_NE(sayingText(number), nullptr) << number;
        EXPECT_LE(std::strlen(sayingText(number)), 52u) << number;
        char saying[53];
        setSaying(saying, sizeof saying, number);
        EXPECT_STREQ(saying, sayingText(number));
    }
}

TEST(StageNames, UnknownSayingLeavesTheBufferEmpty) {
    char saying[54];
    for (int number : {0, -1, 41, 1000}) {
        std::memset(saying, 'x', sizeof saying);
        setSaying(saying, sizeof saying, number);
        for (char c : saying) EXPECT_EQ(c, 0) << number;
        EXPECT_EQ(sayingText(number), nullptr);
    }
}

TEST(StageNames, SmallBuffersAreTruncatedSafely) {
    char saying[6];
    setSaying(saying, sizeof saying, 4);
    EXPECT_STREQ(saying, "welco");
    setSaying(nullptr, 10, 4);  // ignored
    setSaying(saying, 0, 4);    // ignored, nothing written
    EXPECT_STREQ(saying, "welco");
}
