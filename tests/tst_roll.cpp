// SPDX-License-Identifier: MIT
// The dice tray and the roll control, pressed and released as a player does.
#include "GameFixture.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QAction>
#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

// Through the window system, so the press lands on whatever the player
// would hit at that pixel of the part: the cup, its frame or the blend.
struct Table : GameFixture {
    explicit Table(bool animation = true, bool device = true) : GameFixture(animation, device) {}
    QPoint at(const QString &part) const
    {
        const QPoint inside = part == QLatin1String("Shape1")    ? QPoint(46, 25)
                              : part == QLatin1String("i_trans") ? QPoint(20, 25)
                                                                 : QPoint(20, 20);
        return main->p_display->findChild<QWidget *>(part)->mapTo(main.get(), inside);
    }
    void press(const QString &part = QStringLiteral("a_roll"))
    {
        QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, at(part));
    }
    void release(const QString &part = QStringLiteral("a_roll"))
    {
        QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, at(part));
    }
    QString sounds() const { return fake.sound.log.join(QLatin1Char(',')); }
    bool showsRolls(int picture) const
    {
        return main->i_rolls->picture() == res::picture(res::bitmap(picture));
    }
};

// The faces after `rolls` rolls of the dice not held, from the program's
// generator seeded alike.
QString expectedFaces(uint32_t seed, int rolls, const QString &held, QString shown)
{
    const uint32_t before = rng::seed();
    rng::setSeed(seed);
    for (int r = 0; r < rolls; ++r) {
        for (int i = 0; i < 5; ++i) {
            if (held[i] != QLatin1Char('1'))
                shown[i] = QLatin1Char(char('1' + rng::random(6)));
        }
    }
    rng::setSeed(before);
    return shown;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestRoll : public QObject {
    Q_OBJECT
private slots:
    void trayShowsItsFacesAndFollowsTheRightEdge();
    void rollPlaysItsSoundsAndCounts_data();
    void rollPlaysItsSoundsAndCounts();
    void pressesRollNothingBeforeAGameOrAfterTheLastRoll();
    void cupRocksWhileHeldAndTipsAfterRelease_data();
    void cupRocksWhileHeldAndTipsAfterRelease();
    void aReleaseLostToADialogLandsTheRoll_data();
    void aReleaseLostToADialogLandsTheRoll();
};

void TestRoll::trayShowsItsFacesAndFollowsTheRightEdge()
{
    Table table;
    Tw_Quindle_Main &main = *table.main;
    for (const int width : {main.width(), 760}) {
        main.resize(width, main.height());
        QTRY_COMPARE(main.p_display->width(), width);
        const QImage tray = rgb(main.p_display->grab().toImage());
        // Each face at 2 + 47 (i - 1), its green corner beside the tray's green.
        for (int i = 1; i <= 5; ++i) {
            const QRect place(2 + 47 * (i - 1), 2, 45, 45);
            QCOMPARE(tray.copy(place), rgb(QImage(res::bitmap(1000 + main.Dice[i]->Value()))));
            QCOMPARE(tray.pixel(place.topLeft() - QPoint(1, 0)), qRgb(128, 255, 128));
        }
        // The cup, the blend and the rolls picture end at the right edge.
        QCOMPARE(tray.copy(width - 45, 5, 41, 40), rgb(QImage(res::bitmap(4)).copy(0, 0, 41, 40)));
        QCOMPARE(tray.copy(width - 177, 0, 80, 35), rgb(QImage(res::bitmap(3))));
        QCOMPARE(tray.copy(width - 97, 0, 48, 50), rgb(QImage(res::bitmap(5)).copy(0, 0, 48, 50)));
    }
}

void TestRoll::rollPlaysItsSoundsAndCounts_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("options"); // animation, sound, no-device, double-click
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("sounds");

    QTest::newRow("without animation the rattle loops while held and the landing follows")
        << "a_roll" << "sound" << "12345" << "00000" << "2 loop,stop,3";
    QTest::newRow("without animation five equal faces only land, with no fanfare")
        << "a_roll" << "sound" << "44444" << "11111" << "2 loop,stop,3";
    QTest::newRow("an animated roll of five held equal faces ends with the fanfare")
        << "Shape1" << "animation sound" << "44444" << "11111" << "2 loop,stop,3,5";
    QTest::newRow("an animated roll on the blend without sound flickers and settles silently")
        << "i_trans" << "animation" << "12345" << "00000" << "";
    QTest::newRow("an animated roll with two dice held keeps those two")
        << "a_roll" << "animation sound" << "62636" << "10100" << "2 loop,stop,3";
    QTest::newRow("without a sound device Sound is off for good and an animated roll is silent")
        << "a_roll" << "animation no-device" << "55555" << "11111" << "";
    QTest::newRow("a double click without animation rolls twice, each with its landing")
        << "a_roll" << "sound double-click" << "12345" << "00000" << "2 loop,stop,3,2 loop,stop,3";
    QTest::newRow("a double click during the animation counts two rolls, one run of the cup")
        << "a_roll" << "animation sound double-click" << "12345" << "00000"
        << "2 loop,2 loop,stop,3";
}

