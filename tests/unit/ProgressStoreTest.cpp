#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "game/ProgressStore.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A fresh directory under the system's temporary directory, removed after.
class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "progress-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (::mkdtemp(buffer.data())) path = buffer.data();
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
    fs::path file() const { return path / "savegame.txt"; }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path)) out.push_back(e.path().filename().string());
        return out;
    }
    fs::path path;
};

Bytes readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const Bytes& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes slice(const Bytes& b, int from, int count) { return Bytes(b.begin() + from, b.begin() + from + count); }

Bytes text(const char* s, int width) {
    Bytes out(static_cast<std::size_t>(width), 0);
    for (int i = 0; i < width && s[i]; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(s[i]);
    return out;
}

struct Store {
    explicit Store(const TempDir& dir) { store.setDirectory(dir.path.c_str()); }
    ProgressStore store;
};

}  // namespace

TEST(ProgressStoreFields, ValuesAreStoredAsAtMostFourDecimalCharacters) {
    TempDir dir;
    Store s(dir);
    const struct {
        std::int32_t value;
        const char* stored;
        std::int32_t readBack;
    } cases[] = {{7, "7", 7},         {-1, "-1", -1},     {0, "0", 0},         {1234, "1234", 1234},
                 {10000, "1000", 1000}, {98765, "9876", 9876}, {-1000, "-100", -100}, {-45, "-45", -45}};
    for (const auto& c : cases) {
        s.store.setField(3, 2, c.value);
        const Bytes file = readFile(dir.file());
        ASSERT_EQ(file.size(), 1000u);
        EXPECT_EQ(slice(file, 2 * 20 + 4, 4), text(c.stored, 4)) << c.value;
        EXPECT_EQ(s.store.getField(3, 2), c.readBack) << c.value;
    }
}

TEST(ProgressStoreFields, EachLevelAndFieldHasItsOwnFourBytes) {
    TempDir dir;
    Store s(dir);
    for (int level = 1; level <= 50; ++level)
        for (int field = 1; field <= 5; ++field)
            s.store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), level * 10 + field);
    const Bytes file = readFile(dir.file());
    EXPECT_EQ(slice(file, 0, 4), text("11", 4));
    EXPECT_EQ(slice(file, 996, 4), text("505", 4));
    ProgressStore other;  // a later run reads what this one wrote
    other.setDirectory(dir.path.c_str());
    for (int level = 1; level <= 50; ++level)
        for (int field = 1; field <= 5; ++field)
            EXPECT_EQ(other.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field)),
                      level * 10 + field);
}

TEST(ProgressStoreFields, LevelsAndFieldsWithoutAPlaceReadZeroAndWriteNothing) {
    TempDir dir;
    Store s(dir);
    const int outside[][2] = {{0, 1}, {51, 1}, {59, 4}, {255, 5}, {1, 0}, {1, 6}, {50, 255}};
    for (const auto& c : outside) {
        s.store.setField(static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]), 42);
        EXPECT_EQ(s.store.getField(static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1])), 0);
    }
    EXPECT_FALSE(fs::exists(dir.file()));
    for (int i = 0; i < ProgressStore::imageSize; ++i) EXPECT_EQ(s.store.imageBytes()[i], 0) << i;
}

TEST(ProgressStoreFields, EveryReadSeesTheFileAsItIsNow) {
    TempDir dir;
    Store a(dir);
    Store b(dir);
    a.store.setField(4, 4, 120);
    EXPECT_EQ(b.store.getField(4, 4), 120);
    b.store.setField(4, 4, 130);
    EXPECT_EQ(a.store.getField(4, 4), 130);
}

TEST(ProgressStoreFields, HeldWritesReachTheFileTogetherOnRelease) {
    TempDir dir;
    Store s(dir);
    EXPECT_TRUE(s.store.releaseWrites());  // nothing held, nothing written
    EXPECT_FALSE(fs::exists(dir.file()));
    s.store.holdWrites();
    for (int level = 1; level <= 21; ++level)
        for (int field = 1; field <= 5; ++field)
            s.store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), level + field);
    s.store.setHighscorePoints(12);
    EXPECT_FALSE(fs::exists(dir.file()));
    EXPECT_EQ(s.store.getField(21, 5), 26);  // read from the image while held
    EXPECT_TRUE(s.store.releaseWrites());
    EXPECT_FALSE(s.store.writesHeld());
    Store later(dir);
    EXPECT_EQ(later.store.getField(21, 5), 26);
    EXPECT_EQ(later.store.getField(1, 1), 2);
    later.store.loadHighscore();
    EXPECT_EQ(later.store.highscorePoints, 12);
    s.store.setField(1, 1, 5);  // released: written at once again
    EXPECT_EQ(later.store.getField(1, 1), 5);
}

