#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "actors/StageNames.h"

namespace {

std::string letters(const char (&name)[stageNameSize]) { return std::string(name, strnlen(name, stageNameSize)); }

void expectWellFormed(const char (&name)[stageNameSize]) {
    const std::size_t length = strnlen(name, stageNameSize);
    ASSERT_LT(length, stageNameSize);
    ASSERT_GT(length, 0u);
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
    for (std::size_t i = 1; i < length; ++i) EXPECT_TRUE(std::islower(static_cast<unsigned char>(name[i]))) << name;
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

TEST(StageNames, DancerNamesAreWellFormedWithTheDifficultysLengthAndVaried) {
    std::srand(7);
    const std::pair<int, std::size_t> lengths[] = {{0, 4}, {1, 4}, {2, 5}, {3, 6}, {9, 6}};
    for (int round = 0; round < 100; ++round) {
        for (const auto& [difficulty, length] : lengths) {
            char name[stageNameSize];
            std::memset(name, 'Z', sizeof name);  // stale bytes must be cleared
            makeDancerName(name, difficulty);
            expectWellFormed(name);
            EXPECT_EQ(letters(name).size(), length) << name;
        }
    }
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        char name[stageNameSize];
        makeDancerName(name, 2);
        seen.insert(letters(name));
    }
    EXPECT_GT(seen.size(), 150u);
}

TEST(StageNames, PrimaNamesAreWellFormedWithThreeToEightLetters) {
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

// The first rand() picks the pattern; the letters follow from the same stream.
TEST(StageNames, ThePatternDrawnPicksTheLettersAndTheStreamGoesOnUnshifted) {
    const struct {
        int difficulty;  // 0: the Prima Ballerina
        int modulus, value;
        const char* pattern;
    } cases[] = {
        {1, 5, 0, "Vkw3"}, {2, 5, 0, "Xvk3w"}, {3, 5, 2, "Vxv323"}, {0, 14, 9, "Vxvxww"}, {0, 14, 13, "Xvvxvk6w"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        const unsigned seed = seedGiving(c.modulus, c.value);
        char made[stageNameSize], expected[stageNameSize];
        std::srand(seed);
        if (c.difficulty == 0)
            makePrimaName(made);
        else
            makeDancerName(made, c.difficulty);
        const int nextAfterMade = std::rand();
        std::srand(seed);
        std::rand();
        makeNameFromPattern(expected, c.pattern);
        EXPECT_EQ(letters(made), letters(expected));
        EXPECT_EQ(std::rand(), nextAfterMade);
    }
}

// Every pool letter costs one rand() in position order; digits repeat an
// earlier letter.
TEST(StageNames, PatternLettersComeFromTheirPoolsAndDigitsRepeat) {
    const std::pair<char, const char*> pools[] = {{'V', "AEIOU"}, {'v', "aeiou"}, {'w', "aeio"}, {'k', "blmns"},
                                                  {'X', "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                                  {'x', "abcdefghijklmnopqrstuvwxyz"}};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        for (const char* pattern : {"Vxv323", "Xvvxvk6w", "Vxvxww"}) {
            SCOPED_TRACE(testing::Message() << pattern << ", seed " << seed);
            std::srand(seed);
            int poolLetters = 0;
            for (const char* p = pattern; *p; ++p) poolLetters += !std::isdigit(static_cast<unsigned char>(*p));
            for (int i = 0; i < poolLetters; ++i) std::rand();
            const int nextAfterName = std::rand();
            std::srand(seed);
            char name[stageNameSize];
            makeNameFromPattern(name, pattern);
            ASSERT_EQ(letters(name).size(), std::strlen(pattern));
            EXPECT_EQ(std::rand(), nextAfterName);
            for (std::size_t i = 0; pattern[i]; ++i) {
                if (std::isdigit(static_cast<unsigned char>(pattern[i]))) {
                    EXPECT_EQ(name[i], name[pattern[i] - '1']) << i;
                    continue;
                }
                for (const auto& [code, pool] : pools) {
                    if (code == pattern[i]) {
                        EXPECT_NE(std::strchr(pool, name[i]), nullptr) << i;
                    }
                }
            }
        }
    }
}

TEST(StageNames, SayingsAreCopiedExactlyAndFitThePrimaBuffer) {
    char saying[54];
    setSaying(saying, sizeof saying, 1);
    EXPECT_STREQ(saying, "why am i");
    for (int number = 1; number <= sayingCount; ++number) {
        ASSERT_NE(sayingText(number), nullptr) << number;
        char prima[53];
        setSaying(prima, sizeof prima, number);
        EXPECT_STREQ(prima, sayingText(number)) << "saying " << number << " does not fit";
    }
}

TEST(StageNames, UnknownSayingsLeaveTheBufferEmptyAndSmallBuffersAreTruncatedSafely) {
    char saying[54];
    for (int number : {0, -1, 41, 1000}) {
        std::memset(saying, 'x', sizeof saying);
        setSaying(saying, sizeof saying, number);
        for (char c : saying) EXPECT_EQ(c, 0) << number;
        EXPECT_EQ(sayingText(number), nullptr);
    }
    char small[6];
    setSaying(small, sizeof small, 4);
    EXPECT_STREQ(small, "welco");
    setSaying(nullptr, 10, 4);  // ignored
    setSaying(small, 0, 4);     // ignored, nothing written
    EXPECT_STREQ(small, "welco");
}
