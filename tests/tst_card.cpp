// SPDX-License-Identifier: MIT
// Scoring on the scorecard through the player's clicks: which cell a click
// fills, the totals with their column factors and the end of a player's
// game. The bonuses have their own test.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <memory>

namespace {
constexpr int ColumnMiddle[4] = {0, 15, 45, 75};
const QString Empty13 = QStringLiteral(". . . . . . . . . . . . .");
} // namespace

class TestCard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickBeforeTheFirstRollDoesNothing();
    void clickOnAFilledCellDoesNothing();
    void secondClickInTheSameTurnDoesNothing();
    void clickOnAnotherPlayersCardDoesNothing();
    void declinedZeroKeepsTheTurn();
    void clickPositionChoosesTheColumn_data();
    void clickPositionChoosesTheColumn();
    void hardModeFillsLeftToRight_data();
    void hardModeFillsLeftToRight();
    void totalsCountTheColumnFactor_data();
    void totalsCountTheColumnFactor();
    void grandTotalWaitsForBothSides();
    void lastCellEndsThePlayersGame_data();
    void lastCellEndsThePlayersGame();

private:
    Tw_Card *card(int player) const { return m_main->Cards[player]; }
    void start(int players, bool triple = false, bool hard = false);
    void rollAs(const QString &dice);
    bool turnEnded() const;

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestCard::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->Animation1Click(); // rolls land at once
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestCard::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

void TestCard::start(int players, bool triple, bool hard)
{
    helpers::newGame(m_main.get(), players, triple, hard);
    QVERIFY(card(players));
}

void TestCard::rollAs(const QString &dice)
{
    helpers::roll(m_main.get());
    helpers::setDice(m_main.get(), dice);
}

bool TestCard::turnEnded() const
{
    return !m_main->CanScore && m_main->RollsLeft() == 3 && !m_main->Dice[1]->isEnabled();
}

void TestCard::clickBeforeTheFirstRollDoesNothing()
{
    start(1);
    helpers::setDice(m_main.get(), QStringLiteral("11111"));
    helpers::clickRow(card(1)->u_1);
    helpers::clickRow(card(1)->l_quindle);
    QCOMPARE(helpers::column(card(1), 1), Empty13);
    QVERIFY(m_platform->boxes.shown.isEmpty());
}

void TestCard::clickOnAFilledCellDoesNothing()
{
    start(1);
    helpers::fillColumn(card(1), 1, QStringLiteral(". . 9 . . . . . . . . . ."));
    rollAs(QStringLiteral("33333"));
    helpers::clickRow(card(1)->u_3);
    QCOMPARE(card(1)->u_3->Col1(), QStringLiteral("9"));
    QVERIFY(m_main->CanScore);
    QVERIFY(card(1)->u_total->Col1().isEmpty());
    QVERIFY(m_platform->boxes.shown.isEmpty());
}

void TestCard::secondClickInTheSameTurnDoesNothing()
{
    start(1);
    rollAs(QStringLiteral("11112"));
    helpers::clickRow(card(1)->u_1);
    helpers::clickRow(card(1)->u_2);
    QCOMPARE(helpers::column(card(1), 1), QStringLiteral("4 . . . . . . . . . . . ."));
    QVERIFY(turnEnded());
}

void TestCard::clickOnAnotherPlayersCardDoesNothing()
{
    start(2);
    rollAs(QStringLiteral("22222"));
    helpers::clickRow(card(2)->l_quindle);
    QCOMPARE(helpers::column(card(2), 1), Empty13);
    helpers::clickRow(card(1)->l_quindle);
    QCOMPARE(card(1)->l_quindle->Col1(), QStringLiteral("50"));
}

void TestCard::declinedZeroKeepsTheTurn()
{
    start(1);
    rollAs(QStringLiteral("23456"));
    m_platform->boxes.answers.enqueue(1);
    helpers::clickRow(card(1)->u_1);
    QCOMPARE(m_platform->boxes.shown.size(), 1);
    QCOMPARE(helpers::column(card(1), 1), Empty13);
    QVERIFY(m_main->CanScore);
    helpers::clickRow(card(1)->l_large);
    QCOMPARE(card(1)->l_large->Col1(), QStringLiteral("40"));
    QVERIFY(turnEnded());
}

