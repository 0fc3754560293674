// SPDX-License-Identifier: MIT
// Scoring on the scorecard through the player's clicks: which cell a click
// fills, the totals with their column factors and when a Triple card is
// complete. The bonuses have their own test.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

namespace {
constexpr int ColumnMiddle[4] = {0, 15, 45, 75};
const QString Empty13 = QStringLiteral(". . . . . . . . . . . . .");
} // namespace

class TestCard : public QObject {
    Q_OBJECT

private slots:
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup() { m_game.reset(); }

    void clicksThatScoreNothing_data();
    void clicksThatScoreNothing();
    void clickPositionChoosesTheColumn_data();
    void clickPositionChoosesTheColumn();
    void hardModeFillsLeftToRight();
    void totalsCountTheColumnFactor_data();
    void totalsCountTheColumnFactor();
    void fullSingleColumnDoesNotEndATripleGame();

private:
    Tw_Card *card(int player) const { return m_game->main->card(player); }

    std::unique_ptr<FileGame> m_game;
};

void TestCard::clicksThatScoreNothing_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("before"); // card 1's column before the click
    QTest::addColumn<QString>("scored"); // a row scored earlier in the turn
    QTest::addColumn<int>("player");     // whose card is clicked
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("after");

    QTest::newRow("a click on a filled cell leaves it as it was")
        << 1 << ". . 6 . . . . . . . . . ." << "" << 1 << "u_3" << ". . 6 . . . . . . . . . .";
    QTest::newRow("a second click in the same turn does nothing")
        << 1 << Empty13 << "u_1" << 1 << "u_3" << "2 . . . . . . . . . . . .";
    QTest::newRow("a click on another player's card does nothing")
        << 2 << Empty13 << "" << 2 << "u_3" << Empty13;
    QTest::newRow("a declined zero writes nothing and keeps the turn")
        << 1 << Empty13 << "" << 1 << "u_4" << Empty13;
}

void TestCard::clicksThatScoreNothing()
{
    QFETCH(int, players);
    QFETCH(QString, before);
    QFETCH(QString, scored);
    QFETCH(int, player);
    QFETCH(QString, row);
    QFETCH(QString, after);
    helpers::newGame(m_game->main.get(), players);
    helpers::fillColumn(card(1), 1, before);
    m_game->rollAs(QStringLiteral("33311"));
    if (!scored.isEmpty())
        helpers::clickRow(card(1)->findChild<TCardLine *>(scored));
    const bool couldScore = m_game->main->CanScore();
    m_game->fake.boxes.defaultAnswer = 1; // No, keep the turn
    helpers::clickRow(card(player)->findChild<TCardLine *>(row));
    QCOMPARE(helpers::column(card(1), 1), after);
    QCOMPARE(helpers::column(card(players), 1), players == 1 ? after : Empty13);
    QCOMPARE(m_game->main->CanScore(), couldScore);
    QCOMPARE(m_game->fake.boxes.shown.size(), row == QLatin1String("u_4") ? 1 : 0);
}

void TestCard::clickPositionChoosesTheColumn_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");

    QTest::newRow("Regular: a click at 91 still scores column 1") << false << 91 << 1;
    QTest::newRow("Easy: a click at 29 scores Single") << true << 29 << 1;
    QTest::newRow("Easy: a click at 30 scores Double") << true << 30 << 2;
    QTest::newRow("Easy: a click at 60 scores Double") << true << 60 << 2;
    QTest::newRow("Easy: a click at 61 scores Triple") << true << 61 << 3;
}

void TestCard::clickPositionChoosesTheColumn()
{
    QFETCH(bool, triple);
    QFETCH(int, x);
    QFETCH(int, column);
    helpers::newGame(m_game->main.get(), 1, triple, false);
    m_game->rollAs(QStringLiteral("55512"));
    helpers::clickRow(card(1)->u_5, x);
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(card(1)->u_5->col(c), c == column ? QStringLiteral("15") : QString());
        QCOMPARE(card(1)->l_u_total->col(c), c == column ? QString::number(15 * c) : QString());
    }
    QVERIFY(m_game->turnEnded());
}

void TestCard::hardModeFillsLeftToRight()
{
    helpers::newGame(m_game->main.get(), 1, true, true);
    TCardLine *row = card(1)->u_6;
    QStringList filled;
    for (int x : {91, 0, 45}) {
        m_game->rollAs(QStringLiteral("66123"));
        helpers::clickRow(row, x);
        filled << QStringList{row->Col1(), row->Col2(), row->Col3()}.join(QLatin1Char('|'));
    }
    QCOMPARE(filled, (QStringList{"12||", "12|12|", "12|12|12"}));
    m_game->rollAs(QStringLiteral("66666"));
    helpers::clickRow(row, 75);
    QCOMPARE(row->Col3(), QStringLiteral("12"));
    QVERIFY(m_game->main->CanScore());
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
}

void TestCard::totalsCountTheColumnFactor()
{
    QFETCH(bool, triple);
    QFETCH(int, column);
    QFETCH(QString, cells);
    QFETCH(QString, dice);
    QFETCH(QString, totals);
    helpers::newGame(m_game->main.get(), 1, triple, false);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, column, cells);
    // The recounts a loaded game runs; the click then adds the last cell.
    c->UpdateUpperTotals(column);
    c->UpdateLowerTotals(column);
    const int open = cells.split(QLatin1Char(' ')).indexOf(QStringLiteral("."));
    m_game->rollAs(dice);
    helpers::clickRow(c->ScoreLines[open], ColumnMiddle[column]);
    QVERIFY(!helpers::column(c, column).contains(QLatin1Char('.')));
    const QStringList shown{c->u_total->col(column), c->l_u_total->col(column),
                            c->l_l_total->col(column), c->l_grand->col(column)};
    QCOMPARE(shown.join(QLatin1Char(' ')), totals);
}

// The game-over message once, and the next player's turn or the winner, are
// shown in tst_turns; a Triple card is only complete with all three columns.
void TestCard::fullSingleColumnDoesNotEndATripleGame()
{
    helpers::newGame(m_game->main.get(), 1, true, false);
    helpers::fillColumn(card(1), 1, QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 ."));
    m_game->rollAs(QStringLiteral("12345"));
    helpers::clickRow(card(1)->l_chance, 15);
    QCOMPARE(card(1)->l_chance->Col1(), QStringLiteral("15"));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
    QVERIFY(!card(1)->GameOver && !m_game->main->NoGame());
    QVERIFY(card(1)->isEnabled());
}

QUINDLE_TEST_MAIN(TestCard)
#include "tst_card.moc"
