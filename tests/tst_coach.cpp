// SPDX-License-Identifier: MIT
// The coach against a plain brute force: every throw of the dice in order,
// every set of dice positions to hold, every row scored by the game's own
// rules, with nothing shared with the coach but those rules.
#include "TestMain.h"
#include "game/CoachAdvice.h"
#include "game/CoachSolver.h"
#include "game/CoachTable.h"

#include <algorithm>
#include <map>
#include <unordered_map>

using rules::Category;
using rules::DiceValues;

namespace {

struct Card {
    int filled = 0;  // bit c-1 for category c
    int upper = 0;   // not capped
    int quindle = -1; // the Quindle row: -1 empty, else its points
    int claimed = 0;
    bool operator<(const Card &o) const
    {
        return std::tie(filled, upper, quindle, claimed) < std::tie(o.filled, o.upper, o.quindle, o.claimed);
    }
};

class Brute {
public:
    double value(const Card &card)
    {
        if (card.filled == 0x1fff)
            return 0;
        const auto known = m_cards.find(card);
        if (known != m_cards.end())
            return known->second;
        Turn &turn = m_turns[card];
        double sum = 0;
        forEachThrow({}, 0, [&](const DiceValues &t) { sum += position(turn, card, t, 2); });
        return m_cards[card] = sum / 7776;
    }

    double hold(const Card &card, const DiceValues &dice, int mask, int rollsLeft)
    {
        return hold(m_turns[card], card, dice, mask, rollsLeft);
    }

    double row(const Card &card, const DiceValues &dice, Category category)
    {
        const rules::Score s = rules::score(category, dice);
        const int points = s.asksForZero ? 0 : s.points;
        Card next = card;
        next.filled |= 1 << (int(category) - 1);
        int bonus = 0;
        if (int(category) <= 6) {
            next.upper += points;
            bonus = card.upper < 63 && next.upper >= 63 ? 35 : 0;
        }
        if (category == Category::Quindle)
            next.quindle = points;
        return points + bonus + value(next);
    }

    double bonus(const Card &card)
    {
        Card next = card;
        ++next.claimed;
        return 100 + value(next);
    }

private:
    // Positions and holds of one card's turn, by their dice and rolls left.
    using Turn = std::unordered_map<int, double>;

    // The best of scoring now and, with rolls left, of every hold.
    double position(Turn &turn, const Card &card, const DiceValues &dice, int rollsLeft)
    {
        const int key = codeOf(dice, 5) * 8 + rollsLeft;
        const auto known = turn.find(key);
        if (known != turn.end())
            return known->second;
        double best = bestScoring(card, dice);
        for (int mask = 0; mask < 32 && rollsLeft > 0; ++mask)
            best = std::max(best, hold(turn, card, dice, mask, rollsLeft));
        return turn[key] = best;
    }

    double hold(Turn &turn, const Card &card, const DiceValues &dice, int mask, int rollsLeft)
    {
        DiceValues kept{};
        int n = 0;
        for (int i = 0; i < 5; ++i) {
            if (mask & (1 << i))
                kept[n++] = dice[i];
        }
        std::sort(kept.begin(), kept.begin() + n);
        const int key = codeOf(kept, n) * 8 + 4 + rollsLeft;
        const auto known = turn.find(key);
        if (known != turn.end())
            return known->second;
        double sum = 0;
        int throws = 0;
        forEachThrow(kept, n, [&](const DiceValues &all) {
            sum += position(turn, card, all, rollsLeft - 1);
            ++throws;
        });
        return turn[key] = sum / throws;
    }

    double bestScoring(const Card &card, const DiceValues &dice)
    {
        double best = -1;
        for (int c = 1; c <= 13; ++c) {
            if (!(card.filled & (1 << (c - 1))))
                best = std::max(best, row(card, dice, Category(c)));
        }
        const bool bonusAllowed = card.quindle == 50 && card.claimed < 3 && rules::isQuindle(dice);
        return bonusAllowed ? std::max(best, bonus(card)) : best;
    }

    static int codeOf(const DiceValues &dice, int n)
    {
        int code = n;
        for (int i = 0; i < n; ++i)
            code = code * 7 + dice[i];
        return code;
    }

    // Every throw, in order, of the dice after the first `kept`; `f` gets
    // all five sorted.
    template<typename F>
    static void forEachThrow(const DiceValues &kept, int n, F f)
    {
        DiceValues t = kept;
        std::fill(t.begin() + n, t.end(), 1);
        for (;;) {
            DiceValues all = t;
            std::sort(all.begin(), all.end());
            f(all);
            int i = n;
            while (i < 5 && t[i] == 6)
                t[i++] = 1;
            if (i == 5)
                return;
            ++t[i];
        }
    }

