#include <gtest/gtest.h>

#include <tuple>

#include "game/ProgressStore.h"
#include "game/Progression.h"
#include "support/TempDirectory.h"

namespace {

constexpr std::uint32_t levelCount = 9;

// A progression on its own table and a store in a fresh directory.
class ProgressionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.ok() && store.setDirectory(dir.path("").c_str())); }
    // Every dance 1..9 finished at the given difficulty with own score own.
    void finishAll(std::int32_t difficulty, std::int32_t own) {
        for (std::uint32_t level = 1; level <= levelCount; ++level) records[level] = LevelRecord{60, 30, 10, own, difficulty};
    }
    LevelChoice load() {
        for (std::uint8_t level = 1; level <= levelCount; ++level) {
            const LevelRecord& r = records[level];
            const std::int32_t fields[] = {r.gold, r.silver, r.bronze, r.own, r.ownDifficulty};
            for (int field = 1; field <= 5; ++field) store.setField(level, field, fields[field - 1]);
        }
        progression.readRecords(store);
        return progression.chooseStart(difficulty);
    }
    LevelChoice finish(std::uint32_t level, std::int32_t score) {
        return progression.finishDance(store, level, static_cast<std::uint8_t>(level), score, difficulty, total, medal);
    }
    void expectChoice(const LevelChoice& c, std::uint32_t level, int message) {
        EXPECT_EQ(std::tuple(c.level, c.selectedLevel, c.menuMessage), std::tuple(level, level, message));
    }

    TempDirectory dir;
    ProgressStore store;
    LevelRecord records[Progression::recordCount];
    Progression progression{records, levelCount};
    std::uint8_t difficulty = 1;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
};

TEST_F(ProgressionTest, LoadingResumesAfterTheLastDanceFinishedWithTheRankItEarned) {
    for (std::uint8_t level = 1; level <= 3; ++level) records[level] = LevelRecord{60, 30, 10, 35, 1};
    records[4] = LevelRecord{60, 30, 10, 0, 0};
    expectChoice(load(), 4, 1);
    EXPECT_EQ(progression.medalOfLevel[1], Medal::silver);
    // A pro: every dance finished, dance 6 only as an amateur.
    finishAll(2, 40);
    records[6].ownDifficulty = 1;
    expectChoice(load(), 6, 2);
    EXPECT_EQ(progression.rank + difficulty, 2 + 2);
    // A star with gold everywhere but silver on dance 7.
    finishAll(3, 60);
    records[7].own = 30;
    expectChoice(load(), 7, 4);
    EXPECT_EQ(progression.rank + difficulty, 3 + 3);
}

TEST(ProgressionRules, RanksDifficultiesAndMedals) {
    LevelRecord records[Progression::recordCount];
    for (auto& record : records) record.ownDifficulty = 3;
    const int steps[][3] = {  // level, its own difficulty, the rank then
        {0, 3, 3}, {9, 2, 3}, {4, 1, 2}, {1, 0, 1}, {1, 3, 2}, {4, 3, 3},
        {0, 0, 3}, {10, 0, 3},  // level 0 and levels past the dances do not count
        {5, -1, 3}};            // a damaged negative value reads as finished high, not as never
    for (const auto& s : steps) {
        records[s[0]].ownDifficulty = s[1];
        EXPECT_EQ(Progression::rankFromRecords(records, levelCount), s[2]) << s[0] << " " << s[1];
    }
    EXPECT_EQ(Progression::difficultyForRank(3, 1), 3);
    EXPECT_EQ(Progression::difficultyForRank(1, 3), 3);  // it never falls

    const struct {
        LevelRecord before;
        std::int32_t score;
        std::uint8_t medal;
        LevelRecord after;
    } cases[] = {
        {{100, 50, 20, 0, 0}, 100, Medal::gold, {100, 100, 50, 100, 0}},  // equal to gold
        {{100, 50, 20, 70, 0}, 60, Medal::silver, {100, 60, 50, 70, 0}},  // the better own score stays
        {{100, 50, 20, 0, 0}, 20, Medal::bronze, {100, 50, 20, 20, 0}},
        {{100, 50, 20, 0, 0}, 19, 0, {100, 50, 20, 19, 0}},
    };
    for (const auto& c : cases) {
        LevelRecord r = c.before;
        EXPECT_EQ(Progression::enterScore(r, c.score), c.medal) << c.score;
        EXPECT_TRUE(r.gold == c.after.gold && r.silver == c.after.silver && r.bronze == c.after.bronze &&
                    r.own == c.after.own)
            << c.score;
    }
    for (const auto& [own, held] : {std::pair{100, Medal::gold}, {99, Medal::silver}, {50, Medal::silver},
                                    {20, Medal::bronze}, {19, Medal::none}})
        EXPECT_EQ(Progression::medalOf(LevelRecord{100, 50, 20, own, 0}), held) << own;
}

TEST_F(ProgressionTest, AnAmateurGoesOnToTheNextDanceAndTheLastLeadsToTheFirst) {
    finishAll(0, 0);
    records[1] = LevelRecord{60, 30, 10, 45, 1};
    progression.highestLevel = 2;
    expectChoice(finish(2, 60), 3, 1);
    EXPECT_EQ(medal, Medal::gold);
    EXPECT_EQ(total, 105);
    EXPECT_EQ(store.getField(2, 2) + store.getField(2, 5), 60 + 1);
    expectChoice(finish(34, 5), 1, 1);
    // The last one missing: a pro, back to the first dance not yet done as a pro.
    finishAll(1, 40);
    progression.highestLevel = 9;
    records[9] = LevelRecord{60, 30, 10, 0, 0};
    expectChoice(finish(9, 15), 1, 2);
    EXPECT_EQ(medal, Medal::bronze);
    EXPECT_EQ(progression.rank + difficulty, 2 + 2);
}

TEST_F(ProgressionTest, AProPlaysTheDancesStillAtAmateurThenAStarCollectsTheMissingMedals) {
    finishAll(2, 40);
    records[3].ownDifficulty = records[8].ownDifficulty = 1;
    progression.rank = difficulty = 2, progression.highestLevel = 9;
    expectChoice(finish(3, 10), 8, 2);
    EXPECT_EQ(records[3].ownDifficulty, 2);
    expectChoice(finish(8, 10), 1, 3);  // the first dance not yet done as a star
    EXPECT_EQ(progression.rank + difficulty, 3 + 3);

    finishAll(3, 60);
    records[4].own = 20;  // bronze only
    progression.refreshMedals();
    expectChoice(finish(2, 70), 4, 4);
    expectChoice(finish(4, 90), 1, 4);  // gold everywhere: the way starts again at the first dance
}

}  // namespace
