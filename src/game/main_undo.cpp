// SPDX-License-Identifier: MIT
// Taking back the last scoring of a turn.
#include "game/main.h"
#include "controls/QuindleDice.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>

namespace {
TCardLine *undoRow(Tw_Card *card, int tag, bool upper)
{
    if (upper)
        return tag >= 1 && tag <= 6 ? card->ScoreLines[tag - 1] : nullptr;
    if (tag == 0)
        return card->l_bonus;
    return tag >= 1 && tag <= 7 ? card->ScoreLines[5 + tag] : nullptr;
}
} // namespace

void Tw_Quindle_Main::RecordUndo(int player, int tag, bool upper, int column)
{
    for (int i = 1; i <= 5; ++i)
        UndoHeld[i] = Dice[i]->Selected();
    UndoPlayer = player;
    UndoTag = tag;
    UndoUpper = upper;
    UndoColumn = column;
    UndoRollsLeft = RollsLeft();
    Undo1->setEnabled(true);
}

void Tw_Quindle_Main::Undo1Click()
{
    Undo1->setEnabled(false);
    Tw_Card *card = Cards[UndoPlayer];
    TCardLine *row = card ? undoRow(card, UndoTag, UndoUpper) : nullptr;
    if (!row)
        return;
    CanScore = true;
    // Issue #5: a bonus is taken back by restoring the count it replaced.
    QString restored;
    if (row == card->l_bonus && row->col(UndoColumn).toInt() > 1)
        restored = QString::number(row->col(UndoColumn).toInt() - 1);
    row->setCol(UndoColumn, restored);
    if (UndoUpper)
        card->UpdateUpperTotals(UndoColumn);
    else
        card->UpdateLowerTotals(UndoColumn);

    SetRollsLeft(UndoRollsLeft);
    // Issue #5: no roll left shows the picture for 0, not the stale 3.
    if (UndoRollsLeft < 0)
        i_rolls->setPicture(QImage(res::bitmap(6)));
    SetDiceEnabled(true);
    for (int i = 1; i <= 5; ++i)
        Dice[i]->setSelected(UndoHeld[i]);
    if (Cards[CurrentPlayer])
        Cards[CurrentPlayer]->setEnabled(false);
    card->setEnabled(true);
    card->showCard();
    CurrentPlayer = UndoPlayer;
    setStatusText(2, QStringLiteral("Player %1's Turn").arg(UndoPlayer));
}
