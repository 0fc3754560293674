// SPDX-License-Identifier: MIT
// The main window as it opens: caption, menus, status bar, tray, and the
// program-wide generator and start-up checks.
#include "GameFixture.h"
#include "TestMain.h"
#include "app/startup.h"
#include "game/main.h"
#include "scoring/card.h"
#include "platform/Random.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

namespace {
// Each item as "name|caption|shortcut|states", "-" for a separator.
QStringList describeMenus(Tw_Quindle_Main &main)
{
    QStringList lines;
    for (QAction *menu : main.menuBar()->actions()) {
        lines << menu->text() + QLatin1Char(':');
        for (QAction *item : menu->menu()->actions()) {
            if (item->isSeparator()) {
                lines << QStringLiteral("-");
                continue;
            }
            lines << QStringList{item->objectName(), item->text(),
                                 item->shortcut().toString(),
                                 QString(item->isEnabled() ? "on" : "off")
                                     + (item->isChecked() ? " checked" : "")}
                         .join(QLatin1Char('|'));
        }
    }
    return lines;
}
} // namespace

class TestMain : public QObject {
    Q_OBJECT
private slots:
    void menusHoldTheirItemsInOrderWithTheirStartingStates();
    void windowHasCaptionColoursAndStatusPanels();
    void tileKeepsTheWindowsSize();
    void captionsAreWhole();
    void generatorFollowsTheFormula_data();
    void generatorFollowsTheFormula();
    void generatorIsSeededFromTheTimeOfDay();
    void onlyAColourDepthBelow16BitsWarns();
};

void TestMain::menusHoldTheirItemsInOrderWithTheirStartingStates()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    QCOMPARE(describeMenus(main),
             QStringList({"&Game:", "New1|&New Game...|Ctrl+N|on", "LoadGame1|&Open Game|Ctrl+O|on",
                          "-", "NewRegular1Player1|Quick Start &1 Player||on",
                          "Quick2Player1|Quick Start &2 Player||on", "-",
                          "SaveGame1|&Save Game|Ctrl+S|off",
                          "PrintScorecard1|&Print Scorecard|Ctrl+P|off",
                          "-", "EXit1|E&xit|Ctrl+Q|on",
                          "&Options:", "Undo1|&Undo|Ctrl+Z|off", "-",
                          "N3|&Reverse Selection|Ctrl+R|on", "-", "Sound1|&Sound||on checked",
                          "Animation1|&Animation||on checked",
                          "&Window:", "Cascade1|&Cascade|Shift+F5|on", "Tile1|&Tile|Shift+F4|on",
                          "&Help:", "HowToPlay1|&How to Play|F1|on", "About1|&About||on"}));
}

void TestMain::windowHasCaptionColoursAndStatusPanels()
{
    FakePlatform fake;
    Tw_Quindle_Main main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.windowTitle(), QStringLiteral("Tolmar Quindle"));
    QCOMPARE(main.p_display->mapTo(&main, QPoint(0, 0)).y(), main.menuBar()->height());
    QCOMPARE(main.ClientArea->mapTo(&main, QPoint(0, 0)).y(), main.menuBar()->height() + 50);
    QCOMPARE(main.ClientArea->background().color(), QColor(0, 128, 0));
    QVERIFY(main.ClientArea->subWindowList().isEmpty());
    QCOMPARE(main.StatusBar1->height(), 19);
    QCOMPARE(main.StatusBar1->mapTo(&main, QPoint(0, 19)).y(), main.height());
    // Panels from x = 0, 75 and 200 of the bar; the last one stretches.
    QCOMPARE(main.StatusPanels[0]->geometry(), QRect(0, 0, 75, 19));
    QCOMPARE(main.StatusPanels[1]->geometry(), QRect(75, 0, 125, 19));
    QCOMPARE(main.StatusPanels[2]->x(), 200);
    QVERIFY(main.StatusPanels[2]->width() >= 280);
    // The tray's green reaches right up to the roll control's blend.
    QCOMPARE(main.p_display->grab().toImage().pixelColor(260, 40), QColor(128, 255, 128));
}

// Cards keep their size; Tile only places them across the client area as
// it is, however many there are.
void TestMain::tileKeepsTheWindowsSize()
{
    GameFixture game;
    game.main->resize(520, 570);
    game.newGame(4);
    const QSize before = game.main->size();
    game.main->Tile1->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(game.main->size(), before);
    const int width = game.main->ClientArea->viewport()->width();
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(game.card(p)->pos(), QPoint((p - 1) * width / 4, 0));
}

// No display name is set, which the window system would append to every
// title; the boxes carry their own captions.
void TestMain::captionsAreWhole()
{
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    GameFixture game;
    game.newGame(1);
    QCOMPARE(game.main->windowTitle(), QStringLiteral("Tolmar Quindle"));
    QCOMPARE(game.card(1)->windowTitle(), QStringLiteral("Player 1's score card"));
    game.fake.boxes.expect(QStringLiteral("Are you sure you want to take a zero?"));
    game.fake.boxes.expect(QStringLiteral("Stream write error."));
    game.main->ConfirmZero();
    platform::showError(QStringLiteral("Stream write error"));
    QCOMPARE(game.fake.boxes.shown[0].caption, QStringLiteral("Confirm"));
    QCOMPARE(game.fake.boxes.shown[1].caption, QStringLiteral("Tolmar Quindle"));
}

void TestMain::generatorFollowsTheFormula_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<uint>("finalSeed");
    // Worked out by hand: seed := seed * 134775813 + 1 (mod 2^32), then the
    // high half of seed * range.
    QTest::newRow("seed 0 gives 0, 3, 86 out of 100")
        << 0u << 100 << QList<int>{0, 3, 86} << 3698175007u;
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

void TestMain::onlyAColourDepthBelow16BitsWarns()
{
    for (const int depth : {15, 16}) {
        FakePlatform fake;
        fake.screen.depth = depth;
        if (depth < 16)
            fake.boxes.expect(QStringLiteral("Tolmar Quindle runs best in 16 bit color or higher"));
        auto window = startup::createMainWindow();
        startup::checkColourDepth(window.get());
        QStringList shown;
        for (const platform::BoxRequest &box : fake.boxes.shown) {
            QCOMPARE(box.icon, platform::BoxIcon::Information);
            shown << box.caption + QStringLiteral(": ") + box.text + QStringLiteral(" [")
                         + box.buttons.join(' ') + QLatin1Char(']');
        }
        const QString warning("Information: Tolmar Quindle runs best in 16 bit color or higher [OK]");
        QCOMPARE(shown, depth < 16 ? QStringList{warning} : QStringList());
        QVERIFY(!window->isVisible()); // the warning comes before the window
    }
}

QUINDLE_TEST_MAIN(TestMain)
#include "tst_main.moc"
