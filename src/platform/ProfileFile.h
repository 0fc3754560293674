// SPDX-License-Identifier: MIT
#pragma once
// One INI file, read and written a key at a time. Every call opens the file
// anew and nothing is cached, so two copies of the program share the file
// and the last one to write wins.

#include <QList>
#include <QString>
#include <utility>

namespace platform {

class ProfileFile {
public:
    // A file larger than this is not a settings file of ours: it reads as
    // empty and is never rewritten.
    static constexpr qint64 MaxSize = 1024 * 1024;

    explicit ProfileFile(const QString &path) : m_path(path) {}
    QString path() const { return m_path; }

    // The key's value, or `fallback` when the file, the section or the key
    // is missing or the file cannot be read.
    QString readString(const QString &section, const QString &key, const QString &fallback) const;
    // Sets the keys in the order given and keeps every other line of the
    // file. The file and its folder are created as needed; the new text
    // replaces the old one at once through a temporary file, so a failure
    // leaves the old file whole. False when the file could not be written.
    using Values = QList<std::pair<QString, QString>>;
    bool writeStrings(const QString &section, const Values &values) const;
    bool writeString(const QString &section, const QString &key, const QString &value) const
    {
        return writeStrings(section, {{key, value}});
    }

private:
    QString m_path;
};

} // namespace platform
