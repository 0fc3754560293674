// SPDX-License-Identifier: MIT
// The scorecard's bonuses through the player's clicks: the upper bonus once
// per card and column, and the Quindle bonus of the Regular game.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

namespace {
constexpr int ColumnMiddle[4] = {0, 15, 45, 75};
} // namespace

class TestCardBonus : public QObject {
    Q_OBJECT

private slots:
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup() { m_game.reset(); }

    void upperBonus_data();
    void upperBonus();
    void upperBonusOncePerColumn();
    void eachCardHasItsOwnUpperBonus();
    void quindleBonuses_data();
    void quindleBonuses();
    void clicksThatEarnNoQuindleBonus_data();
    void clicksThatEarnNoQuindleBonus();

private:
    Tw_Card *card(int player) const { return m_game->main->card(player); }
    int timesPlayed(int sound) const { return int(m_game->fake.sound.played().count(sound)); }

    std::unique_ptr<FileGame> m_game;
};

void TestCardBonus::upperBonus_data()
{
    QTest::addColumn<bool>("triple");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("upper"); // before eighteen in Sixes
    QTest::addColumn<QString>("totals"); // u_total u_bonus l_u_total

    QTest::newRow("exactly 63 earns the bonus") << false << 1 << "3 6 9 12 15" << "63 35 98";
    QTest::newRow("62 earns nothing") << false << 1 << "2 6 9 12 15" << "62  62";
    QTest::newRow("63 in the Triple column counts (63 + 35) x 3")
        << true << 3 << "3 6 9 12 15" << "63 35 294";
    QTest::newRow("62 in the Double column counts 62 x 2") << true << 2 << "2 6 9 12 15" << "62  124";
}

void TestCardBonus::upperBonus()
{
    QFETCH(bool, triple);
    QFETCH(int, column);
    QFETCH(QString, upper);
    QFETCH(QString, totals);
    helpers::newGame(m_game->main.get(), 1, triple, false);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, column, upper + QStringLiteral(" . . . . . . . ."));
    m_game->rollAs(QStringLiteral("66612"));
    helpers::clickRow(c->u_6, ColumnMiddle[column]);
    QCOMPARE(c->u_6->col(column), QStringLiteral("18"));
    const QStringList shown{c->u_total->col(column), c->u_bonus->col(column), c->l_u_total->col(column)};
    QCOMPARE(shown.join(QLatin1Char(' ')), totals);
    const QString bonus = totals.section(QLatin1Char(' '), 1, 1);
    QCOMPARE(c->u_bonus->Col1() + c->u_bonus->Col2() + c->u_bonus->Col3(), bonus);
    QCOMPARE(timesPlayed(6), bonus.isEmpty() ? 0 : 1);
}

void TestCardBonus::upperBonusOncePerColumn()
{
    helpers::newGame(m_game->main.get(), 1, true, false);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, 1, QStringLiteral("3 . . 12 15 30 . . . . . . ."));
    helpers::fillColumn(c, 2, QStringLiteral("3 . 9 12 15 30 . . . . . . ."));
    m_game->rollAs(QStringLiteral("33312"));
    helpers::clickRow(c->u_3, 15); // 69 in Single
    QCOMPARE(c->u_bonus->Col1(), QStringLiteral("35"));
    QCOMPARE(timesPlayed(6), 1);
    m_game->rollAs(QStringLiteral("22111"));
    helpers::clickRow(c->u_2, 15); // 73 in Single: the bonus stays, no new sound
    QCOMPARE(c->l_u_total->Col1(), QStringLiteral("108"));
    QCOMPARE(timesPlayed(6), 1);
    QVERIFY(c->u_bonus->Col2().isEmpty());
    m_game->rollAs(QStringLiteral("22111"));
    helpers::clickRow(c->u_2, 45); // 73 in Double: that column's own bonus
    QCOMPARE(c->u_bonus->Col2(), QStringLiteral("35"));
    QCOMPARE(c->l_u_total->Col2(), QStringLiteral("216"));
    QCOMPARE(timesPlayed(6), 2);
}

