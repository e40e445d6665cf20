#pragma once

// Small WAV files written by the sound tests themselves.
#include <cmath>
#include <cstdint>
#include <vector>

namespace wavetest {
using Bytes = std::vector<std::uint8_t>;

// Writes the value little-endian into `bytes` bytes at `at`.
inline void put(Bytes& b, std::size_t at, std::uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
// Makes the RIFF size true again after a change of length.
inline void fixRiff(Bytes& b) { put(b, 4, static_cast<std::uint32_t>(b.size() - 8)); }

struct WaveSpec {
    std::uint16_t format = 1, channels = 1;  // PCM, mono
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::uint32_t frames = 2205;
};

// A quiet sine tone as a complete RIFF/WAVE file: a 44-byte head, then the samples.
inline Bytes waveBytes(const WaveSpec& s = {}) {
    const std::uint32_t align = s.channels * (s.bits / 8u);
    Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0};
    b.resize(44);
    put(b, 20, s.format, 2), put(b, 22, s.channels, 2), put(b, 24, s.rate), put(b, 28, s.rate * align);
    put(b, 32, align, 2), put(b, 34, s.bits, 2), put(b, 36, 0x61746164), put(b, 40, s.frames * align);  // "data"
    for (std::uint32_t i = 0; i < s.frames * s.channels; ++i) {
        const double sample = 0.1 * std::sin(i / s.channels * 0.05);
        const auto wide = static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767));
        if (s.bits == 8) b.push_back(static_cast<std::uint8_t>(128 + sample * 127));
        else b.push_back(static_cast<std::uint8_t>(wide)), b.push_back(static_cast<std::uint8_t>(wide >> 8));
    }
    fixRiff(b);
    return b;
}

// A RIFF/WAVE file whose first chunk is an unknown 17-byte chunk, followed
// by a second RIFF header and a normal fmt and data chunk: it once reached
// the mixer's music loader and crashed the game.
inline Bytes nestedRiff() {
    Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'j', 'u', 'n', 'k', 17, 0, 0, 0};
    b.insert(b.end(), 18, 0x5a);  // 17 bytes and the pad
    b.insert(b.end(), {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
    const Bytes inner = waveBytes({1, 2, 22050, 16, 32});
    b.insert(b.end(), inner.begin() + 12, inner.end());
    fixRiff(b);
    return b;
}
}  // namespace wavetest
