// SPDX-License-Identifier: MIT
// The die of the tray: its value, its hold, its face and the player's presses.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include <QWindow>
namespace {
struct Tray : QWidget { // behind the die, counting the presses that reach it
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    int presses = 0;
};
QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
} // namespace
class TestQuindleDice : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsDrawnAtOnce_data()
    {
        QTest::addColumn<QString>("changes"); // from a free one: v value, h hold, r roll from a seed, L R M D presses
        QTest::addColumn<QString>("after"); // the face, holds at presses, paints inside the writes, presses through
        QTest::newRow("seven is stored as six, and held it shows the grey six") << "v7 h1" << "6 held,,2,0";
        QTest::newRow("minus three is stored as zero, a white face without pips") << "v-3" << "0 free,,1,0";
        QTest::newRow("a held zero is a grey face without pips") << "h1 v0" << "0 held,,2,0";
        QTest::newRow("a roll from seed 12345 shows 3: 1655067934 * 6 / 2^32 = 2.31") << "r12345" << "3 free,,1,0";
        QTest::newRow("any button flips the hold as it goes down, a double click's second press too")
            << "R L D M" << "1 held,1001,-,0";
        QTest::newRow("a disabled die lets a press through, and takes them back once enabled")
            << "off L on L" << "1 held,01,-,1";
    }
    void everyChangeIsDrawnAtOnce()
    {
        Tray tray;
        auto *die = new TQuindleDice(&tray);
        tray.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tray));
        PaintCounter counter;
        die->installEventFilter(&counter);
        QFETCH(QString, changes);
        QString holds;
        QWindow *w = tray.windowHandle();
        for (const QString &change : changes.split(' ')) {
            const auto button = change == "R" ? Qt::RightButton : change == "M" ? Qt::MiddleButton : Qt::LeftButton;
            const QPoint middle = die->geometry().center();
            if (change == "off" || change == "on")
                die->setEnabled(change == "on");
            else if (change[0] == 'v' || change[0] == 'h')
                change[0] == 'v' ? die->setValue(change.mid(1).toInt()) : die->setSelected(change.mid(1).toInt());
            else if (change[0] == 'r') {
                rng::setSeed(change.mid(1).toUInt());
                die->Roll();
            }
            else
                change == "D" ? QTest::mouseDClick(w, button, {}, middle) : QTest::mousePress(w, button, {}, middle);
            if (QStringLiteral("LRMD").contains(change)) {
                holds += QString::number(die->Selected());
                QTest::mouseRelease(w, button, {}, middle);
            }
        }
        const int value = die->Value(), held = die->Selected();
        const QString paints = holds.isEmpty() ? QString::number(counter.paints) : QStringLiteral("-");
        QTEST(QStringLiteral("%1 %2,%3,%4,%5").arg(value).arg(held ? "held" : "free", holds, paints).arg(tray.presses), "after");
        // A blank face is the face of a one, corners and all, with its middle in the face's colour.
        const QImage face = rgb(QImage(res::bitmap(value ? 1000 + value + 6 * held : 1001 + 6 * held)));
        const QImage shown = rgb(die->grab().toImage());
        QVERIFY(value ? shown == face : shown.pixel(22, 22) == face.pixel(22, 6) && shown.pixel(0, 0) == face.pixel(0, 0));
        die->resize(60, 60); // a die is always 45 by 45, whatever size code gave it
        QTRY_COMPARE(die->size(), QSize(45, 45));
    }
};

QUINDLE_TEST_MAIN(TestQuindleDice)
#include "tst_QuindleDice.moc"
