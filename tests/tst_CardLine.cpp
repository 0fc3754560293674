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
template <typename Line>
class Counted : public Line {
public:
    using Line::Line;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Line::paintEvent(event);
    }
};

// The inner pixels of a column, without its separators.
QRect columnInterior(int column, int height)
{
    static constexpr int Lefts[3] = {0, 31, 61};
    static constexpr int Rights[3] = {29, 59, 91};
    return QRect(QPoint(Lefts[column - 1], 0), QPoint(Rights[column - 1], height - 1));
}

QList<QPoint> inkIn(const QImage &image, const QRect &area)
{
    QList<QPoint> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != White)
                ink.append(QPoint(x, y));
        }
    }
    return ink;
}

double horizontalCentre(const QList<QPoint> &ink)
{
    int left = INT_MAX, right = INT_MIN;
    for (const QPoint &p : ink) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
    }
    return (left + right + 1) / 2.0;
}

// The ink pixel nearest to the given colour.
QColor strongestInk(const QImage &image, const QList<QPoint> &ink, const QColor &colour)
{
    QColor best = Qt::white;
    int bestDistance = INT_MAX;
    for (const QPoint &p : ink) {
        const QColor c = image.pixelColor(p);
        const int distance = qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green())
                             + qAbs(c.blue() - colour.blue());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = c;
        }
    }
    return best;
}

// A check-mark picture as the row shows it, on white.
QImage checkMarksOnWhite(int count)
{
    const QImage marks(res::checkMarks(count));
    QImage result(25, 15, QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter(&result).drawImage(0, 0, marks, 0, 0, 25, 15);
    return result;
}
} // namespace

class TestCardLine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settersKeepTheFirstCharacters_data();
    void settersKeepTheFirstCharacters();
    void longTextShowsAsItsKeptPart();
    void settersRepaintAtOnce();
    void screenShowsThePicture();
    void pressSetsClickColumn_data();
    void pressSetsClickColumn();
    void clickNeedsReleaseOverTheRow();
    void topLineDrawsAGreyRule_data();
    void topLineDrawsAGreyRule();
    void separatorsAreOnePixelWide();
    void textsAreCentredInTheirColumnColours_data();
    void textsAreCentredInTheirColumnColours();
    void clearedColumnShowsNoText();
    void checkRowShowsCheckMarks_data();
    void checkRowShowsCheckMarks();

private:
    template <typename Line>
    Line *addRow(int topLine = 0);

    std::unique_ptr<QWidget> m_host;
};

void TestCardLine::init()
{
    m_host = std::make_unique<QWidget>();
    m_host->setFont(res::uiFont());
    m_host->resize(120, 60);
}

void TestCardLine::cleanup()
{
    m_host.reset();
}

template <typename Line>
Line *TestCardLine::addRow(int topLine)
{
    auto *row = new Line(m_host.get());
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
    QTest::newRow("a two-digit text in column 1 stays whole") << 3 << 1 << "50" << "50";
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
    auto *row = addRow<TCardLine>();
    row->MaxLength = maxLength;
    for (int c = 1; c <= 3; ++c)
        row->setCol(c, QStringLiteral("9"));
    switch (column) {
    case 1: row->setCol1(text); break;
    case 2: row->setCol2(text); break;
    default: row->setCol3(text); break;
    }
    QCOMPARE(row->col(column), kept);
    const QStringList all{row->Col1(), row->Col2(), row->Col3()};
    for (int c = 1; c <= 3; ++c) {
        if (c != column)
            QCOMPARE(all[c - 1], QStringLiteral("9"));
    }
}

void TestCardLine::longTextShowsAsItsKeptPart()
{
    auto *cut = addRow<TCardLine>();
    cut->setCol2(QStringLiteral("1234"));
    auto *plain = addRow<TCardLine>();
    plain->setCol2(QStringLiteral("123"));
    QCOMPARE(cut->picture(), plain->picture());
    QVERIFY(!inkIn(cut->picture(), columnInterior(2, cut->height())).isEmpty());
}

