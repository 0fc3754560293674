// SPDX-License-Identifier: MIT
// The dice tray and the roll control, pressed and released as a player does.
#include "GameFixture.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include <QDialog>
#include <QTimer>
#include <QWindow>
namespace {
// Presses go through the window system, landing on whatever is at that pixel of the cup, its frame or the blend.
struct Table : GameFixture {
    explicit Table(bool animation = true, bool device = true) : GameFixture(animation, device) {}
    QPoint at(const QString &part) const
    {
        const QPoint inside = part == QLatin1String("Shape1") ? QPoint(46, 25) : QPoint(20, 20 + 5 * (part == "i_trans"));
        return main->p_display->findChild<QWidget *>(part)->mapTo(main.get(), inside);
    }
    void press(const QString &part = QStringLiteral("a_roll")) { QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, at(part)); }
    void release(const QString &part = QStringLiteral("a_roll")) { QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, at(part)); }
    QString sounds() const { return fake.sound.log.join(QLatin1Char(',')); }
    void runCup(int steps) { for (int n = 0; n < steps && main->a_roll->Play(); ++n) main->a_roll->step(); }
    bool showsRolls(int picture) const { return main->i_rolls->picture() == res::picture(res::bitmap(picture)); }
};

// The faces after `rolls` rolls of the dice not held, from the program's generator seeded alike.
QString expectedFaces(uint32_t seed, int rolls, const QString &held, QString shown)
{
    rng::setSeed(seed);
    for (int r = 0; r < rolls * 5; ++r) {
        if (held[r % 5] != QLatin1Char('1'))
            shown[r % 5] = QLatin1Char(char('1' + rng::random(6)));
    }
    return shown;
}
QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
} // namespace

