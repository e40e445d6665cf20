// The progress file: its layout, and a disk or directory that does not
// cooperate (writes the system refuses half way, files the game may not read
// or write, links, files of any content). Whatever happens, the progress
// already on disk is never lost.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game/ProgressStore.h"
#include "game/Progression.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes of the file from `from`, against the text zero-padded to `width`.
void expectText(const Bytes& file, int from, const char* s, int width) {
    ASSERT_EQ(file.size(), 1000u);
    Bytes want(static_cast<std::size_t>(width), 0);
    for (int i = 0; i < width && s[i]; ++i) want[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(s[i]);
    EXPECT_EQ(Bytes(file.begin() + from, file.begin() + from + width), want) << s;
}

class ProgressStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        store.setDirectory(dir.path("").c_str());
        other.setDirectory(dir.path("").c_str());  // a later run reads what this one wrote
    }
    std::string file() const { return dir.path("savegame.txt"); }
    TempDirectory dir;
    ProgressStore store, other;
};

// Runs body in a child process and returns how it ended: its exit code, or
// 128 + the signal that ended it. With unprivileged = true the child first
// becomes the user "nobody" (root ignores file permissions), or exits with
// 77 when it cannot.
int inChild(const std::function<int()>& body, bool unprivileged = false) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A progress file as a game leaves it, records of levels 1..20 and a highscore,
// which no failure may damage.
class ProgressStoreDisk : public ProgressStoreTest {
protected:
    void SetUp() override {
        ProgressStoreTest::SetUp();
        store.holdWrites();
        for (int level = 1; level <= 20; ++level) store.setField(static_cast<std::uint8_t>(level), 4, 100 + level);
        store.setHighscoreName("Pirouetta");
        store.releaseWrites();
        old = fileBytes(file());
    }
    void expectOldFileAlone(const char* what) {
        EXPECT_EQ(fileBytes(file()), old) << what;
        EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"}) << what;
    }
    // In a child: the game reads level 3 as `before`, a write fails, and it reads `after`
    // (the old file, or the image when it cannot read the file).
    int failedWrite(std::int32_t before, std::int32_t after) {
        if (other.getField(3, 4) != before) return 11;
        other.setField(3, 4, 7777);  // the write fails: setField reports nothing
        if (other.write()) return 12;
        return other.getField(3, 4) == after ? 0 : 13;
    }
    Bytes old;
};

}  // namespace

TEST_F(ProgressStoreTest, EachFieldHoldsAtMostFourDecimalCharactersInItsOwnPlaceAndTheHighscoreIn560To573) {
    for (const auto& [value, stored] : {std::pair{7, "7"}, {-1, "-1"}, {98765, "9876"}, {-1000, "-100"}}) {
        store.setField(3, 2, value);
        expectText(fileBytes(file()), 2 * 20 + 4, stored, 4);
        EXPECT_EQ(other.getField(3, 2), std::stoi(stored));  // every read sees the file as it is now
    }
    for (const auto& [level, field] : {std::pair{0, 1}, {51, 1}, {1, 0}, {1, 6}}) {  // no place in the file
        store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), 42);
        EXPECT_EQ(store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field)), 0);
    }
    store.setField(50, 5, 505), store.setHighscorePoints(4321);
    store.setHighscoreName("Abcdefghijklmno");  // cut to ten
    expectText(fileBytes(file()), 560, "Abcdefghij4321", 14);
    expectText(fileBytes(file()), 996, "505", 4);
    store.setHighscoreName("Ina");  // a shorter one clears the rest
    other.loadHighscore();
    EXPECT_STREQ(other.highscoreName, "Ina");
    // Every write replaced the file: no temporary file is left, and it stays readable for everyone.
    EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"});
    EXPECT_NE(fs::status(file()).permissions() & fs::perms::others_read, fs::perms::none);
}

TEST_F(ProgressStoreTest, AMissingFileIsAFirstStartAndHeldWritesReachTheFileTogether) {
    EXPECT_EQ(store.getField(20, 5), 0);
    store.holdWrites();
    store.setField(21, 5, 21), store.setHighscorePoints(12);
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(store.getField(21, 5), 21);  // read from the image while held
    EXPECT_TRUE(store.releaseWrites());
    other.loadHighscore();
    EXPECT_EQ(other.highscorePoints + other.getField(21, 5), 12 + 21);
}

TEST_F(ProgressStoreTest, AShortFileReplacesOnlyItsOwnLengthAndAnythingButAFileReadsAsNone) {
    store.setField(2, 2, 800);
    ASSERT_TRUE(dir.write("savegame.txt", {'1', '5', 0, 0, '3'}));  // level 1, fields 1 and 2
    EXPECT_EQ(store.getField(1, 1), 15);
    EXPECT_EQ(store.getField(2, 2), 800);  // beyond the file: kept from before
    fs::remove(file());
    fs::create_directory(file());
    EXPECT_EQ(other.getField(1, 1), 0);
    other.setField(1, 1, 55);  // cannot replace a directory: only the image changes
    EXPECT_FALSE(other.write());
    EXPECT_TRUE(fs::is_directory(file()));
    fs::remove(file());
    ASSERT_EQ(::mkfifo(file().c_str(), 0644), 0);
    EXPECT_EQ(store.getField(2, 2), 800);  // returns at once instead of waiting for a writer
    EXPECT_FALSE(store.setDirectory(std::string(5000, 'a').c_str()));
    {
        TempDirectory inside(true);  // the working directory is the default
        ProgressStore here;
        here.setField(9, 5, 3);
        expectText(fileBytes(inside.path("savegame.txt")), 8 * 20 + 16, "3", 4);
    }
}

