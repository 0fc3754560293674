// SPDX-License-Identifier: MIT
// The saved game stream on bytes alone: what the writer puts out and what the
// reader accepts or turns away.
#include "TestMain.h"
#include "game/SavedGame.h"

#include <QRandomGenerator>

Q_DECLARE_METATYPE(SavedGameError)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray shortString(const QByteArray &text)
{
    return char(0x06) + QByteArray(1, char(text.size())) + text;
}

QByteArray emptyCells(int count)
{
    return hex("0600").repeated(count);
}

// A good one-player file, built from parts so that a row can spoil one.
struct FileParts {
    QByteArray players = hex("0201");
    QByteArray hard = hex("08");
    QByteArray triple = hex("08");
    QByteArray current = hex("0201");
    QByteArray status = shortString("1 Player") + shortString("Regular Quindle")
                        + shortString("Player 1's Turn");
    QByteArray cards = emptyCells(42);
    QByteArray bytes() const { return players + hard + triple + current + status + cards; }
};

// Cells of one card: the row's column 1 set, everything else empty.
QByteArray cardWith(int row, const QByteArray &cell)
{
    Q_ASSERT(row >= 0 && row < SavedGame::Rows);
    return emptyCells(row * 3) + cell + emptyCells(42 - row * 3 - 1);
}

SavedGame twoPlayerGame()
{
    SavedGame game;
    game.players = 2;
    game.triple = true;
    game.hard = true;
    game.currentPlayer = 2;
    game.status = {QStringLiteral("2 Players"), QStringLiteral("Triple (Hard) Quindle"),
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
    void newGameIsTheWorkedExample();
    void gamesComeBackAsWritten();
    void longTextsUseTheLongStringForm();
    void goodFilesRead_data();
    void goodFilesRead();
    void badFilesFail_data();
    void badFilesFail();
    void everyOneByteChangeReadsConsistently();
    void errorTextsNameTheFile();
};

void TestSavedGame::newGameIsTheWorkedExample()
{
    SavedGame game;
    game.status = {QStringLiteral("1 Player"), QStringLiteral("Regular Quindle"),
                   QStringLiteral("Player 1's Turn")};
    game.cards.resize(1);
    const QByteArray bytes = writeSavedGame(game);
    QCOMPARE(bytes.size(), 134);
    QCOMPARE(bytes, FileParts().bytes());
}

void TestSavedGame::gamesComeBackAsWritten()
{
    const SavedGame game = twoPlayerGame();
    const SavedGameReading reading = readSavedGame(writeSavedGame(game));
    QVERIFY(reading.ok());
    QVERIFY(reading.game == game);
}

void TestSavedGame::longTextsUseTheLongStringForm()
{
    SavedGame game = twoPlayerGame();
    game.status[1] = QString(300, QLatin1Char('x'));
    const QByteArray bytes = writeSavedGame(game);
    QVERIFY(bytes.contains(hex("0c2c010000") + QByteArray(300, 'x')));
    QVERIFY(readSavedGame(bytes).game == game);
}

void TestSavedGame::goodFilesRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<QString>("turnText");
    QTest::addColumn<QString>("firstCell");

    const QString turn = QStringLiteral("Player 1's Turn");
    FileParts parts;
    QTest::newRow("the worked example reads as a new one-player game")
        << parts.bytes() << 1 << 1 << false << turn << QString();
    parts.players = hex("03 0200");
    parts.current = hex("04 02000000");
    parts.cards = emptyCells(84);
    QTest::newRow("two-byte and four-byte integers read like one-byte ones")
        << parts.bytes() << 2 << 2 << false << turn << QString();
    parts = FileParts();
    parts.cards = hex("0c 02000000") + "50" + emptyCells(41);
    QTest::newRow("a cell in the long string form reads")
        << parts.bytes() << 1 << 1 << false << turn << QStringLiteral("50");
    parts = FileParts();
    parts.hard = hex("09");
    QTest::newRow("only the tag 09 reads as true")
        << parts.bytes() << 1 << 1 << true << turn << QString();
    parts.hard = hex("01");
    QTest::newRow("any other boolean tag reads as false")
        << parts.bytes() << 1 << 1 << false << turn << QString();
    parts = FileParts();
    parts.status = hex("0c00000000") + shortString("") + shortString("\xe9t\xe9");
    parts.cards = shortString("0") + emptyCells(41);
    QTest::newRow("Latin-1 status texts and a zero taken read")
        << parts.bytes() << 1 << 1 << false << QStringLiteral("\u00e9t\u00e9")
        << QStringLiteral("0");
}

void TestSavedGame::goodFilesRead()
{
    QFETCH(QByteArray, bytes);
    const SavedGameReading reading = readSavedGame(bytes);
    QVERIFY(reading.ok());
    QTEST(reading.game.players, "players");
    QTEST(reading.game.currentPlayer, "current");
    QTEST(reading.game.hard, "hard");
    QTEST(reading.game.status[2], "turnText");
    QTEST(reading.game.cards.at(0)[0][0], "firstCell");
    QCOMPARE(reading.game.cards.size(), reading.game.players);
}

