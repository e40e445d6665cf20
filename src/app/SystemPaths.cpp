#include "app/SystemPaths.h"

#include "app/InstallPrefix.h"
#include "app/Log.h"
#include "files/PathJoin.h"
#include "game/ProgressStore.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* logFileName = "log.txt";

bool isDirectory(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Makes a per-user directory; says on stderr why it could not.
bool makeUserDirectory(const char* path, const char* what) {
    if (path[0] == '\0') {
        std::fprintf(stderr, "velvetarium: no home directory, so no place for the %s\n", what);
        return false;
    }
    if (!makeDirectories(path)) {
        std::fprintf(stderr, "velvetarium: cannot create %s for the %s: %s\n", path, what, std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace

bool directoryHoldsGameData(const char* directory, void* /*context*/) {
    char path[DataPaths::capacity];
    if (directory == nullptr || !joinPath(path, sizeof path, directory, dataProbeFile)) return false;
    struct stat info {};
    return stat(path, &info) == 0 && S_ISREG(info.st_mode) && access(path, R_OK) == 0;
}

bool makeDirectories(const char* path) {
    if (path == nullptr || path[0] == '\0') return false;
    char partial[DataPaths::capacity];
    const std::size_t length = std::strlen(path);
    if (length >= sizeof partial) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(partial, path, length + 1);
    // Each prefix that ends before a slash, then the whole path.
    for (std::size_t i = 1; i <= length; ++i) {
        if (i < length && partial[i] != '/') continue;
        const char kept = partial[i];
        partial[i] = '\0';
        // An existing parent may refuse mkdir with another error than EEXIST
        // (a read-only file system): what counts is that it is a directory.
        if (mkdir(partial, 0700) != 0) {
            const int error = errno;
            if (!isDirectory(partial)) {
                errno = error;
                return false;
            }
        }
        partial[i] = kept;
    }
    if (!isDirectory(path)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

SystemEnvironment::SystemEnvironment() {
    env.home = std::getenv("HOME");
    if (env.home == nullptr || env.home[0] == '\0') {
        // Started without $HOME (by some session managers): ask the account.
        struct passwd entry {};
        struct passwd* result = nullptr;
        char buffer[4096];
        if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &result) == 0 && result != nullptr &&
            result->pw_dir != nullptr && std::strlen(result->pw_dir) < sizeof home) {
            std::strcpy(home, result->pw_dir);
            env.home = home;
        }
    }
    env.xdgDataHome = std::getenv("XDG_DATA_HOME");
    env.xdgStateHome = std::getenv("XDG_STATE_HOME");
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length > 0) {
        executable[length] = '\0';
        env.executable = executable;
    }
    env.installPrefix = velvetariumInstallPrefix;
    env.holdsGameData = directoryHoldsGameData;
}

DataPaths settleDataPaths() {
    const SystemEnvironment system;
    DataPaths paths = decideDataPaths(system.environment());
    if (paths.dataDirectory[0] != '\0' && chdir(paths.dataDirectory) != 0) {
        // The directory was just found readable; if it vanished meanwhile,
        // the working directory is all there is.
        std::fprintf(stderr, "velvetarium: cannot enter %s: %s\n", paths.dataDirectory, std::strerror(errno));
        paths.mode = DataPaths::Mode::notFound;
        paths.dataDirectory[0] = paths.progressDirectory[0] = paths.logDirectory[0] = '\0';
        return paths;
    }
    if (!paths.perUser()) {
        return paths;
    }
    // A failed progress directory makes every save fail quietly, as a full
    // disk would; the game itself still runs.
    makeUserDirectory(paths.progressDirectory, "progress");
    char log[DataPaths::capacity];
    if (makeUserDirectory(paths.logDirectory, "log") && joinPath(log, sizeof log, paths.logDirectory, logFileName)) {
        logSetPath(log);
    } else {
        std::fprintf(stderr, "velvetarium: playing without a log\n");
        logSetPath("/dev/null");
    }
    return paths;
}

void logDataPaths(const DataPaths& paths) {
    switch (paths.mode) {
    case DataPaths::Mode::installed:
        logWrite("Game files: %s\n", paths.dataDirectory);
        logWrite("Progress: %s/%s\n\n", paths.progressDirectory, ProgressStore::fileName);
        break;
    case DataPaths::Mode::notFound:
        logWrite("Game files not found here nor in %s/%s\n\n", velvetariumInstallPrefix, installedDataDirectory);
        break;
    case DataPaths::Mode::workingDirectory:
    case DataPaths::Mode::runDirectory:
        break;
    }
}
