// SPDX-License-Identifier: MIT
#include "platform/QtSound.h"
#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
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

QAudioFormat outputFormat(const QAudioDevice &device, const QAudioFormat &wanted)
{
    if (device.isFormatSupported(wanted))
        return wanted;
    QAudioFormat format = device.preferredFormat();
    if (format.sampleFormat() == QAudioFormat::Unknown)
        format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

class QtAudioLine final : public AudioLine {
public:
    explicit QtAudioLine(const AudioTarget &target)
        : m_sink(target.device, target.format)
    {
        // A one-shot sound gives the device back once it has played; queued,
        // so the sink is not stopped from inside its own notification.
        QObject::connect(
            &m_sink, &QAudioSink::stateChanged, &m_sink,
            [this](QAudio::State) {
                if (m_sink.state() == QAudio::IdleState)
                    m_sink.stop();
            },
            Qt::QueuedConnection);
    }

    bool start(QIODevice *source) override
    {
        m_sink.start(source);
        return m_sink.error() == QAudio::NoError;
    }

    void stop() override { m_sink.stop(); }

private:
    QAudioSink m_sink;
};

class QtAudioBackend final : public AudioBackend {
public:
    bool hasDevice() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    AudioTarget target(const QAudioFormat &wanted) const override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return {};
        return {device, device.id(), outputFormat(device, wanted)};
    }

    std::unique_ptr<AudioLine> open(const AudioTarget &target) override
    {
        return std::make_unique<QtAudioLine>(target);
    }
};

} // namespace

std::unique_ptr<SoundOutput> createQtSoundOutput()
{
    return std::make_unique<SoundPlayer>(std::make_unique<QtAudioBackend>());
}
} // namespace platform
