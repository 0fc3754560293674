// SPDX-License-Identifier: MIT
// The scoring rules as the scorecard calls them: the main window's
// operations on the five dice of the tray, with the zero question answered
// by the fake message boxes.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/main.h"

#include <QAction>
#include <memory>

namespace {
// One scoring operation by name: "face 1".."face 6", "three of a kind",
// "four of a kind", "full house", "small straight", "large straight",
// "quindle", "chance".
int score(Tw_Quindle_Main &main, const QString &rule)
{
    if (rule.startsWith(QLatin1String("face ")))
        return main.ScoreFace(rule.mid(5).toInt());
    if (rule == QLatin1String("three of a kind"))
        return main.ScoreOfAKind(3);
    if (rule == QLatin1String("four of a kind"))
        return main.ScoreOfAKind(4);
    if (rule == QLatin1String("full house"))
        return main.ScoreFullHouse();
    if (rule == QLatin1String("small straight"))
        return main.ScoreStraight(true);
    if (rule == QLatin1String("large straight"))
        return main.ScoreStraight(false);
    if (rule == QLatin1String("quindle"))
        return main.ScoreQuindle();
    if (rule == QLatin1String("chance"))
        return main.SumOfDice();
    qFatal("unknown rule %s", qPrintable(rule));
}

void addScore(const char *name, const char *dice, const char *rule, int expected)
{
    QTest::newRow(name) << QString::fromLatin1(dice) << QString::fromLatin1(rule) << expected;
}

void addZero(const char *name, const char *dice, const char *rule)
{
    QTest::newRow(name) << QString::fromLatin1(dice) << QString::fromLatin1(rule);
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void qualifyingDiceScoreWithoutAsking_data();
    void qualifyingDiceScoreWithoutAsking();
    void failingDiceAskForAZero_data();
    void failingDiceAskForAZero();
    void answerDecidesTheZero_data();
    void answerDecidesTheZero();
    void zeroQuestionBox();
    void soundFourPrecedesTheQuestionOnlyWithSoundOn_data();
    void soundFourPrecedesTheQuestionOnlyWithSoundOn();
    void heldDiceCountLikeFreeOnes();
    void hasRun_data();
    void hasRun();
    void hasOfAKind_data();
    void hasOfAKind();

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestRules::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
}

void TestRules::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

void TestRules::qualifyingDiceScoreWithoutAsking_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("expected");

    addScore("three fours score 12 as fours", "44425", "face 4", 12);
    addScore("a lone two scores 2 as twos", "44425", "face 2", 2);
    addScore("five sixes score 30 as sixes", "66666", "face 6", 30);
    addScore("a one anywhere scores 1 as aces", "66661", "face 1", 1);
    addScore("two threes score 6 as threes", "31635", "face 3", 6);

    addScore("four fours score 20 as three of a kind", "44444", "three of a kind", 20);
    addScore("four fours score 20 as four of a kind", "44444", "four of a kind", 20);
    addScore("3-3-3-3-6 scores 18 as four of a kind", "33336", "four of a kind", 18);
    addScore("3-3-3-3-6 scores 18 as three of a kind", "33336", "three of a kind", 18);
    addScore("four sixes and a two score 26 as four of a kind", "26666", "four of a kind", 26);
    addScore("three of a kind counts all five dice", "66612", "three of a kind", 21);
    addScore("three sixes behind two others score 21", "21666", "three of a kind", 21);
    addScore("three ones spread out score 14", "16151", "three of a kind", 14);

    addScore("2-2-2-5-5 is a full house", "22255", "full house", 25);
    addScore("5-5-2-2-2 is a full house", "55222", "full house", 25);
    addScore("2-2-3-3-3 is a full house", "22333", "full house", 25);
    addScore("a shuffled full house scores 25", "63636", "full house", 25);

    addScore("1-2-3-4-6 is a small straight upward from 1", "12346", "small straight", 30);
    addScore("1-3-4-5-6 is a small straight downward from 6", "13456", "small straight", 30);
    addScore("2-3-4-5-5 is a small straight", "23455", "small straight", 30);
    addScore("1-1-2-3-4 is a small straight", "11234", "small straight", 30);
    addScore("3-4-5-6-6 is a small straight", "34566", "small straight", 30);
    addScore("1-2-3-4-5 is a small straight too", "12345", "small straight", 30);
    addScore("a small straight in falling order scores 30", "64321", "small straight", 30);
    addScore("a small straight with its pair in the middle scores 30", "35446", "small straight", 30);

