#include "app/DataPaths.h"

#include <cstdio>
#include <cstring>

#include "files/PathJoin.h"

namespace {

bool isSet(const char* value) { return value != nullptr && value[0] != '\0'; }

bool isAbsolute(const char* value) { return isSet(value) && value[0] == '/'; }

bool copy(char* out, int size, const char* text) {
    const std::size_t length = std::strlen(text);
    if (length >= static_cast<std::size_t>(size)) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text, length + 1);
    return true;
}

bool holds(const PathEnvironment& environment, const char* directory) {
    return environment.holdsGameData != nullptr && environment.holdsGameData(directory, environment.context);
}

// <prefix>/share/games/velvetarium, for a prefix that is an absolute path.
bool installedData(char* out, int size, const char* prefix) {
    return isAbsolute(prefix) && joinPath(out, static_cast<std::size_t>(size), prefix, installedDataDirectory);
}

// The per-user directory of the game below one base directory; stays empty
// when there is no usable base.
void userDirectory(char* out, int size, const char* value, const char* home, const char* fallback) {
    char base[DataPaths::capacity];
    if (!xdgBaseDirectory(base, sizeof base, value, home, fallback) ||
        !joinPath(out, static_cast<std::size_t>(size), base, userDirectoryName)) {
        out[0] = '\0';
    }
}

}  // namespace

bool xdgBaseDirectory(char* out, int size, const char* value, const char* home, const char* fallback) {
    out[0] = '\0';
    if (isAbsolute(value)) {
        char trimmed[DataPaths::capacity];
        if (!copy(trimmed, sizeof trimmed, value)) return false;
        std::size_t length = std::strlen(trimmed);
        while (length > 1 && trimmed[length - 1] == '/') trimmed[--length] = '\0';
        return copy(out, size, trimmed);
    }
    // A home that is not an absolute path would put the files wherever the
    // game happens to be started: better no per-user directory at all.
    if (!isAbsolute(home)) return false;
    return joinPath(out, static_cast<std::size_t>(size), home, fallback);
}

bool parentDirectory(char* out, int size, const char* path) {
    out[0] = '\0';
    if (!isSet(path)) return false;
    const char* slash = std::strrchr(path, '/');
    if (slash == nullptr) return false;
    std::size_t length = static_cast<std::size_t>(slash - path);
    if (length == 0) length = 1;  // the root keeps its slash
    if (length >= static_cast<std::size_t>(size)) return false;
    std::memcpy(out, path, length);
    out[length] = '\0';
    return true;
}

DataPaths decideDataPaths(const PathEnvironment& environment) {
    DataPaths paths;
    // Started in a run directory: everything stays where it always was.
    if (holds(environment, "")) {
        paths.mode = DataPaths::Mode::workingDirectory;
        return paths;
    }

    char programDirectory[DataPaths::capacity] = {};
    char candidate[DataPaths::capacity] = {};
    const bool knowsProgram = parentDirectory(programDirectory, sizeof programDirectory, environment.executable);

    // A relocated install first: <prefix>/games/velvetarium finds its data in
    // <prefix>/share/games/velvetarium wherever that prefix was moved, and
    // wins over another copy installed at the built-in prefix.
    char relocatedPrefix[DataPaths::capacity] = {};
    bool found = knowsProgram && parentDirectory(relocatedPrefix, sizeof relocatedPrefix, programDirectory) &&
                 installedData(candidate, sizeof candidate, relocatedPrefix) && holds(environment, candidate);

    // A run directory started from elsewhere (./build/game/velvetarium from
    // the source tree) is still a run directory: its files stay in it.
    if (!found && knowsProgram && holds(environment, programDirectory)) {
        paths.mode = DataPaths::Mode::runDirectory;
        copy(paths.dataDirectory, DataPaths::capacity, programDirectory);
        return paths;
    }

    if (!found) {
        found = installedData(candidate, sizeof candidate, environment.installPrefix) &&
                holds(environment, candidate);
    }

    if (!found) {
        // Nothing to read anywhere: behave as before, so that the log of the
        // working directory tells what is missing.
        paths.mode = DataPaths::Mode::notFound;
        return paths;
    }

    paths.mode = DataPaths::Mode::installed;
    copy(paths.dataDirectory, DataPaths::capacity, candidate);
    userDirectory(paths.progressDirectory, DataPaths::capacity, environment.xdgDataHome, environment.home,
                  ".local/share");
    userDirectory(paths.logDirectory, DataPaths::capacity, environment.xdgStateHome, environment.home,
                  ".local/state");
    return paths;
}
