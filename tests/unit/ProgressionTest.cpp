#include <gtest/gtest.h>

#include <filesystem>

#include "game/ProgressStore.h"
#include "game/Progression.h"
#include "support/TempDirectory.h"

namespace {

constexpr std::uint32_t levelCount = 9;

void expectChoice(const LevelChoice& c, std::uint32_t level, int message) {
    EXPECT_EQ(c.level, level);
    EXPECT_EQ(c.selectedLevel, level);
    EXPECT_EQ(c.menuMessage, message);
}

// A progression on its own table and a store in a fresh directory.
class ProgressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(store.setDirectory(dir.path("").c_str()));
    }

    // Every dance 1..9 finished at the given difficulty with own score own.
    void finishAll(std::int32_t difficulty, std::int32_t own) {
        for (std::uint32_t level = 1; level <= levelCount; ++level) records[level] = LevelRecord{60, 30, 10, own, difficulty};
    }

    void writeRecord(std::uint8_t level, const LevelRecord& record) {
        const std::int32_t fields[] = {record.gold, record.silver, record.bronze, record.own, record.ownDifficulty};
        for (int field = 1; field <= 5; ++field) store.setField(level, field, fields[field - 1]);
    }
    void writeAll() {
        for (std::uint8_t level = 1; level <= levelCount; ++level) writeRecord(level, records[level]);
    }

    LevelChoice load() {
        progression.readRecords(store);
        return progression.chooseStart(difficulty);
    }
    LevelChoice finish(std::uint32_t level, std::int32_t score) {
        return progression.finishDance(store, level, static_cast<std::uint8_t>(level), score, difficulty, total, medal);
    }

    TempDirectory dir;
    ProgressStore store;
    LevelRecord records[Progression::recordCount];
    Progression progression{records, levelCount};
    std::uint8_t difficulty = 1;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
};

TEST_F(ProgressionTest, FirstStartDerivesEveryTableAndEntersTheGuidedDance) {
    progression.readRecords(store);
    EXPECT_EQ(progression.ownTotal(), 0);
    std::int32_t baseScores[Progression::firstStartLevels];
    for (int level = 0; level < Progression::firstStartLevels; ++level) baseScores[level] = 7 + level;
    progression.deriveFirstStart(store, baseScores);

    ProgressStore again;  // written through: a fresh store reads the same table back
    again.setDirectory(dir.path("").c_str());
    for (std::uint8_t level = 1; level < Progression::firstStartLevels; ++level) {
        SCOPED_TRACE(int(level));
        const std::int32_t n = baseScores[level];
        EXPECT_EQ(records[level].bronze, n);
        EXPECT_EQ(records[level].silver, 3 * n);
        EXPECT_EQ(records[level].gold, 6 * n);
        EXPECT_EQ(again.getField(level, 1), 6 * n);
        EXPECT_EQ(again.getField(level, 3), n);
        EXPECT_EQ(again.getField(level, 4), 0);
    }
    // Level 0 has no place in the file and stays empty.
    EXPECT_EQ(records[0].gold, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.path("savegame.txt")), 1000u);

    const LevelChoice start = progression.chooseStart(difficulty);
    expectChoice(start, 34, 0);
    EXPECT_EQ(progression.rank, 1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(progression.medalOfLevel[5], Medal::none);
}

TEST_F(ProgressionTest, LoadingResumesAfterTheLastDanceFinishedWithTheRankItEarned) {
    for (std::uint8_t level = 1; level <= 3; ++level) writeRecord(level, LevelRecord{60, 30, 10, 35, 1});
    writeRecord(4, LevelRecord{60, 30, 10, 0, 0});
    LevelChoice start = load();
    EXPECT_EQ(progression.highestLevel, 4);
    EXPECT_EQ(progression.ownTotal(), 105);
    EXPECT_EQ(records[2].silver, 30);
    expectChoice(start, 4, 1);
    EXPECT_EQ(progression.medalOfLevel[1], Medal::silver);
    EXPECT_EQ(progression.medalOfLevel[4], Medal::none);

    // A pro: every dance finished, dance 6 only as an amateur.
    finishAll(2, 40);
    records[6].ownDifficulty = 1;
    writeAll();
    start = load();
    EXPECT_EQ(progression.highestLevel, levelCount);
    EXPECT_EQ(progression.rank, 2);
    EXPECT_EQ(difficulty, 2);
    expectChoice(start, 6, 2);

    // A star with gold everywhere but silver on dance 7.
    finishAll(3, 60);
    records[7].own = 30;
    writeAll();
    start = load();
    EXPECT_EQ(progression.rank, 3);
    EXPECT_EQ(difficulty, 3);
    expectChoice(start, 7, 4);
}

