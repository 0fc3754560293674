// SPDX-License-Identifier: MIT
// The main window as it opens: caption, menus, status bar, tray, and the
// program-wide generator and start-up checks.
#include "GameFixture.h"
#include "TestMain.h"
#include "app/startup.h"
#include "platform/Random.h"

#include <QLabel>
#include <QMenuBar>

class TestMain : public QObject {
    Q_OBJECT
private slots:
    // Each item as "name|caption|shortcut|states", "-" for a separator.
    void menusHoldTheirItemsInOrderWithTheirStartingStates()
    {
        FakePlatform fake;
        Tw_Quindle_Main main;
        QStringList lines;
        for (QAction *menu : main.menuBar()->actions()) {
            lines << menu->text() + QLatin1Char(':');
            for (QAction *item : menu->menu()->actions())
                lines << (item->isSeparator() ? QStringLiteral("-")
                                              : QStringList{item->objectName(), item->text(), item->shortcut().toString(),
                                                            QString(item->isEnabled() ? "on" : "off")
                                                                + (item->isChecked() ? " checked" : "")}.join('|'));
        }
        QCOMPARE(lines.join(' '),
                 "&Game: New1|&New Game...|Ctrl+N|on LoadGame1|&Open Game|Ctrl+O|on - "
                 "NewRegular1Player1|Quick Start &1 Player||on Quick2Player1|Quick Start &2 Player||on "
                 "Roll1|&Roll\tSpace||on - "
                 "SaveGame1|&Save Game|Ctrl+S|off PrintScorecard1|&Print Scorecard|Ctrl+P|off - EXit1|E&xit|Ctrl+Q|on "
                 "&Options: Undo1|&Undo|Ctrl+Z|off - N3|&Reverse Selection|Ctrl+R|on Hint1|&Hint|Ctrl+H|on - Sound1|&Sound||on checked "
                 "Animation1|&Animation||on checked &Window: Cascade1|&Cascade|Shift+F5|on Tile1|&Tile|Shift+F4|on "
                 "&Help: HowToPlay1|&How to Play|F1|on About1|&About||on");
    }
    // The tray under the menu, the green client area under it, the status bar at the bottom.
    void windowHasCaptionColoursAndStatusPanels()
    {
        GameFixture game;
        Tw_Quindle_Main &main = *game.main;
        QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
        QCOMPARE(main.windowTitle(), QStringLiteral("Tolmar Quindle"));
        QCOMPARE(main.ClientArea->mapTo(&main, QPoint(0, 0)).y(), main.menuBar()->height() + 50);
        QCOMPARE(main.ClientArea->background().color(), QColor(0, 128, 0));
        QCOMPARE(main.StatusBar1->mapTo(&main, QPoint(0, 19)).y(), main.height());
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(main.StatusPanels[1]->x()).arg(main.StatusPanels[2]->x())
                     .arg(main.StatusPanels[2]->width() >= 280), QStringLiteral("75 200 1"));
        // The tray's green reaches right up to the roll control's blend.
        QCOMPARE(main.p_display->grab().toImage().pixelColor(260, 40), QColor(128, 255, 128));
        game.newGame(1);
        QCOMPARE(game.card(1)->windowTitle(), QStringLiteral("Player 1's score card"));
    }
    // Cards keep their size; Tile only places them across the client area as it is.
    void tileKeepsTheWindowsSize()
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
    // Worked out by hand: seed := seed * 134775813 + 1 (mod 2^32), then the high half of seed * range.
    void generatorFollowsTheFormula()
    {
        rng::setSeed(12345u);
        QList<int> drawn;
        for (int i = 0; i < 5; ++i)
            drawn << rng::random(6);
        QCOMPARE(drawn, QList<int>({2, 1, 0, 3, 3}));
        QCOMPARE(rng::seed(), 2721613530u);
        FakePlatform fake;
        fake.clock.time = QTime(13, 14, 15, 167);
        rng::randomize();
        QCOMPARE(rng::seed(), uint(((13 * 60 + 14) * 60 + 15) * 1000 + 167));
    }
    void onlyAColourDepthBelow16BitsWarns()
    {
        for (const int depth : {15, 16}) {
            FakePlatform fake;
            fake.screen.depth = depth;
            if (depth < 16)
                fake.boxes.expect(QStringLiteral("Tolmar Quindle runs best in 16 bit color or higher"));
            auto window = startup::createMainWindow();
            startup::checkColourDepth(window.get());
            QStringList shown;
            for (const platform::BoxRequest &box : fake.boxes.shown)
                shown << QStringLiteral("%1: %2 [%3] %4").arg(box.caption, box.text, box.buttons.join(' '))
                             .arg(box.icon == platform::BoxIcon::Information);
            QCOMPARE(shown.join(QString()),
                     depth < 16 ? "Information: Tolmar Quindle runs best in 16 bit color or higher [OK] 1" : "");
            QVERIFY(!window->isVisible()); // the warning comes before the window
        }
    }
};

QUINDLE_TEST_MAIN(TestMain)
#include "tst_main.moc"
