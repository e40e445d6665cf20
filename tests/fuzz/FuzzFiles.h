#pragma once

// A private directory for one fuzzing process: each input is written to a
// file in it, because the game reads its pictures, sounds and progress from
// files. The directory and what is in it go when the process ends.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fuzzfiles {

class ScratchDirectory {
public:
    ScratchDirectory() {
        // In memory where there is a tmpfs: the progress store syncs every
        // write, which on a disk would make each run a hundred times slower.
        std::error_code ignored;
        const std::filesystem::path base =
            ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path(ignored);
        std::string pattern = (base / "velvetarium-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        dir = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return dir; }
    std::string file(const char* name) const { return dir + "/" + name; }

    // Replaces the named file with exactly these bytes; aborts when the disk
    // refuses, since every later check would then test nothing.
    std::string write(const char* name, const std::uint8_t* data, std::size_t size) const {
        const std::string target = file(name);
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            std::perror(target.c_str());
            std::abort();
        }
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n <= 0) {
                std::perror(target.c_str());
                std::abort();
            }
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
        return target;
    }

    void remove(const char* name) const { ::unlink(file(name).c_str()); }

private:
    std::string dir;
};

// One directory for the whole run: a static, so its destructor runs at exit.
inline ScratchDirectory& scratch() {
    static ScratchDirectory directory;
    return directory;
}

// A finding that no sanitizer would report: stop with a message, so that
// libFuzzer keeps the input as a crash.
#define FUZZ_REQUIRE(condition)                                                        \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: requirement failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

}  // namespace fuzzfiles