TEST(ProgressStoreHighscore, NameAndPointsLieInBytes560To573AndLeaveTheRecordsAlone) {
    TempDir dir;
    Store s(dir);
    for (int level = 1; level <= 50; ++level) s.store.setField(static_cast<std::uint8_t>(level), 1, level);
    const Bytes before = readFile(dir.file());
    s.store.setHighscoreName("Zalamina");
    s.store.setHighscorePoints(4321);
    const Bytes after = readFile(dir.file());
    ASSERT_EQ(after.size(), 1000u);
    EXPECT_EQ(slice(after, 560, 10), text("Zalamina", 10));
    EXPECT_EQ(slice(after, 570, 4), text("4321", 4));
    for (int i = 0; i < 1000; ++i) {
        if (i >= 560 && i <= 573) continue;
        EXPECT_EQ(after[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << i;
    }

    Store later(dir);
    later.store.loadHighscore();
    EXPECT_STREQ(later.store.highscoreName, "Zalamina");
    EXPECT_EQ(later.store.highscorePoints, 4321);
    EXPECT_EQ(later.store.getField(7, 1), 7);
}

TEST(ProgressStoreHighscore, LongNamesAreCutToTenAndShorterOnesClearTheRest) {
    TempDir dir;
    Store s(dir);
    s.store.setHighscoreName("Abcdefghijklmno");
    EXPECT_STREQ(s.store.highscoreName, "Abcdefghij");
    EXPECT_EQ(slice(readFile(dir.file()), 560, 10), text("Abcdefghij", 10));
    s.store.setHighscoreName("Ina");
    EXPECT_EQ(slice(readFile(dir.file()), 560, 10), text("Ina", 10));
    s.store.setHighscoreName(nullptr);
    EXPECT_EQ(slice(readFile(dir.file()), 560, 10), text("", 10));
}

TEST(ProgressStoreFiles, AMissingFileIsAFirstStart) {
    TempDir dir;
    Store s(dir);
    for (int level = 0; level <= 59; ++level)
        for (int field = 1; field <= 5; ++field)
            EXPECT_EQ(s.store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field)), 0);
    s.store.loadHighscore();
    EXPECT_EQ(s.store.highscorePoints, 0);
    EXPECT_STREQ(s.store.highscoreName, "");
    EXPECT_FALSE(fs::exists(dir.file()));  // reading creates nothing
}

TEST(ProgressStoreFiles, AShortFileReplacesOnlyItsOwnLength) {
    TempDir dir;
    Store s(dir);
    s.store.setField(1, 1, 900);
    s.store.setField(2, 2, 800);
    s.store.setField(3, 1, 77);
    Bytes shortFile = text("15", 4);          // level 1, field 1
    const Bytes next = text("3", 4);          // level 1, field 2
    shortFile.insert(shortFile.end(), next.begin(), next.end());
    shortFile.push_back('9');                 // first byte of level 1, field 3
    writeFile(dir.file(), shortFile);
    EXPECT_EQ(s.store.getField(1, 1), 15);
    EXPECT_EQ(s.store.getField(1, 2), 3);
    EXPECT_EQ(s.store.getField(2, 2), 800);  // beyond the file: kept from before
    EXPECT_EQ(s.store.getField(3, 1), 77);
    writeFile(dir.file(), Bytes{});
    EXPECT_EQ(s.store.getField(1, 1), 15);   // an empty file changes nothing
}

