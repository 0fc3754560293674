// SPDX-License-Identifier: MIT
// The coach at the table: Options > Hint says what to do in the box beside
// the tray, marks it on the dice or the card, follows the turn and goes
// when the turn passes. The table here covers only the end of a game, so it
// is worked out in moments.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/CoachAdvice.h"
#include "game/CoachHint.h"
#include "game/CoachTable.h"
#include "game/HintPanel.h"

#include <future>

namespace {
using rules::Category;

// Sixes and Chance open, the Quindle row at 50: a five of a kind may be
// claimed as a bonus.
const QString TwoRowsLeft = QStringLiteral("1 2 3 4 5 . 15 20 25 30 40 50 .");
constexpr int TwoRowsFilled = coach::AllFilled & ~coach::bitOf(Category::Sixes) & ~coach::bitOf(Category::Chance);

// The table for cards with `filled` done, once the test lets it go.
struct EndgameTable {
    std::promise<void> go;
    std::shared_future<void> started = go.get_future().share();
    explicit EndgameTable(int filled)
    {
        coach::TableProvider::setDefaultCompute([filled, started = started](const std::atomic<bool> &, std::atomic<int> &percent) {
            percent = 40;
            started.wait();
            coach::SolveOptions options;
            options.threads = 1;
            options.base = filled;
            return coach::solve(options);
        });
    }
    void release() { go.set_value(); }
    // A test that fails early must not leave the worker waiting forever.
    ~EndgameTable()
    {
        if (started.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            go.set_value();
    }
};

QStringList hintLines(const GameFixture &game)
{
    QCoreApplication::processEvents();
    return game.main->coachHint()->lines();
}

QString expected(double value)
{
    return QString::number(value, 'f', 1);
}

// The dice the marks stand on, as "10010".
QString markedDice(const GameFixture &game)
{
    QString marked;
    for (int i = 1; i <= 5; ++i) {
        bool on = false;
        for (THintMark *mark : game.main->p_display->findChildren<THintMark *>())
            on = on || (mark->isVisible() && mark->geometry() == game.main->Dice[i]->geometry());
        marked += on ? QLatin1Char('1') : QLatin1Char('0');
    }
    return marked;
}
} // namespace

class TestCoachHint : public QObject {
    Q_OBJECT
private slots:
    void theHintFollowsATurnUntilItPasses()
    {
        GameFixture game;
        EndgameTable table(TwoRowsFilled);
        game.newGame(1);
        game.prepareColumn(1, 1, TwoRowsLeft);
        game.main->Hint1->trigger();
        QCOMPARE(hintLines(game).value(0), QStringLiteral("Coach: working out the best play..."));
        QVERIFY(game.main->coachHint()->panel()->isVisible());

        table.release();
        QTRY_COMPARE(hintLines(game).value(0), QStringLiteral("Coach: roll the dice"));

        // Three sixes: the coach names the dice to hold and marks them, and
        // weighs the player's own hold against it as he changes it.
        game.rollAs("66126");
        const coach::Advice &advice = game.main->coachHint()->advice();
        QCOMPARE(hintLines(game).value(0), QStringLiteral("Coach: hold 6 6 6, roll the rest"));
        QCOMPARE(markedDice(game), QStringLiteral("11001"));
        QCOMPARE(hintLines(game).value(2),
                 QStringLiteral("Rolling what you hold: %1 expected").arg(expected(*advice.forHold({}))));
        QTest::mouseClick(game.main->Dice[2], Qt::LeftButton, {}, QPoint(22, 22));
        QCOMPARE(hintLines(game).value(2),
                 QStringLiteral("Rolling what you hold: %1 expected").arg(expected(*advice.forHold({false, true}))));
        QVERIFY(*advice.forHold({false, true}) < advice.best()->expected);

        // Five sixes with no roll left: the bonus keeps both rows open, and
        // the mark stands on the bonus cell.
        game.rollAs("66666");
        game.rollAs("66666");
        QCOMPARE(hintLines(game).value(0), QStringLiteral("Coach: claim the Quindle bonus (100)"));
        Tw_Card *card = game.card(1);
        const THintMark *cell = card->client()->findChild<THintMark *>();
        QVERIFY(cell && cell->isVisible());
        QCOMPARE(cell->geometry(), QRect(card->l_bonus->pos(), QSize(31, card->l_bonus->height())));

        game.clickRow(card->l_bonus);
        QVERIFY(game.turnEnded());
        QCOMPARE(hintLines(game), QStringList());
        QVERIFY(!card->client()->findChild<THintMark *>());
        QCOMPARE(markedDice(game), QStringLiteral("00000"));
    }

