// The progress file on a disk or in a directory that does not cooperate:
// writes that the system refuses half way, files the game may not read or
// write, links, and files of any content. Whatever happens, the progress
// already on disk is never lost.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
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

// A progress file as a game leaves it: records of levels 1..20 and a highscore.
Bytes progressOnDisk(const TempDirectory& dir) {
    ProgressStore store;
    store.setDirectory(dir.path("").c_str());
    store.holdWrites();
    for (int level = 1; level <= 20; ++level) {
        store.setField(static_cast<std::uint8_t>(level), 1, 900 + level);
        store.setField(static_cast<std::uint8_t>(level), 4, 100 + level);
        store.setField(static_cast<std::uint8_t>(level), 5, 2);
    }
    store.setHighscoreName("Pirouetta");
    store.setHighscorePoints(4321);
    store.releaseWrites();
    return fileBytes(dir.path("savegame.txt"));
}

// Runs body in a child process and returns how it ended: its exit code, or
// 128 + the signal that ended it. With unprivileged = true the child first
// becomes the user "nobody" (root ignores file permissions), or exits with
// 77 when it cannot.
int inChild(const std::function<int()>& body, bool unprivileged) {
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

// The start-up reads of the game: every field of levels 0..20, fields 1..4
// of the special levels, the highscore.
void startUpReads(ProgressStore& store) {
    for (int level = 0; level <= 20; ++level)
        for (int field = 1; field <= 5; ++field) store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
    for (int level : {49, 50, 51, 52, 53, 55, 56, 58, 59})
        for (int field = 1; field <= 4; ++field) store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
    store.loadHighscore();
}

}  // namespace

// A write that the system cuts short (here the file size limit, as a full
// disk would) leaves the old file whole, whether the process is stopped by
// the signal or told with an error.
TEST(ProgressStoreDisk, AWriteTheDiskRefusesLeavesTheOldFileWhole) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const Bytes old = progressOnDisk(dir);
    ASSERT_EQ(old.size(), 1000u);

    auto refusedWrite = [&]() -> int {
        const rlimit limit{500, 500};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        ProgressStore store;
        store.setDirectory(dir.path("").c_str());
        if (store.getField(3, 4) != 103) return 11;
        store.setField(3, 4, 7777);  // the write fails: setField reports nothing
        if (store.write()) return 12;
        return store.getField(3, 4) == 103 ? 0 : 13;  // the next read sees the old file
    };

    // Told with an error (SIGXFSZ ignored): the write reports failure and
    // takes its temporary file away again.
    const int told = inChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        return refusedWrite();
    }, false);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(fileBytes(dir.path("savegame.txt")), old);
    EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"});

    // Stopped by the signal in the middle of the write: the old file is
    // still there, whole (a temporary file may stay beside it).
    const int stopped = inChild([&] {
        ::signal(SIGXFSZ, SIG_DFL);
        return refusedWrite();
    }, false);
    EXPECT_EQ(stopped, 128 + SIGXFSZ);
    EXPECT_EQ(fileBytes(dir.path("savegame.txt")), old);

    // A later game that may write again replaces the file as usual.
    ProgressStore store;
    store.setDirectory(dir.path("").c_str());
    EXPECT_EQ(store.getField(4, 4), 104);
    store.setField(3, 4, 555);
    EXPECT_EQ(store.getField(3, 4), 555);
    EXPECT_EQ(store.getField(4, 4), 104);
}

