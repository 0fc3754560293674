// SPDX-License-Identifier: MIT
// The threaded timer: when it ticks, how writes pause and resume its worker,
// and that nothing reaches the handler once ticks are withdrawn.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/ThdTimer.h"
#include "platform/Errors.h"

#include <QElapsedTimer>
#include <QThread>
#include <memory>
#include <sys/resource.h>

namespace {

// Records the ticks a timer raises: when (ms since start) and from whom.
struct Ticks {
    Ticks() { clock.start(); }
    TNotifyEvent handler(int busyMs = 0)
    {
        return [this, busyMs](QObject *sender) {
            at << double(clock.nsecsElapsed()) / 1e6;
            senders << sender;
            if (busyMs > 0)
                QThread::msleep(ulong(busyMs));
        };
    }
    int count() const { return int(at.size()); }
    QElapsedTimer clock;
    QList<double> at;
    QList<QObject *> senders;
};

// Keeps the GUI thread from processing events until the worker has handed
// a tick over, so that the tick is pending when the test acts.
bool waitForPendingTick(const TThreadedTimer &timer)
{
    QElapsedTimer waited;
    waited.start();
    while (timer.worker()->handOvers() == 0 && waited.elapsed() < 2000)
        QThread::usleep(200);
    return timer.worker()->handOvers() > 0;
}

} // namespace

class TestThdTimer : public QObject {
    Q_OBJECT
private slots:
    void withoutAHandlerItNeverTicks();
    void ticksComeEveryIntervalPlusTheHandlersTime();
    void intervalZeroStopsAndNonZeroRestarts();
    void pauseKeepsTheDeadlineOfTheInterruptedSleep_data();
    void pauseKeepsTheDeadlineOfTheInterruptedSleep();
    void disablingAndEnablingResumesTheSameWorker();
    void onlyAChangeOrAHandlerWritePausesTheWorker_data();
    void onlyAChangeOrAHandlerWritePausesTheWorker();
    void aTickHandedOverIsWithdrawnByStopping_data();
    void aTickHandedOverIsWithdrawnByStopping();
    void aHandlerMayDestroyItsOwnTimer();
    void aFailingHandlerIsReportedAndTheTimerGoesOn();
    void priorityLowersTheWorkersNiceness();
};

void TestThdTimer::withoutAHandlerItNeverTicks()
{
    TThreadedTimer timer;
    timer.setInterval(5);
    timer.setEnabled(false);
    timer.setEnabled(true);
    QTest::qWait(40);
    QCOMPARE(timer.worker()->handOvers(), 0u);
    QCOMPARE(timer.worker()->starts(), 0);
}

void TestThdTimer::ticksComeEveryIntervalPlusTheHandlersTime()
{
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(15);
    timer.setOnTimer(ticks.handler(5));
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 8; }, 3000));
    timer.setOnTimer(nullptr);
    QVERIFY(ticks.at.first() >= 15 - 0.5);
    double sum = 0;
    for (int i = 1; i < ticks.count(); ++i) {
        const double gap = ticks.at[i] - ticks.at[i - 1];
        // The next sleep starts only once the handler is done: never sooner.
        QVERIFY2(gap >= 20 - 0.5, qPrintable(QString::number(gap)));
        sum += gap;
    }
    // Far from the default 1000 ms, with room for a busy machine.
    const double mean = sum / (ticks.count() - 1);
    QVERIFY2(mean < 20 + 60, qPrintable(QString::number(mean)));
    for (QObject *sender : ticks.senders)
        QCOMPARE(sender, &timer);
}

void TestThdTimer::intervalZeroStopsAndNonZeroRestarts()
{
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(5);
    timer.setOnTimer(ticks.handler());
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 2; }));
    timer.setInterval(0);
    const int stopped = ticks.count();
    QTest::qWait(40);
    QCOMPARE(ticks.count(), stopped);
    timer.setInterval(5);
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= stopped + 2; }));
}

void TestThdTimer::pauseKeepsTheDeadlineOfTheInterruptedSleep_data()
{
    QTest::addColumn<int>("pausedFor");
    // Interval 100, paused about 30 ms into the sleep. Restarting the sleep
    // on the resume would tick 100 ms after it instead.
    QTest::newRow("paused 40 ms: the tick comes when the sleep would have ended") << 40;
    QTest::newRow("paused past the deadline: the tick comes on the resume") << 120;
}

void TestThdTimer::pauseKeepsTheDeadlineOfTheInterruptedSleep()
{
    QFETCH(int, pausedFor);
    constexpr double Interval = 100;
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(quint16(Interval));
    timer.setEnabled(false);
    timer.setOnTimer(ticks.handler());
    const auto now = [&] { return double(ticks.clock.nsecsElapsed()) / 1e6; };
    ticks.clock.restart();
    timer.setEnabled(true);
    QTest::qWait(30);
    const double pausedAt = now();
    timer.setEnabled(false);
    if (pausedAt > Interval - 10)
        QSKIP("the machine is too busy to pause inside the sleep");
    QTest::qWait(pausedFor);
    QCOMPARE(ticks.count(), 0);
    const double resumedAt = now();
    timer.setEnabled(true);
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 1; }));
    timer.setEnabled(false);
    const double expected = std::max(Interval, resumedAt);
    QVERIFY2(ticks.at.first() >= expected - 1 && ticks.at.first() < expected + 60,
             qPrintable(QStringLiteral("tick at %1 ms, expected at %2").arg(ticks.at.first()).arg(expected)));
}

