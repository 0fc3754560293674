// SPDX-License-Identifier: MIT
#pragma once
// The contents of a saved game file (.vqd) and its tagged value stream.
// Nothing here touches a widget, so the reader can be tested and fuzzed on
// bytes alone.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>

struct SavedGame {
    static constexpr int Rows = 14;    // u_1..u_6, l_3_kind..l_chance, l_bonus
    static constexpr int Columns = 3;
    static constexpr int BonusRow = 13;
    using Card = std::array<std::array<QString, Columns>, Rows>;

    int players = 1;
    bool hard = false;
    bool triple = false;
    int currentPlayer = 1;
    std::array<QString, 3> status;
    QVector<Card> cards; // one per player, in player order

    bool operator==(const SavedGame &other) const;
};

enum class SavedGameError {
    None,
    StreamRead,       // the file ends inside a value
    InvalidProperty,  // an Integer or String with a foreign tag
    NotASavedGame,    // a value out of range, or data after the last field
};

struct SavedGameReading {
    SavedGame game;
    SavedGameError error = SavedGameError::None;
    bool ok() const { return error == SavedGameError::None; }
};

QByteArray writeSavedGame(const SavedGame &game);
// Reads and checks the whole file before anything is applied, so
// a bad file never costs the running game.
SavedGameReading readSavedGame(const QByteArray &bytes);
// The error box text for a failed reading of the file `fileName`.
QString savedGameErrorText(SavedGameError error, const QString &fileName);
