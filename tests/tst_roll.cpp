// SPDX-License-Identifier: MIT
// The dice tray and the roll control, pressed and released as a player does.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QAction>
#include <QWindow>
#include <memory>

namespace {

// The fake goes in before the window, which asks it for a sound device.
struct Table {
    explicit Table(bool device = true)
    {
        fake.sound.device = device;
        main = std::make_unique<Tw_Quindle_Main>();
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qWarning("main window not exposed");
    }
    FakePlatform fake;
    std::unique_ptr<Tw_Quindle_Main> main;
};

// A point of each part of the roll control that no other part covers.
QPoint pointIn(const QString &part)
{
    if (part == QLatin1String("Shape1"))
        return {46, 25};
    if (part == QLatin1String("i_trans"))
        return {20, 25};
    return {20, 20};
}

QWidget *partOf(Tw_Quindle_Main &main, const QString &part)
{
    return main.p_display->findChild<QWidget *>(part);
}

// Through the window system, so the press lands on whatever the player
// would hit at that pixel.
void press(Tw_Quindle_Main &main, const QString &part = QStringLiteral("a_roll"))
{
    QWidget *w = partOf(main, part);
    QTest::mousePress(main.windowHandle(), Qt::LeftButton, {}, w->mapTo(&main, pointIn(part)));
}

void release(Tw_Quindle_Main &main, const QString &part = QStringLiteral("a_roll"))
{
    QWidget *w = partOf(main, part);
    QTest::mouseRelease(main.windowHandle(), Qt::LeftButton, {}, w->mapTo(&main, pointIn(part)));
}

QString faces(const Tw_Quindle_Main &main)
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += QString::number(main.Dice[i]->Value());
    return result;
}

uint32_t next(uint32_t seed)
{
    return seed * 134775813u + 1u;
}

// The faces after `rolls` rolls of the dice not held, worked out here.
QString expectedFaces(uint32_t seed, int rolls, const QString &held, QString shown)
{
    for (int r = 0; r < rolls; ++r) {
        for (int i = 0; i < 5; ++i) {
            if (held[i] == QLatin1Char('1'))
                continue;
            seed = next(seed);
            shown[i] = QLatin1Char(char('1' + int((uint64_t(seed) * 6u) >> 32)));
        }
    }
    return shown;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Steps the cup by hand until it stops; the frames it showed.
QStringList runCup(Tw_Quindle_Main &main, QStringList &frames, int limit = 100)
{
    for (int n = 0; n < limit && main.a_roll->Play(); ++n)
        main.a_roll->step();
    return frames;
}

} // namespace

class TestRoll : public QObject {
    Q_OBJECT
private slots:
    void atStartTheTrayShowsFacesAndThreeAndIgnoresPresses_data();
    void atStartTheTrayShowsFacesAndThreeAndIgnoresPresses();
    void trayIsLaidOutAndFollowsTheRightEdge_data();
    void trayIsLaidOutAndFollowsTheRightEdge();
    void rollPlaysItsSoundsAndCounts_data();
    void rollPlaysItsSoundsAndCounts();
    void rollsLeftCountDownWithTheirPictures();
    void doubleClickUsesTwoRolls_data();
    void doubleClickUsesTwoRolls();
    void everyPressDisablesUndo_data();
    void everyPressDisablesUndo();
    void cupRocksWhileHeldAndTipsAfterRelease_data();
    void cupRocksWhileHeldAndTipsAfterRelease();
    void pressDuringTheTipLandsAtTheRelease();
    void withoutASoundDeviceRollsAreSilent();
};

void TestRoll::atStartTheTrayShowsFacesAndThreeAndIgnoresPresses_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("pressing the cup before a game does nothing") << "a_roll";
    QTest::newRow("pressing the frame before a game does nothing") << "Shape1";
    QTest::newRow("pressing the blend before a game does nothing") << "i_trans";
}

void TestRoll::atStartTheTrayShowsFacesAndThreeAndIgnoresPresses()
{
    QFETCH(QString, part);
    Table table;
    Tw_Quindle_Main &main = *table.main;
    for (int i = 1; i <= 5; ++i) {
        const TQuindleDice *die = main.Dice[i];
        QCOMPARE(rgb(main.p_display->grab(die->geometry()).toImage()),
                 rgb(QImage(res::bitmap(1000 + die->Value()))));
    }
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(3)));
    const QString before = faces(main);

    press(main, part);
    QCOMPARE(main.a_roll->Play(), false);
    release(main, part);
    QCOMPARE(faces(main), before);
    QCOMPARE(main.RollsLeft(), -1);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(3)));
    QVERIFY(!main.Dice[1]->isEnabled());
    QVERIFY(table.fake.sound.log.isEmpty());
    QTest::qWait(60);
    QCOMPARE(main.a_roll->Frame(), 0);
}

