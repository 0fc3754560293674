// SPDX-License-Identifier: MIT
#pragma once
// What the How to Play window says: the page as HTML and the pictures it
// shows, taken from the game's own dice, cup, pencil and check marks.

#include "game/rules.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace howto {

// A roll shown on the page with what a row makes of it.
struct Example {
    rules::DiceValues dice;
    rules::Category category;
    int points; // what the row scores; -1 where the zero question comes
};

const QList<Example> &examples();
QString categoryName(rules::Category category);

// The page, with the examples set into it.
QString page();

// The pictures the page names in its <img src="...">, by that name.
QList<QPair<QString, QImage>> pictures();

} // namespace howto
