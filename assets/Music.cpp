// The two music tracks, composed by a small sequencer: chords per bar,
// melody patterns over the chord tones, bass, pads, arpeggios and drums.
//
// song.wav: a dance tune at 120 beats a minute, 32 bars of 4/4 (64 s):
//   bars 1-8 verse, 9-16 chorus, 17-24 a lighter break, 25-32 the chorus
//   again; the last chord leads back into the first, and the tail of the last
//   bar is folded onto the start, so the loop has no seam.
// intro.wav: a music-box waltz at 100 beats a minute, 16 bars of 3/4.
#include "Music.h"

#include <vector>

#include "Synth.h"

namespace {

using Synth::Envelope;
using Synth::noteFrequency;
using Synth::Tone;
using Synth::Track;
using Synth::Wave;

struct Chord {
    int root;   // MIDI note of the root in the octave from 48
    int third;  // semitones above the root
};

constexpr Chord Am{57, 3}, F{53, 4}, C{48, 4}, G{55, 4}, Em{52, 3}, Dm{50, 3}, E{52, 4};

// Chord tone k: 0 root, 1 third, 2 fifth, 3 octave, 4 octave third...
int chordTone(const Chord& c, int k) {
    const int steps[3] = {0, c.third, 7};
    return c.root + steps[k % 3] + 12 * (k / 3);
}

struct Step {
    double beat;
    int toneIndex;
    double beats;
};

Tone voice(Wave w, double gain, Envelope e, double pan) {
    Tone t;
    t.wave = w;
    t.gain = gain;
    t.envelope = e;
    t.pan = pan;
    return t;
}

void note(Track& t, double start, double length, double midi, Tone v) {
    v.frequency = noteFrequency(midi);
    Synth::play(t, start, length, v);
}

void mix(Track& into, const Track& from, double gain) {
    for (std::size_t i = 0; i < into.samples.size() && i < from.samples.size(); ++i)
        into.samples[i] += static_cast<float>(from.samples[i] * gain);
}

}  // namespace

std::vector<float> makeSong(double seconds) {
    const double beat = 0.5, bar = 4 * beat;
    const std::vector<Chord> chords = {Am, F,  C, G, Am, F, C, G,   // verse
                                       F,  G,  C, Am, F, G, C, G,   // chorus
                                       Dm, Am, F, C, Dm, Am, F, E,  // break
                                       F,  G,  C, Am, F, G, Am, G}; // chorus again
    const int bars = static_cast<int>(chords.size());
    const double length = bars * bar;
    Track song(length + 2.0, 2);
    Track lead(length + 2.0, 2);

    const std::vector<Step> verse = {{0, 2, 1}, {1, 1, 0.5}, {1.5, 0, 0.5}, {2, 1, 1}, {3, 2, 0.5}, {3.5, 3, 0.5}};
    const std::vector<Step> verseAnswer = {{0, 3, 1.5}, {1.5, 2, 0.5}, {2, 1, 0.5}, {2.5, 2, 0.5}, {3, 0, 1}};
    const std::vector<Step> chorus = {{0, 3, 0.5}, {0.5, 3, 0.5}, {1, 2, 0.5}, {1.5, 3, 1}, {2.5, 4, 0.5}, {3, 3, 1}};
    const std::vector<Step> chorusAnswer = {{0, 4, 1}, {1, 3, 0.5}, {1.5, 2, 0.5}, {2, 3, 1.5}, {3.5, 2, 0.5}};

    const Tone leadVoice = [] {
        Tone t = voice(Wave::Square, 0.16, Envelope{0.01, 0.12, 0.6, 0.08}, 0.25);
        t.lowpass = 3200.0;
        t.vibratoRate = 5.5;
        t.vibratoDepth = 0.004;
        return t;
    }();
    const Tone bassVoice = [] {
        Tone t = voice(Wave::Saw, 0.32, Envelope{0.005, 0.15, 0.5, 0.05}, 0.0);
        t.lowpass = 700.0;
        return t;
    }();
    const Tone padVoice = [] {
        Tone t = voice(Wave::Saw, 0.05, Envelope{0.25, 0.3, 0.8, 0.4}, 0.0);
        t.lowpass = 1400.0;
        t.detune = 0.006;
        return t;
    }();
    const Tone arpVoice = voice(Wave::Triangle, 0.09, Envelope{0.003, 0.12, 0.0, 0.04}, -0.45);

    for (int b = 0; b < bars; ++b) {
        const Chord& c = chords[b];
        const double t0 = b * bar;
        const int section = b / 8;  // 0 verse, 1 chorus, 2 break, 3 chorus
        const bool breakSection = section == 2;
        // Pad: the chord held over the bar, spread left and right.
        for (int k = 0; k < 3; ++k) {
            Tone p = padVoice;
            p.pan = -0.6 + 0.6 * k;
            note(song, t0, bar - 0.3, chordTone(c, k) + 12, p);
        }
        // Bass: quarter notes in the verse, disco octaves elsewhere.
        for (int e = 0; e < 8; ++e) {
            if (section == 0 && e % 2) continue;
            const int midi = c.root - 12 + ((section != 0 && e % 2) ? 12 : 0);
            note(song, t0 + e * beat / 2, section == 0 ? beat * 0.8 : beat * 0.4, midi, bassVoice);
        }
        // Melody, rested in the break where the arpeggio takes over.
        if (!breakSection) {
            const bool chorusBar = section % 2 == 1;
            const std::vector<Step>& pattern =
                chorusBar ? (b % 2 ? chorusAnswer : chorus) : (b % 2 ? verseAnswer : verse);
            for (const Step& s : pattern) note(lead, t0 + s.beat * beat, s.beats * beat * 0.9, chordTone(c, s.toneIndex) + 12, leadVoice);
        }
        // Arpeggio of sixteenths in the chorus and the break.
        if (section != 0) {
            const int order[8] = {0, 1, 2, 3, 2, 1, 3, 4};
            for (int s = 0; s < 16; ++s)
                note(song, t0 + s * beat / 4, beat / 4 * 0.8, chordTone(c, order[s % 8]) + 12, arpVoice);
        }
        // Drums: four on the floor, claps on two and four, off-beat hats;
        // the first half of the break keeps only the hats.
        const bool lightDrums = breakSection && b < 20;
        for (int q = 0; q < 4; ++q) {
            const double at = t0 + q * beat;
            if (!lightDrums) Synth::kick(song, at, 0.75);
            if (!lightDrums && (q == 1 || q == 3)) Synth::snare(song, at, 0.45, static_cast<std::uint32_t>(b * 8 + q));
            Synth::hat(song, at + beat / 2, 0.16, section % 2 == 1, static_cast<std::uint32_t>(b * 16 + q));
            if (section != 0) Synth::hat(song, at, 0.08, false, static_cast<std::uint32_t>(b * 32 + q));
        }
    }
    Synth::echo(lead, beat * 0.75, 0.3, 0.35);
    mix(song, lead, 1.0);
    Synth::foldLoop(song, seconds < length ? seconds : length);
    Synth::normalise(song, 0.85);
    return song.samples;
}

