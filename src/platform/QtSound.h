// SPDX-License-Identifier: MIT
#pragma once
#include "platform/Platform.h"

#include <QByteArray>
#include <QIODevice>

namespace platform {

// Plays the wave resources through Qt Multimedia.
std::unique_ptr<SoundOutput> createQtSoundOutput();

// Hands an audio sink the samples of one sound from memory; a looped sound
// wraps around inside one read, so its seam never waits for a refill.
class SampleSource final : public QIODevice {
public:
    SampleSource(QByteArray samples, bool loop);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_samples;
    qint64 m_position = 0;
    bool m_loop = false;
};

} // namespace platform
