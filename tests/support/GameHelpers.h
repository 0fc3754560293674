// SPDX-License-Identifier: MIT
#pragma once
// Compact ways to put a game into a known state.

#include <QPoint>
#include <QString>

class TCardLine;
class Tw_Card;
class Tw_Quindle_Main;

namespace helpers {

// "44425": die i shows the i-th digit.
void setDice(Tw_Quindle_Main *main, const QString &faces);
// "10010": die i is held when the i-th character is 1.
void setHeld(Tw_Quindle_Main *main, const QString &held);
// The dice in the forms setDice and setHeld take.
QString faces(const Tw_Quindle_Main *main);
QString held(const Tw_Quindle_Main *main);
// The 13 category cells of one column, upper then lower, separated by
// spaces; "." leaves a cell empty: "1 2 3 4 5 6 . . 25 30 40 50 20".
void fillColumn(Tw_Card *card, int column, const QString &cells);
// fillColumn, then the column's totals recounted without a game-over box,
// as a game would have left the card.
void prepareColumn(Tw_Card *card, int column, const QString &cells);
// The column's 13 category cells in the same form.
QString column(const Tw_Card *card, int column);
// Press and release the roll control with the left button.
void roll(Tw_Quindle_Main *main);
// Click a row at x (from the row's left edge), the middle of its height.
void clickRow(TCardLine *row, int x = 15);
// Sets up a game through the quick start path.
void newGame(Tw_Quindle_Main *main, int players, bool triple = false, bool hard = false);

} // namespace helpers
