// SPDX-License-Identifier: MIT
// How the turn passes and how a game ends and names its winner.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>

namespace {
const QString FullColumn = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 20"); // 63 + 35, 205

// "100": only card 1 can be clicked.
QString enabledCards(const Tw_Quindle_Main &main)
{
    QString result;
    for (int i = 1; i <= main.Players(); ++i)
        result += main.card(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}
} // namespace

class TestTurns : public QObject {
    Q_OBJECT
private slots:
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup() { m_game.reset(); }
    void lastPlayerCompletingEndsTheGameAndNamesTheWinner_data();
    void lastPlayerCompletingEndsTheGameAndNamesTheWinner();
    void turnPassesOverCompleteCards_data();
    void turnPassesOverCompleteCards();
    void reverseSelectionFlipsHeldDiceOnlyAfterARoll();

private:
    // The player at turn rolls and scores the row by a click.
    void score(const QString &dice, const char *row, int x = 15)
    {
        m_game->rollAs(dice);
        const Tw_Card *card = m_game->main->card(m_game->main->CurrentPlayer());
        helpers::clickRow(card->findChild<TCardLine *>(row), x);
    }

    std::unique_ptr<FileGame> m_game;
};

void TestTurns::lastPlayerCompletingEndsTheGameAndNamesTheWinner_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<QStringList>("cards"); // per player: column 1|column 2|column 3
    QTest::addColumn<QString>("outcome"); // the box after "your game is over"
    const QString low = QStringLiteral("1 2 3 4 5 6 10 10 0 0 0 0 10");      // 51
    const QString mid = QStringLiteral("2 4 6 8 10 12 20 20 25 30 0 50 20"); // 207
    const QString high = FullColumn;                                         // 303
    // The last player still has his Quindle of 50 to score; "" is a card
    // never scored on.
    QTest::newRow("a lone player wins his own game")
        << false << QStringList{high} << "Player 1 wins the game!";
    QTest::newRow("the higher total wins")
        << false << QStringList{low, high} << "Player 2 wins the game!";
    QTest::newRow("equal totals go to the lower number")
        << false << QStringList{mid, mid} << "Player 1 wins the game!";
    QTest::newRow("the last player's card ends the game, however little the others have")
        << false << QStringList{"1 . . . . . 10 . . . . . .", ". 2 . . . . . . 25 . . . .", mid}
        << "Player 3 wins the game!";
    // Player 1 leads on Single and Double (303 + 606 to 51 + 414), player 2
    // only once the Triple column is added (1374 to 1062).
    QTest::newRow("triple totals are summed over the three columns")
        << true << QStringList{high + "|" + high + "|" + low, low + "|" + mid + "|" + high}
        << "Player 2 wins the game!";
    QTest::newRow("a grand total that cannot be read shows the error and still ends the game")
        << false << QStringList{"", mid} << "'' is not a valid integer value.";
}

void TestTurns::lastPlayerCompletingEndsTheGameAndNamesTheWinner()
{
    QFETCH(bool, triple);
    QFETCH(QStringList, cards);
    QFETCH(QString, outcome);
    Tw_Quindle_Main &main = *m_game->main;
    const int players = int(cards.size());
    helpers::newGame(&main, players, triple, false);
    for (int p = 1; p <= players; ++p) {
        QStringList columns = cards[p - 1].split(QLatin1Char('|'));
        if (p == players)
            columns.last().replace(QStringLiteral(" 50 "), QStringLiteral(" . "));
        for (int c = 1; c <= columns.size() && !columns[c - 1].isEmpty(); ++c)
            helpers::prepareColumn(main.card(p), c, columns[c - 1]);
    }
    main.NextPlayer(players == 1 ? 1 : players - 1);
    m_game->fake.boxes.shown.clear();
    score(QStringLiteral("66666"), "l_quindle", triple ? 75 : 15);
    QCOMPARE(m_game->fake.boxes.texts(),
             QStringList({QStringLiteral("Player %1, your game is over.").arg(players),
                          outcome}));
    QVERIFY(main.NoGame());
    QVERIFY(!main.CanScore());
    QCOMPARE(enabledCards(main), QString(players, QLatin1Char('0')));
    QVERIFY(!main.Dice[1]->isEnabled());
    // Nothing more can be rolled.
    helpers::roll(&main);
    QCOMPARE(main.RollsLeft(), -1);
}

void TestTurns::turnPassesOverCompleteCards_data()
{
    QTest::addColumn<QStringList>("cards"); // of players 1 and 2; player 3 scores Chance
    QTest::addColumn<int>("next");
    QTest::newRow("an empty card takes its turn") << QStringList{"empty", "empty"} << 1;
    QTest::newRow("a complete card is passed over") << QStringList{"full", "empty"} << 2;
    QTest::newRow("with every other card complete the last player plays on")
        << QStringList{"full", "full"} << 3;
    // Undo empties a cell of a complete card and leaves its GameOver flag set.
    QTest::newRow("a card emptied again takes its turn, whatever its GameOver flag")
        << QStringList{"emptied", "full"} << 1;
}

// Issue #2: a player whose card is full can only pass, so the turn goes on
// to the next player who can still score; only the last player's card ends
// the game.
void TestTurns::turnPassesOverCompleteCards()
{
    QFETCH(QStringList, cards);
    QFETCH(int, next);
    Tw_Quindle_Main &main = *m_game->main;
    helpers::newGame(&main, 3);
    for (int p = 1; p <= 2; ++p) {
        if (cards[p - 1] == QLatin1String("empty"))
            continue;
        helpers::prepareColumn(main.card(p), 1, FullColumn);
        QVERIFY(main.card(p)->GameOver);
        if (cards[p - 1] == QLatin1String("emptied"))
            main.card(p)->l_chance->setCol1(QString());
    }
    // A quiet recount leaves the turn alone; player 2 hands it to player 3.
    main.card(1)->setEnabled(false);
    main.NextPlayer(2);
    QCOMPARE(main.CurrentPlayer(), 3);
    m_game->fake.boxes.shown.clear();
    score(QStringLiteral("12345"), "l_chance");
    QCOMPARE(main.CurrentPlayer(), next);
    QCOMPARE(main.statusText(2), QStringLiteral("Player %1's Turn").arg(next));
    QCOMPARE(enabledCards(main), QStringLiteral("000").replace(next - 1, 1, QLatin1Char('1')));
    QCOMPARE(main.ClientArea->currentSubWindow(), main.card(next));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
}

void TestTurns::reverseSelectionFlipsHeldDiceOnlyAfterARoll()
{
    Tw_Quindle_Main &main = *m_game->main;
    helpers::newGame(&main, 1);
    helpers::setHeld(&main, QStringLiteral("10100"));
    main.N3->trigger();
    QCOMPARE(helpers::held(&main), QStringLiteral("10100")); // before the first roll: nothing
    helpers::roll(&main);
    helpers::setHeld(&main, QStringLiteral("10100"));
    main.N3->trigger();
    QCOMPARE(helpers::held(&main), QStringLiteral("01011"));
}

QUINDLE_TEST_MAIN(TestTurns)
#include "tst_turns.moc"
