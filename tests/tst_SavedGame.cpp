// SPDX-License-Identifier: MIT
// The saved game stream on bytes alone: the forms the writer chooses and
// every form the reader takes. Files through the menu, good and bad, are in
// tst_files and tst_badfiles.
#include "FileGame.h"
#include "TestMain.h"
#include "game/SavedGame.h"

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

SavedGame twoPlayerGame()
{
    SavedGame game;
    game.players = 2;
    game.triple = true;
    game.hard = true;
    game.currentPlayer = 2;
    // Up to 255 characters a text takes the short string form, past that
    // the long one.
    game.status = {QString(255, QLatin1Char('y')), QString(256, QLatin1Char('x')),
                   QStringLiteral("Player 2's Turn")};
    game.cards.resize(2);
    game.cards[0][0] = {QStringLiteral("3"), QStringLiteral("2"), QString()};
    game.cards[0][11] = {QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("50")};
    game.cards[1][12] = {QStringLiteral("999"), QString(), QString()};
    game.cards[1][13] = {QStringLiteral("3"), QString(), QString()};
    return game;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT
private slots:
    void gamesComeBackAsWritten();
    void everyValueFormReads_data();
    void everyValueFormReads();
};

void TestSavedGame::gamesComeBackAsWritten()
{
    const SavedGame game = twoPlayerGame();
    const QByteArray bytes = writeSavedGame(game);
    QVERIFY(bytes.startsWith(hex("0202 09 09 0202") + hex("06 ff") + QByteArray(255, 'y')
                             + hex("0c 00010000") + QByteArray(256, 'x')));
    const SavedGameReading reading = readSavedGame(bytes);
    QVERIFY(reading.ok());
    QVERIFY(reading.game == game);
}

void TestSavedGame::everyValueFormReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("read"); // players, current, hard, status 3, cell 1 of the last card

    // The new one-player game: players at 0, flags at 2, player at turn at
    // 4, status texts from 6 to 49, then the cells.
    const QByteArray good = helpers::newOnePlayerFile();
    const QByteArray status = good.mid(6, 44);
    const QByteArray emptyCell = hex("0600");
    QTest::newRow("two- and four-byte integers and a long string read like the short forms")
        << hex("04 02000000 0808 03 0200") + status + emptyCell.repeated(42 + 33)
               + hex("0c 02000000") + "50" + emptyCell.repeated(8)
        << "2 2 0 Player 1's Turn 50";
    QTest::newRow("the tag 09 reads as true")
        << good.left(2) + hex("0908") + good.mid(4) << "1 1 1 Player 1's Turn ";
    QTest::newRow("any other boolean tag reads as false, texts as Latin-1")
        << good.left(2) + hex("0108") + good.mid(4, 2) + hex("0c00000000") + helpers::shortString("")
               + helpers::shortString("\xe9t\xe9") + good.mid(50)
        << "1 1 0 \u00e9t\u00e9 ";
}

void TestSavedGame::everyValueFormReads()
{
    QFETCH(QByteArray, bytes);
    const SavedGameReading reading = readSavedGame(bytes);
    QVERIFY(reading.ok());
    const SavedGame &game = reading.game;
    QTEST(QStringLiteral("%1 %2 %3 %4 %5").arg(game.players).arg(game.currentPlayer).arg(game.hard)
              .arg(game.status[2], game.cards.last()[11][0]),
          "read");
}

QUINDLE_TEST_MAIN(TestSavedGame)
#include "tst_SavedGame.moc"
