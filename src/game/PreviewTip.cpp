// SPDX-License-Identifier: MIT
#include "game/PreviewTip.h"
#include "platform/FixedColours.h"
#include "platform/Resources.h"

#include <QScreen>

namespace {
constexpr int Gap = 4;
}

void styleAsNote(QLabel *label)
{
    label->setFont(res::uiFont());
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setMargin(2);
    label->setAutoFillBackground(true);
    QPalette palette = platform::lightPalette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    label->setPalette(palette);
    label->setFocusPolicy(Qt::NoFocus);
}

TPreviewTip::TPreviewTip(QWidget *owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("PreviewTip"));
    styleAsNote(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TPreviewTip::showBeside(const QRect &row, const QRect &card, const QString &text)
{
    if (text.isEmpty()) {
        hide();
        return;
    }
    setText(text);
    adjustSize();
    const QScreen *shown = screen();
    const QRect screenRect = shown ? shown->availableGeometry() : QRect();
    move(placeFor(row, card, size(), screenRect));
    show();
}

QPoint TPreviewTip::placeFor(const QRect &row, const QRect &card, const QSize &tip, const QRect &screen)
{
    const int top = row.center().y() - tip.height() / 2;
    const int right = card.right() + 1 + Gap;
    if (!screen.isValid() || right + tip.width() <= screen.right() + 1)
        return {right, top};
    const int left = card.left() - Gap - tip.width();
    if (left >= screen.left())
        return {left, top};
    // No room beside the card: under the row, over the card while it shows.
    const int x = qBound(screen.left(), row.left(), screen.right() + 1 - tip.width());
    return {x, row.bottom() + 1 + Gap};
}
