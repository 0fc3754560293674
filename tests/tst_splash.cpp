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

namespace {
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
    // Centred on the screen, on top, borderless. The start-up splash plays sound 1
    // once if Sounds is on and there is a device, and a click on it does nothing;
    // the About box is silent and a click closes it.
    void showsCentredOnTopWithItsTune()
    {
        QStringList seen;
        for (const auto &[about, sounds, device] : {std::tuple{false, "2", true}, {false, "0", true}, {false, "1", false}, {true, "1", true}}) {
            FakePlatform fake;
            fake.screen.screenSize = QSize(800, 600);
            fake.sound.device = device;
            QFile file(fake.settings.path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("[Quindle]\nSounds=") + sounds) && file.flush());
            const QPointer<Tw_splash> splash = stillSplash(about);
            QCOMPARE(splash->geometry(), QRect(250, 200, 300, 200));
            QVERIFY(splash->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
            QTest::mouseClick(splash->Image1, Qt::LeftButton, {}, QPoint(30, 150));
            QTest::qWait(1);
            seen << fake.sound.log.join(',') + (splash ? " open" : " closed");
            delete splash.data();
        }
        QCOMPARE(seen, QStringList({"1 open", " open", " open", " closed"}));
    }
    // The speeds are drawn after seeding from the clock, at the first tick and then
    // at every 26th; the start-up splash closes itself at its 121st and goes later.
    void tumblingChangesAtTheFirstTickAndEvery26th()
    {
        for (const bool about : {false, true}) {
            FakePlatform fake;
            const auto drawnAt = [&](QTime time) {
                fake.clock.time = time;
                rng::randomize();
                const int x = rng::random(5), y = rng::random(5), z = rng::random(5);
                return QStringLiteral("%1 %2 %3 seed %4").arg(x).arg(y).arg(z).arg(rng::seed());
            };
            const QString first = drawnAt(QTime(13, 14, 15, 167)), later = drawnAt(QTime(21, 59, 58, 999));
            QPointer<Tw_splash> splash = stillSplash(about);
            QStringList seen;
            for (int tick = 1; tick <= 121; ++tick) {
                fake.clock.time = tick < 27 ? QTime(13, 14, 15, 167) : QTime(21, 59, 58, 999);
                if (tick == 2)
                    rng::setSeed(7); // neither seeded nor drawn from until the 27th
                about ? splash->LightningBoltAbout(splash->LightningBolt1) : splash->LightningBoltSplash(splash->LightningBolt1);
                const TLightningBolt *b = splash->LightningBolt1;
                if (tick == 1 || tick == 26 || tick == 27)
                    seen << QStringLiteral("%1 %2 %3 seed %4").arg(b->Rotatex()).arg(b->Rotatey()).arg(b->Rotatez()).arg(rng::seed());
                QCOMPARE(splash->isVisible(), about || tick < 121);
            }
            QCOMPARE(seen, QStringList({first, first.section(" seed", 0, 0) + " seed 7", later}));
            QVERIFY(splash); // not destroyed inside its own tick
            if (about)
                delete splash.data();
            QVERIFY(QTest::qWaitFor([&] { return !splash; }));
        }
    }
    // However the About box goes: a click on the picture or the emblem, the window
    // system, or the main window destroyed first.
    void aboutBoxDisablesTheMainWindowUntilItCloses()
    {
        for (const QString closing : {"Image1", "LightningBolt1", "close", "destroy"}) {
            FakePlatform fake;
            Tw_Quindle_Main::SetAboutBox([](QWidget *mainWindow) { Tw_splash::showAbout(mainWindow); });
            auto main = std::make_unique<Tw_Quindle_Main>();
            main->show();
            main->About1->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(w_splash) && !main->isEnabled());
            if (closing == "close")
                w_splash->close();
            else if (closing == "destroy")
                main.reset();
            else
                QTest::mouseClick(w_splash->findChild<QWidget *>(closing), Qt::LeftButton, {}, QPoint(60, 60));
            QVERIFY2(QTest::qWaitFor([&] { return !w_splash; }) && (!main || main->isEnabled()), qPrintable(closing));
            QVERIFY(fake.sound.played().isEmpty());
        }
    }
};

QUINDLE_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
