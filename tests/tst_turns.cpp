// SPDX-License-Identifier: MIT
// How the turn passes and how a game ends and names its winner.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>

namespace {
const QString FullColumn = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 20");   // 63 + 35, 205
const QString OneShort = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 . 20");

// Player at turn rolls without animation and scores Chance by a click.
void scoreChance(Tw_Quindle_Main &main, const QString &dice)
{
    helpers::roll(&main);
    helpers::setDice(&main, dice);
    helpers::clickRow(main.Cards[main.CurrentPlayer]->l_chance);
}

void scoreQuindleRow(Tw_Quindle_Main &main, const QString &dice)
{
    helpers::roll(&main);
    helpers::setDice(&main, dice);
    helpers::clickRow(main.Cards[main.CurrentPlayer]->l_quindle);
}

QList<bool> enabledCards(const Tw_Quindle_Main &main)
{
    QList<bool> result;
    for (int i = 1; i <= main.Players; ++i)
        result << main.Cards[i]->isEnabled();
    return result;
}
} // namespace

class TestTurns : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void turnPassesInOrderAndWrapsToPlayerOne();
    void onePlayerAlwaysHasTheTurnAndWinsAlone();
    void highestGrandTotalWins_data();
    void highestGrandTotalWins();
    void gameEndsAtOnceWhenTheLastPlayerCompletes();
    void completeCardsAreSkippedUntilTheLastPlayerCompletes();
    void cardEmptiedAgainIsNotSkippedDespiteItsGameOverFlag();
    void unreadableGrandTotalStillEndsTheGame();
    void reverseSelectionFlipsHeldDiceOnlyAfterARoll();
    void endOfTurnReleasesTheDiceAndShowsThreeRolls();

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestTurns::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    m_main->Animation1Click(); // rolls land at the release
}

void TestTurns::cleanup()
{
    m_main.reset();
    m_fake.reset();
}

void TestTurns::turnPassesInOrderAndWrapsToPlayerOne()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 3);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
    QCOMPARE(enabledCards(main), (QList<bool>{true, false, false}));
    QStringList turns;
    for (int i = 0; i < 4; ++i) {
        helpers::roll(&main);
        helpers::setDice(&main, QStringLiteral("12345"));
        helpers::clickRow(i < 3 ? main.Cards[main.CurrentPlayer]->l_chance
                                : main.Cards[main.CurrentPlayer]->u_1);
        turns << main.statusText(2);
        QCOMPARE(enabledCards(main).count(true), 1);
        QVERIFY(main.Cards[main.CurrentPlayer]->isEnabled());
        QCOMPARE(main.ClientArea->currentSubWindow(), main.Cards[main.CurrentPlayer].data());
    }
    QCOMPARE(turns, QStringList({"Player 2's Turn", "Player 3's Turn", "Player 1's Turn",
                                 "Player 2's Turn"}));
}

void TestTurns::onePlayerAlwaysHasTheTurnAndWinsAlone()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    helpers::prepareColumn(main.Cards[1], 1, OneShort);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
    QVERIFY(main.Cards[1]->isEnabled());
    m_fake->boxes.shown.clear();
    scoreQuindleRow(main, QStringLiteral("66666"));
    QCOMPARE(m_fake->boxes.texts(), QStringList({"Player 1, your game is over.",
                                                 "Player 1 wins the game!"}));
    QCOMPARE(m_fake->boxes.shown[1].caption, QStringLiteral("Information"));
    QVERIFY(main.NoGame);
    QVERIFY(!main.CanScore);
    QCOMPARE(main.RollsLeft(), -1);
    QVERIFY(!main.Cards[1]->isEnabled());
    QVERIFY(!main.Dice[1]->isEnabled());
    // Nothing more can be done but start again, save or print.
    QVERIFY(main.SaveGame1->isEnabled());
    QVERIFY(main.PrintScorecard1->isEnabled());
    QVERIFY(!main.Undo1->isEnabled());
    helpers::roll(&main);
    QCOMPARE(main.RollsLeft(), -1);
}

void TestTurns::highestGrandTotalWins_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<QStringList>("columns"); // per player: col1|col2|col3
    QTest::addColumn<QString>("winner");
    const QString low = QStringLiteral("1 2 3 4 5 6 10 10 0 0 0 0 10");      // 51
    const QString mid = QStringLiteral("2 4 6 8 10 12 20 20 25 30 0 50 20"); // 207
    const QString high = FullColumn;                                         // 303
    QTest::newRow("the higher total wins") << false << QStringList{low, high}
                                           << "Player 2 wins the game!";
    QTest::newRow("equal totals go to the lower number") << false << QStringList{mid, mid}
                                                         << "Player 1 wins the game!";
    QTest::newRow("only a strictly higher total replaces the winner")
        << false << QStringList{high, mid, high} << "Player 1 wins the game!";
    // Player 1 leads in the Single column (303 to 51), player 2 on the sum
    // of the three columns (1086 to 558).
    QTest::newRow("triple totals are summed over the three columns")
        << true << QStringList{high + "|" + low + "|" + low, low + "|" + mid + "|" + mid}
        << "Player 2 wins the game!";
}