void TestThdTimer::disablingAndEnablingResumesTheSameWorker()
{
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(5);
    timer.setOnTimer(ticks.handler());
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 1; }));
    TTimerThread *worker = timer.worker();
    const int thread = worker->systemId();
    timer.setEnabled(false);
    const int stopped = ticks.count();
    QTest::qWait(30);
    QCOMPARE(ticks.count(), stopped);
    timer.setEnabled(true);
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= stopped + 2; }));
    QCOMPARE(timer.worker(), worker);
    QCOMPARE(worker->starts(), 1);
    QCOMPARE(worker->systemId(), thread);
}

void TestThdTimer::onlyAChangeOrAHandlerWritePausesTheWorker_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("pauses");
    QTest::newRow("Enabled true again") << "enabled" << 0;
    QTest::newRow("Interval 15 again") << "interval" << 0;
    QTest::newRow("ThreadPriority tpNormal again") << "priority" << 0;
    QTest::newRow("the same handler again") << "handler" << 1;
    QTest::newRow("Interval 16") << "interval 16" << 1;
}

void TestThdTimer::onlyAChangeOrAHandlerWritePausesTheWorker()
{
    QFETCH(QString, write);
    QFETCH(int, pauses);
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(15);
    const TNotifyEvent handler = ticks.handler();
    timer.setOnTimer(handler);
    const int before = timer.worker()->pauses();
    if (write == QLatin1String("enabled"))
        timer.setEnabled(true);
    else if (write == QLatin1String("interval"))
        timer.setInterval(15);
    else if (write == QLatin1String("interval 16"))
        timer.setInterval(16);
    else if (write == QLatin1String("priority"))
        timer.setThreadPriority(TThreadPriority::tpNormal);
    else
        timer.setOnTimer(handler);
    QCOMPARE(timer.worker()->pauses() - before, pauses);
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 1; })); // and it still runs
}

void TestThdTimer::aTickHandedOverIsWithdrawnByStopping_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("left alone, the pending tick runs") << "none" << true;
    QTest::newRow("Enabled false") << "disable" << false;
    QTest::newRow("handler cleared") << "clear" << false;
    QTest::newRow("Interval 0") << "interval" << false;
    QTest::newRow("timer destroyed") << "destroy" << false;
}

void TestThdTimer::aTickHandedOverIsWithdrawnByStopping()
{
    QFETCH(QString, action);
    QFETCH(bool, ticks);
    Ticks log;
    auto timer = std::make_unique<TThreadedTimer>();
    timer->setInterval(5);
    timer->setOnTimer(log.handler());
    QVERIFY(waitForPendingTick(*timer));
    if (action == QLatin1String("disable"))
        timer->setEnabled(false);
    else if (action == QLatin1String("clear"))
        timer->setOnTimer(nullptr);
    else if (action == QLatin1String("interval"))
        timer->setInterval(0);
    else if (action == QLatin1String("destroy"))
        timer.reset(); // joins a worker that waits for this very thread
    QTest::qWait(30);
    QCOMPARE(log.count() > 0, ticks);
}

void TestThdTimer::aHandlerMayDestroyItsOwnTimer()
{
    int count = 0;
    auto timer = std::make_unique<TThreadedTimer>();
    timer->setInterval(5);
    timer->setOnTimer([&](QObject *) {
        ++count;
        timer.reset();
    });
    QVERIFY(QTest::qWaitFor([&] { return !timer; }));
    QTest::qWait(20);
    QCOMPARE(count, 1);
}

void TestThdTimer::aFailingHandlerIsReportedAndTheTimerGoesOn()
{
    FakePlatform fake;
    int count = 0;
    TThreadedTimer timer;
    timer.setInterval(5);
    timer.setOnTimer([&](QObject *) {
        if (++count == 1)
            throw QuindleError(QStringLiteral("The emblem is stuck"));
    });
    QVERIFY(QTest::qWaitFor([&] { return count >= 3; }));
    timer.setEnabled(false);
    QCOMPARE(fake.boxes.texts(), QStringList{"The emblem is stuck."});
    QCOMPARE(fake.boxes.shown.first().icon, platform::BoxIcon::Error);
}

void TestThdTimer::priorityLowersTheWorkersNiceness()
{
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(5);
    timer.setThreadPriority(TThreadPriority::tpLower); // before the thread exists
    timer.setOnTimer(ticks.handler());
    QVERIFY(QTest::qWaitFor([&] { return ticks.count() >= 1; }));
    const id_t thread = id_t(timer.worker()->systemId());
    QCOMPARE(getpriority(PRIO_PROCESS, thread), 2);
    timer.setThreadPriority(TThreadPriority::tpIdle); // while it runs
    QCOMPARE(getpriority(PRIO_PROCESS, thread), 19);
}

QUINDLE_TEST_MAIN(TestThdTimer)
#include "tst_ThdTimer.moc"
