// SPDX-License-Identifier: MIT
// Taking back the last scoring of a turn.
#include "game/main.h"
#include "controls/QuindleDice.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>

void Tw_Quindle_Main::RecordUndo(int player, int tag, bool upper, int column)
{
    for (int i = 1; i <= 5; ++i)
        m_undo.held[i] = Dice[i]->Selected();
    m_undo.player = player;
    m_undo.tag = tag;
    m_undo.upper = upper;
    m_undo.column = column;
    m_undo.rollsLeft = m_rollsLeft;
    Undo1->setEnabled(true);
}

void Tw_Quindle_Main::Undo1Click()
{
    Undo1->setEnabled(false);
    Tw_Card *scored = card(m_undo.player);
    TCardLine *row = scored ? scored->scoreLine(m_undo.upper, m_undo.tag) : nullptr;
    if (!row)
        return;
    m_canScore = true;
    // A bonus is taken back by restoring the count it replaced.
    QString restored;
    if (row == scored->l_bonus && row->col(m_undo.column).toInt() > 1)
        restored = QString::number(row->col(m_undo.column).toInt() - 1);
    row->setCol(m_undo.column, restored);
    if (m_undo.upper)
        scored->UpdateUpperTotals(m_undo.column);
    else
        scored->UpdateLowerTotals(m_undo.column);

    SetRollsLeft(m_undo.rollsLeft);
    // With no roll left the picture shows 0, not the 3 of the next turn.
    if (m_undo.rollsLeft < 0)
        i_rolls->setPicture(res::picture(res::bitmap(6)));
    SetDiceEnabled(true);
    for (int i = 1; i <= 5; ++i)
        Dice[i]->setSelected(m_undo.held[i]);
    handTurnTo(m_undo.player, card(m_currentPlayer));
}
