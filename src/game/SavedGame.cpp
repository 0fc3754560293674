// SPDX-License-Identifier: MIT
#include "game/SavedGame.h"

#include <cstdint>

namespace {

enum Tag : quint8 {
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    ShortString = 0x06,
    False = 0x08,
    True = 0x09,
    LongString = 0x0C,
};

constexpr int MaxBonusCount = 3;
constexpr int MaxStatusLength = 255;

class Writer {
public:
    void integer(qint32 value)
    {
        if (value >= -128 && value <= 127) {
            m_bytes.append(char(Int8));
            little(value, 1);
        } else if (value >= -32768 && value <= 32767) {
            m_bytes.append(char(Int16));
            little(value, 2);
        } else {
            m_bytes.append(char(Int32));
            little(value, 4);
        }
    }
    void boolean(bool value) { m_bytes.append(char(value ? True : False)); }
    void string(const QString &text)
    {
        const QByteArray latin1 = text.toLatin1();
        if (latin1.size() <= 255) {
            m_bytes.append(char(ShortString));
            little(qint32(latin1.size()), 1);
        } else {
            m_bytes.append(char(LongString));
            little(qint32(latin1.size()), 4);
        }
        m_bytes.append(latin1);
    }
    QByteArray bytes() const { return m_bytes; }

private:
    void little(qint32 value, int size)
    {
        const auto bits = quint32(value);
        for (int i = 0; i < size; ++i)
            m_bytes.append(char((bits >> (8 * i)) & 0xFF));
    }
    QByteArray m_bytes;
};

struct ReadFailure {
    SavedGameError error;
};

class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    qint32 integer()
    {
        switch (byte()) {
        case Int8: return qint8(little(1));
        case Int16: return qint16(little(2));
        case Int32: return qint32(little(4));
        default: throw ReadFailure{SavedGameError::InvalidProperty};
        }
    }
    // Only the tag for true means true; every other byte reads as false.
    bool boolean() { return byte() == True; }
    QString string()
    {
        quint32 length = 0;
        switch (byte()) {
        case ShortString: length = little(1); break;
        case LongString: length = little(4); break;
        default: throw ReadFailure{SavedGameError::InvalidProperty};
        }
        // Compared with what is left before anything is allocated, so a
        // declared length of two gigabytes costs nothing.
        if (length > quint32(left()))
            throw ReadFailure{SavedGameError::StreamRead};
        const QString text = QString::fromLatin1(m_bytes.constData() + m_pos, qsizetype(length));
        m_pos += qsizetype(length);
        return text;
    }
    bool atEnd() const { return left() == 0; }

private:
    qsizetype left() const { return m_bytes.size() - m_pos; }
    quint8 byte()
    {
        if (atEnd())
            throw ReadFailure{SavedGameError::StreamRead};
        return quint8(m_bytes.at(m_pos++));
    }
    quint32 little(int size)
    {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value |= quint32(byte()) << (8 * i);
        return value;
    }

    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

void require(bool condition)
{
    if (!condition)
        throw ReadFailure{SavedGameError::NotASavedGame};
}

// A status text as the game writes it: short, and nothing a status bar
// could take for anything but a line of text.
bool isStatusText(const QString &text)
{
    if (text.size() > MaxStatusLength)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// The scores a category row can ever hold, as the game writes them.
bool isScore(int row, int value)
{
    if (row < 6)
        return value % (row + 1) == 0 && value <= 5 * (row + 1);
    switch (row) {
    case 6: // three of a kind
    case 7: // four of a kind
        return value == 0 || (value >= 5 && value <= 30);
    case 8: return value == 0 || value == 25;
    case 9: return value == 0 || value == 30;
    case 10: return value == 0 || value == 40;
    case 11: return value == 0 || value == 50;
    case 12: return value >= 5 && value <= 30;
    default: return false;
    }
}

// Empty, or the decimal text of a score the game could have written there:
// the totals and the winner are read from these cells.
bool isCell(const QString &text, int row, int column, bool triple)
{
    if (text.isEmpty())
        return true;
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || text != QString::number(value))
        return false;
    if (row == SavedGame::BonusRow)
        return !triple && column == 0 && value >= 1 && value <= MaxBonusCount;
    return (triple || column == 0) && isScore(row, value);
}

SavedGame::Card readCard(Reader &in, bool triple)
{
    SavedGame::Card card;
    for (int row = 0; row < SavedGame::Rows; ++row) {
        for (int column = 0; column < SavedGame::Columns; ++column) {
            const QString text = in.string();
            require(isCell(text, row, column, triple));
            card[row][column] = text;
        }
    }
    return card;
}

SavedGame readFields(Reader &in)
{
    SavedGame game;
    game.players = in.integer();
    require(game.players >= 1 && game.players <= 4);
    game.hard = in.boolean();
    game.triple = in.boolean();
    game.currentPlayer = in.integer();
    require(game.currentPlayer >= 1 && game.currentPlayer <= game.players);
    for (QString &text : game.status) {
        text = in.string();
        require(isStatusText(text));
    }
    for (int player = 1; player <= game.players; ++player)
        game.cards.append(readCard(in, game.triple));
    require(in.atEnd());
    return game;
}

} // namespace

bool SavedGame::operator==(const SavedGame &other) const
{
    return players == other.players && hard == other.hard && triple == other.triple
        && currentPlayer == other.currentPlayer && status == other.status
        && cards == other.cards;
}

QByteArray writeSavedGame(const SavedGame &game)
{
    Writer out;
    out.integer(game.players);
    out.boolean(game.hard);
    out.boolean(game.triple);
    out.integer(game.currentPlayer);
    for (const QString &text : game.status)
        out.string(text);
    for (const SavedGame::Card &card : game.cards) {
        for (const auto &row : card) {
            for (const QString &cell : row)
                out.string(cell);
        }
    }
    return out.bytes();
}

SavedGameReading readSavedGame(const QByteArray &bytes)
{
    SavedGameReading reading;
    Reader in(bytes);
    try {
        reading.game = readFields(in);
    } catch (const ReadFailure &failure) {
        reading.game = SavedGame();
        reading.error = failure.error;
    }
    return reading;
}

QString savedGameErrorText(SavedGameError error, const QString &fileName)
{
    switch (error) {
    case SavedGameError::None: break;
    case SavedGameError::StreamRead: return QStringLiteral("Stream read error");
    case SavedGameError::InvalidProperty: return QStringLiteral("Invalid property value");
    case SavedGameError::NotASavedGame:
        return QStringLiteral("'%1' is not a valid Tolmar Quindle saved game").arg(fileName);
    }
    return QString();
}
