#include "game/Progression.h"

#include <algorithm>

#include "game/ProgressStore.h"

namespace {

// Levels beyond the dances whose records are kept too (fields 1..4 only).
constexpr std::uint8_t specialLevels[] = {49, 50, 51, 52, 53, 55, 56, 58, 59};

// Field numbers of the progress file.
constexpr std::uint8_t fieldGold = 1;
constexpr std::uint8_t fieldSilver = 2;
constexpr std::uint8_t fieldBronze = 3;
constexpr std::uint8_t fieldOwn = 4;
constexpr std::uint8_t fieldDifficulty = 5;

}  // namespace

Progression::Progression(LevelRecord* table, std::uint32_t count)
    : records(table), levelCount(std::min<std::uint32_t>(count, recordCount - 1)) {}

std::uint8_t Progression::rankFromRecords(const LevelRecord* records, std::uint32_t levelCount) {
    std::uint32_t lowest = 3;
    for (std::uint32_t level = 1; level <= levelCount && level < recordCount; ++level) {
        // Compared unsigned: a damaged negative value counts as finished high.
        const auto done = static_cast<std::uint32_t>(records[level].ownDifficulty);
        if (done < lowest) lowest = done;
    }
    if (lowest == 0) return 1;
    if (lowest == 1) return 2;
    return 3;
}

std::uint8_t Progression::medalOf(const LevelRecord& record) {
    std::uint8_t medal = Medal::none;
    if (record.bronze <= record.own) medal = Medal::bronze;
    if (record.silver <= record.own) medal = Medal::silver;
    if (record.gold <= record.own) medal = Medal::gold;
    return medal;
}

std::uint8_t Progression::enterScore(LevelRecord& record, std::int32_t score) {
    record.own = std::max(record.own, score);
    std::uint8_t won = 0;
    // Each test sees the places as the one before left them.
    if (score >= record.gold) {
        record.bronze = record.silver;
        record.silver = record.gold;
        record.gold = score;
        won = Medal::gold;
    }
    if (record.silver <= score && score < record.gold) {
        record.bronze = record.silver;
        record.silver = score;
        won = Medal::silver;
    }
    if (record.bronze <= score && score < record.silver) {
        record.bronze = score;
        won = Medal::bronze;
    }
    return won;
}

void Progression::deriveTable(LevelRecord& record, std::int32_t baseScore) {
    record.bronze = baseScore;
    record.silver = static_cast<std::int32_t>(2.0f * static_cast<float>(baseScore) * 1.5f);
    record.gold = 6 * baseScore;
    record.own = 0;
    record.ownDifficulty = 0;
}

std::uint8_t Progression::difficultyForRank(std::uint8_t rank, std::uint8_t difficulty) {
    if (rank > 1 && difficulty < 2) difficulty = 2;
    if (rank > 2 && difficulty < 3) difficulty = 3;
    return difficulty;
}

void Progression::readRecords(ProgressStore& store) {
    // The file is read once for every field below: while writes are held the
    // getters read the image instead of reloading it field by field.
    store.reload();
    store.holdWrites();
    for (std::uint8_t level = 0; level < firstStartLevels; ++level) {
        LevelRecord& record = records[level];
        record.gold = store.getField(level, fieldGold);
        record.silver = store.getField(level, fieldSilver);
        record.bronze = store.getField(level, fieldBronze);
        record.own = store.getField(level, fieldOwn);
        record.ownDifficulty = store.getField(level, fieldDifficulty);
        if (record.ownDifficulty != 0) highestLevel = static_cast<std::uint8_t>(level + 1);
    }
    for (const std::uint8_t level : specialLevels) {
        LevelRecord& record = records[level];
        record.gold = store.getField(level, fieldGold);
        record.silver = store.getField(level, fieldSilver);
        record.bronze = store.getField(level, fieldBronze);
        record.own = store.getField(level, fieldOwn);
    }
    store.releaseWrites();  // nothing was set: writes nothing
}

std::int32_t Progression::ownTotal() const {
    std::int32_t total = 0;
    for (std::uint32_t level = 0; level <= levelCount; ++level) total += records[level].own;
    return total;
}

void Progression::deriveFirstStart(ProgressStore& store, const std::int32_t* baseScores) {
    store.holdWrites();
    // Level 0 is no dance and has no place in the file: its record stays
    // zero, as every later start reads it, so no scan can ever pick it.
    for (std::uint8_t level = 1; level < firstStartLevels; ++level) {
        deriveTable(records[level], baseScores[level]);
        writeRecord(store, level, true);
    }
    store.releaseWrites();
}

void Progression::refreshMedals() {
    for (std::uint32_t level = 0; level <= levelCount; ++level) medalOfLevel[level] = medalOf(records[level]);
}

std::uint32_t Progression::firstWithoutGold() const {
    for (std::uint32_t level = 1; level <= levelCount; ++level) {
        const std::uint8_t medal = medalOfLevel[level];
        if (medal == Medal::silver || medal == Medal::bronze || medal == Medal::none) return level;
    }
    return 0;
}

