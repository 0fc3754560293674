// SPDX-License-Identifier: MIT
// The sums of a scorecard column, who plays next and who wins, on plain
// numbers.
#include "TestMain.h"
#include "game/Turns.h"
#include "scoring/Totals.h"

class TestTotals : public QObject {
    Q_OBJECT
private slots:
    void columnTotals_data()
    {
        QTest::addColumn<QString>("cells"); // "1 2 3 4 5 6 . . 25 30 40 50 20", "." unscored
        QTest::addColumn<int>("bonuses");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QString>("expected"); // upper sum, bonus, upper, lower, grand, complete
        const auto add = [](const char *name, const char *cells, int bonuses, int factor, const char *expected) {
            QTest::newRow(name) << cells << bonuses << factor << expected;
        };
        add("62 earns no bonus", "2 6 9 12 15 18 . . . . . . .", 0, 1, "62 no 62 0 62 open");
        add("exactly 63 earns the bonus of 35", "3 6 9 12 15 18 . . . . . . .", 0, 1, "63 yes 98 0 98 open");
        add("the Double column counts upper 57 and lower 150 twice",
            "3 6 9 12 15 12 20 20 25 30 40 0 15", 0, 2, "57 no 114 150 414 complete");
        add("upper 70 and lower 150 in Triple make 315 and 765",
            "1 6 9 16 20 18 20 20 25 30 40 0 15", 0, 3, "70 yes 315 150 765 complete");
        add("three Quindle bonuses on 235 read 535: no byte wraps",
            ". . . . . . 30 30 25 30 40 50 30", 3, 1, "0 no 0 535 535 open");
        add("a zero is a scored cell", "0 0 0 0 0 0 0 0 0 0 0 0 0", 0, 1, "0 no 0 0 0 complete");
    }
    void columnTotals()
    {
        QFETCH(QString, cells);
        QFETCH(int, bonuses);
        QFETCH(int, factor);
        totals::Column c;
        const QStringList parts = cells.split(QLatin1Char(' '));
        for (int i = 0; i < totals::Categories; ++i)
            c.cells[i] = parts[i] == QLatin1String(".") ? std::nullopt : std::optional(parts[i].toInt());
        c.quindleBonuses = bonuses;
        const int upper = totals::upperSum(c);
        const bool bonus = totals::reachesUpperBonus(upper);
        const int upperTotal = totals::upperTotal(upper, bonus, factor);
        const int lowerTotal = totals::lowerTotal(c);
        QTEST(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(upper).arg(bonus ? "yes" : "no").arg(upperTotal)
                  .arg(lowerTotal).arg(totals::grandTotal(upperTotal, lowerTotal, factor))
                  .arg(totals::isComplete(c) ? "complete" : "open"),
              "expected");
    }
    void nextPlayer_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<bool>("lastComplete");
        QTest::addColumn<QString>("canScore"); // one per player: 1 = a cell is still empty
        QTest::addColumn<int>("next");         // 0: the game is over
        QTest::newRow("one player keeps the turn") << 1 << false << "1" << 1;
        QTest::newRow("player 1 of two hands over to 2") << 1 << false << "11" << 2;
        QTest::newRow("after the last player comes player 1") << 3 << false << "111" << 1;
        QTest::newRow("the last player's complete card ends the game") << 3 << true << "110" << 0;
        QTest::newRow("a complete card of an earlier player does not") << 1 << false << "01" << 2;
        QTest::newRow("a player with a full card is passed over") << 3 << false << "011" << 2;
        QTest::newRow("with every other card full the last player plays on") << 2 << false << "001" << 3;
    }
    void nextPlayer()
    {
        QFETCH(int, player);
        QFETCH(bool, lastComplete);
        QFETCH(QString, canScore);
        turns::PerPlayer open{};
        for (int i = 1; i <= canScore.size(); ++i)
            open[i] = canScore.at(i - 1) == QLatin1Char('1');
        QTEST(turns::nextPlayer(player, int(canScore.size()), lastComplete, open), "next");
    }
    void winner_data()
    {
        QTest::addColumn<std::vector<int>>("totals");
        QTest::addColumn<int>("winner");
        QTest::newRow("a lone player wins") << std::vector<int>{12} << 1;
        QTest::newRow("equal totals go to the lower number") << std::vector<int>{207, 207} << 1;
        QTest::newRow("the highest of four wins") << std::vector<int>{100, 90, 1125, 1124} << 3;
    }
    void winner()
    {
        QFETCH(std::vector<int>, totals);
        QTEST(turns::winner(totals), "winner");
    }
};

QUINDLE_TEST_MAIN(TestTotals)
#include "tst_totals.moc"
