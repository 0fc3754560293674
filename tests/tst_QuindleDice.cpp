// SPDX-License-Identifier: MIT
// The die of the tray: its value, its hold, its face and the player's presses.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "platform/Random.h"
#include "platform/Resources.h"

#include <QMouseEvent>
#include <QWindow>
#include <memory>

namespace {

// The tray behind the die: it counts the presses that reach it.
class Tray : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++presses; }
};

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage resourceFace(int id)
{
    return rgb(QImage(res::bitmap(id)));
}

// What the player sees of the die, read back from the window behind it.
QImage onScreen(const TQuindleDice *die)
{
    return rgb(die->parentWidget()->grab(die->geometry()).toImage());
}

// The LCG step and scaling worked out here, apart from the program's own.
int expectedRoll(uint32_t seed)
{
    const uint32_t next = seed * 134775813u + 1u;
    return int((uint64_t(next) * 6u) >> 32) + 1;
}

const QPoint Middle(22, 22);

} // namespace

class TestQuindleDice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsAsAFreeOne();
    void valueIsClampedAndRedrawnAtEveryWrite_data();
    void valueIsClampedAndRedrawnAtEveryWrite();
    void holdIsRedrawnAtEveryWrite_data();
    void holdIsRedrawnAtEveryWrite();
    void valueZeroShowsABlankFace_data();
    void valueZeroShowsABlankFace();
    void rollTakesTheNextValueOfTheGenerator_data();
    void rollTakesTheNextValueOfTheGenerator();
    void pressesFlipTheHold_data();
    void pressesFlipTheHold();
    void doubleClickFromTheWindowFlipsTwice();
    void disabledDieLetsPressesThroughToTheTray_data();
    void disabledDieLetsPressesThroughToTheTray();
    void sizeGivenByCodeIsUndoneAtTheNextPaint();

private:
    std::unique_ptr<Tray> m_tray;
    TQuindleDice *m_die = nullptr;
    PaintCounter m_counter;
};

void TestQuindleDice::init()
{
    m_tray = std::make_unique<Tray>();
    m_tray->resize(100, 60);
    m_die = new TQuindleDice(m_tray.get());
    m_die->move(2, 2);
    m_tray->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tray.get()));
    m_die->installEventFilter(&m_counter);
    m_counter.paints = 0;
}

void TestQuindleDice::cleanup()
{
    m_tray.reset();
}

void TestQuindleDice::startsAsAFreeOne()
{
    TQuindleDice fresh;
    QCOMPARE(fresh.Value(), 1);
    QCOMPARE(fresh.Selected(), false);
    QCOMPARE(fresh.size(), QSize(45, 45));
    QCOMPARE(onScreen(m_die), resourceFace(1001));
}

void TestQuindleDice::valueIsClampedAndRedrawnAtEveryWrite_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("stored");

    QTest::newRow("seven is stored as six and shows the six") << 2 << 7 << 6;
    QTest::newRow("a huge value is stored as six") << 2 << 1000000 << 6;
    QTest::newRow("minus three is stored as zero") << 2 << -3 << 0;
    QTest::newRow("three is stored as it is") << 5 << 3 << 3;
    QTest::newRow("writing the value shown again still repaints") << 4 << 4 << 4;
}

void TestQuindleDice::valueIsClampedAndRedrawnAtEveryWrite()
{
    QFETCH(int, before);
    QFETCH(int, written);
    QFETCH(int, stored);

    m_die->setValue(before);
    const int paints = m_counter.paints;
    m_die->setValue(written);
    // Painted inside the write itself, before any event is processed.
    QCOMPARE(m_counter.paints, paints + 1);
    QCOMPARE(m_die->Value(), stored);
    if (stored > 0)
        QCOMPARE(onScreen(m_die), resourceFace(1000 + stored));
}

void TestQuindleDice::holdIsRedrawnAtEveryWrite_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("face");

    QTest::newRow("holding a free five shows the grey five") << false << true << 1011;
    QTest::newRow("releasing a held five shows the white five") << true << false << 1005;
    QTest::newRow("holding a held die again repaints the grey face") << true << true << 1011;
    QTest::newRow("releasing a free die again repaints the white face") << false << false << 1005;
}

void TestQuindleDice::holdIsRedrawnAtEveryWrite()
{
    QFETCH(bool, before);
    QFETCH(bool, written);
    QFETCH(int, face);

    m_die->setValue(5);
    m_die->setSelected(before);
    const int paints = m_counter.paints;
    m_die->setSelected(written);
    QCOMPARE(m_counter.paints, paints + 1);
    QCOMPARE(m_die->Selected(), written);
    QCOMPARE(m_die->Value(), 5);
    QCOMPARE(onScreen(m_die), resourceFace(face));
}

void TestQuindleDice::valueZeroShowsABlankFace_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("sameColourAs");

    QTest::newRow("a free die with value zero is white without pips") << false << 1001;
    QTest::newRow("a held die with value zero is grey without pips") << true << 1007;
}

void TestQuindleDice::valueZeroShowsABlankFace()
{
    QFETCH(bool, held);
    QFETCH(int, sameColourAs);

    m_die->setSelected(held);
    m_die->setValue(0);
    const QImage shown = onScreen(m_die);
    const QRgb faceColour = resourceFace(sameColourAs).pixel(22, 6);
    // No pip anywhere in the middle: one colour, the face's own.
    for (int y = 8; y < 37; ++y) {
        for (int x = 8; x < 37; ++x)
            QCOMPARE(shown.pixel(x, y), faceColour);
    }
    // In particular a held zero is not the free six that its number would name.
    for (int id = 1001; id <= 1012; ++id)
        QVERIFY2(shown != resourceFace(id), qPrintable(QString::number(id)));
    QCOMPARE(shown.pixel(0, 0), qRgb(0, 255, 0));
}

