// SPDX-License-Identifier: MIT
// The main window as it opens: caption, menus, status bar, tray, and the
// program-wide generator and start-up checks.
#include "FakePlatform.h"
#include "TestMain.h"
#include "app/startup.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Errors.h"
#include "platform/Random.h"
#include "platform/Widgets.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

class TestMain : public QObject {
    Q_OBJECT
private slots:
    void menuItemsHaveTheirCaptionsShortcutsAndStates_data();
    void menuItemsHaveTheirCaptionsShortcutsAndStates();
    void menusAreInOrder();
    void windowHasCaptionColoursAndStatusPanels();
    void freshWindowHasNoGame();
    void soundItemIsDisabledWithoutAnOutputDevice();
    void soundAndAnimationItemsToggle();
    void generatorFollowsTheFormula_data();
    void generatorFollowsTheFormula();
    void generatorIsSeededFromTheTimeOfDay();
    void lowColourDepthWarnsOnce_data();
    void lowColourDepthWarnsOnce();
    void unexpectedErrorsReachTheErrorBox();
};

void TestMain::menuItemsHaveTheirCaptionsShortcutsAndStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");

    QTest::newRow("New Game opens with Ctrl+N") << "New1" << "&New Game..." << "Ctrl+N" << true << false;
    QTest::newRow("Open Game with Ctrl+O") << "LoadGame1" << "&Open Game" << "Ctrl+O" << true << false;
    QTest::newRow("Quick Start 1 Player") << "NewRegular1Player1" << "Quick Start &1 Player" << "" << true << false;
    QTest::newRow("Quick Start 2 Player") << "Quick2Player1" << "Quick Start &2 Player" << "" << true << false;
    QTest::newRow("Save Game waits for a game") << "SaveGame1" << "&Save Game" << "Ctrl+S" << false << false;
    QTest::newRow("Print Scorecard waits for a game") << "PrintScorecard1" << "&Print Scorecard" << "" << false << false;
    QTest::newRow("Exit") << "EXit1" << "E&xit" << "" << true << false;
    QTest::newRow("Undo starts disabled") << "Undo1" << "&Undo" << "Ctrl+Z" << false << false;
    QTest::newRow("Reverse Selection with Ctrl+R") << "N3" << "&Reverse Selection" << "Ctrl+R" << true << false;
    QTest::newRow("Sound starts checked") << "Sound1" << "&Sound" << "" << true << true;
    QTest::newRow("Animation starts checked") << "Animation1" << "&Animation" << "" << true << true;
    QTest::newRow("Cascade with Shift+F5") << "Cascade1" << "&Cascade" << "Shift+F5" << true << false;
    QTest::newRow("Tile with Shift+F4") << "Tile1" << "&Tile" << "Shift+F4" << true << false;
    QTest::newRow("About") << "About1" << "&About" << "" << true << false;
}

void TestMain::menuItemsHaveTheirCaptionsShortcutsAndStates()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    FakePlatform fake;
    Tw_Quindle_Main main;
    auto *action = main.findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isChecked(), checked);
}

void TestMain::menusAreInOrder()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    QStringList titles;
    for (QAction *menu : main.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&Game", "&Options", "&Window", "&Help"}));
    QStringList game;
    for (QAction *item : main.Game1->actions())
        game << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(game, QStringList({"New1", "LoadGame1", "-", "NewRegular1Player1", "Quick2Player1",
                                "-", "SaveGame1", "PrintScorecard1", "-", "EXit1"}));
    QStringList options;
    for (QAction *item : main.Options1->actions())
        options << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(options, QStringList({"Undo1", "-", "N3", "-", "Sound1", "Animation1"}));
}

void TestMain::windowHasCaptionColoursAndStatusPanels()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.windowTitle(), QStringLiteral("Tolmar Quindle"));
    QCOMPARE(main.p_display->height(), 50);
    QCOMPARE(main.p_display->mapTo(&main, QPoint(0, 0)).y(), main.menuBar()->height());
    QCOMPARE(main.ClientArea->mapTo(&main, QPoint(0, 0)).y(), main.menuBar()->height() + 50);
    QCOMPARE(main.p_display->palette().color(QPalette::Window), QColor(128, 255, 128));
    QCOMPARE(main.ClientArea->background().color(), QColor(0, 128, 0));
    QCOMPARE(main.statusBar()->objectName(), QStringLiteral("StatusBar1"));
    QCOMPARE(main.statusBar()->height(), 19);
    QCOMPARE(main.StatusPanels[0]->width(), 75);
    QCOMPARE(main.StatusPanels[1]->width(), 125);
    QVERIFY(main.StatusPanels[2]->width() >= 50); // the last panel stretches
    // The tray's green reaches right up to the roll control's blend.
    const QImage tray = main.p_display->grab().toImage();
    QCOMPARE(tray.pixelColor(260, 40), QColor(128, 255, 128));
}

