// SPDX-License-Identifier: MIT
// The scorecard's bonuses through the player's clicks: the upper bonus once
// per card and column, and the Quindle bonus of the Regular game.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <memory>

namespace {
constexpr int ColumnMiddle[4] = {0, 15, 45, 75};
} // namespace

class TestCardBonus : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void upperBonus_data();
    void upperBonus();
    void upperBonusOncePerColumn();
    void eachCardHasItsOwnUpperBonus();
    void quindleBonuses_data();
    void quindleBonuses();
    void noQuindleBonus_data();
    void noQuindleBonus();
    void bonusClaimWithoutFiveOfAKindWritesNothing_data();
    void bonusClaimWithoutFiveOfAKindWritesNothing();
    void bonusRowScoresAnEmptyQuindle_data();
    void bonusRowScoresAnEmptyQuindle();

private:
    Tw_Card *card(int player) const { return m_main->Cards[player]; }
    void start(int players, bool triple = false, bool hard = false);
    void rollAs(const QString &dice);
    int timesPlayed(int sound) const;
    bool turnEnded() const;

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestCardBonus::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->Animation1Click(); // rolls land at once
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestCardBonus::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

void TestCardBonus::start(int players, bool triple, bool hard)
{
    helpers::newGame(m_main.get(), players, triple, hard);
    QVERIFY(card(players));
}

void TestCardBonus::rollAs(const QString &dice)
{
    helpers::roll(m_main.get());
    helpers::setDice(m_main.get(), dice);
}

int TestCardBonus::timesPlayed(int sound) const
{
    return int(m_platform->sound.played().count(sound));
}

bool TestCardBonus::turnEnded() const
{
    return !m_main->CanScore && m_main->RollsLeft() == 3 && !m_main->Dice[1]->isEnabled();
}

void TestCardBonus::upperBonus_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("uTotal");
    QTest::addColumn<QString>("lUTotal");
    QTest::addColumn<bool>("bonus");

    QTest::newRow("exactly 63 earns the bonus") << false << 1 << "3 6 9 12 15" << "63" << "98" << true;
    QTest::newRow("62 earns nothing") << false << 1 << "2 6 9 12 15" << "62" << "62" << false;
    QTest::newRow("63 in the Triple column counts (63 + 35) x 3") << true << 3 << "3 6 9 12 15" << "63" << "294" << true;
    QTest::newRow("62 in the Double column counts 62 x 2") << true << 2 << "2 6 9 12 15" << "62" << "124" << false;
    QTest::newRow("70 in the Triple column counts 315") << true << 3 << "1 6 9 16 20" << "70" << "315" << true;
}

void TestCardBonus::upperBonus()
{
    QFETCH(bool, triple);
    QFETCH(int, column);
    QFETCH(QString, upper);
    QFETCH(QString, uTotal);
    QFETCH(QString, lUTotal);
    QFETCH(bool, bonus);
    start(1, triple, false);
    helpers::fillColumn(card(1), column, upper + QStringLiteral(" . . . . . . . ."));
    rollAs(QStringLiteral("66612"));
    helpers::clickRow(card(1)->u_6, ColumnMiddle[column]);
    QCOMPARE(card(1)->u_6->col(column), QStringLiteral("18"));
    QCOMPARE(card(1)->u_total->col(column), uTotal);
    QCOMPARE(card(1)->l_u_total->col(column), lUTotal);
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(card(1)->u_bonus->col(c), c == column && bonus ? QStringLiteral("35") : QString());
    QCOMPARE(timesPlayed(6), bonus ? 1 : 0);
}

void TestCardBonus::upperBonusOncePerColumn()
{
    start(1, true, false);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, 1, QStringLiteral("3 . . 12 15 30 . . . . . . ."));
    helpers::fillColumn(c, 2, QStringLiteral("3 . 9 12 15 30 . . . . . . ."));
    rollAs(QStringLiteral("33312"));
    helpers::clickRow(c->u_3, 15); // 69 in Single
    QCOMPARE(c->u_bonus->Col1(), QStringLiteral("35"));
    QCOMPARE(timesPlayed(6), 1);
    rollAs(QStringLiteral("22111"));
    helpers::clickRow(c->u_2, 15); // 73 in Single: the bonus stays, no new sound
    QCOMPARE(c->u_bonus->Col1(), QStringLiteral("35"));
    QCOMPARE(c->u_total->Col1(), QStringLiteral("73"));
    QCOMPARE(c->l_u_total->Col1(), QStringLiteral("108"));
    QCOMPARE(timesPlayed(6), 1);
    QVERIFY(c->u_bonus->Col2().isEmpty());
    rollAs(QStringLiteral("22111"));
    helpers::clickRow(c->u_2, 45); // 73 in Double: that column's own bonus
    QCOMPARE(c->u_bonus->Col2(), QStringLiteral("35"));
    QCOMPARE(c->l_u_total->Col2(), QStringLiteral("216"));
    QCOMPARE(timesPlayed(6), 2);
}

void TestCardBonus::eachCardHasItsOwnUpperBonus()
{
    start(2);
    for (int player = 1; player <= 2; ++player)
        helpers::fillColumn(card(player), 1, QStringLiteral("3 6 9 12 15 . . . . . . . ."));
    for (int player = 1; player <= 2; ++player) {
        QCOMPARE(m_main->CurrentPlayer, player);
        rollAs(QStringLiteral("66612"));
        helpers::clickRow(card(player)->u_6);
        QCOMPARE(card(player)->u_bonus->Col1(), QStringLiteral("35"));
        QCOMPARE(timesPlayed(6), player);
    }
}

