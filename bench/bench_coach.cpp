// SPDX-License-Identifier: MIT
// The coach: the whole Regular table on one thread and on two (which must
// agree to the last bit), the memory it takes, one piece of advice, and
// the coach playing 1,000 one-player games against the game's own dice,
// whose mean must agree with the table's expected score.
#include "game/CoachAdvice.h"
#include "game/CoachTable.h"
#include "platform/Random.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

rules::DiceValues throwDice(const rules::DiceValues &dice, const coach::Held &held)
{
    rules::DiceValues next = dice;
    for (int i = 0; i < 5; ++i) {
        if (!held[i])
            next[i] = rng::random(6) + 1;
    }
    return next;
}

// Ends the turn as the alternative says, on the card as the game keeps it.
void score(totals::Column &column, const coach::Alternative &move, const rules::DiceValues &dice)
{
    if (move.kind == coach::Alternative::Kind::Bonus) {
        ++column.quindleBonuses;
        return;
    }
    const rules::Score s = rules::score(move.category, dice);
    column.cells[int(move.category) - 1] = s.asksForZero ? 0 : s.points;
}

int playOneGame(const coach::NextValue &values)
{
    totals::Column column;
    while (!totals::isComplete(column)) {
        coach::Held held{};
        rules::DiceValues dice = throwDice({}, held);
        for (int rollsLeft = 2;; --rollsLeft) {
            const coach::Advice advice = coach::adviseRegular(values, coach::regularPosition(column, dice, held, rollsLeft));
            const coach::Alternative &best = *advice.best();
            if (best.kind != coach::Alternative::Kind::Hold) {
                score(column, best, dice);
                break;
            }
            held = best.held;
            dice = throwDice(dice, held);
        }
    }
    return coach::pointsOn(column);
}

} // namespace

class BenchCoach : public QObject {
    Q_OBJECT
private slots:
    void wholeTable_data();
    void wholeTable();
    void oneThreadAndTwoAgree();
    void advice();
    void selfPlay();

private:
    std::unique_ptr<coach::Table> m_tables[3];
};

void BenchCoach::wholeTable_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("two threads") << 2;
}

void BenchCoach::wholeTable()
{
    QFETCH(int, threads);
    // Timed by hand: a benchmark macro would run it more than once.
    const long before = peakKilobytes();
    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    m_tables[threads] = coach::solve({threads, 0, nullptr, nullptr});
    std::printf("coach: whole table on %d thread(s) in %.2f s (%.2f s of processor time); expected final "
                "score %.4f; table %.1f MB, peak memory %.1f MB after, %.1f MB before\n",
                threads, clock.elapsed() / 1000.0, double(std::clock() - cpu) / CLOCKS_PER_SEC,
                m_tables[threads]->value({}), m_tables[threads]->values().size() * sizeof(double) / 1048576.0,
                peakKilobytes() / 1024.0, before / 1024.0);
    std::fflush(stdout);
}

void BenchCoach::oneThreadAndTwoAgree()
{
    QVERIFY(m_tables[1] && m_tables[2]);
    QVERIFY(m_tables[1]->values() == m_tables[2]->values());
    std::printf("coach: the tables of one and two threads are the same to the last bit\n");
}

// After the first roll of a game: the most work a piece of advice takes.
void BenchCoach::advice()
{
    const coach::Table &table = *m_tables[2];
    const coach::NextValue values = [&table](const coach::State &s) { return table.value(s); };
    const coach::Position position{{}, 0, {3, 1, 6, 3, 5}, {}, 2};
    QBENCHMARK {
        QVERIFY(coach::adviseRegular(values, position).best());
    }
}

void BenchCoach::selfPlay()
{
    constexpr int Games = 1000;
    const coach::Table &table = *m_tables[2];
    const coach::NextValue values = [&table](const coach::State &s) { return table.value(s); };
    rng::setSeed(20261207);
    double sum = 0;
    double squares = 0;
    QElapsedTimer clock;
    clock.start();
    for (int game = 0; game < Games; ++game) {
        const double points = playOneGame(values);
        sum += points;
        squares += points * points;
    }
    const double mean = sum / Games;
    const double error = std::sqrt((squares / Games - mean * mean) / (Games - 1));
    const double expected = table.value({});
    std::printf("coach: %d games against itself in %.1f s: mean %.2f +- %.2f (standard error); "
                "the table expects %.4f, %.2f standard errors away\n",
                Games, clock.elapsed() / 1000.0, mean, error, expected, std::abs(mean - expected) / error);
    std::fflush(stdout);
    QVERIFY(std::abs(mean - expected) < 3 * error);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchCoach bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_coach.moc"
