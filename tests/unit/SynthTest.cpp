// The generator's synthesizer: the pitch of a tone and the loudness it measures; the
// generated files themselves are checked in AssetManifestTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "../../assets/Synth.h"

using Synth::Envelope;
using Synth::Tone;
using Synth::Track;

namespace {

float peak(const Track& t, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    float highest = 0.0f;
    for (std::size_t i = from; i < std::min(to, t.samples.size()); ++i) highest = std::max(highest, std::fabs(t.samples[i]));
    return highest;
}

Track sine(double seconds, double hertz, double amplitude) {
    Track t(seconds, 1);
    for (std::size_t i = 0; i < t.frames(); ++i)
        t.samples[i] = static_cast<float>(amplitude * std::sin(2.0 * 3.141592653589793 * hertz * i / Synth::rate));
    return t;
}

}  // namespace

TEST(SynthTone, SineHasItsFrequencyAndGain) {
    Track t(1.0, 1);
    Tone tone;
    tone.frequency = Synth::noteFrequency(69);  // 440 Hz
    tone.gain = 0.5;
    tone.envelope = Envelope{0.0, 0.0, 1.0, 0.0};
    Synth::play(t, 0.0, 1.0, tone);
    int crossings = 0;
    for (std::size_t i = 1; i < t.samples.size(); ++i) crossings += (t.samples[i - 1] < 0.0f) != (t.samples[i] < 0.0f);
    EXPECT_NEAR(crossings / 2.0, 440.0, 2.0);
    EXPECT_NEAR(peak(t), 0.5f, 0.01f);
}

TEST(SynthLoudness, MeasuresTheLevelOfWhatIsHeard) {
    // A 1 kHz sine of amplitude a has an RMS level of a / sqrt(2).
    const Track full = sine(1.0, 1000.0, 0.5);
    const double level = Synth::loudnessDb(full.samples, 1);
    EXPECT_NEAR(level, 20.0 * std::log10(0.5 / std::sqrt(2.0)), 0.3);
    // Twice the amplitude is 6 dB louder.
    EXPECT_NEAR(Synth::loudnessDb(sine(1.0, 1000.0, 1.0).samples, 1) - level, 6.02, 0.1);
    // Deep rumble counts for less than its level.
    EXPECT_LT(Synth::loudnessDb(sine(1.0, 40.0, 0.5).samples, 1), level - 6.0);
    // A short note followed by silence is as loud as the note itself.
    Track shortNote(2.0, 1);
    std::copy_n(full.samples.begin(), 2205, shortNote.samples.begin());
    EXPECT_NEAR(Synth::loudnessDb(shortNote.samples, 1), level, 1.0);
    // Stereo is measured on the sum of its channels.
    Track stereo(1.0, 2);
    for (std::size_t i = 0; i < stereo.frames(); ++i) stereo.samples[i * 2] = stereo.samples[i * 2 + 1] = full.samples[i];
    EXPECT_NEAR(Synth::loudnessDb(stereo.samples, 2), level, 0.1);
    EXPECT_EQ(Synth::loudnessDb(Track(0.5, 1).samples, 1), -120.0);
}

TEST(SynthLoudness, SetLoudnessReachesTheTargetUnlessThePeakWouldClip) {
    Track t = sine(0.5, 1000.0, 0.1);
    EXPECT_NEAR(Synth::setLoudness(t, -12.0, 0.9), -12.0, 0.01);
    EXPECT_NEAR(Synth::loudnessDb(t.samples, 1), -12.0, 0.01);
    // -1 dB of RMS would take a sine's peak to 1.26: the limit holds it at 0.9.
    const double reached = Synth::setLoudness(t, -1.0, 0.9);
    EXPECT_NEAR(peak(t), 0.9f, 1e-4f);
    EXPECT_NEAR(reached, Synth::loudnessDb(t.samples, 1), 0.01);
    EXPECT_LT(reached, -3.0);
}
