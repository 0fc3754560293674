// SPDX-License-Identifier: MIT
// Save Game and Open Game of good files through the menu, with the file
// dialogs answered by the fake platform and real files in a temporary folder.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/SavedGame.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>

namespace {

// Opening recounts all three columns of every card, so a total the game
// had not yet shown may appear; every text the game showed must come back.
bool sameOrRecounted(const QString &after, const QString &before)
{
    static const QStringList totals{QStringLiteral("u_total"), QStringLiteral("l_u_total"),
                                    QStringLiteral("l_l_total"), QStringLiteral("l_grand")};
    const QString row = before.section(QLatin1Char(' '), 0, 0);
    if (!totals.contains(row) || after.section(QLatin1Char(' '), 0, 0) != row)
        return after == before;
    const QStringList was = before.section(QLatin1Char(' '), 1).split(QLatin1Char('|'));
    const QStringList now = after.section(QLatin1Char(' '), 1).split(QLatin1Char('|'));
    for (int column = 0; column < 3; ++column) {
        if (!was[column].isEmpty() && was[column] != now[column])
            return false;
    }
    return true;
}

void prepare(Tw_Card *card, int column, const QString &cells)
{
    helpers::fillColumn(card, column, cells);
    card->setQuiet(true);
    card->UpdateUpperTotals(column);
    card->UpdateLowerTotals(column);
    card->setQuiet(false);
}

// A saved game whose cards are "open" (one score) or "full N" (every
// category of every column in play, N in Chance).
QByteArray gameFile(int players, bool triple, int atTurn, const QStringList &cards)
{
    SavedGame game;
    game.players = players;
    game.triple = triple;
    game.currentPlayer = atTurn;
    for (const QString &shape : cards) {
        SavedGame::Card card;
        const QStringList full = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 %1")
                                     .arg(shape.section(QLatin1Char(' '), 1))
                                     .split(QLatin1Char(' '));
        for (int column = 0; column < (triple ? 3 : 1); ++column) {
            for (int row = 0; row < 13; ++row)
                card[row][column] = shape.startsWith(QLatin1String("full")) ? full[row] : QString();
        }
        if (shape == QLatin1String("open"))
            card[0][0] = QStringLiteral("3");
        game.cards.append(card);
    }
    return writeSavedGame(game);
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup() { m_game.reset(); }
    void savingANewGameWritesTheWorkedExample();
    void gamesComeBackWithTheirTotalsAndTurn_data();
    void gamesComeBackWithTheirTotalsAndTurn();
    void longerValueFormsOpen();
    void theTurnOrTheEndIsDecidedAfterEveryCard_data();
    void theTurnOrTheEndIsDecidedAfterEveryCard();

private:
    std::unique_ptr<FileGame> m_game;
};

void TestFiles::savingANewGameWritesTheWorkedExample()
{
    helpers::newGame(m_game->main.get(), 1);
    m_game->save(m_game->path(QStringLiteral("new.vqd")));
    const QByteArray bytes = helpers::readFile(m_game->path(QStringLiteral("new.vqd")));
    QCOMPARE(bytes.size(), 134);
    QCOMPARE(bytes, helpers::newOnePlayerFile());
    QCOMPARE(m_game->fake.files.asked.size(), 1);
    const platform::FileRequest request = m_game->fake.files.asked.first();
    QVERIFY(request.save);
    QCOMPARE(request.title, QStringLiteral("Tolmar Quindle Save Game"));
    QCOMPARE(request.filter, QStringLiteral("Tolmar Quindle Saved Game (*.vqd)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("vqd"));
    QCOMPARE(request.fileName, QStringLiteral("*.vqd"));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
}

void TestFiles::gamesComeBackWithTheirTotalsAndTurn_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("triple");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<QStringList>("columns"); // "card column cells"
    QTest::addColumn<QString>("bonus");       // l_bonus of card 1
    QTest::addColumn<int>("atTurn");
    QTest::addColumn<QStringList>("totals");  // "card row column text"

    QTest::newRow("a Regular game with an upper bonus and two Quindle bonuses")
        << 2 << false << false
        << QStringList{QStringLiteral("1 1 3 6 9 12 15 18 . . 25 . . 50 ."),
                       QStringLiteral("2 1 . . 9 . . . 17 . . . . . .")}
        << QStringLiteral("2") << 2
        << QStringList{QStringLiteral("1 u_bonus 1 35"), QStringLiteral("1 l_u_total 1 98"),
                       QStringLiteral("1 l_l_total 1 275"), QStringLiteral("1 l_grand 1 373"),
                       QStringLiteral("2 l_grand 1 26")};
    QTest::newRow("a Triple (Easy) game counts column 3 three times")
        << 2 << true << false
        << QStringList{QStringLiteral("1 3 5 10 15 20 10 10 30 25 25 30 40 0 ."),
                       QStringLiteral("1 1 . 4 . . . . . . . . . . 21"),
                       QStringLiteral("2 2 . . . . 20 . . . . . . 50 .")}
        << QString() << 1
        << QStringList{QStringLiteral("1 u_bonus 3 35"), QStringLiteral("1 l_u_total 3 315"),
                       QStringLiteral("1 l_l_total 3 150"), QStringLiteral("1 l_grand 3 765"),
                       QStringLiteral("1 l_grand 1 25"), QStringLiteral("2 l_grand 2 140")};
    QTest::newRow("a Triple (Hard) game of three players resumes with player 3")
        << 3 << true << true
        << QStringList{QStringLiteral("1 1 2 . . . . . . . . . 40 . ."),
                       QStringLiteral("1 2 . . . . . . . . . . 40 . ."),
                       QStringLiteral("2 1 . . . . . 24 . . 25 . . . ."),
                       QStringLiteral("3 1 . . . . . . . 18 . . . . .")}
        << QString() << 3
        << QStringList{QStringLiteral("1 l_grand 2 80"), QStringLiteral("2 l_grand 1 49"),
                       QStringLiteral("3 l_grand 1 18")};
}

void TestFiles::gamesComeBackWithTheirTotalsAndTurn()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(bool, hard);
    QFETCH(QStringList, columns);
    QFETCH(QString, bonus);
    QFETCH(int, atTurn);
    QFETCH(QStringList, totals);

    helpers::newGame(m_game->main.get(), players, triple, hard);
    m_game->main->Cards[1]->l_bonus->setCol1(bonus);
    for (const QString &column : columns) {
        const QStringList part = column.split(QLatin1Char(' '));
        prepare(m_game->main->Cards[part[0].toInt()], part[1].toInt(),
                part.mid(2).join(QLatin1Char(' ')));
    }
    m_game->main->NextPlayer(atTurn == 1 ? players : atTurn - 1);
    const QStringList before = helpers::describe(*m_game->main);
    m_game->save(m_game->path(QStringLiteral("game.vqd")));

    helpers::newGame(m_game->main.get(), 1);
    m_game->fake.sound.log.clear();
    m_game->open(m_game->path(QStringLiteral("game.vqd")));

    QCOMPARE(m_game->fake.boxes.texts(), QStringList());
    QVERIFY2(!m_game->fake.sound.played().contains(6), "a restored upper bonus is no new bonus");
    QCOMPARE(m_game->main->CurrentPlayer, atTurn);
    QCOMPARE(m_game->main->Cards[1]->TripleMode, triple);
    QCOMPARE(m_game->main->Cards[1]->HardMode && triple, hard);
    QCOMPARE(m_game->main->statusText(2), QStringLiteral("Player %1's Turn").arg(atTurn));
    for (int p = 1; p <= players; ++p)
        QCOMPARE(m_game->main->Cards[p]->isEnabled(), p == atTurn);
    for (const QString &total : totals) {
        const QStringList part = total.split(QLatin1Char(' '));
        const Tw_Card *card = m_game->main->Cards[part[0].toInt()];
        QCOMPARE(card->findChild<TCardLine *>(part[1])->col(part[2].toInt()), part[3]);
    }
    // Cells, totals and texts as they were, on new card objects, with the
    // tray as after any set-up.
    QStringList after = helpers::describe(*m_game->main);
    QCOMPARE(after.first(), QStringLiteral("players %1, player %2 at turn, 3 rolls, can score 0, "
                                           "over 0, undo 0").arg(players).arg(atTurn));
    QVERIFY(m_game->main->SaveGame1->isEnabled() && m_game->main->PrintScorecard1->isEnabled());
    for (int i = 0; i < before.size(); ++i) {
        const bool tray = before[i].startsWith(QLatin1String("die "));
        if (!tray && !before[i].startsWith(QLatin1String("card ")))
            QVERIFY2(sameOrRecounted(after[i], before[i]),
                     qPrintable(after[i] + " / " + before[i]));
    }
    for (int i = 1; i <= 5; ++i)
        QVERIFY(!m_game->main->Dice[i]->isEnabled() && !m_game->main->Dice[i]->Selected());
}

void TestFiles::longerValueFormsOpen()
{
    // Two players in the four-byte form, player 2 in the two-byte form, and
    // a Quindle of card 2 in the long string form.
    const QByteArray bytes = QByteArray::fromHex("04 02000000 08 08 03 0200")
                             + helpers::shortString("2 Players")
                             + helpers::shortString("Regular Quindle")
                             + helpers::shortString("Player 2's Turn")
                             + QByteArray::fromHex("0600").repeated(42 + 33)
                             + QByteArray::fromHex("0c 02000000") + "50"
                             + QByteArray::fromHex("0600").repeated(8);
    QVERIFY(helpers::writeFile(m_game->path(QStringLiteral("long.vqd")), bytes));
    m_game->open(m_game->path(QStringLiteral("long.vqd")));
    QCOMPARE(m_game->fake.boxes.texts(), QStringList());
    QCOMPARE(m_game->main->Players, 2);
    QCOMPARE(m_game->main->CurrentPlayer, 2);
    QCOMPARE(m_game->main->Cards[2]->l_quindle->Col1(), QStringLiteral("50"));
    QCOMPARE(m_game->main->Cards[2]->l_grand->Col1(), QStringLiteral("50"));
    QVERIFY(m_game->main->Cards[2]->isEnabled() && !m_game->main->Cards[1]->isEnabled());
}

void TestFiles::theTurnOrTheEndIsDecidedAfterEveryCard_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("atTurn");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QString>("outcome");

