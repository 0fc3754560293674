// SPDX-License-Identifier: MIT
#include "game/Accessible.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardKeys.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAccessibleWidget>

namespace accessible {
namespace {

Tw_Quindle_Main *mainOf(const QWidget *widget)
{
    return qobject_cast<Tw_Quindle_Main *>(widget->window());
}

class DieInterface : public QAccessibleWidget {
public:
    explicit DieInterface(TQuindleDice *die) : QAccessibleWidget(die, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *die = static_cast<const TQuindleDice *>(widget());
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Die %1").arg(die->objectName().mid(4));
        case QAccessible::Value:
            return die->Selected() ? QStringLiteral("%1, held").arg(die->Value())
                                   : QString::number(die->Value());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const TQuindleDice *>(widget())->Selected();
        return s;
    }
};

class CupInterface : public QAccessibleWidget {
public:
    explicit CupInterface(QWidget *cup) : QAccessibleWidget(cup, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Roll");
        case QAccessible::Value:
            return rollsText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    QString rollsText() const
    {
        const Tw_Quindle_Main *main = mainOf(widget());
        const int rolls = main && !main->NoGame() ? main->RollsLeft() : -1;
        if (rolls < 0)
            return QStringLiteral("no game");
        return rolls == 1 ? QStringLiteral("1 roll left") : QStringLiteral("%1 rolls left").arg(rolls);
    }
};

class RowInterface : public QAccessibleWidget {
public:
    RowInterface(TCardLine *row, Tw_Card *card) : QAccessibleWidget(row, QAccessible::Cell), m_card(card) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *row = static_cast<const TCardLine *>(widget());
        switch (t) {
        case QAccessible::Name:
            return cardkeys::rowName(*m_card, row);
        case QAccessible::Value:
            return cells(row);
        case QAccessible::Description:
            return preview(row);
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    QString cells(const TCardLine *row) const
    {
        const auto cell = [row](int c) {
            return row->col(c).isEmpty() ? QStringLiteral("empty") : row->col(c);
        };
        if (!m_card->TripleMode)
            return cell(1);
        return QStringLiteral("Single %1, Double %2, Triple %3").arg(cell(1), cell(2), cell(3));
    }

    // What the row would score for a click on its first open column.
    QString preview(const TCardLine *row) const
    {
        Tw_Quindle_Main *main = mainOf(m_card);
        if (!main || main->card(main->CurrentPlayer()) != m_card || !m_card->isEnabled())
            return QString();
        const int open = cardkeys::openColumns(*m_card, row).indexOf(true);
        return cardkeys::previewText(*m_card, *main, row, m_card->ColumnFor(row, open + 1));
    }

    Tw_Card *m_card;
};

Tw_Card *cardOf(QObject *object)
{
    for (QObject *at = object; at; at = at->parent()) {
        if (auto *card = qobject_cast<Tw_Card *>(at))
            return card;
    }
    return nullptr;
}

} // namespace

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *die = qobject_cast<TQuindleDice *>(object))
        return new DieInterface(die);
    if (auto *cup = qobject_cast<TAnimated *>(object); cup && cup->objectName() == QLatin1String("a_roll"))
        return new CupInterface(cup);
    if (auto *row = qobject_cast<TCardLine *>(object)) {
        if (Tw_Card *card = cardOf(row))
            return new RowInterface(row, card);
    }
    return nullptr;
}

void install()
{
    QAccessible::installFactory(&factory);
}

} // namespace accessible