TEST(ProgressionRules, RankFollowsTheLowestDifficultyOfEveryDanceAndDifficultyNeverFalls) {
    LevelRecord records[Progression::recordCount];
    for (auto& record : records) record.ownDifficulty = 3;
    const struct {
        int level, difficulty, rank;
    } steps[] = {{0, 3, 3}, {9, 2, 3}, {4, 1, 2}, {1, 0, 1}, {1, 3, 2}, {4, 3, 3},
                 // Level 0 and levels past the dances do not count.
                 {0, 0, 3}, {10, 0, 3},
                 // A damaged negative value reads as finished high, not as never.
                 {5, -1, 3}};
    for (const auto& s : steps) {
        records[s.level].ownDifficulty = s.difficulty;
        EXPECT_EQ(Progression::rankFromRecords(records, levelCount), s.rank) << s.level << " " << s.difficulty;
    }
    EXPECT_EQ(Progression::difficultyForRank(1, 1), 1);
    EXPECT_EQ(Progression::difficultyForRank(2, 1), 2);
    EXPECT_EQ(Progression::difficultyForRank(3, 1), 3);
    EXPECT_EQ(Progression::difficultyForRank(1, 3), 3);
}

TEST(ProgressionRules, AScoreEntersTheMedalTableInItsPlace) {
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
        SCOPED_TRACE(c.score);
        LevelRecord r = c.before;
        EXPECT_EQ(Progression::enterScore(r, c.score), c.medal);
        EXPECT_EQ(r.gold, c.after.gold);
        EXPECT_EQ(r.silver, c.after.silver);
        EXPECT_EQ(r.bronze, c.after.bronze);
        EXPECT_EQ(r.own, c.after.own);
    }
    const struct {
        std::int32_t own;
        std::uint8_t medal;
    } held[] = {{100, Medal::gold}, {99, Medal::silver}, {50, Medal::silver}, {20, Medal::bronze}, {19, Medal::none}};
    for (const auto& h : held) EXPECT_EQ(Progression::medalOf(LevelRecord{100, 50, 20, h.own, 0}), h.medal) << h.own;
}

TEST_F(ProgressionTest, AnAmateurGoesOnToTheNextDance) {
    finishAll(0, 0);
    records[1] = LevelRecord{60, 30, 10, 45, 1};
    records[2] = LevelRecord{60, 30, 10, 0, 0};
    progression.highestLevel = 2;
    const LevelChoice next = finish(2, 60);
    EXPECT_EQ(medal, Medal::gold);
    expectChoice(next, 3, 1);
    EXPECT_EQ(progression.highestLevel, 3);
    EXPECT_EQ(total, 105);
    EXPECT_EQ(records[2].ownDifficulty, 1);
    EXPECT_EQ(progression.medalOfLevel[2], Medal::gold);
    EXPECT_EQ(store.getField(2, 1), 60);
    EXPECT_EQ(store.getField(2, 2), 60);
    EXPECT_EQ(store.getField(2, 4), 60);
    EXPECT_EQ(store.getField(2, 5), 1);
    EXPECT_EQ(difficulty, 1);
}

TEST_F(ProgressionTest, TheGuidedDanceAndTheLastDanceLeadToTheFirst) {
    finishAll(0, 0);
    LevelChoice next = finish(34, 5);
    expectChoice(next, 1, 1);
    EXPECT_EQ(store.getField(34, 5), 1);

    // The ninth dance of an amateur who skipped one: still at rank 1.
    finishAll(1, 40);
    records[5].ownDifficulty = 0;
    progression.highestLevel = 9;
    next = finish(9, 40);
    expectChoice(next, 1, 1);
    EXPECT_EQ(progression.rank, 1);

    // The last one missing: a pro, back to the first dance not yet done as a pro.
    records[5].ownDifficulty = 1;
    records[9] = LevelRecord{60, 30, 10, 0, 0};
    next = finish(9, 15);
    EXPECT_EQ(medal, Medal::bronze);
    EXPECT_EQ(progression.rank, 2);
    EXPECT_EQ(difficulty, 2);
    expectChoice(next, 1, 2);
}

TEST_F(ProgressionTest, AProPlaysTheDancesStillAtAmateurThenBecomesAStar) {
    finishAll(2, 40);
    records[3].ownDifficulty = 1;
    records[8].ownDifficulty = 1;
    progression.rank = 2;
    progression.highestLevel = 9;
    difficulty = 2;
    LevelChoice next = finish(3, 10);
    EXPECT_EQ(records[3].ownDifficulty, 2);
    expectChoice(next, 8, 2);

    next = finish(8, 10);
    EXPECT_EQ(progression.rank, 3);
    EXPECT_EQ(difficulty, 3);
    expectChoice(next, 1, 3);  // the first dance not yet done as a star
}

TEST_F(ProgressionTest, AStarCollectsTheMissingMedals) {
    finishAll(3, 60);
    records[4].own = 20;  // bronze only
    progression.rank = 3;
    progression.highestLevel = 9;
    progression.refreshMedals();
    difficulty = 3;
    LevelChoice next = finish(2, 70);
    EXPECT_EQ(medal, Medal::gold);
    expectChoice(next, 4, 4);
    EXPECT_EQ(difficulty, 3);

    // With gold everywhere, the way starts again at the first dance.
    next = finish(4, 90);
    expectChoice(next, 1, 4);
}

}  // namespace