void TestCardBonus::eachCardHasItsOwnUpperBonus()
{
    helpers::newGame(m_game->main.get(), 2);
    for (int player = 1; player <= 2; ++player)
        helpers::fillColumn(card(player), 1, QStringLiteral("3 6 9 12 15 . . . . . . . ."));
    for (int player = 1; player <= 2; ++player) {
        QCOMPARE(m_game->main->CurrentPlayer(), player);
        m_game->rollAs(QStringLiteral("66612"));
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

// Three bonuses on a lower sum of 235 read 535: the total does not wrap at
// a byte. A fourth five of a kind there does nothing.
void TestCardBonus::quindleBonuses()
{
    QFETCH(QString, row);
    helpers::newGame(m_game->main.get(), 1);
    Tw_Card *c = card(1);
    helpers::fillColumn(c, 1, QStringLiteral(". . . . . . 30 30 25 30 40 50 30"));
    TCardLine *target = c->findChild<TCardLine *>(row);
    QStringList seen;
    for (int turn = 1; turn <= 4; ++turn) {
        m_game->rollAs(QStringLiteral("44444"));
        helpers::clickRow(target, 80);
        seen << c->l_bonus->Col1() + QLatin1Char(' ') + c->l_l_total->Col1()
                    + (m_game->main->CanScore() ? QStringLiteral(" open") : QString());
    }
    QCOMPARE(seen, (QStringList{"1 335", "2 435", "3 535", "3 535 open"}));
    QCOMPARE(c->l_quindle->Col1(), QStringLiteral("50"));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
}

void TestCardBonus::clicksThatEarnNoQuindleBonus_data()
{
    QTest::addColumn<QString>("game");   // Regular, Easy or Hard
    QTest::addColumn<QString>("before"); // l_quindle
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("answer");     // to a zero question
    QTest::addColumn<QString>("after");
    const auto add = [](const char *name, const char *game, const char *before, const char *dice,
                        const char *row, int answer, const char *after) {
        QTest::newRow(name) << game << before << dice << row << answer << after;
    };
    add("a zero Quindle shuts out the bonus on l_quindle", "Regular", "0", "55555", "l_quindle", 0, "0");
    add("a zero Quindle shuts out the bonus on l_bonus", "Regular", "0", "55555", "l_bonus", 0, "0");
    add("a Triple (Easy) game has no bonus", "Easy", "50", "55555", "l_quindle", 0, "50");
    add("a Triple (Hard) game has no bonus on l_bonus", "Hard", "50", "55555", "l_bonus", 0, "50");
    add("no five of a kind after a Quindle asks, then writes nothing", "Regular", "50", "44443",
        "l_bonus", 0, "50");
    add("five twos on l_bonus score 50 in an empty l_quindle", "Regular", "", "22222", "l_bonus", 0, "50");
    add("a taken zero on l_bonus writes 0 in an empty l_quindle", "Regular", "", "22223", "l_bonus", 0, "0");
    add("a declined zero on l_bonus writes nothing", "Regular", "", "22223", "l_bonus", 1, "");
}

// Without five of a kind the zero question comes; the turn goes on unless
// l_quindle was scored.
void TestCardBonus::clicksThatEarnNoQuindleBonus()
{
    QFETCH(QString, game);
    QFETCH(QString, before);
    QFETCH(QString, dice);
    QFETCH(QString, row);
    QFETCH(int, answer);
    QFETCH(QString, after);
    const bool regular = game == QLatin1String("Regular");
    helpers::newGame(m_game->main.get(), 1, !regular, game == QLatin1String("Hard"));
    Tw_Card *c = card(1);
    c->l_quindle->setCol1(before);
    m_game->rollAs(dice);
    m_game->fake.boxes.defaultAnswer = answer;
    helpers::clickRow(c->findChild<TCardLine *>(row), 15);
    QCOMPARE(c->l_quindle->Col1(), after);
    QCOMPARE(c->l_bonus->Col1() + c->l_bonus->Col2() + c->l_bonus->Col3(), QString());
    QCOMPARE(m_game->fake.boxes.shown.size(), dice.count(dice.front()) == 5 ? 0 : 1);
    QCOMPARE(m_game->main->CanScore(), before == after);
}

QUINDLE_TEST_MAIN(TestCardBonus)
#include "tst_cardbonus.moc"