TEST(ProgressStoreFiles, AnyBytesReadAsSmallNumbersAndAPrintableName) {
    TempDir dir;
    std::mt19937 random(20240607u);
    for (std::size_t size : {1000u, 999u, 1u, 5000u, 573u}) {
        Bytes junk(size);
        for (auto& b : junk) b = static_cast<std::uint8_t>(random());
        writeFile(dir.file(), junk);
        Store s(dir);
        for (int level = 1; level <= 50; ++level)
            for (int field = 1; field <= 5; ++field) {
                const std::int32_t v =
                    s.store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
                EXPECT_GE(v, -999);
                EXPECT_LE(v, 9999);
            }
        s.store.loadHighscore();
        EXPECT_LE(std::strlen(s.store.highscoreName), 10u);
        for (const char* c = s.store.highscoreName; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126);
        EXPECT_EQ(s.store.highscoreName[10], '\0');
        EXPECT_EQ(s.store.highscoreName[11], '\0');
    }
}

TEST(ProgressStoreFiles, ADirectoryOrAPipeNamedSavegameReadsAsNoFile) {
    TempDir dir;
    fs::create_directory(dir.file());
    Store s(dir);
    EXPECT_EQ(s.store.getField(1, 1), 0);
    s.store.setField(1, 1, 55);  // cannot replace a directory: only the image changes
    EXPECT_FALSE(s.store.write());
    EXPECT_EQ(s.store.getField(1, 1), 55);
    EXPECT_TRUE(fs::is_directory(dir.file()));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"savegame.txt"});

    TempDir pipeDir;
    ASSERT_EQ(::mkfifo(pipeDir.file().c_str(), 0644), 0);
    Store p(pipeDir);
    EXPECT_EQ(p.store.getField(2, 2), 0);  // returns at once instead of waiting for a writer
    p.store.loadHighscore();
    EXPECT_EQ(p.store.highscorePoints, 0);
}

TEST(ProgressStoreFiles, ReplacingTheFileLeavesNoTemporaryFilesBehind) {
    TempDir dir;
    Store s(dir);
    for (int i = 0; i < 25; ++i) s.store.setField(static_cast<std::uint8_t>(1 + i), 4, i * 3);
    s.store.setHighscoreName("Pirouetta");
    s.store.setHighscorePoints(77);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"savegame.txt"});
    EXPECT_EQ(fs::file_size(dir.file()), 1000u);
    const auto perms = fs::status(dir.file()).permissions();
    EXPECT_NE(perms & fs::perms::owner_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);
}

TEST(ProgressStoreFiles, TheWorkingDirectoryIsTheDefault) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path);
    ProgressStore store;
    EXPECT_STREQ(store.directory(), "");
    store.setField(9, 5, 3);
    fs::current_path(before);
    EXPECT_EQ(slice(readFile(dir.file()), 8 * 20 + 16, 4), text("3", 4));

    ProgressStore slash;  // a trailing separator is fine too
    EXPECT_TRUE(slash.setDirectory((dir.path.string() + "/").c_str()));
    EXPECT_EQ(slash.getField(9, 5), 3);
    EXPECT_FALSE(slash.setDirectory(std::string(5000, 'a').c_str()));
    EXPECT_EQ(slash.getField(9, 5), 3);  // a refused directory keeps the old one
}

// In a directory the game may not write to, a write fails and the old file
// survives untouched. Root ignores directory permissions, so
// the check then runs in a child process as an unprivileged user.
TEST(ProgressStoreFiles, AReadOnlyDirectoryKeepsTheOldFileIntact) {
    TempDir dir;
    {
        Store s(dir);
        s.store.setField(1, 4, 321);
    }
    const Bytes old = readFile(dir.file());
    fs::permissions(dir.file(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                    fs::perms::others_read);
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    auto attempt = [&]() -> int {
        ProgressStore store;
        store.setDirectory(dir.path.c_str());
        if (store.getField(1, 4) != 321) return 3;  // cannot even read: not the case under test
        store.setField(1, 4, 999);
        store.setHighscoreName("Nobody");
        if (store.write()) return 1;
        if (store.getField(1, 4) != 321) return 2;  // the next read reloads the old file
        return 0;
    };

    int result = -1;
    if (::geteuid() != 0) {
        result = attempt();
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(4);
            ::_exit(attempt());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        result = WEXITSTATUS(status);
    }
    if (result == 3 || result == 4) GTEST_SKIP() << "no unprivileged user can reach the temporary directory";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(dir.file()), old);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"savegame.txt"});
}
