// The two music tracks: written-out melodies over chords per bar, with bass,
// pads, arpeggios and drums played by a small sequencer.
//
// song.wav: a disco-pop dance tune in A minor / C major at 120 beats a
//   minute, 32 bars of 4/4 (64 s): a verse (bars 1-8) that climbs into a
//   chorus with its hook ("A A G F A C", bars 9-16), a lighter break over a
//   new progression that turns on E major back to the chorus (17-24), and
//   the chorus again (25-32), whose last bar walks up into the first note of
//   the verse; the tail of the last bar is folded onto the start, so the
//   loop has no seam.
// intro.wav: a music-box waltz in C at 100 beats a minute, 16 bars of 3/4,
//   a two-phrase tune whose last bar leads back to its first.
#include "Music.h"

#include <cctype>
#include <cstdlib>
#include <string>
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

// A written note: its beat within the bar, its length in beats, MIDI pitch.
struct Written {
    double beat;
    double beats;
    int midi;
};

// One bar of melody in a compact notation: "E5:1 D5:.5 r:.5 G#5:2", a note
// name with its octave (C5 is MIDI 72) or r for a rest, and its length in
// beats.
std::vector<Written> written(const char* text) {
    std::vector<Written> out;
    double at = 0.0;
    const std::string s = text;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        if (i >= s.size()) break;
        const char name = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i++])));
        int midi = -1;
        if (name != 'R') {
            const int steps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
            int pitch = steps[name - 'A'];
            if (s[i] == '#') pitch += 1, ++i;
            else if (s[i] == 'b') pitch -= 1, ++i;
            const int octave = s[i++] - '0';
            midi = 12 * (octave + 1) + pitch;
        }
        ++i;  // ':'
        const std::size_t end = s.find(' ', i);
        const double beats = std::atof(s.substr(i, end == std::string::npos ? std::string::npos : end - i).c_str());
        i = end == std::string::npos ? s.size() : end;
        if (midi >= 0) out.push_back({at, beats, midi});
        at += beats;
    }
    return out;
}

void mix(Track& into, const Track& from, double gain) {
    for (std::size_t i = 0; i < into.samples.size() && i < from.samples.size(); ++i)
        into.samples[i] += static_cast<float>(from.samples[i] * gain);
}

}  // namespace

