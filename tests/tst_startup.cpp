// SPDX-License-Identifier: MIT
// Start-up: the splash and its wait under the hourglass, then the main
// window with dice rolled from the generator the splash seeded.
#include "FakePlatform.h"
#include "TestMain.h"
#include "app/splash.h"
#include "app/startup.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Random.h"

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void splashWaitsUnderTheHourglassThenTheDiceRoll();
};

// Whether the splash closes itself during the wait (its next tick made its
// 121st) or not, the wait is whole under the hourglass, the splash goes once
// and the arrow comes back. Its first tick seeded the generator from the clock
// and drew the three speeds of its tumbling: the dice are the next five draws.
void TestStartup::splashWaitsUnderTheHourglassThenTheDiceRoll()
{
    for (const bool early : {false, true}) {
        FakePlatform fake;
        fake.clock.time = QTime(8, 30, 0, 250);
        QStringList seen;
        Tw_splash::SplashTicks = 0; // not the count a splash before this one left
        QTimer watch; // looks once the splash ticks
        watch.callOnTimeout([&] {
            if (!w_splash || Tw_splash::SplashTicks < 1)
                return;
            watch.stop();
            QObject::connect(w_splash, &QObject::destroyed, [&] { seen << QString::number(QThread::currentThread()->loopLevel()); });
            seen << (QApplication::overrideCursor()->shape() == Qt::WaitCursor ? "hourglass" : "arrow");
            Tw_splash::SplashTicks = early ? 120 : 0;
        });
        watch.start(1);
        QElapsedTimer clock;
        clock.start();
        startup::showSplash(200);
        QVERIFY(clock.elapsed() >= 200);
        QTest::qWait(20); // nothing of the splash is left to run
        QCOMPARE(seen, QStringList({"hourglass", early ? "1" : "0"})); // gone inside the wait's loop, or after it
        QVERIFY(!QApplication::overrideCursor() && QApplication::quitOnLastWindowClosed());
        const auto main = startup::createMainWindow();
        QString shown, drawn;
        for (int i = 1; i <= 5; ++i)
            shown += QString::number(main->Dice[i]->Value());
        rng::randomize();
        for (int i = 0; i < 8; ++i)
            drawn += QString::number(i < 3 ? rng::random(5) : rng::random(6) + 1);
        QCOMPARE(shown, drawn.mid(3));
    }
}

QUINDLE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