// The rename of the atomic write could replace a file the game may not
// write, or one it could not read and so never saw. Neither is replaced: a
// game started on them plays, and the file stays as it was.
TEST(ProgressStoreDisk, FilesTheGameMayNotReadOrWriteAreNeverReplaced) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const Bytes old = progressOnDisk(dir);
    // Everybody may write in the directory: without the store's own care
    // the rename would go through.
    fs::permissions(dir.path(""), fs::perms::all);

    struct Case {
        const char* what;
        fs::perms mode;
        std::int32_t ownOfLevel3;  // what the game reads
    };
    const Case cases[] = {
        {"read-only", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, 103},
        {"unreadable", fs::perms::owner_read | fs::perms::owner_write, 0},
    };
    for (const Case& c : cases) {
        fs::permissions(dir.path("savegame.txt"), c.mode);
        const int result = inChild([&]() -> int {
            ProgressStore store;
            store.setDirectory(dir.path("").c_str());
            startUpReads(store);
            if (store.getField(3, 4) != c.ownOfLevel3) return 1;
            // A first start (nothing could be read) or a won dance: both write.
            store.holdWrites();
            for (int level = 1; level <= 20; ++level) store.setField(static_cast<std::uint8_t>(level), 4, 9);
            if (store.releaseWrites()) return 2;
            store.setHighscorePoints(1);
            return store.write() ? 3 : 0;
        }, true);
        if (result == 77) GTEST_SKIP() << "no unprivileged user to run as";
        EXPECT_EQ(result, 0) << c.what;
        EXPECT_EQ(fileBytes(dir.path("savegame.txt")), old) << c.what;
        EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"}) << c.what;
    }
}

// In a directory the game may not write to, a write fails and the old file
// survives untouched.
TEST(ProgressStoreDisk, AReadOnlyDirectoryKeepsTheOldFileIntact) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const Bytes old = progressOnDisk(dir);
    fs::permissions(dir.path(""), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const int result = inChild([&]() -> int {
        ProgressStore store;
        store.setDirectory(dir.path("").c_str());
        if (store.getField(3, 4) != 103) return 77;  // cannot even read: not the case under test
        store.setField(3, 4, 999);
        store.setHighscoreName("Nobody");
        if (store.write()) return 1;
        return store.getField(3, 4) == 103 ? 0 : 2;  // the next read reloads the old file
    }, true);
    fs::permissions(dir.path(""), fs::perms::owner_all, fs::perm_options::add);
    if (result == 77) GTEST_SKIP() << "no unprivileged user can reach the temporary directory";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fileBytes(dir.path("savegame.txt")), old);
    EXPECT_EQ(namesIn(dir.path("")), std::vector<std::string>{"savegame.txt"});
}

// A progress file kept elsewhere through a symbolic link stays there: the
// link is kept and its target gets the new progress.
TEST(ProgressStoreDisk, ALinkedFileIsReplacedBehindItsLink) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    fs::create_directory(dir.path("elsewhere"));
    progressOnDisk(dir);
    fs::rename(dir.path("savegame.txt"), dir.path("elsewhere/progress.bin"));
    fs::create_symlink("elsewhere/progress.bin", dir.path("savegame.txt"));

    ProgressStore store;
    store.setDirectory(dir.path("").c_str());
    EXPECT_EQ(store.getField(5, 4), 105);
    store.setField(5, 4, 321);
    EXPECT_TRUE(store.write());
    EXPECT_TRUE(fs::is_symlink(dir.path("savegame.txt")));
    EXPECT_EQ(store.getField(5, 4), 321);
    EXPECT_EQ(fileBytes(dir.path("elsewhere/progress.bin")).size(), 1000u);
    EXPECT_EQ(namesIn(dir.path("elsewhere")), std::vector<std::string>{"progress.bin"});

    // A link to nothing is left alone: it is the player's, not ours to replace.
    fs::remove(dir.path("elsewhere/progress.bin"));
    store.setField(5, 4, 11);
    EXPECT_FALSE(store.write());
    EXPECT_TRUE(fs::is_symlink(dir.path("savegame.txt")));
    EXPECT_FALSE(fs::exists(dir.path("elsewhere/progress.bin")));
}

