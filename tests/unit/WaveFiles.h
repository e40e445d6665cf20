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
    auto tag = [&out](const char* text) { out.insert(out.end(), text, text + 4); };
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

}  // namespace wavetest