// A write that the system cuts short (here the file size limit, as a full
// disk would) leaves the old file whole, whether the process is told with an
// error or stopped by the signal (a temporary file may then stay beside it).
TEST_F(ProgressStoreDisk, AWriteTheDiskRefusesLeavesTheOldFileWhole) {
    for (const auto handler : {SIG_IGN, SIG_DFL}) {
        const int result = inChild([&] {
            const rlimit limit{500, 500};
            ::signal(SIGXFSZ, handler);
            return ::setrlimit(RLIMIT_FSIZE, &limit) != 0 ? 10 : failedWrite(103, 103);
        });
        EXPECT_EQ(result, handler == SIG_IGN ? 0 : 128 + SIGXFSZ);
        EXPECT_EQ(fileBytes(file()), old);
    }
    store.setField(3, 4, 555);  // a later game that may write replaces the file as usual
    EXPECT_EQ(store.getField(3, 4), 555);
    EXPECT_EQ(store.getField(4, 4), 104);
}

// The rename could replace a file the game may not write, one it could not
// read and so never saw, or any file of a directory it may not write to.
// None is replaced: a game started on them plays, and the file stays.
TEST_F(ProgressStoreDisk, FilesTheGameMayNotReadOrWriteAreNeverReplaced) {
    const fs::perms readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms enterable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    const struct {
        const char* what;
        fs::perms file, directory;
        std::int32_t before, after;  // what the game reads of level 3
    } cases[] = {{"read-only", readable, fs::perms::all, 103, 103},
                 {"unreadable", fs::perms::owner_read | fs::perms::owner_write, fs::perms::all, 0, 7777},
                 {"read-only directory", readable, readable | enterable, 103, 103}};
    for (const auto& c : cases) {
        fs::permissions(dir.path(""), c.directory);
        fs::permissions(file(), c.file);
        const int result = inChild([&] { return failedWrite(c.before, c.after); }, true);
        fs::permissions(dir.path(""), fs::perms::owner_all, fs::perm_options::add);
        if (result == 77) GTEST_SKIP() << "no unprivileged user to run as";
        EXPECT_EQ(result, 0) << c.what;
        expectOldFileAlone(c.what);
    }
}

// A progress file kept elsewhere through a symbolic link stays there: the
// link is kept and its target gets the new progress; a link to nothing is
// the player's, not ours to replace.
TEST_F(ProgressStoreDisk, ALinkedFileIsReplacedBehindItsLink) {
    fs::create_directory(dir.path("elsewhere"));
    fs::rename(file(), dir.path("elsewhere/progress.bin"));
    fs::create_symlink("elsewhere/progress.bin", file());
    store.setField(5, 4, 321);
    EXPECT_TRUE(store.write());
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(store.getField(5, 4), 321);
    EXPECT_EQ(namesIn(dir.path("elsewhere")), std::vector<std::string>{"progress.bin"});
    fs::remove(dir.path("elsewhere/progress.bin"));
    EXPECT_FALSE(store.write());
    EXPECT_FALSE(fs::exists(dir.path("elsewhere/progress.bin")));
}

// Files of any length and content, as the game loads them: it reads every
// record without changing the file, treats a file without an own score as a
// first start (its tables written over levels 1..20 only), and opens with a
// level it can play. A won dance then changes only the bytes of its level.
TEST(ProgressStoreDamaged, TheGameStartsOnAnyFileAndKeepsWhatItHolds) {
    std::mt19937 random(77u);
    std::vector<Bytes> files = {{}, {'7'}, Bytes(1000, 0xFF), Bytes(3000, '-')};
    for (int i = 0; i < 12; ++i) {  // digits and anything else, mixed
        Bytes bytes(random() % 1500);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random() % 3 == 0 ? '0' + random() % 10 : random());
        files.push_back(bytes);
    }
    const std::int32_t baseScores[Progression::firstStartLevels] = {};
    for (std::size_t n = 0; n < files.size(); ++n) {
        TempDirectory dir;
        ASSERT_TRUE(dir.write("savegame.txt", files[n]));
        ProgressStore store;
        store.setDirectory(dir.path("").c_str());
        LevelRecord records[Progression::recordCount];
        Progression progression(records, 9);
        progression.readRecords(store);
        store.loadHighscore();
        for (const char* c = store.highscoreName; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126) << n;
        for (std::uint8_t level = 1; level <= 50; ++level) {
            const std::int32_t value = store.getField(level, 4);
            EXPECT_TRUE(value >= -999 && value <= 9999) << n;
        }
        EXPECT_EQ(fileBytes(dir.path("savegame.txt")), files[n]) << n << ": reading changes nothing";
        if (progression.ownTotal() == 0) progression.deriveFirstStart(store, baseScores);
        std::uint8_t difficulty = 1;
        const LevelChoice start = progression.chooseStart(difficulty);
        EXPECT_TRUE((start.level >= 1 && start.level <= 9) || start.level == Progression::guidedLevel) << n;
        EXPECT_TRUE(n != 2 || start.level == Progression::guidedLevel) << "a broken file is a first start";
        Bytes expected(1000, 0);  // the image: the file's first 1000 bytes, zeros past a shorter one
        std::copy_n(files[n].begin(), std::min<std::size_t>(files[n].size(), 1000), expected.begin());
        store.setField(37, 2, 10);
        const Bytes after = fileBytes(dir.path("savegame.txt"));
        ASSERT_EQ(after.size(), 1000u);
        for (std::size_t i = 400; i < 1000; ++i) ASSERT_TRUE((i >= 724 && i < 728) || after[i] == expected[i]) << n;
    }
}