void TestRoll::rollPlaysItsSoundsAndCounts()
{
    QFETCH(QString, part);
    QFETCH(QString, options);
    QFETCH(QString, dice);
    QFETCH(QString, held);
    QFETCH(QString, sounds);
    const bool device = !options.contains(QLatin1String("no-device"));
    const bool animation = options.contains(QLatin1String("animation"));
    Table table(animation, device);
    Tw_Quindle_Main &main = *table.main;
    QCOMPARE(main.Sound1->isEnabled(), device);
    table.newGame(1);
    if (main.Sound1->isChecked() != options.contains(QLatin1String("sound")))
        main.Sound1Click();
    table.setDice(dice);
    table.setHeld(held);
    rng::setSeed(20240601u);

    const int rolls = options.contains(QLatin1String("double-click")) ? 2 : 1;
    if (rolls == 2) {
        QTest::mouseDClick(main.windowHandle(), Qt::LeftButton, {}, table.at(part));
    } else {
        table.press(part);
        QVERIFY(main.Dice[1]->isEnabled());
        QCOMPARE(table.sounds(), sounds.section(QLatin1Char(','), 0, 0));
        QCOMPARE(main.a_roll->Play(), animation);
        QCOMPARE(table.faces(), dice);
        table.release(part);
    }
    QVERIFY(main.CanScore());
    QCOMPARE(main.RollsLeft(), 3 - rolls);
    QVERIFY(table.showsRolls(3 - rolls));
    table.stepCupToRest();
    QCOMPARE(main.a_roll->Frame(), animation ? 9 : 0);
    QCOMPARE(table.sounds(), sounds);
    // Released at once, the cup rolls at frames 1, 5, 6, 7, 8 and 9.
    QCOMPARE(table.faces(), expectedFaces(20240601u, animation ? 6 : rolls, held, dice));
    QCOMPARE(table.held(), held);
}

