// SPDX-License-Identifier: MIT
// The scorecard's rows: what they keep, where a press lands, and what they draw, read from the screen.
#include "PaintCounter.h"
#include "TestMain.h"
#include "platform/Resources.h"
#include "scoring/CardLine.h"
#include <memory>

namespace {
QImage shown(QWidget *row) { return row->grab().toImage().convertToFormat(QImage::Format_RGB32); }
// The row on screen on its own, in the program's font.
std::unique_ptr<TCardLine> shownRow(TCardLine *row)
{
    if (row->setFont(res::uiFont()), row->show(); !QTest::qWaitForWindowExposed(row))
        qWarning("the row was not exposed");
    return std::unique_ptr<TCardLine>(row);
}
// The rule's height, the grey columns along the bottom, then in each column the text's colour (its
// darkest pixel), centre and top: "rule 1 | 30 60 | - | blue 45 4 | -".
QString describe(const QImage &image)
{
    const QRgb grey = qRgb(192, 192, 192);
    int rule = 0;
    for (int y = 0; y < image.height(); ++y)
        rule += image.pixel(1, y) == grey;
    QString facts = QStringLiteral("rule %1 |").arg(rule);
    for (int x = 0; x < image.width(); ++x)
        facts += image.pixel(x, image.height() - 1) == grey ? QStringLiteral(" %1").arg(x) : QString();
    for (int column = 0; column < 3; ++column) {
        int left = INT_MAX, right = -1, top = INT_MAX;
        QRgb pen = qRgb(255, 255, 255);
        for (int y = qMax(rule, 1); y < image.height(); ++y)
            for (int x = 30 * column + (column > 0); x < 30 * column + 30; ++x)
                if (const QRgb pixel = image.pixel(x, y); qGray(pixel) < 255) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                    top = qMin(top, y);
                    pen = qGray(pixel) < qGray(pen) ? pixel : pen;
                }
        const char *colour = qRed(pen) > 128 ? "red" : qBlue(pen) > 128 ? "blue" : "black";
        facts += right < 0 ? QStringLiteral(" | -") : QStringLiteral(" | %1 %2 %3").arg(colour).arg((left + right + 1) / 2).arg(top);
    }
    return facts;
}
} // namespace
class TestCardLine : public QObject {
    Q_OBJECT
private slots:
    void rowDrawsWhatItKeepsAtOnce_data()
    {
        // A total row keeps four characters, under a rule 3 high; the texts column by column; what is drawn and kept.
        QTest::addColumn<bool>("total");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("a four-digit score keeps 123, blue and centred in the Double column") << false << "|1234|" << "rule 0 | 30 60 | - | blue 45 4 | - |123|";
        QTest::newRow("a total row keeps 1125 whole in black, a single 6 is red, under a rule of 3")
            << true << "1125||6" << "rule 3 | 30 60 | black 15 4 | - | red 75 4 1125||6";
    }
    void rowDrawsWhatItKeepsAtOnce()
    {
        QFETCH(bool, total);
        QFETCH(QString, texts);
        const auto row = shownRow(new TCardLine);
        PaintCounter counter;
        row->MaxLength = total ? 4 : 3;
        row->installEventFilter(&counter);
        for (int c = 1; c <= 3; ++c) {
            row->setCol(c, QStringLiteral("999"));
            row->setCol(c, texts.section(QLatin1Char('|'), c - 1, c - 1));
        }
        row->setTopLine(total ? 3 : 0);
        QCOMPARE(counter.paints, 7); // inside each setter, before any event is processed
        QTEST((describe(shown(row.get())) + QLatin1Char(' ') + QStringList{row->Col1(), row->Col2(), row->Col3()}.join('|')), "drawn");
    }
    // A press anywhere sets the column; only a left click released on the row scores.
    void pressPicksTheColumnButOnlyALeftClickOnTheRowScores()
    {
        const auto row = shownRow(new TCardLine);
        QStringList seen;
        connect(row.get(), &TCardLine::clicked, this, [&](TCardLine *sender) { seen << QStringLiteral("click%1").arg(sender->ClickColumn()); });
        for (const int x : {29, 30, 60, 61}) {
            const Qt::MouseButton button = x == 60 ? Qt::RightButton : Qt::LeftButton;
            QTest::mousePress(row.get(), button, {}, QPoint(x, 8));
            seen << QString::number(row->ClickColumn());
            QTest::mouseRelease(row.get(), button, {}, QPoint(x, x == 30 ? 40 : 8));
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), QStringLiteral("1 click1 2 2 3 click3"));
    }
    // Each column's number as its picture of check marks at its own place; none for 0 or nothing.
    void checkRowShowsItsNumberAsCheckMarks()
    {
        const auto row = shownRow(new TCardCheckLine);
        const QImage white = shown(row.get()).copy(2, 1, 25, 15);
        for (const QString &texts : {QStringLiteral("1 0 3"), QStringLiteral("0 2 ")})
            for (int c = 0; c < 3; ++c) {
                row->setCol(c + 1, texts.section(QLatin1Char(' '), c, c));
                const QImage marks(res::bitmap(res::checkMarks(row->col(c + 1).toInt())));
                QVERIFY2(shown(row.get()).copy(2 + 30 * c, 1, 25, 15) == (marks.isNull() ? white : marks.convertToFormat(QImage::Format_RGB32)),
                         qPrintable(texts));
            }
    }
};

QUINDLE_TEST_MAIN(TestCardLine)
#include "tst_CardLine.moc"
