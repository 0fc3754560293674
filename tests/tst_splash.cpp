// SPDX-License-Identifier: MIT
// The splash and About window: where it shows, its tune, what its emblem's
// ticks do, and which clicks close it.
#include "FakePlatform.h"
#include "TestMain.h"
#include "app/splash.h"
#include "controls/TLightn.h"
#include "game/main.h"
#include "platform/Random.h"
#include "platform/Widgets.h"

#include <QFile>
#include <QAction>
#include <memory>

namespace {

// The speeds the rotation rule draws after seeding from `t`, and the seed after.
QString tumblingFrom(const QTime &t)
{
    rng::setSeed(uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec()));
    const int x = rng::random(5), y = rng::random(5), z = rng::random(5);
    return QStringLiteral("%1 %2 %3 seed %4").arg(x).arg(y).arg(z).arg(rng::seed());
}

QString tumbling(const Tw_splash &splash)
{
    const TLightningBolt *b = splash.LightningBolt1;
    return QStringLiteral("%1 %2 %3 seed %4").arg(b->Rotatex()).arg(b->Rotatey()).arg(b->Rotatez()).arg(rng::seed());
}

// A splash whose emblem ticks only when the test says so.
Tw_splash *stillSplash(bool about)
{
    auto *splash = new Tw_splash;
    splash->LightningBolt1->setRunning(false);
    about ? splash->FormAbout() : splash->FormSplash();
    return splash;
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void isABorderlessWindowOnTopCentredOnTheScreen();
    void startupTuneFollowsSoundsAndTheDevice_data();
    void startupTuneFollowsSoundsAndTheDevice();
    void tumblingChangesAtTheFirstTickAndEvery26th_data();
    void tumblingChangesAtTheFirstTickAndEvery26th();
    void splashClosesItselfAtTick121AndGoesLater();
    void aboutBoxDisablesTheMainWindowUntilItCloses_data();
    void aboutBoxDisablesTheMainWindowUntilItCloses();
};

void TestSplash::isABorderlessWindowOnTopCentredOnTheScreen()
{
    FakePlatform fake;
    fake.screen.screenSize = QSize(800, 600);
    const std::unique_ptr<Tw_splash> splash(stillSplash(false));
    QCOMPARE(splash->windowTitle(), QStringLiteral("Welcome to Tolmar Quindle"));
    QCOMPARE(splash->geometry(), QRect(250, 200, 300, 200));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    // A click on the start-up splash does nothing.
    QTest::mouseClick(splash->Image1, Qt::LeftButton, {}, QPoint(30, 150));
    QTest::mouseClick(splash->LightningBolt1, Qt::LeftButton, {}, QPoint(64, 64));
    QTest::qWait(1);
    QVERIFY(splash->isVisible());
}

void TestSplash::startupTuneFollowsSoundsAndTheDevice_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<bool>("device");
    QTest::addColumn<QString>("played");
    QTest::newRow("splash with Sounds on plays sound 1 once") << false << true << true << "1";
    QTest::newRow("splash with Sounds off is silent") << false << false << true << "";
    QTest::newRow("splash without a sound device is silent") << false << true << false << "";
    QTest::newRow("About box is silent") << true << true << true << "";
}

void TestSplash::startupTuneFollowsSoundsAndTheDevice()
{
    QFETCH(bool, about);
    QFETCH(bool, sounds);
    QFETCH(bool, device);
    QFETCH(QString, played);
    FakePlatform fake;
    fake.sound.device = device;
    QFile file(fake.settings.path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sounds ? "[Quindle]\nSounds=2\n" : "[Quindle]\nSounds=0\n");
    file.close();
    const std::unique_ptr<Tw_splash> splash(stillSplash(about));
    QCOMPARE(fake.sound.log.join(QLatin1Char(',')), played);
}

void TestSplash::tumblingChangesAtTheFirstTickAndEvery26th_data()
{
    QTest::addColumn<bool>("about");
    QTest::newRow("start-up splash") << false;
    QTest::newRow("About box") << true;
}

void TestSplash::tumblingChangesAtTheFirstTickAndEvery26th()
{
    QFETCH(bool, about);
    FakePlatform fake;
    const QTime first(13, 14, 15, 167), later(21, 59, 58, 999);
    const std::unique_ptr<Tw_splash> splash(stillSplash(about));
    const auto tick = [&] {
        about ? splash->LightningBoltAbout(splash->LightningBolt1)
              : splash->LightningBoltSplash(splash->LightningBolt1);
    };
    fake.clock.time = first;
    tick();
    const QString firstTumbling = tumbling(*splash);
    QCOMPARE(firstTumbling, tumblingFrom(first));
    fake.clock.time = later;
    rng::setSeed(7);
    for (int n = 2; n <= 26; ++n)
        tick();
    // Neither seeded nor drawn from, and the same speeds.
    QCOMPARE(tumbling(*splash), firstTumbling.section(QStringLiteral(" seed"), 0, 0) + " seed 7");
    tick();
    const QString laterTumbling = tumbling(*splash);
    QCOMPARE(laterTumbling, tumblingFrom(later));
}

void TestSplash::splashClosesItselfAtTick121AndGoesLater()
{
    FakePlatform fake;
    QPointer<Tw_splash> splash = stillSplash(false);
    for (int n = 1; n <= 120; ++n)
        splash->LightningBoltSplash(splash->LightningBolt1);
    QVERIFY(splash->isVisible());
    splash->LightningBoltSplash(splash->LightningBolt1);
    QVERIFY(!splash->isVisible());
    QVERIFY(splash); // not destroyed inside its own tick
    QVERIFY(QTest::qWaitFor([&] { return !splash; }));
}

void TestSplash::aboutBoxDisablesTheMainWindowUntilItCloses_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("a click on the picture") << "Image1";
    QTest::newRow("a click on the emblem") << "LightningBolt1";
    QTest::newRow("the window system") << "close";
    QTest::newRow("the main window destroyed first") << "destroy";
}

void TestSplash::aboutBoxDisablesTheMainWindowUntilItCloses()
{
    QFETCH(QString, closing);
    FakePlatform fake;
    auto main = std::make_unique<Tw_Quindle_Main>();
    main->show();
    main->About1->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(w_splash));
    QVERIFY(!main->isEnabled());
    if (closing == QLatin1String("close"))
        w_splash->close();
    else if (closing == QLatin1String("destroy"))
        main.reset();
    else
        QTest::mouseClick(w_splash->findChild<QWidget *>(closing), Qt::LeftButton, {}, QPoint(60, 60));
    QVERIFY(QTest::qWaitFor([&] { return !w_splash; }));
    QVERIFY(!main || main->isEnabled());
    QVERIFY(fake.sound.played().isEmpty());
}

QUINDLE_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
