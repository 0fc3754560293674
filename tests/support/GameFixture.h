// SPDX-License-Identifier: MIT
#pragma once
// The one set-up of the tests that play: the fake platform, a shown main
// window whose cup never runs on its own timer, a temporary folder, and
// compact ways to put a game into a known state and look at it.

#include "FakePlatform.h"
// What the tests that play look at, so that each need not include it.
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class GameFixture {
public:
    // Without animation a roll lands at the release.
    explicit GameFixture(bool animation = false, bool soundDevice = true);
    GameFixture(const GameFixture &) = delete;
    GameFixture &operator=(const GameFixture &) = delete;

    void newGame(int players, bool triple = false, bool hard = false) { main->QuickStart(players, hard, triple); }
    Tw_Card *card(int player) const { return main->card(player); }
    TCardLine *row(int player, const QString &name) const { return card(player)->findChild<TCardLine *>(name); }

    // "44425": die i shows the i-th digit; "10010": die i held for a 1.
    void setDice(const QString &faces);
    void setHeld(const QString &held);
    QString faces() const;
    QString held() const;

    // Presses and releases the cup, then puts the given faces on the dice.
    void rollAs(const QString &dice);
    // Presses and releases the cup with the mouse, as a player does, and
    // steps the cup by hand until it rests.
    void rollByMouse();
    void stepCupToRest();
    // Clicks a row at x from its left edge, the middle of its height.
    void clickRow(TCardLine *row, int x = 15) { QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(x, row->height() / 2)); }
    void clickRow(int player, const QString &name, int x = 15) { clickRow(row(player, name), x); }

    // The 13 category cells of a column, upper then lower, separated by
    // spaces, "." for an empty cell: "1 2 3 4 5 6 . . 25 30 40 50 20".
    void fillColumn(int player, int column, const QString &cells);
    // fillColumn, then recounted quietly, as an opened game would be.
    void prepareColumn(int player, int column, const QString &cells);
    QString column(int player, int column) const;

    // Everything a player could see of the game, one fact a line.
    QStringList describe() const;
    // The turn is over: nothing to score, three rolls, the dice released.
    bool turnEnded() const { return !main->CanScore() && main->RollsLeft() == 3 && !main->Dice[1]->isEnabled(); }

    // Open Game or Save Game with the dialog answering `file`.
    void open(const QString &file) { fake.files.answers.enqueue(file), main->LoadGame1->trigger(); }
    void save(const QString &file) { fake.files.answers.enqueue(file);
        main->SaveGame1->trigger(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

    FakePlatform fake;
    std::unique_ptr<Tw_Quindle_Main> main;
private:
    QTemporaryDir m_dir;
};

namespace files {
QByteArray read(const QString &path);
bool write(const QString &path, const QByteArray &bytes);
// The 0x06 form of a string of up to 255 characters.
QByteArray shortString(const QByteArray &text);
// A new one-player Regular game saved before the first roll.
QByteArray newOnePlayerGame();
} // namespace files
