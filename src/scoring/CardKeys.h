// SPDX-License-Identifier: MIT
#pragma once
// What the keyboard and the score preview need to know about a card: which
// rows and columns a score could still go into, and what it would be.

#include <QList>
#include <QString>

class CardHost;
class TCardLine;
class Tw_Card;

namespace cardkeys {

// Index into ScoreLines; -1 for the total rows and strangers.
int lineOf(const Tw_Card &card, const TCardLine *row);
// The row's name as a player reads it off the card.
QString rowName(const Tw_Card &card, const TCardLine *row);

// The rows the focus frame stops on: a category row with an empty cell in
// a column the player can score, and the Quindle bonus row while a bonus
// would be claimed for the dice as they lie.
QList<bool> frameStops(const Tw_Card &card, const CardHost &host);
// The columns of `row` a score could go into: in a Triple (Easy) game every
// empty one, otherwise the one a click would give, if it is empty.
QList<bool> openColumns(const Tw_Card &card, const TCardLine *row);

// The open index nearest `from` in the direction `step` (-1 or +1), or
// `from` when there is none that way. With step 0: `from` if it is open,
// else the next open index after it, else the last one before it, else -1.
int nearest(const QList<bool> &open, int from, int step);

// What a click on `row` in `column` would score now, "Full House: 25"; the
// zero question where it would come; empty when nothing would be scored.
QString previewText(const Tw_Card &card, const CardHost &host, const TCardLine *row, int column);

} // namespace cardkeys
