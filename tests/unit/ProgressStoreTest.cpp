#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/ProgressStore.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes slice(const Bytes& b, int from, int count) { return Bytes(b.begin() + from, b.begin() + from + count); }

// The text zero-padded to the field's width, as it lies in the file.
Bytes text(const char* s, int width) {
    Bytes out(static_cast<std::size_t>(width), 0);
    for (int i = 0; i < width && s[i]; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(s[i]);
    return out;
}

class ProgressStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        store.setDirectory(dir.path("").c_str());
    }
    ProgressStore later() const {
        ProgressStore other;  // a later run reads what this one wrote
        other.setDirectory(dir.path("").c_str());
        return other;
    }
    std::string file() const { return dir.path("savegame.txt"); }
    TempDirectory dir;
    ProgressStore store;
};

}  // namespace

TEST_F(ProgressStoreTest, ValuesAreStoredAsAtMostFourDecimalCharacters) {
    const struct {
        std::int32_t value;
        const char* stored;
        std::int32_t readBack;
    } cases[] = {{7, "7", 7},         {-1, "-1", -1},     {0, "0", 0},         {1234, "1234", 1234},
                 {10000, "1000", 1000}, {98765, "9876", 9876}, {-1000, "-100", -100}, {-45, "-45", -45}};
    for (const auto& c : cases) {
        store.setField(3, 2, c.value);
        const Bytes bytes = fileBytes(file());
        ASSERT_EQ(bytes.size(), 1000u);
        EXPECT_EQ(slice(bytes, 2 * 20 + 4, 4), text(c.stored, 4)) << c.value;
        EXPECT_EQ(store.getField(3, 2), c.readBack) << c.value;
    }
}

TEST_F(ProgressStoreTest, EachLevelAndFieldHasItsOwnFourBytes) {
    for (int level = 1; level <= 50; ++level)
        for (int field = 1; field <= 5; ++field)
            store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), level * 10 + field);
    const Bytes bytes = fileBytes(file());
    EXPECT_EQ(slice(bytes, 0, 4), text("11", 4));
    EXPECT_EQ(slice(bytes, 996, 4), text("505", 4));
    ProgressStore other = later();
    for (int level = 1; level <= 50; ++level)
        for (int field = 1; field <= 5; ++field)
            EXPECT_EQ(other.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field)),
                      level * 10 + field);
    // Every read sees the file as it is now, whoever wrote it.
    other.setField(4, 4, 130);
    EXPECT_EQ(store.getField(4, 4), 130);
}

TEST_F(ProgressStoreTest, LevelsAndFieldsWithoutAPlaceReadZeroAndWriteNothing) {
    const int outside[][2] = {{0, 1}, {51, 1}, {59, 4}, {255, 5}, {1, 0}, {1, 6}, {50, 255}};
    for (const auto& c : outside) {
        store.setField(static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]), 42);
        EXPECT_EQ(store.getField(static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1])), 0);
    }
    EXPECT_FALSE(fs::exists(file()));
    for (int i = 0; i < ProgressStore::imageSize; ++i) EXPECT_EQ(store.imageBytes()[i], 0) << i;
}

TEST_F(ProgressStoreTest, HeldWritesReachTheFileTogetherOnRelease) {
    EXPECT_TRUE(store.releaseWrites());  // nothing held, nothing written
    EXPECT_FALSE(fs::exists(file()));
    store.holdWrites();
    for (int level = 1; level <= 21; ++level)
        for (int field = 1; field <= 5; ++field)
            store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), level + field);
    store.setHighscorePoints(12);
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(store.getField(21, 5), 26);  // read from the image while held
    EXPECT_TRUE(store.releaseWrites());
    EXPECT_FALSE(store.writesHeld());
    ProgressStore other = later();
    EXPECT_EQ(other.getField(21, 5), 26);
    EXPECT_EQ(other.getField(1, 1), 2);
    other.loadHighscore();
    EXPECT_EQ(other.highscorePoints, 12);
    store.setField(1, 1, 5);  // released: written at once again
    EXPECT_EQ(other.getField(1, 1), 5);
}

