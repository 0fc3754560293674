// SPDX-License-Identifier: MIT
// The scorecard's row controls: what they keep, where a press lands and
// what they draw, read back from the pixels they put on screen.
#include "TestMain.h"
#include "platform/Resources.h"
#include "scoring/CardLine.h"

#include <QPainter>
#include <memory>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(192, 192, 192);

// Counts paints, to tell a repaint inside the setter from a later update.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

QImage shown(QWidget *row)
{
    return row->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The non-white pixels inside a column, below the top rule, without the
// separators.
QList<QPoint> inkIn(const QImage &image, int column)
{
    static constexpr int Lefts[3] = {0, 31, 61};
    static constexpr int Rights[3] = {29, 59, 91};
    QList<QPoint> ink;
    for (int y = 1; y < image.height(); ++y) {
        for (int x = Lefts[column - 1]; x <= Rights[column - 1]; ++x) {
            if (image.pixel(x, y) != White)
                ink.append(QPoint(x, y));
        }
    }
    return ink;
}
} // namespace

class TestCardLine : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_host->setFont(res::uiFont());
    }
    void cleanup() { m_host.reset(); }

    void settersKeepTheFirstCharacters_data();
    void settersKeepTheFirstCharacters();
    void settersRepaintAtOnce();
    void everyPressSetsClickColumnButOnlyALeftClickScores();
    void gridHasItsRuleAndSeparators();
    void textsAreCentredInTheirColumnColours_data();
    void textsAreCentredInTheirColumnColours();
    void checkRowShowsCheckMarks_data();
    void checkRowShowsCheckMarks();

private:
    TCardLine *addRow(int topLine = 0, bool check = false);

    std::unique_ptr<QWidget> m_host;
};

TCardLine *TestCardLine::addRow(int topLine, bool check)
{
    auto *row = check ? new TCardCheckLine(m_host.get()) : new TCardLine(m_host.get());
    row->move(10, 10 + 20 * (m_host->children().size() - 1));
    row->setTopLine(topLine);
    row->show();
    m_host->show();
    if (!QTest::qWaitForWindowExposed(m_host.get()))
        qWarning("the host window was not exposed");
    return row;
}

void TestCardLine::settersKeepTheFirstCharacters_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("a four-digit text in column 2 keeps 123") << 3 << 2 << "1234" << "123";
    QTest::newRow("three characters in column 3 stay whole") << 3 << 3 << "105" << "105";
    QTest::newRow("the empty text clears column 1") << 3 << 1 << "" << "";
    QTest::newRow("a total row keeps 1125 whole") << 4 << 1 << "1125" << "1125";
    QTest::newRow("a total row keeps four of five digits") << 4 << 3 << "12345" << "1234";
}

void TestCardLine::settersKeepTheFirstCharacters()
{
    QFETCH(int, maxLength);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    auto *row = addRow();
    row->MaxLength = maxLength;
    for (int c = 1; c <= 3; ++c)
        row->setCol(c, QStringLiteral("9"));
    row->setCol(column, text);
    QStringList expected{"9", "9", "9"};
    expected[column - 1] = kept;
    QCOMPARE((QStringList{row->Col1(), row->Col2(), row->Col3()}), expected);
    // What is kept is what is drawn.
    QCOMPARE(inkIn(shown(row), column).isEmpty(), kept.isEmpty());
}

void TestCardLine::settersRepaintAtOnce()
{
    for (const bool check : {false, true}) {
        TCardLine *row = addRow(1, check);
        PaintCounter counter;
        row->installEventFilter(&counter);
        QCoreApplication::processEvents();
        counter.paints = 0;
        row->setCol1(QStringLiteral("1"));
        QCOMPARE(counter.paints, 1);
        row->setTopLine(3);
        QCOMPARE(counter.paints, 2);
    }
}

