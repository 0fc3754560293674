// SPDX-License-Identifier: MIT
// The cost of repainting a whole scorecard, as after uncovering it.
#include "FakePlatform.h"
#include "game/main.h"
#include "platform/Application.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QtTest>

class BenchCard : public QObject {
    Q_OBJECT
private slots:
    void fullRepaintOfAFilledTripleCard();
    void repaintOfOneRow();
};

namespace {
void fill(Tw_Card *card)
{
    for (TCardLine *row : card->ScoreLines) {
        for (int column = 1; column <= 3; ++column)
            row->setCol(column, QString::number(10 * column + row->Tag));
    }
    card->l_bonus->setCol1(QStringLiteral("2"));
    // Totals written directly: a recount of a full card would end the game.
    for (TCardLine *row : {card->u_total, card->u_bonus, card->l_u_total, card->l_l_total,
                           card->l_grand}) {
        for (int column = 1; column <= 3; ++column)
            row->setCol(column, QString::number(350 * column));
    }
}
} // namespace

void BenchCard::fullRepaintOfAFilledTripleCard()
{
    FakePlatform quiet;
    Tw_Quindle_Main main;
    main.show();
    main.QuickStart(1, false, true);
    Tw_Card *card = main.card(1);
    fill(card);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QBENCHMARK {
        card->repaint();
    }
}

void BenchCard::repaintOfOneRow()
{
    FakePlatform quiet;
    Tw_Quindle_Main main;
    main.show();
    main.QuickStart(1, false, true);
    Tw_Card *card = main.card(1);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(card->l_grand->isVisible());
    QBENCHMARK {
        card->l_grand->setCol1(QStringLiteral("765"));
    }
}

int main(int argc, char **argv)
{
    QuindleApplication app(argc, argv);
    BenchCard bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_card.moc"
