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
struct FakeDisk {
    std::vector<std::string> withData;

    static bool probe(const char* directory, void* context) {
        const auto* disk = static_cast<const FakeDisk*>(context);
        for (const std::string& d : disk->withData) {
            if (d == directory) return true;
        }
        return false;
    }
};

class DataPathsTest : public ::testing::Test {
protected:
    DataPathsTest() {
        environment.home = "/home/player";
        environment.executable = "/usr/games/velvetarium";
        environment.installPrefix = "/usr";
        environment.holdsGameData = FakeDisk::probe;
        environment.context = &disk;
    }

    DataPaths decide() { return decideDataPaths(environment); }

    FakeDisk disk;
    PathEnvironment environment;
};

TEST_F(DataPathsTest, WhereTheDataLiesDecidesTheModeAndThePlayersDirectories) {
    using Mode = DataPaths::Mode;
    const char* usr = "/usr/share/games/velvetarium";
    const char* local = "/usr/local/share/games/velvetarium";
    const char* home = "/home/player/.local/share/velvetarium";
    const char* state = "/home/player/.local/state/velvetarium";
    const struct {
        const char* what;
        const char* executable;
        const char* prefix;
        std::vector<std::string> withData;
        Mode mode;
        const char* data;
        const char* progress;
        const char* log;
    } cases[] = {
        {"run directory", "/usr/games/velvetarium", "/usr", {"", usr}, Mode::workingDirectory, "", "", ""},
        {"installed", "/usr/games/velvetarium", "/usr", {usr}, Mode::installed, usr, home, state},
        {"unknown executable", nullptr, "/usr/local", {local}, Mode::installed, local, home, state},
        {"a copy elsewhere", "/some/copy/velvetarium", "/usr/local", {local}, Mode::installed, local, home, state},
        {"no directory part", "velvetarium", "/usr/local", {local}, Mode::installed, local, home, state},
        {"relocated install", "/opt/velvet/games/velvetarium", "/usr",
         {usr, "/opt/velvet/share/games/velvetarium"}, Mode::installed, "/opt/velvet/share/games/velvetarium", home,
         state},
        {"relocated without its data", "/opt/velvet/games/velvetarium", "/usr", {usr}, Mode::installed, usr, home,
         state},
        {"run directory started from elsewhere", "/src/velvetarium/build/game/velvetarium", "/usr",
         {"/src/velvetarium/build/game", usr}, Mode::runDirectory, "/src/velvetarium/build/game", "", ""},
        {"no data anywhere, relative prefix never used", "/usr/games/velvetarium", "relative/prefix",
         {"/somewhere/else", "relative/prefix/share/games/velvetarium"}, Mode::notFound, "", "", ""},
        {"nothing known", nullptr, nullptr, {usr}, Mode::notFound, "", "", ""},
    };
    environment.xdgDataHome = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        environment.executable = c.executable;
        environment.installPrefix = c.prefix;
        disk.withData = c.withData;
        const DataPaths paths = decide();
        EXPECT_EQ(paths.mode, c.mode);
        EXPECT_EQ(paths.perUser(), c.mode == Mode::installed);
        EXPECT_STREQ(paths.dataDirectory, c.data);
        EXPECT_STREQ(paths.progressDirectory, c.progress);
        EXPECT_STREQ(paths.logDirectory, c.log);
    }
    // A run directory keeps the player's files beside it whatever XDG says.
    disk.withData = {"", usr};
    environment.xdgDataHome = "/elsewhere/data";
    EXPECT_STREQ(decide().progressDirectory, "");
}

// The XDG variables: absolute values are used, anything else is ignored.
struct XdgCase {
    const char* value;
    const char* data;
    const char* state;
};

TEST_F(DataPathsTest, XdgVariablesSetUnsetEmptyOrRelative) {
    disk.withData = {"/usr/share/games/velvetarium"};
    const XdgCase cases[] = {
        {nullptr, "/home/player/.local/share/velvetarium", "/home/player/.local/state/velvetarium"},
        {"", "/home/player/.local/share/velvetarium", "/home/player/.local/state/velvetarium"},
        {"relative/dir", "/home/player/.local/share/velvetarium", "/home/player/.local/state/velvetarium"},
        {"~/games", "/home/player/.local/share/velvetarium", "/home/player/.local/state/velvetarium"},
        {"/var/xdg", "/var/xdg/velvetarium", "/var/xdg/velvetarium"},
        {"/var/xdg//", "/var/xdg/velvetarium", "/var/xdg/velvetarium"},
        {"/", "/velvetarium", "/velvetarium"},
    };
    for (const XdgCase& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        environment.xdgDataHome = c.value;
        environment.xdgStateHome = nullptr;
        DataPaths paths = decide();
        EXPECT_STREQ(paths.progressDirectory, c.data);
        EXPECT_STREQ(paths.logDirectory, "/home/player/.local/state/velvetarium");

        environment.xdgDataHome = nullptr;
        environment.xdgStateHome = c.value;
        paths = decide();
        EXPECT_STREQ(paths.progressDirectory, "/home/player/.local/share/velvetarium");
        EXPECT_STREQ(paths.logDirectory, c.state);
    }
}

