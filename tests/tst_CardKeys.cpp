// SPDX-License-Identifier: MIT
// What the player is told about a row before he scores it: the preview
// beside the card and what a screen reader hears of the tray and the card.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/KeyPlay.h"
#include "game/PreviewTip.h"
#include "platform/Resources.h"
#include "scoring/CardKeys.h"

#include <QAccessible>
#include <QLabel>

namespace {
QList<bool> marks(const QString &open)
{
    QList<bool> list;
    for (const QChar c : open)
        list << (c == QLatin1Char('x'));
    return list;
}

QString spoken(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    if (!face)
        return QStringLiteral("none");
    return QStringList{face->text(QAccessible::Name), face->text(QAccessible::Value),
                       face->text(QAccessible::Description)}.join(QLatin1Char('|'));
}
} // namespace

class TestCardKeys : public QObject {
    Q_OBJECT
private slots:
    void nearestOpenPlace_data()
    {
        QTest::addColumn<QString>("open"); // "x" open
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("found");
        QTest::newRow("an open place stays") << ".x.x" << 1 << 0 << 1;
        QTest::newRow("a closed one settles forward") << ".x.x" << 2 << 0 << 3;
        QTest::newRow("then backward at the end") << "x.x.." << 4 << 0 << 2;
        QTest::newRow("nothing open") << "..." << 1 << 0 << -1;
        QTest::newRow("down skips closed places") << "x..x" << 0 << 1 << 3;
        QTest::newRow("up from the first stays") << "xx.x" << 0 << -1 << 0;
        QTest::newRow("down from the last stays") << "xx.x" << 3 << 1 << 3;
    }
    void nearestOpenPlace()
    {
        QFETCH(QString, open);
        QFETCH(int, from);
        QFETCH(int, step);
        QTEST(cardkeys::nearest(marks(open), from, step), "found");
    }
    // A card 300 wide at x = 100 on a screen 1000 wide; tips 150 wide and 20 high.
    void previewStandsBesideTheCard_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("cardLeft");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("right of the card") << 1000 << 100 << QPoint(404, 44);
        QTest::newRow("left of a card at the right edge") << 1000 << 650 << QPoint(496, 44);
        QTest::newRow("under the row where neither side has room") << 500 << 100 << QPoint(270, 64);
    }
    void previewStandsBesideTheCard()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, cardLeft);
        const QRect card(cardLeft, 0, 300, 400);
        const QRect row(cardLeft + 170, 50, 92, 10);
        QTEST(TPreviewTip::placeFor(row, card, QSize(150, 20), QRect(0, 0, screenWidth, 800)), "place");
    }
    void previewTellsWhatAClickWouldScore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cells"); // column 1 from Aces, "." empty
        QTest::addColumn<QString>("dice");  // empty: not rolled yet
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("text");
        const QString empty = QStringLiteral(". . . . . . . . . . . . .");
        const QString fifty = QStringLiteral(". . . . . . . . . . . 50 .");
        const QString zero = QStringLiteral(": 0 \u2014 Are you sure you want to take a zero?");
        QTest::newRow("a full house") << "Regular" << empty << "22255" << "l_full" << 15 << "Full House: 25";
        QTest::newRow("no full house asks for a zero") << "Regular" << empty << "22355" << "l_full" << 15 << "Full House" + zero;
        QTest::newRow("sixes add up") << "Regular" << empty << "66615" << "u_6" << 80 << "Sixes: 18";
        QTest::newRow("a filled row tells nothing") << "Regular" << ". . . . . . . . 25 . . . ." << "22255" << "l_full" << 15 << "";
        QTest::newRow("nothing before the first roll") << "Regular" << empty << "" << "l_full" << 15 << "";
        QTest::newRow("the bonus row scores an empty Quindle") << "Regular" << empty << "33333" << "l_bonus" << 15 << "Quindle: 50";
        QTest::newRow("a further five of a kind") << "Regular" << fifty << "33333" << "l_quindle" << 15 << "Quindle Bonus: 100";
        QTest::newRow("no bonus without five of a kind") << "Regular" << fifty << "33334" << "l_bonus" << 15 << "";
        QTest::newRow("no bonus in a Triple game") << "Easy" << fifty << "33333" << "l_bonus" << 15 << "";
        QTest::newRow("Easy: the column under the mouse") << "Easy" << fifty << "33333" << "l_quindle" << 45 << "Quindle: 50";
    }
    void previewTellsWhatAClickWouldScore()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cells);
        QFETCH(QString, dice);
        QFETCH(QString, row);
        QFETCH(int, x);
        GameFixture game;
        game.newGame(1, kind != QLatin1String("Regular"), kind == QLatin1String("Hard"));
        game.prepareColumn(1, 1, cells);
        if (!dice.isEmpty())
            game.rollAs(dice);
        TCardLine *line = game.row(1, row);
        QHelpEvent hover(QEvent::ToolTip, QPoint(x, 8), line->mapToGlobal(QPoint(x, 8)));
        QApplication::sendEvent(line, &hover);
        const TPreviewTip *tip = game.main->findChild<TKeyPlay *>()->tip();
        QTEST(tip->isVisible() ? tip->text() : QString(), "text");
        // Off the row, in the game's own font.
        QVERIFY(!tip->isVisible() || !tip->geometry().intersects(QRect(line->mapToGlobal(QPoint(0, 0)), line->size())));
        QCOMPARE(tip->font(), res::uiFont());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(line, &leave);
        QVERIFY(!tip->isVisible());
    }
    // Faces, holds, rolls and cells as a screen reader hears them: name|value|description.
    void aScreenReaderHearsTheGame()
    {
        GameFixture game;
        QCOMPARE(spoken(game.main->a_roll), QStringLiteral("Roll|no game|Roll (Space)"));
        game.newGame(1, true);
        game.rollAs(QStringLiteral("44425"));
        game.main->toggleDie(3);
        game.row(1, QStringLiteral("u_4"))->setCol(2, QStringLiteral("12"));
        QCOMPARE(spoken(game.main->Dice[3]), QStringLiteral("Die 3|4, held|Hold or release (3)"));
        QCOMPARE(spoken(game.main->Dice[5]), QStringLiteral("Die 5|5|Hold or release (5)"));
        QCOMPARE(spoken(game.main->a_roll), QStringLiteral("Roll|2 rolls left|Roll (Space)"));
        QCOMPARE(spoken(game.row(1, QStringLiteral("u_4"))),
                 QStringLiteral("Fours|Single empty, Double 12, Triple empty|Fours: 12"));
        QCOMPARE(spoken(game.row(1, QStringLiteral("l_full"))).section('|', 0, 0), QStringLiteral("Full House"));
        QCOMPARE(spoken(game.row(1, QStringLiteral("l_grand"))).section('|', 0, 0), QStringLiteral("GRAND TOTAL"));
        QCOMPARE(QAccessible::queryAccessibleInterface(game.main->StatusPanels[1])->text(QAccessible::Name),
                 QStringLiteral("Triple (Easy) Quindle"));
    }
};

QUINDLE_TEST_MAIN(TestCardKeys)
#include "tst_CardKeys.moc"