    addScore("1-2-3-4-5 is a large straight", "12345", "large straight", 40);
    addScore("2-3-4-5-6 is a large straight", "23456", "large straight", 40);
    addScore("a shuffled large straight scores 40", "52634", "large straight", 40);

    addScore("five fours are a quindle", "44444", "quindle", 50);
    addScore("five ones are a quindle", "11111", "quindle", 50);

    addScore("chance on five ones scores 5", "11111", "chance", 5);
    addScore("chance on five sixes scores 30", "66666", "chance", 30);
    addScore("chance on a straight scores 15", "12345", "chance", 15);
}

void TestRules::qualifyingDiceScoreWithoutAsking()
{
    QFETCH(QString, dice);
    QFETCH(QString, rule);
    QFETCH(int, expected);
    helpers::setDice(m_main.get(), dice);
    QCOMPARE(score(*m_main, rule), expected);
    QCOMPARE(m_platform->boxes.shown.size(), 0);
    QVERIFY(m_platform->sound.log.isEmpty());
}

void TestRules::failingDiceAskForAZero_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("rule");

    addZero("aces without a one ask", "44425", "face 1");
    addZero("threes without a three ask", "44425", "face 3");
    addZero("sixes on five ones ask", "11111", "face 6");

    addZero("two pairs are no three of a kind", "22556", "three of a kind");
    addZero("a straight is no three of a kind", "12345", "three of a kind");
    addZero("three sixes are no four of a kind", "66612", "four of a kind");
    addZero("two pairs are no four of a kind", "33553", "four of a kind");

    addZero("2-2-5-5-6 is no full house", "22556", "full house");
    addZero("five fours are no full house", "44444", "full house");
    addZero("three of a kind and two singles are no full house", "22235", "full house");
    addZero("four of a kind and one more are no full house", "33336", "full house");
    addZero("a straight is no full house", "12345", "full house");

    addZero("1-2-3-5-6 is no small straight", "12356", "small straight");
    addZero("five fours are no small straight", "44444", "small straight");
    addZero("two runs of three are no small straight", "12456", "small straight");
    addZero("a run of three with a pair is no small straight", "22346", "small straight");

    addZero("1-2-3-4-6 is no large straight", "12346", "large straight");
    addZero("five fours are no large straight", "44444", "large straight");
    addZero("a pair inside the span is no large straight", "12355", "large straight");
    addZero("a small straight with a pair is no large straight", "23455", "large straight");

    addZero("four fours and a three are no quindle", "44443", "quindle");
    addZero("an odd first die spoils the quindle", "34444", "quindle");
    addZero("an odd middle die spoils the quindle", "66266", "quindle");
}

void TestRules::failingDiceAskForAZero()
{
    QFETCH(QString, dice);
    QFETCH(QString, rule);
    helpers::setDice(m_main.get(), dice);
    m_platform->boxes.answers << 1 << 0;
    QCOMPARE(score(*m_main, rule), -1);
    QCOMPARE(score(*m_main, rule), 0);
    QCOMPARE(m_platform->boxes.shown.size(), 2);
}

void TestRules::answerDecidesTheZero_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("expected");
    QTest::newRow("Yes takes the zero") << 0 << 0;
    QTest::newRow("No declines the zero") << 1 << -1;
    QTest::newRow("closing the box takes the zero") << -1 << 0;
}

void TestRules::answerDecidesTheZero()
{
    QFETCH(int, answer);
    QFETCH(int, expected);
    helpers::setDice(m_main.get(), QStringLiteral("23456"));
    m_platform->boxes.answers.enqueue(answer);
    QCOMPARE(m_main->ScoreFace(1), expected);
    m_platform->boxes.answers.enqueue(answer);
    QCOMPARE(m_main->ConfirmZero(), expected == -1);
}

