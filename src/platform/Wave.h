// SPDX-License-Identifier: MIT
#pragma once
// Reading the program's wave sounds and turning their samples into whatever
// an audio output accepts. Pure functions, so they can be tested without one.

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

namespace wave {

// The PCM samples of a wave file as stored: interleaved frames, 8-bit
// unsigned or 16-bit signed little-endian.
struct Wave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frameCount() const;
    double seconds() const;
    // The format to ask an output for when it can take the file as it is.
    QAudioFormat format() const;
};

// Nothing for a file that is not an uncompressed 8- or 16-bit RIFF wave with
// one or two channels, or whose chunks run past the end of the file.
std::optional<Wave> parse(const QByteArray &file);

// The samples in the target's rate, channel count and sample format, resampled
// linearly. A mono source goes to every channel; a stereo source is averaged
// for a mono target and leaves channels beyond the second silent.
QByteArray convert(const Wave &source, const QAudioFormat &target);

} // namespace wave
