// SPDX-License-Identifier: MIT
// The six sounds: start-up tune, cup rattle (a seamless loop), dice landing,
// warning, five-of-a-kind fanfare and bonus chime.

#include "common.h"
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace art {

using namespace synth;

namespace {

struct Partial {
    double ratio, amp, decay;   // decay time constant in seconds
};

struct Voice {
    std::vector<Partial> partials;
    double attack = 0.004;
    double release = 0.08;
    double vibrato = 0;         // depth as a fraction of the frequency
    double vibratoRate = 5.5;
    double vibratoDelay = 0.08;
};

// One note, partials summed, with an attack, per-partial decay and a
// release after `length` seconds. Partials past 4.8 kHz would alias.
void play(Buffer &b, const Voice &v, double start, double length, double freq, double amp,
          double glide = 0)
{
    const int first = samples(start);
    const int held = samples(length), tail = samples(v.release);
    std::vector<double> phase(v.partials.size(), 0.0);
    for (int i = 0; i < held + tail; ++i) {
        const int at = first + i;
        if (at < 0 || at >= int(b.size()))
            break;
        const double t = double(i) / Rate;
        double env = t < v.attack ? 0.5 - 0.5 * std::cos(M_PI * t / v.attack) : 1.0;
        if (i >= held)
            env *= 0.5 + 0.5 * std::cos(M_PI * (i - held) / tail);
        double f = freq * (1.0 + glide * std::min(1.0, t / std::max(length, 1e-6)));
        if (v.vibrato > 0 && t > v.vibratoDelay)
            f *= 1.0 + v.vibrato * std::min(1.0, (t - v.vibratoDelay) / 0.1)
                           * std::sin(2 * M_PI * v.vibratoRate * (t - v.vibratoDelay));
        double s = 0;
        for (size_t k = 0; k < v.partials.size(); ++k) {
            const Partial &p = v.partials[k];
            const double pf = f * p.ratio;
            phase[k] += 2 * M_PI * pf / Rate;
            if (pf < 4800)
                s += p.amp * std::exp(-t / p.decay) * std::sin(phase[k]);
        }
        b[at] += amp * env * s;
    }
}

void delayInto(Buffer &to, const Buffer &from, double seconds, double gain)
{
    const int d = samples(seconds);
    for (size_t i = size_t(d); i < to.size(); ++i)
        to[i] += gain * from[i - size_t(d)];
}

void startupTune()
{
    const int n = samples(4.60);
    Buffer melody(n, 0.0), bass(n, 0.0), chord(n, 0.0), sparkle(n, 0.0);
    const double e = 0.2;   // an eighth note

    Voice bell;
    bell.partials = {{1, 1.0, 0.7}, {2, 0.35, 0.3}, {3, 0.12, 0.18}, {4, 0.05, 0.1}};
    bell.attack = 0.005;
    bell.release = 0.09;
    const struct {
        double at, length;
        int note;
    } tune[] = {{0, 1, 72},  {1, 1, 76},  {2, 1, 79},  {3, 2, 84},  {5, 1, 83},
                {6, 1, 79},  {7, 1, 81},  {8, 1, 77},  {9, 1, 81},  {10, 2, 84},
                {12, 1, 83}, {13, 1, 86}, {14, 8, 84}};
    for (const auto &t : tune)
        play(melody, bell, t.at * e, t.length * e - 0.02, midi(t.note), 0.55);

    Voice low;
    low.partials = {{1, 1.0, 0.6}, {2, 0.45, 0.25}, {3, 0.12, 0.15}};
    low.attack = 0.008;
    low.release = 0.07;
    const struct {
        double at, length;
        int note;
    } line[] = {{0, 2, 48}, {2, 2, 55}, {4, 2, 43}, {6, 2, 50}, {8, 2, 41},
                {10, 2, 48}, {12, 1, 43}, {13, 1, 47}, {14, 8, 48}, {14, 8, 36}};
    for (const auto &l : line)
        play(bass, low, l.at * e, l.length * e - 0.03, midi(l.note), 0.5);

    // The closing chord rolls in just after the last melody note.
    Voice pad = bell;
    pad.partials = {{1, 1.0, 1.1}, {2, 0.2, 0.4}, {3, 0.05, 0.2}};
    play(chord, pad, 14 * e + 0.03, 1.5, midi(76), 0.3);
    play(chord, pad, 14 * e + 0.06, 1.5, midi(79), 0.28);
    Voice glock;
    glock.partials = {{1, 1.0, 0.35}, {2.76, 0.25, 0.08}};
    glock.attack = 0.002;
    play(sparkle, glock, 14 * e + 0.2, 1.0, midi(91), 0.16);
    play(sparkle, glock, 14 * e + 0.3, 1.0, midi(96), 0.13);

    Buffer left(n, 0.0), right(n, 0.0);
    for (int i = 0; i < n; ++i) {
        left[i] = 0.72 * melody[i] + 1.0 * bass[i] + 1.0 * chord[i] + 0.5 * sparkle[i];
        right[i] = 1.0 * melody[i] + 0.72 * bass[i] + 0.6 * chord[i] + 1.0 * sparkle[i];
    }
    // Slightly different echoes on each side widen the picture gently.
    delayInto(left, melody, 0.21, 0.22);
    delayInto(right, melody, 0.15, 0.16);
    delayInto(right, chord, 0.11, 0.3);
    fadeEdges(left, 0.003, 0.7);
    fadeEdges(right, 0.003, 0.7);
    normalise(left, right, 0.85);
    writeWav(QStringLiteral("sounds/1.wav"), {&left, &right}, 4.60);
}

// One die striking: a few bright, quickly damped modes and a tick of noise.
void clack(Buffer &b, Noise &rng, double at, double amp, double lo, double hi, double decay,
           bool circular)
{
    for (int m = 0; m < 3; ++m)
        addMode(b, at + rng.range(0, 0.0008), rng.range(lo, hi), amp * rng.range(0.4, 1.0),
                decay * rng.range(0.6, 1.4), rng.range(0, 2 * M_PI), circular);
    const int n = int(b.size());
    const int first = samples(at), len = samples(0.0015);
    for (int i = 0; i < len; ++i) {
        int k = first + i;
        if (circular)
            k = ((k % n) + n) % n;
        else if (k >= n)
            break;
        b[k] += amp * 0.5 * rng.next() * std::sin(M_PI * i / len);
    }
}

void rattle()
{
    const int n = samples(1.39);
    const double loop = double(n) / Rate;
    Buffer b(n, 0.0);
    Noise rng(0x5eed0002u);

    // Eight strokes of the cup per loop; the dice hit the wall at each
    // turn. The loop point falls between two strokes.
    const int strokes = 8;
    for (int s = 0; s < strokes; ++s) {
        // A hand is never a metronome: each turn comes a little early or late.
        const double turn = (s + 0.35 + rng.range(-0.04, 0.04)) * loop / strokes;
        const double force = s % 2 ? 0.75 : 1.0;
        // The cup's own thud, muffled leather.
        addMode(b, turn, 190 + 20 * (s % 2), 0.35 * force, 0.018, 0, true);
        addMode(b, turn + 0.002, 95, 0.25 * force, 0.025, 0, true);
        for (int die = 0; die < 5; ++die)
            clack(b, rng, turn + rng.range(0.0, 0.055), force * rng.range(0.4, 1.0), 1700, 4300,
                  0.004, true);
        // Dice knocking into each other on the way across.
        for (int k = 0; k < 3; ++k)
            clack(b, rng, turn + rng.range(0.03, 0.08), rng.range(0.12, 0.35), 2200, 4600, 0.003,
                  true);
    }
    // A low hiss of dice scraping the leather, swelling around each turn
    // and gone in the quiet between strokes where the loop joins.
    Buffer slide(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const double phase = std::fmod(double(i) / n * strokes, 1.0);
        slide[i] = rng.next() * std::pow(std::sin(M_PI * phase), 2);
    }
    highpass(slide, 1500, true);
    lowpass(slide, 3500, true);
    for (int i = 0; i < n; ++i)
        b[i] += 0.35 * slide[i];
    lowpass(b, 4200, true);
    highpass(b, 60, true);
    // Gentle saturation brings the softer knocks forward, as a cup does.
    normalise(b, 1.0);
    for (double &v : b)
        v = std::tanh(1.8 * v);
    normalise(b, 0.8);
    writeWav(QStringLiteral("sounds/2.wav"), {&b}, 1.39);
}

void landing()
{
    const int n = samples(0.66);
    Buffer b(n, 0.0);
    Noise rng(0x5eed0003u);
    const struct {
        double at, amp;
    } hits[] = {{0.010, 1.0},  {0.038, 0.75}, {0.092, 0.85}, {0.125, 0.5},
                {0.185, 0.6},  {0.232, 0.38}, {0.298, 0.42}, {0.352, 0.26},
                {0.425, 0.2},  {0.5, 0.12},   {0.56, 0.07}};
    for (const auto &h : hits) {
        // Hard plastic on a wooden table: a hollow knock and a bright tick.
        addMode(b, h.at, rng.range(780, 900), 0.45 * h.amp, 0.022, 0);
        addMode(b, h.at, rng.range(1500, 1750), 0.3 * h.amp, 0.014, 1);
        clack(b, rng, h.at, 0.55 * h.amp, 2400, 4200, 0.006, false);
        if (h.amp > 0.4)
            addMode(b, h.at, 120, 0.35 * h.amp, 0.03, 0);
    }
    lowpass(b, 4500);
    highpass(b, 50);
    fadeEdges(b, 0.002, 0.08);
    normalise(b, 0.85);
    writeWav(QStringLiteral("sounds/3.wav"), {&b}, 0.66);
}

void warning()
{
    const int n = samples(0.35);
    Buffer b(n, 0.0);
    Voice soft;
    // A hollow, square-ish tone: odd partials, the top ones softened.
    soft.partials = {{1, 1.0, 2}, {2, 0.08, 2}, {3, 0.2, 1}, {5, 0.06, 0.5}, {7, 0.02, 0.3}};
    soft.attack = 0.012;
    soft.release = 0.04;
    soft.vibrato = 0.006;
    soft.vibratoRate = 7;
    soft.vibratoDelay = 0.03;
    play(b, soft, 0.005, 0.12, midi(67), 0.6);            // "uh"
    play(b, soft, 0.165, 0.13, midi(63), 0.65, -0.03);    // "oh", sagging
    lowpass(b, 2500);
    fadeEdges(b, 0.003, 0.03);
    normalise(b, 0.6);
    writeWav(QStringLiteral("sounds/4.wav"), {&b}, 0.35);
}

// Brass: a sawtooth spectrum whose upper partials open after the attack.
void brass(Buffer &b, double start, double length, double freq, double amp, double vibrato)
{
    const int first = samples(start), held = samples(length), tail = samples(0.06);
    std::vector<double> phase(12, 0.0);
    for (int i = 0; i < held + tail && first + i < int(b.size()); ++i) {
        const double t = double(i) / Rate;
        double env = std::min(1.0, t / 0.02);
        env = env * env * (3 - 2 * env);
        if (i >= held)
            env *= 0.5 + 0.5 * std::cos(M_PI * (i - held) / tail);
        const double bright = 0.35 + 0.65 * std::min(1.0, t / 0.05);
        double f = freq;
        if (vibrato > 0 && t > 0.12)
            f *= 1 + vibrato * std::min(1.0, (t - 0.12) / 0.1) * std::sin(2 * M_PI * 5.5 * (t - 0.12));
        double s = 0;
        for (int k = 1; k <= 12; ++k) {
            phase[k - 1] += 2 * M_PI * f * k / Rate;
            if (f * k > 4800)
                break;
            s += std::pow(bright, k - 1) / k * std::sin(phase[k - 1]);
        }
        b[first + i] += amp * env * s;
    }
}

void fanfare()
{
    const int n = samples(0.66);
    Buffer b(n, 0.0);
    const double step = 0.085;
    brass(b, 0.0, step - 0.015, midi(67), 0.5, 0);
    brass(b, step, step - 0.015, midi(72), 0.5, 0);
    brass(b, 2 * step, step - 0.015, midi(76), 0.5, 0);
    const double last = 3 * step;
    brass(b, last, 0.6 - last, midi(79), 0.55, 0.008);
    brass(b, last + 0.01, 0.6 - last, midi(76), 0.3, 0.006);
    brass(b, last + 0.01, 0.6 - last, midi(72), 0.3, 0.006);
    brass(b, last, 0.6 - last, midi(60), 0.25, 0);
    lowpass(b, 3800);
    fadeEdges(b, 0.002, 0.06);
    normalise(b, 0.85);
    writeWav(QStringLiteral("sounds/5.wav"), {&b}, 0.66);
}

void chime()
{
    const int n = samples(0.68);
    Buffer b(n, 0.0);
    Voice bell;
    // Tubular-bell partials, a little inharmonic, upper ones die first.
    bell.partials = {{1, 1.0, 0.32}, {2.0, 0.4, 0.16}, {2.76, 0.22, 0.08}, {4.07, 0.1, 0.05}};
    bell.attack = 0.002;
    bell.release = 0.1;
    const int notes[] = {79, 84, 88, 91};
    for (int i = 0; i < 4; ++i)
        play(b, bell, 0.004 + 0.075 * i, 0.5 - 0.075 * i, midi(notes[i]), i == 3 ? 0.7 : 0.55);
    fadeEdges(b, 0.002, 0.1);
    normalise(b, 0.8);
    writeWav(QStringLiteral("sounds/6.wav"), {&b}, 0.68);
}

} // namespace

void makeSounds()
{
    startupTune();
    rattle();
    landing();
    warning();
    fanfare();
    chime();
}

} // namespace art
