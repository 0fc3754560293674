// SPDX-License-Identifier: MIT
// Print Scorecard: one page with the active card at the top left, as large
// in inches as on screen, drawn at the printer's resolution.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/PrintCard.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

namespace {

int luminance(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

QImage page(int dpi, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

// Where a run of dark pixels along a line of the page begins and ends.
QPair<int, int> darkSpan(const QImage &image, QPoint from, QPoint step, int count)
{
    int first = -1, last = -1;
    for (int i = 0; i < count; ++i) {
        if (luminance(image.pixel(from + step * i)) < 64) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

// The outer edges (left, right, top, bottom) of the card's black frames,
// in pixels of a page with `scale` pixels to a screen pixel: found along
// lines of the card that cross nothing else as dark.
QList<double> frameEdges(const QImage &image, double scale)
{
    const auto across = darkSpan(image, QPoint(int(100 * scale), int(332 * scale)), {1, 0},
                                 int(168 * scale));
    const auto down = darkSpan(image, QPoint(int(262 * scale), int(40 * scale)), {0, 1},
                               int(348 * scale));
    const double left = int(100 * scale), top = int(40 * scale);
    return {left + across.first, left + across.second + 1, top + down.first, top + down.second + 1};
}

// Where the frames' edges, from (164, 52) to (265, 384) of the card,
// belong on a page with `scale` pixels to a screen pixel.
bool framesInPlace(const QImage &image, double scale)
{
    const QList<double> edges = frameEdges(image, scale);
    const QList<double> expected{164 * scale, 265 * scale, 52 * scale, 384 * scale};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(edges[i] - expected[i]) > 1.5) {
            qWarning("frame edge %d at %g, not %g", i, edges[i], expected[i]);
            return false;
        }
    }
    return true;
}

// Screen pixels of `area` with both dark and light device pixels inside
// them (away from their borders): detail finer than a screen pixel, which
// no copy of the screen's pixels has, however it is scaled.
int finerThanAScreenPixel(const QImage &image, const QRect &area, double scale)
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bool dark = false, light = false;
            for (int v = int(std::ceil(y * scale)) + 1; v <= int((y + 1) * scale) - 2; ++v) {
                for (int u = int(std::ceil(x * scale)) + 1; u <= int((x + 1) * scale) - 2; ++u) {
                    const int l = luminance(image.pixel(u, v));
                    dark |= l < 64;
                    light |= l > 192;
                }
            }
            found += dark && light;
        }
    }
    return found;
}

// Of the pixels where two pictures clearly differ, the share where
// `image` is closer to `a` than to `b`.
double shareCloserTo(const QImage &image, const QImage &a, const QImage &b)
{
    int differ = 0, closer = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int p = luminance(image.pixel(x, y));
            const int l = luminance(a.pixel(x, y)), m = luminance(b.pixel(x, y));
            if (std::abs(l - m) > 64) {
                ++differ;
                closer += std::abs(p - l) < std::abs(p - m);
            }
        }
    }
    return differ > 0 ? double(closer) / differ : 0;
}

QImage onScreen(const Tw_Card *card)
{
    return card->client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A card with text in its rows and check marks in its bonus row; Aces is
// left open, so that the card still has turns to play.
void fillCard(GameFixture &game, int player)
{
    game.prepareColumn(player, 1, QStringLiteral(". 2 3 4 5 6 17 18 25 30 40 50 22"));
    game.card(player)->l_bonus->setCol1(QStringLiteral("2"));
}

// The top left of the printable area, in pixels of a page at `dpi`, as
// the fake print dialog's printer has it.
QPoint printableOrigin(int dpi)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout().paintRectPixels(dpi).topLeft();
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void cardDrawnAtScreenResolutionIsWhatTheScreenShows();
    void cardKeepsItsPlaceAndSizeInInches_data();
    void cardKeepsItsPlaceAndSizeInInches();
    void printedCardHasDetailFinerThanAScreenPixel_data();
    void printedCardHasDetailFinerThanAScreenPixel();
    void printingGivesOnePageWithTheActiveCard();
    void cancellingPrintsNothing();
    void printerThatCannotBeOpenedIsReported();
};

// Printing draws the card with the code that paints it on screen, so at
// the screen's resolution the two agree pixel for pixel.
void TestPrint::cardDrawnAtScreenResolutionIsWhatTheScreenShows()
{
    GameFixture game;
    game.newGame(1);
    fillCard(game, 1);
    const QImage screen = onScreen(game.card(1));
    QImage drawn = page(96, screen.size());
    QVERIFY(printCard(drawn, *game.card(1)->client(), 96));
    QCOMPARE(drawn, screen);
}

