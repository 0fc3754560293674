// SPDX-License-Identifier: MIT
#include "game/HintPanel.h"
#include "game/PreviewTip.h"

#include <QPainter>

namespace {
const QColor MarkColour(230, 80, 0);
} // namespace

THintPanel::THintPanel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("HintPanel"));
    styleAsNote(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void THintPanel::setLines(const QStringList &lines)
{
    m_lines = lines;
    setText(lines.join(QLatin1Char('\n')));
    adjustSize();
}

THintMark::THintMark(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void THintMark::surround(const QWidget *target, const QRect &area)
{
    const QRect frame(target->mapTo(parentWidget(), area.topLeft()), area.size());
    setGeometry(frame);
    // Only the frame's own pixels belong to the mark: the middle shows the
    // die or the cell beneath, on any platform, composited or not.
    const QRegion outer(rect());
    setMask(outer.subtracted(QRegion(rect().adjusted(Thickness, Thickness, -Thickness, -Thickness))));
    raise();
    show();
}

void THintMark::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), MarkColour);
}
