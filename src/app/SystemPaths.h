#pragma once

#include "app/DataPaths.h"

// The running process's side of DataPaths: its environment variables, its
// executable, its file system.

// True when the directory ("" is the working directory) holds the game's
// pictures. Fits PathEnvironment::holdsGameData; the context is unused.
bool directoryHoldsGameData(const char* directory, void* context);

// Makes the directory and every missing parent, as `mkdir -p` does; new
// directories get mode 0700, as the XDG convention asks for the per-user
// ones. True when the directory exists afterwards.
bool makeDirectories(const char* path);

// This process's environment: $HOME (or the account's home from the
// password database when $HOME is unset), the XDG variables, the executable
// from /proc/self/exe and the prefix the game was built for.
class SystemEnvironment {
public:
    SystemEnvironment();
    const PathEnvironment& environment() const { return env; }

private:
    char executable[DataPaths::capacity] = {};
    char home[DataPaths::capacity] = {};
    PathEnvironment env;
};

// Decides the paths and acts on them before the log opens: changes to the
// data directory, makes the per-user directories and points the log there.
// A per-user directory that cannot be made is reported on stderr; without a
// log directory the log goes to /dev/null and the game still runs.
DataPaths settleDataPaths();

// Writes where the files are read from and written to, once the log is open
// (only for an installed game: a run directory needs no explanation).
void logDataPaths(const DataPaths& paths);