std::vector<float> makeSong(double seconds, double loudness) {
    const double beat = 0.5, bar = 4 * beat;
    const std::vector<Chord> chords = {Am, F,  C, G, Am, F, C, G,   // verse
                                       F,  G,  C, Am, F, G, C, G,   // chorus
                                       Dm, Am, F, C, Dm, Am, F, E,  // break
                                       F,  G,  C, Am, F, G, Am, G}; // chorus again
    const int bars = static_cast<int>(chords.size());
    const double length = bars * bar;
    Track song(length + 2.0, 2);
    Track lead(length + 2.0, 2);

    // The tune, bar by bar.
    const char* const melody[32] = {
        // verse
        "E5:1 E5:.5 D5:.5 C5:1 A4:1", "C5:.5 C5:.5 D5:.5 E5:.5 F5:1.5 E5:.5", "G5:1 E5:1 C5:1 E5:.5 G5:.5",
        "D5:2 B4:1 r:1", "E5:1 E5:.5 D5:.5 C5:1 A4:1", "C5:.5 C5:.5 D5:.5 E5:.5 F5:1 A5:1",
        "G5:1 A5:.5 G5:.5 E5:1 C5:1", "D5:1 E5:.5 F5:.5 G5:2",
        // chorus
        "A5:.5 A5:.5 G5:.5 F5:.5 A5:1 C6:1", "B5:1.5 A5:.5 G5:1 D5:1", "E5:.5 G5:.5 C6:.5 B5:.5 C6:1 G5:1",
        "A5:2 E5:1 r:1", "A5:.5 A5:.5 G5:.5 F5:.5 A5:1 C6:1", "D6:1 C6:.5 B5:.5 A5:1 B5:1",
        "C6:1.5 G5:.5 E5:1 C5:1", "D5:1 G5:1 B5:1 D6:1",
        // break
        "F5:2 A5:2", "E5:3 C5:1", "F5:1 G5:1 A5:1 C6:1", "G5:4", "D5:1 F5:1 A5:1 D6:1", "C6:2 A5:2",
        "A5:1 G5:1 F5:1 A5:1", "G#5:2 B5:1 D6:1",
        // chorus again, ending on a walk up into the verse
        "A5:.5 A5:.5 G5:.5 F5:.5 A5:1 C6:1", "B5:1.5 A5:.5 G5:1 D5:1", "E5:.5 G5:.5 C6:.5 B5:.5 C6:1 G5:1",
        "A5:2 E5:1 r:1", "A5:.5 A5:.5 G5:.5 F5:.5 A5:1 C6:1", "D6:1 C6:.5 B5:.5 A5:1 B5:1",
        "C6:1.5 B5:.5 A5:2", "G4:1 A4:.5 B4:.5 D5:2",
    };

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
    const Tone doubleVoice = [] {
        Tone t = voice(Wave::Triangle, 0.12, Envelope{0.01, 0.1, 0.6, 0.08}, -0.2);
        t.lowpass = 2500.0;
        return t;
    }();
    const Tone bellVoice = [] {
        Tone t = voice(Wave::Sine, 0.26, Envelope{0.003, 0.9, 0.0, 0.3}, 0.2);
        t.fmRatio = 3.0;
        t.fmIndex = 0.5;
        return t;
    }();

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
        // Melody: the lead in verse and chorus, doubled an octave below in
        // the chorus; the break sings it on a bell over the arpeggio.
        for (const Written& n : written(melody[b])) {
            const double at = t0 + n.beat * beat;
            if (breakSection) {
                note(lead, at, 0.05, n.midi, bellVoice);
                continue;
            }
            note(lead, at, n.beats * beat * 0.85, n.midi, leadVoice);
            if (section % 2 == 1) note(lead, at, n.beats * beat * 0.85, n.midi - 12, doubleVoice);
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
    Synth::setLoudness(song, loudness, 0.89);
    return song.samples;
}

std::vector<float> makeIntro(double seconds, double loudness) {
    const double beat = 0.6, bar = 3 * beat;
    const std::vector<Chord> chords = {C, Am, F, G, C, Am, Dm, G, F, G, Em, Am, F, G, C, G};
    const int bars = static_cast<int>(chords.size());
    const double length = bars * bar;
    Track music(length + 3.0, 2);
    const char* const melody[16] = {
        "E5:2 G5:1", "A5:2 E5:1", "F5:1 A5:1 C6:1", "B5:2 G5:1", "C6:2 G5:1", "E5:2 C5:1", "D5:1 F5:1 A5:1", "G5:3",
        "A5:2 C6:1", "B5:2 D6:1", "G5:2 B5:1", "A5:2 E5:1", "A5:1.5 G5:.5 F5:1", "D5:1 E5:1 F5:1", "E5:2 C5:1",
        "D5:2 G4:1",
    };
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
        // The music box melody: every note rings out like a plucked tine.
        for (const Written& n : written(melody[b])) {
            Tone box = voice(Wave::Sine, 0.22, Envelope{0.002, 0.5 + 0.25 * n.beats, 0.0, 0.2}, 0.15);
            box.fmRatio = 3.5;
            box.fmIndex = 0.45;
            note(music, t0 + n.beat * beat, 0.05, n.midi, box);
        }
    }
    Synth::echo(music, beat * 0.5, 0.35, 0.4);
    Synth::foldLoop(music, seconds < length ? seconds : length);
    Synth::setLoudness(music, loudness, 0.89);
    return music.samples;
}
