// SPDX-License-Identifier: MIT
// The threaded timer: when it ticks, how writes pause its worker, and that
// nothing reaches the handler once ticks are withdrawn.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/ThdTimer.h"
#include "platform/Errors.h"
#include <QThread>
#include <sys/resource.h>

namespace {
// When the ticks come, in ms since the start.
struct Ticks {
    Ticks() { clock.start(); }
    double now() const { return double(clock.nsecsElapsed()) / 1e6; }
    TNotifyEvent handler() { return [this](QObject *) { at << now(); }; }
    bool waitFor(qsizetype count) { return QTest::qWaitFor([&] { return at.size() >= count; }); }
    QElapsedTimer clock;
    QList<double> at;
};
// A write as a table row names it: "Enabled 0", "Interval 15", "ThreadPriority 0"
// (tpIdle), "OnTimer none", or "OnTimer" with any number for the handler.
void write(TThreadedTimer &timer, const QString &what, const TNotifyEvent &handler)
{
    const int value = what.section(' ', 1).toInt();
    what.startsWith("Enabled")          ? timer.setEnabled(value != 0)
    : what.startsWith("Interval")       ? timer.setInterval(quint16(value))
    : what.startsWith("ThreadPriority") ? timer.setThreadPriority(TThreadPriority(value))
                                        : timer.setOnTimer(what.endsWith("none") ? nullptr : handler);
}
} // namespace

class TestThdTimer : public QObject {
    Q_OBJECT
private slots:
    void ticksComeEveryIntervalPlusTheHandlersTimeEvenAfterAFailure()
    {
        FakePlatform fake;
        fake.boxes.expect(QStringLiteral("The emblem is stuck."));
        Ticks ticks;
        TThreadedTimer timer;
        timer.setInterval(15), timer.setOnTimer([&](QObject *sender) {
            ticks.at << (sender == &timer ? ticks.now() : -1000); // the sender is the timer
            QThread::msleep(5);
            if (ticks.at.size() == 1) // reported, and the timer goes on
                throw QuindleError(QStringLiteral("The emblem is stuck"));
        });
        QVERIFY(ticks.waitFor(8));
        timer.setOnTimer(nullptr);
        QVERIFY(fake.boxes.pending().isEmpty());
        for (qsizetype i = 1; i < ticks.at.size(); ++i) // never sooner: no overlap, no queue
            QVERIFY2(ticks.at[i] - ticks.at[i - 1] >= 20 - 0.5, qPrintable(QString::number(i)));
    }
    // Interval 100, paused 30 ms into the sleep for 40 ms or past the deadline: the
    // tick comes when the sleep would have ended, or on the resume; not 100 ms after.
    void pauseKeepsTheDeadlineOfTheInterruptedSleep()
    {
        for (const int pausedFor : {40, 120}) {
            Ticks ticks;
            TThreadedTimer timer;
            timer.setInterval(100);
            timer.setEnabled(false);
            timer.setOnTimer(ticks.handler());
            ticks.clock.restart();
            timer.setEnabled(true);
            QTest::qWait(30);
            if (ticks.now() > 90)
                QSKIP("the machine is too busy to pause inside the sleep");
            timer.setEnabled(false);
            QTest::qWait(pausedFor);
            const double expected = std::max(100.0, ticks.now());
            timer.setEnabled(true);
            QVERIFY(ticks.waitFor(1));
            QVERIFY2(ticks.at.first() >= expected - 1 && ticks.at.first() < expected + 60,
                     qPrintable(QStringLiteral("%1 ms, not %2").arg(ticks.at.first()).arg(expected)));
        }
    }
    void writesWhileATickIsPending_data()
    {
        // A write (none: the timer is destroyed), the pauses it makes (each withdraws the pending tick),
        // whether the ticks stop until the property is set back.
        QTest::addColumn<QString>("write");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<bool>("stops");
        QTest::newRow("Enabled true again") << "Enabled 1" << 0 << false;
        QTest::newRow("Interval 5 again") << "Interval 5" << 0 << false;
        QTest::newRow("ThreadPriority tpNormal again") << "ThreadPriority 3" << 0 << false;
        QTest::newRow("Interval 6") << "Interval 6" << 1 << false;
        QTest::newRow("the same handler again") << "OnTimer" << 1 << false;
        QTest::newRow("ThreadPriority tpIdle, as the highest niceness") << "ThreadPriority 0" << 1 << false;
        QTest::newRow("Enabled false") << "Enabled 0" << 1 << true;
        QTest::newRow("handler cleared") << "OnTimer none" << 1 << true;
        QTest::newRow("Interval 0") << "Interval 0" << 1 << true;
        QTest::newRow("destroyed, joining a worker that waits for the GUI thread") << "" << 0 << true;
    }
    void writesWhileATickIsPending()
    {
        QFETCH(QString, write);
        QFETCH(int, pauses);
        QFETCH(bool, stops);
        Ticks ticks;
        auto timer = std::make_unique<TThreadedTimer>();
        timer->setInterval(5);
        timer->setOnTimer(ticks.handler());
        // No events processed: the worker hands a tick over and waits for it.
        while (timer->worker()->handOvers() == 0 && ticks.clock.elapsed() < 2000)
            QThread::usleep(200);
        const int before = timer->worker()->pauses();
        write.isEmpty() ? timer.reset() : ::write(*timer, write, ticks.handler());
        QTest::qWait(30);
        QCOMPARE(ticks.at.isEmpty(), stops);
        if (!timer)
            return;
        QCOMPARE(timer->worker()->pauses() - before, pauses);
        if (stops) // set back as it was
            ::write(*timer, write.section(' ', 0, 0) + " 5", ticks.handler());
        QVERIFY(ticks.waitFor(2));
        QVERIFY2(ticks.at[1] - ticks.at[0] >= 4.5, "two ticks at once: the withdrawn one was delivered too");
        QCOMPARE(timer->worker()->starts(), 1); // one worker, paused and resumed
        QCOMPARE(getpriority(PRIO_PROCESS, id_t(timer->worker()->systemId())), write == "ThreadPriority 0" ? 19 : getpriority(PRIO_PROCESS, 0));
    }
};

QUINDLE_TEST_MAIN(TestThdTimer)
#include "tst_ThdTimer.moc"
