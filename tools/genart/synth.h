// SPDX-License-Identifier: MIT
#pragma once
// Small synthesis toolkit for the game's sounds: 11025 samples a second,
// written as 8-bit unsigned PCM. Everything is double precision until the
// final conversion.

#include <QString>

#include <cstdint>
#include <vector>

namespace art::synth {

constexpr int Rate = 11025;
using Buffer = std::vector<double>;

int samples(double seconds);
double midi(double note);   // MIDI note number to frequency

// Deterministic noise so that every run writes the same files.
class Noise {
public:
    explicit Noise(uint32_t seed) : m_state(seed ? seed : 1) {}
    double next();                     // uniform in [-1, 1)
    double range(double lo, double hi);
private:
    uint32_t m_state;
};

// Adds a decaying sine starting at `start` seconds. With `circular` the tail
// wraps around the end of the buffer (for loops).
void addMode(Buffer &b, double start, double freq, double amp, double decay,
             double phase = 0, bool circular = false);

// Raised-cosine fades at both ends, in seconds.
void fadeEdges(Buffer &b, double in, double out);

// Scales so the largest magnitude becomes `peak`.
void normalise(Buffer &b, double peak);
void normalise(Buffer &left, Buffer &right, double peak);

// One-pole low-pass, run around the buffer twice when `circular` so that
// a loop stays seamless.
void lowpass(Buffer &b, double cutoff, bool circular = false);
void highpass(Buffer &b, double cutoff, bool circular = false);

// Writes a canonical 44-byte-header RIFF/WAVE file of 8-bit unsigned PCM.
void writeWav(const QString &relative, const std::vector<const Buffer *> &channels,
              double expectedSeconds);

} // namespace art::synth
