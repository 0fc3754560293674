// SPDX-License-Identifier: MIT
#pragma once
// A shown main window with the fake platform, rolls that land at the
// release and a temporary folder: for tests that play on the scorecards or
// save and open real files through the menu.

#include "FakePlatform.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class Tw_Quindle_Main;

class FileGame {
public:
    FileGame();
    ~FileGame();
    FileGame(const FileGame &) = delete;
    FileGame &operator=(const FileGame &) = delete;

    // A Triple (Easy) game of two players: player 1 has scored 30 in Sixes,
    // column 2; player 2 has rolled 12345 once and holds die 3.
    void startRunningGame();
    // Rolls, then shows the given faces: "44425".
    void rollAs(const QString &dice);
    // The turn is over: nothing to score, three rolls, the dice released.
    bool turnEnded() const;
    // Chooses Open Game or Save Game with the dialog answering `file`.
    void open(const QString &file);
    void save(const QString &file);
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

    FakePlatform fake;
    std::unique_ptr<Tw_Quindle_Main> main;

private:
    QTemporaryDir m_dir;
};

namespace helpers {

// Everything a player could see of the running game, and which card objects
// show it, one fact a line.
QStringList describe(const Tw_Quindle_Main &main);
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
// The 0x06 form of a string of up to 255 characters.
QByteArray shortString(const QByteArray &text);
// The file of a new one-player Regular game saved before the first roll.
QByteArray newOnePlayerFile();

} // namespace helpers