void TestSavedGame::badFilesFail_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SavedGameError>("error");

    const auto row = [](const char *name, const QByteArray &bytes, SavedGameError error) {
        QTest::newRow(name) << bytes << error;
    };
    const QByteArray good = FileParts().bytes();
    FileParts parts;

    row("an empty file ends too early", QByteArray(), SavedGameError::StreamRead);
    row("a file cut inside a card ends too early", good.left(good.size() - 3),
        SavedGameError::StreamRead);
    row("a file cut inside an integer ends too early", hex("03 01"), SavedGameError::StreamRead);
    row("a file cut after the flags ends too early", good.left(4), SavedGameError::StreamRead);
    parts.status = hex("0c 0500");
    row("a file cut inside a long length ends too early", parts.bytes().left(9),
        SavedGameError::StreamRead);

    parts = FileParts();
    parts.status = hex("0c ffffff7f") + shortString("x");
    row("a declared length of two gigabytes is a read error", parts.bytes(),
        SavedGameError::StreamRead);
    parts.status = hex("0c ffffffff");
    row("a declared length of four gigabytes is a read error", parts.bytes(),
        SavedGameError::StreamRead);
    parts = FileParts();
    parts.cards = hex("06 05") + "12";
    row("a short string longer than the rest is a read error", parts.bytes(),
        SavedGameError::StreamRead);

    parts = FileParts();
    parts.players = hex("06 01");
    row("a string where the player count belongs is an invalid value", parts.bytes(),
        SavedGameError::InvalidProperty);
    parts = FileParts();
    parts.current = hex("09");
    row("a boolean where the player at turn belongs is an invalid value", parts.bytes(),
        SavedGameError::InvalidProperty);
    parts = FileParts();
    parts.status = hex("02 01") + parts.status;
    row("an integer where a status text belongs is an invalid value", parts.bytes(),
        SavedGameError::InvalidProperty);
    parts = FileParts();
    parts.cards = cardWith(6, hex("07 00"));
    row("an unknown tag in a card is an invalid value", parts.bytes(),
        SavedGameError::InvalidProperty);

    parts = FileParts();
    for (const char *players : {"02 00", "02 05", "02 ff", "03 0101", "04 01000001"}) {
        parts.players = hex(players);
        const QByteArray name = "the player count " + QByteArray(players) + " is out of range";
        row(name.constData(), parts.bytes(), SavedGameError::NotASavedGame);
    }
    parts = FileParts();
    for (const char *current : {"02 00", "02 02", "03 0001"}) {
        parts.current = hex(current);
        const QByteArray name = "the player at turn " + QByteArray(current) + " is out of range";
        row(name.constData(), parts.bytes(), SavedGameError::NotASavedGame);
    }
    parts = FileParts();
    for (const char *cell : {"1234", "12a", "-5", " 5", "5 "}) {
        parts.cards = cardWith(4, shortString(cell));
        const QByteArray name = "the cell '" + QByteArray(cell) + "' is no score";
        row(name.constData(), parts.bytes(), SavedGameError::NotASavedGame);
    }
    parts.cards = cardWith(13, shortString("4"));
    row("four Quindle bonuses are more than a card can hold", parts.bytes(),
        SavedGameError::NotASavedGame);
    row("a byte after the last cell is not part of a saved game", good + hex("00"),
        SavedGameError::NotASavedGame);
    row("a second card in a one-player file is not part of it", good + emptyCells(42),
        SavedGameError::NotASavedGame);
}

void TestSavedGame::badFilesFail()
{
    QFETCH(QByteArray, bytes);
    QFETCH(SavedGameError, error);
    const SavedGameReading reading = readSavedGame(bytes);
    QCOMPARE(int(reading.error), int(error));
    QVERIFY(!reading.ok());
}

// Whatever a damaged byte does, the reader either turns the file away or
// gives a game that survives a write and a second reading unchanged.
void TestSavedGame::everyOneByteChangeReadsConsistently()
{
    const QByteArray good = writeSavedGame(twoPlayerGame());
    QRandomGenerator random(5);
    int accepted = 0;
    for (int i = 0; i < good.size(); ++i) {
        for (int tries = 0; tries < 8; ++tries) {
            QByteArray bytes = good;
            bytes[i] = char(random.bounded(256));
            const SavedGameReading reading = readSavedGame(bytes);
            if (!reading.ok())
                continue;
            ++accepted;
            const SavedGameReading again = readSavedGame(writeSavedGame(reading.game));
            QVERIFY2(again.ok() && again.game == reading.game, qPrintable(QString::number(i)));
        }
    }
    QVERIFY(accepted > 0);
}

void TestSavedGame::errorTextsNameTheFile()
{
    QCOMPARE(savedGameErrorText(SavedGameError::NotASavedGame, QStringLiteral("/tmp/a.vqd")),
             QStringLiteral("'/tmp/a.vqd' is not a valid Tolmar Quindle saved game"));
    QCOMPARE(savedGameErrorText(SavedGameError::StreamRead, QStringLiteral("a.vqd")),
             QStringLiteral("Stream read error"));
    QCOMPARE(savedGameErrorText(SavedGameError::InvalidProperty, QStringLiteral("a.vqd")),
             QStringLiteral("Invalid property value"));
}

QUINDLE_TEST_MAIN(TestSavedGame)
#include "tst_SavedGame.moc"
