// SPDX-License-Identifier: MIT
#pragma once
// The audio outputs behind the game's sounds: one per sample format of the
// device in use, opened for the first sound in that format and used again
// for every later one, instead of a new output (and its threads) per sound.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <memory>
#include <utility>
#include <vector>

class QIODevice;

namespace platform {

// Where a sound goes: the device, by id, and the format it takes.
struct AudioTarget {
    QAudioDevice device;  // what the real outputs open; a null device in tests
    QByteArray id;        // empty when there is no output device at all
    QAudioFormat format;
};

// One open output in one format.
class AudioLine {
public:
    virtual ~AudioLine() = default;
    // Starts handing `source` to the device, from the beginning; false when
    // the device refuses.
    virtual bool start(QIODevice *source) = 0;
    virtual void stop() = 0;
};

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual bool hasDevice() const = 0;
    // The default device and the format in which it plays samples that come
    // as `wanted`. User-interface thread.
    virtual AudioTarget target(const QAudioFormat &wanted) const = 0;
    // A new output; nothing when the device cannot be opened. Audio thread.
    virtual std::unique_ptr<AudioLine> open(const AudioTarget &target) = 0;
};

// The outputs of the device in use and the one sound that plays.
class AudioLines {
public:
    explicit AudioLines(AudioBackend &backend) : m_backend(backend) {}
    ~AudioLines() { close(); }
    AudioLines(const AudioLines &) = delete;
    AudioLines &operator=(const AudioLines &) = delete;

    // Stops what plays and starts `source` on the target's output of its
    // format. False, and silent, when no output takes it.
    bool play(const AudioTarget &target, std::unique_ptr<QIODevice> source);
    void stop();
    // Stops and closes every output, as when their device has gone.
    void close();

private:
    using Line = std::pair<QAudioFormat, std::unique_ptr<AudioLine>>;
    AudioLine *find(const QAudioFormat &format) const;
    AudioLine *open(const AudioTarget &target);
    void drop(AudioLine *line);

    AudioBackend &m_backend;
    QByteArray m_device;
    // Declared before the outputs, so that it outlives them: an output reads
    // its source until it stops.
    std::unique_ptr<QIODevice> m_source;
    std::vector<Line> m_lines;
    AudioLine *m_playing = nullptr;
};

} // namespace platform
