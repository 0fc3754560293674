// SPDX-License-Identifier: MIT
// The threaded timer: when it ticks, how writes pause its worker, and that
// nothing reaches the handler once ticks are withdrawn.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/ThdTimer.h"
#include "platform/Errors.h"

#include <QElapsedTimer>
#include <QThread>
#include <memory>

namespace {

// Records when (ms since start) and from whom the ticks come.
struct Ticks {
    Ticks() { clock.start(); }
    TNotifyEvent handler(int busyMs = 0)
    {
        return [this, busyMs](QObject *sender) {
            at << double(clock.nsecsElapsed()) / 1e6;
            senders << sender;
            QThread::msleep(ulong(busyMs));
        };
    }
    bool waitFor(int count) { return QTest::qWaitFor([&] { return at.size() >= count; }); }
    QElapsedTimer clock;
    QList<double> at;
    QList<QObject *> senders;
};

} // namespace

class TestThdTimer : public QObject {
    Q_OBJECT
private slots:
    void ticksComeEveryIntervalPlusTheHandlersTime();
    void pauseKeepsTheDeadlineOfTheInterruptedSleep_data();
    void pauseKeepsTheDeadlineOfTheInterruptedSleep();
    void stoppingWithdrawsAPendingTickAndRestartingResumesTheSameWorker_data();
    void stoppingWithdrawsAPendingTickAndRestartingResumesTheSameWorker();
    void onlyAChangeOrAHandlerWritePausesTheWorker_data();
    void onlyAChangeOrAHandlerWritePausesTheWorker();
    void aFailingHandlerIsReportedAndTheTimerGoesOn();
};

void TestThdTimer::ticksComeEveryIntervalPlusTheHandlersTime()
{
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(15);
    timer.setOnTimer(ticks.handler(5));
    QVERIFY(ticks.waitFor(8));
    timer.setOnTimer(nullptr);
    for (qsizetype i = 1; i < ticks.at.size(); ++i) // never sooner: no overlap, no queue
        QVERIFY2(ticks.at[i] - ticks.at[i - 1] >= 20 - 0.5, qPrintable(QString::number(i)));
    // Far from the default 1000 ms, with room for a busy machine.
    const double mean = (ticks.at.last() - ticks.at.first()) / double(ticks.at.size() - 1);
    QVERIFY2(mean < 20 + 60, qPrintable(QString::number(mean)));
    QVERIFY(ticks.senders.count(&timer) == ticks.senders.size());
}

void TestThdTimer::pauseKeepsTheDeadlineOfTheInterruptedSleep_data()
{
    QTest::addColumn<int>("pausedFor");
    // Interval 100, paused 30 ms into the sleep. Restarting the sleep on the
    // resume would tick 100 ms after it instead.
    QTest::newRow("paused 40 ms: the tick comes when the sleep would have ended") << 40;
    QTest::newRow("paused past the deadline: the tick comes on the resume") << 120;
}

void TestThdTimer::pauseKeepsTheDeadlineOfTheInterruptedSleep()
{
    QFETCH(int, pausedFor);
    Ticks ticks;
    TThreadedTimer timer;
    timer.setInterval(100);
    timer.setEnabled(false);
    timer.setOnTimer(ticks.handler());
    const auto now = [&] { return double(ticks.clock.nsecsElapsed()) / 1e6; };
    ticks.clock.restart();
    timer.setEnabled(true);
    QTest::qWait(30);
    if (now() > 90)
        QSKIP("the machine is too busy to pause inside the sleep");
    timer.setEnabled(false);
    QTest::qWait(pausedFor);
    QVERIFY(ticks.at.isEmpty());
    const double expected = std::max(100.0, now());
    timer.setEnabled(true);
    QVERIFY(ticks.waitFor(1));
    QVERIFY2(ticks.at.first() >= expected - 1 && ticks.at.first() < expected + 60,
             qPrintable(QStringLiteral("%1 ms, not %2").arg(ticks.at.first()).arg(expected)));
}

void TestThdTimer::stoppingWithdrawsAPendingTickAndRestartingResumesTheSameWorker_data()
{
    QTest::addColumn<QString>("stop");
    QTest::newRow("left alone, the pending tick runs") << "";
    QTest::newRow("Enabled false, then true") << "enabled";
    QTest::newRow("handler cleared, then attached") << "handler";
    QTest::newRow("Interval 0, then 5") << "interval";
    QTest::newRow("destroyed, joining a worker that waits for the GUI thread") << "destroy";
}

void TestThdTimer::stoppingWithdrawsAPendingTickAndRestartingResumesTheSameWorker()
{
    QFETCH(QString, stop);
    Ticks ticks;
    auto timer = std::make_unique<TThreadedTimer>();
    timer->setInterval(5);
    timer->setOnTimer(ticks.handler());
    // No events processed: the worker hands a tick over and waits for it.
    while (timer->worker()->handOvers() == 0 && ticks.clock.elapsed() < 2000)
        QThread::usleep(200);
    const auto restart = [&](bool on) {
        if (stop == QLatin1String("enabled"))
            timer->setEnabled(on);
        else if (stop == QLatin1String("handler"))
            timer->setOnTimer(on ? ticks.handler() : nullptr);
        else if (stop == QLatin1String("interval"))
            timer->setInterval(on ? 5 : 0);
    };
    restart(false);
    if (stop == QLatin1String("destroy"))
        timer.reset();
    QTest::qWait(30);
    QCOMPARE(ticks.at.isEmpty(), !stop.isEmpty());
    if (!timer)
        return;
    TTimerThread *worker = timer->worker();
    restart(true);
    QVERIFY(ticks.waitFor(2));
    QCOMPARE(timer->worker(), worker);
    QCOMPARE(worker->starts(), 1);
}

void TestThdTimer::onlyAChangeOrAHandlerWritePausesTheWorker_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("pauses");
    QTest::newRow("Enabled true again") << "enabled" << 0;
    QTest::newRow("Interval 15 again") << "interval" << 0;
    QTest::newRow("ThreadPriority tpNormal again") << "priority" << 0;
    QTest::newRow("Interval 16") << "interval 16" << 1;
    QTest::newRow("the same handler again") << "handler" << 1;
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
    else if (write.startsWith(QLatin1String("interval")))
        timer.setInterval(write.endsWith(QLatin1String("16")) ? 16 : 15);
    else if (write == QLatin1String("priority"))
        timer.setThreadPriority(TThreadPriority::tpNormal);
    else
        timer.setOnTimer(handler);
    QCOMPARE(timer.worker()->pauses() - before, pauses);
    QVERIFY(ticks.waitFor(1)); // and it still runs
}

void TestThdTimer::aFailingHandlerIsReportedAndTheTimerGoesOn()
{
    FakePlatform fake;
    fake.boxes.expect(QStringLiteral("The emblem is stuck."));
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
}

QUINDLE_TEST_MAIN(TestThdTimer)
#include "tst_ThdTimer.moc"
