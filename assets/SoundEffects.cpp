// The 46 sounds, each a short recipe for the synthesizer. One-shot sounds
// begin and end in silence; the looped ones (ambient loops, alarms, hover
// shimmers) are folded so that their end leads into their start.
#include "SoundEffects.h"

#include <initializer_list>

#include "Synth.h"

namespace {

using Synth::Envelope;
using Synth::noteFrequency;
using Synth::Tone;
using Synth::Track;
using Synth::Wave;

// Headroom for the mixer, which adds up to 16 channels.
constexpr double peakLimit = 0.9;

Tone tone(Wave w, double midi, double gain, Envelope e) {
    Tone t;
    t.wave = w;
    t.frequency = noteFrequency(midi);
    t.gain = gain;
    t.envelope = e;
    return t;
}

Tone bell(double midi, double gain, double decay) {
    Tone t = tone(Wave::Sine, midi, gain, Envelope{0.002, decay, 0.0, 0.05});
    t.fmRatio = 3.5;
    t.fmIndex = 0.35;
    return t;
}

void arpeggio(Track& t, double start, double step, std::initializer_list<double> notes, const Tone& base) {
    double at = start;
    for (double n : notes) {
        Tone k = base;
        k.frequency = noteFrequency(n);
        Synth::play(t, at, step, k);
        at += step;
    }
}

void sweep(Track& t, double start, double hold, double fromMidi, double toMidi, Wave w, double gain, Envelope e) {
    Tone k = tone(w, fromMidi, gain, e);
    k.endFrequency = noteFrequency(toMidi);
    Synth::play(t, start, hold, k);
}

// Loops: a heartbeat, talent twinkles, hover shimmers and the rest.
// Lub-dub: a low thump with a warmer body an octave up, so that small
// speakers, which drop the lowest notes, still carry it.
void heartbeat(Track& t, double loop) {
    for (double beat : {0.0, 0.24}) {
        const double g = beat == 0.0 ? 1.0 : 0.7;
        Tone k = tone(Wave::Sine, 33, 0.9 * g, Envelope{0.006, 0.14, 0.0, 0.04});
        k.endFrequency = noteFrequency(28);
        Synth::play(t, beat, 0.12, k);
        Tone body = tone(Wave::Triangle, 45, 0.35 * g, Envelope{0.006, 0.1, 0.0, 0.04});
        body.endFrequency = noteFrequency(40);
        body.lowpass = 600.0;
        Synth::play(t, beat, 0.08, body);
    }
    (void)loop;
}

void twinkle(Track& t, double loop, int variant) {
    const double roots[4] = {84, 79, 81, 76};
    const double r = roots[variant & 3];
    const double pattern[6] = {0, 7, 12, 4, 9, 16};
    for (int i = 0; i < 6; ++i) Synth::play(t, i * loop / 6.0, 0.02, bell(r + pattern[(i + variant) % 6], 0.3, 0.35));
}

void shimmer(Track& t, double loop, double root) {
    for (int i = 0; i < 8; ++i) {
        Tone k = tone(Wave::Triangle, root + (i % 2 ? 7 : 12) + (i % 4 == 3 ? 4 : 0), 0.18,
                      Envelope{0.01, 0.2, 0.0, 0.05});
        Synth::play(t, i * loop / 8.0, 0.05, k);
    }
}

void whistle(Track& t, double loop, int strength) {
    // A soft airy swirl: band noise and a wavering sine, whole cycles per loop.
    Synth::playNoise(t, 0.0, loop, 0.25, Envelope{0.3, 0.0, 1.0, 0.3}, 1500.0 + strength * 500.0,
                     4000.0 + strength * 800.0, 101u + strength);
    Tone k;
    k.frequency = (8.0 + strength * 2.0) * 100.0 / loop;  // a whole number of cycles in the loop
    k.gain = 0.12;
    k.envelope = Envelope{0.3, 0.0, 1.0, 0.3};
    k.vibratoRate = 6.0 / loop;
    k.vibratoDepth = 0.03;
    Synth::play(t, 0.0, loop, k);
}

void steps(Track& t, double loop) {
    std::uint32_t seed = 7u;
    for (int i = 0; i < 8; ++i) {
        const double at = i * loop / 8.0;
        Synth::playNoise(t, at, 0.01, i % 2 ? 0.3 : 0.45, Envelope{0.001, 0.05, 0.0, 0.02}, 300.0, 2500.0, seed + i);
        Synth::playNoise(t, at + 0.04, 0.1, 0.08, Envelope{0.02, 0.1, 0.0, 0.05}, 3000.0, 9000.0, seed + 40 + i);
    }
}

void alarm(Track& t, double loop, int level) {
    const int pulses = 2 + level * 2;
    for (int i = 0; i < pulses; ++i) {
        Tone k = tone(Wave::Square, 69 + level * 2 + (i % 2 ? 5 : 0), 0.22 + level * 0.04,
                      Envelope{0.005, 0.05, 0.6, 0.03});
        k.lowpass = 2500.0;
        Synth::play(t, i * loop / pulses, loop / pulses * 0.45, k);
    }
}

void choir(Track& t, double loop) {
    for (double n : {57.0, 64.0, 69.0, 72.0}) {
        Tone k = tone(Wave::Saw, n, 0.12, Envelope{0.6, 0.0, 1.0, 0.6});
        k.lowpass = 900.0;
        k.detune = 0.004;
        k.vibratoRate = 5.0;
        k.vibratoDepth = 0.004;
        Synth::play(t, 0.0, loop - 0.3, k);
    }
}

void ticking(Track& t, double loop, int ticks, double pad) {
    for (int i = 0; i < ticks; ++i) {
        Tone k = tone(Wave::Sine, i % 2 ? 91 : 96, 0.35, Envelope{0.001, 0.03, 0.0, 0.01});
        Synth::play(t, i * loop / ticks, 0.005, k);
    }
    if (pad > 0.0) {
        Tone k = tone(Wave::Triangle, 64, pad, Envelope{0.5, 0.0, 1.0, 0.5});
        k.detune = 0.005;
        Synth::play(t, 0.0, loop - 0.5, k);
    }
}

void makeLoop(Track& t, int index, double loop) {
    switch (index) {
    case 0: heartbeat(t, loop); break;
    case 3: case 4: case 5: case 6: whistle(t, loop, index - 3); break;
    case 7: case 8: case 9: case 10: twinkle(t, loop, index - 7); break;
    case 12: steps(t, loop); break;
    case 16: case 17: case 18: case 19: alarm(t, loop, index - 16); break;
    case 21: choir(t, loop); break;
    case 31: ticking(t, loop, 4, 0.12); break;
    case 32: ticking(t, loop, 6, 0.0); break;
    case 34: shimmer(t, loop, 72); break;
    case 36: shimmer(t, loop, 60); break;
    case 38: shimmer(t, loop, 67); break;
    default: shimmer(t, loop, 69); break;  // 40
    }
}

// One-shots.
void makeOneShot(Track& t, int index) {
    const Envelope pluck{0.003, 0.15, 0.0, 0.05};
    switch (index) {
    case 1:  // launch: airy pop
        Synth::playNoise(t, 0.0, 0.05, 0.4, Envelope{0.005, 0.12, 0.0, 0.05}, 800.0, 5000.0, 3u);
        sweep(t, 0.0, 0.12, 72, 84, Wave::Sine, 0.4, Envelope{0.005, 0.12, 0.0, 0.04});
        break;
    case 2:  // burst: poof and chime
        Synth::playNoise(t, 0.0, 0.08, 0.6, Envelope{0.002, 0.2, 0.0, 0.08}, 200.0, 3000.0, 5u);
        Synth::play(t, 0.05, 0.02, bell(88, 0.35, 0.3));
        Synth::play(t, 0.1, 0.02, bell(95, 0.25, 0.3));
        break;
    case 11:  // happy: joyful arpeggio
        arpeggio(t, 0.0, 0.09, {72, 76, 79, 84, 88, 91}, tone(Wave::Triangle, 72, 0.4, Envelope{0.005, 0.25, 0.0, 0.1}));
        Synth::play(t, 0.55, 0.1, bell(96, 0.3, 0.45));
        break;
    case 13: case 14: case 15: {  // hits of growing strength
        const int s = index - 13;
        sweep(t, 0.0, 0.12, 62 - s * 4, 50 - s * 4, Wave::Triangle, 0.5 + s * 0.1, Envelope{0.003, 0.14, 0.0, 0.06});
        Synth::playNoise(t, 0.0, 0.03, 0.3 + s * 0.1, Envelope{0.002, 0.08, 0.0, 0.04}, 300.0, 2000.0, 9u + s);
        break;
    }
    case 20:  // muse bumped: harp pluck
        Synth::play(t, 0.0, 0.02, tone(Wave::Triangle, 74, 0.5, Envelope{0.002, 0.22, 0.0, 0.05}));
        Synth::play(t, 0.03, 0.02, tone(Wave::Triangle, 81, 0.3, Envelope{0.002, 0.18, 0.0, 0.05}));
        break;
    case 22:  // talent taken: rising sparkle
        arpeggio(t, 0.0, 0.06, {79, 83, 86, 91, 95}, bell(79, 0.35, 0.2));
        break;
    case 23:  // change possible: two soft dings
        Synth::play(t, 0.0, 0.02, bell(84, 0.4, 0.2));
        Synth::play(t, 0.18, 0.02, bell(88, 0.4, 0.22));
        break;
    case 24:  // new Prima Ballerina: fanfare
        arpeggio(t, 0.0, 0.12, {67, 72, 76}, tone(Wave::Square, 67, 0.22, Envelope{0.01, 0.1, 0.5, 0.08}));
        Synth::play(t, 0.36, 0.35, tone(Wave::Square, 79, 0.25, Envelope{0.01, 0.1, 0.6, 0.15}));
        Synth::play(t, 0.36, 0.35, tone(Wave::Triangle, 55, 0.3, Envelope{0.01, 0.1, 0.6, 0.15}));
        break;
    case 25:  // name entry starts: whoosh up
        Synth::playNoise(t, 0.0, 0.4, 0.35, Envelope{0.2, 0.0, 1.0, 0.15}, 1000.0, 6000.0, 11u);
        sweep(t, 0.0, 0.4, 60, 84, Wave::Sine, 0.3, Envelope{0.05, 0.0, 1.0, 0.12});
        break;
    case 26:  // letter tick
        Synth::play(t, 0.0, 0.005, tone(Wave::Sine, 93, 0.5, Envelope{0.001, 0.04, 0.0, 0.02}));
        break;
    case 27:  // wrong letter: a soft "uh-oh", a falling minor third
        for (int i = 0; i < 2; ++i) {
            Tone k = tone(Wave::Square, i == 0 ? 67 : 64, 0.3, Envelope{0.008, 0.06, 0.6, 0.05});
            k.lowpass = 900.0;
            k.detune = 0.01;
            Synth::play(t, i * 0.14, 0.09, k);
        }
        break;
    case 28:  // right letter
        Synth::play(t, 0.0, 0.02, bell(88, 0.5, 0.22));
        Synth::play(t, 0.0, 0.02, tone(Wave::Sine, 100, 0.15, Envelope{0.002, 0.1, 0.0, 0.05}));
        break;
    case 29:  // another change: chime
        arpeggio(t, 0.0, 0.1, {76, 79, 84}, bell(76, 0.35, 0.3));
        break;
    case 30:  // freeze: glassy downward sweep
        for (int h = 0; h < 3; ++h)
            sweep(t, 0.0, 0.7, 96 - h * 5, 72 - h * 5, Wave::Sine, 0.2, Envelope{0.01, 0.0, 1.0, 0.2});
        Synth::playNoise(t, 0.0, 0.5, 0.15, Envelope{0.01, 0.0, 1.0, 0.3}, 5000.0, 0.0, 13u);
        break;
    case 33:  // rewind: reversed sweep with swelling noise
        sweep(t, 0.0, 0.6, 60, 90, Wave::Saw, 0.2, Envelope{0.4, 0.0, 1.0, 0.1});
        Synth::playNoise(t, 0.0, 0.6, 0.2, Envelope{0.5, 0.0, 1.0, 0.1}, 1500.0, 8000.0, 15u);
        break;
    case 35: case 37: case 39: case 41: {  // clicks
        const double root = index == 35 ? 84 : index == 37 ? 72 : index == 39 ? 79 : 81;
        Synth::play(t, 0.0, 0.01, tone(Wave::Triangle, root, 0.5, pluck));
        Synth::play(t, 0.05, 0.01, tone(Wave::Triangle, root + 7, 0.3, Envelope{0.002, 0.1, 0.0, 0.03}));
        break;
    }
    case 42:  // dance won
        arpeggio(t, 0.0, 0.15, {72, 76, 79, 84, 79, 84}, tone(Wave::Square, 72, 0.2, Envelope{0.01, 0.1, 0.5, 0.08}));
        for (double n : {60.0, 64.0, 67.0, 72.0})
            Synth::play(t, 0.9, 1.0, tone(Wave::Triangle, n, 0.18, Envelope{0.02, 0.3, 0.6, 0.4}));
        break;
    case 43:  // dance lost
        arpeggio(t, 0.0, 0.3, {72, 69, 65, 62}, tone(Wave::Triangle, 72, 0.35, Envelope{0.01, 0.25, 0.3, 0.1}));
        Synth::play(t, 1.2, 0.4, tone(Wave::Sine, 53, 0.35, Envelope{0.02, 0.3, 0.5, 0.3}));
        break;
    case 44:  // new best: fanfare
        arpeggio(t, 0.0, 0.12, {67, 72, 76, 79, 84}, tone(Wave::Square, 67, 0.2, Envelope{0.01, 0.1, 0.5, 0.08}));
        for (double n : {60.0, 67.0, 72.0, 76.0, 79.0, 84.0})
            Synth::play(t, 0.7, 1.6, tone(Wave::Square, n, 0.1, Envelope{0.02, 0.3, 0.6, 0.5}));
        arpeggio(t, 0.8, 0.1, {96, 91, 96, 100}, bell(96, 0.2, 0.3));
        break;
    default:  // 45, new highscore: sparkling fanfare
        arpeggio(t, 0.0, 0.08, {84, 88, 91, 96, 100, 103}, bell(84, 0.3, 0.3));
        for (double n : {72.0, 76.0, 79.0})
            Synth::play(t, 0.5, 0.5, tone(Wave::Triangle, n, 0.2, Envelope{0.02, 0.2, 0.6, 0.35}));
        break;
    }
}

}  // namespace

std::vector<float> makeSound(int index, double seconds, bool looped, double loudness) {
    if (looped) {
        Track t(seconds + 1.5, 1);
        makeLoop(t, index, seconds);
        Synth::foldLoop(t, seconds);
        Synth::setLoudness(t, loudness, peakLimit);
        return t.samples;
    }
    Track t(seconds, 1);
    makeOneShot(t, index);
    Synth::echo(t, 0.09, 0.25, 0.3);
    Synth::setLoudness(t, loudness, peakLimit);
    Synth::fadeEdges(t, 0.004, 0.03);
    return t.samples;
}
