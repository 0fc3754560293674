// SPDX-License-Identifier: MIT
#include "GameHelpers.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QtTest>

namespace helpers {

void setDice(Tw_Quindle_Main *main, const QString &faces)
{
    for (int i = 1; i <= 5; ++i)
        main->Dice[i]->setValue(faces.at(i - 1).digitValue());
}

void setHeld(Tw_Quindle_Main *main, const QString &held)
{
    for (int i = 1; i <= 5; ++i)
        main->Dice[i]->setSelected(held.at(i - 1) == QLatin1Char('1'));
}

QString faces(const Tw_Quindle_Main *main)
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += QString::number(main->Dice[i]->Value());
    return result;
}

QString held(const Tw_Quindle_Main *main)
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += main->Dice[i]->Selected() ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

static QList<TCardLine *> categoryRows(const Tw_Card *card)
{
    QList<TCardLine *> rows;
    for (int i = 0; i < 13; ++i)
        rows.append(card->ScoreLines[i]);
    return rows;
}

void fillColumn(Tw_Card *card, int column, const QString &cells)
{
    const QStringList parts = cells.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Q_ASSERT(parts.size() == 13);
    const QList<TCardLine *> rows = categoryRows(card);
    for (int i = 0; i < 13; ++i)
        rows[i]->setCol(column, parts[i] == QLatin1String(".") ? QString() : parts[i]);
}

void prepareColumn(Tw_Card *card, int column, const QString &cells)
{
    fillColumn(card, column, cells);
    card->recountQuietly();
}

QString column(const Tw_Card *card, int column)
{
    QStringList parts;
    for (const TCardLine *row : categoryRows(card))
        parts.append(row->col(column).isEmpty() ? QStringLiteral(".") : row->col(column));
    return parts.join(QLatin1Char(' '));
}

void roll(Tw_Quindle_Main *main)
{
    QTest::mousePress(main->a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(main->a_roll, Qt::LeftButton, {}, QPoint(20, 20));
}

void clickRow(TCardLine *row, int x)
{
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(x, row->height() / 2));
}

void newGame(Tw_Quindle_Main *main, int players, bool triple, bool hard)
{
    main->QuickStart(players, hard, triple);
}

} // namespace helpers
