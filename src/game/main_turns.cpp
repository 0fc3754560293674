// SPDX-License-Identifier: MIT
// How a game is set up, how the turn passes and how the game ends.
#include "game/main.h"
#include "controls/QuindleDice.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QMdiArea>

namespace {
QString turnText(int player)
{
    return QStringLiteral("Player %1's Turn").arg(player);
}
} // namespace

void Tw_Quindle_Main::NextPlayer(int player)
{
    if (m_restoring)
        return;
    if (player != Players) {
        CurrentPlayer = player + 1;
    } else if (Cards[player] && !Cards[player]->GameOver) {
        CurrentPlayer = 1;
    } else {
        FinishGame();
        return;
    }
    // Issue #2: a player whose card is full can only pass, so the turn goes
    // on to the next player who can still score. The last player's card is
    // not complete here, so the search always ends.
    for (int tries = 1; tries < Players; ++tries) {
        const Tw_Card *card = Cards[CurrentPlayer];
        if (!card || card->hasEmptyCell())
            break;
        CurrentPlayer = CurrentPlayer % Players + 1;
    }
    setStatusText(2, turnText(CurrentPlayer));
    if (Cards[player])
        Cards[player]->setEnabled(false);
    if (Tw_Card *next = Cards[CurrentPlayer]) {
        next->setEnabled(true);
        next->showCard();
    }
}

void Tw_Quindle_Main::FinishGame()
{
    CanScore = false;
    i_rolls->Tag = -1;
    NoGame = true;
    SetDiceEnabled(false);
    // Every card is closed before any total is read, so that a total that
    // cannot be read still leaves the game over.
    for (int i = 1; i <= Players; ++i) {
        if (Cards[i])
            Cards[i]->setEnabled(false);
    }
    std::array<int, 5> total{};
    for (int i = 1; i <= Players; ++i) {
        if (!Cards[i])
            continue;
        const TCardLine *grand = Cards[i]->l_grand;
        total[i] = strToInt(grand->Col1());
        if (!grand->Col2().isEmpty())
            total[i] += strToInt(grand->Col2()) + strToInt(grand->Col3());
    }
    int winner = 1;
    for (int i = 1; i <= Players; ++i) {
        if (total[winner] < total[i])
            winner = i;
    }
    platform::announce(this, QStringLiteral("Player %1 wins the game!").arg(winner));
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
    if (NoGame)
        return;
    CanScore = false;
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

void Tw_Quindle_Main::QuickStart(int players, bool hard, bool triple)
{
    // Never shown, so it need not outlive the call.
    Tw_New_Wizard wizard(this);
    wizard.setAttribute(Qt::WA_DeleteOnClose, false);
    wizard.quickStart(players, hard, triple);
}

void Tw_Quindle_Main::New1Click()
{
    auto *wizard = new Tw_New_Wizard(this);
    m_wizard = wizard;
    setEnabled(false);
    wizard->show();
}