    const QString open = QStringLiteral("open");
    QTest::newRow("the stored player keeps the turn")
        << 3 << false << 2 << QStringList{open, open, open} << QStringLiteral("turn 2");
    QTest::newRow("a stored player whose card is full passes the turn on")
        << 3 << false << 2 << QStringList{open, QStringLiteral("full 20"), open}
        << QStringLiteral("turn 3");
    QTest::newRow("a full card of player 1 passes the turn to player 2")
        << 3 << true << 1 << QStringList{QStringLiteral("full 20"), open, open}
        << QStringLiteral("turn 2");
    QTest::newRow("a full last card ends the game for the best total")
        << 2 << false << 1 << QStringList{QStringLiteral("full 30"), QStringLiteral("full 20")}
        << QStringLiteral("Player 1 wins the game!");
    QTest::newRow("a full last card ends the game while card 1 is still open")
        << 2 << false << 2 << QStringList{open, QStringLiteral("full 5")}
        << QStringLiteral("Player 2 wins the game!");
    QTest::newRow("a single player's full Triple card ends the game")
        << 1 << true << 1 << QStringList{QStringLiteral("full 20")}
        << QStringLiteral("Player 1 wins the game!");
}

void TestFiles::theTurnOrTheEndIsDecidedAfterEveryCard()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(int, atTurn);
    QFETCH(QStringList, cards);
    QFETCH(QString, outcome);
    m_game->startRunningGame();
    const QByteArray bytes = gameFile(players, triple, atTurn, cards);
    QVERIFY(helpers::writeFile(m_game->path(QStringLiteral("game.vqd")), bytes));
    m_game->open(m_game->path(QStringLiteral("game.vqd")));

    QList<int> enabled;
    for (int p = 1; p <= players; ++p) {
        if (m_game->main->Cards[p]->isEnabled())
            enabled << p;
    }
    if (outcome.startsWith(QLatin1String("turn"))) {
        const int player = outcome.section(QLatin1Char(' '), 1).toInt();
        QCOMPARE(m_game->fake.boxes.texts(), QStringList());
        QCOMPARE(enabled, QList<int>{player});
        QCOMPARE(m_game->main->statusText(2), QStringLiteral("Player %1's Turn").arg(player));
        QVERIFY(!m_game->main->NoGame);
    } else {
        QCOMPARE(m_game->fake.boxes.texts(), QStringList{outcome});
        QCOMPARE(enabled, QList<int>());
        QVERIFY(m_game->main->NoGame);
        QCOMPARE(m_game->main->RollsLeft(), -1);
    }
    QCOMPARE(m_game->main->Cards[players]->l_grand->Col1().isEmpty(), false);
}

QUINDLE_TEST_MAIN(TestFiles)
#include "tst_files.moc"
