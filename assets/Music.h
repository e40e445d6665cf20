#pragma once

#include <vector>

// The two music tracks, interleaved stereo at the asset sample rate; both
// loop seamlessly.
std::vector<float> makeSong(double seconds);
std::vector<float> makeIntro(double seconds);
