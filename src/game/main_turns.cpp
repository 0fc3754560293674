// SPDX-License-Identifier: MIT
// How a game is set up, how the turn passes and how the game ends.
#include "game/main.h"
#include "game/CoachHint.h"
#include "controls/QuindleDice.h"
#include "game/Turns.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>

namespace {
QString kindText(const GameSetup &setup)
{
    if (!setup.triple)
        return QStringLiteral("Regular Quindle");
    return setup.hard ? QStringLiteral("Triple (Hard) Quindle")
                      : QStringLiteral("Triple (Easy) Quindle");
}
} // namespace

void Tw_Quindle_Main::NextPlayer(int player)
{
    const Tw_Card *last = card(m_players);
    turns::PerPlayer canStillScore{};
    for (int i = 1; i <= m_players; ++i)
        canStillScore[i] = !card(i) || card(i)->hasEmptyCell();
    const int next = turns::nextPlayer(player, m_players, !last || last->GameOver, canStillScore);
    if (next == 0) {
        FinishGame();
        return;
    }
    handTurnTo(next, card(player));
}

void Tw_Quindle_Main::handTurnTo(int player, Tw_Card *from)
{
    m_currentPlayer = player;
    m_coach->turnPassed();
    setStatusText(2, turns::turnText(player));
    if (from)
        from->setEnabled(false);
    if (Tw_Card *next = card(player)) {
        next->setEnabled(true);
        next->showCard();
    }
}

void Tw_Quindle_Main::FinishGame()
{
    m_canScore = false;
    m_rollsLeft = -1;
    m_noGame = true;
    m_coach->hide();
    SetDiceEnabled(false);
    // Every card is closed before any total is read, so that a total that
    // cannot be read still leaves the game over.
    for (int i = 1; i <= m_players; ++i) {
        if (card(i))
            card(i)->setEnabled(false);
    }
    std::vector<int> totals;
    for (int i = 1; i <= m_players; ++i)
        totals.push_back(card(i) ? card(i)->grandTotal() : 0);
    platform::announce(this, QStringLiteral("Player %1 wins the game!").arg(turns::winner(totals)));
}

void Tw_Quindle_Main::SetDiceEnabled(bool enabled)
{
    for (int i = 1; i <= 5; ++i)
        Dice[i]->setEnabled(enabled);
}

void Tw_Quindle_Main::SetDiceSelected(bool selected)
{
    for (int i = 1; i <= 5; ++i)
        Dice[i]->setSelected(selected);
}

void Tw_Quindle_Main::EndTurn(int player, int tag, bool upper, int column)
{
    if (m_noGame)
        return;
    m_canScore = false;
    RecordUndo(player, tag, upper, column);
    SetDiceEnabled(false);
    SetDiceSelected(false);
    SetRollsLeft(3);
}

void Tw_Quindle_Main::N3Click()
{
    if (!Dice[1]->isEnabled())
        return;
    for (int i = 1; i <= 5; ++i)
        Dice[i]->setSelected(!Dice[i]->Selected());
}

void Tw_Quindle_Main::toggleDie(int die)
{
    if (die >= 1 && die <= 5 && Dice[die]->isEnabled())
        Dice[die]->setSelected(!Dice[die]->Selected());
}

void Tw_Quindle_Main::scoreLine(int line, int column)
{
    Tw_Card *current = card(m_currentPlayer);
    if (current && current->isEnabled() && line >= 0 && line < int(current->ScoreLines.size()))
        current->ScoreRow(current->ScoreLines[line], column);
}

void Tw_Quindle_Main::QuickStart(int players, bool hard, bool triple)
{
    // A count the wizard has no button for leaves Four, its last choice.
    const int count = players >= 1 && players <= 4 ? players : 4;
    StartGame({count, triple, triple && hard});
}

void Tw_Quindle_Main::New1Click()
{
    // Owned by this window, the dialog stays above it and is centred on it;
    // as a window of its own it can be enabled while this one is not.
    auto *wizard = new Tw_New_Wizard(this, this);
    m_wizard = wizard;
    setEnabled(false);
    wizard->setEnabled(true);
    wizard->show();
}

void Tw_Quindle_Main::StartGame(const GameSetup &setup)
{
    // The new cards must be able to take the focus as they are shown, which
    // a disabled main window would refuse them.
    setEnabled(true);
    ClearCards();
    NewCard(1, setup);
    SetDiceEnabled(false);
    PrintScorecard1->setEnabled(true);
    SaveGame1->setEnabled(true);
    Undo1->setEnabled(false);
    m_noGame = false;
    m_players = 1;
    NextPlayer(1);
    setStatusText(2, turns::turnText(1));
    if (setup.players == 1) {
        setStatusText(0, QStringLiteral("1 Player"));
        card(1)->setEnabled(true);
        card(1)->setFocus();
    } else {
        m_players = setup.players;
        for (int n = 2; n <= setup.players; ++n)
            NewCard(n, setup);
        setStatusText(0, QStringLiteral("%1 Players").arg(setup.players));
        NextPlayer(setup.players);
    }
    setStatusText(1, kindText(setup));
    SetRollsLeft(3);
    SetDiceSelected(false);
    m_canScore = false;
    m_coach->gameStarted();
}

void Tw_Quindle_Main::ClearCards()
{
    for (int i = 1; i <= 4; ++i) {
        delete m_cards[i];
        m_cards[i] = nullptr;
    }
}

void Tw_Quindle_Main::NewCard(int player, const GameSetup &setup)
{
    auto *created = new Tw_Card(this);
    m_cards[player] = created;
    created->HardMode = setup.hard;
    created->GameOver = false;
    created->TripleMode = setup.triple;
    created->PlayerNo = player;
    ClientArea->addSubWindow(created);
    created->move(m_cardLeft[player], m_cardTop[player]);
    created->setWindowIcon(QIcon(res::icon(player)));
    created->setWindowTitle(QStringLiteral("Player %1's score card").arg(player));
    created->show();
}