void TestRoll::trayIsLaidOutAndFollowsTheRightEdge_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("at the window's first width the roll control sits on the right edge") << 0;
    QTest::newRow("widened to 760 the roll control moves with the right edge") << 760;
    QTest::newRow("narrowed to 470 the roll control moves with the right edge") << 470;
}

void TestRoll::trayIsLaidOutAndFollowsTheRightEdge()
{
    QFETCH(int, width);
    Table table;
    Tw_Quindle_Main &main = *table.main;
    if (width > 0)
        main.resize(width, main.height());
    QTRY_COMPARE(main.p_display->width(), main.width());

    const QImage tray = rgb(main.p_display->grab().toImage());
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(main.Dice[i]->geometry(), QRect(2 + 47 * (i - 1), 2, 45, 45));
        // The face's green corner, with the tray's own green just left of it.
        QCOMPARE(tray.pixel(2 + 47 * (i - 1), 2), qRgb(0, 255, 0));
        QCOMPARE(tray.pixel(1 + 47 * (i - 1), 2), qRgb(128, 255, 128));
    }
    const int right = main.p_display->width();
    QCOMPARE(main.Shape1->geometry(), QRect(right - 49, 0, 49, 50));
    QCOMPARE(main.a_roll->geometry(), QRect(main.Shape1->x() + 4, 5, 41, 40));
    QCOMPARE(main.i_trans->geometry(), QRect(main.Shape1->x() - 48, 0, 50, 50));
    QCOMPARE(main.i_rolls->geometry(), QRect(main.i_trans->x() - 80, 0, 80, 35));
    // The cup's first frame is what the player sees there.
    QCOMPARE(tray.copy(main.a_roll->geometry()),
             rgb(QImage(res::bitmap(4)).copy(0, 0, 41, 40)));
    QCOMPARE(main.a_roll->Interval(), 20);
    QCOMPARE(main.a_roll->FrameCount(), 10);
    QCOMPARE(main.a_roll->Loop(), false);
    for (const QWidget *part : {partOf(main, "a_roll"), partOf(main, "Shape1"), partOf(main, "i_trans")})
        QCOMPARE(part->cursor().hotSpot(), QPoint(15, 15));
}

void TestRoll::rollPlaysItsSoundsAndCounts_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("atPress");
    QTest::addColumn<QString>("atEnd");

    QTest::newRow("without animation the rattle loops while held and the landing follows")
        << "a_roll" << false << true << "12345" << "00000" << "2 loop" << "2 loop,stop,3";
    QTest::newRow("the frame is part of the roll control")
        << "Shape1" << false << true << "12345" << "00000" << "2 loop" << "2 loop,stop,3";
    QTest::newRow("the blend is part of the roll control")
        << "i_trans" << false << true << "12345" << "00000" << "2 loop" << "2 loop,stop,3";
    QTest::newRow("without animation five equal faces only land, with no fanfare")
        << "a_roll" << false << true << "44444" << "11111" << "2 loop" << "2 loop,stop,3";
    QTest::newRow("without animation or sound the dice change silently")
        << "a_roll" << false << false << "12345" << "00000" << "" << "";
    QTest::newRow("with all five dice held an animated roll changes none but still counts")
        << "a_roll" << true << true << "12345" << "11111" << "2 loop" << "2 loop,stop,3";
    QTest::newRow("an animated roll of five equal faces ends with the fanfare")
        << "Shape1" << true << true << "44444" << "11111" << "2 loop" << "2 loop,stop,3,5";
    QTest::newRow("an animated roll without sound flickers and settles silently")
        << "i_trans" << true << false << "12345" << "00000" << "" << "";
    QTest::newRow("an animated roll with two dice held keeps those two")
        << "a_roll" << true << true << "62636" << "10100" << "2 loop" << "2 loop,stop,3";
}