void TestTurns::highestGrandTotalWins()
{
    QFETCH(bool, triple);
    QFETCH(QStringList, columns);
    QFETCH(QString, winner);
    Tw_Quindle_Main &main = *m_main;
    const int players = int(columns.size());
    helpers::newGame(&main, players, triple, false);
    for (int p = 1; p <= players; ++p) {
        QStringList cells = columns[p - 1].split(QLatin1Char('|'));
        if (p == players) // the last player still has his Quindle of 50 to score
            cells.last() = cells.last().replace(QStringLiteral(" 50 "), QStringLiteral(" . "));
        for (int c = 1; c <= cells.size(); ++c)
            helpers::prepareColumn(main.Cards[p], c, cells[c - 1]);
    }
    QCOMPARE(main.CurrentPlayer, players);
    m_fake->boxes.shown.clear();
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("66666"));
    helpers::clickRow(main.Cards[players]->l_quindle, triple ? 75 : 15);
    QCOMPARE(m_fake->boxes.texts(),
             QStringList({QStringLiteral("Player %1, your game is over.").arg(players), winner}));
    QVERIFY(main.NoGame);
}

void TestTurns::gameEndsAtOnceWhenTheLastPlayerCompletes()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 3);
    // The others have scored a little, so each has a grand total.
    helpers::prepareColumn(main.Cards[1], 1, QStringLiteral("1 . . . . . 10 . . . . . ."));
    helpers::prepareColumn(main.Cards[2], 1, QStringLiteral(". 2 . . . . . . 25 . . . ."));
    helpers::prepareColumn(main.Cards[3], 1, OneShort);
    main.NextPlayer(2);
    QCOMPARE(main.CurrentPlayer, 3);
    m_fake->boxes.shown.clear();
    scoreQuindleRow(main, QStringLiteral("22222"));
    QCOMPARE(m_fake->boxes.texts(), QStringList({"Player 3, your game is over.",
                                                 "Player 3 wins the game!"}));
    QVERIFY(main.NoGame);
    QCOMPARE(enabledCards(main), (QList<bool>{false, false, false}));
}

void TestTurns::completeCardsAreSkippedUntilTheLastPlayerCompletes()
{
    // Issue #2: player 1 filled his card while player 2 spent turns on
    // bonuses; the turn now stays with player 2 until his card is full.
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::prepareColumn(main.Cards[1], 1, FullColumn);
    QVERIFY(main.Cards[1]->GameOver);
    helpers::prepareColumn(main.Cards[2], 1, QStringLiteral("3 6 9 12 15 18 20 20 25 30 . 50 ."));
    main.NextPlayer(1);
    QCOMPARE(main.CurrentPlayer, 2);
    m_fake->boxes.shown.clear();
    scoreChance(main, QStringLiteral("12345"));
    QCOMPARE(main.statusText(2), QStringLiteral("Player 2's Turn"));
    QCOMPARE(enabledCards(main), (QList<bool>{false, true}));
    QVERIFY(m_fake->boxes.shown.isEmpty());
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("23456"));
    helpers::clickRow(main.Cards[2]->l_large);
    QCOMPARE(m_fake->boxes.texts(), QStringList({"Player 2, your game is over.",
                                                 "Player 1 wins the game!"}));
}

void TestTurns::cardEmptiedAgainIsNotSkippedDespiteItsGameOverFlag()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::prepareColumn(main.Cards[1], 1, FullColumn);
    QVERIFY(main.Cards[1]->GameOver);
    main.Cards[1]->l_chance->setCol1(QString()); // as Undo leaves it
    main.NextPlayer(1);
    scoreChance(main, QStringLiteral("12345"));
    QCOMPARE(main.CurrentPlayer, 1);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
}

void TestTurns::unreadableGrandTotalStillEndsTheGame()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::prepareColumn(main.Cards[2], 1, OneShort);
    main.Cards[1]->l_grand->setCol1(QString()); // player 1 never scored
    main.NextPlayer(1);
    m_fake->boxes.shown.clear();
    scoreQuindleRow(main, QStringLiteral("33333"));
    QCOMPARE(m_fake->boxes.texts(), QStringList({"Player 2, your game is over.",
                                                 "'' is not a valid integer value."}));
    QCOMPARE(m_fake->boxes.shown[1].caption, QStringLiteral("Tolmar Quindle"));
    QVERIFY(main.NoGame);
    QVERIFY(!main.CanScore);
    QCOMPARE(enabledCards(main), (QList<bool>{false, false}));
}

void TestTurns::reverseSelectionFlipsHeldDiceOnlyAfterARoll()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    helpers::setHeld(&main, QStringLiteral("10100"));
    main.N3Click();
    QCOMPARE(main.Dice[1]->Selected(), true); // before the first roll: nothing
    QCOMPARE(main.Dice[2]->Selected(), false);
    helpers::roll(&main);
    helpers::setHeld(&main, QStringLiteral("10100"));
    main.N3->trigger();
    QString held;
    for (int i = 1; i <= 5; ++i)
        held += main.Dice[i]->Selected() ? '1' : '0';
    QCOMPARE(held, QStringLiteral("01011"));
}

void TestTurns::endOfTurnReleasesTheDiceAndShowsThreeRolls()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::roll(&main);
    helpers::roll(&main);
    QCOMPARE(main.RollsLeft(), 1);
    helpers::setHeld(&main, QStringLiteral("11000"));
    helpers::setDice(&main, QStringLiteral("55123"));
    helpers::clickRow(main.Cards[1]->u_5);
    QCOMPARE(main.Cards[1]->u_5->Col1(), QStringLiteral("10"));
    QVERIFY(!main.CanScore);
    QCOMPARE(main.RollsLeft(), 3);
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(!main.Dice[i]->isEnabled());
        QVERIFY(!main.Dice[i]->Selected());
    }
    QVERIFY(main.Undo1->isEnabled());
    QCOMPARE(main.UndoRollsLeft, 1);
    QCOMPARE(main.UndoHeld[1], true);
    QCOMPARE(main.UndoHeld[3], false);
}

QUINDLE_TEST_MAIN(TestTurns)
#include "tst_turns.moc"
