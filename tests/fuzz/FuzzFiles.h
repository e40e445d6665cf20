#pragma once

// A private directory for one fuzzing process: each input is written to a
// file in it, because the game reads its pictures, sounds and progress from
// files. The directory and what is in it go when the process ends.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

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

class ScratchDirectory {
public:
    // In memory where there is a tmpfs: the progress store syncs every write,
    // which on a disk would make each run a hundred times slower.
    ScratchDirectory() {
        std::error_code ignored;
        const std::filesystem::path base = ::access("/dev/shm", W_OK) == 0
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path(ignored);
        dir = (base / "velvetarium-fuzz-XXXXXX").string();
        FUZZ_REQUIRE(mkdtemp(dir.data()) != nullptr);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    const std::string& path() const { return dir; }

    // Replaces the named file with exactly these bytes; a disk that refuses
    // stops the run, since every later check would then test nothing.
    std::string write(const char* name, const std::uint8_t* data, std::size_t size) const {
        const std::string target = dir + "/" + name;
        std::FILE* file = std::fopen(target.c_str(), "wb");
        FUZZ_REQUIRE(file != nullptr);
        const bool whole = size == 0 || std::fwrite(data, 1, size, file) == size;
        FUZZ_REQUIRE(std::fclose(file) == 0 && whole);
        return target;
    }
    void remove(const char* name) const { ::unlink((dir + "/" + name).c_str()); }

private:
    std::string dir;
};

// One directory for the whole run: a static, so its destructor runs at exit.
inline ScratchDirectory& scratch() {
    static ScratchDirectory directory;
    return directory;
}

}  // namespace fuzzfiles
