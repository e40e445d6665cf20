#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "actors/StageNames.h"

namespace {

// A capital, then lower case letters, then zero bytes to the end.
std::string wellFormed(const char (&name)[stageNameSize]) {
    const std::size_t length = strnlen(name, stageNameSize);
    bool ok = length > 0 && length < stageNameSize && std::isupper(static_cast<unsigned char>(name[0]));
    for (std::size_t i = 1; i < stageNameSize; ++i)
        ok = ok && (i < length ? std::islower(static_cast<unsigned char>(name[i])) != 0 : name[i] == 0);
    return ok ? std::string(name, length) : "";
}

TEST(StageNames, NamesAreWellFormedOfTheirLengthsAndVaried) {
    std::srand(7);
    std::set<std::string> dancers;
    std::set<std::size_t> primaLengths;
    for (int round = 0; round < 200; ++round) {
        for (const auto& [difficulty, length] : {std::pair{0, 4u}, std::pair{1, 4u}, std::pair{2, 5u}, std::pair{9, 6u}}) {
            char name[stageNameSize];
            std::memset(name, 'Z', sizeof name);  // stale bytes must be cleared
            makeDancerName(name, difficulty);
            EXPECT_EQ(wellFormed(name).size(), length) << name;
            if (difficulty == 2) dancers.insert(name);
        }
        char prima[stageNameSize];
        makePrimaName(prima);
        primaLengths.insert(wellFormed(prima).size());
    }
    EXPECT_GT(dancers.size(), 150u);
    EXPECT_EQ(primaLengths, (std::set<std::size_t>{3, 4, 5, 6, 7, 8}));
}

// Every pool letter costs one rand() in position order, so a seed gives one
// name and the stream goes on unshifted; digits repeat an earlier letter.
TEST(StageNames, PatternLettersComeFromTheirPoolsAndDigitsRepeat) {
    const char* const pools[] = {"AEIOU", "aeiou", "aeio", "blmns", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                 "abcdefghijklmnopqrstuvwxyz", nullptr, "aeio", nullptr};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        char name[stageNameSize];
        makeNameFromPattern(name, "VvwkXx2w6");
        const int next = std::rand();
        std::srand(seed);
        for (int i = 0; i < 8; ++i) ASSERT_EQ(std::rand() == next, i == 7) << seed << " " << i;
        for (std::size_t i = 0; i < 9; ++i) {
            const char* const pool = pools[i];
            EXPECT_TRUE(pool ? name[i] && std::strchr(pool, name[i]) : name[i] == name[i == 6 ? 1 : 5]) << seed << i;
        }
        EXPECT_EQ(name[9], 0);
    }
}

TEST(StageNames, SayingsAreCopiedExactlyTruncatedSafelyAndUnknownOnesLeaveTheBufferEmpty) {
    for (int number = 1; number <= sayingCount; ++number) {
        char prima[53];  // every saying fits the Prima Ballerina's buffer
        setSaying(prima, sizeof prima, number);
        EXPECT_STREQ(prima, sayingText(number)) << number;
    }
    char saying[54];
    for (int number : {0, -1, 41, 1000}) {
        std::memset(saying, 'x', sizeof saying);
        setSaying(saying, sizeof saying, number);
        EXPECT_EQ(std::string(saying, sizeof saying), std::string(sizeof saying, '\0')) << number;
        EXPECT_EQ(sayingText(number), nullptr);
    }
    char small[6];
    setSaying(small, sizeof small, 4);
    setSaying(nullptr, 10, 4);  // ignored
    setSaying(small, 0, 4);     // ignored, nothing written
    EXPECT_STREQ(small, "welco");
}

}  // namespace
