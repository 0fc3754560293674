// SPDX-License-Identifier: MIT
#include "game/KeyPlay.h"
#include "game/CoachHint.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/Accessible.h"
#include "game/PreviewTip.h"
#include "game/main.h"
#include "platform/Errors.h"
#include "platform/Widgets.h"
#include "scoring/CardFrame.h"
#include "scoring/CardKeys.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {
bool isCardKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

bool isDieKey(int key)
{
    return key >= Qt::Key_1 && key <= Qt::Key_5;
}

bool isOurKey(int key)
{
    return key == Qt::Key_Space || isDieKey(key) || isCardKey(key);
}

QRect onScreen(const QWidget *widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}
} // namespace

TKeyPlay::TKeyPlay(Tw_Quindle_Main *main)
    : QObject(main), m_main(main), m_tip(new TPreviewTip(main))
{
    addRollItem();
    setToolTips();
    accessible::install();
    m_spaceUp.setSingleShot(true);
    m_spaceUp.setInterval(DefaultReleaseDelay);
    connect(&m_spaceUp, &QTimer::timeout, this, &TKeyPlay::releaseSpace);
    qApp->installEventFilter(this);
}

void TKeyPlay::setReleaseDelay(int ms)
{
    m_spaceUp.setInterval(ms);
}

bool TKeyPlay::repeats(const QKeyEvent &event) const
{
    // Where the window system does not mark its repeats, a repeated press
    // comes with the time of the release just before it.
    return event.isAutoRepeat()
           || (event.key() == m_lastRelease.key && event.timestamp() != 0
               && event.timestamp() == m_lastRelease.time);
}

void TKeyPlay::addRollItem()
{
    QMenu *menu = m_main->Game1;
    const QList<QAction *> items = menu->actions();
    const qsizetype after = items.indexOf(m_main->Quick2Player1) + 1;
    // The key is shown, not bound: Space belongs to whatever has the focus,
    // and only our own widgets hand it to the cup.
    auto *roll = new QAction(QStringLiteral("&Roll\tSpace"), menu);
    roll->setObjectName(QStringLiteral("Roll1"));
    menu->insertAction(after < items.size() ? items[after] : nullptr, roll);
    connect(roll, &QAction::triggered, this, platform::handler([this] {
        if (m_main->NoGame() || m_main->rollPressed())
            return;
        m_main->pressRoll();
        m_main->releaseRoll();
    }));
}

void TKeyPlay::setToolTips()
{
    for (QWidget *cup : {static_cast<QWidget *>(m_main->a_roll), static_cast<QWidget *>(m_main->Shape1),
                         static_cast<QWidget *>(m_main->i_trans)})
        cup->setToolTip(QStringLiteral("Roll (Space)"));
    for (int i = 1; i <= 5; ++i)
        m_main->Dice[i]->setToolTip(QStringLiteral("Hold or release (%1)").arg(i));
}

bool TKeyPlay::isOurs(QObject *watched) const
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_main || !m_main->isEnabled())
        return false;
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return false;
    // A card being moved from its window menu takes the arrows for itself.
    if (QWidget::keyboardGrabber() || QWidget::mouseGrabber())
        return false;
    // Alt puts the menu bar in charge of the arrows.
    return !qobject_cast<const QMenuBar *>(widget);
}

bool TKeyPlay::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return isOurs(watched) && keyPress(static_cast<QWidget *>(watched), *static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        return isOurs(watched) && keyRelease(*static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        hidePointers();
        break;
    case QEvent::ToolTip:
        if (auto *row = qobject_cast<TCardLine *>(watched); row && row->window() == m_main) {
            hover(row, *static_cast<QHelpEvent *>(event));
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == m_hovered && m_tip->isVisible()) {
            const auto *move = static_cast<QMouseEvent *>(event);
            QHelpEvent help(QEvent::ToolTip, move->position().toPoint(), move->globalPosition().toPoint());
            hover(m_hovered, help);
        }
        break;
    case QEvent::Leave:
        if (watched == m_hovered) {
            m_hovered = nullptr;
            m_tip->hide();
        }
        break;
    case QEvent::WindowDeactivate:
        if (watched == m_main)
            m_tip->hide();
        break;
    default:
        break;
    }
    return false;
}

