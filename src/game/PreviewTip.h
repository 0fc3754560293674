// SPDX-License-Identifier: MIT
#pragma once
// A small tooltip-like window of the game's own, in the game's font, that
// tells what a row would score. It stands beside the card, off the rows,
// so that the card's own pixels stay in view.

#include <QLabel>

// Gives `label` the look of the game's notes: the game's font, plain text in
// a thin box, the light palette's tooltip colours whatever the desktop's.
void styleAsNote(QLabel *label);

class TPreviewTip : public QLabel {
    Q_OBJECT
public:
    explicit TPreviewTip(QWidget *owner);

    // Shows `text` level with `row` beside `card` (both on the screen), or
    // hides the tip when there is nothing to tell.
    void showBeside(const QRect &row, const QRect &card, const QString &text);
    // The place the tip takes, kept on `screen`: to the right of the card if
    // it fits there, else to its left, else under the row.
    static QPoint placeFor(const QRect &row, const QRect &card, const QSize &tip, const QRect &screen);
};
