// The generator's synthesizer: envelopes, oscillators, loops and finishing.
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

TEST(SynthEnvelope, RisesDecaysHoldsAndReleases) {
    const Envelope e{0.1, 0.2, 0.5, 0.4};
    const struct {
        double t, release, level;
    } points[] = {{-0.01, 1.0, 0.0}, {0.05, 1.0, 0.5},  // half way up the attack
                  {0.1, 1.0, 1.0},   {0.2, 1.0, 0.75},  // half way down the decay
                  {0.8, 1.0, 0.5},   {1.2, 1.0, 0.25},  // sustained, then half way through the release
                  {1.4, 1.0, 0.0},   {1.5, 1.0, 0.0},
                  // Released during the attack: the release starts from where the level was.
                  {0.05, 0.05, 0.5}, {0.25, 0.05, 0.25}};
    for (const auto& p : points) EXPECT_NEAR(e.level(p.t, p.release), p.level, 1e-9) << p.t << " released " << p.release;
}

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
    EXPECT_GT(peak(t, 0, 2000), 0.3f);
    const float joinStep = std::fabs(t.samples.front() - t.samples.back());
    const float oneCycleStep = static_cast<float>(0.8 * 2.0 * 3.14159 * 200.0 / Synth::rate);
    EXPECT_LT(joinStep, oneCycleStep * 1.5f);
}

TEST(SynthFinish, DrumsDieAwayFadesReachSilenceAndNormaliseSetsThePeak) {
    Track drums(0.6, 1);
    Synth::kick(drums, 0.0, 0.8);
    Synth::snare(drums, 0.3, 0.5, 3u);
    EXPECT_GT(peak(drums, 0, 2000), 0.5f);
    EXPECT_LT(peak(drums, 5400, 6500), 0.05f);  // the kick is over before the snare
    EXPECT_GT(peak(drums, 6615, 8000), 0.2f);

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