LevelChoice Progression::chooseStart(std::uint8_t& difficulty) {
    if (highestLevel > levelCount) highestLevel = static_cast<std::uint8_t>(levelCount);
    LevelChoice choice{highestLevel, highestLevel, menuMessage};
    rank = rankFromRecords(records, levelCount);
    difficulty = difficultyForRank(rank, difficulty);
    refreshMedals();

    // A new player starts with the guided first dance.
    if (difficulty == 1 && highestLevel == 1) {
        choice.level = guidedLevel;
        choice.selectedLevel = guidedLevel;
        choice.menuMessage = 0;
    }
    if (highestLevel > 1 && highestLevel <= levelCount && difficulty == 1) choice.menuMessage = 1;

    if (highestLevel >= levelCount) {
        bool found = false;
        for (std::uint32_t level = 1; level <= levelCount && !found; ++level) {
            const std::int32_t done = records[level].ownDifficulty;
            if (difficulty == 2 && done == 1) {
                choice.menuMessage = 2;
                found = true;
            } else if (difficulty == 3 && (done == 1 || done == 2)) {
                choice.menuMessage = 3;
                found = true;
            }
            if (found) {
                choice.level = level;
                choice.selectedLevel = static_cast<std::uint8_t>(level);
            }
        }
        if (!found && difficulty == 3) {
            const std::uint32_t level = firstWithoutGold();
            if (level != 0) {
                choice.level = level;
                choice.selectedLevel = static_cast<std::uint8_t>(level);
                choice.menuMessage = 4;
            }
        }
    }
    menuMessage = choice.menuMessage;
    return choice;
}

LevelChoice Progression::chooseNext(std::uint32_t level, std::uint8_t selectedLevel) const {
    LevelChoice choice{level, selectedLevel, menuMessage};
    if (rank < 2) {
        choice.menuMessage = 1;
        choice.level += 1;
    }
    std::uint32_t lastStar = 0;
    for (std::uint32_t candidate = 0; candidate <= levelCount; ++candidate) {
        const std::int32_t done = records[candidate].ownDifficulty;
        if (rank > 1 && done == 1) {
            choice.menuMessage = 2;
            choice.level = candidate;
            choice.selectedLevel = static_cast<std::uint8_t>(candidate);
            return choice;
        }
        if (rank > 2 && (done == 1 || done == 2)) {
            choice.menuMessage = 3;
            choice.level = candidate;
            choice.selectedLevel = static_cast<std::uint8_t>(candidate);
            return choice;
        }
        if (rank > 2 && done != 0) lastStar = candidate;
    }
    if (lastStar == levelCount && levelCount != 0) {
        // Every dance done as a star: on to the medals still missing.
        choice.menuMessage = 4;
        const std::uint32_t missing = firstWithoutGold();
        choice.level = missing != 0 ? missing : 1;
        choice.selectedLevel = static_cast<std::uint8_t>(choice.level);
    }
    return choice;
}

void Progression::writeRecord(ProgressStore& store, std::uint32_t level, bool withDifficulty) {
    const auto at = static_cast<std::uint8_t>(level);
    const LevelRecord& record = records[level];
    store.setField(at, fieldGold, record.gold);
    store.setField(at, fieldSilver, record.silver);
    store.setField(at, fieldBronze, record.bronze);
    store.setField(at, fieldOwn, record.own);
    if (withDifficulty) store.setField(at, fieldDifficulty, record.ownDifficulty);
}

LevelChoice Progression::finishDance(ProgressStore& store, std::uint32_t level, std::uint8_t selectedLevel,
                                     std::int32_t score, std::uint8_t& difficulty, std::int32_t& totalPoints,
                                     std::uint8_t& resultMedal) {
    resultMedal = 0;
    if (level < recordCount) {
        LevelRecord& record = records[level];
        resultMedal = enterScore(record, score);
        totalPoints = ownTotal();
        medalOfLevel[level] = medalOf(record);
        writeRecord(store, level, false);
        if (record.ownDifficulty < difficulty) {
            record.ownDifficulty = difficulty;
            store.setField(static_cast<std::uint8_t>(level), fieldDifficulty, record.ownDifficulty);
        }
    }
    rank = rankFromRecords(records, levelCount);
    difficulty = difficultyForRank(rank, difficulty);

    LevelChoice choice = chooseNext(level, selectedLevel);
    if (highestLevel < choice.level && choice.level <= levelCount) highestLevel = static_cast<std::uint8_t>(choice.level);
    // Past the last dance (the guided one included) the way goes on at the first.
    if (levelCount < choice.level && choice.level < 51) choice.level = 1;
    if (choice.level < 51) choice.selectedLevel = static_cast<std::uint8_t>(choice.level);
    menuMessage = choice.menuMessage;
    return choice;
}