TEST_F(DataPathsTest, WithoutAUsableHomeOnlyAbsoluteXdgValuesGiveDirectories) {
    disk.withData = {"/usr/share/games/velvetarium"};
    for (const char* home : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        SCOPED_TRACE(home ? home : "(unset)");
        environment.home = home;
        environment.xdgDataHome = nullptr;
        environment.xdgStateHome = "/state";
        const DataPaths paths = decide();
        EXPECT_EQ(paths.mode, DataPaths::Mode::installed);
        EXPECT_STREQ(paths.progressDirectory, "");
        EXPECT_STREQ(paths.logDirectory, "/state/velvetarium");
    }
    environment.home = "/home/player/";
    environment.xdgStateHome = nullptr;
    EXPECT_STREQ(decide().logDirectory, "/home/player/.local/state/velvetarium");
}

TEST_F(DataPathsTest, OverlongValuesGiveNoDirectoryRatherThanACutOne) {
    disk.withData = {"/usr/share/games/velvetarium"};
    const std::string longValue = "/" + std::string(DataPaths::capacity + 10, 'x');
    environment.xdgDataHome = longValue.c_str();
    const std::string nearlyFull = "/" + std::string(DataPaths::capacity - 8, 'y');
    environment.xdgStateHome = nearlyFull.c_str();  // fits, but not with "/velvetarium"
    const DataPaths paths = decide();
    EXPECT_STREQ(paths.progressDirectory, "");
    EXPECT_STREQ(paths.logDirectory, "");

    environment.xdgDataHome = nullptr;
    environment.xdgStateHome = nullptr;
    environment.home = longValue.c_str();
    EXPECT_STREQ(decide().progressDirectory, "");
}

TEST(ParentDirectory, CutsTheLastComponent) {
    char out[64];
    EXPECT_TRUE(parentDirectory(out, sizeof out, "/usr/games/velvetarium"));
    EXPECT_STREQ(out, "/usr/games");
    EXPECT_TRUE(parentDirectory(out, sizeof out, "/velvetarium"));
    EXPECT_STREQ(out, "/");
    EXPECT_FALSE(parentDirectory(out, sizeof out, "velvetarium"));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(parentDirectory(out, sizeof out, ""));
    EXPECT_FALSE(parentDirectory(out, sizeof out, nullptr));
    EXPECT_FALSE(parentDirectory(out, 4, "/usr/games/velvetarium"));
    EXPECT_STREQ(out, "");
}

// The real file system, in a private temporary directory.
class SystemPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        root = dir.path("tree");
        ASSERT_EQ(mkdir(root.c_str(), 0755), 0);
    }
    static bool isDirectory(const std::string& path, mode_t* mode = nullptr) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
        if (mode) *mode = info.st_mode & 07777;
        return true;
    }
    TempDirectory dir;
    std::string root;
};

TEST_F(SystemPathsTest, MakeDirectoriesCreatesEveryMissingLevelPrivately) {
    const std::string deep = root + "/home/.local/state/velvetarium";
    ASSERT_TRUE(makeDirectories(deep.c_str()));
    mode_t mode = 0;
    ASSERT_TRUE(isDirectory(deep, &mode));
    EXPECT_EQ(mode & 077, 0u) << "per-user directories are private";
    ASSERT_TRUE(isDirectory(root + "/home/.local", &mode));
    EXPECT_EQ(mode & 077, 0u);
    // Again, and with a trailing slash: nothing to do, still true.
    EXPECT_TRUE(makeDirectories(deep.c_str()));
    EXPECT_TRUE(makeDirectories((deep + "/").c_str()));
}

TEST_F(SystemPathsTest, MakeDirectoriesFailsOnAFileInTheWayOrNoPath) {
    ASSERT_TRUE(dir.write("tree/file", {}));
    EXPECT_FALSE(makeDirectories((root + "/file").c_str()));
    EXPECT_FALSE(makeDirectories((root + "/file/below").c_str()));
    EXPECT_FALSE(makeDirectories(""));
    EXPECT_FALSE(makeDirectories(nullptr));
    const std::string tooLong = root + "/" + std::string(DataPaths::capacity, 'z');
    EXPECT_FALSE(makeDirectories(tooLong.c_str()));
}

TEST_F(SystemPathsTest, GameDataIsRecognisedByItsFontPicture) {
    EXPECT_FALSE(directoryHoldsGameData(root.c_str(), nullptr));
    // A directory of that name is no picture.
    ASSERT_EQ(mkdir((root + "/" + dataProbeFile).c_str(), 0755), 0);
    EXPECT_FALSE(directoryHoldsGameData(root.c_str(), nullptr));
    const std::string data = root + "/data";
    ASSERT_EQ(mkdir(data.c_str(), 0755), 0);
    ASSERT_TRUE(dir.write(std::string("tree/data/") + dataProbeFile, {}));
    EXPECT_TRUE(directoryHoldsGameData(data.c_str(), nullptr));
    EXPECT_FALSE(directoryHoldsGameData(nullptr, nullptr));
}

}  // namespace
