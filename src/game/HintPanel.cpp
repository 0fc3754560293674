// SPDX-License-Identifier: MIT
#include "game/HintPanel.h"
#include "platform/Resources.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int Margin = 4;
// The pale yellow of the game's popup help, so the two kinds of advice look
// alike; the text on it is black whatever the desktop's colours.
const QColor BoxColour(255, 255, 232);
const QColor MarkColour(230, 80, 0);
} // namespace

THintPanel::THintPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HintPanel"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(res::uiFont());
    hide();
}

void THintPanel::setLines(const QStringList &lines)
{
    m_lines = lines;
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    resize(width + 2 * Margin + 2, int(lines.size()) * metrics.height() + 2 * Margin + 2);
    update();
}

void THintPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), BoxColour);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font());
    int y = 1 + Margin + metrics.ascent();
    for (const QString &line : m_lines) {
        painter.drawText(1 + Margin, y, line);
        y += metrics.height();
    }
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
