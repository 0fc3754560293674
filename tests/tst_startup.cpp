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
    void splashWaitsUnderTheHourglassAndGoesForSure();
    void splashTicksSeedTheGeneratorBeforeTheDiceRoll();
};

// Whether it closes itself during the wait (its next tick made its 121st) or
// not, the wait is whole and the splash is gone once, the arrow back.
void TestStartup::splashWaitsUnderTheHourglassAndGoesForSure()
{
    for (const bool early : {false, true}) {
        FakePlatform fake;
        QStringList seen;
        Tw_splash::SplashTicks = 0; // not the count a splash before this one left
        QTimer watch; // looks once the splash ticks
        watch.callOnTimeout([&] {
            if (!w_splash || Tw_splash::SplashTicks < 1)
                return;
            watch.stop();
            QObject::connect(w_splash, &QObject::destroyed, [&] { seen << (QThread::currentThread()->loopLevel() > 0 ? "gone while waiting" : "gone after"); });
            seen << (QApplication::overrideCursor()->shape() == Qt::WaitCursor ? "hourglass" : "no hourglass");
            Tw_splash::SplashTicks = early ? 120 : 0;
        });
        watch.start(1);
        QElapsedTimer clock;
        clock.start();
        startup::showSplash(200);
        QVERIFY(clock.elapsed() >= 200);
        QTest::qWait(20); // nothing of the splash is left to run
        QCOMPARE(seen, QStringList({"hourglass", early ? "gone while waiting" : "gone after"}));
        QVERIFY(!QApplication::overrideCursor() && QApplication::quitOnLastWindowClosed());
    }
}

void TestStartup::splashTicksSeedTheGeneratorBeforeTheDiceRoll()
{
    FakePlatform fake;
    fake.clock.time = QTime(8, 30, 0, 250);
    rng::setSeed(0);
    startup::showSplash(100);
    const uint32_t afterSplash = rng::seed();
    rng::randomize(); // from that clock, then the three speeds of the tumbling
    for (int i = 0; i < 3; ++i)
        rng::random(5);
    QCOMPARE(afterSplash, rng::seed());
    QString faces, shown;
    for (int i = 0; i < 5; ++i)
        faces += QString::number(rng::random(6) + 1);
    rng::setSeed(afterSplash);
    const auto main = startup::createMainWindow();
    for (int i = 1; i <= 5; ++i)
        shown += QString::number(main->Dice[i]->Value());
    QCOMPARE(shown, faces);
}

QUINDLE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