void TestRules::zeroQuestionBox()
{
    helpers::setDice(m_main.get(), QStringLiteral("12356"));
    m_main->ScoreStraight(false);
    QCOMPARE(m_platform->boxes.shown.size(), 1);
    const platform::BoxRequest box = m_platform->boxes.shown.first();
    QCOMPARE(box.caption, QStringLiteral("Confirm"));
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to take a zero?"));
    QCOMPARE(box.icon, platform::BoxIcon::Question);
    QCOMPARE(box.buttons, QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

void TestRules::soundFourPrecedesTheQuestionOnlyWithSoundOn_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QStringList>("heardBeforeBox");
    QTest::newRow("with sound on, sound 4 plays once before the box") << true << QStringList{"4"};
    QTest::newRow("with sound off, the box comes silently") << false << QStringList{};
}

void TestRules::soundFourPrecedesTheQuestionOnlyWithSoundOn()
{
    QFETCH(bool, soundOn);
    QFETCH(QStringList, heardBeforeBox);
    if (m_main->SoundOn() != soundOn)
        m_main->Sound1Click();
    QCOMPARE(m_main->SoundOn(), soundOn);
    QStringList heard;
    m_platform->boxes.onShow = [&](const platform::BoxRequest &) { heard = m_platform->sound.log; };
    helpers::setDice(m_main.get(), QStringLiteral("44425"));
    m_main->ScoreQuindle();
    QCOMPARE(heard, heardBeforeBox);
    QCOMPARE(m_platform->sound.log, heardBeforeBox);
}

void TestRules::heldDiceCountLikeFreeOnes()
{
    helpers::setDice(m_main.get(), QStringLiteral("55555"));
    helpers::setHeld(m_main.get(), QStringLiteral("10101"));
    QCOMPARE(m_main->ScoreQuindle(), 50);
    QCOMPARE(m_main->ScoreFace(5), 25);
    QCOMPARE(m_platform->boxes.shown.size(), 0);
}

void TestRules::hasRun_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("upward");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1-2-3-4 runs upward from 1") << "12346" << 1 << true << true;
    QTest::newRow("6-5-4-3 runs downward from 6") << "13456" << 6 << false << true;
    QTest::newRow("a gap at 4 stops the run upward from 1") << "12356" << 1 << true << false;
    QTest::newRow("a gap at 4 stops the run downward from 6") << "12356" << 6 << false << false;
    QTest::newRow("dice in falling order still run upward") << "43216" << 1 << true << true;
    QTest::newRow("dice in rising order still run downward") << "13456" << 6 << false << true;
    QTest::newRow("the start value counts without a die showing it") << "23466" << 1 << true << true;
    QTest::newRow("the run needs three values beyond the start") << "12366" << 1 << true << false;
    QTest::newRow("a run of three down from 3 finds no 0") << "12345" << 3 << false << false;
    QTest::newRow("a blank die is never the 0 below an ace") << "01235" << 3 << false << false;
    QTest::newRow("a run up from 4 finds no 7") << "34566" << 4 << true << false;
    QTest::newRow("a run up from 3 reaches 6") << "34566" << 3 << true << true;
    QTest::newRow("repeated values do not lengthen the run") << "22336" << 2 << true << false;
}

void TestRules::hasRun()
{
    QFETCH(QString, dice);
    QFETCH(int, start);
    QFETCH(bool, upward);
    QFETCH(bool, expected);
    helpers::setDice(m_main.get(), dice);
    QCOMPARE(m_main->HasRun(start, upward), expected);
}

void TestRules::hasOfAKind_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("expected");

    QTest::newRow("a straight holds no pair") << "12345" << 2 << false;
    QTest::newRow("a pair on the last two dice counts") << "12344" << 2 << true;
    QTest::newRow("a pair is not three of a kind") << "12344" << 3 << false;
    QTest::newRow("two pairs are not three of a kind") << "11225" << 3 << false;
    QTest::newRow("three spread-out sixes are three of a kind") << "61266" << 3 << true;
    QTest::newRow("three sixes are not four of a kind") << "61266" << 4 << false;
    QTest::newRow("four sixes after a two are four of a kind") << "26666" << 4 << true;
    QTest::newRow("four sixes before a two are four of a kind") << "66662" << 4 << true;
    QTest::newRow("four sixes are not five of a kind") << "26666" << 5 << false;
    QTest::newRow("five ones are five of a kind") << "11111" << 5 << true;
    QTest::newRow("five ones hold a pair") << "11111" << 2 << true;
    QTest::newRow("a full house holds three of a kind") << "12121" << 3 << true;
}

void TestRules::hasOfAKind()
{
    QFETCH(QString, dice);
    QFETCH(int, n);
    QFETCH(bool, expected);
    helpers::setDice(m_main.get(), dice);
    QCOMPARE(m_main->HasOfAKind(n), expected);
}

QUINDLE_TEST_MAIN(TestRules)
#include "tst_rules.moc"