class TestRoll : public QObject {
    Q_OBJECT
private slots:
    // Each face at 2 + 47 (i - 1), its green corner beside the tray's green; the cup, the blend and the rolls
    // picture end at the right edge, however wide the window.
    void trayShowsItsFacesAndFollowsTheRightEdge()
    {
        Table table;
        Tw_Quindle_Main &main = *table.main;
        for (const int width : {main.width(), 760}) {
            main.resize(width, main.height());
            QTRY_COMPARE(main.p_display->width(), width);
            const QImage tray = rgb(main.p_display->grab().toImage());
            for (int i = 1; i <= 5; ++i) {
                const QRect place(2 + 47 * (i - 1), 2, 45, 45);
                QCOMPARE(tray.copy(place), rgb(QImage(res::bitmap(1000 + main.Dice[i]->Value()))));
                QCOMPARE(tray.pixel(place.topLeft() - QPoint(1, 0)), qRgb(128, 255, 128));
            }
            QCOMPARE(tray.copy(width - 45, 5, 41, 40), rgb(QImage(res::bitmap(4)).copy(0, 0, 41, 40)));
            QCOMPARE(tray.copy(width - 177, 0, 80, 35), rgb(QImage(res::bitmap(3))));
            QCOMPARE(tray.copy(width - 97, 0, 48, 50), rgb(QImage(res::bitmap(5)).copy(0, 0, 48, 50)));
        }
    }
    void aRollRocksTheCupPlaysItsSoundsAndCounts_data()
    {
        QTest::addColumn<QString>("setup");    // the options, the part pressed, the dice and those held
        QTest::addColumn<int>("earlier");      // steps of an earlier roll, released at once
        QTest::addColumn<int>("heldSteps");    // steps of the cup while the button is down
        QTest::addColumn<QString>("expected"); // frames while held | after the release | sounds | rolls of the dice
        const auto add = [](const char *name, const char *setup, int earlier, int heldSteps, const char *expected) {
            QTest::newRow(name) << setup << earlier << heldSteps << expected;
        };
        add("without animation the rattle loops while held and the landing follows", "sound a_roll 12345 00000", 0, 0,
            "||2 loop,stop,3|1");
        add("without animation five equal faces only land, with no fanfare", "sound a_roll 44444 11111", 0, 0,
            "||2 loop,stop,3|1");
        add("an animated roll of five held equal faces ends with the fanfare", "animation+sound Shape1 44444 11111", 0, 0,
            "|1 2 5 6 7 8 9|2 loop,stop,3,5|6");
        add("an animated roll on the blend without sound flickers and settles silently", "animation i_trans 12345 00000",
            0, 0, "|1 2 5 6 7 8 9||6");
        add("without a sound device Sound is off for good and an animated roll is silent",
            "animation+no-device a_roll 55555 11111", 0, 0, "|1 2 5 6 7 8 9||6");
        add("a double click without animation rolls twice, each with its landing", "sound+double-click a_roll 12345 00000",
            0, 0, "||2 loop,stop,3,2 loop,stop,3|2");
        add("a double click during the animation counts two rolls, one run of the cup",
            "animation+sound+double-click a_roll 12345 00000", 0, 0, "|1 2 5 6 7 8 9|2 loop,2 loop,stop,3|6");
        add("released at once the cup shows 1 and 2, jumps to 5 and stops on 9, keeping the held dice",
            "animation+sound a_roll 23456 01010", 0, 0, "|1 2 5 6 7 8 9|2 loop,stop,3|6");
        add("held for twelve steps the cup rocks and never rests on 0", "animation+sound a_roll 23456 01010", 0, 12,
            "1 2 1 0 3 4 3 1 2 1 0 3 4 3 1 2|1 0 3 4 3 1 2 5 6 7 8 9|2 loop,stop,3|27");
        add("a second roll starts from frame 9, whose next frame is 0", "animation+sound a_roll 23456 01010", 99, 3,
            "0 1 2|1 0 3 4 3 1 2 5 6 7 8 9|2 loop,stop,3|14");
        // The cup runs out to 9 with the button down, so the release lands the roll and stops its rattle.
        add("pressed again as the cup tips, the release lands the roll", "animation+sound a_roll 23456 01010", 3, 3,
            "7 8 9||2 loop,stop,3|4");
    }
    // A roll is counted at the release; the dice not held roll at every frame shown but 2 after the release.
    void aRollRocksTheCupPlaysItsSoundsAndCounts()
    {
        QFETCH(QString, setup);
        QFETCH(int, earlier);
        const QStringList options = setup.section(' ', 0, 0).split('+');
        const QString part = setup.section(' ', 1, 1), dice = setup.section(' ', 2, 2), held = setup.section(' ', 3, 3);
        const bool animation = options.contains("animation"), device = !options.contains("no-device");
        Table table(animation, device);
        Tw_Quindle_Main &main = *table.main;
        table.newGame(1);
        if (main.Sound1->isChecked() != options.contains("sound"))
            main.Sound1Click();
        if (earlier > 0) {
            table.press();
            table.release();
            table.runCup(earlier);
        }
        // The recorder goes ahead of the window's handler, so it sees each frame before the handler moves on.
        QStringList frames;
        disconnect(main.a_roll, &TAnimated::changeFrame, &main, nullptr);
        connect(main.a_roll, &TAnimated::changeFrame, &main, [&frames](TAnimated *cup) { frames << QString::number(cup->Frame()); });
        connect(main.a_roll, &TAnimated::changeFrame, &main, &Tw_Quindle_Main::a_rollChangeFrame);
        table.setDice(dice);
        table.setHeld(held);
        rng::setSeed(99u);
        table.fake.sound.log.clear();
        const int rolls = options.contains("double-click") ? 2 : 1;
        if (rolls == 2) {
            QTest::mouseDClick(main.windowHandle(), Qt::LeftButton, {}, table.at(part));
        } else {
            table.press(part);
            QVERIFY(main.Dice[1]->isEnabled() && main.a_roll->Play() == animation && table.faces() == dice);
            QFETCH(int, heldSteps);
            table.runCup(heldSteps);
            QCOMPARE(table.sounds(), QString(options.contains("sound") ? "2 loop" : ""));
            table.release(part);
        }
        const QString whileHeld = frames.join(' ');
        frames.clear();
        const int left = 3 - rolls - (earlier > 0); // pictures 1..3 show as many rolls
        QVERIFY(main.CanScore() && main.RollsLeft() == left && table.showsRolls(left) && main.Sound1->isEnabled() == device);
        table.runCup(100);
        QFETCH(QString, expected);
        QCOMPARE(QStringList({whileHeld, frames.join(' '), table.sounds(), table.faces() + ' ' + table.held()}).join('|'),
                 expected.section('|', 0, 2) + '|' + expectedFaces(99u, expected.section('|', 3).toInt(), held, dice) + ' ' + held);
    }
    // The press neither rattles nor shakes but still ends Undo; the release leaves -1 rolls, the picture it found
    // and the faces as they were.
    void pressesRollNothingBeforeAGameOrAfterTheLastRoll()
    {
        Table table(false);
        Tw_Quindle_Main &main = *table.main;
        const auto rollNothing = [&](int picture) {
            const QString faces = table.faces();
            main.Undo1->setEnabled(true);
            table.press(QStringLiteral("Shape1"));
            QVERIFY(!main.Undo1->isEnabled() && !main.a_roll->hasStepTimer());
            table.release(QStringLiteral("Shape1"));
            QVERIFY(main.RollsLeft() == -1 && table.showsRolls(picture));
            QCOMPARE(table.faces() + table.sounds(), faces);
        };
        rollNothing(3);
        QVERIFY(!main.Dice[1]->isEnabled());
        table.newGame(1);
        for (const int picture : {2, 1, 6}) {
            table.press();
            table.release();
            QVERIFY(table.showsRolls(picture));
        }
        table.fake.sound.log.clear();
        rollNothing(6);
        main.Animation1Click();
        rollNothing(6);
    }
    // Held on the cup, Ctrl+S opens the Save dialog, which takes the release; the roll lands all the same.
    void aReleaseLostToADialogLandsTheRoll()
    {
        for (const bool animation : {true, false}) {
            Table table(animation);
            Tw_Quindle_Main &main = *table.main;
            table.newGame(1);
            table.fake.files.onRun = [&table] {
                QDialog dialog;
                QTimer::singleShot(0, &dialog, [&] {
                    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
                    dialog.reject();
                });
                dialog.exec();
                table.stepCupToRest();
            };
            table.press();
            QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(table.fake.files.asked.size(), 1);
            QVERIFY(main.RollsLeft() == 2 && main.CanScore() && !main.a_roll->Play());
            QCOMPARE(main.a_roll->Frame(), animation ? 9 : 0);
            QCOMPARE(table.sounds(), QStringLiteral("2 loop,stop,3"));
            table.rollAs(QStringLiteral("12345")); // the next press and release are a roll of their own
            QCOMPARE(main.RollsLeft(), 1);
        }
    }
};

QUINDLE_TEST_MAIN(TestRoll)
#include "tst_roll.moc"
