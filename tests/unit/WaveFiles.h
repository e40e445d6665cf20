#pragma once

// Small WAV files written by the sound tests themselves.
#include <cmath>
#include <cstdint>
#include <vector>

#include "support/TempDirectory.h"

namespace wavetest {

struct WaveSpec {
    std::uint16_t format = 1;  // PCM
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::uint32_t frames = 2205;  // 0.1 s at 22050 Hz
};

// A quiet sine tone as a complete RIFF/WAVE file: a 44-byte head, then the samples.
inline std::vector<std::uint8_t> waveBytes(const WaveSpec& spec = WaveSpec()) {
    std::vector<std::uint8_t> out;
    auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto tag = [&out](const char* text) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(text[i]));
    };
    const std::uint32_t blockAlign = spec.channels * (spec.bits / 8u);
    const std::uint32_t dataSize = spec.frames * blockAlign;
    tag("RIFF");
    put(36 + dataSize, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(spec.format, 2);
    put(spec.channels, 2);
    put(spec.rate, 4);
    put(spec.rate * blockAlign, 4);
    put(blockAlign, 2);
    put(spec.bits, 2);
    tag("data");
    put(dataSize, 4);
    for (std::uint32_t frame = 0; frame < spec.frames; ++frame) {
        const double sample = 0.1 * std::sin(frame * 0.05);
        for (std::uint32_t channel = 0; channel < spec.channels; ++channel) {
            if (spec.bits == 16) put(static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767)), 2);
            else out.push_back(static_cast<std::uint8_t>(128 + sample * 127));
        }
    }
    return out;
}

// A RIFF/WAVE file whose first chunk is an unknown 17-byte chunk, followed
// by a second RIFF header and a normal fmt and data chunk: it once reached
// the mixer's music loader and crashed the game.
inline std::vector<std::uint8_t> nestedRiff() {
    std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'j', 'u', 'n', 'k', 17, 0, 0, 0};
    bytes.insert(bytes.end(), 18, 0x5a);  // 17 bytes and the pad
    const std::vector<std::uint8_t> riff = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    bytes.insert(bytes.end(), riff.begin(), riff.end());
    const std::vector<std::uint8_t> inner = waveBytes({1, 2, 22050, 16, 32});
    bytes.insert(bytes.end(), inner.begin() + 12, inner.end());
    const std::uint32_t riffSize = static_cast<std::uint32_t>(bytes.size() - 8);
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    return bytes;
}

}  // namespace wavetest
