// SPDX-License-Identifier: MIT
#pragma once
// The table as the bytes of its cache file: a mark, the version of the way
// it was worked out, the number of values, a checksum of them, then the
// values. Anything that does not match to the last byte is refused, so the
// table is worked out again rather than trusted.

#include "game/CoachTable.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace coach {

// Raised whenever the rules the table follows or its layout change.
constexpr quint32 TableVersion = 1;

QByteArray valuesBytes(const std::vector<double> &values, quint32 version = TableVersion);
// Nothing unless the bytes hold exactly `count` values of this version.
std::optional<std::vector<double>> valuesFromBytes(const QByteArray &bytes, size_t count);
std::unique_ptr<Table> tableFromBytes(const QByteArray &bytes);

std::unique_ptr<Table> readTableCache(const QString &path);
// Written whole or not at all; false when it could not be.
bool writeTableCache(const QString &path, const Table &table);

} // namespace coach