    std::map<Card, double> m_cards;
    std::map<Card, Turn> m_turns;
};

// A card as a line of 13 cells, "-" for empty, "." between cells, then
// the bonuses claimed after a "+": "1.-.9.-.-.-.-.-.-.-.-.50.-+1".
totals::Column columnOf(const QString &line)
{
    totals::Column column;
    const QStringList parts = line.split(QLatin1Char('+'));
    const QStringList cells = parts[0].split(QLatin1Char('.'));
    for (int c = 0; c < 13; ++c) {
        if (cells[c] != QLatin1String("-"))
            column.cells[c] = cells[c].toInt();
    }
    column.quindleBonuses = parts.size() > 1 ? parts[1].toInt() : 0;
    return column;
}

Card cardOf(const totals::Column &column)
{
    Card card;
    for (int c = 0; c < 13; ++c) {
        if (column.cells[c])
            card.filled |= 1 << c;
    }
    card.upper = totals::upperSum(column);
    card.quindle = column.cells[11].value_or(-1);
    card.claimed = column.quindleBonuses;
    return card;
}

DiceValues diceOf(const QString &text)
{
    DiceValues dice{};
    for (int i = 0; i < 5; ++i)
        dice[i] = text.at(i).digitValue();
    return dice;
}

coach::Held heldOf(const QString &text)
{
    coach::Held held{};
    for (int i = 0; i < 5; ++i)
        held[i] = text.at(i) == QLatin1Char('x');
    return held;
}

// What the brute force says an alternative is worth, as a final score.
double bruteWorth(Brute &brute, const Card &card, int points, const DiceValues &dice, int rollsLeft,
                  const coach::Alternative &a)
{
    using Kind = coach::Alternative::Kind;
    int mask = 0;
    for (int i = 0; i < 5; ++i)
        mask |= a.held[i] ? 1 << i : 0;
    switch (a.kind) {
    case Kind::Roll: return points + brute.value(card);
    case Kind::Hold: return points + brute.hold(card, dice, mask, rollsLeft);
    case Kind::Score: return points + brute.row(card, dice, a.category);
    case Kind::Bonus: return points + brute.bonus(card);
    }
    return -1;
}

QString nameOf(const coach::Alternative &a)
{
    using Kind = coach::Alternative::Kind;
    QString held;
    for (bool h : a.held)
        held += h ? QLatin1Char('x') : QLatin1Char('-');
    switch (a.kind) {
    case Kind::Roll: return QStringLiteral("roll");
    case Kind::Hold: return held;
    case Kind::Score: return QString::number(int(a.category)) + QLatin1Char('/') + QString::number(a.column);
    case Kind::Bonus: return QStringLiteral("bonus");
    }
    return {};
}

} // namespace


