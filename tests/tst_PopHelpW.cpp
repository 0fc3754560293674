// SPDX-License-Identifier: MIT
// Where the popup help window goes and how large its box is.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/PopHelpW.h"

class TestPopHelpW : public QObject {
    Q_OBJECT
private slots:
    void popupStaysOnTheScreen();
    void boxHoldsTheWrappedText_data();
    void boxHoldsTheWrappedText();
};

// On a screen of 640 x 480: centred on the pointer, the top at it; pulled in at
// the right and bottom, then at the left and top; larger, out at the left and top.
void TestPopHelpW::popupStaysOnTheScreen()
{
    QStringList corners;
    for (const auto &[size, pointer] : {std::pair{QSize(101, 40), QPoint(300, 200)}, {QSize(101, 40), QPoint(620, 470)},
                                        {QSize(101, 40), QPoint(20, -6)}, {QSize(700, 500), QPoint(20, 10)}}) {
        const QPoint at = pophelp::placeWindow(size, pointer, QSize(640, 480)).topLeft();
        corners << QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    }
    QCOMPARE(corners.join(' '), "250,200 539,440 0,0 -60,-20");
}

void TestPopHelpW::boxHoldsTheWrappedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wrapWidth");
    QTest::addColumn<QString>("lines"); // the lines it must break into
    const int twoWords = QFontMetrics(QApplication::font()).boundingRect(QRect(0, 0, 1000, 0), 0, "Two words").width();
    QTest::newRow("as wide as its longest line, not the wrap width") << "Short\r\nA longer line" << 320 << "Short|A longer line";
    QTest::newRow("at a wrap width of 0 every word on a line of its own") << "one two" << 0 << "one|two";
    QTest::newRow("a word wider than the wrap width widens it") << "Unbreakable" << 20 << "Unbreakable";
    QTest::newRow("a line breaks one pixel inside the wrap width") << "Two words" << twoWords << "Two|words";
    QTest::newRow("and stays whole one pixel further") << "Two words" << twoWords + 1 << "Two words";
}

// The window adds 13 pixels of frame, margins and shadow to the lines of text.
void TestPopHelpW::boxHoldsTheWrappedText()
{
    QFETCH(QString, text);
    QFETCH(int, wrapWidth);
    QFETCH(QString, lines);
    const QFontMetrics metrics(QApplication::font());
    const QSize box = metrics.boundingRect(QRect(0, 0, 1000, 0), 0, lines.replace('|', '\n')).size() + QSize(13, 13);
    FakePlatform fake; // a screen of 1024 x 768, into whose corner the window is pushed
    THelpWindow window;
    window.HelpText = text;
    window.WrapWidth = wrapWidth;
    window.PointerX = 1023;
    window.PointerY = 767;
    window.PlaceWindow();
    QCOMPARE(window.geometry(), QRect(QPoint(1024 - box.width(), 768 - box.height()), box));
}

QUINDLE_TEST_MAIN(TestPopHelpW)
#include "tst_PopHelpW.moc"
