// SPDX-License-Identifier: MIT
// Whole games played as a person plays them: the wizard's buttons, the roll
// control, the dice and the scorecard rows, all by mouse.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Random.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

namespace {
void click(QWidget *widget, QPoint at = QPoint(8, 8))
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void startByWizard(Tw_Quindle_Main &main, const char *count, const char *kind)
{
    main.New1->trigger();
    Tw_New_Wizard *wizard = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<Tw_New_Wizard *>(w); candidate && candidate->isVisible())
            wizard = candidate;
    }
    QVERIFY(wizard);
    click(wizard->findChild<QRadioButton *>(count));
    click(wizard->cb_next);
    click(wizard->findChild<QRadioButton *>(kind));
    click(wizard->cb_next);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isEnabled());
}

// Press and release the cup, then wait for the animated roll to settle.
void rollByMouse(Tw_Quindle_Main &main)
{
    QTest::mousePress(main.a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(main.a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_VERIFY_WITH_TIMEOUT(!main.a_roll->Play(), 2000);
}

int cell(const TCardLine *row, int column)
{
    return row->col(column).isEmpty() ? 0 : row->col(column).toInt();
}

// Every total of a column recomputed from its cells.
void checkColumnTotals(const Tw_Card *card, int column)
{
    int upper = 0;
    for (int i = 0; i < 6; ++i)
        upper += cell(card->ScoreLines[i], column);
    int lower = 0;
    for (int i = 6; i < 13; ++i)
        lower += cell(card->ScoreLines[i], column);
    lower += 100 * cell(card->l_bonus, column);
    const int bonus = upper >= 63 ? 35 : 0;
    QCOMPARE(cell(card->u_total, column), upper);
    QCOMPARE(cell(card->u_bonus, column), bonus);
    QCOMPARE(cell(card->l_u_total, column), (upper + bonus) * column);
    QCOMPARE(cell(card->l_l_total, column), lower);
    // The grand total appears once both halves have a score.
    if (!card->u_total->col(column).isEmpty() && !card->l_l_total->col(column).isEmpty())
        QCOMPARE(cell(card->l_grand, column), (upper + bonus) * column + lower * column);
    else
        QVERIFY(card->l_grand->col(column).isEmpty());
}

int grandTotal(const Tw_Card *card)
{
    return cell(card->l_grand, 1) + cell(card->l_grand, 2) + cell(card->l_grand, 3);
}

// A turn: roll, hold the dice showing the most common face, roll twice more,
// then score the given category row at x.
void playTurn(Tw_Quindle_Main &main, TCardLine *row, int x = 15)
{
    rollByMouse(main);
    const rules::DiceValues dice = main.diceValues();
    int best = dice[0];
    for (int v : dice) {
        if (std::count(dice.begin(), dice.end(), v) > std::count(dice.begin(), dice.end(), best))
            best = v;
    }
    for (int i = 1; i <= 5; ++i) {
        if (main.Dice[i]->Value() == best)
            click(main.Dice[i], QPoint(22, 22));
    }
    rollByMouse(main);
    rollByMouse(main);
    QCOMPARE(main.RollsLeft(), 0);
    helpers::clickRow(row, x);
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onePlayerRegularGameFromMenuToWinner();
    void twoPlayerGameAlternatesAndNamesTheHigherTotal();
    void tripleEasyGameFillsTheClickedColumns();

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestGame::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_fake->boxes.defaultAnswer = 0; // take every zero that is offered
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestGame::cleanup()
{
    m_main.reset();
    m_fake.reset();
}

void TestGame::onePlayerRegularGameFromMenuToWinner()
{
    Tw_Quindle_Main &main = *m_main;
    rng::setSeed(20261206);
    startByWizard(main, "rb_one", "rb_reg");
    Tw_Card *card = main.card(1);
    for (int turn = 0; turn < 13; ++turn) {
        QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
        playTurn(main, card->ScoreLines[turn]);
        QVERIFY2(!card->ScoreLines[turn]->Col1().isEmpty(), qPrintable(QString::number(turn)));
        checkColumnTotals(card, 1);
    }
    QCOMPARE(helpers::column(card, 1).count(QLatin1Char('.')), 0);
    QCOMPARE(m_fake->boxes.texts().mid(m_fake->boxes.texts().size() - 2),
             QStringList({"Player 1, your game is over.", "Player 1 wins the game!"}));
    QVERIFY(main.NoGame());
    // The sounds of a roll: the rattle loops at every press.
    QVERIFY(m_fake->sound.log.contains(QStringLiteral("2 loop")));
}

void TestGame::twoPlayerGameAlternatesAndNamesTheHigherTotal()
{
    Tw_Quindle_Main &main = *m_main;
    main.Sound1Click();
    main.Animation1Click(); // the first game showed the animated rolls
    rng::setSeed(4242);
    startByWizard(main, "rb_two", "rb_reg");
    for (int turn = 0; turn < 26; ++turn) {
        const int player = turn % 2 + 1;
        QCOMPARE(main.statusText(2), QStringLiteral("Player %1's Turn").arg(player));
        QVERIFY(main.card(player)->isEnabled());
        QVERIFY(!main.card(3 - player)->isEnabled());
        // Player 2 fills his card from the bottom up.
        const int row = player == 1 ? turn / 2 : 12 - turn / 2;
        playTurn(main, main.card(player)->ScoreLines[row]);
    }
    const int total1 = grandTotal(main.card(1));
    const int total2 = grandTotal(main.card(2));
    const int winner = total2 > total1 ? 2 : 1;
    QCOMPARE(m_fake->boxes.texts().last(), QStringLiteral("Player %1 wins the game!").arg(winner));
    QVERIFY(m_fake->sound.log.isEmpty());
}

void TestGame::tripleEasyGameFillsTheClickedColumns()
{
    Tw_Quindle_Main &main = *m_main;
    main.Animation1Click();
    rng::setSeed(7);
    startByWizard(main, "rb_one", "rb_trip");
    QCOMPARE(main.statusText(1), QStringLiteral("Triple (Easy) Quindle"));
    Tw_Card *card = main.card(1);
    const int xs[3] = {15, 45, 75};
    for (int turn = 0; turn < 39; ++turn) {
        helpers::roll(&main);
        const int column = turn % 3 + 1;
        helpers::clickRow(card->ScoreLines[turn / 3], xs[column - 1]);
        QVERIFY(!card->ScoreLines[turn / 3]->col(column).isEmpty());
    }
    for (int column = 1; column <= 3; ++column)
        checkColumnTotals(card, column);
    QCOMPARE(m_fake->boxes.texts().last(), QStringLiteral("Player 1 wins the game!"));
}

QUINDLE_TEST_MAIN(TestGame)
#include "tst_game.moc"
