#pragma once

#include <vector>

// The two music tracks, interleaved stereo at the asset sample rate, made
// as loud as asked (Synth::loudnessDb); both loop seamlessly.
std::vector<float> makeSong(double seconds, double loudness);
std::vector<float> makeIntro(double seconds, double loudness);
