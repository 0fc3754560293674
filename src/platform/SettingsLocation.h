// SPDX-License-Identifier: MIT
#pragma once
// Where the settings file lies: "Quindle.ini" beside the program when its
// folder can be written (a copy run from where it was built or unpacked),
// else in the user's configuration folder, so that an installed program
// keeps its options too. An installed copy (one with its menu entry in
// ../share/applications) always uses the configuration folder.

#include <QString>

namespace platform {

// The choice itself. `configHome` is $XDG_CONFIG_HOME, which counts only
// as an absolute path; otherwise `home` + "/.config" is used.
QString settingsPathFor(const QString &programFolder, const QString &configHome,
                        const QString &home);

// The settings file of this run, chosen anew at every call unless a path
// was set, as tests do. An empty path brings back the normal choice. The
// setter returns the path set before.
QString settingsFilePath();
QString setSettingsFilePath(const QString &path);

// The coach's table is kept in the user's cache folder: `cacheHome` is
// $XDG_CACHE_HOME, which counts only as an absolute path; otherwise
// `home` + "/.cache" is used.
QString coachCachePathFor(const QString &cacheHome, const QString &home);
// As for the settings file, a path set by a test wins; empty brings back
// the normal choice.
QString coachCacheFilePath();
QString setCoachCacheFilePath(const QString &path);

} // namespace platform
