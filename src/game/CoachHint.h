// SPDX-License-Identifier: MIT
#pragma once
// The coach at the table: on request it works out the best move for the
// player at turn, says it in a box beside the tray, marks the dice to hold
// or the cell to score, and follows the turn as the player rolls and holds
// until the turn passes. Nothing of the game waits for it: while the table
// is still being worked out it says how far it has got.

#include "game/CoachAdvice.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class THintMark;
class THintPanel;
class Tw_Card;
class Tw_Quindle_Main;
namespace coach { class TableProvider; }

class CoachHint : public QObject {
    Q_OBJECT
public:
    // Takes the provider over; without one it makes its own.
    explicit CoachHint(Tw_Quindle_Main *main, coach::TableProvider *provider = nullptr);
    ~CoachHint() override;

    // A game begins: the table is wanted soon.
    void gameStarted();
    // Options > Hint.
    void show();
    void hide();
    bool shown() const { return m_shown; }
    // Something the advice depends on changed; the hint follows on the next
    // pass of the event loop, once for any number of changes.
    void changed();
    // The turn went to `player`: the hint was for the player before.
    void turnPassed();

    // What the box says and the advice behind it, for tests.
    QStringList lines() const;
    const coach::Advice &advice() const { return m_advice; }
    THintPanel *panel() const { return m_panel; }

private:
    void refresh();
    void showWaiting();
    void showAdvice();
    void clearMarks();
    void markDice(const coach::Held &held);
    void markCell(rules::Category category, int column, bool bonus);
    void place();
    Tw_Card *currentCard() const;
    // The row under the keyboard's frame, as the move weighed against the best.
    std::optional<QString> framedMove(bool triple) const;
    bool position(coach::Advice &advice) const;

    Tw_Quindle_Main *m_main;
    std::unique_ptr<coach::TableProvider> m_provider;
    THintPanel *m_panel;
    std::array<THintMark *, 5> m_diceMarks{};
    QPointer<THintMark> m_cellMark;
    coach::Advice m_advice;
    QTimer m_progress;
    bool m_shown = false;
    bool m_refreshQueued = false;
};
