#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The whole file's bytes; empty when it cannot be read.
inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names of the entries of a directory, in the order the system lists them.
inline std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    return names;
}

// A fresh directory, removed with everything in it when the object goes. In
// memory where there is a writable tmpfs: the progress store syncs every
// write, which on a disk makes the fuzzers and tests many times slower.
// With enter = true the process works inside it until then (the game reads
// its pictures from the working directory), and returns to the directory it
// came from.
class TempDirectory {
public:
    explicit TempDirectory(bool enter = false) {
        std::error_code ignored;
        const std::filesystem::path base = ::access("/dev/shm", W_OK) == 0
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path(ignored);
        std::string name = (base / "velvetarium-test-XXXXXX").string();
        if (mkdtemp(name.data()) != nullptr) dir = name;
        if (enter && ok()) {
            previous = std::filesystem::current_path();
            std::filesystem::current_path(dir);
        }
    }
    ~TempDirectory() {
        std::error_code ignored;
        if (!previous.empty()) std::filesystem::current_path(previous, ignored);
        if (ok()) std::filesystem::remove_all(dir, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    bool ok() const { return !dir.empty(); }
    std::string path() const { return dir.string(); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Replaces the named file in this directory with exactly these bytes; true on success.
    bool write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        std::FILE* file = std::fopen(path(name).c_str(), "wb");
        if (file == nullptr) return false;
        const bool whole = size == 0 || std::fwrite(data, 1, size, file) == size;
        return std::fclose(file) == 0 && whole;
    }
    bool write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        return write(name, bytes.data(), bytes.size());
    }

private:
    std::filesystem::path dir;
    std::filesystem::path previous;
};