void TestMain::freshWindowHasNoGame()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    QVERIFY(main.NoGame);
    QVERIFY(!main.CanScore);
    QCOMPARE(main.Players, 0);
    QCOMPARE(main.CurrentPlayer, 1);
    QCOMPARE(main.RollsLeft(), -1);
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(!main.Dice[i]->isEnabled());
        QVERIFY(main.Dice[i]->Value() >= 1 && main.Dice[i]->Value() <= 6);
    }
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!main.Cards[i]);
    QVERIFY(main.ClientArea->subWindowList().isEmpty());
}

void TestMain::soundItemIsDisabledWithoutAnOutputDevice()
{
    FakePlatform fake;
    fake.sound.device = false;
    Tw_Quindle_Main main;
    QVERIFY(!main.Sound1->isChecked());
    QVERIFY(!main.Sound1->isEnabled());
    QVERIFY(!main.SoundOn());
}

void TestMain::soundAndAnimationItemsToggle()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    main.Sound1Click();
    QVERIFY(!main.SoundOn());
    main.Sound1Click();
    QVERIFY(main.SoundOn());
    main.Animation1Click();
    QVERIFY(!main.AnimationOn());
    QVERIFY(fake.sound.log.isEmpty());
}

void TestMain::generatorFollowsTheFormula_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<uint>("finalSeed");
    // Worked out by hand: seed := seed * 134775813 + 1 (mod 2^32), then the
    // high half of seed * range.
    QTest::newRow("seed 0 gives 0, 3, 86 out of 100") << 0u << 100 << QList<int>{0, 3, 86} << 3698175007u;
    QTest::newRow("seed 12345 rolls 3, 2, 1, 4, 4")
        << 12345u << 6 << QList<int>{2, 1, 0, 3, 3} << 2721613530u;
}

void TestMain::generatorFollowsTheFormula()
{
    QFETCH(uint, seed);
    QFETCH(int, range);
    QFETCH(QList<int>, values);
    QFETCH(uint, finalSeed);
    rng::setSeed(seed);
    QList<int> drawn;
    for (int i = 0; i < values.size(); ++i)
        drawn << rng::random(range);
    QCOMPARE(drawn, values);
    QCOMPARE(rng::seed(), finalSeed);
}

void TestMain::generatorIsSeededFromTheTimeOfDay()
{
    FakePlatform fake;
    fake.clock.time = QTime(13, 14, 15, 167);
    rng::randomize();
    QCOMPARE(rng::seed(), uint(((13 * 60 + 14) * 60 + 15) * 1000 + 167));
}

void TestMain::lowColourDepthWarnsOnce_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("warnings");
    QTest::newRow("8 bits warn") << 8 << 1;
    QTest::newRow("15 bits warn") << 15 << 1;
    QTest::newRow("16 bits pass") << 16 << 0;
    QTest::newRow("24 bits pass") << 24 << 0;
    QTest::newRow("32 bits pass") << 32 << 0;
}

void TestMain::lowColourDepthWarnsOnce()
{
    QFETCH(int, depth);
    QFETCH(int, warnings);
    FakePlatform fake;
    fake.screen.depth = depth;
    auto window = startup::createMainWindow();
    startup::checkColourDepth(window.get());
    QCOMPARE(fake.boxes.shown.size(), warnings);
    if (warnings) {
        QCOMPARE(fake.boxes.shown[0].text, QStringLiteral("Tolmar Quindle runs best in 16 bit color or higher"));
        QCOMPARE(fake.boxes.shown[0].caption, QStringLiteral("Information"));
        QCOMPARE(fake.boxes.shown[0].icon, platform::BoxIcon::Information);
        QCOMPARE(fake.boxes.shown[0].buttons, QStringList{"OK"});
        QVERIFY(!window->isVisible());
    }
}

void TestMain::unexpectedErrorsReachTheErrorBox()
{
    FakePlatform fake;
    // An event handler that fails: the error is shown and the program goes on.
    class Failing : public QWidget {
    protected:
        void mousePressEvent(QMouseEvent *) override { strToInt(QStringLiteral("x1")); }
    } failing;
    failing.resize(20, 20);
    QTest::mouseClick(&failing, Qt::LeftButton);
    QCOMPARE(fake.boxes.shown.size(), 1);
    QCOMPARE(fake.boxes.shown[0].caption, QStringLiteral("Tolmar Quindle"));
    QCOMPARE(fake.boxes.shown[0].text, QStringLiteral("'x1' is not a valid integer value."));
    QCOMPARE(fake.boxes.shown[0].icon, platform::BoxIcon::Error);
    QCOMPARE(fake.boxes.shown[0].buttons, QStringList{"OK"});
}

QUINDLE_TEST_MAIN(TestMain)
#include "tst_main.moc"
