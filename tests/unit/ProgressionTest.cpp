#include <gtest/gtest.h>

#include <filesystem>

#include "game/ProgressStore.h"
#include "game/Progression.h"
#include "support/TempDirectory.h"

namespace {

constexpr std::uint32_t levelCount = 9;

// A progression on its own table and a store in a fresh directory.
class ProgressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(store.setDirectory(dir.path("").c_str()));
    }

    // Every dance 1..9 finished at the given difficulty with own score own.
    void finishAll(std::int32_t difficulty, std::int32_t own) {
        for (std::uint32_t level = 1; level <= levelCount; ++level) {
            records[level] = LevelRecord{60, 30, 10, own, difficulty};
        }
    }

    void writeRecord(std::uint8_t level, const LevelRecord& record) {
        store.setField(level, 1, record.gold);
        store.setField(level, 2, record.silver);
        store.setField(level, 3, record.bronze);
        store.setField(level, 4, record.own);
        store.setField(level, 5, record.ownDifficulty);
    }

    TempDirectory dir;
    ProgressStore store;
    LevelRecord records[Progression::recordCount];
    Progression progression{records, levelCount};
};

TEST_F(ProgressionTest, FirstStartDerivesEveryTableAndEntersTheGuidedDance) {
    progression.readRecords(store);
    EXPECT_EQ(progression.ownTotal(), 0);
    std::int32_t baseScores[Progression::firstStartLevels];
    for (int level = 0; level < Progression::firstStartLevels; ++level) baseScores[level] = 7 + level;
    progression.deriveFirstStart(store, baseScores);

    for (std::uint8_t level = 1; level < Progression::firstStartLevels; ++level) {
        const std::int32_t n = baseScores[level];
        EXPECT_EQ(records[level].bronze, n) << int(level);
        EXPECT_EQ(records[level].silver, 3 * n) << int(level);
        EXPECT_EQ(records[level].gold, 6 * n) << int(level);
        // Written through: a fresh store reads the same table back.
        ProgressStore again;
        again.setDirectory(dir.path("").c_str());
        EXPECT_EQ(again.getField(level, 1), 6 * n);
        EXPECT_EQ(again.getField(level, 3), n);
        EXPECT_EQ(again.getField(level, 4), 0);
    }
    // Level 0 has no place in the file and stays empty.
    EXPECT_EQ(records[0].gold, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.path("savegame.txt")), 1000u);

    std::uint8_t difficulty = 1;
    const LevelChoice start = progression.chooseStart(difficulty);
    EXPECT_EQ(start.level, 34u);
    EXPECT_EQ(start.selectedLevel, 34);
    EXPECT_EQ(start.menuMessage, 0);
    EXPECT_EQ(progression.rank, 1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(progression.medalOfLevel[5], Medal::none);
}

TEST_F(ProgressionTest, LoadingResumesAtTheLevelAfterTheLastOneFinished) {
    for (std::uint8_t level = 1; level <= 3; ++level) writeRecord(level, LevelRecord{60, 30, 10, 35, 1});
    writeRecord(4, LevelRecord{60, 30, 10, 0, 0});
    progression.readRecords(store);
    EXPECT_EQ(progression.highestLevel, 4);
    EXPECT_EQ(progression.ownTotal(), 105);
    EXPECT_EQ(records[2].silver, 30);

    std::uint8_t difficulty = 1;
    const LevelChoice start = progression.chooseStart(difficulty);
    EXPECT_EQ(start.level, 4u);
    EXPECT_EQ(start.selectedLevel, 4);
    EXPECT_EQ(start.menuMessage, 1);
    EXPECT_EQ(progression.medalOfLevel[1], Medal::silver);
    EXPECT_EQ(progression.medalOfLevel[4], Medal::none);
}