class TestCoach : public QObject {
    Q_OBJECT
private slots:
    void everyMoveIsWorthWhatTheBruteForceFinds_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<QString>("best"); // "row/column", "bonus", "roll", or the dice to hold as "x-x--"
        QTest::addColumn<int>("moves");
        const char *rows[][6] = {
            // One row left: the only move at the end, its exact worth before.
            {"chance, the last row, is the only move", "1.2.3.4.5.6.7.8.9.10.11.50.-", "12346", "0", "13/1", "1"},
            {"a last full house takes its zero", "1.2.3.4.5.6.7.8.-.10.11.0.12", "12346", "0", "9/1", "1"},
            {"a last Quindle row, five different dice: throw them all", "1.2.3.4.5.6.7.8.9.10.11.-.12", "41526", "1", "-----", "33"},
            {"the last fours keep their fours", "1.2.3.-.5.6.7.8.9.10.11.0.12", "41446", "2", "x-xx-", "17"},
            {"before the first roll there is only the roll", "1.2.3.4.5.6.7.8.-.10.11.0.12", "11111", "3", "roll", "1"},
            // Two rows left.
            {"two threes, 6 points, beat 24 in chance: they reach the bonus", "2.6.-.12.15.24.7.8.9.10.11.0.-", "33666", "0", "3/1", "2"},
            {"without the bonus in reach chance takes the 24", "1.2.-.4.15.18.7.8.9.10.11.0.-", "33666", "0", "13/1", "2"},
            {"a Quindle beside a 50 claims the bonus", "1.2.3.4.-.6.7.8.9.10.11.50.-", "55555", "0", "bonus", "3"},
            {"a Quindle beside a 50 is claimed at once", "1.2.3.4.-.6.7.8.9.10.11.50.-", "55555", "2", "bonus", "9"},
            {"the third bonus claimed, none is left", "1.2.3.4.-.6.7.8.9.10.11.50.-+3", "55555", "0", "5/1", "2"},
            {"a zero in the Quindle row shuts the bonus out", "1.2.3.4.-.6.7.8.9.10.11.0.-", "55555", "0", "5/1", "2"},
            {"two rows left, between the rolls", "1.2.3.4.5.6.7.8.-.10.-.0.12", "23455", "1", "xxxx-", "26"},
            {"two rows and a bonus possible, before the first roll", "1.2.3.4.5.6.7.-.9.10.11.50.-+1", "11111", "3", "roll", "1"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << QString(row[3]).toInt() << row[4] << QString(row[5]).toInt();
    }

    void everyMoveIsWorthWhatTheBruteForceFinds()
    {
        QFETCH(QString, card);
        QFETCH(QString, dice);
        QFETCH(int, rollsLeft);
        const totals::Column column = columnOf(card);
        const DiceValues values = diceOf(dice);
        coach::RecursiveSolver solver;
        Brute brute;
        const coach::Advice advice = coach::adviseRegular(solver.next(), coach::regularPosition(column, values, {}, rollsLeft));
        QVERIFY(advice.best());
        QTEST(nameOf(*advice.best()), "best");
        QTEST(int(advice.alternatives.size()), "moves");
        for (const coach::Alternative &a : advice.alternatives) {
            const double expected = bruteWorth(brute, cardOf(column), coach::pointsOn(column), values, rollsLeft, a);
            QVERIFY2(qAbs(a.expected - expected) < 1e-9, qPrintable(nameOf(a)));
        }
    }

    void aTableOfPartOfTheGameIsTheSameForAnyNumberOfThreads_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("bruteForce"); // too slow with more than two rows left
        QTest::newRow("sixes and chance left, bonuses possible") << "1.2.3.4.5.-.7.8.9.10.11.50.-" << true;
        QTest::newRow("aces and the Quindle row left") << "-.2.3.4.5.6.7.8.9.10.11.-.12" << true;
        QTest::newRow("two bonuses still possible, twos and fours left") << "1.-.3.-.5.6.7.8.9.10.11.50.12+1" << true;
        QTest::newRow("five rows left") << "1.2.-.4.5.-.7.-.9.-.11.-.12" << false;
    }

    // The table of the cards that have these rows filled, worked out by one
    // thread and by two, against the recursion and the brute force.
    void aTableOfPartOfTheGameIsTheSameForAnyNumberOfThreads()
    {
        QFETCH(QString, card);
        QFETCH(bool, bruteForce);
        const totals::Column column = columnOf(card);
        const coach::State state = coach::stateOf(column);
        const auto one = coach::solve({1, state.filled, nullptr, nullptr});
        std::atomic<int> percent{0};
        const auto two = coach::solve({2, state.filled, nullptr, &percent});
        QCOMPARE(percent.load(), 100);
        QVERIFY(one->values() == two->values());
        coach::RecursiveSolver solver;
        Brute brute;
        for (int upper : {0, 20, state.upper, 61, 63}) {
            const coach::State s{state.filled, upper, state.bonusesLeft};
            if (!coach::upperSumReachable(s.filled, upper))
                continue;
            QCOMPARE(one->value(s), solver.value(s));
        }
        if (bruteForce)
            QVERIFY(qAbs(one->value(state) - brute.value(cardOf(column))) < 1e-9);
    }