bool TKeyPlay::keyPress(QWidget *target, const QKeyEvent &event)
{
    const int key = event.key();
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !isOurKey(key))
        return false;
    // Keys sent to another player's card go nowhere, and do not scroll.
    Tw_Card *current = m_main->card(m_main->CurrentPlayer());
    const Tw_Card *card = cardOf(target);
    if (m_main->NoGame() || (card && card != current))
        return true;
    // A held key repeats: the cup is pressed once, a die flips once, and a
    // score is never taken twice; only the frame runs on.
    const bool repeated = repeats(event);
    if (repeated && key == Qt::Key_Space)
        m_spaceUp.stop(); // the key is still held: no release
    if (repeated && !(key >= Qt::Key_Left && key <= Qt::Key_Down))
        return true;
    if (m_spaceUp.isActive()) { // a release that was not a repeat after all
        m_spaceUp.stop();
        releaseSpace();
    }
    platform::runHandler([&] {
        if (key == Qt::Key_Space && !m_main->rollPressed()) {
            m_tip->hide();
            m_spaceDown = true;
            m_main->pressRoll();
        } else if (isDieKey(key)) {
            m_tip->hide();
            m_main->toggleDie(key - Qt::Key_0);
        } else if (isCardKey(key)) {
            cardKey(current, key);
        }
    });
    return true;
}

bool TKeyPlay::keyRelease(const QKeyEvent &event)
{
    if (!isOurKey(event.key()))
        return false;
    if (event.isAutoRepeat())
        return true;
    m_lastRelease = {event.key(), event.timestamp()};
    // The cup is let go a moment later, once no repeated press has followed.
    if (event.key() == Qt::Key_Space && m_spaceDown)
        m_spaceUp.start();
    return true;
}

void TKeyPlay::releaseSpace()
{
    if (!m_spaceDown)
        return;
    m_spaceDown = false;
    // Only the press that Space made is released: a mouse or a dialog may
    // have ended it already.
    if (m_main->rollPressed())
        platform::runHandler([this] { m_main->releaseRoll(); });
}

void TKeyPlay::cardKey(Tw_Card *card, int key)
{
    if (!card || !card->isEnabled())
        return;
    TCardFrame *frame = TCardFrame::of(card);
    const bool shown = frame->isVisible();
    const QList<bool> stops = cardkeys::frameStops(*card, *m_main);
    int line = cardkeys::nearest(stops, frame->line(), 0);
    if (line < 0) {
        hidePointers();
        return;
    }
    if (shown && (key == Qt::Key_Up || key == Qt::Key_Down))
        line = cardkeys::nearest(stops, line, key == Qt::Key_Up ? -1 : 1);
    const TCardLine *row = card->ScoreLines[line];
    const QList<bool> columns = cardkeys::openColumns(*card, row);
    int column = cardkeys::nearest(columns, frame->column() - 1, 0) + 1;
    if (column < 1) // the bonus row, whose check marks fill its only column
        column = card->ColumnFor(row, frame->column());
    if (shown && (key == Qt::Key_Left || key == Qt::Key_Right))
        column = cardkeys::nearest(columns, column - 1, key == Qt::Key_Left ? -1 : 1) + 1;
    const bool stays = shown && line == frame->line() && column == frame->column();
    if (stays && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        scoreAtFrame(card);
        return;
    }
    frame->showAt(line, column);
    showPreview(card, row, column);
    // The framed row is the move the coach weighs against its own.
    m_main->coachHint()->changed();
    QAccessibleEvent focus(const_cast<TCardLine *>(row), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void TKeyPlay::scoreAtFrame(Tw_Card *card)
{
    // Before the first roll there is nothing to score, and the frame stays.
    if (!m_main->CanScore())
        return;
    const QPointer<TCardFrame> frame = TCardFrame::find(card);
    m_tip->hide();
    m_main->scoreLine(frame->line(), frame->column());
    if (!frame)
        return;
    if (!m_main->CanScore())
        frame->hide();
    else // the zero was declined: the player looks for another row
        showPreview(card, card->ScoreLines[frame->line()], frame->column());
}

void TKeyPlay::showPreview(Tw_Card *card, const TCardLine *row, int column)
{
    m_hovered = nullptr;
    m_tip->showBeside(onScreen(row), onScreen(card),
                      cardkeys::previewText(*card, *m_main, row, column));
}

void TKeyPlay::hover(TCardLine *row, const QHelpEvent &event)
{
    Tw_Card *card = cardOf(row);
    if (!card || card != m_main->card(m_main->CurrentPlayer()) || !card->isEnabled()) {
        m_tip->hide();
        return;
    }
    // Mouse moves then reach the row, so that the tip follows the column
    // under the mouse in a Triple (Easy) game.
    row->setMouseTracking(true);
    showPreview(card, row, card->ColumnFor(row, TCardLine::columnAt(event.pos().x())));
    m_hovered = row;
}

void TKeyPlay::hidePointers()
{
    m_tip->hide();
    m_hovered = nullptr;
    for (int player = 1; player <= 4; ++player) {
        if (TCardFrame *frame = TCardFrame::find(m_main->card(player)))
            frame->hide();
    }
}

Tw_Card *TKeyPlay::cardOf(const QWidget *widget)
{
    for (QObject *at = const_cast<QWidget *>(widget); at; at = at->parent()) {
        if (auto *card = qobject_cast<Tw_Card *>(at))
            return card;
    }
    return nullptr;
}
