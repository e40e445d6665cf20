#pragma once

#include <string>
#include <vector>

// 16-bit PCM WAV files. Samples are floats in -1..1, interleaved when there
// are two channels; they are clipped and rounded to 16 bits.
namespace WavWriter {
bool write(const std::string& path, const std::vector<float>& samples, int channels, int sampleRate);
}
