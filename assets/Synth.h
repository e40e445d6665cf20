#pragma once

#include <cstdint>
#include <vector>

// A small synthesizer: oscillators, envelopes, filters and noise, writing
// into float sample buffers at the asset sample rate. Every sound and both
// music tracks are made from these parts.
namespace Synth {

constexpr double rate = 22050.0;

enum class Wave { Sine, Triangle, Saw, Square, Noise };

// Attack, decay, sustain level, release (seconds, and 0..1 for sustain).
struct Envelope {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;
    // Level at time t after the start of a note held for `hold` seconds.
    double level(double t, double hold) const;
};

// One note: a waveform whose frequency may glide, shaped by an envelope,
// with optional vibrato, a second detuned oscillator and FM for bells.
struct Tone {
    Wave wave = Wave::Sine;
    double frequency = 440.0;
    double endFrequency = 0.0;  // glide target over the held time; 0 = none
    double gain = 0.5;
    Envelope envelope;
    double vibratoRate = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double detune = 0.0;        // second oscillator, fraction of the frequency; 0 = none
    double fmRatio = 0.0;       // bell: modulator at frequency x ratio
    double fmIndex = 0.0;       // its depth, decaying with the envelope
    double pan = 0.0;           // -1 left .. 1 right (stereo buffers only)
    double lowpass = 0.0;       // cutoff in Hz of a one-pole low-pass; 0 = none
};

// A buffer of mono or interleaved stereo samples.
struct Track {
    int channels = 1;
    std::vector<float> samples;

    Track(double seconds, int channelCount);
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    void add(std::size_t frame, double value, double pan = 0.0);
};

double noteFrequency(double midiNote);
// Deterministic noise in -1..1.
double noise(std::uint32_t& state);

// Adds one note starting at `start` seconds, held `hold` seconds, released after.
void play(Track& t, double start, double hold, const Tone& tone);
// Adds filtered noise (a band between the two cutoffs, 0 = open).
void playNoise(Track& t, double start, double hold, double gain, const Envelope& e, double lowCut, double highCut,
               std::uint32_t seed, double pan = 0.0);

// Drums.
void kick(Track& t, double start, double gain);
void snare(Track& t, double start, double gain, std::uint32_t seed);
void hat(Track& t, double start, double gain, bool open, std::uint32_t seed);

// Finishing: echo, loudness, fades and loops.
void echo(Track& t, double delay, double feedback, double mix);
void normalise(Track& t, double peak);
// How loud a sound seems, in dB of full scale: the RMS level, after a gentle
// high-pass (low rumble seems quieter than its level says), of the 50 ms
// windows within 20 dB of the loudest one, so that a short sound with a long
// quiet tail is heard as loud as its body. Silence gives -120.
double loudnessDb(const std::vector<float>& samples, int channels);
// Scales the track to the given loudness, but never past the peak limit.
// Returns the loudness reached.
double setLoudness(Track& t, double targetDb, double peakLimit);
// Short fades at both ends, so a one-shot sound starts and ends in silence.
void fadeEdges(Track& t, double fadeIn, double fadeOut);
// Folds everything after `loopSeconds` back onto the start, so that the
// sound loops without a seam; the track is cut to the loop length.
void foldLoop(Track& t, double loopSeconds);

}  // namespace Synth