TEST_F(ProgressionTest, LoadingAProAndAStar) {
    // A pro: every dance finished, dance 6 only as an amateur.
    finishAll(2, 40);
    records[6].ownDifficulty = 1;
    for (std::uint8_t level = 1; level <= levelCount; ++level) writeRecord(level, records[level]);
    progression.readRecords(store);
    std::uint8_t difficulty = 1;
    LevelChoice start = progression.chooseStart(difficulty);
    EXPECT_EQ(progression.highestLevel, levelCount);
    EXPECT_EQ(progression.rank, 2);
    EXPECT_EQ(difficulty, 2);
    EXPECT_EQ(start.level, 6u);
    EXPECT_EQ(start.menuMessage, 2);

    // A star with gold everywhere but silver on dance 7.
    finishAll(3, 60);
    records[7].own = 30;
    for (std::uint8_t level = 1; level <= levelCount; ++level) writeRecord(level, records[level]);
    progression.readRecords(store);
    start = progression.chooseStart(difficulty);
    EXPECT_EQ(progression.rank, 3);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(start.level, 7u);
    EXPECT_EQ(start.menuMessage, 4);
}

TEST(ProgressionRules, RankFollowsTheLowestDifficultyOfEveryDance) {
    LevelRecord records[Progression::recordCount];
    for (auto& record : records) record.ownDifficulty = 3;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 3);
    records[9].ownDifficulty = 2;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 3);
    records[4].ownDifficulty = 1;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 2);
    records[1].ownDifficulty = 0;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 1);
    // Level 0 and levels past the dances do not count.
    records[1].ownDifficulty = 3;
    records[4].ownDifficulty = 3;
    records[9].ownDifficulty = 3;
    records[0].ownDifficulty = 0;
    records[10].ownDifficulty = 0;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 3);
    // A damaged negative value reads as finished high, not as never.
    records[5].ownDifficulty = -1;
    EXPECT_EQ(Progression::rankFromRecords(records, levelCount), 3);
}

TEST(ProgressionRules, MedalTableInsertion) {
    LevelRecord equalToGold{100, 50, 20, 0, 0};
    EXPECT_EQ(Progression::enterScore(equalToGold, 100), Medal::gold);
    EXPECT_EQ(equalToGold.gold, 100);
    EXPECT_EQ(equalToGold.silver, 100);
    EXPECT_EQ(equalToGold.bronze, 50);
    EXPECT_EQ(equalToGold.own, 100);

    LevelRecord silver{100, 50, 20, 70, 0};
    EXPECT_EQ(Progression::enterScore(silver, 60), Medal::silver);
    EXPECT_EQ(silver.gold, 100);
    EXPECT_EQ(silver.silver, 60);
    EXPECT_EQ(silver.bronze, 50);
    EXPECT_EQ(silver.own, 70);  // the better own score stays

    LevelRecord bronze{100, 50, 20, 0, 0};
    EXPECT_EQ(Progression::enterScore(bronze, 20), Medal::bronze);
    EXPECT_EQ(bronze.bronze, 20);
    EXPECT_EQ(bronze.silver, 50);

    LevelRecord below{100, 50, 20, 0, 0};
    EXPECT_EQ(Progression::enterScore(below, 19), 0);
    EXPECT_EQ(below.gold, 100);
    EXPECT_EQ(below.silver, 50);
    EXPECT_EQ(below.bronze, 20);
    EXPECT_EQ(below.own, 19);
    EXPECT_EQ(Progression::medalOf(below), Medal::none);

    EXPECT_EQ(Progression::medalOf(LevelRecord{100, 50, 20, 100, 0}), Medal::gold);
    EXPECT_EQ(Progression::medalOf(LevelRecord{100, 50, 20, 99, 0}), Medal::silver);
    EXPECT_EQ(Progression::medalOf(LevelRecord{100, 50, 20, 20, 0}), Medal::bronze);
}

