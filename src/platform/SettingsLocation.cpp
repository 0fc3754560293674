// SPDX-License-Identifier: MIT
#include "platform/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <utility>

namespace platform {
namespace {

const QString FileName = QStringLiteral("Quindle.ini");

QString &overridePath()
{
    static QString path;
    return path;
}

// An installed copy lies in a prefix beside its menu entry. Even where its
// folder can be written, as in a prefix in the home folder, the settings
// belong in the configuration folder and not among the programs.
bool isInstalledCopy(const QString &programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(
        QStringLiteral("../share/applications/tolmar-quindle.desktop")));
}

} // namespace

QString settingsPathFor(const QString &programFolder, const QString &configHome,
                        const QString &home)
{
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable()
        && !isInstalledCopy(programFolder))
        return QDir(programFolder).filePath(FileName);
    const QString config = QDir::isAbsolutePath(configHome)
                               ? configHome
                               : QDir(home).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("tolmar-quindle/") + FileName);
}

QString settingsFilePath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    // Decided once a run: every key of a run belongs in the same file, and the
    // folder checks need not be made again at every read.
    static const QString decided = settingsPathFor(QCoreApplication::applicationDirPath(),
                                                   qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
    return decided;
}

QString setSettingsFilePath(const QString &path)
{
    return std::exchange(overridePath(), path);
}

namespace {
QString &overrideCachePath()
{
    static QString path;
    return path;
}
} // namespace

QString coachCachePathFor(const QString &cacheHome, const QString &home)
{
    const QString cache = QDir::isAbsolutePath(cacheHome) ? cacheHome : QDir(home).filePath(QStringLiteral(".cache"));
    return QDir(cache).filePath(QStringLiteral("tolmar-quindle/coach-table.bin"));
}

QString coachCacheFilePath()
{
    if (!overrideCachePath().isEmpty())
        return overrideCachePath();
    return coachCachePathFor(qEnvironmentVariable("XDG_CACHE_HOME"), QDir::homePath());
}

QString setCoachCacheFilePath(const QString &path)
{
    return std::exchange(overrideCachePath(), path);
}

} // namespace platform
