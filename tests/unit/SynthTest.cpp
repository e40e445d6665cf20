// The generator's synthesizer: envelopes, oscillators, loops and finishing.
#include <gtest/gtest.h>

#include <cmath>

#include "../../assets/Synth.h"

using Synth::Envelope;
using Synth::Tone;
using Synth::Track;

TEST(SynthEnvelope, RisesDecaysHoldsAndReleases) {
    const Envelope e{0.1, 0.2, 0.5, 0.4};
    EXPECT_DOUBLE_EQ(e.level(-0.01, 1.0), 0.0);
    EXPECT_NEAR(e.level(0.05, 1.0), 0.5, 1e-9);   // half way up the attack
    EXPECT_NEAR(e.level(0.1, 1.0), 1.0, 1e-9);    // top of the attack
    EXPECT_NEAR(e.level(0.2, 1.0), 0.75, 1e-9);   // half way down the decay
    EXPECT_NEAR(e.level(0.8, 1.0), 0.5, 1e-9);    // sustained
    EXPECT_NEAR(e.level(1.2, 1.0), 0.25, 1e-9);   // half way through the release
    EXPECT_NEAR(e.level(1.4, 1.0), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(e.level(1.5, 1.0), 0.0);
    // Released during the attack: the release starts from where the level was.
    EXPECT_NEAR(e.level(0.05, 0.05), 0.5, 1e-9);
    EXPECT_NEAR(e.level(0.25, 0.05), 0.25, 1e-9);
}

TEST(SynthTone, SineHasItsFrequencyAndGain) {
    Track t(1.0, 1);
    Tone tone;
    tone.frequency = Synth::noteFrequency(69);  // 440 Hz
    tone.gain = 0.5;
    tone.envelope = Envelope{0.0, 0.0, 1.0, 0.0};
    Synth::play(t, 0.0, 1.0, tone);
    int crossings = 0;
    float peak = 0.0f;
    for (std::size_t i = 1; i < t.samples.size(); ++i) {
        if ((t.samples[i - 1] < 0.0f) != (t.samples[i] < 0.0f)) ++crossings;
        peak = std::max(peak, std::fabs(t.samples[i]));
    }
    EXPECT_NEAR(crossings / 2.0, 440.0, 2.0);
    EXPECT_NEAR(peak, 0.5f, 0.01f);
}

TEST(SynthTrack, StereoPanSendsSoundToOneSide) {
    Track t(0.1, 2);
    t.add(10, 1.0, -1.0);
    t.add(20, 1.0, 1.0);
    t.add(30, 1.0, 0.0);
    EXPECT_GT(t.samples[20], 1.0f);
    EXPECT_NEAR(t.samples[21], 0.0f, 1e-6f);
    EXPECT_NEAR(t.samples[40], 0.0f, 1e-6f);
    EXPECT_GT(t.samples[41], 1.0f);
    EXPECT_NEAR(t.samples[60], t.samples[61], 1e-6f);
    t.add(t.frames(), 1.0);  // past the end: ignored
}

TEST(SynthLoop, FoldingMakesANoteAcrossTheEndContinueAtTheStart) {
    // A note that starts late in the loop and rings past its end must be heard
    // at the loop's start, and the join must be smooth.
    Track t(2.0, 1);
    Tone tone;
    tone.frequency = 200.0;
    tone.gain = 0.8;
    tone.envelope = Envelope{0.01, 0.0, 1.0, 0.3};
    Synth::play(t, 0.8, 0.4, tone);
    Synth::foldLoop(t, 1.0);
    ASSERT_EQ(t.frames(), static_cast<std::size_t>(Synth::rate));
    float early = 0.0f;
    for (std::size_t i = 0; i < 2000; ++i) early = std::max(early, std::fabs(t.samples[i]));
    EXPECT_GT(early, 0.3f);
    const float joinStep = std::fabs(t.samples.front() - t.samples.back());
    const float oneCycleStep = static_cast<float>(0.8 * 2.0 * 3.14159 * 200.0 / Synth::rate);
    EXPECT_LT(joinStep, oneCycleStep * 1.5f);
}

TEST(SynthFinish, FadesReachSilenceAndNormaliseSetsThePeak) {
    Track t(0.5, 1);
    for (float& s : t.samples) s = 0.25f;
    Synth::normalise(t, 0.8);
    EXPECT_NEAR(t.samples[100], 0.8f, 1e-6f);
    Synth::fadeEdges(t, 0.01, 0.02);
    EXPECT_EQ(t.samples.front(), 0.0f);
    EXPECT_EQ(t.samples.back(), 0.0f);
    EXPECT_LT(t.samples[10], t.samples[100]);
    EXPECT_NEAR(t.samples[t.frames() / 2], 0.8f, 1e-6f);
    Track silent(0.1, 1);
    Synth::normalise(silent, 0.8);  // nothing to scale: stays silent
    EXPECT_EQ(silent.samples[5], 0.0f);
}

TEST(SynthDrums, KickAndSnareSoundAndDieAway) {
    Track t(0.6, 1);
    Synth::kick(t, 0.0, 0.8);
    Synth::snare(t, 0.3, 0.5, 3u);
    float kickPeak = 0.0f, gap = 0.0f;
    for (std::size_t i = 0; i < 2000; ++i) kickPeak = std::max(kickPeak, std::fabs(t.samples[i]));
    for (std::size_t i = 5400; i < 6500; ++i) gap = std::max(gap, std::fabs(t.samples[i]));
    EXPECT_GT(kickPeak, 0.5f);
    EXPECT_LT(gap, 0.05f);  // the kick is over before the snare
    float snarePeak = 0.0f;
    for (std::size_t i = 6615; i < 8000; ++i) snarePeak = std::max(snarePeak, std::fabs(t.samples[i]));
    EXPECT_GT(snarePeak, 0.2f);
}

namespace {

Track sine(double seconds, double hertz, double amplitude) {
    Track t(seconds, 1);
    for (std::size_t i = 0; i < t.frames(); ++i)
        t.samples[i] = static_cast<float>(amplitude * std::sin(2.0 * 3.141592653589793 * hertz * i / Synth::rate));
    return t;
}

}  // namespace

TEST(SynthLoudness, MeasuresTheLevelOfWhatIsHeard) {
    // A 1 kHz sine of amplitude a has an RMS level of a / sqrt(2).
    const Track full = sine(1.0, 1000.0, 0.5);
    EXPECT_NEAR(Synth::loudnessDb(full.samples, 1), 20.0 * std::log10(0.5 / std::sqrt(2.0)), 0.3);
    // Twice the amplitude is 6 dB louder.
    const Track twice = sine(1.0, 1000.0, 1.0);
    EXPECT_NEAR(Synth::loudnessDb(twice.samples, 1) - Synth::loudnessDb(full.samples, 1), 6.02, 0.1);
    // Deep rumble counts for less than its level.
    const Track rumble = sine(1.0, 40.0, 0.5);
    EXPECT_LT(Synth::loudnessDb(rumble.samples, 1), Synth::loudnessDb(full.samples, 1) - 6.0);
    // A short note followed by silence is as loud as the note itself.
    Track shortNote(2.0, 1);
    for (std::size_t i = 0; i < 2205; ++i) shortNote.samples[i] = full.samples[i];
    EXPECT_NEAR(Synth::loudnessDb(shortNote.samples, 1), Synth::loudnessDb(full.samples, 1), 1.0);
    // Stereo is measured on the sum of its channels.
    Track stereo(1.0, 2);
    for (std::size_t i = 0; i < stereo.frames(); ++i) stereo.samples[i * 2] = stereo.samples[i * 2 + 1] = full.samples[i];
    EXPECT_NEAR(Synth::loudnessDb(stereo.samples, 2), Synth::loudnessDb(full.samples, 1), 0.1);
    const Track silent(0.5, 1);
    EXPECT_EQ(Synth::loudnessDb(silent.samples, 1), -120.0);
}

TEST(SynthLoudness, SetLoudnessReachesTheTargetUnlessThePeakWouldClip) {
    Track t = sine(0.5, 1000.0, 0.1);
    EXPECT_NEAR(Synth::setLoudness(t, -12.0, 0.9), -12.0, 0.01);
    EXPECT_NEAR(Synth::loudnessDb(t.samples, 1), -12.0, 0.01);
    // -1 dB of RMS would take a sine's peak to 1.26: the limit holds it at 0.9.
    const double reached = Synth::setLoudness(t, -1.0, 0.9);
    float peak = 0.0f;
    for (float s : t.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_NEAR(peak, 0.9f, 1e-4f);
    EXPECT_NEAR(reached, Synth::loudnessDb(t.samples, 1), 0.01);
    EXPECT_LT(reached, -3.0);
}
