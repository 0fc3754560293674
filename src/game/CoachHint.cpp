// SPDX-License-Identifier: MIT
#include "game/CoachHint.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/CoachProvider.h"
#include "game/HintPanel.h"
#include "scoring/CardFrame.h"
#include "scoring/CardKeys.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>

using coach::Alternative;
using rules::Category;

namespace {

constexpr int ProgressInterval = 250; // ms between progress figures
constexpr int Gap = 6;                // between the box and the tray's corner
constexpr int CellWidth = 30;         // a scorecard column

QString columnName(int column)
{
    static const char *const names[] = {"Single", "Double", "Triple"};
    return QLatin1String(names[column - 1]);
}

QString heldValues(const coach::Held &held, const rules::DiceValues &dice)
{
    QStringList values;
    for (int i = 0; i < 5; ++i) {
        if (held[i])
            values << QString::number(dice[i]);
    }
    return values.join(QLatin1Char(' '));
}

// "247.3 expected": a Triple game's figures are only estimates.
QString figure(double expected, bool triple)
{
    return QString::number(expected, 'f', 1) + (triple ? QStringLiteral(" estimated") : QStringLiteral(" expected"));
}

// What the player is told to do.
QString move(const Alternative &best, const coach::Advice &advice, const Tw_Card &card)
{
    const bool triple = card.TripleMode;
    switch (best.kind) {
    case Alternative::Kind::Roll:
        return QStringLiteral("roll the dice");
    case Alternative::Kind::Bonus:
        return QStringLiteral("claim the Quindle bonus (100)");
    case Alternative::Kind::Score: {
        QString text = QStringLiteral("score %1 (%2)").arg(cardkeys::rowName(card, card.ScoreLines[size_t(best.category) - 1])).arg(best.points);
        return triple ? text + QStringLiteral(", %1 column").arg(columnName(best.column)) : text;
    }
    case Alternative::Kind::Hold:
        break;
    }
    const int count = int(std::count(best.held.begin(), best.held.end(), true));
    if (count == 0)
        return QStringLiteral("roll all five dice");
    if (count == 5)
        return QStringLiteral("hold all five dice");
    return QStringLiteral("hold %1, roll the rest").arg(heldValues(best.held, advice.dice));
}

coach::Held heldNow(const Tw_Quindle_Main *main)
{
    coach::Held held{};
    for (int i = 0; i < 5; ++i)
        held[i] = main->Dice[i + 1]->Selected();
    return held;
}

} // namespace

CoachHint::CoachHint(Tw_Quindle_Main *main, coach::TableProvider *provider)
    : QObject(main)
    , m_main(main)
    , m_provider(provider ? provider : new coach::TableProvider)
    , m_panel(new THintPanel(main->centralWidget()))
{
    for (int i = 0; i < 5; ++i)
        m_diceMarks[i] = new THintMark(main->p_display);
    m_progress.setInterval(ProgressInterval);
    connect(&m_progress, &QTimer::timeout, this, &CoachHint::changed);
    connect(m_provider.get(), &coach::TableProvider::tableReady, this, &CoachHint::changed);
    for (int i = 1; i <= 5; ++i)
        connect(main->Dice[i], &TQuindleDice::changed, this, &CoachHint::changed);
}

CoachHint::~CoachHint() = default;

void CoachHint::gameStarted()
{
    m_provider->request();
    hide();
}

void CoachHint::show()
{
    m_provider->request();
    m_shown = true;
    refresh();
}

void CoachHint::hide()
{
    m_shown = false;
    m_progress.stop();
    m_panel->hide();
    clearMarks();
}

void CoachHint::turnPassed()
{
    hide();
}

void CoachHint::changed()
{
    if (!m_shown || m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        if (m_shown)
            refresh();
    });
}

QStringList CoachHint::lines() const
{
    return m_panel->isVisible() ? m_panel->lines() : QStringList();
}

void CoachHint::refresh()
{
    clearMarks();
    if (m_main->NoGame() || !currentCard()) {
        hide();
        return;
    }
    if (!m_provider->ready()) {
        showWaiting();
        return;
    }
    m_progress.stop();
    // The dice are still tumbling: the hint comes back when they land.
    if (m_main->a_roll->Play()) {
        m_panel->hide();
        return;
    }
    showAdvice();
}

void CoachHint::showWaiting()
{
    m_panel->setLines({QStringLiteral("Coach: working out the best play..."),
                       QStringLiteral("%1 % done").arg(m_provider->progress())});
    place();
    if (!m_progress.isActive())
        m_progress.start();
}

