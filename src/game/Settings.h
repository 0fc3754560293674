// SPDX-License-Identifier: MIT
#pragma once
// The settings file's keys and value forms, and the placement rules of the
// main window, as plain functions; the window applies them.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <utility>

namespace settings {

// The main window's size from its layout, for which the default position
// centres it before the stored (or default) size is applied.
constexpr QSize LayoutSize{519, 563};
constexpr int DefaultWidth = 520;
constexpr int DefaultHeight = 570;

// Decimal, or hexadecimal after "$", or after "0x"/"0X" when the text is
// longer than 2 characters; anything else, or a number outside int, gives
// `fallback`.
int parseInteger(const QString &text, int fallback);
// Read as an Integer with the default 1 or 0; any value but 0 is on.
bool parseBoolean(const QString &text, bool fallback);

// Where a window of `size` stands centred on `screen`, halves rounded
// toward zero.
QPoint centredOn(const QRect &screen, const QSize &size);
// The stored size, no larger than the desktop that all screens make up:
// garbage in the file must not give a window that reaches out of sight.
QSize fittedSize(const QSize &stored, const QList<QRect> &screens);
// `position` unless a window of `size` there lies wholly off every screen
// (a monitor unplugged since it was stored); then centred on the primary.
QPoint reachablePosition(const QPoint &position, const QSize &size, const QList<QRect> &screens,
                         const QRect &primary);

// "Card" + number + " Left" or " Top", and their defaults 5, 25, 45, 65.
QString cardKey(int card, bool top);
int defaultCardPlace(int card);

// Through the settings file of this run, section "Quindle", opened anew at
// every call. A write sets its keys in order, all or none, and returns false
// when the file could not be written; a Boolean goes as 1 or 0.
QString filePath();
int readInteger(const QString &key, int fallback);
bool readBoolean(const QString &key, bool fallback);
using Values = QList<std::pair<QString, int>>;
bool write(const Values &values);
// "Sounds", for the start-up sound, before the main window exists.
bool readSounds();

} // namespace settings
