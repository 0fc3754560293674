// SPDX-License-Identifier: MIT
#include "platform/AudioLines.h"

#include <QIODevice>
#include <algorithm>

namespace platform {

bool AudioLines::play(const AudioTarget &target, std::unique_ptr<QIODevice> source)
{
    stop();
    if (target.id != m_device) {
        close();
        m_device = target.id;
    }
    m_source = std::move(source);
    AudioLine *line = find(target.format);
    if (line && !line->start(m_source.get())) {
        // An output that no longer starts may belong to a device that went
        // away and came back under the same id: a fresh one gets a chance.
        drop(line);
        line = nullptr;
    }
    if (!line) {
        line = open(target);
        if (line && !line->start(m_source.get())) {
            drop(line);
            line = nullptr;
        }
    }
    if (!line) {
        m_source.reset();
        return false;
    }
    m_playing = line;
    return true;
}

void AudioLines::stop()
{
    if (m_playing)
        m_playing->stop();
    m_playing = nullptr;
    m_source.reset();
}

void AudioLines::close()
{
    stop();
    m_lines.clear();
    m_device.clear();
}

AudioLine *AudioLines::find(const QAudioFormat &format) const
{
    const auto found = std::find_if(m_lines.begin(), m_lines.end(),
                                    [&](const Line &line) { return line.first == format; });
    return found == m_lines.end() ? nullptr : found->second.get();
}

AudioLine *AudioLines::open(const AudioTarget &target)
{
    std::unique_ptr<AudioLine> line = m_backend.open(target);
    if (!line)
        return nullptr;
    m_lines.emplace_back(target.format, std::move(line));
    return m_lines.back().second.get();
}

void AudioLines::drop(AudioLine *line)
{
    line->stop();
    m_lines.erase(std::find_if(m_lines.begin(), m_lines.end(),
                               [&](const Line &l) { return l.second.get() == line; }));
}

} // namespace platform
