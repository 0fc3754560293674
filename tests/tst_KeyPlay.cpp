// SPDX-License-Identifier: MIT
// Playing from the keyboard through the real window: the cup on Space, the
// dice on 1 to 5, the card's focus frame on the arrows and Enter.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/KeyPlay.h"
#include "game/PreviewTip.h"
#include "scoring/CardFrame.h"

#include <QApplication>

namespace {
const QString Zero = QStringLiteral("Are you sure you want to take a zero?");

struct Keys : GameFixture {
    explicit Keys(bool animation = false) : GameFixture(animation)
    {
        fake.boxes.allow(Zero, 0);
        fake.boxes.allow(QStringLiteral("Player 1, your game is over."));
        fake.boxes.allow(QStringLiteral("Player 1 wins the game!"));
        main->findChild<TKeyPlay *>()->setReleaseDelay(0);
    }
    // Where the keyboard is: the card of the player at turn, or the window.
    QWidget *focus() const { return card(main->CurrentPlayer()) ? static_cast<QWidget *>(card(main->CurrentPlayer())) : main.get(); }
    // `time` 0 has no time stamp; a held key sends its repeats with one time each.
    static void send(QWidget *to, QEvent::Type type, Qt::Key key, bool repeat = false, quint64 time = 0)
    {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(to, &event);
        if (type == QEvent::KeyRelease) // a released Space lets the cup go once no repeat follows
            QCoreApplication::processEvents();
    }
    // "S" Space down and up, "1".."5" dice, "U" "D" "L" "R" arrows, "E" Enter.
    void type(const QString &keys, QWidget *to = nullptr)
    {
        static const QHash<QChar, Qt::Key> map{{'S', Qt::Key_Space}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down},
            {'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'E', Qt::Key_Return}, {'1', Qt::Key_1},
            {'2', Qt::Key_2}, {'3', Qt::Key_3}, {'4', Qt::Key_4}, {'5', Qt::Key_5}};
        for (const QChar c : keys) {
            QWidget *target = to ? to : focus();
            send(target, QEvent::KeyPress, map.value(c));
            send(target, QEvent::KeyRelease, map.value(c));
        }
    }
    TCardFrame *frame(int player = 1) const { return TCardFrame::find(card(player)); }
    bool frameShown(int player = 1) const { return frame(player) && frame(player)->isVisible(); }
    TPreviewTip *tip() const { return main->findChild<TKeyPlay *>()->tip(); }
};
} // namespace

