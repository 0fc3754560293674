// SPDX-License-Identifier: MIT
// The scorecard on its own, behind a recording stand-in for the main
// window: which cell a click fills, the bonuses and totals it recounts, the
// end of a player's game, and the card as a window.
#include "FakeCardHost.h"
#include "FakePlatform.h"
#include "TestMain.h"
#include "platform/Cursors.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QMdiArea>
#include <QMenu>

namespace {
const QString Empty = QStringLiteral(". . . . . . . . . . . . .");
const QString Full = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 20");
const QString GameOver = QStringLiteral("Player 1, your game is over.");

// A shown card of player 1 in an MDI area, whose rows the host scores at
// `points` (-1: the player declines a zero).
struct Table {
    explicit Table(const QString &kind = QStringLiteral("Regular"), int points = 7)
    {
        area.resize(400, 500);
        card = new Tw_Card(&host);
        card->TripleMode = kind != QLatin1String("Regular");
        card->HardMode = kind == QLatin1String("Hard");
        area.addSubWindow(card);
        card->setEnabled(true);
        area.show();
        host.score = [points](bool, int) { return points; };
    }
    TCardLine *row(const QString &name) const { return card->findChild<TCardLine *>(name); }
    void click(const QString &name, int x = 15)
    {
        TCardLine *line = row(name);
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, line->height() / 2));
    }
    void fill(int column, const QString &cells)
    {
        const QStringList parts = cells.split(QLatin1Char(' '));
        for (int i = 0; i < 13; ++i)
            card->ScoreLines[i]->setCol(column, parts[i] == QLatin1String(".") ? QString() : parts[i]);
    }
    // The texts of the named rows in one column, "-" for an empty one.
    QString texts(const QString &rows, int column) const
    {
        QStringList shown;
        for (const QString &name : rows.split(QLatin1Char(' ')))
            shown << (row(name)->col(column).isEmpty() ? QStringLiteral("-") : row(name)->col(column));
        return shown.join(QLatin1Char(' '));
    }

    FakePlatform fake;
    FakeCardHost host;
    QMdiArea area;
    Tw_Card *card;
};
} // namespace

class TestCard : public QObject {
    Q_OBJECT
private slots:
    void aClickScoresOneCellAndEndsTheTurn_data();
    void aClickScoresOneCellAndEndsTheTurn();
    void hardModeFillsLeftToRight();
    void clicksThatScoreNothing_data();
    void clicksThatScoreNothing();
    void upperBonusOncePerColumn();
    void quindleBonus_data();
    void quindleBonus();
    void theLastCellEndsThePlayersGame_data();
    void theLastCellEndsThePlayersGame();
    void anOpenedCardIsRecountedQuietly();
    void cardIsMovedButNeitherClosedNorResized();
};

void TestCard::aClickScoresOneCellAndEndsTheTurn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("log");
    QTest::newRow("Regular: a click at 91 still scores column 1")
        << "Regular" << "u_5" << 91 << 1 << "score u5,next 1,end 1 u5 c1";
    QTest::newRow("Easy: a click at 29 scores Single") << "Easy" << "l_4_kind" << 29 << 1
                                                        << "score l2,next 1,end 1 l2 c1";
    QTest::newRow("Easy: at 30 Double") << "Easy" << "l_full" << 30 << 2 << "score l3,next 1,end 1 l3 c2";
    QTest::newRow("Easy: at 60 Double") << "Easy" << "u_2" << 60 << 2 << "score u2,next 1,end 1 u2 c2";
    QTest::newRow("Easy: at 61 Triple") << "Easy" << "l_chance" << 61 << 3
                                        << "score l7,next 1,end 1 l7 c3";
    QTest::newRow("a click on l_bonus with l_quindle empty scores l_quindle")
        << "Regular" << "l_bonus" << 15 << 1 << "score l6,next 1,end 1 l6 c1";
}

// The score is written, its column recounted (which passes the turn on), and
// then the turn ends.
void TestCard::aClickScoresOneCellAndEndsTheTurn()
{
    QFETCH(QString, kind);
    QFETCH(QString, row);
    QFETCH(int, x);
    QFETCH(int, column);
    QFETCH(QString, log);
    Table table(kind);
    table.click(row, x);
    QCOMPARE(table.host.log.join(QLatin1Char(',')), log);
    const QString scored = row == QLatin1String("l_bonus") ? QStringLiteral("l_quindle") : row;
    const bool upper = row.startsWith(QLatin1String("u_"));
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(table.row(scored)->col(c), c == column ? QStringLiteral("7") : QString());
        // Only the scored column is recounted; its grand total waits for
        // the other half.
        QCOMPARE(table.texts("u_total l_u_total l_l_total l_grand", c),
                 c != column ? QStringLiteral("- - - -")
                 : upper     ? QStringLiteral("7 %1 - -").arg(7 * c)
                             : QStringLiteral("- - 7 -"));
    }
}

