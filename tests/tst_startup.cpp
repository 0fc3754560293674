// SPDX-License-Identifier: MIT
// Start-up: the splash and its wait under the hourglass, then the main
// window with dice rolled from the generator the splash seeded.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "app/splash.h"
#include "app/startup.h"
#include "game/main.h"
#include "platform/Random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace {
constexpr int Wait = 300; // ms, standing in for the program's four seconds
}

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void mainWindowFollowsTheWaitWhetherOrNotTheSplashClosedItself_data();
    void mainWindowFollowsTheWaitWhetherOrNotTheSplashClosedItself();
    void splashTicksSeedTheGeneratorBeforeTheDiceRoll();
};

void TestStartup::mainWindowFollowsTheWaitWhetherOrNotTheSplashClosedItself_data()
{
    QTest::addColumn<bool>("early");
    QTest::newRow("splash open until the wait ends") << false;
    QTest::newRow("splash closed itself early") << true;
}

void TestStartup::mainWindowFollowsTheWaitWhetherOrNotTheSplashClosedItself()
{
    QFETCH(bool, early);
    FakePlatform fake;
    int destroyed = 0;
    bool destroyedDuringTheWait = false;
    bool hourglass = false;
    // Once the splash ticks, look at it; in the early case make its next tick its 121st.
    Tw_splash::SplashTicks = 0; // not the count a splash before this one left
    QTimer watch;
    watch.callOnTimeout([&] {
        if (!w_splash || Tw_splash::SplashTicks < 1)
            return;
        watch.stop();
        QObject::connect(w_splash, &QObject::destroyed, [&] {
            ++destroyed;
            destroyedDuringTheWait = QThread::currentThread()->loopLevel() > 0;
        });
        hourglass = QApplication::overrideCursor()
                    && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        if (early)
            Tw_splash::SplashTicks = 120;
    });
    watch.start(1);
    QElapsedTimer clock;
    clock.start();
    startup::showSplash(Wait);
    QVERIFY(clock.elapsed() >= Wait);
    QVERIFY(hourglass);
    QCOMPARE(destroyed, 1);
    QCOMPARE(destroyedDuringTheWait, early);
    QVERIFY(!w_splash);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QTest::qWait(20); // nothing of the splash is left to run
    QCOMPARE(destroyed, 1);
}

void TestStartup::splashTicksSeedTheGeneratorBeforeTheDiceRoll()
{
    FakePlatform fake;
    fake.clock.time = QTime(8, 30, 0, 250);
    rng::setSeed(0);
    startup::showSplash(100);
    const uint32_t afterSplash = rng::seed();
    rng::setSeed(((8 * 60 + 30) * 60) * 1000 + 250);
    for (int i = 0; i < 3; ++i)
        rng::random(5);
    QCOMPARE(afterSplash, rng::seed());
    QString faces;
    for (int i = 0; i < 5; ++i)
        faces += QString::number(rng::random(6) + 1);
    rng::setSeed(afterSplash);
    const auto main = startup::createMainWindow();
    QString shown;
    for (int i = 1; i <= 5; ++i)
        shown += QString::number(main->Dice[i]->Value());
    QCOMPARE(shown, faces);
}

QUINDLE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