void TestCard::clickPositionChoosesTheColumn_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");

    QTest::newRow("Regular: a click at 0 scores column 1") << false << 0 << 1;
    QTest::newRow("Regular: a click at 45 still scores column 1") << false << 45 << 1;
    QTest::newRow("Regular: a click at 91 still scores column 1") << false << 91 << 1;
    QTest::newRow("Easy: a click at 29 scores Single") << true << 29 << 1;
    QTest::newRow("Easy: a click at 30 scores Double") << true << 30 << 2;
    QTest::newRow("Easy: a click at 60 scores Double") << true << 60 << 2;
    QTest::newRow("Easy: a click at 61 scores Triple") << true << 61 << 3;
    QTest::newRow("Easy: a click at 91 scores Triple") << true << 91 << 3;
}

void TestCard::clickPositionChoosesTheColumn()
{
    QFETCH(bool, triple);
    QFETCH(int, x);
    QFETCH(int, column);
    start(1, triple, false);
    rollAs(QStringLiteral("55512"));
    helpers::clickRow(card(1)->u_5, x);
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(card(1)->u_5->col(c), c == column ? QStringLiteral("15") : QString());
        QCOMPARE(card(1)->l_u_total->col(c), c == column ? QString::number(15 * c) : QString());
    }
    QVERIFY(turnEnded());
}

void TestCard::hardModeFillsLeftToRight_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::newRow("clicks on the right fill Single first") << QList<int>{91, 91, 91};
    QTest::newRow("clicks on the left still reach Triple") << QList<int>{0, 0, 0};
    QTest::newRow("clicks anywhere fill in order") << QList<int>{75, 10, 45};
}

void TestCard::hardModeFillsLeftToRight()
{
    QFETCH(QList<int>, clicks);
    start(1, true, true);
    const QStringList after{QStringLiteral("12 . ."), QStringLiteral("12 12 ."),
                            QStringLiteral("12 12 12")};
    for (int turn = 0; turn < 3; ++turn) {
        rollAs(QStringLiteral("66123"));
        helpers::clickRow(card(1)->u_6, clicks[turn]);
        const TCardLine *row = card(1)->u_6;
        QStringList cells;
        for (int c = 1; c <= 3; ++c)
            cells << (row->col(c).isEmpty() ? QStringLiteral(".") : row->col(c));
        QCOMPARE(cells.join(QLatin1Char(' ')), after[turn]);
    }
    rollAs(QStringLiteral("66666"));
    helpers::clickRow(card(1)->u_6, 75);
    QCOMPARE(card(1)->u_6->Col3(), QStringLiteral("12"));
    QVERIFY(m_main->CanScore);
}

void TestCard::totalsCountTheColumnFactor_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cells"); // the one "." is scored by a click
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("totals"); // u_total l_u_total l_l_total l_grand

    QTest::newRow("upper 70 and lower 150 in Triple make 315 and 765")
        << true << 3 << "1 6 9 16 20 . 20 20 25 30 40 0 15" << "66612" << "70 315 150 765";
    QTest::newRow("a full Triple column shows its grand total 1125 whole")
        << true << 3 << "5 10 15 20 25 30 30 30 25 30 40 50 ." << "66666" << "105 420 235 1125";
    QTest::newRow("Double counts upper 57 and lower 150 twice")
        << true << 2 << "3 6 9 12 15 . 20 20 25 30 40 0 15" << "66123" << "57 114 150 414";
    QTest::newRow("Regular counts upper 70 with bonus and lower 150 once")
        << false << 1 << "1 6 9 16 20 18 20 20 25 30 40 0 ." << "12345" << "70 105 150 255";
}

