// SPDX-License-Identifier: MIT
#pragma once
// Reading and writing the player's own files without trusting them: a
// saved game is a small regular file, and anything else named like one (a
// FIFO, a device, a folder, a link to either) is refused before it can
// block, flood or be replaced.

#include <QByteArray>
#include <QString>

namespace platform {

enum class FileError {
    None,
    CannotOpen, // missing, unreadable or unwritable, or not a regular file
    TooLarge,
    WriteFailed,
};

struct FileReading {
    QByteArray bytes;
    FileError error = FileError::None;
};

// The whole of a regular file of at most `limit` bytes. Never blocks.
FileReading readRegularFile(const QString &path, qint64 limit);

// Makes `bytes` the whole content of `path`. Where the folder allows it the
// bytes go to a temporary file that then replaces the target, so a failure
// leaves the earlier file whole; in a folder that cannot take a new file,
// an existing writable file is rewritten in place, and put back as it was
// if the write fails.
// `folderTakesNewFiles` tells whether a folder can hold the temporary file;
// none means the check in use, which is folderIsWritable unless replaced.
using FolderCheck = bool (*)(const QString &folder);
bool folderIsWritable(const QString &folder);
FileError writeFileSafely(const QString &path, const QByteArray &bytes, FolderCheck folderTakesNewFiles = nullptr);

// Replaces the folder check in use and returns the one before. The superuser
// can write into any folder, so a test poses as a user who cannot.
FolderCheck setFolderCheck(FolderCheck check);

} // namespace platform
