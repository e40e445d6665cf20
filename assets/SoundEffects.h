#pragma once

#include <vector>

// Sound number 0..45 in the sound bank's order, mono at the asset sample
// rate, the given length, made as loud as asked (Synth::loudnessDb) unless
// its peak would come too close to full scale. A looped sound's end leads
// into its start; any other starts and ends in silence.
std::vector<float> makeSound(int index, double seconds, bool looped, double loudness);
