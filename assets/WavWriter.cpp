#include "WavWriter.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xff));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

void putTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

namespace WavWriter {

bool write(const std::string& path, const std::vector<float>& samples, int channels, int sampleRate) {
    if (channels < 1 || channels > 2 || sampleRate <= 0) return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, static_cast<unsigned>(channels));
    put32(b, static_cast<std::uint32_t>(sampleRate));
    put32(b, static_cast<std::uint32_t>(sampleRate * channels * 2));
    put16(b, static_cast<unsigned>(channels * 2));
    put16(b, 16);
    putTag(b, "data");
    put32(b, dataBytes);
    for (float s : samples) {
        float c = s > 1.0f ? 1.0f : (s < -1.0f ? -1.0f : s);
        if (!std::isfinite(c)) c = 0.0f;
        const auto v = static_cast<std::int16_t>(std::lround(c * 32767.0f));
        put16(b, static_cast<std::uint16_t>(v));
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace WavWriter