// Where a press lands in each column is shown through the card's Triple
// (Easy) clicks in tst_card; here, which presses count as clicks.
void TestCardLine::everyPressSetsClickColumnButOnlyALeftClickScores()
{
    auto *row = addRow();
    QList<int> clicks;
    connect(row, &TCardLine::clicked, this, [&](TCardLine *sender) { clicks << sender->ClickColumn(); });
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(75, 8));
    QTest::mousePress(row, Qt::RightButton, {}, QPoint(45, 8));
    QCOMPARE(row->ClickColumn(), 2);
    QTest::mouseRelease(row, Qt::RightButton, {}, QPoint(45, 8));
    QTest::mousePress(row, Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(row->ClickColumn(), 1);
    QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(10, 40)); // released off the row
    QCOMPARE(clicks, QList<int>{3});
}

// A grey rule TopLine pixels high across the top, and one-pixel grey
// separators at 30 and 60 all the way down.
void TestCardLine::gridHasItsRuleAndSeparators()
{
    for (const int topLine : {0, 1, 3}) {
        const QImage image = shown(addRow(topLine));
        QCOMPARE(image.size(), QSize(92, 17));
        for (int y = 0; y < image.height(); ++y) {
            const bool rule = y < topLine;
            for (int x : {0, 29, 30, 31, 45, 59, 60, 61, 91})
                QVERIFY2(image.pixel(x, y) == (rule || x == 30 || x == 60 ? Grey : White),
                         qPrintable(QStringLiteral("TopLine %1 at %2,%3").arg(topLine).arg(x).arg(y)));
        }
    }
}

void TestCardLine::textsAreCentredInTheirColumnColours_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("50 in column 1 is black and centred on 15") << 1 << "50" << QColor(Qt::black);
    QTest::newRow("105 in column 2 is blue and centred on 45") << 2 << "105" << QColor(Qt::blue);
    QTest::newRow("a single 6 in column 3 is red and centred on 75") << 3 << "6" << QColor(Qt::red);
}

void TestCardLine::textsAreCentredInTheirColumnColours()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    auto *row = addRow();
    row->setCol(column, text);
    const QImage image = shown(row);
    const QList<QPoint> ink = inkIn(image, column);
    QVERIFY(!ink.isEmpty());
    int left = INT_MAX, right = INT_MIN;
    QColor pen = Qt::white; // anti-aliasing blends towards white: the darkest pixel is the pen
    for (const QPoint &p : ink) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        if (qGray(image.pixel(p)) < qGray(pen.rgb()))
            pen = image.pixelColor(p);
    }
    const double centre = (left + right + 1) / 2.0;
    QVERIFY2(qAbs(centre - (15 + 30 * (column - 1))) <= 1.5, qPrintable(QString::number(centre)));
    const int distance = qAbs(pen.red() - colour.red()) + qAbs(pen.green() - colour.green())
                         + qAbs(pen.blue() - colour.blue());
    QVERIFY2(distance < 96, qPrintable(pen.name()));
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(inkIn(image, c).isEmpty(), c != column);
}

void TestCardLine::checkRowShowsCheckMarks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("marks");

    QTest::newRow("an empty check row shows no marks") << 1 << "" << 0;
    QTest::newRow("a check row holding 0 shows no marks") << 1 << "0" << 0;
    QTest::newRow("1 shows one check mark in the Single column") << 1 << "1" << 1;
    QTest::newRow("2 in column 2 shows two marks in the Double column") << 2 << "2" << 2;
    QTest::newRow("3 in column 3 shows three marks in the Triple column") << 3 << "3" << 3;
}

void TestCardLine::checkRowShowsCheckMarks()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, marks);
    TCardLine *row = addRow(1, true);
    row->setCol(column, text);
    const QImage image = shown(row);
    static constexpr int Lefts[3] = {2, 32, 62};
    for (int c = 1; c <= 3; ++c) {
        if (c != column || marks == 0) {
            QVERIFY(inkIn(image, c).isEmpty());
            continue;
        }
        QImage expected(25, 15, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, QImage(res::bitmap(res::checkMarks(marks))));
        QCOMPARE(image.copy(Lefts[c - 1], 1, 25, 15), expected);
    }
}

QUINDLE_TEST_MAIN(TestCardLine)
#include "tst_CardLine.moc"
