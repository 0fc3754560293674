// SPDX-License-Identifier: MIT
// The scorecard on its own, behind a recording stand-in for the main window: which cell a click
// fills, the bonuses and totals it recounts, the end of a player's game, and the card as a window.
#include "FakeCardHost.h"
#include "FakePlatform.h"
#include "TestMain.h"
#include "platform/Cursors.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"
#include <QMdiArea>
#include <QMenu>
namespace {
// A shown card of player 1, whose rows the host scores at `points` (-1: the player declines a zero).
struct Table {
    explicit Table(const QString &kind = QStringLiteral("Regular"), int points = 7)
    {
        card = new Tw_Card(&host);
        card->TripleMode = kind != QLatin1String("Regular");
        card->HardMode = kind == QLatin1String("Hard");
        area.addSubWindow(card);
        card->setEnabled(true);
        area.resize(400, 500);
        area.show();
        host.score = [points](bool, int) { return points; };
    }
    TCardLine *row(const QString &name) const { return card->findChild<TCardLine *>(name); }
    void click(const QString &name, int x = 15) { QTest::mouseClick(row(name), Qt::LeftButton, {}, QPoint(x, 8)); }
    // "2 . 9": the first cells of a column, upper then lower, "." for an empty one.
    void fill(int column, const QString &cells)
    {
        const QStringList parts = cells.split(QLatin1Char(' '));
        for (int i = 0; i < parts.size(); ++i)
            card->ScoreLines[i]->setCol(column, parts[i] == QLatin1String(".") ? QString() : parts[i]);
    }
    // The cells of the named rows, Single/Double/Triple, "-" for an empty one.
    QString cells(const QString &rows) const
    {
        const auto text = [](const QString &t) { return t.isEmpty() ? QStringLiteral("-") : t; };
        QStringList shown;
        for (const QString &name : rows.split(QLatin1Char(' ')))
            shown << text(row(name)->Col1()) + '/' + text(row(name)->Col2()) + '/' + text(row(name)->Col3());
        return shown.join(QLatin1Char(' '));
    }
    QString log() const { return host.log.join(QLatin1Char(',')); }
    FakePlatform fake;
    FakeCardHost host;
    QMdiArea area;
    Tw_Card *card;
};
} // namespace
class TestCard : public QObject {
    Q_OBJECT
private slots:
    void aClickOnARow_data()
    {
        QTest::addColumn<QString>("kind");     // Regular, Easy or Hard
        QTest::addColumn<int>("points");       // what the host says the dice are worth; -1 declines a zero
        QTest::addColumn<QString>("before");   // column 1: "l_quindle=50 l_bonus=1"; "!" first: nothing rolled yet
        QTest::addColumn<QString>("clicks");   // rows, clicked at x = 15 or at "@x"
        QTest::addColumn<QString>("shown");    // rows whose cells are shown, Single/Double/Triple
        QTest::addColumn<QString>("expected"); // the host's log, then the cells, "-" for an empty one
        const auto add = [](const char *name, const char *kind, int points, const char *before, const char *clicks,
                            const char *shown, const char *expected) {
            QTest::newRow(name) << kind << points << before << clicks << shown << expected;
        };
        // A score is written, its column alone recounted (passing the turn on), then the turn ends.
        const char *totals = "u_total l_u_total l_l_total l_grand";
        add("Regular: a click at 91 still scores column 1", "Regular", 7, "", "u_5@91", totals,
            "score u5,next 1,end 1 u5 c1 | 7/-/- 7/-/- -/-/- -/-/-");
        add("Easy: a click at 29 scores Single", "Easy", 7, "", "l_4_kind@29", totals,
            "score l2,next 1,end 1 l2 c1 | -/-/- -/-/- 7/-/- -/-/-");
        add("Easy: at 30 Double", "Easy", 7, "", "l_full@30", totals, "score l3,next 1,end 1 l3 c2 | -/-/- -/-/- -/7/- -/-/-");
        add("Easy: at 60 Double, whose upper total counts twice", "Easy", 7, "", "u_2@60", totals,
            "score u2,next 1,end 1 u2 c2 | -/7/- -/14/- -/-/- -/-/-");
        add("Easy: at 61 Triple", "Easy", 7, "", "l_chance@61", "l_chance", "score l7,next 1,end 1 l7 c3 | -/-/7");
        add("Hard: a row fills from the left wherever it is clicked, and no further", "Hard", 7, "",
            "u_6@91 u_6@0 u_6@45 u_6@75", "u_6", "score u6,next 1,end 1 u6 c1,score u6,next 1,end 1 u6 c2,"
            "score u6,next 1,end 1 u6 c3 | 7/7/7");
        add("a click on l_bonus with l_quindle empty scores l_quindle", "Regular", 7, "", "l_bonus", "l_quindle l_bonus",
            "score l6,next 1,end 1 l6 c1 | 7/-/- -/-/-");
        add("before the first roll nothing is asked", "Regular", 7, "!", "u_3 l_quindle", "u_3 l_quindle", " | -/-/- -/-/-");
        add("a filled cell is left as it was", "Regular", 7, "u_1=2", "u_1", "u_1 u_total", " | 2/-/- -/-/-");
        add("a declined zero writes nothing and keeps the turn", "Regular", -1, "", "u_4", "u_4", "score u4 | -/-/-");
        add("a declined zero on l_quindle writes nothing", "Regular", -1, "", "l_quindle", "l_quindle", "score l6 | -/-/-");
        const char *bonus = "l_quindle l_bonus l_l_total";
        add("a further five of a kind on l_bonus earns a bonus", "Regular", 50, "l_quindle=50", "l_bonus", bonus,
            "score l6,next 1,end 1 l0 c1 | 50/-/- 1/-/- 150/-/-");
        add("or on l_quindle", "Regular", 50, "l_quindle=50 l_bonus=1", "l_quindle", bonus,
            "score l6,next 1,end 1 l0 c1 | 50/-/- 2/-/- 250/-/-");
        add("the third bonus makes 350", "Regular", 50, "l_quindle=50 l_bonus=2", "l_bonus", bonus,
            "score l6,next 1,end 1 l0 c1 | 50/-/- 3/-/- 350/-/-");
        add("a fourth does nothing", "Regular", 50, "l_quindle=50 l_bonus=3", "l_bonus", bonus, " | 50/-/- 3/-/- -/-/-");
        add("a zero Quindle shuts the bonus out", "Regular", 50, "l_quindle=0", "l_bonus", bonus, " | 0/-/- -/-/- -/-/-");
        add("no five of a kind: the question, then nothing", "Regular", 0, "l_quindle=50 l_bonus=1", "l_bonus", bonus,
            "score l6 | 50/-/- 1/-/- -/-/-");
        add("a Triple game has no bonus", "Easy", 50, "l_quindle=50", "l_quindle", bonus, " | 50/-/- -/-/- -/-/-");
    }
    void aClickOnARow()
    {
        QFETCH(QString, kind);
        QFETCH(int, points);
        QFETCH(QString, before);
        QFETCH(QString, clicks);
        QFETCH(QString, shown);
        Table table(kind, points);
        table.host.canScore = !before.startsWith('!');
        for (const QString &cell : QString(before).remove('!').split(' ', Qt::SkipEmptyParts))
            table.row(cell.section('=', 0, 0))->setCol1(cell.section('=', 1));
        for (const QString &click : clicks.split(' '))
            table.click(click.section('@', 0, 0), click.contains('@') ? click.section('@', 1).toInt() : 15);
        QTEST(table.log() + " | " + table.cells(shown), "expected");
    }
    // Reaching 63 writes 35 and plays sound 6 once per card and column;
    // later upper scores and a recount after Undo keep it.
    void upperBonusOncePerColumn()
    {
        Table table(QStringLiteral("Easy"), 18);
        table.fill(1, QStringLiteral("3 6 9 12 15"));
        table.fill(2, QStringLiteral("2 6 9 12 15"));
        table.click(QStringLiteral("u_6"), 15);
        table.click(QStringLiteral("u_6"), 45);
        const QString rows = QStringLiteral("u_total u_bonus l_u_total");
        QCOMPARE(table.cells(rows), QStringLiteral("63/62/- 35/-/- 98/124/-"));
        QVERIFY(table.log().startsWith(QStringLiteral("score u6,sound 6,next 1")));
        table.row(QStringLiteral("u_1"))->setCol1(QString());
        table.card->UpdateUpperTotals(1);
        table.host.soundOn = false;
        table.row(QStringLiteral("u_1"))->setCol2(QStringLiteral("3"));
        table.card->UpdateUpperTotals(2);
        QCOMPARE(table.cells(rows), QStringLiteral("60/63/- 35/35/- 95/196/-"));
        QCOMPARE(table.log().count(QStringLiteral("sound 6")), 1);
    }
    // A full Regular column ends the player's game, a full Single column not a Triple one. The message
    // comes between the recount and the hand-over of the turn.
    void theLastCellEndsThePlayersGame()
    {
        for (const bool over : {true, false}) {
            Table table(over ? "Regular" : "Easy", 20);
            table.fill(1, QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50"));
            QString seenAtBox;
            table.fake.boxes.onShow = [&](const platform::BoxRequest &) { seenAtBox = table.log(); };
            if (over)
                table.fake.boxes.expect(QStringLiteral("Player 1, your game is over."));
            table.click(QStringLiteral("l_chance"));
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(table.card->GameOver).arg(seenAtBox, table.log()),
                     QStringLiteral("%1 %2 score l7,next 1,end 1 l7 c1").arg(over).arg(over ? "score l7" : ""));
        }
    }
    // An opened game's cells are recounted without a message, a sound or a
    // hand-over of the turn; the card still knows it is complete.
    void anOpenedCardIsRecountedQuietly()
    {
        Table table(QStringLiteral("Easy"));
        for (int column = 1; column <= 3; ++column)
            table.fill(column, QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 20"));
        table.row(QStringLiteral("u_4"))->setCol3(QStringLiteral("16"));
        table.card->recountQuietly();
        QVERIFY(table.card->GameOver && table.host.log.isEmpty());
        QCOMPARE(table.cells("u_total u_bonus l_u_total l_l_total l_grand"),
                 QStringLiteral("63/63/67 35/35/35 98/196/306 205/205/205 303/606/921"));
        QCOMPARE(table.card->grandTotal(), 303 + 606 + 921);
    }
    // A card can be moved, but neither closed nor resized; the pencil marks
    // where a player can score, and nowhere else; it saves its place as it goes.
    void cardIsMovedButNeitherClosedNorResized()
    {
        Table table;
        QPointer<Tw_Card> card = table.card;
        QVERIFY(!card->close() && card && card->isVisible());
        QStringList items;
        for (const QAction *action : card->systemMenu()->actions()) {
            if (action->isVisible())
                items << action->text().remove(QLatin1Char('&'));
        }
        QCOMPARE(items, QStringList{"Move"});
        card->resize(card->size() - QSize(80, 60));
        QCOMPARE(card->widget()->size(), QSize(269, 388));
        const QImage pencil = platform::screenCursor(platform::PencilCursor).pixmap().toImage();
        QString marked;
        for (const char *name : {"u_1", "l_bonus", "Shape2", "l_grand", "Image1"})
            marked += QString::number(card->widget()->findChild<QWidget *>(name)->cursor().pixmap().toImage() == pencil);
        QCOMPARE(marked, QStringLiteral("11100"));
        card->PlayerNo = 3;
        delete card;
        QCOMPARE(table.host.log, QStringList{"save 3"});
    }
};

QUINDLE_TEST_MAIN(TestCard)
#include "tst_card.moc"
