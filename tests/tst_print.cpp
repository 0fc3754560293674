// SPDX-License-Identifier: MIT
// Print Scorecard: the active card alone on a page, as large in inches as on screen and sharp.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/PrintCard.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"
#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {
// Of the screen's pixels (where `other` clearly differs, if given), the share the shrunk print gets wrong.
double mismatch(const QImage &printed, const QImage &screen, const QImage &other = QImage())
{
    const QImage shrunk = printed.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int counted = 0, wrong = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const int shown = qGray(screen.pixel(x, y));
            if (other.isNull() || std::abs(shown - qGray(other.pixel(x, y))) > 64)
                ++counted, wrong += std::abs(qGray(shrunk.pixel(x, y)) - shown) > 96;
        }
    return double(wrong) / counted;
}
} // namespace
class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_game = std::make_unique<GameFixture>();
        m_game->newGame(2);
        // Player 2's card, in front, has text in its rows and marks in its bonus row; Aces is left open.
        m_game->prepareColumn(2, 1, QStringLiteral(". 2 3 4 5 6 17 18 25 30 40 50 22"));
        m_game->card(2)->l_bonus->setCol1(QStringLiteral("2"));
        m_game->main->NextPlayer(1);
    }
    void cleanup() { m_game.reset(); }
    // At 96 dpi it is what the screen shows; at 576 dpi from a 115.2 dpi screen, five times as large and
    // sharp: its row labels, Chance's 22 and bonus row's marks are no blown-up copy of the screen.
    void cardIsDrawnAsLargeInInchesAndSharp()
    {
        const QImage screen = onScreen(2);
        for (const int dpi : {96, 576}) {
            const double screenDpi = dpi == 96 ? 96 : 115.2, scale = dpi / screenDpi;
            QImage page(screen.size() * scale, screen.format());
            page.fill(Qt::white);
            page.setDotsPerMeterX(qRound(dpi / 0.0254)), page.setDotsPerMeterY(qRound(dpi / 0.0254));
            QVERIFY(printCard(page, *m_game->card(2)->client(), screenDpi));
            QVERIFY(mismatch(page, screen) < 0.02 && (scale > 1 || page == screen));
            const QImage blocky = screen.scaled(page.size());
            const QTransform zoom = QTransform::fromScale(scale, scale);
            for (const QRect part : {QRect(24, 56, 32, 12), QRect(176, 298, 20, 14), QRect(173, 315, 25, 15)})
                QVERIFY(scale < 4
                        || mismatch(page.copy(zoom.mapRect(part)), blocky.copy(zoom.mapRect(part))) > 0.01);
        }
    }
    // Cancelled, to a printer that cannot be opened, then to one page that a PDF renderer turns back into
    // pixels: where the two cards differ, it is the card in front, at the top left of the printable area.
    void printScorecardPrintsTheCardInFront()
    {
        m_game->fake.boxes.allow(QStringLiteral("Unable to print the score card."));
        for (const QString &file : QStringList{"", "no such folder/card.pdf", "card.pdf"}) {
            m_game->fake.printing.outputFile = m_game->path(file);
            m_game->fake.printing.confirm = !file.isEmpty();
            m_game->main->PrintScorecard1->trigger();
            const QString pdf = QString::fromLatin1(files::read(m_game->path(file)));
            QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
                     int(file == QLatin1String("card.pdf")));
            QCOMPARE(m_game->fake.boxes.texts().size(), int(!file.isEmpty()));
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QPoint at = printer.pageLayout().paintRectPixels(192).topLeft();
        const QStringList arguments = QStringLiteral("-gray -r 192 -singlefile -x %1 -y %2 -W %3 -H %4 %5 %6")
            .arg(at.x()).arg(at.y()).arg(2 * onScreen(2).width()).arg(2 * onScreen(2).height())
            .arg(m_game->path("card.pdf"), m_game->path("page")).split(' ');
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"), arguments), 0); // from poppler-utils
        QVERIFY(mismatch(QImage(m_game->path(QStringLiteral("page.pgm"))), onScreen(2), onScreen(1)) < 0.2);
    }
private:
    QImage onScreen(int player) const { return m_game->card(player)->client()->grab().toImage(); }
    std::unique_ptr<GameFixture> m_game;
};

QUINDLE_TEST_MAIN(TestPrint)
#include "tst_print.moc"