bool CoachHint::position(coach::Advice &advice) const
{
    const Tw_Card *card = currentCard();
    const int rollsLeft = qMax(0, m_main->RollsLeft());
    const coach::NextValue values = m_provider->values();
    if (!card->TripleMode) {
        coach::Position at = coach::regularPosition(card->cells(1), m_main->diceValues(), heldNow(m_main), rollsLeft);
        // An upper bonus once given stays on the card, even when Undo took
        // back the score that earned it: none is left to win, and the card's
        // own total is what the player has.
        if (card->UpperBonusGiven[1]) {
            at.state.upper = coach::UpperCap;
            at.points = card->l_grand->Col1().toInt();
        }
        advice = coach::adviseRegular(values, at);
        return false;
    }
    coach::TriplePosition at;
    for (int c = 0; c < 3; ++c)
        at.columns[c] = card->cells(c + 1);
    at.hard = card->HardMode;
    at.dice = m_main->diceValues();
    at.held = heldNow(m_main);
    at.rollsLeft = rollsLeft;
    advice = coach::adviseTripleEstimate(values, at);
    return true;
}

void CoachHint::showAdvice()
{
    const bool triple = position(m_advice);
    const Tw_Card &card = *currentCard();
    const Alternative *best = m_advice.best();
    if (!best) {
        m_panel->hide();
        return;
    }
    QStringList lines{(triple ? QStringLiteral("Coach's estimate: ") : QStringLiteral("Coach: "))
                          + move(*best, m_advice, card),
                      QStringLiteral("Best play: final score %1").arg(figure(best->expected, triple))};
    const int rollsLeft = qMax(0, m_main->RollsLeft());
    if (const std::optional<QString> framed = framedMove(triple)) {
        lines << *framed;
    } else if (rollsLeft > 0 && rollsLeft < 3) {
        if (const std::optional<double> yours = m_advice.forHold(heldNow(m_main)))
            lines << QStringLiteral("Rolling what you hold: %1").arg(figure(*yours, triple));
    } else if (m_advice.alternatives.size() > 1) {
        const Alternative &next = m_advice.alternatives[1];
        lines << QStringLiteral("Next best, %1: %2").arg(move(next, m_advice, card), figure(next.expected, triple));
    }
    m_panel->setLines(lines);
    place();
    if (best->kind == Alternative::Kind::Hold)
        markDice(best->held);
    else if (best->kind != Alternative::Kind::Roll)
        markCell(best->category, best->column, best->kind == Alternative::Kind::Bonus);
}

std::optional<QString> CoachHint::framedMove(bool triple) const
{
    const Tw_Card *card = currentCard();
    const TCardFrame *frame = TCardFrame::find(card);
    if (!frame || !frame->isVisible() || !m_main->CanScore())
        return std::nullopt;
    const bool bonus = card->ScoreLines[size_t(frame->line())] == card->l_bonus;
    for (const Alternative &alternative : m_advice.alternatives) {
        const bool same = bonus ? alternative.kind == Alternative::Kind::Bonus
                                : alternative.kind == Alternative::Kind::Score
                                      && int(alternative.category) == frame->line() + 1
                                      && alternative.column == frame->column();
        if (same)
            return QStringLiteral("Your row, %1: %2").arg(move(alternative, m_advice, *card),
                                                           figure(alternative.expected, triple));
    }
    return std::nullopt;
}

Tw_Card *CoachHint::currentCard() const
{
    return m_main->card(m_main->CurrentPlayer());
}

void CoachHint::place()
{
    // Beside the tray: the top right corner of the playing area, which the
    // cards, placed from the left, leave free longest.
    QWidget *area = m_main->ClientArea;
    const QPoint corner = area->mapTo(m_main->centralWidget(), QPoint(area->width(), 0));
    m_panel->move(qMax(0, corner.x() - m_panel->width() - Gap), corner.y() + Gap);
    m_panel->raise();
    m_panel->show();
}

void CoachHint::clearMarks()
{
    for (THintMark *mark : m_diceMarks)
        mark->hide();
    delete m_cellMark;
}

void CoachHint::markDice(const coach::Held &held)
{
    for (int i = 0; i < 5; ++i) {
        if (held[i])
            m_diceMarks[i]->surround(m_main->Dice[i + 1], m_main->Dice[i + 1]->rect());
    }
}

void CoachHint::markCell(Category category, int column, bool bonus)
{
    Tw_Card *card = currentCard();
    const TCardLine *row = bonus ? card->l_bonus : card->ScoreLines[size_t(category) - 1];
    m_cellMark = new THintMark(card->client());
    const int left = CellWidth * (column - 1);
    m_cellMark->surround(row, QRect(left, 0, CellWidth + 1, row->height()));
    // The keyboard's frame shows where the player is; it stays on top.
    if (TCardFrame *frame = TCardFrame::find(card))
        m_cellMark->stackUnder(frame);
}