class TestKeyPlay : public QObject {
    Q_OBJECT
private slots:
    // Thirteen turns, each rolled, held and scored by keys alone, the frame
    // moved a different way each turn.
    void aWholeRegularGameIsPlayedByKeys()
    {
        Keys game;
        game.newGame(1);
        for (int turn = 0; turn < 13; ++turn) {
            game.type(QStringLiteral("S"));
            QCOMPARE(game.main->RollsLeft(), 2);
            if (turn == 0) {
                const QString before = game.faces();
                game.type(QStringLiteral("13S"));
                QCOMPARE(game.held(), QStringLiteral("10100"));
                QCOMPARE(game.faces()[0], before[0]);
                QCOMPARE(game.faces()[2], before[2]);
            }
            game.type(QStringLiteral("D") + QString(turn % 3, 'D') + QString(turn % 2, 'U'));
            QVERIFY(game.frameShown());
            QVERIFY(game.tip()->isVisible() && !game.tip()->text().isEmpty());
            TCardLine *framed = game.card(1)->ScoreLines[game.frame()->line()];
            QVERIFY(framed->Col1().isEmpty());
            game.type(QStringLiteral("E"));
            QVERIFY2(!framed->Col1().isEmpty(), qPrintable(framed->objectName()));
            QVERIFY(!game.frameShown() && !game.tip()->isVisible());
        }
        QVERIFY(!game.column(1, 1).contains(QLatin1Char('.')));
        QVERIFY(game.main->NoGame());
        QCOMPARE(game.fake.boxes.texts().last(), QStringLiteral("Player 1 wins the game!"));
    }
    // The first card key shows the frame on the first open cell of Aces.
    void theFrameTakesTheColumnTheGameAllows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("aces");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("scored"); // Aces after the keys and Enter
        QTest::newRow("Easy: Right goes to Double") << "Easy" << "..." << "DR" << "/3/";
        QTest::newRow("Easy: Right skips a filled Double") << "Easy" << ".9." << "DR" << "/9/3";
        QTest::newRow("Easy: Left comes back past it") << "Easy" << ".9." << "DRL" << "3/9/";
        QTest::newRow("Easy: the frame starts on the first empty cell") << "Easy" << "9.9" << "DRR" << "9/3/9";
        QTest::newRow("Regular: Left and Right keep Single") << "Regular" << "..." << "DRR" << "3//";
        QTest::newRow("Hard: the leftmost empty column") << "Hard" << "9.." << "DLR" << "9/3/";
        QTest::newRow("Easy: a full row is passed over") << "Easy" << "999" << "DUE" << "9/9/9";
    }
    void theFrameTakesTheColumnTheGameAllows()
    {
        QFETCH(QString, kind);
        QFETCH(QString, aces);
        QFETCH(QString, keys);
        Keys game;
        game.newGame(1, kind != QLatin1String("Regular"), kind == QLatin1String("Hard"));
        TCardLine *row = game.row(1, QStringLiteral("u_1"));
        for (int c = 1; c <= 3; ++c)
            row->setCol(c, aces[c - 1] == QLatin1Char('9') ? QStringLiteral("9") : QString());
        game.type(QStringLiteral("S"));
        game.setDice(QStringLiteral("11122"));
        game.type(keys + QLatin1Char('E'));
        const QString scored = QStringList{row->Col1(), row->Col2(), row->Col3()}.join('/');
        QTEST(scored, "scored");
    }
    // Held Space repeats as release/press pairs, marked as repeats or sharing one time stamp:
    // one press, one roll.
    void aHeldSpaceRollsOnce()
    {
        Keys game(true);
        game.newGame(1);
        TKeyPlay *keys = game.main->findChild<TKeyPlay *>();
        keys->setReleaseDelay(1000);
        QWidget *to = game.focus();
        Keys::send(to, QEvent::KeyPress, Qt::Key_Space, false, 100);
        for (int n = 1; n <= 4; ++n) {
            Keys::send(to, QEvent::KeyRelease, Qt::Key_Space, n <= 2, 100 + 30 * n);
            Keys::send(to, QEvent::KeyPress, Qt::Key_Space, n <= 2, 100 + 30 * n);
            game.main->a_roll->step();
        }
        keys->setReleaseDelay(0);
        QVERIFY(game.main->a_roll->Play());
        QCOMPARE(game.main->RollsLeft(), 3);
        Keys::send(to, QEvent::KeyRelease, Qt::Key_Space);
        game.stepCupToRest();
        QCOMPARE(game.main->RollsLeft(), 2);
        Keys::send(to, QEvent::KeyPress, Qt::Key_1);
        Keys::send(to, QEvent::KeyPress, Qt::Key_1, true);
        QCOMPARE(game.held(), QStringLiteral("10000"));
        // The menu's Roll is a press and a release at once.
        game.main->findChild<QAction *>(QStringLiteral("Roll1"))->trigger();
        game.stepCupToRest();
        QCOMPARE(game.main->RollsLeft(), 1);
    }
    void keysDoNothingWhereTheMouseDoesNothing_data()
    {
        QTest::addColumn<int>("players"); // 0: no game
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<int>("sentTo"); // the card that gets the keys, 0: the window
        QTest::newRow("no game") << 0 << false << 0;
        QTest::newRow("dice and card before the first roll") << 1 << false << 0;
        QTest::newRow("another player's card") << 2 << true << 2;
    }
    void keysDoNothingWhereTheMouseDoesNothing()
    {
        QFETCH(int, players);
        QFETCH(bool, rolled);
        QFETCH(int, sentTo);
        Keys game;
        if (players > 0)
            game.newGame(players);
        if (rolled)
            game.rollAs(QStringLiteral("12345"));
        QWidget *to = sentTo ? static_cast<QWidget *>(game.card(sentTo)) : game.main.get();
        const QStringList before = game.describe();
        game.type(sentTo ? QStringLiteral("S12DE") : QStringLiteral("12DE"), to);
        if (!players)
            game.type(QStringLiteral("S"), to);
        QCOMPARE(game.describe(), before);
        QVERIFY(!game.frameShown(2));
        QCOMPARE(game.frameShown(1), players == 1); // the frame alone moves before a roll
    }
    // The frame is laid over the card: put away, it leaves every pixel as designed.
    void theFrameLeavesTheCardsPixelsAsTheyWere()
    {
        Keys game;
        game.newGame(1);
        QWidget *client = game.card(1)->client();
        const QImage before = client->grab().toImage();
        game.type(QStringLiteral("DD"));
        QVERIFY(client->grab().toImage() != before);
        QTest::mouseClick(game.card(1)->client(), Qt::LeftButton, {}, QPoint(60, 100));
        QVERIFY(!game.frameShown());
        QCOMPARE(client->grab().toImage(), before);
    }
};

QUINDLE_TEST_MAIN(TestKeyPlay)
#include "tst_KeyPlay.moc"