void TestPrint::cardKeepsItsPlaceAndSizeInInches_data()
{
    QTest::addColumn<int>("pageDpi");
    QTest::addColumn<double>("screenDpi");
    QTest::newRow("a 300 dpi page from a 96 dpi screen scales by 3.125") << 300 << 96.0;
    QTest::newRow("a 150 dpi page from a 120 dpi screen scales by 1.25") << 150 << 120.0;
}

void TestPrint::cardKeepsItsPlaceAndSizeInInches()
{
    QFETCH(int, pageDpi);
    QFETCH(double, screenDpi);
    GameFixture game;
    game.newGame(1);
    fillCard(game, 1);
    const double scale = pageDpi / screenDpi;
    QImage printed = page(pageDpi, QSize(int(300 * scale), int(420 * scale)));
    QVERIFY(printCard(printed, *game.card(1)->client(), screenDpi));
    QVERIFY(framesInPlace(printed, scale));
}

void TestPrint::printedCardHasDetailFinerThanAScreenPixel_data()
{
    QTest::addColumn<QRect>("area"); // in the card's pixels
    QTest::newRow("the word Aces of the row labels") << QRect(24, 56, 32, 12);
    QTest::newRow("the score 22 of the Chance row") << QRect(176, 298, 20, 14);
    QTest::newRow("the two check marks of the bonus row") << QRect(173, 315, 25, 15);
}

void TestPrint::printedCardHasDetailFinerThanAScreenPixel()
{
    QFETCH(QRect, area);
    GameFixture game;
    game.newGame(1);
    fillCard(game, 1);
    constexpr double Scale = 600 / 96.0;
    QImage printed = page(600, QSize(Tw_Card::ClientWidth, Tw_Card::ClientHeight) * Scale);
    QVERIFY(printCard(printed, *game.card(1)->client(), 96));
    QVERIFY2(finerThanAScreenPixel(printed, area, Scale) >= 8,
             qPrintable(QString::number(finerThanAScreenPixel(printed, area, Scale))));
}

// Through the menu and the print dialog into a PDF, which a PDF renderer
// turns back into pixels to look at.
void TestPrint::printingGivesOnePageWithTheActiveCard()
{
    GameFixture game;
    FakePlatform &fake = game.fake;
    Tw_Quindle_Main &main = *game.main;
    fake.printing.outputFile = game.path(QStringLiteral("card.pdf"));
    fake.printing.resolution = 300;
    game.newGame(2);
    fillCard(game, 2);
    main.NextPlayer(1);
    main.PrintScorecard1->trigger();
    QCOMPARE(fake.printing.asked, 1);
    QFile file(fake.printing.outputFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);

    constexpr int Dpi = 600;
    constexpr double Scale = Dpi / 96.0;
    const QPoint origin = printableOrigin(Dpi);
    const QSize size = QSize(Tw_Card::ClientWidth, Tw_Card::ClientHeight) * Scale;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(Dpi),
                  QStringLiteral("-x"), QString::number(origin.x()), QStringLiteral("-y"),
                  QString::number(origin.y()), QStringLiteral("-W"), QString::number(size.width()),
                  QStringLiteral("-H"), QString::number(size.height()), QStringLiteral("-singlefile"),
                  fake.printing.outputFile, game.path(QStringLiteral("page"))});
    QVERIFY2(render.waitForFinished() && render.exitCode() == 0,
             "pdftoppm (poppler-utils, installed by tools/setup.sh) renders the PDF");
    const QImage printed(game.path(QStringLiteral("page.pgm")));
    QCOMPARE(printed.size(), size);

    QVERIFY(framesInPlace(printed, Scale));
    // Player 2's card, which is in front, not player 1's.
    const QImage shrunk = printed.scaled(Tw_Card::ClientWidth, Tw_Card::ClientHeight,
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double share = shareCloserTo(shrunk, onScreen(main.card(2)), onScreen(main.card(1)));
    QVERIFY2(share > 0.7, qPrintable(QString::number(share)));
    // Sharp on paper: the printer got text and large pictures.
    QVERIFY(finerThanAScreenPixel(printed, QRect(24, 56, 32, 12), Scale) >= 8);
    QVERIFY(finerThanAScreenPixel(printed, QRect(176, 298, 20, 14), Scale) >= 8);
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