void TestCardLine::settersRepaintAtOnce()
{
    auto *row = addRow<Counted<TCardLine>>();
    QCoreApplication::processEvents();
    row->paints = 0;
    row->setCol2(QStringLiteral("7"));
    QCOMPARE(row->paints, 1);
    row->setTopLine(3);
    QCOMPARE(row->paints, 2);
    auto *check = addRow<Counted<TCardCheckLine>>();
    QCoreApplication::processEvents();
    check->paints = 0;
    check->setCol1(QStringLiteral("1"));
    QCOMPARE(check->paints, 1);
}

void TestCardLine::screenShowsThePicture()
{
    auto *row = addRow<TCardLine>(1);
    row->setCol1(QStringLiteral("12"));
    row->setCol2(QStringLiteral("34"));
    row->setCol3(QStringLiteral("105"));
    const QImage shown = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, row->picture());
}

void TestCardLine::pressSetsClickColumn_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("expected");

    QTest::newRow("a press at the left edge is column 1") << 0 << Qt::LeftButton << 1;
    QTest::newRow("a press at 29 is column 1") << 29 << Qt::LeftButton << 1;
    QTest::newRow("a press on the first separator at 30 is column 2") << 30 << Qt::LeftButton << 2;
    QTest::newRow("a press on the second separator at 60 is column 2") << 60 << Qt::LeftButton << 2;
    QTest::newRow("a press at 61 is column 3") << 61 << Qt::LeftButton << 3;
    QTest::newRow("a press at the right edge 91 is column 3") << 91 << Qt::LeftButton << 3;
    QTest::newRow("a right-button press at 45 still sets column 2") << 45 << Qt::RightButton << 2;
}

void TestCardLine::pressSetsClickColumn()
{
    QFETCH(int, x);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, expected);
    auto *row = addRow<TCardLine>();
    QCOMPARE(row->ClickColumn(), 0);
    // A press elsewhere first, so that a press that changed nothing shows.
    const int elsewhere = expected == 1 ? 91 : 0;
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(elsewhere, 8));
    QVERIFY(row->ClickColumn() != expected);

    int seenByClick = 0;
    connect(row, &TCardLine::clicked, this, [&](TCardLine *sender) {
        QCOMPARE(sender, row);
        seenByClick = sender->ClickColumn();
    });
    QTest::mousePress(row, button, {}, QPoint(x, 8));
    QCOMPARE(row->ClickColumn(), expected);
    QTest::mouseRelease(row, button, {}, QPoint(x, 8));
    if (button == Qt::LeftButton)
        QCOMPARE(seenByClick, expected);
    else
        QCOMPARE(seenByClick, 0);
}

void TestCardLine::clickNeedsReleaseOverTheRow()
{
    auto *row = addRow<TCardLine>();
    int clicks = 0;
    connect(row, &TCardLine::clicked, this, [&] { ++clicks; });
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(45, 8));
    QCOMPARE(clicks, 1);
    QTest::mousePress(row, Qt::LeftButton, {}, QPoint(45, 8));
    QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(45, 40));
    QCOMPARE(clicks, 1);
}

void TestCardLine::topLineDrawsAGreyRule_data()
{
    QTest::addColumn<int>("topLine");
    QTest::newRow("TopLine 0 draws no rule") << 0;
    QTest::newRow("TopLine 1 draws a one-pixel rule") << 1;
    QTest::newRow("TopLine 3 draws a three-pixel rule") << 3;
}

void TestCardLine::topLineDrawsAGreyRule()
{
    QFETCH(int, topLine);
    auto *row = addRow<TCardLine>(topLine);
    const QImage image = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(92, 17));
    for (int y = 0; y <= topLine; ++y) {
        const QRgb expected = y < topLine ? Grey : White;
        for (int x : {0, 10, 45, 75, 91})
            QVERIFY2(image.pixel(x, y) == expected, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    }
}

void TestCardLine::separatorsAreOnePixelWide()
{
    auto *row = addRow<TCardLine>(0);
    const QImage image = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QCOMPARE(image.pixel(30, y), Grey);
        QCOMPARE(image.pixel(60, y), Grey);
        for (int x : {29, 31, 59, 61})
            QCOMPARE(image.pixel(x, y), White);
    }
}

