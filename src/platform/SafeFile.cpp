// SPDX-License-Identifier: MIT
#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <utility>
#include <unistd.h>

namespace platform {
namespace {

// Follows links, as opening the name would.
bool isRegular(const QByteArray &name, struct stat *info)
{
    return ::stat(name.constData(), info) == 0 && S_ISREG(info->st_mode);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                         off_t(done));
        if (written <= 0)
            return false;
        done += written;
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

FileError replaceThroughTemporaryFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileError::CannotOpen;
    // The explicit flush matters: commit alone misses a short final write
    // (a full disk) and would put a cut file in place of a good one.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return FileError::WriteFailed;
    return FileError::None;
}

// The new content is complete in memory before the file is touched, and the
// old content is kept to be written back if the new one does not fit.
FileError rewriteInPlace(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FileError::CannotOpen;
    QByteArray earlier;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::pread(fd, buffer, sizeof buffer, off_t(earlier.size()))) > 0)
        earlier.append(buffer, got);
    FileError result = FileError::None;
    if (got < 0) {
        result = FileError::CannotOpen;
    } else if (!writeAll(fd, bytes)) {
        writeAll(fd, earlier);
        result = FileError::WriteFailed;
    }
    ::close(fd);
    return result;
}

} // namespace

FileReading readRegularFile(const QString &path, qint64 limit)
{
    FileReading reading;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening, so that opening a device has no effect.
    if (!isRegular(name, &info)) {
        reading.error = FileError::CannotOpen;
        return reading;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        reading.error = FileError::CannotOpen;
        return reading;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        reading.error = FileError::CannotOpen;
        return reading;
    }
    reading.bytes = file.read(limit + 1);
    if (reading.bytes.size() > limit) {
        reading.bytes.clear();
        reading.error = FileError::TooLarge;
    }
    return reading;
}

bool folderIsWritable(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

namespace {
FolderCheck folderCheckInUse = folderIsWritable;
}

FolderCheck setFolderCheck(FolderCheck check)
{
    return std::exchange(folderCheckInUse, check ? check : folderIsWritable);
}

FileError writeFileSafely(const QString &path, const QByteArray &bytes, FolderCheck folderTakesNewFiles)
{
    if (!folderTakesNewFiles)
        folderTakesNewFiles = folderCheckInUse;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    const bool exists = ::stat(name.constData(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return FileError::CannotOpen;
    // A link is followed to the file it names, which is the one replaced.
    const QString target = exists ? QFileInfo(path).canonicalFilePath() : path;
    if (!exists || folderTakesNewFiles(QFileInfo(target).absolutePath()))
        return replaceThroughTemporaryFile(target, bytes);
    return rewriteInPlace(target, bytes);
}

} // namespace platform
