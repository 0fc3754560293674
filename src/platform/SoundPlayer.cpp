// SPDX-License-Identifier: MIT
#include "platform/SoundPlayer.h"
#include "platform/QtSound.h"
#include "platform/Resources.h"

#include <QFile>

namespace platform {

SoundPlayer::SoundPlayer(std::unique_ptr<AudioBackend> backend)
    : m_backend(std::move(backend)), m_audio(new QObject), m_lines(*m_backend)
{
    m_thread.setObjectName(QStringLiteral("sound"));
    m_audio->moveToThread(&m_thread);
    m_thread.start();
}

SoundPlayer::~SoundPlayer()
{
    // The outputs were made on the audio thread and are closed there.
    QMetaObject::invokeMethod(m_audio, [this] { m_lines.close(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_audio;
}

bool SoundPlayer::hasDevice() const
{
    return m_backend->hasDevice();
}

bool SoundPlayer::play(int sound, bool loop)
{
    const wave::Wave *source = decoded(sound);
    if (!source) {
        stop();
        return false;
    }
    const AudioTarget target = m_backend->target(source->format());
    if (target.id.isEmpty()) {
        // Whatever is open belongs to a device that has gone.
        onAudioThread([this] { m_lines.close(); });
        return false;
    }
    onAudioThread([this, sound, wave = *source, target, loop] {
        const QByteArray samples = samplesFor(sound, wave, target.format);
        m_lines.play(target, std::make_unique<SampleSource>(samples, loop));
    });
    return true;
}

void SoundPlayer::stop()
{
    onAudioThread([this] { m_lines.stop(); });
}

void SoundPlayer::wait()
{
    QMetaObject::invokeMethod(m_audio, [] {}, Qt::BlockingQueuedConnection);
}

void SoundPlayer::onAudioThread(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_audio, std::move(job), Qt::QueuedConnection);
}

// The resource is read and checked once; nothing for a missing or
// unreadable one, which is then silent for the rest of the run.
const wave::Wave *SoundPlayer::decoded(int sound)
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

QByteArray SoundPlayer::samplesFor(int sound, const wave::Wave &source, const QAudioFormat &format)
{
    Converted &cached = m_converted[sound];
    if (cached.format != format || cached.samples.isEmpty()) {
        cached.format = format;
        cached.samples = wave::convert(source, format);
    }
    return cached.samples;
}

} // namespace platform
