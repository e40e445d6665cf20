#include "app/DataPaths.h"
#include "app/SystemPaths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

// A file system in which only the listed directories hold the game's files.
bool listedHoldsData(const char* directory, void* context) {
    for (const std::string& d : *static_cast<const std::vector<std::string>*>(context))
        if (d == directory) return true;
    return false;
}

const char* const usr = "/usr/share/games/velvetarium";
const char* const local = "/usr/local/share/games/velvetarium";
const char* const share = "/home/player/.local/share/velvetarium";
const char* const state = "/home/player/.local/state/velvetarium";

DataPaths decide(PathEnvironment environment, const std::vector<std::string>& withData) {
    environment.holdsGameData = listedHoldsData;
    environment.context = const_cast<std::vector<std::string>*>(&withData);
    return decideDataPaths(environment);
}

}  // namespace

TEST(DataPaths, WhereTheDataLiesDecidesTheModeAndThePlayersDirectories) {
    using Mode = DataPaths::Mode;
    const std::string overlong = "/" + std::string(DataPaths::capacity + 10, 'x') + "/velvetarium";
    const struct {
        const char *what, *executable, *prefix;
        std::vector<std::string> withData;  // the directories that hold the game's files
        Mode mode;
        const char *data, *progress, *log;
    } rows[] = {
        {"run directory", "/usr/games/velvetarium", "/usr", {"", usr}, Mode::workingDirectory, "", "", ""},
        {"installed", "/usr/games/velvetarium", "/usr", {usr}, Mode::installed, usr, share, state},
        {"unknown executable", nullptr, "/usr/local", {local}, Mode::installed, local, share, state},
        {"no directory part", "velvetarium", "/usr/local", {local}, Mode::installed, local, share, state},
        {"executable path too long", overlong.c_str(), "/usr", {usr}, Mode::installed, usr, share, state},
        {"relocated install", "/opt/velvet/games/velvetarium", "/usr", {usr, "/opt/velvet/share/games/velvetarium"},
         Mode::installed, "/opt/velvet/share/games/velvetarium", share, state},
        {"relocated without its data", "/opt/velvet/games/velvetarium", "/usr", {usr}, Mode::installed, usr, share,
         state},
        {"run directory started from elsewhere", "/src/velvetarium/build/game/velvetarium", "/usr",
         {"/src/velvetarium/build/game", usr}, Mode::runDirectory, "/src/velvetarium/build/game", "", ""},
        {"run directory at the root", "/velvetarium", "/usr", {"/", usr}, Mode::runDirectory, "/", "", ""},
        {"no data anywhere, relative prefix never used", "/usr/games/velvetarium", "relative/prefix",
         {"/somewhere/else", "relative/prefix/share/games/velvetarium"}, Mode::notFound, "", "", ""},
        {"nothing known", nullptr, nullptr, {usr}, Mode::notFound, "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        // A run directory keeps its files whatever XDG says.
        const char* xdgData = row.mode == Mode::installed ? nullptr : "/elsewhere/data";
        const DataPaths paths = decide(
            {.home = "/home/player", .xdgDataHome = xdgData, .executable = row.executable, .installPrefix = row.prefix},
            row.withData);
        EXPECT_EQ(paths.mode, row.mode);
        EXPECT_EQ(paths.dataDirectory + std::string("|") + paths.progressDirectory + "|" + paths.logDirectory,
                  row.data + std::string("|") + row.progress + "|" + row.log);
    }
}

// Installed: absolute XDG values are used, anything else falls back to the
// home, and without an absolute home there is no directory rather than a
// relative or a cut one.
TEST(DataPaths, PlayersDirectoriesFollowXdgAndTheHome) {
    const std::string overlong = "/" + std::string(DataPaths::capacity + 10, 'x');
    const std::string nearlyFull = "/" + std::string(DataPaths::capacity - 8, 'y');  // fits, not with "/velvetarium"
    const struct {
        const char *home, *xdgData, *xdgState, *progress, *log;
    } rows[] = {
        {"/home/player", nullptr, "", share, state},
        {"/home/player/", "relative/dir", "~/games", share, state},
        {"/home/player", "/var/xdg//", "/", "/var/xdg/velvetarium", "/velvetarium"},
        {nullptr, nullptr, "/state", "", "/state/velvetarium"},
        {"", "/data", nullptr, "/data/velvetarium", ""},
        {"relative/home", nullptr, "/state", "", "/state/velvetarium"},
        {"/home/player", overlong.c_str(), nearlyFull.c_str(), "", ""},
        {overlong.c_str(), nullptr, nullptr, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        const PathEnvironment environment{
            .home = row.home, .xdgDataHome = row.xdgData, .xdgStateHome = row.xdgState, .installPrefix = "/usr"};
        const DataPaths paths = decide(environment, {usr});
        EXPECT_EQ(paths.mode, DataPaths::Mode::installed);
        EXPECT_EQ(paths.progressDirectory + std::string("|") + paths.logDirectory,
                  row.progress + std::string("|") + row.log);
    }
}

TEST(SystemPaths, MakeDirectoriesMakesEveryMissingLevelPrivatelyOrFails) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const std::string deep = dir.path("home/.local/state/velvetarium");
    ASSERT_TRUE(makeDirectories(deep.c_str()));
    for (const std::string& made : {deep, dir.path("home/.local")}) {
        struct stat info {};
        ASSERT_EQ(stat(made.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 077, 0u) << made << ": per-user directories are private";
    }
    EXPECT_TRUE(makeDirectories(deep.c_str())) << "already there";
    EXPECT_TRUE(makeDirectories((deep + "/").c_str()));

    ASSERT_TRUE(dir.write("file", {}));
    for (const std::string& bad : {dir.path("file"), dir.path("file/below"), std::string(),
                                   dir.path(std::string(DataPaths::capacity, 'z'))})
        EXPECT_FALSE(makeDirectories(bad.c_str())) << bad.substr(0, 60);
    EXPECT_FALSE(makeDirectories(nullptr));
}

TEST(SystemPaths, GameDataIsRecognisedByItsFontPicture) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok() && makeDirectories(dir.path(std::string("a/") + dataProbeFile).c_str()));
    ASSERT_TRUE(makeDirectories(dir.path("b").c_str()) && dir.write(std::string("b/") + dataProbeFile, {}));
    EXPECT_FALSE(directoryHoldsGameData(dir.path("a").c_str(), nullptr)) << "a directory of that name is no picture";
    EXPECT_TRUE(directoryHoldsGameData(dir.path("b").c_str(), nullptr));
    EXPECT_FALSE(directoryHoldsGameData(dir.path("").c_str(), nullptr));
    EXPECT_FALSE(directoryHoldsGameData(nullptr, nullptr));
}
