// SPDX-License-Identifier: MIT
#include "platform/QtSound.h"
#include "platform/Resources.h"
#include "platform/Wave.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <cstring>
#include <limits>
#include <memory>

namespace platform {

SampleSource::SampleSource(QByteArray samples, bool loop)
    : m_samples(std::move(samples)), m_loop(loop)
{
    open(QIODevice::ReadOnly);
}

qint64 SampleSource::bytesAvailable() const
{
    return m_loop ? std::numeric_limits<qint32>::max()
                  : m_samples.size() - m_position + QIODevice::bytesAvailable();
}

qint64 SampleSource::readData(char *data, qint64 maxSize)
{
    qint64 written = 0;
    while (written < maxSize && !m_samples.isEmpty()) {
        if (m_position == m_samples.size()) {
            if (!m_loop)
                break;
            m_position = 0;
        }
        const qint64 chunk = std::min(maxSize - written, m_samples.size() - m_position);
        std::memcpy(data + written, m_samples.constData() + m_position, size_t(chunk));
        written += chunk;
        m_position += chunk;
    }
    return written;
}

namespace {

class QtSoundOutput final : public SoundOutput {
public:
    ~QtSoundOutput() override { stop(); }

    bool hasDevice() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool play(int sound, bool loop) override
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        const wave::Wave *source = decoded(sound);
        if (device.isNull() || !source)
            return false;
        const QAudioFormat format = outputFormat(device, *source);
        m_source = std::make_unique<SampleSource>(samplesFor(sound, *source, format), loop);
        m_sink = std::make_unique<QAudioSink>(device, format);
        // A one-shot sound gives the device back once it has played; queued,
        // so the sink is not stopped from inside its own notification.
        QAudioSink *sink = m_sink.get();
        QObject::connect(
            sink, &QAudioSink::stateChanged, sink,
            [sink](QAudio::State) {
                if (sink->state() == QAudio::IdleState)
                    sink->stop();
            },
            Qt::QueuedConnection);
        m_sink->start(m_source.get());
        if (m_sink->error() != QAudio::NoError) {
            stop();
            return false;
        }
        return true;
    }

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_source.reset();
    }

private:
    struct Converted {
        QAudioFormat format;
        QByteArray samples;
    };

    // The resource is read and checked once; nothing for a missing or
    // unreadable one, which is then silent for the rest of the run.
    const wave::Wave *decoded(int sound)
    {
        if (!m_waves.contains(sound)) {
            QFile file(res::sound(sound));
            std::optional<wave::Wave> parsed;
            if (file.open(QIODevice::ReadOnly))
                parsed = wave::parse(file.readAll());
            m_waves.insert(sound, parsed);
        }
        const std::optional<wave::Wave> &entry = m_waves[sound];
        return entry ? &*entry : nullptr;
    }

    static QAudioFormat outputFormat(const QAudioDevice &device, const wave::Wave &source)
    {
        if (device.isFormatSupported(source.format()))
            return source.format();
        QAudioFormat format = device.preferredFormat();
        if (format.sampleFormat() == QAudioFormat::Unknown)
            format.setSampleFormat(QAudioFormat::Int16);
        return format;
    }

    QByteArray samplesFor(int sound, const wave::Wave &source, const QAudioFormat &format)
    {
        Converted &cached = m_converted[sound];
        if (cached.format != format || cached.samples.isEmpty()) {
            cached.format = format;
            cached.samples = wave::convert(source, format);
        }
        return cached.samples;
    }

    QHash<int, std::optional<wave::Wave>> m_waves;
    QHash<int, Converted> m_converted;
    // The sink reads from the source, so the sink goes first.
    std::unique_ptr<SampleSource> m_source;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

std::unique_ptr<SoundOutput> createQtSoundOutput()
{
    return std::make_unique<QtSoundOutput>();
}
} // namespace platform
