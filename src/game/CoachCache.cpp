// SPDX-License-Identifier: MIT
#include "game/CoachCache.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cstring>

namespace coach {
namespace {

const QByteArray Mark("TQCOACH\n");
constexpr int ChecksumSize = 8;
constexpr int HeaderSize = 8 + 4 + 4 + ChecksumSize;

// FNV-1a over 64-bit words: quick on ten megabytes, and any changed,
// missing or swapped word shows. The cache guards against a damaged file,
// not against a forger.
quint64 checksumOf(const char *data, qsizetype size)
{
    quint64 sum = 0xcbf29ce484222325ull;
    for (qsizetype at = 0; at + 8 <= size; at += 8) {
        sum ^= qFromLittleEndian<quint64>(data + at);
        sum *= 0x100000001b3ull;
    }
    return sum;
}

qsizetype payloadSize(size_t count)
{
    return qsizetype(count * sizeof(double));
}

} // namespace

QByteArray valuesBytes(const std::vector<double> &values, quint32 version)
{
    QByteArray bytes(HeaderSize + payloadSize(values.size()), Qt::Uninitialized);
    char *header = bytes.data();
    std::memcpy(header, Mark.constData(), size_t(Mark.size()));
    qToLittleEndian(version, header + 8);
    qToLittleEndian(quint32(values.size()), header + 12);
    char *payload = header + HeaderSize;
    qToLittleEndian<quint64>(values.data(), qsizetype(values.size()), payload);
    qToLittleEndian(checksumOf(payload, payloadSize(values.size())), header + 16);
    return bytes;
}

std::optional<std::vector<double>> valuesFromBytes(const QByteArray &bytes, size_t count)
{
    if (bytes.size() != HeaderSize + payloadSize(count) || !bytes.startsWith(Mark))
        return std::nullopt;
    const char *header = bytes.constData();
    const char *payload = header + HeaderSize;
    if (qFromLittleEndian<quint32>(header + 8) != TableVersion || qFromLittleEndian<quint32>(header + 12) != count
        || qFromLittleEndian<quint64>(header + 16) != checksumOf(payload, payloadSize(count)))
        return std::nullopt;
    std::vector<double> values(count);
    qFromLittleEndian<quint64>(payload, qsizetype(count), values.data());
    return values;
}

std::unique_ptr<Table> tableFromBytes(const QByteArray &bytes)
{
    std::optional<std::vector<double>> values = valuesFromBytes(bytes, Table::Size);
    return values ? Table::fromValues(std::move(*values)) : nullptr;
}

std::unique_ptr<Table> readTableCache(const QString &path)
{
    const platform::FileReading file = platform::readRegularFile(path, HeaderSize + payloadSize(Table::Size));
    if (file.error != platform::FileError::None)
        return nullptr;
    return tableFromBytes(file.bytes);
}

bool writeTableCache(const QString &path, const Table &table)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = valuesBytes(table.values());
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace coach