TEST_F(ProgressStoreTest, HighscoreLiesInBytes560To573AndLeavesTheRecordsAlone) {
    for (int level = 1; level <= 50; ++level) store.setField(static_cast<std::uint8_t>(level), 1, level);
    const Bytes before = fileBytes(file());
    store.setHighscoreName("Zalamina");
    store.setHighscorePoints(4321);
    const Bytes after = fileBytes(file());
    ASSERT_EQ(after.size(), 1000u);
    EXPECT_EQ(slice(after, 560, 10), text("Zalamina", 10));
    EXPECT_EQ(slice(after, 570, 4), text("4321", 4));
    for (int i = 0; i < 1000; ++i) {
        if (i < 560 || i > 573) {
            EXPECT_EQ(after[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << i;
        }
    }

    ProgressStore other = later();
    other.loadHighscore();
    EXPECT_STREQ(other.highscoreName, "Zalamina");
    EXPECT_EQ(other.highscorePoints, 4321);
    EXPECT_EQ(other.getField(7, 1), 7);

    // Long names are cut to ten; shorter ones clear the rest.
    store.setHighscoreName("Abcdefghijklmno");
    EXPECT_STREQ(store.highscoreName, "Abcdefghij");
    EXPECT_EQ(slice(fileBytes(file()), 560, 10), text("Abcdefghij", 10));
    store.setHighscoreName("Ina");
    EXPECT_EQ(slice(fileBytes(file()), 560, 10), text("Ina", 10));
    store.setHighscoreName(nullptr);
    EXPECT_EQ(slice(fileBytes(file()), 560, 10), text("", 10));

    // Every write replaced the file: no temporary file is left, and it stays readable.
    EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"});
    const auto perms = fs::status(file()).permissions();
    EXPECT_NE(perms & fs::perms::owner_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);
}

TEST_F(ProgressStoreTest, AMissingFileIsAFirstStartAndReadingCreatesNothing) {
    for (int level = 0; level <= 59; ++level)
        for (int field = 1; field <= 5; ++field)
            EXPECT_EQ(store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field)), 0);
    store.loadHighscore();
    EXPECT_EQ(store.highscorePoints, 0);
    EXPECT_STREQ(store.highscoreName, "");
    EXPECT_FALSE(fs::exists(file()));
}

TEST_F(ProgressStoreTest, AShortFileReplacesOnlyItsOwnLength) {
    store.setField(1, 1, 900);
    store.setField(2, 2, 800);
    store.setField(3, 1, 77);
    Bytes shortFile = text("15", 4);  // level 1, field 1
    const Bytes next = text("3", 4);  // level 1, field 2
    shortFile.insert(shortFile.end(), next.begin(), next.end());
    shortFile.push_back('9');  // first byte of level 1, field 3
    ASSERT_TRUE(dir.write("savegame.txt", shortFile));
    EXPECT_EQ(store.getField(1, 1), 15);
    EXPECT_EQ(store.getField(1, 2), 3);
    EXPECT_EQ(store.getField(2, 2), 800);  // beyond the file: kept from before
    EXPECT_EQ(store.getField(3, 1), 77);
    ASSERT_TRUE(dir.write("savegame.txt", {}));
    EXPECT_EQ(store.getField(1, 1), 15);  // an empty file changes nothing
}

TEST_F(ProgressStoreTest, ADirectoryOrAPipeNamedSavegameReadsAsNoFile) {
    fs::create_directory(file());
    EXPECT_EQ(store.getField(1, 1), 0);
    store.setField(1, 1, 55);  // cannot replace a directory: only the image changes
    EXPECT_FALSE(store.write());
    EXPECT_EQ(store.getField(1, 1), 55);
    EXPECT_TRUE(fs::is_directory(file()));
    EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"});

    TempDirectory pipeDir;
    ASSERT_EQ(::mkfifo(pipeDir.path("savegame.txt").c_str(), 0644), 0);
    ProgressStore p;
    p.setDirectory(pipeDir.path("").c_str());
    EXPECT_EQ(p.getField(2, 2), 0);  // returns at once instead of waiting for a writer
    p.loadHighscore();
    EXPECT_EQ(p.highscorePoints, 0);
}

TEST_F(ProgressStoreTest, TheWorkingDirectoryIsTheDefault) {
    {
        TempDirectory inside(true);
        ProgressStore here;
        EXPECT_STREQ(here.directory(), "");
        here.setField(9, 5, 3);
        EXPECT_EQ(slice(fileBytes(inside.path("savegame.txt")), 8 * 20 + 16, 4), text("3", 4));
    }
    store.setField(9, 5, 3);
    ProgressStore slash;  // a trailing separator is fine too
    EXPECT_TRUE(slash.setDirectory((dir.path("") + "/").c_str()));
    EXPECT_EQ(slash.getField(9, 5), 3);
    EXPECT_FALSE(slash.setDirectory(std::string(5000, 'a').c_str()));
    EXPECT_EQ(slash.getField(9, 5), 3);  // a refused directory keeps the old one
}