void TestRoll::rollPlaysItsSoundsAndCounts()
{
    QFETCH(QString, part);
    QFETCH(bool, animation);
    QFETCH(bool, sound);
    QFETCH(QString, dice);
    QFETCH(QString, held);
    QFETCH(QString, atPress);
    QFETCH(QString, atEnd);

    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    if (!animation)
        main.Animation1Click();
    if (!sound)
        main.Sound1Click();
    helpers::setDice(&main, dice);
    helpers::setHeld(&main, held);
    const uint32_t seed = 20240601u;
    rng::setSeed(seed);

    press(main, part);
    QVERIFY(main.Dice[1]->isEnabled());
    QCOMPARE(table.fake.sound.log.join(','), atPress);
    QCOMPARE(main.RollHeld, animation);
    QCOMPARE(main.a_roll->Play(), animation);
    QCOMPARE(faces(main), dice);
    release(main, part);
    QCOMPARE(main.RollHeld, false);
    QCOMPARE(main.CanScore, true);
    QCOMPARE(main.RollsLeft(), 2);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(2)));
    QTRY_COMPARE_WITH_TIMEOUT(main.a_roll->Play(), false, 3000);
    QCOMPARE(main.a_roll->Frame(), animation ? 9 : 0);
    QCOMPARE(table.fake.sound.log.join(','), atEnd);
    // Released at once, the cup rolls at frames 1, 5, 6, 7, 8 and 9.
    QCOMPARE(faces(main), expectedFaces(seed, animation ? 6 : 1, held, dice));
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(main.Dice[i]->Selected(), held[i - 1] == QLatin1Char('1'));
}

void TestRoll::rollsLeftCountDownWithTheirPictures()
{
    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    main.Animation1Click();
    const int pictures[3] = {2, 1, 6};
    for (int roll = 0; roll < 3; ++roll) {
        press(main);
        release(main);
        QCOMPARE(main.RollsLeft(), 2 - roll);
        QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(pictures[roll])));
    }
    // No roll left: the press neither rattles nor shakes, and the release
    // counts down to -1, leaves the picture for 0 and rolls nothing, with
    // the animation on and then off.
    table.fake.sound.log.clear();
    main.CanScore = false;
    const QString before = faces(main);
    for (int extra = 0; extra < 2; ++extra) {
        main.Animation1Click();
        press(main, QStringLiteral("Shape1"));
        QCOMPARE(main.a_roll->Play(), false);
        QCOMPARE(main.a_roll->hasStepTimer(), false);
        release(main, QStringLiteral("Shape1"));
        QCOMPARE(main.RollsLeft(), -1);
        QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(6)));
    }
    QCOMPARE(main.CanScore, true);
    QTest::qWait(60);
    QCOMPARE(faces(main), before);
    QVERIFY(table.fake.sound.log.isEmpty());
}

void TestRoll::doubleClickUsesTwoRolls_data()
{
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QString>("sounds");
    QTest::newRow("a double click without animation rolls twice, each with its landing")
        << false << "2 loop,stop,3,2 loop,stop,3";
    QTest::newRow("a double click during the animation counts two rolls, one run of the cup")
        << true << "2 loop,2 loop,stop,3";
}

