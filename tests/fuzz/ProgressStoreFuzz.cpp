// Any bytes as "savegame.txt", through what the game does with its progress
// file: the start-up of its loading step (every record read, the highscore
// loaded, a first start's tables written when no own score was found, the
// level to open with chosen), then the end of a won dance on that level and
// a new highscore.
//
// Besides what the sanitizers see: reading never changes the file; every
// field reads as at most four characters of decimal text; each write
// replaces exactly the bytes of the records it names and keeps every other
// byte of the progress that was on disk; the choices stay playable levels
// and difficulties; what was written reads back.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

#include "FuzzFiles.h"
#include "game/ProgressStore.h"
#include "game/Progression.h"
#include "world/World.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The dances the game plays, as its Game sets them.
constexpr std::uint32_t levelCount = 9;
std::int32_t baseScores[Progression::firstStartLevels] = {};


bool readable(std::int32_t value) { return value >= -999 && value <= 9999; }
bool playable(std::uint32_t level) { return (level >= 1 && level <= levelCount) || level == Progression::guidedLevel; }

// Every byte outside the named records is still the one of `before`: levels
// 1..50 own bytes (L - 1) x 20 .. + 19, the highscore 560..573.
void requireOnlyRecordsChanged(const Bytes& before, const Bytes& after, std::uint32_t firstLevel,
                               std::uint32_t lastLevel, bool highscore) {
    FUZZ_REQUIRE(after.size() == static_cast<std::size_t>(ProgressStore::imageSize));
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::size_t level = i / 20 + 1;
        const bool named =
            (highscore && i >= 560 && i < 574) || (level >= firstLevel && level <= lastLevel && level <= 50);
        FUZZ_REQUIRE(named || after[i] == before[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The first start derives each table from its level's base score, which
    // the World computes from the level's layout; the same for every input.
    World world;
    FUZZ_REQUIRE(world.complete());
    for (int level = 0; level < Progression::firstStartLevels; ++level)
        baseScores[level] = world.levelBaseScore(static_cast<std::uint8_t>(level));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TempDirectory& dir = fuzzfiles::scratch();
    const std::string path = fuzzfiles::write(ProgressStore::fileName, data, size);
    // What the store must see: the file's first 1000 bytes over an image of zeros.
    Bytes image(ProgressStore::imageSize, 0);
    std::memcpy(image.data(), data, size < image.size() ? size : image.size());

    ProgressStore store;
    FUZZ_REQUIRE(store.setDirectory(dir.path().c_str()));
    LevelRecord records[Progression::recordCount];
    Progression progression(records, levelCount);

    // The loading step, as the Game runs it.
    progression.readRecords(store);
    store.loadHighscore();
    FUZZ_REQUIRE(readable(store.highscorePoints) && store.highscoreName[10] == '\0' && store.highscoreName[11] == '\0');
    for (int i = 0; store.highscoreName[i] != '\0'; ++i)
        FUZZ_REQUIRE(store.highscoreName[i] >= 32 && store.highscoreName[i] <= 126);
    for (int level = 0; level < Progression::recordCount; ++level) {
        const LevelRecord& r = records[level];
        const bool stored = level >= 1 && level <= 50;
        FUZZ_REQUIRE(stored || (r.own == 0 && r.ownDifficulty == 0));
        FUZZ_REQUIRE(!stored || (readable(r.gold) && readable(r.silver) && readable(r.bronze) && readable(r.own) &&
                                 readable(r.ownDifficulty)));
    }
    FUZZ_REQUIRE(std::memcmp(store.imageBytes(), image.data(), image.size()) == 0);
    // Reading never writes: the file is still the input, byte for byte.
    FUZZ_REQUIRE(fileBytes(path) == Bytes(data, data + size));

    if (progression.ownTotal() == 0) {
        progression.deriveFirstStart(store, baseScores);
        // Levels 1..20 rewritten at once; everything else as it was.
        const Bytes after = fileBytes(path);
        requireOnlyRecordsChanged(image, after, 1, Progression::firstStartLevels - 1, false);
        image = after;
    }
    std::uint8_t difficulty = 1;
    const LevelChoice start = progression.chooseStart(difficulty);
    FUZZ_REQUIRE(playable(start.level) && difficulty >= 1 && difficulty <= 3);
    FUZZ_REQUIRE(progression.rank >= 1 && progression.rank <= 3);

    // The dance chosen is won with a score taken from the input.
    std::int32_t score = 0, total = 0;
    for (std::size_t i = 0; i < size && i < 3; ++i) score = score * 256 + data[i];
    std::uint8_t medal = 0;
    const std::uint32_t level = start.level;
    const LevelChoice next =
        progression.finishDance(store, level, start.selectedLevel, score % 20000, difficulty, total, medal);
    FUZZ_REQUIRE(medal <= 3 && difficulty >= 1 && difficulty <= 3 && playable(next.level));
    const Bytes afterDance = fileBytes(path);
    requireOnlyRecordsChanged(image, afterDance, level, level, false);
    if (level <= 50) {
        for (std::uint8_t field = 1; field <= 5; ++field)
            FUZZ_REQUIRE(readable(store.getField(static_cast<std::uint8_t>(level), field)));
        const std::int32_t own = records[level].own;
        FUZZ_REQUIRE(store.getField(static_cast<std::uint8_t>(level), 4) == own || !readable(own));
    }

    // A new highscore: the Prima Ballerina's name and her points.
    store.setHighscoreName("Pirouetta");
    store.setHighscorePoints(total);
    requireOnlyRecordsChanged(afterDance, fileBytes(path), 1, 0, true);
    store.loadHighscore();
    FUZZ_REQUIRE(std::strcmp(store.highscoreName, "Pirouetta") == 0 && readable(store.highscorePoints));

    // The replacement is an ordinary file and leaves nothing else behind.
    struct stat info {};
    FUZZ_REQUIRE(::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode));
    FUZZ_REQUIRE(info.st_size == ProgressStore::imageSize);
    using Entries = std::filesystem::directory_iterator;
    FUZZ_REQUIRE(std::distance(Entries(dir.path()), Entries()) == 1);
    return 0;
}
