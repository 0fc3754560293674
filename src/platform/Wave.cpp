// SPDX-License-Identifier: MIT
#include "platform/Wave.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

namespace wave {
namespace {

constexpr quint16 PcmTag = 1;

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Fills `into` from a 16-byte (or longer) fmt chunk body; false when the
// encoding is not one we play.
bool readFormat(const QByteArray &file, qsizetype at, quint32 size, Wave &into)
{
    if (size < 16 || u16(file, at) != PcmTag)
        return false;
    into.channels = u16(file, at + 2);
    into.sampleRate = int(u32(file, at + 4));
    into.bitsPerSample = u16(file, at + 14);
    return (into.channels == 1 || into.channels == 2) && into.sampleRate > 0
        && (into.bitsPerSample == 8 || into.bitsPerSample == 16);
}

// One sample as -1..1.
float sampleAt(const Wave &wave, qint64 frame, int channel)
{
    const qsizetype at = frame * wave.bytesPerFrame() + channel * (wave.bitsPerSample / 8);
    if (wave.bitsPerSample == 8)
        return (float(quint8(wave.samples[at])) - 128.0f) / 128.0f;
    return float(qFromLittleEndian<qint16>(wave.samples.constData() + at)) / 32768.0f;
}

float sourceChannel(const Wave &wave, qint64 frame, int channel, int targetChannels)
{
    if (wave.channels == 1)
        return sampleAt(wave, frame, 0);
    if (targetChannels == 1)
        return (sampleAt(wave, frame, 0) + sampleAt(wave, frame, 1)) / 2.0f;
    return channel < 2 ? sampleAt(wave, frame, channel) : 0.0f;
}

void append(QByteArray &out, float value, QAudioFormat::SampleFormat format)
{
    // Scaled by a power of two, so 8- and 16-bit samples survive a change of
    // width exactly; only full scale upwards is clipped by one step.
    value = std::clamp(value, -1.0f, 1.0f);
    char bytes[4];
    switch (format) {
    case QAudioFormat::UInt8:
        out.append(char(std::min(std::lround(value * 128.0f) + 128, 255L)));
        return;
    case QAudioFormat::Int16:
        qToLittleEndian<qint16>(qint16(std::min(std::lround(value * 32768.0f), 32767L)), bytes);
        out.append(bytes, 2);
        return;
    case QAudioFormat::Int32:
        qToLittleEndian<qint32>(qint32(std::min(std::llround(double(value) * 2147483648.0),
                                                2147483647LL)), bytes);
        out.append(bytes, 4);
        return;
    case QAudioFormat::Float:
        qToLittleEndian<float>(value, bytes);
        out.append(bytes, 4);
        return;
    default:
        return;
    }
}

} // namespace

qint64 Wave::frameCount() const
{
    return bytesPerFrame() > 0 ? samples.size() / bytesPerFrame() : 0;
}

double Wave::seconds() const
{
    return sampleRate > 0 ? double(frameCount()) / sampleRate : 0.0;
}

QAudioFormat Wave::format() const
{
    QAudioFormat result;
    result.setSampleRate(sampleRate);
    result.setChannelCount(channels);
    result.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return result;
}

std::optional<Wave> parse(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave result;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = u32(file, at + 4);
        const qsizetype body = at + 8;
        if (qint64(size) > file.size() - body)
            return std::nullopt;
        if (id == "fmt ") {
            if (!readFormat(file, body, size, result))
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            // A trailing half frame cannot be played; drop it.
            result.samples = file.mid(body, size - size % quint32(result.bytesPerFrame()));
            return result;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

QByteArray convert(const Wave &source, const QAudioFormat &target)
{
    if (target == source.format())
        return source.samples;
    const int channels = target.channelCount();
    const qint64 inFrames = source.frameCount();
    if (channels < 1 || target.sampleRate() < 1 || inFrames == 0
        || target.sampleFormat() == QAudioFormat::Unknown)
        return {};
    const double ratio = double(source.sampleRate) / target.sampleRate();
    const auto outFrames = qint64(std::floor(double(inFrames) / ratio));
    QByteArray out;
    out.reserve(outFrames * target.bytesPerFrame());
    for (qint64 frame = 0; frame < outFrames; ++frame) {
        const double position = frame * ratio;
        const auto left = qint64(position);
        const qint64 right = std::min(left + 1, inFrames - 1);
        const auto weight = float(position - double(left));
        for (int c = 0; c < channels; ++c) {
            const float a = sourceChannel(source, left, c, channels);
            const float b = sourceChannel(source, right, c, channels);
            append(out, a + (b - a) * weight, target.sampleFormat());
        }
    }
    return out;
}

} // namespace wave
