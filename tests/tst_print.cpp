// SPDX-License-Identifier: MIT
// Print Scorecard: the active card alone on a page, as large in inches as on screen and sharp.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/PrintCard.h"
#include <QPrinter>
#include <QProcess>

namespace {
// Of the screen's pixels (where `other` clearly differs, if given), the share the shrunk print gets wrong.
double mismatch(const QImage &printed, const QImage &screen, const QImage &other = QImage())
{
    const QImage shrunk = printed.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int counted = 0, wrong = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (other.isNull() || std::abs(qGray(screen.pixel(x, y)) - qGray(other.pixel(x, y))) > 64) {
                ++counted;
                wrong += std::abs(qGray(shrunk.pixel(x, y)) - qGray(screen.pixel(x, y))) > 96;
            }
    return double(wrong) / counted;
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    // Player 2's card in front, Aces open, marks in its bonus row. At 96 dpi the print is the screen; at 576 dpi
    // from a 115.2 dpi screen, five times as large and sharp, no blown-up copy. By the menu: cancelled, failed,
    // then one page whose pixels, where the cards differ, are the front card's at the printable area's corner.
    void cardIsPrintedAsLargeInInchesAndSharp()
    {
        GameFixture game;
        game.newGame(2);
        game.prepareColumn(2, 1, QStringLiteral(". 2 3 4 5 6 17 18 25 30 40 50 22"));
        game.card(2)->l_bonus->setCol1(QStringLiteral("2"));
        game.main->NextPlayer(1);
        const QImage screen = game.card(2)->client()->grab().toImage();
        for (const int dpi : {96, 576}) {
            const double screenDpi = dpi == 96 ? 96 : 115.2, scale = dpi / screenDpi;
            QImage page(screen.size() * scale, screen.format());
            page.fill(Qt::white);
            page.setDotsPerMeterX(qRound(dpi / 0.0254));
            page.setDotsPerMeterY(qRound(dpi / 0.0254));
            QVERIFY(printCard(page, *game.card(2)->client(), screenDpi));
            QVERIFY(mismatch(page, screen) < 0.02 && (scale > 1 || page == screen));
            const QTransform zoom = QTransform::fromScale(scale, scale);
            for (const QRect part : {QRect(24, 56, 32, 12), QRect(176, 298, 20, 14), QRect(173, 315, 25, 15)})
                QVERIFY(scale < 4
                        || mismatch(page.copy(zoom.mapRect(part)), screen.scaled(page.size()).copy(zoom.mapRect(part))) > 0.01);
        }
        game.fake.boxes.allow(QStringLiteral("Unable to print the score card."));
        QStringList printed; // a file written, boxes so far
        for (const QString &file : QStringList{"", "no such folder/card.pdf", "card.pdf"}) {
            game.fake.printing.outputFile = game.path(file);
            game.fake.printing.confirm = !file.isEmpty();
            game.main->PrintScorecard1->trigger();
            printed << QStringLiteral("%1 %2").arg(!files::read(game.path(file)).isEmpty()).arg(game.fake.boxes.texts().size());
        }
        QCOMPARE(printed.join(", "), QStringLiteral("0 0, 0 1, 1 1"));
        const QPoint at = game.fake.printing.choosePrinter(nullptr)->pageLayout().paintRectPixels(192).topLeft();
        const QStringList arguments = QStringLiteral("-gray -r 192 -singlefile -x %1 -y %2 -W %3 -H %4 %5 %6")
            .arg(at.x()).arg(at.y()).arg(2 * screen.width()).arg(2 * screen.height())
            .arg(game.path("card.pdf"), game.path("page")).split(' ');
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"), arguments), 0); // from poppler-utils
        const QImage other = game.card(1)->client()->grab().toImage();
        QVERIFY(mismatch(QImage(game.path(QStringLiteral("page.pgm"))), screen, other) < 0.2);
    }
};

QUINDLE_TEST_MAIN(TestPrint)
#include "tst_print.moc"
