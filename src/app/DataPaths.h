#pragma once

// Where the game reads its pictures, sounds and music, and where it keeps
// "savegame.txt" and "log.txt".
//
// Started in its own run directory (the working directory holds the game's
// pictures) everything stays there. An installed game started from a desktop
// menu reads its files from <prefix>/share/games/velvetarium and keeps the
// player's files in the per-user directories of the XDG base directory
// convention: progress in $XDG_DATA_HOME/velvetarium, the log in
// $XDG_STATE_HOME/velvetarium.
//
// The decision is a pure function of a PathEnvironment, so that every case
// can be tried without touching the process's own environment or files.

// Install layout below the prefix (Debian's place for games).
constexpr const char* installedBinaryDirectory = "games";
constexpr const char* installedDataDirectory = "share/games/velvetarium";
// Name of the game's own directory inside the per-user base directories.
constexpr const char* userDirectoryName = "velvetarium";
// A picture every start reads (the font): a directory that holds it holds
// the game's files.
constexpr const char* dataProbeFile = "476.tga";

// What the decision looks at. Null and "" both mean "not set".
struct PathEnvironment {
    const char* home = nullptr;          // $HOME, or the account's home
    const char* xdgDataHome = nullptr;   // $XDG_DATA_HOME as it is
    const char* xdgStateHome = nullptr;  // $XDG_STATE_HOME as it is
    const char* executable = nullptr;    // absolute path of the running program
    const char* installPrefix = nullptr; // the prefix the game was built for
    // True when the directory ("" is the working directory) holds the game's
    // pictures. Never null when the environment is used.
    bool (*holdsGameData)(const char* directory, void* context) = nullptr;
    void* context = nullptr;
};

struct DataPaths {
    static constexpr int capacity = 4096;

    enum class Mode {
        workingDirectory,  // the working directory is the run directory
        runDirectory,      // the executable's own directory is the run directory
        installed,         // installed data, per-user progress and log
        notFound,          // no game files anywhere: stay in the working directory
    };

    Mode mode = Mode::workingDirectory;
    // Where to change to before anything is read; "" stays where it is.
    char dataDirectory[capacity] = {};
    // Directories of "savegame.txt" and "log.txt"; "" is the working
    // directory. Installed, "" means no usable home was found.
    char progressDirectory[capacity] = {};
    char logDirectory[capacity] = {};

    bool perUser() const { return mode == Mode::installed; }
};

// The per-user base directory: the variable's value when it is an absolute
// path (relative values are ignored, as the convention says), otherwise
// home + "/" + fallback (".local/share" or ".local/state"). False, and out
// empty, without an absolute value or home, or when it does not fit.
bool xdgBaseDirectory(char* out, int size, const char* value, const char* home, const char* fallback);

// The directory of a path: "/a/b/c" gives "/a/b", "/a" gives "/". False for
// a path without a slash or one that does not fit.
bool parentDirectory(char* out, int size, const char* path);

// Decides every directory from the environment.
DataPaths decideDataPaths(const PathEnvironment& environment);