    void holdsMapBackToTheDicePositions_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("heldNow");
        QTest::addColumn<QString>("best");
        QTest::addColumn<int>("holds");
        const char *sixes = "1.2.3.4.5.-.7.8.9.10.11.0.12";
        const char *large = "1.2.3.4.5.6.7.8.9.10.-.0.12";
        QTest::newRow("only sixes left: the sixes wherever they lie") << sixes << "62656" << "-----" << "x-x-x" << 16;
        QTest::newRow("five equal dice are six holds") << sixes << "66666" << "xx---" << "xxxxx" << 6;
        QTest::newRow("a large straight wants one of the twos: the one held") << large << "12245" << "--x--" << "x-xxx" << 24;
        QTest::newRow("with none held, the first of them") << large << "12245" << "-----" << "xx-xx" << 24;
        QTest::newRow("the dice held now need not be worth holding") << large << "21425" << "x-x--" << "xxx-x" << 24;
    }

    void holdsMapBackToTheDicePositions()
    {
        QFETCH(QString, card);
        QFETCH(QString, dice);
        QFETCH(QString, heldNow);
        QFETCH(int, holds);
        const totals::Column column = columnOf(card);
        coach::RecursiveSolver solver;
        const coach::Position position = coach::regularPosition(column, diceOf(dice), heldOf(heldNow), 2);
        const coach::Advice advice = coach::adviseRegular(solver.next(), position);
        auto isHold = [](const coach::Alternative &a) { return a.kind == coach::Alternative::Kind::Hold; };
        const auto best = std::find_if(advice.alternatives.begin(), advice.alternatives.end(), isHold);
        QTEST(nameOf(*best), "best");
        QTEST(int(std::count_if(advice.alternatives.begin(), advice.alternatives.end(), isHold)), "holds");
        // The same values held at other positions are worth the same.
        Brute brute;
        for (int mask = 0; mask < 32; ++mask) {
            coach::Held held{};
            for (int i = 0; i < 5; ++i)
                held[i] = mask & (1 << i);
            const double expected = coach::pointsOn(column) + brute.hold(cardOf(column), diceOf(dice), mask, 2);
            QVERIFY(qAbs(advice.forHold(held).value() - expected) < 1e-9);
        }
    }

    void aCardColumnGivesItsState_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("bonusesLeft");
        QTest::addColumn<int>("points");
        QTest::newRow("an empty card") << "-.-.-.-.-.-.-.-.-.-.-.-.-" << 0 << 0 << 0;
        QTest::newRow("a 50 in the Quindle row leaves three bonuses") << "-.-.-.-.-.-.-.-.-.-.-.50.-" << 0 << 3 << 50;
        QTest::newRow("one claimed leaves two") << "-.-.-.-.-.-.-.-.-.-.-.50.-+1" << 0 << 2 << 150;
        QTest::newRow("a zero there leaves none") << "-.-.-.-.-.-.-.-.-.-.-.0.-" << 0 << 0 << 0;
        QTest::newRow("the upper sum stops at 63, the bonus counts")
            << "5.10.15.20.25.-.-.-.-.-.-.-.-" << 63 << 0 << 75 + 35;
        QTest::newRow("62 brings no bonus") << "2.6.9.16.5.24.-.-.-.-.-.-.-" << 62 << 0 << 62;
    }

    void aCardColumnGivesItsState()
    {
        QFETCH(QString, card);
        const coach::State state = coach::stateOf(columnOf(card));
        QTEST(state.upper, "upper");
        QTEST(state.bonusesLeft, "bonusesLeft");
        QTEST(coach::pointsOn(columnOf(card)), "points");
    }

    void aTripleHintIsAnEstimateThatKeepsTheRules_data()
    {
        QTest::addColumn<bool>("hard");
        QTest::addColumn<QString>("moves"); // every row and column offered for five fives
        // Fives open in column 2 only; chance in columns 1 and 3; a 50 in every
        // Quindle row, so a Regular card would offer the bonus.
        QTest::newRow("Hard: chance only in its leftmost empty column") << true << "13/1 5/2";
        QTest::newRow("Easy: chance in either empty column") << false << "13/1 13/3 5/2";
    }

    void aTripleHintIsAnEstimateThatKeepsTheRules()
    {
        QFETCH(bool, hard);
        coach::TriplePosition position;
        position.hard = hard;
        position.columns = {columnOf(QStringLiteral("1.2.3.4.5.6.7.8.9.10.11.50.-")),
                            columnOf(QStringLiteral("1.2.3.4.-.6.7.8.9.10.11.50.12")),
                            columnOf(QStringLiteral("1.2.3.4.5.6.7.8.9.10.11.50.-"))};
        position.dice = diceOf(QStringLiteral("55555"));
        position.rollsLeft = 0;
        coach::RecursiveSolver solver;
        const coach::Advice advice = coach::adviseTripleEstimate(solver.next(), position);
        QVERIFY(advice.estimate);
        QStringList moves;
        for (const coach::Alternative &a : advice.alternatives)
            moves << nameOf(a);
        moves.sort();
        QTEST(moves.join(QLatin1Char(' ')), "moves");
        QVERIFY(!advice.forBonus());
        // Chance in the Triple column instead of the Single one weighs the
        // same gain over the column's worth twice more.
        if (!hard) {
            Card noBonus = cardOf(position.columns[0]);
            noBonus.claimed = 3;
            const double worth = Brute().value(noBonus);
            QVERIFY(qAbs(*advice.forRow(Category::Chance, 3) - *advice.forRow(Category::Chance, 1) - 2 * (25 - worth)) < 1e-9);
        }
    }
};

QUINDLE_TEST_MAIN(TestCoach)
#include "tst_coach.moc"
