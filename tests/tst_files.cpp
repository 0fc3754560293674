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

namespace {

// Every scoring cell and bonus count of every card, one card a line.
QStringList cells(const Tw_Quindle_Main &main)
{
    QStringList cards;
    for (int p = 1; p <= main.Players(); ++p) {
        QStringList texts;
        for (const TCardLine *row : main.card(p)->ScoreLines)
            texts << row->Col1() + QLatin1Char('|') + row->Col2() + QLatin1Char('|') + row->Col3();
        cards << texts.join(QLatin1Char(' '));
    }
    return cards;
}

// "card column cells...": the cells of one column, recounted quietly.
void prepare(Tw_Quindle_Main &main, const QString &column)
{
    const QStringList part = column.split(QLatin1Char(' '));
    helpers::prepareColumn(main.card(part[0].toInt()), part[1].toInt(),
                           part.mid(2).join(QLatin1Char(' ')));
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
                                     .arg(shape.section(QLatin1Char(' '), 1)).split(QLatin1Char(' '));
        for (int column = 0; column < (triple ? 3 : 1); ++column) {
            for (int row = 0; row < 13; ++row)
                card[row][column] = shape == QLatin1String("open") ? QString() : full[row];
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
    void theTurnOrTheEndIsDecidedAfterEveryCard_data();
    void theTurnOrTheEndIsDecidedAfterEveryCard();

private:
    QList<int> enabledCards() const;

    std::unique_ptr<FileGame> m_game;
};

QList<int> TestFiles::enabledCards() const
{
    QList<int> enabled;
    for (int p = 1; p <= m_game->main->Players(); ++p) {
        if (m_game->main->card(p)->isEnabled())
            enabled << p;
    }
    return enabled;
}

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
        << QStringList{"1 1 3 6 9 12 15 18 . . 25 . . 50 .", "2 1 . . 9 . . . 17 . . . . . ."}
        << "2" << 2
        << QStringList{"1 u_bonus 1 35", "1 l_u_total 1 98", "1 l_l_total 1 275", "1 l_grand 1 373",
                       "2 l_grand 1 26"};
    QTest::newRow("a Triple (Easy) game counts column 3 three times")
        << 2 << true << false
        << QStringList{"1 3 5 10 15 20 10 10 30 25 25 30 40 0 .", "1 1 . 4 . . . . . . . . . . 21",
                       "2 2 . . . . 20 . . . . . . 50 ."}
        << "" << 1
        << QStringList{"1 u_bonus 3 35", "1 l_u_total 3 315", "1 l_l_total 3 150", "1 l_grand 3 765",
                       "1 l_grand 1 25", "2 l_grand 2 140"};
    QTest::newRow("a Triple (Hard) game of three players resumes with player 3")
        << 3 << true << true
        << QStringList{"1 1 2 . . . . . . . . . 40 . .", "1 2 . . . . . . . . . . 40 . .",
                       "2 1 . . . . . 24 . . 25 . . . .", "3 1 . . . . . . . 18 . . . . ."}
        << "" << 3 << QStringList{"1 l_grand 2 80", "2 l_grand 1 49", "3 l_grand 1 18"};
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
    Tw_Quindle_Main &main = *m_game->main;
    helpers::newGame(&main, players, triple, hard);
    main.card(1)->l_bonus->setCol1(bonus);
    for (const QString &column : columns)
        prepare(main, column);
    main.NextPlayer(atTurn == 1 ? players : atTurn - 1);
    const QStringList before = cells(main);
    m_game->save(m_game->path(QStringLiteral("game.vqd")));

    helpers::newGame(&main, 1);
    m_game->fake.sound.log.clear();
    m_game->open(m_game->path(QStringLiteral("game.vqd")));

    QCOMPARE(m_game->fake.boxes.texts(), QStringList());
    QVERIFY2(!m_game->fake.sound.played().contains(6), "a restored upper bonus is no new bonus");
    QCOMPARE(cells(main), before);
    for (const QString &total : totals) {
        const QStringList part = total.split(QLatin1Char(' '));
        QCOMPARE(main.card(part[0].toInt())->findChild<TCardLine *>(part[1])->col(part[2].toInt()),
                 part[3]);
    }
    QCOMPARE(main.card(1)->TripleMode, triple);
    QCOMPARE(main.card(1)->HardMode && triple, hard);
    QCOMPARE(enabledCards(), QList<int>{atTurn});
    QCOMPARE(main.statusText(2), QStringLiteral("Player %1's Turn").arg(atTurn));
    // The tray as after any set-up.
    QCOMPARE(helpers::describe(main).first(),
             QStringLiteral("players %1, player %2 at turn, 3 rolls, can score 0, over 0, undo 0")
                 .arg(players).arg(atTurn));
    for (int i = 1; i <= 5; ++i)
        QVERIFY(!main.Dice[i]->isEnabled() && !main.Dice[i]->Selected());
}

void TestFiles::theTurnOrTheEndIsDecidedAfterEveryCard_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("atTurn");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QString>("outcome"); // the player at turn, or the one box shown

    QTest::newRow("the stored player keeps the turn")
        << 3 << false << 2 << QStringList{"open", "open", "open"} << "2";
    QTest::newRow("a stored player whose card is full passes the turn on")
        << 3 << false << 2 << QStringList{"open", "full 20", "open"} << "3";
    QTest::newRow("a full last card ends the game while card 1 is still open")
        << 2 << false << 2 << QStringList{"open", "full 5"} << "Player 2 wins the game!";
    QTest::newRow("a single player's full Triple card ends the game")
        << 1 << true << 1 << QStringList{"full 20"} << "Player 1 wins the game!";
}

void TestFiles::theTurnOrTheEndIsDecidedAfterEveryCard()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(int, atTurn);
    QFETCH(QStringList, cards);
    QFETCH(QString, outcome);
    m_game->startRunningGame();
    QVERIFY(helpers::writeFile(m_game->path(QStringLiteral("game.vqd")),
                               gameFile(players, triple, atTurn, cards)));
    m_game->open(m_game->path(QStringLiteral("game.vqd")));

    const bool over = outcome.size() > 1;
    QCOMPARE(m_game->fake.boxes.texts(), over ? QStringList{outcome} : QStringList());
    QCOMPARE(enabledCards(), over ? QList<int>() : QList<int>{outcome.toInt()});
    QCOMPARE(m_game->main->NoGame(), over);
    if (over) {
        QCOMPARE(m_game->main->RollsLeft(), -1);
    } else {
        QCOMPARE(m_game->main->CurrentPlayer(), outcome.toInt());
        QCOMPARE(m_game->main->statusText(2), QStringLiteral("Player %1's Turn").arg(outcome));
    }
    QVERIFY(!m_game->main->card(players)->l_grand->Col1().isEmpty());
}

QUINDLE_TEST_MAIN(TestFiles)
#include "tst_files.moc"