void TestCardBonus::quindleBonuses_data()
{
    QTest::addColumn<QString>("row");
    QTest::newRow("five of a kinds clicked on l_quindle earn bonuses") << "l_quindle";
    QTest::newRow("five of a kinds clicked on l_bonus earn bonuses") << "l_bonus";
}

void TestCardBonus::quindleBonuses()
{
    QFETCH(QString, row);
    start(1);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, 1, QStringLiteral(". . . . . . 20 . . . . 50 ."));
    TCardLine *target = c->findChild<TCardLine *>(row);
    QVERIFY(target);
    for (int bonus = 1; bonus <= 3; ++bonus) {
        rollAs(QStringLiteral("44444"));
        helpers::clickRow(target, 80);
        QCOMPARE(c->l_bonus->Col1(), QString::number(bonus));
        QCOMPARE(c->l_l_total->Col1(), QString::number(70 + 100 * bonus));
        QVERIFY(turnEnded());
    }
    rollAs(QStringLiteral("44444"));
    helpers::clickRow(target, 80);
    QCOMPARE(c->l_bonus->Col1(), QStringLiteral("3"));
    QCOMPARE(c->l_l_total->Col1(), QStringLiteral("370"));
    QCOMPARE(c->l_quindle->Col1(), QStringLiteral("50"));
    QVERIFY(m_main->CanScore);
    QVERIFY(m_platform->boxes.shown.isEmpty());
}

void TestCardBonus::noQuindleBonus_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<QString>("quindle");
    QTest::addColumn<QString>("row");

    QTest::newRow("a zero Quindle shuts out the bonus on l_quindle") << false << false << "0" << "l_quindle";
    QTest::newRow("a zero Quindle shuts out the bonus on l_bonus") << false << false << "0" << "l_bonus";
    QTest::newRow("a Triple (Easy) game has no bonus") << true << false << "50" << "l_quindle";
    QTest::newRow("a Triple (Hard) game has no bonus on l_bonus") << true << true << "50" << "l_bonus";
}

void TestCardBonus::noQuindleBonus()
{
    QFETCH(bool, triple);
    QFETCH(bool, hard);
    QFETCH(QString, quindle);
    QFETCH(QString, row);
    start(1, triple, hard);
    Tw_Card *c = card(1);
    c->l_quindle->setCol1(quindle);
    rollAs(QStringLiteral("55555"));
    helpers::clickRow(c->findChild<TCardLine *>(row), 15);
    QCOMPARE(c->l_quindle->Col1(), quindle);
    for (int col = 1; col <= 3; ++col)
        QVERIFY(c->l_bonus->col(col).isEmpty());
    QVERIFY(c->l_l_total->Col1().isEmpty());
    QVERIFY(m_main->CanScore);
    QVERIFY(m_platform->boxes.shown.isEmpty());
}

void TestCardBonus::bonusClaimWithoutFiveOfAKindWritesNothing_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("taking the zero writes no bonus and keeps the turn") << 0;
    QTest::newRow("declining the zero writes no bonus and keeps the turn") << 1;
}

void TestCardBonus::bonusClaimWithoutFiveOfAKindWritesNothing()
{
    QFETCH(int, answer);
    start(1);
    card(1)->l_quindle->setCol1(QStringLiteral("50"));
    rollAs(QStringLiteral("44443"));
    m_platform->boxes.answers.enqueue(answer);
    helpers::clickRow(card(1)->l_bonus);
    QCOMPARE(m_platform->boxes.texts(), QStringList{"Are you sure you want to take a zero?"});
    QVERIFY(card(1)->l_bonus->Col1().isEmpty());
    QCOMPARE(card(1)->l_quindle->Col1(), QStringLiteral("50"));
    QVERIFY(m_main->CanScore);
}

void TestCardBonus::bonusRowScoresAnEmptyQuindle_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("quindle");
    QTest::addColumn<int>("boxes");

    QTest::newRow("five twos on l_bonus score 50 in l_quindle") << "22222" << 0 << "50" << 0;
    QTest::newRow("a taken zero on l_bonus writes 0 in l_quindle") << "22223" << 0 << "0" << 1;
    QTest::newRow("a declined zero on l_bonus writes nothing") << "22223" << 1 << "" << 1;
}

void TestCardBonus::bonusRowScoresAnEmptyQuindle()
{
    QFETCH(QString, dice);
    QFETCH(int, answer);
    QFETCH(QString, quindle);
    QFETCH(int, boxes);
    start(1);
    rollAs(dice);
    m_platform->boxes.answers.enqueue(answer);
    helpers::clickRow(card(1)->l_bonus);
    QCOMPARE(card(1)->l_quindle->Col1(), quindle);
    QVERIFY(card(1)->l_bonus->Col1().isEmpty());
    QCOMPARE(m_platform->boxes.shown.size(), boxes);
    QCOMPARE(turnEnded(), !quindle.isEmpty());
}

QUINDLE_TEST_MAIN(TestCardBonus)
#include "tst_cardbonus.moc"