void TestCard::hardModeFillsLeftToRight()
{
    Table table(QStringLiteral("Hard"));
    QStringList filled;
    for (int x : {91, 0, 45, 75}) {
        table.click(QStringLiteral("u_6"), x);
        filled << table.texts(QStringLiteral("u_6"), 1) + table.texts(QStringLiteral("u_6"), 2)
                      + table.texts(QStringLiteral("u_6"), 3);
    }
    QCOMPARE(filled, (QStringList{"7--", "77-", "777", "777"}));
    QCOMPARE(table.host.log.filter(QStringLiteral("end")),
             (QStringList{"end 1 u6 c1", "end 1 u6 c2", "end 1 u6 c3"}));
}

void TestCard::clicksThatScoreNothing_data()
{
    QTest::addColumn<bool>("canScore");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("log");
    QTest::newRow("before the first roll nothing is asked") << false << 7 << "u_3" << "";
    QTest::newRow("a filled cell is left as it was") << true << 7 << "u_1" << "";
    QTest::newRow("a declined zero writes nothing and keeps the turn") << true << -1 << "u_4" << "score u4";
    QTest::newRow("a declined zero on l_quindle writes nothing") << true << -1 << "l_quindle" << "score l6";
}

void TestCard::clicksThatScoreNothing()
{
    QFETCH(bool, canScore);
    QFETCH(int, points);
    QFETCH(QString, row);
    QFETCH(QString, log);
    Table table(QStringLiteral("Regular"), points);
    table.host.canScore = canScore;
    table.fill(1, QStringLiteral("2 . . . . . . . . . . . ."));
    table.click(row);
    QCOMPARE(table.host.log.join(QLatin1Char(',')), log);
    QCOMPARE(table.texts("u_1 u_3 u_4 l_quindle u_total", 1), QStringLiteral("2 - - - -"));
}

// Reaching 63 writes 35 and plays sound 6 once per card and column; later
// upper scores and a recount after Undo keep it.
void TestCard::upperBonusOncePerColumn()
{
    Table table(QStringLiteral("Easy"), 18);
    table.fill(1, QStringLiteral("3 6 9 12 15 . . . . . . . ."));
    table.fill(2, QStringLiteral("2 6 9 12 15 . . . . . . . ."));
    table.click(QStringLiteral("u_6"), 15);
    table.click(QStringLiteral("u_6"), 45);
    QCOMPARE(table.texts("u_total u_bonus l_u_total", 1), QStringLiteral("63 35 98"));
    QCOMPARE(table.texts("u_total u_bonus l_u_total", 2), QStringLiteral("62 - 124"));
    QCOMPARE(table.host.log.count(QStringLiteral("sound 6")), 1);
    QCOMPARE(table.host.log.mid(0, 3), (QStringList{"score u6", "sound 6", "next 1"}));
    table.row(QStringLiteral("u_1"))->setCol1(QString());
    table.card->UpdateUpperTotals(1);
    QCOMPARE(table.texts("u_total u_bonus l_u_total", 1), QStringLiteral("60 35 95"));
    table.host.soundOn = false;
    table.row(QStringLiteral("u_1"))->setCol2(QStringLiteral("3"));
    table.card->UpdateUpperTotals(2);
    QCOMPARE(table.texts("u_total u_bonus l_u_total", 2), QStringLiteral("63 35 196"));
    QCOMPARE(table.host.log.count(QStringLiteral("sound 6")), 1);
}

