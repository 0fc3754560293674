// SPDX-License-Identifier: MIT
// Taking back the last scoring: the cell, the turn, the dice and the rolls.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>

namespace {
QString held(const Tw_Quindle_Main &main)
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += main.Dice[i]->Selected() ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

QString faces(const Tw_Quindle_Main &main)
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += QString::number(main.Dice[i]->Value());
    return result;
}

void clickDie(Tw_Quindle_Main &main, int die)
{
    QTest::mouseClick(main.Dice[die], Qt::LeftButton, {}, QPoint(22, 22));
}
} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void undoGivesBackTheTurnWithTheSameDice();
    void undoReturnsTheTurnToTheScorerInATwoPlayerGame();
    void undoClearsOnlyTheScoredColumnOfATripleRow();
    void nextPressOfTheCupEndsUndo();
    void undoAfterNoRollLeftShowsThePictureForZero();
    void undoOfACompletedCardOfAnEarlierPlayer();
    void undoOfAQuindleBonusRestoresTheCount_data();
    void undoOfAQuindleBonusRestoresTheCount();
    void setUpAfterAScoringLeavesUndoDisabled();
    void finalScoringCannotBeUndone();

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestUndo::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    m_main->Animation1Click();
}

void TestUndo::cleanup()
{
    m_main.reset();
    m_fake.reset();
}

void TestUndo::undoGivesBackTheTurnWithTheSameDice()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("14264"));
    clickDie(main, 2);
    clickDie(main, 5);
    helpers::clickRow(main.Cards[1]->u_4);
    QCOMPARE(main.Cards[1]->u_4->Col1(), QStringLiteral("8"));
    QVERIFY(main.Undo1->isEnabled());
    QCOMPARE(held(main), QStringLiteral("00000"));

    main.Undo1->trigger();
    QVERIFY(!main.Undo1->isEnabled());
    QVERIFY(main.Cards[1]->u_4->Col1().isEmpty());
    QCOMPARE(main.Cards[1]->u_total->Col1(), QStringLiteral("0"));
    QCOMPARE(main.RollsLeft(), 2);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(2)));
    QCOMPARE(held(main), QStringLiteral("01001"));
    QCOMPARE(faces(main), QStringLiteral("14264"));
    QVERIFY(main.Dice[1]->isEnabled());
    QVERIFY(main.CanScore);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
    // He may score at once, the cleared row included.
    helpers::clickRow(main.Cards[1]->l_chance);
    QCOMPARE(main.Cards[1]->l_chance->Col1(), QStringLiteral("17"));
}

void TestUndo::undoReturnsTheTurnToTheScorerInATwoPlayerGame()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("66612"));
    helpers::clickRow(main.Cards[1]->l_3_kind);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 2's Turn"));
    main.Undo1Click();
    QCOMPARE(main.CurrentPlayer, 1);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
    QVERIFY(main.Cards[1]->isEnabled());
    QVERIFY(!main.Cards[2]->isEnabled());
    QVERIFY(main.Cards[1]->l_3_kind->Col1().isEmpty());
    QCOMPARE(main.Cards[1]->l_l_total->Col1(), QStringLiteral("0"));
}

void TestUndo::undoClearsOnlyTheScoredColumnOfATripleRow()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1, true, false);
    Tw_Card *card = main.Cards[1];
    card->u_3->setCol1(QStringLiteral("9"));
    card->u_3->setCol3(QStringLiteral("6"));
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("33312"));
    helpers::clickRow(card->u_3, 45);
    QCOMPARE(card->u_3->Col2(), QStringLiteral("9"));
    QCOMPARE(card->l_u_total->Col2(), QStringLiteral("18"));
    main.Undo1Click();
    QCOMPARE(card->u_3->Col1(), QStringLiteral("9"));
    QVERIFY(card->u_3->Col2().isEmpty());
    QCOMPARE(card->u_3->Col3(), QStringLiteral("6"));
    QCOMPARE(card->l_u_total->Col2(), QStringLiteral("0"));
}

