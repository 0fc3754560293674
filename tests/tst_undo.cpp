// SPDX-License-Identifier: MIT
// Taking back the last scoring: the cell, the turn, the dice and the rolls.
#include "GameFixture.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void undoGivesBackTheTurnWithTheSameDice_data();
    void undoGivesBackTheTurnWithTheSameDice();
    void undoTakesBackExactlyTheScoredCell_data();
    void undoTakesBackExactlyTheScoredCell();
    void undoIsOfferedOnlyUntilTheNextPressOrSetUp_data();
    void undoIsOfferedOnlyUntilTheNextPressOrSetUp();
};

void TestUndo::undoGivesBackTheTurnWithTheSameDice_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rolls");
    QTest::addColumn<int>("picture");
    QTest::newRow("after one roll two rolls come back") << 1 << 1 << 2;
    // The picture for 0, not the 3 shown since the turn ended.
    QTest::newRow("after a press past the last roll none comes back, with the picture for 0")
        << 1 << 4 << 6;
    QTest::newRow("the turn comes back from the next player, card and all") << 3 << 2 << 1;
}

void TestUndo::undoGivesBackTheTurnWithTheSameDice()
{
    QFETCH(int, players);
    QFETCH(int, rolls);
    QFETCH(int, picture);
    GameFixture game;
    game.newGame(players);
    for (int i = 0; i < rolls; ++i)
        game.rollAs(QStringLiteral("14264"));
    for (const int die : {2, 5})
        QTest::mouseClick(game.main->Dice[die], Qt::LeftButton, {}, QPoint(22, 22));
    game.clickRow(1, QStringLiteral("u_4"));
    QCOMPARE(game.card(1)->u_4->Col1(), QStringLiteral("8"));
    QCOMPARE(game.held(), QStringLiteral("00000"));
    QCOMPARE(game.main->CurrentPlayer(), players == 1 ? 1 : 2);

    game.main->Undo1->trigger();
    QVERIFY(!game.main->Undo1->isEnabled());
    QVERIFY(game.card(1)->u_4->Col1().isEmpty());
    QCOMPARE(game.card(1)->u_total->Col1(), QStringLiteral("0"));
    QCOMPARE(game.main->RollsLeft(), qMax(3 - rolls, -1));
    QCOMPARE(game.main->i_rolls->picture(), res::picture(res::bitmap(picture)));
    QCOMPARE(game.held(), QStringLiteral("01001"));
    QCOMPARE(game.faces(), QStringLiteral("14264"));
    QVERIFY(game.main->Dice[1]->isEnabled());
    QCOMPARE(game.main->CurrentPlayer(), 1);
    QCOMPARE(game.main->statusText(2), QStringLiteral("Player 1's Turn"));
    for (int p = 1; p <= players; ++p)
        QCOMPARE(game.card(p)->isEnabled(), p == 1);
    QCOMPARE(game.main->ClientArea->currentSubWindow(), game.card(1));
    // He may score at once, the cleared row included.
    game.clickRow(1, QStringLiteral("l_chance"));
    QCOMPARE(game.card(1)->l_chance->Col1(), QStringLiteral("17"));
}

void TestUndo::undoTakesBackExactlyTheScoredCell_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<QString>("cells"); // before the roll: row, column, text
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("click"); // row and x
    QTest::addColumn<QString>("total"); // recounted: row, column, text
    QTest::newRow("the Double cell of a Triple row goes, and Single and Triple stay")
        << true << "u_3 1 9, u_3 3 6" << "33312" << "u_3 45" << "l_u_total 2 0";
    // A bonus is taken back to the count it replaced.
    QTest::newRow("a first Quindle bonus leaves the count empty")
        << false << "l_quindle 1 50" << "55555" << "l_bonus 15" << "l_l_total 1 50";
    QTest::newRow("a third Quindle bonus leaves two")
        << false << "l_quindle 1 50, l_bonus 1 2" << "55555" << "l_bonus 15" << "l_l_total 1 250";
    QTest::newRow("the last cell of an earlier player's card is emptied again")
        << false << "u_1 1 1, u_2 1 2, u_3 1 3, u_4 1 4, u_5 1 5, u_6 1 6, l_3_kind 1 10, "
                    "l_4_kind 1 10, l_full 1 25, l_small 1 30, l_large 1 40, l_quindle 1 50"
        << "12345" << "l_chance 15" << "l_l_total 1 165";
}

void TestUndo::undoTakesBackExactlyTheScoredCell()
{
    QFETCH(bool, triple);
    QFETCH(QString, cells);
    QFETCH(QString, dice);
    QFETCH(QString, click);
    QFETCH(QString, total);
    GameFixture game;
    game.newGame(2, triple, false);
    for (const QString &cell : cells.split(QStringLiteral(", ")))
        game.row(1, cell.section(' ', 0, 0))->setCol(cell.section(' ', 1, 1).toInt(), cell.section(' ', 2));
    const auto shown = [&] {
        QStringList columns{game.card(1)->l_bonus->Col1()};
        for (int c = 1; c <= 3; ++c)
            columns << game.column(1, c);
        return columns;
    };
    game.rollAs(dice);
    const QStringList before = shown();
    const bool completes = before[1].count(QLatin1Char('.')) == 1 && !triple;
    if (completes)
        game.fake.boxes.allow(QStringLiteral("Player 1, your game is over."));
    game.clickRow(1, click.section(' ', 0, 0), click.section(' ', 1).toInt());
    QVERIFY(shown() != before);
    QCOMPARE(game.main->CurrentPlayer(), 2);
    game.main->Undo1->trigger();
    QCOMPARE(shown(), before);
    QCOMPARE(game.row(1, total.section(' ', 0, 0))->col(total.section(' ', 1, 1).toInt()),
             total.section(' ', 2));
    QCOMPARE(game.main->CurrentPlayer(), 1);
    // A complete card keeps its flag, and the recount repeats its message.
    QCOMPARE(game.card(1)->GameOver, completes);
    QCOMPARE(game.fake.boxes.shown.size(), completes ? 2 : 0);
}

void TestUndo::undoIsOfferedOnlyUntilTheNextPressOrSetUp_data()
{
    QTest::addColumn<QString>("before"); // card 1 before the scoring of Chance
    QTest::addColumn<QString>("then");
    const QString open = QStringLiteral(". . . . . . . . . . . . .");
    QTest::newRow("the next press of the roll control ends Undo") << open << "press";
    QTest::newRow("a new game ends Undo") << open << "new game";
    QTest::newRow("the scoring that ends the game cannot be undone")
        << "1 2 3 4 5 6 10 10 25 30 40 50 ." << "";
}

void TestUndo::undoIsOfferedOnlyUntilTheNextPressOrSetUp()
{
    QFETCH(QString, before);
    QFETCH(QString, then);
    GameFixture game;
    game.newGame(1);
    game.prepareColumn(1, 1, before);
    game.rollAs(QStringLiteral("12345"));
    if (then.isEmpty()) {
        game.fake.boxes.expect(QStringLiteral("Player 1, your game is over."));
        game.fake.boxes.expect(QStringLiteral("Player 1 wins the game!"));
    }
    game.clickRow(1, QStringLiteral("l_chance"));
    QCOMPARE(game.main->Undo1->isEnabled(), !then.isEmpty());
    if (then == QLatin1String("press"))
        QTest::mousePress(game.main->a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    else if (then == QLatin1String("new game"))
        game.newGame(2);
    QVERIFY(!game.main->Undo1->isEnabled());
}

QUINDLE_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