void TestRoll::doubleClickUsesTwoRolls()
{
    QFETCH(bool, animation);
    QFETCH(QString, sounds);

    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    if (!animation)
        main.Animation1Click();
    rng::setSeed(7);
    const QPoint at = main.a_roll->mapTo(&main, pointIn("a_roll"));
    QTest::mouseDClick(main.windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(main.RollsLeft(), 1);
    QCOMPARE(main.i_rolls->picture(), QImage(res::bitmap(1)));
    QTRY_COMPARE_WITH_TIMEOUT(main.a_roll->Play(), false, 3000);
    QCOMPARE(table.fake.sound.log.join(','), sounds);
    if (!animation)
        QCOMPARE(faces(main), expectedFaces(7, 2, "00000", faces(main)));
}

void TestRoll::everyPressDisablesUndo_data()
{
    QTest::addColumn<int>("rollsLeft");
    QTest::newRow("a press with three rolls left disables Undo") << 3;
    QTest::newRow("a press with no roll left still disables Undo") << 0;
    QTest::newRow("a press after the last release still disables Undo") << -1;
}

void TestRoll::everyPressDisablesUndo()
{
    QFETCH(int, rollsLeft);
    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    main.SetRollsLeft(rollsLeft);
    main.Undo1->setEnabled(true);
    press(main, QStringLiteral("i_trans"));
    QVERIFY(!main.Undo1->isEnabled());
    release(main, QStringLiteral("i_trans"));
}

void TestRoll::cupRocksWhileHeldAndTipsAfterRelease_data()
{
    QTest::addColumn<bool>("secondRoll");
    QTest::addColumn<int>("heldSteps");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("whileHeld");
    QTest::addColumn<QString>("afterRelease");

    QTest::newRow("released at once the cup shows 1 and 2, jumps to 5 and stops on 9")
        << false << 0 << "00000" << "" << "1 2 5 6 7 8 9";
    QTest::newRow("held for twelve steps the cup rocks and never rests on 0")
        << false << 12 << "00000" << "1 2 1 0 3 4 3 1 2 1 0 3 4 3 1 2"
        << "1 0 3 4 3 1 2 5 6 7 8 9";
    QTest::newRow("released as the cup leans over at 4 it rocks back to 2 and tips")
        << false << 5 << "01010" << "1 2 1 0 3 4" << "3 1 2 5 6 7 8 9";
    QTest::newRow("a second roll starts from frame 9, whose next frame is 0")
        << true << 3 << "00000" << "0 1 2" << "1 0 3 4 3 1 2 5 6 7 8 9";
}

void TestRoll::cupRocksWhileHeldAndTipsAfterRelease()
{
    QFETCH(bool, secondRoll);
    QFETCH(int, heldSteps);
    QFETCH(QString, held);
    QFETCH(QString, whileHeld);
    QFETCH(QString, afterRelease);

    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    // No timer: every step below is one tick of the cup.
    main.a_roll->setInterval(0);
    QStringList frames;
    if (secondRoll) {
        press(main);
        release(main);
        runCup(main, frames);
        QCOMPARE(main.a_roll->Frame(), 9);
    }
    // The recorder goes ahead of the window's handler, so it sees each frame
    // before the handler moves on from it.
    disconnect(main.a_roll, &TAnimated::changeFrame, &main, &Tw_Quindle_Main::a_rollChangeFrame);
    connect(main.a_roll, &TAnimated::changeFrame, &main,
            [&frames](TAnimated *cup) { frames.append(QString::number(cup->Frame())); });
    connect(main.a_roll, &TAnimated::changeFrame, &main, &Tw_Quindle_Main::a_rollChangeFrame);
    helpers::setDice(&main, "23456");
    helpers::setHeld(&main, held);
    const uint32_t seed = 99u;
    rng::setSeed(seed);
    table.fake.sound.log.clear();

    press(main);
    for (int n = 0; n < heldSteps; ++n) {
        main.a_roll->step();
        QVERIFY(main.a_roll->Play());
    }
    QCOMPARE(frames.join(' '), whileHeld);
    QCOMPARE(table.fake.sound.log.join(','), QStringLiteral("2 loop"));
    frames.clear();
    release(main);
    runCup(main, frames);
    QCOMPARE(frames.join(' '), afterRelease);
    QCOMPARE(main.a_roll->Play(), false);
    QCOMPARE(table.fake.sound.log.join(','), QStringLiteral("2 loop,stop,3"));
    // Every change of frame rolled the free dice, except the arrival at 2
    // after the release, which only passes on to 5.
    const int rolls = int(whileHeld.split(' ', Qt::SkipEmptyParts).size()
                          + afterRelease.split(' ').size() - 1);
    QCOMPARE(faces(main), expectedFaces(seed, rolls, held, "23456"));
}

void TestRoll::pressDuringTheTipLandsAtTheRelease()
{
    Table table;
    Tw_Quindle_Main &main = *table.main;
    helpers::newGame(&main, 1);
    main.a_roll->setInterval(0);
    press(main);
    release(main);
    while (main.a_roll->Frame() != 6)
        main.a_roll->step();
    // Held again while the cup tips: it runs out to 9 and stops there with
    // the button down (issue #3), so the release lands the second roll and
    // stops its rattle.
    press(main);
    QStringList frames;
    runCup(main, frames);
    QCOMPARE(main.a_roll->Frame(), 9);
    QCOMPARE(main.RollHeld, true);
    helpers::setHeld(&main, QStringLiteral("11111"));
    helpers::setDice(&main, QStringLiteral("33333"));
    release(main);
    QCOMPARE(main.RollsLeft(), 1);
    QCOMPARE(table.fake.sound.log.join(','), QStringLiteral("2 loop,2 loop,stop,3,5"));
}

void TestRoll::withoutASoundDeviceRollsAreSilent()
{
    Table table(false);
    Tw_Quindle_Main &main = *table.main;
    QVERIFY(!main.Sound1->isChecked());
    QVERIFY(!main.Sound1->isEnabled());
    helpers::newGame(&main, 1);
    helpers::setDice(&main, "55555");
    helpers::setHeld(&main, "11111");
    press(main);
    release(main);
    QTRY_COMPARE_WITH_TIMEOUT(main.a_roll->Play(), false, 3000);
    QCOMPARE(main.a_roll->Frame(), 9);
    QCOMPARE(main.RollsLeft(), 2);
    QVERIFY(table.fake.sound.log.isEmpty());
}

QUINDLE_TEST_MAIN(TestRoll)
#include "tst_roll.moc"