void TestCardLine::textsAreCentredInTheirColumnColours_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("50 in column 1 is black and centred on 15") << 1 << "50" << QColor(Qt::black);
    QTest::newRow("a single 8 in column 1 is centred on 15") << 1 << "8" << QColor(Qt::black);
    QTest::newRow("105 in column 2 is blue and centred on 45") << 2 << "105" << QColor(0, 0, 255);
    QTest::newRow("40 in column 3 is red and centred on 75") << 3 << "40" << QColor(255, 0, 0);
    QTest::newRow("a single 6 in column 3 is centred on 75") << 3 << "6" << QColor(255, 0, 0);
}

void TestCardLine::textsAreCentredInTheirColumnColours()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    auto *row = addRow<TCardLine>(0);
    row->setCol(column, text);
    const QImage image = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int c = 1; c <= 3; ++c) {
        if (c != column)
            QVERIFY(inkIn(image, columnInterior(c, image.height())).isEmpty());
    }
    const QList<QPoint> ink = inkIn(image, columnInterior(column, image.height()));
    QVERIFY(!ink.isEmpty());
    const double centre = horizontalCentre(ink);
    const int middle = 15 + 30 * (column - 1);
    QVERIFY2(qAbs(centre - middle) <= 1.5, qPrintable(QString::number(centre)));
    const QColor strongest = strongestInk(image, ink, colour);
    QVERIFY2(qAbs(strongest.red() - colour.red()) < 64 && qAbs(strongest.green() - colour.green()) < 64
                 && qAbs(strongest.blue() - colour.blue()) < 64,
             qPrintable(strongest.name()));
    // No ink of another column's colour strays in.
    for (const QPoint &p : ink) {
        const QColor c = image.pixelColor(p);
        if (column == 1)
            QVERIFY(qAbs(c.red() - c.blue()) < 40 && qAbs(c.red() - c.green()) < 40);
        if (column == 2)
            QVERIFY(c.blue() >= c.red() && c.blue() >= c.green());
        if (column == 3)
            QVERIFY(c.red() >= c.blue() && c.red() >= c.green());
    }
}

void TestCardLine::clearedColumnShowsNoText()
{
    auto *row = addRow<TCardLine>(0);
    row->setCol1(QStringLiteral("25"));
    const QImage before = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!inkIn(before, columnInterior(1, before.height())).isEmpty());
    row->setCol1(QString());
    QCOMPARE(row->Col1(), QString());
    const QImage after = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(inkIn(after, columnInterior(1, after.height())).isEmpty());
}

void TestCardLine::checkRowShowsCheckMarks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("marks");

    QTest::newRow("an empty check row shows no marks") << 1 << "" << 0;
    QTest::newRow("a check row holding 0 shows no marks") << 1 << "0" << 0;
    QTest::newRow("1 shows one check mark in the Single column") << 1 << "1" << 1;
    QTest::newRow("2 shows two check marks in the Single column") << 1 << "2" << 2;
    QTest::newRow("3 shows three check marks in the Single column") << 1 << "3" << 3;
    QTest::newRow("2 in column 2 shows two marks in the Double column") << 2 << "2" << 2;
    QTest::newRow("3 in column 3 shows three marks in the Triple column") << 3 << "3" << 3;
}

void TestCardLine::checkRowShowsCheckMarks()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, marks);
    for (int n = 1; n <= 3; ++n) {
        if (QImage(res::checkMarks(n)).isNull())
            QSKIP("the check-mark pictures 1CHECK..3CHECK are not among the resources yet");
    }
    auto *row = addRow<TCardCheckLine>(1);
    row->setCol(column, text);
    const QImage image = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The grid stays: rule and separators.
    QCOMPARE(image.pixel(45, 0), Grey);
    QCOMPARE(image.pixel(30, 16), Grey);
    QCOMPARE(image.pixel(60, 16), Grey);
    static constexpr int Lefts[3] = {2, 32, 62};
    for (int c = 1; c <= 3; ++c) {
        const QImage cell = image.copy(Lefts[c - 1], 1, 25, 15);
        if (c == column && marks > 0) {
            QCOMPARE(cell, checkMarksOnWhite(marks));
        } else {
            QVERIFY(inkIn(image, columnInterior(c, image.height()).adjusted(0, 1, 0, 0)).isEmpty());
        }
    }
}

QUINDLE_TEST_MAIN(TestCardLine)
#include "tst_CardLine.moc"