void TestQuindleDice::rollTakesTheNextValueOfTheGenerator_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<bool>("held");

    QTest::newRow("from the start-up seed zero the first roll is worked out by the formula")
        << 0u << false;
    QTest::newRow("a seed from the clock at noon gives the formula's value") << 43200000u << false;
    QTest::newRow("the largest seed wraps around and still gives the formula's value")
        << 0xffffffffu << false;
    QTest::newRow("a held die rolls all the same") << 12345u << true;
}

void TestQuindleDice::rollTakesTheNextValueOfTheGenerator()
{
    QFETCH(uint, seed);
    QFETCH(bool, held);

    m_die->setSelected(held);
    // Some value the roll cannot leave in place by accident.
    m_die->setValue(expectedRoll(seed) % 6 + 1);
    rng::setSeed(seed);
    const int paints = m_counter.paints;
    m_die->Roll();
    QCOMPARE(m_die->Value(), expectedRoll(seed));
    QCOMPARE(rng::seed(), seed * 134775813u + 1u);
    QCOMPARE(m_counter.paints, paints + 1);
    QCOMPARE(m_die->Selected(), held);
}

void TestQuindleDice::pressesFlipTheHold_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("held");

    QTest::newRow("a left press holds a free die") << Qt::LeftButton << false;
    QTest::newRow("a left press releases a held die") << Qt::LeftButton << true;
    QTest::newRow("a right press holds a die like the left one") << Qt::RightButton << false;
    QTest::newRow("a middle press releases a die like the left one") << Qt::MiddleButton << true;
}

void TestQuindleDice::pressesFlipTheHold()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, held);

    m_die->setValue(3);
    m_die->setSelected(held);
    QTest::mousePress(m_die, button, {}, Middle);
    // The hold changes while the button is still down...
    QCOMPARE(m_die->Selected(), !held);
    QCOMPARE(onScreen(m_die), resourceFace(held ? 1003 : 1009));
    // ...and letting go changes nothing.
    QTest::mouseRelease(m_die, button, {}, Middle);
    QCOMPARE(m_die->Selected(), !held);
    QCOMPARE(m_tray->presses, 0);

    // A double click reaches a widget as press, release, double click,
    // release: the double click is the second press.
    QTest::mousePress(m_die, button, {}, Middle);
    QTest::mouseRelease(m_die, button, {}, Middle);
    QTest::mouseDClick(m_die, button, {}, Middle);
    QCOMPARE(m_die->Selected(), !held);
    QTest::mouseRelease(m_die, button, {}, Middle);
    QCOMPARE(m_die->Selected(), !held);
    QCOMPARE(m_tray->presses, 0);
}

void TestQuindleDice::doubleClickFromTheWindowFlipsTwice()
{
    // Through the window system, as a player's double click arrives: the
    // second press comes as a double click and must count as a press.
    QWindow *window = m_tray->windowHandle();
    const QPoint at = m_die->geometry().center();
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
    QCOMPARE(m_die->Selected(), true);
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    QCOMPARE(m_die->Selected(), true);
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QCOMPARE(m_die->Selected(), false);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    QCOMPARE(m_tray->presses, 0);
}

void TestQuindleDice::disabledDieLetsPressesThroughToTheTray_data()
{
    QTest::addColumn<bool>("throughWindow");

    QTest::newRow("a press found by position under the pointer reaches the tray") << true;
    QTest::newRow("a press sent to the die itself is passed on to the tray") << false;
}

void TestQuindleDice::disabledDieLetsPressesThroughToTheTray()
{
    QFETCH(bool, throughWindow);

    m_die->setValue(2);
    m_die->setEnabled(false);
    if (throughWindow) {
        QTest::mousePress(m_tray->windowHandle(), Qt::LeftButton, {}, m_die->geometry().center());
        QTest::mouseRelease(m_tray->windowHandle(), Qt::LeftButton, {}, m_die->geometry().center());
    } else {
        QTest::mousePress(m_die, Qt::RightButton, {}, Middle);
        QTest::mouseRelease(m_die, Qt::RightButton, {}, Middle);
    }
    QCOMPARE(m_die->Selected(), false);
    QCOMPARE(m_tray->presses, 1);

    // Code still holds it, and the die still shows it.
    const int paints = m_counter.paints;
    m_die->setSelected(true);
    QCOMPARE(m_counter.paints, paints + 1);
    QCOMPARE(onScreen(m_die), resourceFace(1008));

    // Enabled again, the die takes its presses back.
    m_die->setEnabled(true);
    QTest::mousePress(m_tray->windowHandle(), Qt::LeftButton, {}, m_die->geometry().center());
    QCOMPARE(m_die->Selected(), false);
    QCOMPARE(m_tray->presses, 1);
}

void TestQuindleDice::sizeGivenByCodeIsUndoneAtTheNextPaint()
{
    m_die->resize(60, 60);
    QCOMPARE(m_die->size(), QSize(60, 60));
    QTRY_COMPARE(m_die->size(), QSize(45, 45));
    QVERIFY(m_counter.paints > 0);
}

QUINDLE_TEST_MAIN(TestQuindleDice)
#include "tst_QuindleDice.moc"
