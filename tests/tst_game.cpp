// SPDX-License-Identifier: MIT
// Whole games played as a person plays them: the wizard's buttons, the roll
// control, the dice and the scorecard rows, all by mouse. The cup is stepped
// by hand, so no game waits for its timer.
#include "GameFixture.h"
#include "TestMain.h"
#include "platform/Random.h"
#include "setup/newgame.h"

namespace {
void click(QWidget *widget, QPoint at = QPoint(8, 8))
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

// A turn: roll, hold the dice showing the most common face, roll twice
// more, then click the row at x.
void playTurn(GameFixture &game, TCardLine *row, int x)
{
    game.rollByMouse();
    const QString faces = game.faces();
    QChar best = faces[0];
    for (QChar face : faces) {
        if (faces.count(face) > faces.count(best))
            best = face;
    }
    for (int i = 1; i <= 5; ++i) {
        if (faces[i - 1] == best)
            click(game.main->Dice[i], QPoint(22, 22));
    }
    const QString held = game.held();
    game.rollByMouse();
    game.rollByMouse();
    QCOMPARE(game.held(), held);
    for (int i = 0; i < 5; ++i)
        QVERIFY(held[i] == QLatin1Char('0') || game.faces()[i] == best);
    QCOMPARE(game.main->RollsLeft(), 0);
    game.clickRow(row, x);
    QVERIFY(game.turnEnded() || game.main->NoGame());
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void aWholeGameOfEveryKind_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("hard");
        QTest::newRow("two players, Regular") << "rb_two cb_next rb_reg cb_next" << 2 << 1 << false;
        QTest::newRow("one player, Triple (Easy): the click picks the column")
            << "rb_one cb_next rb_trip cb_next" << 1 << 3 << false;
        QTest::newRow("one player, Triple (Hard): a row fills from the left")
            << "rb_one cb_next rb_trip rb_hard cb_next" << 1 << 3 << true;
    }
    // Every player fills every cell; the turn passes in order; the last cell
    // of the last card ends the game and names the higher grand total.
    void aWholeGameOfEveryKind()
    {
        QFETCH(QString, choices);
        QFETCH(int, players);
        QFETCH(int, columns);
        QFETCH(bool, hard);
        GameFixture game(true);
        game.fake.boxes.allow(QStringLiteral("Are you sure you want to take a zero?"), 0);
        for (int player = 1; player <= players; ++player)
            game.fake.boxes.allow(QStringLiteral("Player %1 wins the game!").arg(player));
        rng::setSeed(20261207u);
        game.main->New1->trigger();
        auto *wizard = game.main->findChild<Tw_New_Wizard *>();
        QVERIFY(wizard && wizard->isVisible());
        for (const QString &name : choices.split(' '))
            click(wizard->findChild<QWidget *>(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int turns = 13 * columns;
        for (int turn = 0; turn < turns; ++turn) {
            for (int player = 1; player <= players; ++player) {
                QCOMPARE(game.main->statusText(2), QStringLiteral("Player %1's Turn").arg(player));
                QCOMPARE(game.main->ClientArea->currentSubWindow(), game.card(player));
                for (int other = 1; other <= players; ++other)
                    QCOMPARE(game.card(other)->isEnabled(), other == player);
                if (turn == turns - 1)
                    game.fake.boxes.expect(QStringLiteral("Player %1, your game is over.").arg(player));
                // Player 2 fills his card from the bottom up; in a Hard game the
                // click lands in the last column and still fills the first free one.
                const int line = player == 1 ? turn / columns : 12 - turn / columns;
                const int column = turn % columns + 1;
                playTurn(game, game.card(player)->ScoreLines[line], hard ? 75 : 30 * column - 15);
                QVERIFY2(!game.card(player)->ScoreLines[line]->col(column).isEmpty(),
                         qPrintable(QStringLiteral("turn %1 of player %2").arg(turn).arg(player)));
            }
        }
        QVERIFY(game.fake.boxes.pending().isEmpty());
        const int winner = players == 2 && game.card(2)->grandTotal() > game.card(1)->grandTotal() ? 2 : 1;
        QCOMPARE(game.fake.boxes.texts().filter(QStringLiteral("wins")) << game.fake.boxes.texts().last(),
                 QStringList(2, QStringLiteral("Player %1 wins the game!").arg(winner)));
        QCOMPARE(QStringLiteral("%1 %2").arg(game.main->NoGame()).arg(game.main->RollsLeft()), QStringLiteral("1 -1"));
        for (int player = 1; player <= players; ++player)
            QVERIFY(!game.card(player)->isEnabled());
    }
    // The failure is shown from the click that ended the game, and nothing
    // is thrown into the toolkit.
    void anUnreadableTotalIsReportedAndTheGameStillEnds()
    {
        GameFixture game;
        game.newGame(2);
        game.prepareColumn(2, 1, QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 ."));
        game.card(1)->l_grand->setCol1(QString());
        game.main->NextPlayer(1);
        game.rollAs(QStringLiteral("12345"));
        game.fake.boxes.expect(QStringLiteral("Player 2, your game is over."));
        game.fake.boxes.expect(QStringLiteral("'' is not a valid integer value."));
        game.clickRow(2, QStringLiteral("l_chance"));
        QVERIFY(game.fake.boxes.pending().isEmpty());
        QCOMPARE(game.fake.boxes.shown.last().caption, QStringLiteral("Tolmar Quindle"));
        QVERIFY(game.main->NoGame());
        QVERIFY(!game.card(1)->isEnabled() && !game.card(2)->isEnabled());
    }
};

QUINDLE_TEST_MAIN(TestGame)
#include "tst_game.moc"