void TestCard::totalsCountTheColumnFactor()
{
    QFETCH(bool, triple);
    QFETCH(int, column);
    QFETCH(QString, cells);
    QFETCH(QString, dice);
    QFETCH(QString, totals);
    start(1, triple, false);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, column, cells);
    // The recounts a loaded game runs; the click then adds the last cell.
    c->UpdateUpperTotals(column);
    c->UpdateLowerTotals(column);
    const int open = cells.split(QLatin1Char(' ')).indexOf(QStringLiteral("."));
    rollAs(dice);
    helpers::clickRow(c->ScoreLines[open], ColumnMiddle[column]);
    QVERIFY(!helpers::column(c, column).contains(QLatin1Char('.')));
    const QStringList shown{c->u_total->col(column), c->l_u_total->col(column),
                            c->l_l_total->col(column), c->l_grand->col(column)};
    QCOMPARE(shown.join(QLatin1Char(' ')), totals);
}

void TestCard::grandTotalWaitsForBothSides()
{
    start(1);
    Tw_Card *c = card(1);
    rollAs(QStringLiteral("34566"));
    m_platform->boxes.answers.enqueue(0);
    helpers::clickRow(c->u_1); // a taken zero still writes the totals
    QCOMPARE(c->u_1->Col1(), QStringLiteral("0"));
    QCOMPARE(c->u_total->Col1(), QStringLiteral("0"));
    QCOMPARE(c->l_u_total->Col1(), QStringLiteral("0"));
    QVERIFY(c->l_l_total->Col1().isEmpty());
    QVERIFY(c->l_grand->Col1().isEmpty());
    rollAs(QStringLiteral("12345"));
    helpers::clickRow(c->l_chance);
    QCOMPARE(c->l_l_total->Col1(), QStringLiteral("15"));
    QCOMPARE(c->l_grand->Col1(), QStringLiteral("15"));
}

void TestCard::lastCellEndsThePlayersGame_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("nextPlayer"); // 0: the whole game is over

    const QString over1 = QStringLiteral("Player 1, your game is over.");
    const QString wins1 = QStringLiteral("Player 1 wins the game!");
    QTest::newRow("a lone player's last cell ends his game, then the whole game")
        << 1 << false << 1 << QStringList{over1, wins1} << 0;
    QTest::newRow("player 1's last cell ends his game, then player 2 plays on")
        << 2 << false << 1 << QStringList{over1} << 2;
    QTest::newRow("a Triple game ends with its last column's last cell")
        << 1 << true << 3 << QStringList{over1, wins1} << 0;
    QTest::newRow("a full Single column does not end a Triple game")
        << 1 << true << 1 << QStringList{} << 1;
}

void TestCard::lastCellEndsThePlayersGame()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(int, lastColumn);
    QFETCH(QStringList, messages);
    QFETCH(int, nextPlayer);
    start(players, triple, false);
    const QString full = QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 20");
    const QString chanceOpen = QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 .");
    for (int c = 1; c <= lastColumn; ++c) {
        helpers::fillColumn(card(1), c, c < lastColumn ? full : chanceOpen);
        // The recounts a loaded game runs, so that the winner can be read.
        card(1)->UpdateUpperTotals(c);
        card(1)->UpdateLowerTotals(c);
    }
    // Each recount passed the turn on; the other players pass it back.
    while (m_main->CurrentPlayer != 1)
        m_main->NextPlayer(m_main->CurrentPlayer);
    QVERIFY(m_platform->boxes.shown.isEmpty());
    rollAs(QStringLiteral("12345"));
    helpers::clickRow(card(1)->l_chance, ColumnMiddle[lastColumn]);
    QCOMPARE(card(1)->l_chance->col(lastColumn), QStringLiteral("15"));
    QCOMPARE(m_platform->boxes.texts(), messages);
    QCOMPARE(card(1)->GameOver, !messages.isEmpty());
    QCOMPARE(m_main->NoGame, nextPlayer == 0);
    if (nextPlayer != 0) {
        QCOMPARE(m_main->CurrentPlayer, nextPlayer);
        QCOMPARE(card(nextPlayer)->isEnabled(), true);
        QVERIFY(turnEnded());
    }
}

QUINDLE_TEST_MAIN(TestCard)
#include "tst_card.moc"
