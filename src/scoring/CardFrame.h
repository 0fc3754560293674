// SPDX-License-Identifier: MIT
#pragma once
// The keyboard's focus frame on a scorecard: a frame around one cell, laid
// over the rows while it is shown, so that the rows themselves paint exactly
// as they always do.

#include "platform/Drawing.h"

#include <QWidget>

class TCardLine;
class Tw_Card;

class TCardFrame : public QWidget, public Drawable {
    Q_OBJECT
public:
    static constexpr int Pen = 2;

    // The card's frame, made hidden at the first asking.
    static TCardFrame *of(Tw_Card *card);
    // The card's frame if it has one.
    static TCardFrame *find(const Tw_Card *card);

    int line() const { return m_line; }
    int column() const { return m_column; }
    // Remembers the cell (line 0..13 of the card's ScoreLines, column 1..3)
    // and frames it.
    void showAt(int line, int column);

    // The frame is a pointer, not part of the card: a printed card leaves it out.
    void draw(QPainter &) const override {}

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit TCardFrame(Tw_Card *card);

    Tw_Card *m_card;
    int m_line = 0;
    int m_column = 1;
};
