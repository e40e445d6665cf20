#pragma once

// Small WAV files written by the sound tests themselves.
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace wavetest {

struct WaveSpec {
    std::uint16_t format = 1;  // PCM
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::uint32_t frames = 2205;  // 0.1 s at 22050 Hz
};

inline void put16(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

inline void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

inline void putTag(std::vector<unsigned char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// A quiet sine tone as a complete RIFF/WAVE file.
inline std::vector<unsigned char> waveBytes(const WaveSpec& spec = WaveSpec()) {
    const std::uint32_t blockAlign = spec.channels * (spec.bits / 8u);
    const std::uint32_t dataSize = spec.frames * blockAlign;
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, spec.format);
    put16(out, spec.channels);
    put32(out, spec.rate);
    put32(out, spec.rate * blockAlign);
    put16(out, blockAlign);
    put16(out, spec.bits);
    putTag(out, "data");
    put32(out, dataSize);
    for (std::uint32_t frame = 0; frame < spec.frames; ++frame) {
        const double sample = 0.1 * std::sin(frame * 0.05);
        for (std::uint32_t channel = 0; channel < spec.channels; ++channel) {
            if (spec.bits == 16) put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767)));
            else out.push_back(static_cast<unsigned char>(128 + sample * 127));
        }
    }
    return out;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh directory under the system's temporary directory, removed again.
class TempDirectory {
public:
    TempDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velvetarium-sound-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) dir = pattern;
    }
    ~TempDirectory() {
        std::error_code ignored;
        if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    const std::filesystem::path& path() const { return dir; }
    std::string string() const { return dir.string(); }

private:
    std::filesystem::path dir;
};

}  // namespace wavetest
