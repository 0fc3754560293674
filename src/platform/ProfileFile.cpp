// SPDX-License-Identifier: MIT
#include "platform/ProfileFile.h"
#include "platform/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {

enum class Contents { Read, Missing, Unreadable };

Contents readWhole(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.exists())
        return Contents::Missing;
    if (!QFileInfo(path).isFile() || file.size() > ProfileFile::MaxSize
        || !file.open(QIODevice::ReadOnly))
        return Contents::Unreadable;
    bytes = file.read(ProfileFile::MaxSize + 1);
    return bytes.size() > ProfileFile::MaxSize ? Contents::Unreadable : Contents::Read;
}

} // namespace

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &fallback) const
{
    QByteArray bytes;
    if (readWhole(m_path, bytes) != Contents::Read)
        return fallback;
    bool found = false;
    const QByteArray value = ini::value(bytes, section.toUtf8(), key.toUtf8(), &found);
    return found ? QString::fromUtf8(value) : fallback;
}

bool ProfileFile::writeStrings(const QString &section, const Values &values) const
{
    QByteArray old;
    // What cannot be read cannot be kept, so it is not overwritten either.
    if (readWhole(m_path, old) == Contents::Unreadable)
        return false;
    QByteArray text = old;
    for (const auto &[key, value] : values)
        text = ini::withValue(text, section.toUtf8(), key.toUtf8(), value.toUtf8());
    if (text == old)
        return true;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

} // namespace platform