void TestCard::quindleBonus_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("before"); // l_quindle, l_bonus
    QTest::addColumn<QString>("row");    // clicked
    QTest::addColumn<int>("points");     // what the dice score as a Quindle
    QTest::addColumn<QString>("after");  // l_quindle l_bonus l_l_total, "end" if the turn ends
    const auto add = [](const char *name, const char *kind, const char *before, const char *row,
                        int points, const char *after) {
        QTest::newRow(name) << kind << before << row << points << after;
    };
    add("a further five of a kind on l_bonus earns a bonus", "Regular", "50,", "l_bonus", 50, "50 1 150 end");
    add("or on l_quindle", "Regular", "50,1", "l_quindle", 50, "50 2 250 end");
    add("the third bonus makes 350", "Regular", "50,2", "l_bonus", 50, "50 3 350 end");
    add("a fourth does nothing", "Regular", "50,3", "l_bonus", 50, "50 3 -");
    add("a zero Quindle shuts the bonus out", "Regular", "0,", "l_bonus", 50, "0 - -");
    add("no five of a kind: the question, then nothing", "Regular", "50,1", "l_bonus", 0, "50 1 -");
    add("a Triple game has no bonus", "Easy", "50,", "l_quindle", 50, "50 - -");
}

void TestCard::quindleBonus()
{
    QFETCH(QString, kind);
    QFETCH(QString, before);
    QFETCH(QString, row);
    QFETCH(int, points);
    QFETCH(QString, after);
    Table table(kind, points);
    table.row(QStringLiteral("l_quindle"))->setCol1(before.section(',', 0, 0));
    table.row(QStringLiteral("l_bonus"))->setCol1(before.section(',', 1));
    table.click(row);
    const bool ended = table.host.log.contains(QStringLiteral("end 1 l0 c1"));
    QCOMPARE(table.texts(QStringLiteral("l_quindle l_bonus l_l_total"), 1) + (ended ? " end" : ""),
             after);
}

void TestCard::theLastCellEndsThePlayersGame_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("over");
    QTest::newRow("a full Regular column ends the player's game") << "Regular" << true;
    QTest::newRow("a full Single column does not end a Triple game") << "Easy" << false;
}

// The message comes between the recount and the hand-over of the turn.
void TestCard::theLastCellEndsThePlayersGame()
{
    QFETCH(QString, kind);
    QFETCH(bool, over);
    Table table(kind, 20);
    table.fill(1, QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 ."));
    QString seenAtBox;
    table.fake.boxes.onShow = [&](const platform::BoxRequest &) { seenAtBox = table.host.log.join(','); };
    if (over)
        table.fake.boxes.expect(GameOver);
    table.click(QStringLiteral("l_chance"));
    QCOMPARE(table.card->GameOver, over);
    QCOMPARE(seenAtBox, over ? QStringLiteral("score l7") : QString());
    QCOMPARE(table.host.log.join(','), QStringLiteral("score l7,next 1,end 1 l7 c1"));
}

// An opened game's cells are recounted without a message, a sound or a
// hand-over of the turn; the card still knows it is complete.
void TestCard::anOpenedCardIsRecountedQuietly()
{
    Table table(QStringLiteral("Easy"));
    for (int column = 1; column <= 3; ++column)
        table.fill(column, Full);
    table.row(QStringLiteral("u_4"))->setCol3(QStringLiteral("16"));
    table.card->recountQuietly();
    QVERIFY(table.card->GameOver);
    QVERIFY(table.host.log.isEmpty());
    QCOMPARE(table.texts("u_total u_bonus l_u_total l_l_total l_grand", 3),
             QStringLiteral("67 35 306 205 921"));
    QCOMPARE(table.card->grandTotal(), 303 + 606 + 921);
}

void TestCard::cardIsMovedButNeitherClosedNorResized()
{
    Table table;
    QPointer<Tw_Card> card = table.card;
    QVERIFY(!card->close());
    QVERIFY(card && card->isVisible());
    QStringList items;
    for (const QAction *action : card->systemMenu()->actions()) {
        if (action->isVisible())
            items << action->text().remove(QLatin1Char('&'));
    }
    QCOMPARE(items, QStringList{"Move"});
    card->resize(card->size() - QSize(80, 60));
    QCOMPARE(card->widget()->size(), QSize(269, 388));
    // The pencil marks where a player can score, and nowhere else.
    const QCursor pencil = platform::screenCursor(platform::PencilCursor);
    for (const char *name : {"u_1", "l_bonus", "Shape2", "l_grand", "Image1"}) {
        const QWidget *part = card->widget()->findChild<QWidget *>(name);
        const bool isPencil = part->cursor().pixmap().toImage() == pencil.pixmap().toImage();
        QVERIFY2(isPencil == (QByteArray(name) != "l_grand" && QByteArray(name) != "Image1"), name);
    }
    card->move(40, 30);
    card->PlayerNo = 3;
    delete card;
    QCOMPARE(table.host.log, QStringList{"save 3"});
}

QUINDLE_TEST_MAIN(TestCard)
#include "tst_card.moc"
