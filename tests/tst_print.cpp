// SPDX-License-Identifier: MIT
// Print Scorecard: one page with the active card's image at the top left,
// as large in inches as on screen.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/PrintCard.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Left half red, right half blue, so that the scale shows inside the image
// as well as at its edges.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    }
    return image;
}

QImage page(int dpi)
{
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

struct PdfStream {
    QByteArray dictionary;
    QByteArray data;
};

// The streams of a PDF file with their dictionaries, Flate streams unpacked.
QList<PdfStream> pdfStreams(const QByteArray &pdf)
{
    QList<PdfStream> streams;
    static const QRegularExpression stream(QStringLiteral("<<((?:(?!<<).)*?)>>\\s*stream\\r?\\n"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromLatin1(pdf);
    for (auto match = stream.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        const qsizetype begin = found.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", begin);
        PdfStream part{found.captured(1).toLatin1(), pdf.mid(begin, end - begin)};
        if (part.dictionary.contains("/FlateDecode")) {
            // qUncompress wants the unpacked size first; a guess grows as needed.
            part.data = qUncompress(QByteArray::fromHex("00010000") + part.data);
        }
        streams.append(part);
    }
    return streams;
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

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cardKeepsItsSizeInInches_data();
    void cardKeepsItsSizeInInches();
    void printingGivesOnePageWithTheActiveCard();
    void cancellingPrintsNothing();

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Tw_Quindle_Main> m_main;
    QTemporaryDir m_dir;
};

void TestPrint::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    m_fake->printing.outputFile = m_dir.filePath(QStringLiteral("card.pdf"));
    QFile::remove(m_fake->printing.outputFile);
}

void TestPrint::cleanup()
{
    m_main.reset();
    m_fake.reset();
}

void TestPrint::cardKeepsItsSizeInInches_data()
{
    QTest::addColumn<int>("pageDpi");
    QTest::addColumn<double>("screenDpi");
    QTest::addColumn<QSize>("printed");

    QTest::newRow("a 96 dpi page takes a 96 dpi card pixel for pixel") << 96 << 96.0 << QSize(32, 64);
    QTest::newRow("a 192 dpi page doubles it") << 192 << 96.0 << QSize(64, 128);
    QTest::newRow("a 300 dpi page makes 32 pixels 100") << 300 << 96.0 << QSize(100, 200);
    QTest::newRow("a 150 dpi page from a 120 dpi screen scales by 1.25")
        << 150 << 120.0 << QSize(40, 80);
}

void TestPrint::cardKeepsItsSizeInInches()
{
    QFETCH(int, pageDpi);
    QFETCH(double, screenDpi);
    QFETCH(QSize, printed);
    QImage device = page(pageDpi);
    QVERIFY(printCard(device, halves(32, 64), screenDpi));

    const int w = printed.width(), h = printed.height();
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    QCOMPARE(device.pixel(0, 0), red);
    QCOMPARE(device.pixel(w / 2 - 1, h - 1), red);
    QCOMPARE(device.pixel(w / 2, 0), blue);
    QCOMPARE(device.pixel(w - 1, h - 1), blue);
    QCOMPARE(device.pixel(w, 0), white);
    QCOMPARE(device.pixel(0, h), white);
    QCOMPARE(device.pixel(w, h), white);
}

void TestPrint::printingGivesOnePageWithTheActiveCard()
{
    helpers::newGame(m_main.get(), 2);
    Tw_Card *first = m_main->Cards[1];
    Tw_Card *second = m_main->Cards[2];
    helpers::fillColumn(second, 1, QStringLiteral(". 2 3 4 5 6 17 18 25 30 40 50 22"));
    m_main->NextPlayer(1);
    QCOMPARE(m_main->CurrentPlayer, 2);
    m_fake->printing.resolution = 300;

    m_main->PrintScorecard1->trigger();
    QCOMPARE(m_fake->printing.asked, 1);
    QFile file(m_fake->printing.outputFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
             1);

    QList<PdfStream> images, pages;
    for (const PdfStream &stream : pdfStreams(pdf))
        (stream.dictionary.contains("/Subtype /Image") ? images : pages).append(stream);
    QCOMPARE(images.size(), 1);
    QVERIFY(images[0].dictionary.contains("/Width 269"));
    QVERIFY(images[0].dictionary.contains("/Height 388"));

    // The card's 269 x 388 pixels, drawn at the page's origin and scaled by
    // 300 / 96 so that they keep their size in inches.
    static const QRegularExpression placed(QStringLiteral(
        "([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm\\s*269 0 0 -388 0 388 cm /Im\\d+\\s+Do"));
    const auto match = placed.match(QString::fromLatin1(pages.value(0).data));
    QVERIFY2(match.hasMatch(), pages.value(0).data.constData());
    QCOMPARE(match.captured(1).toDouble(), 3.125);
    QCOMPARE(match.captured(2).toDouble(), 3.125);
    QCOMPARE(match.captured(3).toDouble(), 0.0);
    QCOMPARE(match.captured(4).toDouble(), 0.0);

    // The card in front, player 2's, not the first one.
    const QImage printed = QImage::fromData(images[0].data).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(printed.size(), QSize(269, 388));
    const QImage front = second->client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage back = first->client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(meanDifference(printed, front) < meanDifference(printed, back));
}

void TestPrint::cancellingPrintsNothing()
{
    helpers::newGame(m_main.get(), 1);
    m_fake->printing.confirm = false;
    m_main->PrintScorecard1->trigger();
    QCOMPARE(m_fake->printing.asked, 1);
    QVERIFY(!QFile::exists(m_fake->printing.outputFile));
    QVERIFY(m_fake->boxes.shown.isEmpty());
}

QUINDLE_TEST_MAIN(TestPrint)
#include "tst_print.moc"
