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

} // namespace

class TestQuindleDice : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_tray = std::make_unique<Tray>();
        m_tray->resize(100, 60);
        m_die = new TQuindleDice(m_tray.get());
        m_die->move(2, 2);
        m_die->setValue(2);
        m_tray->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tray.get()));
        m_die->installEventFilter(&m_counter);
    }
    void cleanup() { m_tray.reset(); }

    void everyWriteIsDrawnAtOnce_data();
    void everyWriteIsDrawnAtOnce();
    void anyButtonFlipsTheHoldAsItGoesDown_data();
    void anyButtonFlipsTheHoldAsItGoesDown();
    void disabledDieLetsPressesThroughToTheTray();
    void sizeGivenByCodeIsUndoneAtTheNextPaint();

private:
    QWindow *window() const { return m_tray->windowHandle(); }
    QPoint middle() const { return m_die->geometry().center(); }

    std::unique_ptr<Tray> m_tray;
    TQuindleDice *m_die = nullptr;
    PaintCounter m_counter;
};

void TestQuindleDice::everyWriteIsDrawnAtOnce_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QString>("after");

    // Each starts from a free two.
    QTest::newRow("seven is stored as six and shows the six") << "value 7" << "6 free";
    QTest::newRow("minus three is stored as zero, a white face without pips")
        << "value -3" << "0 free";
    QTest::newRow("a held zero is a grey face without pips") << "held 1, value 0" << "0 held";
    QTest::newRow("writing the value shown again still repaints") << "value 2" << "2 free";
    QTest::newRow("holding the die shows the grey two") << "held 1" << "2 held";
    QTest::newRow("releasing a free die again still repaints") << "held 0" << "2 free";
    // Worked out by hand: 12345 * 134775813 + 1 = 1655067934 (mod 2^32),
    // and 1655067934 * 6 / 2^32 = 2.31, the third face.
    QTest::newRow("a roll from seed 12345 shows a three") << "roll 12345" << "3 free";
}

void TestQuindleDice::everyWriteIsDrawnAtOnce()
{
    QFETCH(QString, writes);
    QFETCH(QString, after);
    m_counter.paints = 0;
    const QStringList list = writes.split(QStringLiteral(", "));
    for (const QString &write : list) {
        const int number = write.section(QLatin1Char(' '), 1).toInt();
        if (write.startsWith(QLatin1String("value"))) {
            m_die->setValue(number);
        } else if (write.startsWith(QLatin1String("held"))) {
            m_die->setSelected(number != 0);
        } else {
            rng::setSeed(uint32_t(number));
            m_die->Roll();
        }
    }
    // Painted inside each write itself, before any event is processed.
    QCOMPARE(m_counter.paints, list.size());
    const bool held = m_die->Selected();
    QCOMPARE(QStringLiteral("%1 %2").arg(m_die->Value()).arg(held ? "held" : "free"), after);
    const QImage shown = onScreen(m_die);
    if (m_die->Value() > 0) {
        QCOMPARE(shown, resourceFace(1000 + m_die->Value() + (held ? 6 : 0)));
        return;
    }
    // A blank face: no pip anywhere in the middle, one colour, the face's own.
    const QRgb faceColour = resourceFace(held ? 1007 : 1001).pixel(22, 6);
    for (int y = 8; y < 37; ++y) {
        for (int x = 8; x < 37; ++x)
            QCOMPARE(shown.pixel(x, y), faceColour);
    }
    QCOMPARE(shown.pixel(0, 0), qRgb(0, 255, 0));
}

void TestQuindleDice::anyButtonFlipsTheHoldAsItGoesDown_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("held");
    QTest::newRow("a left press releases a held die") << Qt::LeftButton << 1 << true;
    QTest::newRow("a right press holds a free die") << Qt::RightButton << 1 << false;
    QTest::newRow("a middle press releases a held die") << Qt::MiddleButton << 1 << true;
    // The second press of a double click comes as a double click event.
    QTest::newRow("a double click flips the die twice") << Qt::LeftButton << 2 << false;
}

void TestQuindleDice::anyButtonFlipsTheHoldAsItGoesDown()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QFETCH(bool, held);
    m_die->setSelected(held);
    const bool flipped = clicks == 1 ? !held : held;
    if (clicks == 2) {
        QTest::mouseDClick(window(), button, {}, middle());
    } else {
        QTest::mousePress(window(), button, {}, middle());
        QCOMPARE(m_die->Selected(), flipped);
        QTest::mouseRelease(window(), button, {}, middle());
    }
    QCOMPARE(m_die->Selected(), flipped);
    QCOMPARE(onScreen(m_die), resourceFace(flipped ? 1008 : 1002));
    QCOMPARE(m_tray->presses, 0);
}

void TestQuindleDice::disabledDieLetsPressesThroughToTheTray()
{
    m_die->setEnabled(false);
    QTest::mouseClick(window(), Qt::LeftButton, {}, middle());
    QCOMPARE(m_die->Selected(), false);
    QCOMPARE(m_tray->presses, 1);
    // Code still holds it, and the die shows it.
    m_die->setSelected(true);
    QCOMPARE(onScreen(m_die), resourceFace(1008));
    // Enabled again, the die takes its presses back.
    m_die->setEnabled(true);
    QTest::mouseClick(window(), Qt::LeftButton, {}, middle());
    QCOMPARE(m_die->Selected(), false);
    QCOMPARE(m_tray->presses, 1);
}

void TestQuindleDice::sizeGivenByCodeIsUndoneAtTheNextPaint()
{
    m_die->resize(60, 60);
    QCOMPARE(m_die->size(), QSize(60, 60));
    QTRY_COMPARE(m_die->size(), QSize(45, 45));
}

QUINDLE_TEST_MAIN(TestQuindleDice)
#include "tst_QuindleDice.moc"
