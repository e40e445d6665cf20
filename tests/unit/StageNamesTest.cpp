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

TEST(StageNames, SayingsAreCopiedExactlyTruncatedSafelyAndUnknownOnesLeaveTheBufferEmpty) {
    for (int number = 1; number <= sayingCount; ++number) {
        char prima[53];  // every saying fits the Prima Ballerina's buffer
        setSaying(prima, sizeof prima, number);
        EXPECT_STREQ(prima, sayingText(number)) << number;
    }
    char small[6] = "xxxxx";
    for (int number : {0, -1, 41}) {
        setSaying(small, sizeof small, number);
        EXPECT_EQ(std::string(small, sizeof small), std::string(sizeof small, '\0')) << number;
        EXPECT_EQ(sayingText(number), nullptr);
    }
    setSaying(small, sizeof small, 4);
    setSaying(nullptr, 10, 4);  // ignored
    setSaying(small, 0, 4);     // ignored, nothing written
    EXPECT_STREQ(small, "welco");
}

}  // namespace