    // The figure before a roll is the card's points and what its open rows
    // can still bring; with no roll left the next best move is named too.
    void theFigureCountsThePointsOnTheCard()
    {
        GameFixture game;
        EndgameTable table(TwoRowsFilled);
        table.release();
        game.newGame(1);
        game.prepareColumn(1, 1, TwoRowsLeft);
        game.main->Hint1->trigger();
        QTRY_COMPARE(hintLines(game).value(0), QStringLiteral("Coach: roll the dice"));
        const double before = game.main->coachHint()->advice().best()->expected;
        QVERIFY(before > 195 + 20 && before < 195 + 60); // 195 on the card; sixes and a chance to come
        game.rollAs("12345");
        game.rollAs("12345");
        game.rollAs("12345");
        // 15 now and a turn for the sixes beats a zero and a turn for a chance.
        QCOMPARE(hintLines(game).value(0), QStringLiteral("Coach: score Chance (15)"));
        QVERIFY(hintLines(game).value(2).startsWith(QLatin1String("Next best, score Sixes (0): ")));
        // The row under the keyboard's frame is the player's own move.
        QTest::keyClick(game.card(1), Qt::Key_Down);
        QVERIFY(hintLines(game).value(2).startsWith(QLatin1String("Your row, score Sixes (0): ")));
    }

    // Undo can take back the upper score that earned the bonus; the card
    // keeps the bonus, so the coach counts it as won and none as to come.
    void anUpperBonusKeptThroughAnUndoIsCountedOnce()
    {
        GameFixture game;
        EndgameTable table(TwoRowsFilled);
        table.release();
        game.newGame(1);
        game.prepareColumn(1, 1, QStringLiteral("3 6 9 12 15 18 15 20 25 30 40 50 ."));
        game.card(1)->u_6->setCol1({});
        game.card(1)->recountQuietly();
        game.main->Hint1->trigger();
        QTRY_COMPARE(hintLines(game).value(0), QStringLiteral("Coach: roll the dice"));
        const double undone = game.main->coachHint()->advice().best()->expected;
        // The same rows open, 30 more in the upper rows, the bonus won fairly.
        game.prepareColumn(1, 1, QStringLiteral("5 10 15 20 25 . 15 20 25 30 40 50 ."));
        game.main->Hint1->trigger();
        QCOMPARE(game.main->coachHint()->advice().best()->expected - undone, 30.0);
    }

    void aTripleGameGetsAnEstimateInItsColumns()
    {
        GameFixture game;
        EndgameTable table(coach::AllFilled);
        table.release();
        game.newGame(1, true, true);
        game.main->Hint1->trigger();
        QTRY_COMPARE(hintLines(game).value(0), QStringLiteral("Coach's estimate: roll the dice"));
        game.rollAs("55555");
        QVERIFY(hintLines(game).value(1).endsWith(QLatin1String(" estimated")));
        game.rollAs("55555");
        game.rollAs("55555");
        QVERIFY(hintLines(game).value(0).endsWith(QLatin1String(", Single column")));
    }
};

QUINDLE_TEST_MAIN(TestCoachHint)
#include "tst_CoachHint.moc"
