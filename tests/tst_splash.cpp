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

#include <QAction>
#include <memory>

namespace {

uint32_t seedOf(const QTime &t)
{
    return uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

// The three speeds the rotation rule draws after seeding from `t`.
QList<int> speedsFrom(const QTime &t)
{
    rng::setSeed(seedOf(t));
    const int x = rng::random(5);
    const int y = rng::random(5);
    return {x, y, rng::random(5)};
}

QList<int> speeds(const Tw_splash &splash)
{
    const TLightningBolt *bolt = splash.LightningBolt1;
    return {bolt->Rotatex(), bolt->Rotatey(), bolt->Rotatez()};
}

// A splash whose emblem ticks only when the test says so.
std::unique_ptr<Tw_splash> stillSplash(bool about)
{
    auto splash = std::make_unique<Tw_splash>();
    splash->LightningBolt1->setRunning(false);
    if (about)
        splash->FormAbout();
    else
        splash->FormSplash();
    return splash;
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { overrideSplashSoundsSetting(std::nullopt); }
    void isABorderlessWindowOnTopCentredOnTheScreen();
    void startupTuneFollowsSoundsAndTheDevice_data();
    void startupTuneFollowsSoundsAndTheDevice();
    void tumblingChangesAtTheFirstTickAndEvery26th_data();
    void tumblingChangesAtTheFirstTickAndEvery26th();
    void splashClosesItselfAtTick121AndGoesLater();
    void aClickClosesTheAboutBoxOnly_data();
    void aClickClosesTheAboutBoxOnly();
    void aboutCommandDisablesTheMainWindowWhileTheBoxIsOpen_data();
    void aboutCommandDisablesTheMainWindowWhileTheBoxIsOpen();
};

void TestSplash::isABorderlessWindowOnTopCentredOnTheScreen()
{
    FakePlatform fake;
    fake.screen.screenSize = QSize(800, 600);
    Tw_splash splash;
    QCOMPARE(splash.windowTitle(), QStringLiteral("Welcome to Tolmar Quindle"));
    QCOMPARE(splash.geometry(), QRect(250, 200, 300, 200));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash.LightningBolt1->geometry(), QRect(168, 1, 129, 128));
    QVERIFY(splash.LightningBolt1->Transparent);
    QVERIFY(splash.LightningBolt1->Running());
    // The picture's right half at the top is free for the emblem to tumble in.
    QCOMPARE(splash.Image1->picture().size(), QSize(300, 200));
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
    overrideSplashSoundsSetting(sounds);
    const auto splash = stillSplash(about);
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
    const auto splash = stillSplash(about);
    TLightningBolt *bolt = splash->LightningBolt1;
    const auto tick = [&] {
        if (about)
            splash->LightningBoltAbout(bolt);
        else
            splash->LightningBoltSplash(bolt);
    };
    fake.clock.time = first;
    tick();
    const uint32_t seeded = rng::seed();
    QCOMPARE(speeds(*splash), speedsFrom(first));
    QCOMPARE(seeded, rng::seed()); // speedsFrom drew the same three numbers
    fake.clock.time = later;
    rng::setSeed(7);
    for (int n = 2; n <= 26; ++n)
        tick();
    QCOMPARE(rng::seed(), 7u); // neither seeded nor drawn from
    QCOMPARE(speeds(*splash), speedsFrom(first));
    rng::setSeed(7);
    tick();
    const uint32_t reseeded = rng::seed();
    QCOMPARE(speeds(*splash), speedsFrom(later));
    QCOMPARE(reseeded, rng::seed());
    QVERIFY(splash->isVisible());
}

void TestSplash::splashClosesItselfAtTick121AndGoesLater()
{
    FakePlatform fake;
    QPointer<Tw_splash> splash = stillSplash(false).release();
    for (int n = 1; n <= 120; ++n)
        splash->LightningBoltSplash(splash->LightningBolt1);
    QVERIFY(splash->isVisible());
    splash->LightningBoltSplash(splash->LightningBolt1);
    QVERIFY(!splash->isVisible());
    QVERIFY(splash); // not inside its own tick
    QVERIFY(QTest::qWaitFor([&] { return !splash; }));
}

void TestSplash::aClickClosesTheAboutBoxOnly_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("target");
    QTest::newRow("splash: the picture") << false << "Image1";
    QTest::newRow("splash: the emblem") << false << "LightningBolt1";
    QTest::newRow("About: the picture") << true << "Image1";
    QTest::newRow("About: the emblem") << true << "LightningBolt1";
}

void TestSplash::aClickClosesTheAboutBoxOnly()
{
    QFETCH(bool, about);
    QFETCH(QString, target);
    FakePlatform fake;
    QWidget owner;
    owner.show();
    QPointer<Tw_splash> splash = about ? Tw_splash::showAbout(&owner) : stillSplash(false).release();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(owner.isEnabled(), !about);
    QTest::mouseClick(splash->findChild<QWidget *>(target), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::qWait(1);
    QCOMPARE(!splash, about);
    QVERIFY(owner.isEnabled());
    delete splash;
}

void TestSplash::aboutCommandDisablesTheMainWindowWhileTheBoxIsOpen_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("closed by a click") << "click";
    QTest::newRow("closed by the window system") << "close";
    QTest::newRow("main window destroyed first") << "destroy";
}

void TestSplash::aboutCommandDisablesTheMainWindowWhileTheBoxIsOpen()
{
    QFETCH(QString, closing);
    FakePlatform fake;
    auto main = std::make_unique<Tw_Quindle_Main>();
    main->show();
    main->About1->trigger();
    QVERIFY(w_splash && w_splash->isVisible());
    QVERIFY(Tw_splash::AboutMode);
    QVERIFY(!main->isEnabled());
    if (closing == QLatin1String("click"))
        QTest::mouseClick(w_splash->Image1, Qt::LeftButton, {}, QPoint(100, 150));
    else if (closing == QLatin1String("close"))
        w_splash->close();
    else
        main.reset();
    QVERIFY(QTest::qWaitFor([&] { return !w_splash; }));
    if (main)
        QVERIFY(main->isEnabled());
    QVERIFY(fake.sound.played().isEmpty());
}

QUINDLE_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
