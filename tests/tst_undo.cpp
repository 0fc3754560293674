// SPDX-License-Identifier: MIT
// Taking back the last scoring: the cell, the turn, the dice and the rolls.
#include "GameFixture.h"
#include "TestMain.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void undoGivesBackTheTurnWithTheSameDice_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("rolls");
        QTest::addColumn<int>("picture");
        QTest::newRow("after one roll two rolls come back") << 1 << 1 << 2;
        QTest::newRow("after a press past the last roll none comes back, with the picture for 0") << 1 << 4 << 6;
        QTest::newRow("the turn comes back from the next player, card and all") << 3 << 2 << 1;
    }
    void undoGivesBackTheTurnWithTheSameDice()
    {
        QFETCH(int, players);
        QFETCH(int, rolls);
        QFETCH(int, picture);
        GameFixture game;
        game.newGame(players);
        for (int i = 0; i < rolls; ++i)
            game.rollAs(QStringLiteral("14264"));
        game.setHeld(QStringLiteral("01001"));
        game.clickRow(1, QStringLiteral("u_4"));
        QCOMPARE(game.card(1)->u_4->Col1() + game.held() + QString::number(game.main->CurrentPlayer()),
                 QStringLiteral("800000%1").arg(players == 1 ? 1 : 2));
        game.main->Undo1->trigger();
        QCOMPARE(game.describe().first(),
                 QStringLiteral("players %1, player 1 at turn, %2 rolls, can score 1, over 0, undo 0, "
                                "dice 14264 held 01001 enabled 1").arg(players).arg(qMax(3 - rolls, -1)));
        QCOMPARE(game.main->statusText(2) + '|' + game.card(1)->u_4->Col1() + '|' + game.card(1)->u_total->Col1(),
                 QStringLiteral("Player 1's Turn||0"));
        QCOMPARE(game.main->i_rolls->picture(), res::picture(res::bitmap(picture)));
        for (int p = 1; p <= players; ++p)
            QCOMPARE(game.card(p)->isEnabled(), p == 1);
        QCOMPARE(game.main->ClientArea->currentSubWindow(), game.card(1));
    }
    void undoTakesBackExactlyTheScoredCell_data()
    {
        QTest::addColumn<bool>("triple");
        QTest::addColumn<QString>("cells"); // before the roll: row, column, text
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("click"); // row and x
        QTest::addColumn<QString>("total"); // recounted: row, column, text
        QTest::newRow("the Double cell of a Triple row goes, and Single and Triple stay")
            << true << "u_3 1 9, u_3 3 6" << "33312" << "u_3 45" << "l_u_total 2 0";
        QTest::newRow("a first Quindle bonus leaves the count empty")
            << false << "l_quindle 1 50" << "55555" << "l_bonus 15" << "l_l_total 1 50";
        QTest::newRow("a second Quindle bonus leaves one")
            << false << "l_quindle 1 50, l_bonus 1 1" << "55555" << "l_bonus 15" << "l_l_total 1 150";
        QTest::newRow("the last cell of an earlier player's card is emptied again")
            << false << "u_1 1 1, u_2 1 2, u_3 1 3, u_4 1 4, u_5 1 5, u_6 1 6, l_3_kind 1 10, "
                        "l_4_kind 1 10, l_full 1 25, l_small 1 30, l_large 1 40, l_quindle 1 50"
            << "12345" << "l_chance 15" << "l_l_total 1 165";
    }
    void undoTakesBackExactlyTheScoredCell()
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
            return QStringList{game.card(1)->l_bonus->Col1(), game.column(1, 1), game.column(1, 2), game.column(1, 3)};
        };
        game.rollAs(dice);
        const QStringList before = shown();
        const bool completes = game.column(1, 1).count(QLatin1Char('.')) == 1 && !triple;
        game.fake.boxes.allow(QStringLiteral("Player 1, your game is over."));
        game.clickRow(1, click.section(' ', 0, 0), click.section(' ', 1).toInt());
        QCOMPARE(game.main->CurrentPlayer(), 2);
        game.main->Undo1->trigger();
        QCOMPARE(shown(), before);
        QCOMPARE(game.row(1, total.section(' ', 0, 0))->col(total.section(' ', 1, 1).toInt()), total.section(' ', 2));
        // A complete card keeps its flag, and the recount repeats its message.
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(game.main->CurrentPlayer()).arg(game.card(1)->GameOver)
                     .arg(game.fake.boxes.shown.size()), QStringLiteral("1 %1 %2").arg(completes).arg(completes ? 2 : 0));
    }
    void undoIsOfferedOnlyUntilTheNextPressOrSetUp()
    {
        GameFixture game;
        game.newGame(1);
        QString offered;
        const auto scoreChance = [&](const char *row = "l_chance") {
            game.rollAs(QStringLiteral("12345"));
            game.clickRow(1, QString::fromLatin1(row));
            offered += QString::number(game.main->Undo1->isEnabled());
        };
        scoreChance();
        game.rollAs(QStringLiteral("12345"));
        offered += QString::number(game.main->Undo1->isEnabled());
        scoreChance("u_1");
        game.newGame(1);
        offered += QString::number(game.main->Undo1->isEnabled());
        game.prepareColumn(1, 1, QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 ."));
        game.fake.boxes.expect(QStringLiteral("Player 1, your game is over."));
        game.fake.boxes.expect(QStringLiteral("Player 1 wins the game!"));
        scoreChance();
        QCOMPARE(offered, QStringLiteral("10100"));
    }
};

QUINDLE_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
