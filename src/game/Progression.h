#pragma once

#include <cstdint>

#include "world/LevelRecord.h"
#include "world/Levels.h"

class ProgressStore;

// Medal held on a level, from its own score against its medal table.
namespace Medal {
constexpr std::uint8_t gold = 1;
constexpr std::uint8_t silver = 2;
constexpr std::uint8_t bronze = 3;
constexpr std::uint8_t none = 4;
}  // namespace Medal

// Which dance comes next and which progress line the menu shows.
struct LevelChoice {
    std::uint32_t level = 1;
    std::uint8_t selectedLevel = 1;
    std::uint8_t menuMessage = 0;
};

// The player's way through the dances: the records of every level (the
// World's table, held here by pointer), the medal won on each level, the
// highest level reached and the rank. Reading and writing the records goes
// through the progress store; everything else is plain arithmetic on the
// table, so it runs without the World and without a window.
class Progression {
public:
    static constexpr int recordCount = 60;
    static constexpr std::uint8_t guidedLevel = guidedDanceLevel;
    static constexpr int firstStartLevels = 21;  // levels 0..20 are read and derived

    // records must hold recordCount entries and outlive this object.
    Progression(LevelRecord* records, std::uint32_t levelCount);

    // --- rules of the medal table ---------------------------------------
    // 1 amateur while some dance was never finished, 2 pro once every dance
    // was finished, 3 star once every dance was finished at pro or star.
    static std::uint8_t rankFromRecords(const LevelRecord* records, std::uint32_t levelCount);
    // Gold, silver or bronze when the own score reaches that place, else none.
    static std::uint8_t medalOf(const LevelRecord& record);
    // Enters a score into the table (own score kept when higher, the places
    // pushed down) and returns the medal it won: 1..3, or 0 for none.
    static std::uint8_t enterScore(LevelRecord& record, std::int32_t score);
    // The table of a level never played, from the level's base score n.
    static void deriveTable(LevelRecord& record, std::int32_t baseScore);
    // The difficulty a rank asks for; it never falls.
    static std::uint8_t difficultyForRank(std::uint8_t rank, std::uint8_t difficulty);

    // --- start-up -------------------------------------------------------
    // Reads the five fields of levels 0..20 and fields 1..4 of the special
    // levels; highestLevel becomes one past the last finished level.
    void readRecords(ProgressStore& store);
    // Sum of the own scores over levels 0..levelCount.
    std::int32_t ownTotal() const;
    // First start: every level's table derived from its base score
    // (baseScores[L] for L = 0..20) and written to the store at once.
    void deriveFirstStart(ProgressStore& store, const std::int32_t* baseScores);
    // The rest of loading: clamps highestLevel, sets rank, difficulty and the
    // medals and chooses the level the menu opens with.
    LevelChoice chooseStart(std::uint8_t& difficulty);

    // --- the end of a won dance -----------------------------------------
    // Enters score on level, writes the record, raises rank and difficulty
    // and chooses the next level. resultMedal gets the medal won (0 none).
    LevelChoice finishDance(ProgressStore& store, std::uint32_t level, std::uint8_t selectedLevel,
                            std::int32_t score, std::uint8_t& difficulty, std::int32_t& totalPoints,
                            std::uint8_t& resultMedal);
    // Step of a finished dance that picks the next level (also for tests).
    LevelChoice chooseNext(std::uint32_t level, std::uint8_t selectedLevel) const;

    // Recomputes medalOfLevel for levels 0..levelCount.
    void refreshMedals();

    LevelRecord* records;
    std::uint32_t levelCount;
    std::uint8_t medalOfLevel[recordCount] = {};
    std::uint8_t highestLevel = 1;
    std::uint8_t rank = 1;
    std::uint8_t menuMessage = 0;

private:
    void writeRecord(ProgressStore& store, std::uint32_t level, bool withDifficulty);
    std::uint32_t firstWithoutGold() const;
};
