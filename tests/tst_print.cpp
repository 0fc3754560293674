// SPDX-License-Identifier: MIT
// Print Scorecard: one page with the active card's image at the top left,
// as large in inches as on screen.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/PrintCard.h"
#include "game/main.h"
#include "scoring/card.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>

namespace {

// The dictionary and data of the PDF stream whose dictionary matches.
QPair<QString, QByteArray> pdfStream(const QByteArray &pdf, const QString &dictionary)
{
    const QRegularExpression stream(QStringLiteral("<<((?:(?!<<).)*?%1(?:(?!<<).)*?)>>\\s*stream\\r?\\n")
                                        .arg(dictionary),
                                    QRegularExpression::DotMatchesEverythingOption);
    const auto found = stream.match(QString::fromLatin1(pdf));
    if (!found.hasMatch())
        return {};
    const qsizetype end = pdf.indexOf("endstream", found.capturedEnd());
    return {found.captured(1), pdf.mid(found.capturedEnd(), end - found.capturedEnd())};
}

double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (a.width() * a.height());
}

QImage clientImage(Tw_Card *card)
{
    return card->client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void cardKeepsItsSizeInInches_data();
    void cardKeepsItsSizeInInches();
    void printingGivesOnePageWithTheActiveCard();
    void cancellingPrintsNothing();
    void printerThatCannotBeOpenedIsReported();
};

void TestPrint::cardKeepsItsSizeInInches_data()
{
    QTest::addColumn<int>("pageDpi");
    QTest::addColumn<double>("screenDpi");
    QTest::addColumn<QSize>("printed");

    QTest::newRow("a 96 dpi page takes a 96 dpi card pixel for pixel") << 96 << 96.0 << QSize(32, 64);
    QTest::newRow("a 300 dpi page makes 32 pixels 100") << 300 << 96.0 << QSize(100, 200);
    QTest::newRow("a 150 dpi page from a 120 dpi screen scales by 1.25") << 150 << 120.0 << QSize(40, 80);
}

// The card is half red, half blue, so that the scale shows inside the
// image as well as at its edges.
void TestPrint::cardKeepsItsSizeInInches()
{
    QFETCH(int, pageDpi);
    QFETCH(double, screenDpi);
    QFETCH(QSize, printed);
    QImage card(32, 64, QImage::Format_RGB32);
    card.fill(Qt::red);
    QPainter(&card).fillRect(16, 0, 16, 64, Qt::blue);
    QImage page(400, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(pageDpi / 0.0254));
    page.setDotsPerMeterY(qRound(pageDpi / 0.0254));
    QVERIFY(printCard(page, card, screenDpi));

    const int w = printed.width(), h = printed.height();
    const QList<QPoint> at{{0, 0}, {w / 2 - 1, h - 1}, {w / 2, 0}, {w - 1, h - 1}, {w, 0}, {0, h}};
    QList<QRgb> seen;
    for (const QPoint &p : at)
        seen << page.pixel(p);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    QCOMPARE(seen, (QList<QRgb>{red, red, blue, blue, white, white}));
}

void TestPrint::printingGivesOnePageWithTheActiveCard()
{
    GameFixture game;
    FakePlatform &fake = game.fake;
    Tw_Quindle_Main &main = *game.main;
    fake.printing.outputFile = game.path(QStringLiteral("card.pdf"));
    fake.printing.resolution = 300;
    game.newGame(2);
    game.fillColumn(2, 1, QStringLiteral(". 2 3 4 5 6 17 18 25 30 40 50 22"));
    main.NextPlayer(1);
    main.PrintScorecard1->trigger();
    QCOMPARE(fake.printing.asked, 1);
    QFile file(fake.printing.outputFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);

    // The card's 269 x 388 pixels at the page's origin, scaled by 300 / 96
    // so that they keep their size in inches.
    const auto image = pdfStream(pdf, QStringLiteral("/Subtype /Image"));
    QVERIFY(image.first.contains(QLatin1String("/Width 269")));
    QVERIFY(image.first.contains(QLatin1String("/Height 388")));
    const QByteArray content = qUncompress(QByteArray::fromHex("00010000")
                                           + pdfStream(pdf, QStringLiteral("/FlateDecode")).second);
    static const QRegularExpression placed(QStringLiteral(
        "([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm\\s*269 0 0 -388 0 388 cm /Im\\d+\\s+Do"));
    const auto match = placed.match(QString::fromLatin1(content));
    QVERIFY2(match.hasMatch(), content.constData());
    QList<double> matrix;
    for (int i = 1; i <= 4; ++i)
        matrix << match.captured(i).toDouble();
    QCOMPARE(matrix, (QList<double>{3.125, 3.125, 0, 0}));

    // The card in front, player 2's, not the first one.
    const QImage printed = QImage::fromData(image.second).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(printed.size(), QSize(269, 388));
    QVERIFY(meanDifference(printed, clientImage(main.card(2)))
            < meanDifference(printed, clientImage(main.card(1))));
}

void TestPrint::cancellingPrintsNothing()
{
    GameFixture game;
    FakePlatform &fake = game.fake;
    fake.printing.outputFile = game.path(QStringLiteral("cancelled.pdf"));
    fake.printing.confirm = false;
    game.newGame(1);
    game.main->PrintScorecard1->trigger();
    QCOMPARE(fake.printing.asked, 1);
    QVERIFY(!QFile::exists(fake.printing.outputFile));
    QVERIFY(fake.boxes.shown.isEmpty());
}

void TestPrint::printerThatCannotBeOpenedIsReported()
{
    GameFixture game;
    FakePlatform &fake = game.fake;
    fake.printing.outputFile = game.path(QStringLiteral("no such folder/card.pdf"));
    game.newGame(1);
    fake.boxes.expect(QStringLiteral("Unable to print the score card."));
    game.main->PrintScorecard1->trigger();
    QCOMPARE(fake.boxes.texts(), QStringList{"Unable to print the score card."});
}

QUINDLE_TEST_MAIN(TestPrint)
#include "tst_print.moc"