std::vector<float> makeIntro(double seconds) {
    const double beat = 0.6, bar = 3 * beat;
    const std::vector<Chord> chords = {C, Am, F, G, C, Am, Dm, G, F, G, Em, Am, F, G, C, G};
    const int bars = static_cast<int>(chords.size());
    const double length = bars * bar;
    Track music(length + 3.0, 2);
    const std::vector<Step> phrase = {{0, 4, 1.5}, {1.5, 3, 0.5}, {2, 2, 1}};
    const std::vector<Step> answer = {{0, 2, 1}, {1, 3, 1}, {2, 5, 1}};
    for (int b = 0; b < bars; ++b) {
        const Chord& c = chords[b];
        const double t0 = b * bar;
        // Oom-pa-pa: a soft bass on one, little bell chords on two and three.
        Tone bass = voice(Wave::Triangle, 0.3, Envelope{0.01, 0.4, 0.3, 0.2}, 0.0);
        note(music, t0, beat * 0.9, c.root - 12, bass);
        for (int q = 1; q < 3; ++q) {
            for (int k = 1; k < 3; ++k) {
                Tone chime = voice(Wave::Sine, 0.08, Envelope{0.003, 0.35, 0.0, 0.1}, k == 1 ? -0.4 : 0.4);
                chime.fmRatio = 2.0;
                chime.fmIndex = 0.3;
                note(music, t0 + q * beat, 0.05, chordTone(c, k) + 12, chime);
            }
        }
        // The music box melody.
        for (const Step& s : (b % 2 ? answer : phrase)) {
            Tone box = voice(Wave::Sine, 0.22, Envelope{0.002, 0.7, 0.0, 0.2}, 0.15);
            box.fmRatio = 3.5;
            box.fmIndex = 0.45;
            note(music, t0 + s.beat * beat, 0.05, chordTone(c, s.toneIndex) + 12, box);
        }
    }
    Synth::echo(music, beat * 0.5, 0.35, 0.4);
    Synth::foldLoop(music, seconds < length ? seconds : length);
    Synth::normalise(music, 0.8);
    return music.samples;
}
