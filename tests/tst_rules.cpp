// SPDX-License-Identifier: MIT
// The scoring rules as the scorecard calls them: the main window's
// operations on the five dice of the tray, with the zero question answered
// by the fake message boxes.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/main.h"

#include <memory>

namespace {
// One operation by name, its number last: "face 4", "kind 3" (three of a
// kind), "full house", "small straight", "large straight", "quindle",
// "chance", and the tests behind them "has 2" (a pair), "run up 1",
// "run down 6", which answer 1 or 0.
int score(Tw_Quindle_Main &main, const QString &rule)
{
    const int n = rule.section(QLatin1Char(' '), -1).toInt();
    if (rule.startsWith(QLatin1String("face")))
        return main.ScoreFace(n);
    if (rule.startsWith(QLatin1String("kind")))
        return main.ScoreOfAKind(n);
    if (rule.startsWith(QLatin1String("has")))
        return main.HasOfAKind(n);
    if (rule.startsWith(QLatin1String("run")))
        return main.HasRun(n, rule.contains(QLatin1String("up")));
    if (rule.endsWith(QLatin1String("straight")))
        return main.ScoreStraight(rule.startsWith(QLatin1String("small")));
    if (rule == QLatin1String("full house"))
        return main.ScoreFullHouse();
    if (rule == QLatin1String("quindle"))
        return main.ScoreQuindle();
    if (rule == QLatin1String("chance"))
        return main.SumOfDice();
    qFatal("unknown rule %s", qPrintable(rule));
}

// expected -1: the dice do not qualify and the zero question comes.
void add(const char *name, const char *dice, const char *rule, int expected)
{
    QTest::newRow(name) << QString::fromLatin1(dice) << QString::fromLatin1(rule) << expected;
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_main = std::make_unique<Tw_Quindle_Main>();
    }
    void cleanup()
    {
        m_main.reset();
        m_platform.reset();
    }

    void diceScoreOrAskForAZero_data();
    void diceScoreOrAskForAZero();
    void soundFourPrecedesTheZeroQuestion_data();
    void soundFourPrecedesTheZeroQuestion();

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestRules::diceScoreOrAskForAZero_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("expected");

    add("three fours score 12 as fours", "44425", "face 4", 12);
    add("a one anywhere scores 1 as aces", "66661", "face 1", 1);
    add("aces without a one ask for a zero", "44425", "face 1", -1);

    add("four fours score 20 as three of a kind", "44444", "kind 3", 20);
    add("four sixes and a two score 26 as four of a kind", "26666", "kind 4", 26);
    add("3-3-3-3-6 scores 18 as three of a kind", "33336", "kind 3", 18);
    add("three ones spread out score 14", "16151", "kind 3", 14);
    add("two pairs are no three of a kind", "22556", "kind 3", -1);
    add("three sixes are no four of a kind", "66612", "kind 4", -1);
    add("a pair on the last two dice counts", "12344", "has 2", 1);
    add("a straight holds no pair", "12345", "has 2", 0);
    add("four sixes are not five of a kind", "26666", "has 5", 0);

    add("2-2-2-5-5 is a full house", "22255", "full house", 25);
    add("a shuffled full house scores 25", "63636", "full house", 25);
    add("five fours are no full house", "44444", "full house", -1);
    add("three of a kind and two singles are no full house", "22235", "full house", -1);
    add("four of a kind and one more are no full house", "33336", "full house", -1);

    add("1-2-3-4-6 is a small straight upward from 1", "12346", "small straight", 30);
    add("1-3-4-5-6 is a small straight downward from 6", "13456", "small straight", 30);
    add("1-1-2-3-4 is a small straight", "11234", "small straight", 30);
    add("a small straight with its pair in the middle scores 30", "35446", "small straight", 30);
    add("two runs of three are no small straight", "12456", "small straight", -1);
    add("a run of three with a pair is no small straight", "22346", "small straight", -1);
    add("dice in falling order still run upward from 1", "43216", "run up 1", 1);
    add("the start value counts without a die showing it", "23466", "run up 1", 1);
    add("the run needs three values beyond the start", "12366", "run up 1", 0);
    add("a blank die is never the 0 below an ace", "01235", "run down 3", 0);
    add("a run up from 4 finds no 7", "34566", "run up 4", 0);
    add("repeated values do not lengthen the run", "22336", "run up 2", 0);

    add("a shuffled large straight scores 40", "52634", "large straight", 40);
    add("1-2-3-4-6 is no large straight", "12346", "large straight", -1);
    add("a pair inside the span is no large straight", "12355", "large straight", -1);

    add("five ones are a quindle", "11111", "quindle", 50);
    add("an odd first die spoils the quindle", "34444", "quindle", -1);
    add("an odd middle die spoils the quindle", "66266", "quindle", -1);
    add("chance on a straight scores 15", "12345", "chance", 15);
}

// A score that qualifies comes without a question or a sound. Otherwise No
// declines the zero (-1) and Yes, or closing the box, takes it.
void TestRules::diceScoreOrAskForAZero()
{
    QFETCH(QString, dice);
    QFETCH(QString, rule);
    QFETCH(int, expected);
    helpers::setDice(m_main.get(), dice);
    m_platform->boxes.answers << 1 << -1 << 0;
    QList<int> scores;
    for (int i = 0; i < 3; ++i)
        scores << score(*m_main, rule);
    QCOMPARE(scores, expected >= 0 ? QList<int>(3, expected) : (QList<int>{-1, 0, 0}));
    QCOMPARE(m_platform->boxes.shown.size(), expected >= 0 ? 0 : 3);
    if (expected >= 0)
        QVERIFY(m_platform->sound.log.isEmpty());
}

void TestRules::soundFourPrecedesTheZeroQuestion_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QStringList>("heardBeforeBox");
    QTest::newRow("with sound on, sound 4 plays once before the box") << true << QStringList{"4"};
    QTest::newRow("with sound off, the box comes silently") << false << QStringList{};
}

void TestRules::soundFourPrecedesTheZeroQuestion()
{
    QFETCH(bool, soundOn);
    QFETCH(QStringList, heardBeforeBox);
    if (m_main->SoundOn() != soundOn)
        m_main->Sound1Click();
    QStringList heard;
    m_platform->boxes.onShow = [&](const platform::BoxRequest &) { heard = m_platform->sound.log; };
    helpers::setDice(m_main.get(), QStringLiteral("12356"));
    m_main->ScoreStraight(false);
    QCOMPARE(heard, heardBeforeBox);
    QCOMPARE(m_platform->sound.log, heardBeforeBox);
    QCOMPARE(m_platform->boxes.shown.size(), 1);
    const platform::BoxRequest box = m_platform->boxes.shown.first();
    QCOMPARE(box.caption, QStringLiteral("Confirm"));
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to take a zero?"));
    QCOMPARE(box.icon, platform::BoxIcon::Question);
    QCOMPARE(box.buttons, QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

QUINDLE_TEST_MAIN(TestRules)
#include "tst_rules.moc"
