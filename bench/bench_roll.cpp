// SPDX-License-Identifier: MIT
// What one tick of the roll animation costs: the frame handler, which rolls
// the free dice and repaints them at once, plus the cup's deferred repaint.
// The tick comes every 20 ms, so a step must stay well inside that.
#include "FakePlatform.h"
#include "PaintCounter.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Application.h"
#include "platform/Random.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtTest>
#include <cstdio>
#include <memory>

namespace {
constexpr int Period = 20; // ms between two ticks of the cup

} // namespace

class BenchRoll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void animationStep_data();
    void animationStep();
    void reportAgainstThePeriod();

private:
    void holdDice(bool all);
    void oneStep();
    // Neither reads options left by a run of the game nor writes any.
    FakeSettingsFile m_settings;
    std::unique_ptr<Tw_Quindle_Main> m_main;
    PaintCounter m_cupPaints;
    PaintCounter m_diePaints;
};

void BenchRoll::initTestCase()
{
    rng::setSeed(1);
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_main->QuickStart(1, false, false);
    // Silent, and stepped by hand rather than by the timer.
    if (m_main->Sound1->isChecked())
        m_main->Sound1Click();
    m_main->a_roll->setInterval(0);
    m_main->a_roll->installEventFilter(&m_cupPaints);
    m_main->Dice[5]->installEventFilter(&m_diePaints);
    // Held down, the cup rocks without end, rolling the dice at every step.
    m_main->pressRoll();
    QVERIFY(m_main->a_roll->Play());
}

void BenchRoll::cleanupTestCase()
{
    m_main->releaseRoll();
    m_main.reset();
}

void BenchRoll::holdDice(bool all)
{
    for (int i = 1; i <= 5; ++i)
        m_main->Dice[i]->setSelected(all);
}

void BenchRoll::oneStep()
{
    m_main->a_roll->step();
    QCoreApplication::processEvents();
}

void BenchRoll::animationStep_data()
{
    QTest::addColumn<bool>("allHeld");
    QTest::newRow("five free dice rolled and repainted with the cup") << false;
    QTest::newRow("all dice held: only the cup repainted") << true;
}

void BenchRoll::animationStep()
{
    QFETCH(bool, allHeld);
    holdDice(allHeld);
    QBENCHMARK {
        oneStep();
    }
    holdDice(false);
}

void BenchRoll::reportAgainstThePeriod()
{
    constexpr int Steps = 2000;
    for (int i = 0; i < 50; ++i)
        oneStep();
    m_cupPaints.paints = m_diePaints.paints = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Steps; ++i)
        oneStep();
    const double perStep = double(clock.nsecsElapsed()) / 1e6 / Steps;
    std::printf("roll animation: one step (handler + paint of five dice and the cup) "
                "%.3f ms, %.1f%% of the %d ms period; per step %.2f cup and %.2f die paints\n",
                perStep, 100.0 * perStep / Period, Period, double(m_cupPaints.paints) / Steps,
                double(m_diePaints.paints) / Steps);
    std::fflush(stdout);
    QVERIFY(perStep < Period);
}

int main(int argc, char **argv)
{
    QuindleApplication app(argc, argv);
    BenchRoll bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_roll.moc"