// The press neither rattles nor shakes but still ends Undo; the release
// leaves -1 rolls, the picture it found and the faces as they were.
void TestRoll::pressesRollNothingBeforeAGameOrAfterTheLastRoll()
{
    Table table(false);
    Tw_Quindle_Main &main = *table.main;
    const auto rollNothing = [&](int picture) {
        const QString faces = table.faces();
        main.Undo1->setEnabled(true);
        table.press(QStringLiteral("Shape1"));
        QVERIFY(!main.Undo1->isEnabled());
        QVERIFY(!main.a_roll->hasStepTimer());
        table.release(QStringLiteral("Shape1"));
        QCOMPARE(main.RollsLeft(), -1);
        QVERIFY(table.showsRolls(picture));
        QCOMPARE(table.faces(), faces);
        QCOMPARE(table.sounds(), QString());
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

void TestRoll::cupRocksWhileHeldAndTipsAfterRelease_data()
{
    QTest::addColumn<int>("earlier"); // steps of an earlier roll, released at once
    QTest::addColumn<int>("heldSteps");
    QTest::addColumn<QString>("whileHeld");
    QTest::addColumn<QString>("afterRelease");
    QTest::addColumn<int>("rolls"); // at every frame shown, but not at 2 after the release

    QTest::newRow("released at once the cup shows 1 and 2, jumps to 5 and stops on 9")
        << 0 << 0 << "" << "1 2 5 6 7 8 9" << 6;
    QTest::newRow("held for twelve steps the cup rocks and never rests on 0")
        << 0 << 12 << "1 2 1 0 3 4 3 1 2 1 0 3 4 3 1 2" << "1 0 3 4 3 1 2 5 6 7 8 9" << 27;
    QTest::newRow("a second roll starts from frame 9, whose next frame is 0")
        << 99 << 3 << "0 1 2" << "1 0 3 4 3 1 2 5 6 7 8 9" << 14;
    // The cup runs out to 9 with the button down, so the release lands the
    // roll and stops its rattle.
    QTest::newRow("pressed again as the cup tips, the release lands the roll")
        << 3 << 3 << "7 8 9" << "" << 4;
}

void TestRoll::cupRocksWhileHeldAndTipsAfterRelease()
{
    QFETCH(int, earlier);
    QFETCH(int, heldSteps);
    QFETCH(QString, whileHeld);
    QFETCH(QString, afterRelease);
    QFETCH(int, rolls);
    Table table;
    Tw_Quindle_Main &main = *table.main;
    table.newGame(1);
    const auto runCup = [&main](int steps) {
        for (int n = 0; n < steps && main.a_roll->Play(); ++n)
            main.a_roll->step();
    };
    if (earlier > 0) {
        table.press();
        table.release();
        runCup(earlier);
    }
    // The recorder goes ahead of the window's handler, so it sees each frame
    // before the handler moves on from it.
    QStringList frames;
    disconnect(main.a_roll, &TAnimated::changeFrame, &main, nullptr);
    connect(main.a_roll, &TAnimated::changeFrame, &main,
            [&frames](TAnimated *cup) { frames.append(QString::number(cup->Frame())); });
    connect(main.a_roll, &TAnimated::changeFrame, &main, &Tw_Quindle_Main::a_rollChangeFrame);
    table.setDice(QStringLiteral("23456"));
    table.setHeld(QStringLiteral("01010"));
    rng::setSeed(99u);
    table.fake.sound.log.clear();

    table.press();
    runCup(heldSteps);
    QCOMPARE(frames.join(' '), whileHeld);
    QCOMPARE(table.sounds(), QStringLiteral("2 loop"));
    frames.clear();
    table.release();
    runCup(100);
    QCOMPARE(frames.join(' '), afterRelease);
    QCOMPARE(table.sounds(), QStringLiteral("2 loop,stop,3"));
    QCOMPARE(table.faces(), expectedFaces(99u, rolls, QStringLiteral("01010"), "23456"));
}

void TestRoll::aReleaseLostToADialogLandsTheRoll_data()
{
    QTest::addColumn<bool>("animation");
    QTest::newRow("an animated roll tips and lands") << true;
    QTest::newRow("a roll without animation lands at once") << false;
}

// Pressed and held on the cup, Ctrl+S opens the Save dialog, which takes
// the release; the roll lands all the same and the rattle stops.
void TestRoll::aReleaseLostToADialogLandsTheRoll()
{
    QFETCH(bool, animation);
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
    QCOMPARE(main.RollsLeft(), 2);
    QVERIFY(main.CanScore());
    QVERIFY(!main.a_roll->Play());
    QCOMPARE(main.a_roll->Frame(), animation ? 9 : 0);
    QCOMPARE(table.sounds(), QStringLiteral("2 loop,stop,3"));
    // The next press and release are a roll of their own.
    table.press();
    table.release();
    table.stepCupToRest();
    QCOMPARE(main.RollsLeft(), 1);
}

QUINDLE_TEST_MAIN(TestRoll)
#include "tst_roll.moc"