void TestUndo::nextPressOfTheCupEndsUndo()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    helpers::roll(&main);
    helpers::clickRow(main.Cards[1]->l_chance);
    QVERIFY(main.Undo1->isEnabled());
    QTest::mousePress(main.a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!main.Undo1->isEnabled());
    QTest::mouseRelease(main.a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!main.Undo1->isEnabled());
}

void TestUndo::undoAfterNoRollLeftShowsThePictureForZero()
{
    // Issue #5: the picture for 0, not the 3 shown since the turn ended.
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    for (int i = 0; i < 4; ++i)
        helpers::roll(&main);
    QCOMPARE(main.RollsLeft(), -1);
    helpers::clickRow(main.Cards[1]->l_chance);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(3)));
    main.Undo1Click();
    QCOMPARE(main.RollsLeft(), -1);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(6)));
    helpers::roll(&main);
    QCOMPARE(main.RollsLeft(), -1); // still no roll
}

void TestUndo::undoOfACompletedCardOfAnEarlierPlayer()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 2);
    Tw_Card *card = main.Cards[1];
    helpers::fillColumn(card, 1, QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 ."));
    helpers::roll(&main);
    m_fake->boxes.shown.clear();
    helpers::clickRow(card->l_chance);
    QCOMPARE(m_fake->boxes.texts(), QStringList{"Player 1, your game is over."});
    QVERIFY(card->GameOver);
    QCOMPARE(main.CurrentPlayer, 2);
    main.Undo1Click();
    QVERIFY(card->l_chance->Col1().isEmpty());
    QCOMPARE(main.CurrentPlayer, 1);
    QVERIFY(card->isEnabled());
    QVERIFY(!main.Cards[2]->isEnabled());
    // The flag stays, and the recount repeats the message, as after any
    // recount of a finished card; the player can still fill his last row.
    QVERIFY(card->GameOver);
    QCOMPARE(m_fake->boxes.texts().last(), QStringLiteral("Player 1, your game is over."));
    helpers::clickRow(card->l_chance);
    QVERIFY(!card->l_chance->Col1().isEmpty());
    QCOMPARE(main.CurrentPlayer, 2);
}

void TestUndo::undoOfAQuindleBonusRestoresTheCount_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("lowerTotal");
    QTest::newRow("the first bonus leaves the row empty") << "" << "1" << "50";
    QTest::newRow("the third bonus leaves two") << "2" << "3" << "250";
}

void TestUndo::undoOfAQuindleBonusRestoresTheCount()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, lowerTotal);
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    Tw_Card *card = main.Cards[1];
    card->l_quindle->setCol1(QStringLiteral("50"));
    card->l_bonus->setCol1(before);
    helpers::roll(&main);
    helpers::setDice(&main, QStringLiteral("55555"));
    const QString cellsBefore = helpers::column(card, 1);
    helpers::clickRow(card->l_bonus);
    QCOMPARE(card->l_bonus->Col1(), after);
    main.Undo1Click();
    QCOMPARE(card->l_bonus->Col1(), before);
    QCOMPARE(helpers::column(card, 1), cellsBefore);
    QCOMPARE(card->l_l_total->Col1(), lowerTotal);
    QVERIFY(main.CanScore);
    QCOMPARE(main.RollsLeft(), 2);
}

void TestUndo::setUpAfterAScoringLeavesUndoDisabled()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    helpers::roll(&main);
    helpers::clickRow(main.Cards[1]->l_chance);
    QVERIFY(main.Undo1->isEnabled());
    helpers::newGame(&main, 2);
    QVERIFY(!main.Undo1->isEnabled());
}

void TestUndo::finalScoringCannotBeUndone()
{
    Tw_Quindle_Main &main = *m_main;
    helpers::newGame(&main, 1);
    helpers::fillColumn(main.Cards[1], 1, QStringLiteral("1 2 3 4 5 6 10 10 25 30 40 50 ."));
    main.Cards[1]->UpdateUpperTotals(1);
    helpers::roll(&main);
    helpers::clickRow(main.Cards[1]->l_chance);
    QVERIFY(main.NoGame);
    QVERIFY(!main.Undo1->isEnabled());
}

QUINDLE_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
