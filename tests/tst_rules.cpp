// SPDX-License-Identifier: MIT
// What every scorecard row is worth for five dice, and the zero question
// the main window puts when they do not qualify.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/rules.h"

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void everyRowScoresItsCategory_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("expected"); // the points, or "zero?" when asked
        const char *rows[][4] = {
            {"a one anywhere scores 1 as aces", "u_1", "66661", "1"},
            {"aces without a one ask", "u_1", "44425", "zero?"},
            {"three fours score 12", "u_4", "44425", "12"},
            {"five fives score 25", "u_5", "55555", "25"},
            {"sixes without a six ask", "u_6", "12345", "zero?"},
            {"three of a kind counts all five dice", "l_3_kind", "16151", "14"},
            {"two pairs are no three of a kind", "l_3_kind", "22556", "zero?"},
            {"four sixes and a two score 26 as four of a kind", "l_4_kind", "26666", "26"},
            {"three of a kind is no four of a kind", "l_4_kind", "33312", "zero?"},
            {"three low and two high are a full house", "l_full", "22255", "25"},
            {"two low and three high are a full house", "l_full", "22555", "25"},
            {"two pairs are no full house", "l_full", "22556", "zero?"},
            {"five of a kind is no full house", "l_full", "44444", "zero?"},
            {"four of a kind and one more are no full house", "l_full", "33336", "zero?"},
            {"1-2-3-4-6 runs upward from 1", "l_small", "12346", "30"},
            {"1-3-4-5-6 runs downward from 6", "l_small", "13456", "30"},
            {"a pair inside the run still scores", "l_small", "35446", "30"},
            {"a large straight is also a small one", "l_small", "12345", "30"},
            {"two runs of three are no small straight", "l_small", "12456", "zero?"},
            {"a shuffled large straight scores 40", "l_large", "52634", "40"},
            {"1-2-3-4-6 is no large straight", "l_large", "12346", "zero?"},
            {"a pair inside the span is no large straight", "l_large", "12355", "zero?"},
            {"five ones are a Quindle", "l_quindle", "11111", "50"},
            {"an odd first die spoils the Quindle", "l_quindle", "34444", "zero?"},
            {"an odd last die spoils the Quindle", "l_quindle", "66662", "zero?"},
            {"chance on five ones scores 5 without asking", "l_chance", "11111", "5"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << row[3];
    }

    // The row's section and tag, as the real scorecard carries them, pick the rule.
    void everyRowScoresItsCategory()
    {
        QFETCH(QString, row);
        QFETCH(QString, dice);
        Tw_Card card(nullptr);
        const TCardLine *line = card.findChild<TCardLine *>(row);
        const bool upper = row.startsWith(QLatin1String("u_"));
        QCOMPARE(card.scoreLine(upper, line->Tag), line);
        const std::optional<rules::Category> category = rules::categoryOf(upper, line->Tag);
        rules::DiceValues values{};
        for (int i = 0; i < 5; ++i)
            values[i] = dice.at(i).digitValue();
        const rules::Score s = rules::score(category.value(), values);
        QTEST(s.asksForZero ? QStringLiteral("zero?") : QString::number(s.points), "expected");
    }

    void theZeroQuestionComesWithItsSoundAndNoDeclines_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("answer"); // button index; -1 closes the box
        QTest::addColumn<int>("result");
        QTest::newRow("Yes takes the zero, after sound 4") << true << 0 << 0;
        QTest::newRow("No declines it") << true << 1 << -1;
        QTest::newRow("closing the box takes the zero") << true << -1 << 0;
        QTest::newRow("with sound off the box comes silently") << false << 0 << 0;
    }

    void theZeroQuestionComesWithItsSoundAndNoDeclines()
    {
        QFETCH(bool, soundOn);
        QFETCH(int, answer);
        GameFixture game;
        if (game.main->SoundOn() != soundOn)
            game.main->Sound1->trigger();
        game.setDice(QStringLiteral("12356"));
        QStringList heard; // before the box, then after it
        game.fake.boxes.onShow = [&](const platform::BoxRequest &) { heard << game.fake.sound.log.join(','); };
        game.fake.boxes.expect(QStringLiteral("Are you sure you want to take a zero?"), answer);
        QTEST(game.main->ScoreStraight(false), "result");
        heard << game.fake.sound.log.join(',');
        QCOMPARE(heard.join('|'), QString(soundOn ? "4|4" : "|"));
        const platform::BoxRequest box = game.fake.boxes.shown.value(0);
        QCOMPARE(box.caption + ' ' + box.buttons.join(' '), QStringLiteral("Confirm &Yes &No"));
        QCOMPARE(box.icon, platform::BoxIcon::Question);
    }
};

QUINDLE_TEST_MAIN(TestRules)
#include "tst_rules.moc"