TEST_F(ProgressionTest, AnAmateurGoesOnToTheNextDance) {
    finishAll(0, 0);
    records[1] = LevelRecord{60, 30, 10, 45, 1};
    records[2] = LevelRecord{60, 30, 10, 0, 0};
    progression.highestLevel = 2;
    std::uint8_t difficulty = 1;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
    const LevelChoice next = progression.finishDance(store, 2, 2, 60, difficulty, total, medal);
    EXPECT_EQ(medal, Medal::gold);
    EXPECT_EQ(next.level, 3u);
    EXPECT_EQ(next.selectedLevel, 3);
    EXPECT_EQ(next.menuMessage, 1);
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
    std::uint8_t difficulty = 1;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
    LevelChoice next = progression.finishDance(store, 34, 34, 5, difficulty, total, medal);
    EXPECT_EQ(next.level, 1u);
    EXPECT_EQ(next.selectedLevel, 1);
    EXPECT_EQ(store.getField(34, 5), 1);

    // The ninth dance of an amateur who skipped one: still at rank 1.
    finishAll(1, 40);
    records[5].ownDifficulty = 0;
    progression.highestLevel = 9;
    next = progression.finishDance(store, 9, 9, 40, difficulty, total, medal);
    EXPECT_EQ(next.level, 1u);
    EXPECT_EQ(progression.rank, 1);
}

TEST_F(ProgressionTest, FinishingTheLastAmateurDanceMakesAPro) {
    finishAll(1, 40);
    records[9] = LevelRecord{60, 30, 10, 0, 0};
    progression.highestLevel = 9;
    std::uint8_t difficulty = 1;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
    const LevelChoice next = progression.finishDance(store, 9, 9, 15, difficulty, total, medal);
    EXPECT_EQ(medal, Medal::bronze);
    EXPECT_EQ(progression.rank, 2);
    EXPECT_EQ(difficulty, 2);
    // Back to the first dance not yet done as a pro.
    EXPECT_EQ(next.level, 1u);
    EXPECT_EQ(next.menuMessage, 2);
}

TEST_F(ProgressionTest, AProPlaysTheDancesStillAtAmateurThenBecomesAStar) {
    finishAll(2, 40);
    records[3].ownDifficulty = 1;
    records[8].ownDifficulty = 1;
    progression.rank = 2;
    progression.highestLevel = 9;
    std::uint8_t difficulty = 2;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
    LevelChoice next = progression.finishDance(store, 3, 3, 10, difficulty, total, medal);
    EXPECT_EQ(records[3].ownDifficulty, 2);
    EXPECT_EQ(next.level, 8u);
    EXPECT_EQ(next.selectedLevel, 8);
    EXPECT_EQ(next.menuMessage, 2);

    next = progression.finishDance(store, 8, 8, 10, difficulty, total, medal);
    EXPECT_EQ(progression.rank, 3);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(next.level, 1u);  // the first dance not yet done as a star
    EXPECT_EQ(next.menuMessage, 3);
}

TEST_F(ProgressionTest, AStarCollectsTheMissingMedals) {
    finishAll(3, 60);
    records[4].own = 20;  // bronze only
    progression.rank = 3;
    progression.highestLevel = 9;
    progression.refreshMedals();
    std::uint8_t difficulty = 3;
    std::int32_t total = 0;
    std::uint8_t medal = 0;
    LevelChoice next = progression.finishDance(store, 2, 2, 70, difficulty, total, medal);
    EXPECT_EQ(medal, Medal::gold);
    EXPECT_EQ(next.level, 4u);
    EXPECT_EQ(next.menuMessage, 4);
    EXPECT_EQ(difficulty, 3);

    // With gold everywhere, the way starts again at the first dance.
    next = progression.finishDance(store, 4, 4, 90, difficulty, total, medal);
    EXPECT_EQ(next.level, 1u);
    EXPECT_EQ(next.selectedLevel, 1);
    EXPECT_EQ(next.menuMessage, 4);
}

TEST(ProgressionRules, DifficultyRisesWithTheRankAndNeverFalls) {
    EXPECT_EQ(Progression::difficultyForRank(1, 1), 1);
    EXPECT_EQ(Progression::difficultyForRank(2, 1), 2);
    EXPECT_EQ(Progression::difficultyForRank(3, 1), 3);
    EXPECT_EQ(Progression::difficultyForRank(1, 3), 3);
}

}  // namespace
