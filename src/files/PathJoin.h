#pragma once

#include <cstddef>

// directory + "/" + name into out; the one path join of the game. An empty
// (or null) directory is the working directory: name alone. Slashes that end
// the directory become the one separator (the root stays "/"). False, with
// out empty, when the result does not fit. The sound bank, the data paths
// and the progress store all join with it.
bool joinPath(char* out, std::size_t size, const char* directory, const char* name);
