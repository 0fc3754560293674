// SPDX-License-Identifier: MIT
// The die of the tray: its value, its hold, its face and the player's presses.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include <QWindow>
#include <functional>
#include <memory>
namespace {
struct Tray : QWidget { // behind the die, counting the presses that reach it
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    int presses = 0;
};
QImage resourceFace(int id) { return QImage(res::bitmap(id)).convertToFormat(QImage::Format_RGB32); }
} // namespace

class TestQuindleDice : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_tray = std::make_unique<Tray>();
        m_die = new TQuindleDice(m_tray.get());
        m_die->setValue(2);
        m_tray->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tray.get()));
    }
    void everyWriteIsDrawnAtOnce_data()
    {
        QTest::addColumn<QString>("writes"); // each starts from a free two
        QTest::addColumn<QString>("after");
        QTest::newRow("seven is stored as six, and held it shows the grey six") << "value 7, held 1" << "6 held";
        QTest::newRow("minus three is stored as zero, a white face without pips") << "value -3" << "0 free";
        QTest::newRow("a held zero is a grey face without pips") << "held 1, value 0" << "0 held";
        QTest::newRow("writing the value and hold shown again still repaints") << "value 2, held 0" << "2 free";
        // By hand: 12345 * 134775813 + 1 = 1655067934 (mod 2^32), and 1655067934 * 6 / 2^32 = 2.31.
        QTest::newRow("a roll from seed 12345 shows the third face") << "roll 12345" << "3 free";
    }
    void everyWriteIsDrawnAtOnce()
    {
        static const QHash<QString, std::function<void(TQuindleDice *, int)>> Writes{
            {"value", &TQuindleDice::setValue}, {"held", &TQuindleDice::setSelected},
            {"roll", [](TQuindleDice *die, int seed) { rng::setSeed(uint32_t(seed)), die->Roll(); }}};
        QFETCH(QString, writes);
        PaintCounter counter;
        m_die->installEventFilter(&counter);
        const QStringList list = writes.split(QStringLiteral(", "));
        for (const QString &write : list)
            Writes[write.section(QLatin1Char(' '), 0, 0)](m_die, write.section(QLatin1Char(' '), 1).toInt());
        QCOMPARE(counter.paints, list.size()); // inside each write, before any event is processed
        const int value = m_die->Value(), held = m_die->Selected();
        QTEST(QStringLiteral("%1 %2").arg(value).arg(held ? "held" : "free"), "after");
        // A blank face is the face of a one, corners and all, with its middle in the face's colour.
        const QImage face = resourceFace(value ? 1000 + value + 6 * held : 1001 + 6 * held), shown = onScreen();
        QImage blank = face.copy(8, 8, 29, 29);
        blank.fill(face.pixel(22, 6));
        QVERIFY(value ? shown == face
                      : shown.copy(8, 8, 29, 29) == blank && shown.pixel(0, 0) == face.pixel(0, 0));
    }
    // A double click's second press comes as a double click; a disabled die lets presses through.
    void pressesFlipTheHoldAsTheyGoDownOnlyWhileEnabled()
    {
        QWindow *window = m_tray->windowHandle();
        const QPoint middle = m_die->geometry().center();
        QString holds; // as each press went down
        const auto press = [&](Qt::MouseButton button) {
            QTest::mousePress(window, button, {}, middle);
            holds += QString::number(m_die->Selected());
            QTest::mouseRelease(window, button, {}, middle);
        };
        press(Qt::RightButton), press(Qt::LeftButton);
        QTest::mouseDClick(window, Qt::LeftButton, {}, middle);
        holds += QString::number(m_die->Selected());
        press(Qt::MiddleButton), m_die->setEnabled(false), press(Qt::LeftButton);
        m_die->setEnabled(true), press(Qt::LeftButton); // enabled again, it takes its presses back
        QCOMPARE(holds + QStringLiteral(" %1").arg(m_tray->presses), QStringLiteral("100110 1"));
        QCOMPARE(onScreen(), resourceFace(1002));
        m_die->resize(60, 60); // a die is always 45 by 45, whatever size code gave it
        QTRY_COMPARE(m_die->size(), QSize(45, 45));
    }
private:
    QImage onScreen() const { return m_die->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    std::unique_ptr<Tray> m_tray; // the last one goes with the test object
    TQuindleDice *m_die = nullptr;
};

QUINDLE_TEST_MAIN(TestQuindleDice)
#include "tst_QuindleDice.moc"
