#pragma once

// Each input is written to a file in one private directory, because the game
// reads its pictures, sounds and progress from files.

#include <cstdio>
#include <cstdlib>

#include "support/TempDirectory.h"

// A finding that no sanitizer would report: stop with a message, so that
// libFuzzer keeps the input as a crash.
#define FUZZ_REQUIRE(condition)                                                                              \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: requirement failed: %s\n", __FILE__, __LINE__, #condition);         \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace fuzzfiles {

// One directory for the whole run: a static, so that it goes at exit.
inline const TempDirectory& scratch() {
    static const TempDirectory directory;
    FUZZ_REQUIRE(directory.ok());
    return directory;
}

// The input as the named file of the scratch directory, and its path; a disk
// that refuses stops the run, since every later check would test nothing.
inline std::string write(const char* name, const std::uint8_t* data, std::size_t size) {
    FUZZ_REQUIRE(scratch().write(name, data, size));
    return scratch().path(name);
}

}  // namespace fuzzfiles
