// SPDX-License-Identifier: MIT
#include "synth.h"
#include "common.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace art::synth {

int samples(double seconds) { return int(std::lround(seconds * Rate)); }

double midi(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

double Noise::next()
{
    // xorshift32: tiny, and the same on every platform.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return (m_state / 4294967296.0) * 2.0 - 1.0;
}

double Noise::range(double lo, double hi) { return lo + (next() + 1.0) / 2.0 * (hi - lo); }

void addMode(Buffer &b, double start, double freq, double amp, double decay, double phase,
             bool circular)
{
    const int n = int(b.size());
    const int first = samples(start);
    // Stop once the tail is far below one 8-bit step.
    const int length = std::min(n, int(decay * Rate * 9));
    // A few samples of attack: a mode that jumps from zero clicks.
    const double attack = 0.0006 * Rate;
    for (int i = 0; i < length; ++i) {
        int at = first + i;
        if (circular)
            at = ((at % n) + n) % n;
        else if (at < 0 || at >= n)
            continue;
        const double t = double(i) / Rate;
        const double rise = i < attack ? 0.5 - 0.5 * std::cos(M_PI * i / attack) : 1.0;
        b[at] += amp * rise * std::exp(-t / decay) * std::sin(2 * M_PI * freq * t + phase);
    }
}

void fadeEdges(Buffer &b, double in, double out)
{
    const int n = int(b.size());
    const int a = std::min(n, samples(in)), z = std::min(n, samples(out));
    for (int i = 0; i < a; ++i)
        b[i] *= 0.5 - 0.5 * std::cos(M_PI * i / a);
    for (int i = 0; i < z; ++i)
        b[n - 1 - i] *= 0.5 - 0.5 * std::cos(M_PI * i / z);
}

void normalise(Buffer &b, double peak)
{
    double top = 0;
    for (double v : b)
        top = std::max(top, std::abs(v));
    if (top > 0)
        for (double &v : b)
            v *= peak / top;
}

void normalise(Buffer &left, Buffer &right, double peak)
{
    double top = 0;
    for (const Buffer *b : {&left, &right})
        for (double v : *b)
            top = std::max(top, std::abs(v));
    if (top > 0)
        for (Buffer *b : {&left, &right})
            for (double &v : *b)
                v *= peak / top;
}

void lowpass(Buffer &b, double cutoff, bool circular)
{
    const double k = 1.0 - std::exp(-2 * M_PI * cutoff / Rate);
    const size_t n = b.size();
    double y = 0;
    if (circular)
        for (size_t i = 0; i < n; ++i)
            y += k * (b[i] - y);
    for (size_t i = 0; i < n; ++i) {
        y += k * (b[i] - y);
        b[i] = y;
    }
}

void highpass(Buffer &b, double cutoff, bool circular)
{
    Buffer low = b;
    lowpass(low, cutoff, circular);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] -= low[i];
}

namespace {
void put32(QByteArray &a, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        a.append(char((v >> (8 * i)) & 0xff));
}
void put16(QByteArray &a, uint16_t v)
{
    a.append(char(v & 0xff));
    a.append(char(v >> 8));
}
} // namespace

void writeWav(const QString &relative, const std::vector<const Buffer *> &channels,
              double expectedSeconds)
{
    const int count = int(channels.size());
    const size_t frames = channels.front()->size();
    if (std::abs(double(frames) / Rate - expectedSeconds) > 0.005) {
        fail(QStringLiteral("%1 lasts %2 s, not %3 s").arg(relative)
                 .arg(double(frames) / Rate).arg(expectedSeconds));
        return;
    }
    const uint32_t dataBytes = uint32_t(frames * count);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1);                       // PCM
    put16(out, uint16_t(count));
    put32(out, Rate);
    put32(out, uint32_t(Rate * count));  // byte rate at one byte a sample
    put16(out, uint16_t(count));         // block align
    put16(out, 8);
    out.append("data");
    put32(out, dataBytes);
    for (size_t i = 0; i < frames; ++i)
        for (const Buffer *c : channels) {
            const double v = std::clamp((*c)[i], -1.0, 1.0);
            out.append(char(std::clamp<long>(std::lround(128 + 127 * v), 0, 255)));
        }
    QFile file(outputPath(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        fail(QStringLiteral("cannot write %1").arg(relative));
}

} // namespace art::synth