// Files of any length and content: the start-up reads never change them,
// and the writes of a dance change only the bytes they name.
TEST(ProgressStoreDisk, StartUpNeverChangesAFileAndWritesKeepEveryOtherByte) {
    std::mt19937 random(20240601u);
    std::vector<std::pair<std::string, Bytes>> files = {
        {"empty", {}},
        {"three bytes", {'1', '2', '3'}},
        {"a thousand zeros", Bytes(1000, 0)},
        {"non-digits", Bytes(1000, 'x')},
        {"minus signs and spaces", Bytes(1200, '-')},
    };
    for (std::size_t length : {1u, 17u, 565u, 999u, 1000u, 1001u, 4096u}) {
        Bytes bytes(length);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        files.emplace_back("random " + std::to_string(length), bytes);
    }
    for (const auto& [what, content] : files) {
        TempDirectory dir;
        ASSERT_TRUE(dir.write("savegame.txt", content));
        ProgressStore store;
        store.setDirectory(dir.path("").c_str());
        startUpReads(store);
        EXPECT_EQ(store.highscoreName[10], '\0') << what;
        for (const char* c = store.highscoreName; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126) << what;
        for (int level = 1; level <= 50; ++level) {
            for (int field = 1; field <= 5; ++field) {
                const std::int32_t value = store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
                EXPECT_TRUE(value >= -999 && value <= 9999) << what << ": " << value;
            }
        }
        EXPECT_EQ(fileBytes(dir.path("savegame.txt")), content) << what;

        // A won dance on level 7: only its 20 bytes change; the image is
        // the file's first 1000 bytes (zeros past a shorter file).
        Bytes expected(1000, 0);
        std::copy_n(content.begin(), std::min<std::size_t>(content.size(), 1000), expected.begin());
        for (int field = 1; field <= 4; ++field) store.setField(7, static_cast<std::uint8_t>(field), 10 * field);
        const Bytes after = fileBytes(dir.path("savegame.txt"));
        ASSERT_EQ(after.size(), 1000u) << what;
        for (std::size_t i = 0; i < 1000; ++i) {
            if (i >= 120 && i < 136) continue;
            EXPECT_EQ(after[i], expected[i]) << what << ", byte " << i;
        }
        EXPECT_EQ(store.getField(7, 3), 30) << what;
    }
}

// The game's loading step over damaged files: it reads every record, keeps
// what it could read, writes a first start's tables only over records that
// hold no own score, and opens with a level and difficulty it can play.
TEST(ProgressStoreDisk, TheGameStartsOnADamagedFileAndKeepsWhatItHolds) {
    std::mt19937 random(77u);
    std::vector<Bytes> files = {{}, {'7'}, Bytes(1000, 0), Bytes(1000, 0xFF), Bytes(1000, '9'), Bytes(3000, '-')};
    for (int i = 0; i < 20; ++i) {
        Bytes bytes(random() % 1500);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random() % 3 == 0 ? '0' + random() % 10 : random());
        files.push_back(bytes);
    }
    const std::int32_t baseScores[Progression::firstStartLevels] = {0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
                                                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
    for (std::size_t n = 0; n < files.size(); ++n) {
        TempDirectory dir;
        ASSERT_TRUE(dir.write("savegame.txt", files[n]));
        ProgressStore store;
        store.setDirectory(dir.path("").c_str());
        LevelRecord records[Progression::recordCount];
        Progression progression(records, 9);
        progression.readRecords(store);
        store.loadHighscore();
        const bool firstStart = progression.ownTotal() == 0;
        if (firstStart) progression.deriveFirstStart(store, baseScores);
        std::uint8_t difficulty = 1;
        const LevelChoice start = progression.chooseStart(difficulty);
        EXPECT_TRUE((start.level >= 1 && start.level <= 9) || start.level == Progression::guidedLevel)
            << "file " << n << ": level " << start.level;
        EXPECT_TRUE(difficulty >= 1 && difficulty <= 3) << "file " << n;

        // Bytes past the records a first start writes (levels 1..20) are the
        // file's own; without a first start nothing was written at all.
        const Bytes after = fileBytes(dir.path("savegame.txt"));
        if (!firstStart) {
            EXPECT_EQ(after, files[n]) << "file " << n;
            continue;
        }
        ASSERT_EQ(after.size(), 1000u) << "file " << n;
        for (std::size_t i = 400; i < 1000; ++i) {
            const std::uint8_t old = i < files[n].size() ? files[n][i] : 0;
            ASSERT_EQ(after[i], old) << "file " << n << ", byte " << i;
        }
    }
}
