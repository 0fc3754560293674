// SPDX-License-Identifier: MIT
// Where the popup help window goes and how large its box is.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/PopHelpW.h"
#include "platform/Resources.h"

#include <QFontMetrics>

class TestPopHelpW : public QObject {
    Q_OBJECT
private slots:
    void popupStaysOnTheScreen_data();
    void popupStaysOnTheScreen();
    void boxIsAsLargeAsTheWrappedText_data();
    void boxIsAsLargeAsTheWrappedText();
    void linesBreakOnePixelInsideTheWrapWidth();
};

void TestPopHelpW::popupStaysOnTheScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("topLeft");
    const QSize box(101, 40);
    QTest::newRow("centred on the pointer, the top at it")
        << box << QPoint(300, 200) << QPoint(250, 200);
    QTest::newRow("near the right edge it ends there")
        << box << QPoint(620, 200) << QPoint(539, 200);
    QTest::newRow("near the bottom it ends there") << box << QPoint(300, 470) << QPoint(250, 440);
    QTest::newRow("near the left edge it starts at 0") << box << QPoint(20, 200) << QPoint(0, 200);
    QTest::newRow("above the top it starts at 0") << box << QPoint(300, -6) << QPoint(250, 0);
    QTest::newRow("wider than the screen it sticks out at the left")
        << QSize(700, 40) << QPoint(20, 200) << QPoint(-60, 200);
    QTest::newRow("taller than the screen it sticks out at the top")
        << QSize(101, 500) << QPoint(300, 10) << QPoint(250, -20);
}

// The screen is the platform's, set here to 640 x 480; the box is the measured
// text and 13 pixels.
void TestPopHelpW::popupStaysOnTheScreen()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, topLeft);
    QCOMPARE(pophelp::placeWindow(size, pointer, QSize(640, 480)), QRect(topLeft, size));

    FakePlatform fake;
    fake.screen.screenSize = QSize(640, 480);
    THelpWindow window;
    window.HelpText = QStringLiteral("Near the edge");
    window.WrapWidth = 320;
    window.PointerX = pointer.x();
    window.PointerY = pointer.y();
    window.PlaceWindow();
    const QSize box = pophelp::measureText(window.font(), window.HelpText, 320) + QSize(13, 13);
    QCOMPARE(window.geometry(), pophelp::placeWindow(box, pointer, QSize(640, 480)));
}

void TestPopHelpW::boxIsAsLargeAsTheWrappedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wrapWidth");
    QTest::addColumn<QString>("lines"); // the lines it must break into
    QTest::newRow("a short text is as wide as its longest line, not the wrap width")
        << "Short\r\nA longer line" << 320 << "Short|A longer line";
    QTest::newRow("a wrap width of 0 puts every word on a line of its own")
        << "one two three" << 0 << "one|two|three";
    QTest::newRow("a word wider than the wrap width widens the box")
        << "Unbreakable" << 20 << "Unbreakable";
}

void TestPopHelpW::boxIsAsLargeAsTheWrappedText()
{
    QFETCH(QString, text);
    QFETCH(int, wrapWidth);
    QFETCH(QString, lines);
    const QFont font = res::uiFont();
    const QFontMetrics metrics(font);
    const QStringList expected = lines.split('|');
    int widest = 0;
    for (const QString &line : expected)
        widest = qMax(widest, metrics.boundingRect(QRect(0, 0, 1000, 0), 0, line).width());
    const QSize measured = pophelp::measureText(font, text, wrapWidth);
    QCOMPARE(measured.width(), widest);
    const QRect unwrapped = metrics.boundingRect(QRect(0, 0, 1000, 0), 0, expected.join('\n'));
    QCOMPARE(measured.height(), unwrapped.height());
}

void TestPopHelpW::linesBreakOnePixelInsideTheWrapWidth()
{
    const QFont font = res::uiFont();
    const QString text = QStringLiteral("Two words");
    const int full = QFontMetrics(font).boundingRect(QRect(0, 0, 1000, 0), 0, text).width();
    const QSize oneLine = pophelp::measureText(font, text, full + 1);
    QCOMPARE(oneLine.width(), full);
    QCOMPARE(pophelp::measureText(font, text, full).height(), 2 * oneLine.height());
}

QUINDLE_TEST_MAIN(TestPopHelpW)
#include "tst_PopHelpW.moc"
