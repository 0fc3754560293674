// SPDX-License-Identifier: MIT
#include "scoring/CardFrame.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QPainter>

namespace {
const QColor FrameColour(0, 0, 128);
}

TCardFrame::TCardFrame(Tw_Card *card)
    : QWidget(card->client()), m_card(card)
{
    setObjectName(QStringLiteral("CardFrame"));
    // Clicks go through to the row underneath, as if the frame were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

TCardFrame *TCardFrame::find(const Tw_Card *card)
{
    return card ? card->client()->findChild<TCardFrame *>(QString(), Qt::FindDirectChildrenOnly)
                : nullptr;
}

TCardFrame *TCardFrame::of(Tw_Card *card)
{
    TCardFrame *frame = find(card);
    return frame ? frame : new TCardFrame(card);
}

void TCardFrame::showAt(int line, int column)
{
    m_line = line;
    m_column = column;
    const TCardLine *row = m_card->ScoreLines[line];
    // The cell with the separators on either side of it.
    const int left = row->x() + (column - 1) * 30;
    setGeometry(left, row->y(), column == 3 ? row->width() - 60 : 31, row->height());
    raise();
    show();
    update();
}

void TCardFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r.x(), r.y(), r.width(), Pen, FrameColour);
    painter.fillRect(r.x(), r.bottom() - Pen + 1, r.width(), Pen, FrameColour);
    painter.fillRect(r.x(), r.y(), Pen, r.height(), FrameColour);
    painter.fillRect(r.right() - Pen + 1, r.y(), Pen, r.height(), FrameColour);
}
