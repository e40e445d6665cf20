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

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes. With enter = true the process works
// inside it until then (the game reads its pictures from the working
// directory), and returns to the directory it came from.
class TempDirectory {
public:
    explicit TempDirectory(bool enter = false) {
        std::string name = (std::filesystem::temp_directory_path() / "velvetarium-test-XXXXXX").string();
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
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Writes the bytes to the named file in this directory; true on success.
    bool write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::FILE* file = std::fopen(path(name).c_str(), "wb");
        if (file == nullptr) return false;
        const bool whole = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        return std::fclose(file) == 0 && whole;
    }

private:
    std::filesystem::path dir;
    std::filesystem::path previous;
};
