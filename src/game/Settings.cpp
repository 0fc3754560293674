// SPDX-License-Identifier: MIT
#include "game/Settings.h"
#include "platform/ProfileFile.h"
#include "platform/SettingsLocation.h"

#include <climits>

namespace settings {
namespace {

const QString Section = QStringLiteral("Quindle");
// The profile read hands over at most this many characters of a value.
constexpr int MaxValueLength = 1023;

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool parseHex(const QString &digits, qint64 &result)
{
    result = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return false;
        result = result * 16 + digit;
        if (result > INT_MAX)
            return false;
    }
    return !digits.isEmpty();
}

platform::ProfileFile file()
{
    return platform::ProfileFile(filePath());
}

} // namespace

int parseInteger(const QString &text, int fallback)
{
    const QString value = text.left(MaxValueLength);
    qint64 result = 0;
    bool ok = false;
    if (value.startsWith(QLatin1Char('$')))
        ok = parseHex(value.mid(1), result);
    else if (value.size() > 2 && value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        ok = parseHex(value.mid(2), result);
    else
        result = value.toLongLong(&ok, 10);
    return ok && result >= INT_MIN && result <= INT_MAX ? int(result) : fallback;
}

bool parseBoolean(const QString &text, bool fallback)
{
    return parseInteger(text, fallback ? 1 : 0) != 0;
}

QPoint centredOn(const QRect &screen, const QSize &size)
{
    return {screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 2};
}

QSize fittedSize(const QSize &stored, const QList<QRect> &screens)
{
    QRect desktop;
    for (const QRect &screen : screens)
        desktop = desktop.united(screen);
    return stored.boundedTo(desktop.size());
}

QPoint reachablePosition(const QPoint &position, const QSize &size, const QList<QRect> &screens,
                         const QRect &primary)
{
    // In 64 bits: a stored position may be anything an int holds.
    const qint64 left = position.x();
    const qint64 top = position.y();
    const qint64 right = left + qMax(size.width(), 1);
    const qint64 bottom = top + qMax(size.height(), 1);
    for (const QRect &screen : screens) {
        if (left < qint64(screen.x()) + screen.width() && right > screen.x()
            && top < qint64(screen.y()) + screen.height() && bottom > screen.y())
            return position;
    }
    return centredOn(primary, size);
}

QString cardKey(int card, bool top)
{
    return QStringLiteral("Card%1 %2").arg(card).arg(top ? QStringLiteral("Top") : QStringLiteral("Left"));
}

int defaultCardPlace(int card)
{
    return 5 + 20 * (card - 1);
}

QString filePath()
{
    return platform::settingsFilePath();
}

int readInteger(const QString &key, int fallback)
{
    // A missing key reads as the empty text, which is no number either.
    return parseInteger(file().readString(Section, key, QString()), fallback);
}

bool readBoolean(const QString &key, bool fallback)
{
    return readInteger(key, fallback ? 1 : 0) != 0;
}

bool write(const Values &values)
{
    platform::ProfileFile::Values texts;
    for (const auto &[key, value] : values)
        texts.append({key, QString::number(value)});
    return file().writeStrings(Section, texts);
}

bool readSounds()
{
    return readBoolean(QStringLiteral("Sounds"), true);
}

} // namespace settings
