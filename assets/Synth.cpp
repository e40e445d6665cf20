#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace Synth {

namespace {
constexpr double twoPi = 6.283185307179586;

double wave(Wave w, double phase, std::uint32_t& seed) {
    const double p = phase - std::floor(phase);
    switch (w) {
    case Wave::Sine: return std::sin(twoPi * p);
    case Wave::Triangle: return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    case Wave::Saw: return 2.0 * p - 1.0;
    case Wave::Square: return p < 0.5 ? 0.8 : -0.8;
    case Wave::Noise: return noise(seed);
    }
    return 0.0;
}
}  // namespace

double Envelope::level(double t, double hold) const {
    if (t < 0.0) return 0.0;
    auto held = [&](double u) {
        if (u < attack) return attack > 0.0 ? u / attack : 1.0;
        u -= attack;
        if (u < decay) return 1.0 - (1.0 - sustain) * (decay > 0.0 ? u / decay : 1.0);
        return sustain;
    };
    if (t < hold) return held(t);
    const double atRelease = held(hold);
    const double u = t - hold;
    if (u >= release) return 0.0;
    return atRelease * (1.0 - u / release);
}

Track::Track(double seconds, int channelCount)
    : channels(channelCount),
      samples(static_cast<std::size_t>(std::max(0.0, seconds) * rate + 0.5) * static_cast<std::size_t>(channelCount),
              0.0f) {}

void Track::add(std::size_t frame, double value, double pan) {
    if (frame >= frames()) return;
    if (channels == 1) {
        samples[frame] += static_cast<float>(value);
        return;
    }
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * 0.25 * 3.141592653589793;
    samples[frame * 2] += static_cast<float>(value * std::cos(angle) * 1.41421356);
    samples[frame * 2 + 1] += static_cast<float>(value * std::sin(angle) * 1.41421356);
}

double noteFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

double noise(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
}

void play(Track& t, double start, double hold, const Tone& tone) {
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * rate);
    const double total = hold + tone.envelope.release;
    const auto count = static_cast<std::size_t>(total * rate);
    double phase = 0.0, phase2 = 0.0, modPhase = 0.0, filtered = 0.0;
    std::uint32_t seed = static_cast<std::uint32_t>(tone.frequency * 977.0) + 17u;
    const double alpha = tone.lowpass > 0.0 ? 1.0 - std::exp(-twoPi * tone.lowpass / rate) : 1.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double time = i / rate;
        const double env = tone.envelope.level(time, hold);
        double f = tone.frequency;
        if (tone.endFrequency > 0.0) {
            const double k = std::min(1.0, time / std::max(hold, 1e-6));
            f = tone.frequency * std::pow(tone.endFrequency / tone.frequency, k);
        }
        if (tone.vibratoDepth > 0.0) f *= 1.0 + tone.vibratoDepth * std::sin(twoPi * tone.vibratoRate * time);
        double mod = 0.0;
        if (tone.fmRatio > 0.0) {
            modPhase += f * tone.fmRatio / rate;
            mod = tone.fmIndex * env * std::sin(twoPi * modPhase);
        }
        phase += f / rate;
        double v = wave(tone.wave, phase + mod, seed);
        if (tone.detune > 0.0) {
            phase2 += f * (1.0 + tone.detune) / rate;
            v = 0.5 * (v + wave(tone.wave, phase2 + mod, seed));
        }
        filtered += alpha * (v - filtered);
        t.add(first + i, filtered * env * tone.gain, tone.pan);
    }
}

void playNoise(Track& t, double start, double hold, double gain, const Envelope& e, double lowCut, double highCut,
               std::uint32_t seed, double pan) {
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * rate);
    const auto count = static_cast<std::size_t>((hold + e.release) * rate);
    const double aHigh = highCut > 0.0 ? 1.0 - std::exp(-twoPi * highCut / rate) : 1.0;
    const double aLow = lowCut > 0.0 ? 1.0 - std::exp(-twoPi * lowCut / rate) : 0.0;
    double lp = 0.0, slow = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        lp += aHigh * (noise(seed) - lp);  // keep below the upper cutoff
        slow += aLow * (lp - slow);        // and take away what lies below the lower one
        const double v = lowCut > 0.0 ? lp - slow : lp;
        t.add(first + i, v * gain * e.level(i / rate, hold), pan);
    }
}

void kick(Track& t, double start, double gain) {
    Tone k;
    k.frequency = 140.0;
    k.endFrequency = 42.0;
    k.gain = gain;
    k.envelope = Envelope{0.002, 0.18, 0.0, 0.05};
    play(t, start, 0.16, k);
}

