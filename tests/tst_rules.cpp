// SPDX-License-Identifier: MIT
// What every scorecard row is worth for five dice, and the zero question
// the main window puts when they do not qualify.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/main.h"
#include "game/rules.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>

namespace {
rules::DiceValues dice(const QString &faces)
{
    rules::DiceValues values{};
    for (int i = 0; i < 5; ++i)
        values[i] = faces.at(i).digitValue();
    return values;
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void everyRowScoresItsCategory_data();
    void everyRowScoresItsCategory();
    void theZeroQuestionComesWithItsSoundAndNoDeclines_data();
    void theZeroQuestionComesWithItsSoundAndNoDeclines();
};

// expected: the points, or "zero?" when the player must be asked.
void TestRules::everyRowScoresItsCategory_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *name, const char *row, const char *dice, const char *expected) {
        QTest::newRow(name) << row << dice << expected;
    };
    add("a one anywhere scores 1 as aces", "u_1", "66661", "1");
    add("aces without a one ask", "u_1", "44425", "zero?");
    add("two twos score 4", "u_2", "22456", "4");
    add("three threes score 9", "u_3", "33315", "9");
    add("three fours score 12", "u_4", "44425", "12");
    add("five fives score 25", "u_5", "55555", "25");
    add("sixes without a six ask", "u_6", "12345", "zero?");
    add("four fours score 20 as three of a kind", "l_3_kind", "44444", "20");
    add("three of a kind counts all five dice", "l_3_kind", "16151", "14");
    add("two pairs are no three of a kind", "l_3_kind", "22556", "zero?");
    add("four sixes and a two score 26 as four of a kind", "l_4_kind", "26666", "26");
    add("three of a kind is no four of a kind", "l_4_kind", "33312", "zero?");
    add("2-2-2-5-5 is a full house", "l_full", "22255", "25");
    add("5-5-2-2-2 is a full house", "l_full", "55222", "25");
    add("2-2-5-5-6 is no full house", "l_full", "22556", "zero?");
    add("five of a kind is no full house", "l_full", "44444", "zero?");
    add("four of a kind and one more are no full house", "l_full", "33336", "zero?");
    add("1-2-3-4-6 runs upward from 1", "l_small", "12346", "30");
    add("1-3-4-5-6 runs downward from 6", "l_small", "13456", "30");
    add("a pair inside the run still scores", "l_small", "35446", "30");
    add("a large straight is also a small one", "l_small", "12345", "30");
    add("two runs of three are no small straight", "l_small", "12456", "zero?");
    add("1-2-3-5-6 is no small straight", "l_small", "12356", "zero?");
    add("a shuffled large straight scores 40", "l_large", "52634", "40");
    add("1-2-3-4-6 is no large straight", "l_large", "12346", "zero?");
    add("a pair inside the span is no large straight", "l_large", "12355", "zero?");
    add("five ones are a Quindle", "l_quindle", "11111", "50");
    add("an odd first die spoils the Quindle", "l_quindle", "34444", "zero?");
    add("an odd last die spoils the Quindle", "l_quindle", "66662", "zero?");
    add("chance on five ones scores 5 without asking", "l_chance", "11111", "5");
    add("chance on five sixes scores 30", "l_chance", "66666", "30");
}

// The row's place in the card decides the rule: its section and tag as the
// real scorecard carries them.
void TestRules::everyRowScoresItsCategory()
{
    QFETCH(QString, row);
    QFETCH(QString, dice);
    QFETCH(QString, expected);
    Tw_Card card(nullptr);
    const TCardLine *line = card.findChild<TCardLine *>(row);
    const bool upper = row.startsWith(QLatin1String("u_"));
    QCOMPARE(card.scoreLine(upper, line->Tag), line);
    const std::optional<rules::Category> category = rules::categoryOf(upper, line->Tag);
    QVERIFY(category);
    const rules::Score score = rules::score(*category, ::dice(dice));
    QCOMPARE(score.asksForZero ? QStringLiteral("zero?") : QString::number(score.points), expected);
}

void TestRules::theZeroQuestionComesWithItsSoundAndNoDeclines_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<int>("answer"); // button index; -1 closes the box
    QTest::addColumn<int>("result");
    QTest::newRow("Yes takes the zero, after sound 4") << true << 0 << 0;
    QTest::newRow("No declines it") << true << 1 << -1;
    QTest::newRow("closing the box takes the zero") << true << -1 << 0;
    QTest::newRow("with sound off the box comes silently") << false << 0 << 0;
}

void TestRules::theZeroQuestionComesWithItsSoundAndNoDeclines()
{
    QFETCH(bool, soundOn);
    QFETCH(int, answer);
    QFETCH(int, result);
    GameFixture game;
    if (game.main->SoundOn() != soundOn)
        game.main->Sound1->trigger();
    game.setDice(QStringLiteral("12356"));
    QStringList heardBeforeBox;
    game.fake.boxes.onShow = [&](const platform::BoxRequest &) { heardBeforeBox = game.fake.sound.log; };
    game.fake.boxes.expect(QStringLiteral("Are you sure you want to take a zero?"), answer);
    QCOMPARE(game.main->ScoreStraight(false), result);
    QCOMPARE(heardBeforeBox, soundOn ? QStringList{"4"} : QStringList());
    QCOMPARE(game.fake.sound.log, heardBeforeBox);
    const platform::BoxRequest box = game.fake.boxes.shown.value(0);
    QCOMPARE(box.caption, QStringLiteral("Confirm"));
    QCOMPARE(box.icon, platform::BoxIcon::Question);
    QCOMPARE(box.buttons, QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

QUINDLE_TEST_MAIN(TestRules)
#include "tst_rules.moc"
