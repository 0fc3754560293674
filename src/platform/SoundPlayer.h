// SPDX-License-Identifier: MIT
#pragma once
#include "platform/AudioLines.h"
#include "platform/Platform.h"
#include "platform/Wave.h"

#include <QHash>
#include <QThread>
#include <functional>
#include <optional>

namespace platform {

// Plays the wave resources on outputs of an audio backend. Opening,
// starting and stopping an output can wait on the sound system, so all of
// that happens on a thread of its own, in the order asked: play() and
// stop() only hand the work over and never wait.
class SoundPlayer final : public SoundOutput {
public:
    explicit SoundPlayer(std::unique_ptr<AudioBackend> backend);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    bool hasDevice() const override;
    // False when the sound is not in the program or there is no output
    // device; an output that then fails leaves the game silent.
    bool play(int sound, bool loop) override;
    void stop() override;
    // Waits until the audio thread has done everything asked so far.
    void wait();

private:
    struct Converted {
        QAudioFormat format;
        QByteArray samples;
    };

    const wave::Wave *decoded(int sound);
    QByteArray samplesFor(int sound, const wave::Wave &source, const QAudioFormat &format);
    void onAudioThread(std::function<void()> job);

    std::unique_ptr<AudioBackend> m_backend;
    QHash<int, std::optional<wave::Wave>> m_waves;  // user-interface thread
    QThread m_thread;
    QObject *m_audio;                                // lives on m_thread
    // Used on the audio thread only.
    AudioLines m_lines;
    QHash<int, Converted> m_converted;
};

} // namespace platform