void snare(Track& t, double start, double gain, std::uint32_t seed) {
    playNoise(t, start, 0.02, gain * 0.7, Envelope{0.001, 0.14, 0.0, 0.05}, 900.0, 7000.0, seed);
    Tone body;
    body.frequency = 190.0;
    body.endFrequency = 160.0;
    body.wave = Wave::Triangle;
    body.gain = gain * 0.5;
    body.envelope = Envelope{0.001, 0.08, 0.0, 0.03};
    play(t, start, 0.06, body);
}

void hat(Track& t, double start, double gain, bool open, std::uint32_t seed) {
    playNoise(t, start, 0.01, gain, Envelope{0.001, open ? 0.18 : 0.04, 0.0, 0.02}, 6000.0, 0.0, seed, 0.35);
}

void echo(Track& t, double delay, double feedback, double mix) {
    const auto d = static_cast<std::size_t>(delay * rate) * static_cast<std::size_t>(t.channels);
    if (d == 0 || d >= t.samples.size()) return;
    std::vector<float> wet(t.samples.size(), 0.0f);
    for (std::size_t i = d; i < t.samples.size(); ++i)
        wet[i] = static_cast<float>((t.samples[i - d] + wet[i - d]) * feedback);
    for (std::size_t i = 0; i < t.samples.size(); ++i) t.samples[i] += static_cast<float>(wet[i] * mix);
}

void normalise(Track& t, double peak) {
    float top = 0.0f;
    for (float s : t.samples) top = std::max(top, std::fabs(s));
    if (top <= 0.0f) return;
    const auto k = static_cast<float>(peak / top);
    for (float& s : t.samples) s *= k;
}

double loudnessDb(const std::vector<float>& samples, int channels) {
    const std::size_t c = static_cast<std::size_t>(std::max(1, channels));
    const std::size_t frames = samples.size() / c;
    // One-pole high-pass at 150 Hz on the mono sum.
    const double a = std::exp(-twoPi * 150.0 / rate);
    std::vector<double> filtered(frames);
    double previous = 0.0, out = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        double v = 0.0;
        for (std::size_t k = 0; k < c; ++k) v += samples[i * c + k];
        v /= static_cast<double>(c);
        out = a * (out + v - previous);
        previous = v;
        filtered[i] = out;
    }
    const std::size_t window = static_cast<std::size_t>(0.05 * rate);
    std::vector<double> energies;
    for (std::size_t start = 0; start < frames; start += window / 2) {
        const std::size_t end = std::min(frames, start + window);
        if (end - start < window / 4) break;
        double sum = 0.0;
        for (std::size_t i = start; i < end; ++i) sum += filtered[i] * filtered[i];
        energies.push_back(sum / static_cast<double>(end - start));
    }
    double loudest = 0.0;
    for (double e : energies) loudest = std::max(loudest, e);
    if (loudest <= 0.0) return -120.0;
    double sum = 0.0;
    int count = 0;
    for (double e : energies) {
        if (e < loudest * 0.01) continue;  // more than 20 dB below the loudest
        sum += e;
        ++count;
    }
    return 10.0 * std::log10(sum / count);
}

double setLoudness(Track& t, double targetDb, double peakLimit) {
    const double now = loudnessDb(t.samples, t.channels);
    float top = 0.0f;
    for (float s : t.samples) top = std::max(top, std::fabs(s));
    if (top <= 0.0f || now <= -120.0) return now;
    double k = std::pow(10.0, (targetDb - now) / 20.0);
    if (top * k > peakLimit) k = peakLimit / top;
    for (float& s : t.samples) s = static_cast<float>(s * k);
    return now + 20.0 * std::log10(k);
}

void fadeEdges(Track& t, double fadeIn, double fadeOut) {
    const std::size_t n = t.frames();
    const auto in = std::min(n, static_cast<std::size_t>(fadeIn * rate));
    const auto out = std::min(n, static_cast<std::size_t>(fadeOut * rate));
    for (std::size_t i = 0; i < n; ++i) {
        double k = 1.0;
        if (i < in) k = static_cast<double>(i) / in;
        if (i >= n - out) k = std::min(k, static_cast<double>(n - 1 - i) / out);
        for (int c = 0; c < t.channels; ++c) t.samples[i * t.channels + c] *= static_cast<float>(k);
    }
}

void foldLoop(Track& t, double loopSeconds) {
    const auto loopFrames = static_cast<std::size_t>(loopSeconds * rate + 0.5);
    const std::size_t n = t.frames();
    if (loopFrames == 0 || loopFrames >= n) return;
    const std::size_t c = static_cast<std::size_t>(t.channels);
    for (std::size_t i = loopFrames; i < n; ++i)
        for (std::size_t k = 0; k < c; ++k) t.samples[((i - loopFrames) % loopFrames) * c + k] += t.samples[i * c + k];
    t.samples.resize(loopFrames * c);
}

}  // namespace Synth
