// SPDX-License-Identifier: MIT
// Save Game and Open Game through the menu, the file dialogs answered by the fake platform, real files.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/SavedGame.h"
#include "platform/SafeFile.h"
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
namespace {
QByteArray hex(const char *text) { return QByteArray::fromHex(text); }
// Triple (Easy), two players: player 1 has 30 in Sixes, column 2; player 2 rolled 12345 once, holds die 3.
void startRunningGame(GameFixture &game)
{
    game.newGame(2, true, false);
    game.rollAs(QStringLiteral("66666"));
    game.clickRow(1, QStringLiteral("u_6"), 45);
    game.rollAs(QStringLiteral("12345"));
    game.setHeld(QStringLiteral("00100"));
}
// A saved game of cards "open" (one score) or "full N" (every cell of every column in play, N in Chance).
QByteArray gameFile(bool triple, int atTurn, const QStringList &cards)
{
    SavedGame game;
    game.players = int(cards.size());
    game.triple = triple;
    game.currentPlayer = atTurn;
    for (const QString &shape : cards) {
        const QStringList full = QStringLiteral("3 6 9 12 15 18 20 20 25 30 40 50 %1").arg(shape.section(' ', 1)).split(' ');
        SavedGame::Card card;
        for (int i = 0; i < 13 * (triple ? 3 : 1); ++i)
            card[i % 13][i / 13] = shape == QLatin1String("open") ? QString() : full[i % 13];
        card[0][0] = QStringLiteral("3");
        game.cards.append(card);
    }
    return writeSavedGame(game);
}
// Runs `write` with files limited to 64 bytes, as a full disk would cut them.
void withFullDisk(const std::function<void()> &write)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full{64, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
}
} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    // Cancelling either dialog changes nothing; the save writes 134 bytes.
    void aNewGameIsSavedAsTheWorkedExample()
    {
        GameFixture game;
        game.newGame(1);
        const QStringList before = game.describe();
        game.main->LoadGame1->trigger();
        game.main->SaveGame1->trigger();
        QVERIFY(game.describe() == before && QDir(game.folder()).entryList(QDir::Files).isEmpty());
        game.save(game.path(QStringLiteral("new.vqd")));
        QCOMPARE(files::read(game.path(QStringLiteral("new.vqd"))), files::newOnePlayerGame());
        QStringList asked;
        for (const platform::FileRequest &request : game.fake.files.asked)
            asked << QStringList{request.title, request.filter, request.defaultSuffix, request.fileName}.join('|');
        const QString both = QStringLiteral(" Game|Tolmar Quindle Saved Game (*.vqd)|vqd|*.vqd");
        QCOMPARE(asked.join(' '), "Tolmar Quindle Open" + both + " Tolmar Quindle Save" + both + " Tolmar Quindle Save" + both);
    }
    void gamesComeBackWithTheirTotalsAndTurn_data()
    {
        QTest::addColumn<bool>("triple");
        QTest::addColumn<bool>("hard");
        QTest::addColumn<QStringList>("columns"); // "card column cells", the last of the last player's card
        QTest::addColumn<QString>("bonus");       // l_bonus of card 1
        QTest::addColumn<int>("atTurn");
        QTest::newRow("a Regular game with an upper bonus and two Quindle bonuses") << false << false
            << QStringList{"1 1 3 6 9 12 15 18 . . 25 . . 50 .", "2 1 . . 9 . . . 17 . . . . . ."} << "2" << 2;
        QTest::newRow("a Triple (Easy) game") << true << false
            << QStringList{"1 3 5 10 15 20 20 0 30 25 25 30 40 0 .", "1 1 . 4 . . . . . . . . . . 21",
                           "2 2 . . . . 20 . . . . . . 50 ."} << "" << 1;
        QTest::newRow("a Triple (Hard) game of three players resumes with player 3") << true << true
            << QStringList{"1 1 2 . . . . . . . . . 40 . .", "1 2 . . . . . . . . . . 40 . .",
                           "2 1 . . . . . 24 . . 25 . . . .", "3 1 . . . . . . . 18 . . . . ."} << "" << 3;
    }
    // Every cell comes back, the totals recounted without the bonus sound, the stored player at turn.
    void gamesComeBackWithTheirTotalsAndTurn()
    {
        QFETCH(bool, triple);
        QFETCH(bool, hard);
        QFETCH(QStringList, columns);
        QFETCH(QString, bonus);
        QFETCH(int, atTurn);
        GameFixture game;
        game.newGame(columns.last().section(' ', 0, 0).toInt(), triple, hard);
        game.card(1)->l_bonus->setCol1(bonus);
        for (const QString &column : columns)
            game.prepareColumn(column.section(' ', 0, 0).toInt(), column.section(' ', 1, 1).toInt(), column.section(' ', 2));
        for (int p = 1; p < atTurn; ++p)
            game.main->NextPlayer(p);
        // All a player sees, but for the cards' addresses, which change; and the kind of game.
        const auto shown = [&] {
            return game.describe().replaceInStrings(QRegularExpression(" is [0-9a-f]+,"), ",") << QString::number(game.card(1)->HardMode);
        };
        const QStringList before = shown();
        game.save(game.path(QStringLiteral("game.vqd")));
        game.newGame(1);
        game.open(game.path(QStringLiteral("game.vqd")));
        QVERIFY2(!game.fake.sound.played().contains(6), "a restored upper bonus is no new bonus");
        QCOMPARE(shown(), before);
    }
    void theTurnOrTheEndIsDecidedAfterEveryCard_data()
    {
        QTest::addColumn<bool>("triple");
        QTest::addColumn<int>("atTurn");
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QString>("outcome"); // the player at turn, or the one box shown
        QTest::newRow("the stored player keeps the turn") << false << 2 << QStringList{"open", "open", "open"} << "2";
        QTest::newRow("a stored player whose card is full passes the turn on") << false << 2 << QStringList{"open", "full 20", "open"} << "3";
        QTest::newRow("a full last card ends the game while card 1 is still open")
            << false << 2 << QStringList{"open", "full 5"} << "Player 2 wins the game!";
        QTest::newRow("a single player's full Triple card ends the game") << true << 1 << QStringList{"full 20"} << "Player 1 wins the game!";
    }
    void theTurnOrTheEndIsDecidedAfterEveryCard()
    {
        QFETCH(bool, triple);
        QFETCH(int, atTurn);
        QFETCH(QStringList, cards);
        QFETCH(QString, outcome);
        GameFixture game;
        startRunningGame(game);
        QVERIFY(files::write(game.path(QStringLiteral("game.vqd")), gameFile(triple, atTurn, cards)));
        const bool over = outcome.size() > 1;
        if (over)
            game.fake.boxes.expect(outcome);
        game.open(game.path(QStringLiteral("game.vqd")));
        QVERIFY(game.fake.boxes.pending().isEmpty());
        QCOMPARE(QStringLiteral("%1 %2").arg(game.main->NoGame()).arg(game.main->RollsLeft()), over ? "1 -1" : "0 3");
        for (int p = 1; p <= cards.size(); ++p)
            QCOMPARE(game.card(p)->isEnabled(), !over && p == outcome.toInt());
        QVERIFY(over || game.main->statusText(2) == QStringLiteral("Player %1's Turn").arg(outcome));
    }
    void badFilesLeaveTheGameUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // or how to make the file: "fifo", "link", ...
        QTest::addColumn<QString>("message");
        const QString readError = QStringLiteral("Stream read error."), invalid = QStringLiteral("Invalid property value.");
        const QString notSaved = QStringLiteral("'%1' is not a valid Tolmar Quindle saved game.");
        const QString cannotOpen = QStringLiteral("Cannot open file %1.");
        const QByteArray good = files::newOnePlayerGame();
        const auto splice = [&good](int at, int n, const QByteArray &with) { return good.left(at) + with + good.mid(at + n); };
        // Cell i is row i / 3, column i % 3, from byte 50; the turn text is at 33.
        const auto cell = [&](int index, const char *text) { return splice(50 + 2 * index, 2, files::shortString(text)); };
        const auto add = [](const char *name, const QByteArray &bytes, const QString &message) { QTest::newRow(name) << bytes << message; };
        add("an empty file ends too early", QByteArray(""), readError);
        add("a file cut inside the card ends too early", good.left(100), readError);
        add("a declared length of four gigabytes is a read error", splice(6, 5, hex("0cffffffff")), readError);
        add("a string tag for the player count is an invalid value", splice(0, 1, hex("06")), invalid);
        add("an unknown tag in the card is an invalid value", splice(60, 1, hex("0a")), invalid);
        add("five players", splice(1, 1, hex("05")), notSaved);
        add("257 players", splice(0, 2, hex("03 0101")), notSaved);
        add("player 2 at turn of one", splice(5, 1, hex("02")), notSaved);
        add("a status text of 256 characters", splice(33, 17, hex("0c 00010000") + QByteArray(256, 'x')), notSaved);
        add("a control character in a status text", splice(33, 17, files::shortString("1\x1b[2J")), notSaved);
        add("a four-digit cell", cell(3, "1234"), notSaved);
        add("a letter in a cell", cell(0, "1x"), notSaved);
        add("999 in Chance", cell(36, "999"), notSaved);
        add("seven in Twos", cell(3, "7"), notSaved);
        add("26 in Full House", cell(24, "26"), notSaved);
        add("a leading zero", cell(6, "09"), notSaved);
        add("a score in the Double column of a Regular game", cell(1, "3"), notSaved);
        add("a bonus in the Double column", cell(40, "1"), notSaved);
        add("a fourth Quindle bonus", cell(39, "4"), notSaved);
        add("data after the last field", good + "\n", notSaved);
        add("a file over 64 KB", good + QByteArray(64 * 1024, '\0'), notSaved);
        add("a missing file", "missing", cannotOpen);
        add("a folder, which cannot be saved to either", "folder", cannotOpen);
        add("a FIFO is refused at once", "fifo", cannotOpen);
        add("a link to a device, which Save does not replace either", "link", cannotOpen);
    }
    void badFilesLeaveTheGameUntouched()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        GameFixture game;
        startRunningGame(game);
        const QStringList before = game.describe();
        const QString file = game.path(QStringLiteral("bad.vqd"));
        if (bytes == "folder")
            QVERIFY(QDir(game.folder()).mkdir(QStringLiteral("bad.vqd")));
        else if (bytes == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (bytes == "link")
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), file));
        else if (bytes != "missing")
            QVERIFY(files::write(file, bytes));
        game.fake.boxes.expect(message.arg(file));
        game.open(file);
        if (bytes == "folder" || bytes == "link") {
            game.fake.boxes.expect(message.arg(file));
            game.save(file);
            struct stat info {};
            QVERIFY(::stat("/dev/null", &info) == 0 && S_ISCHR(info.st_mode));
        }
        const platform::BoxRequest &box = game.fake.boxes.shown.first();
        QVERIFY(game.fake.boxes.pending().isEmpty() && box.icon == platform::BoxIcon::Error && box.caption == "Tolmar Quindle");
        QCOMPARE(game.describe(), before);
    }
    // Two- and four-byte integers and a long string read like the short forms; only the tag 09 reads as true.
    // Whatever a file holds as status texts is shown as it is, never as markup that could load a picture,
    // a device or a FIFO; the turn text is written anew when the turn is handed out.
    void unusualFilesAreReadAsTheyAre()
    {
        const SavedGameReading reading = readSavedGame(hex("04 02000000 0901 03 0200") + files::newOnePlayerGame().mid(6, 44)
                                                       + hex("0600").repeated(75) + hex("0c 02000000") + "50" + hex("0600").repeated(8));
        const SavedGame &longer = reading.game;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(reading.ok()).arg(longer.players).arg(longer.currentPlayer)
                     .arg(longer.hard).arg(longer.triple).arg(longer.cards.last()[11][0]), QStringLiteral("1 2 2 1 0 50"));
        GameFixture game;
        SavedGame saved = readSavedGame(files::newOnePlayerGame()).game;
        saved.status = {QStringLiteral("<b>1</b> Player"), QStringLiteral("<img src=\"/dev/zero\">").leftJustified(255, 'x'),
                        QStringLiteral("<i>Player 1's Turn</i>")};
        QVERIFY(files::write(game.path(QStringLiteral("markup.vqd")), writeSavedGame(saved)));
        game.open(game.path(QStringLiteral("markup.vqd")));
        for (int panel = 0; panel < 2; ++panel) {
            const QLabel *label = game.main->StatusPanels[panel];
            QVERIFY(label->text() == saved.status[panel] && label->textFormat() == Qt::PlainText);
        }
        // The real message box shows a file name as it is, too.
        Qt::TextFormat format = Qt::RichText;
        QTimer::singleShot(0, [&format] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                format = box->textFormat();
                box->accept();
            }
        });
        platform::setServices({});
        platform::showError(QStringLiteral("'<i>it</i>' is not a valid Tolmar Quindle saved game"));
        game.fake.install();
        QCOMPARE(format, Qt::PlainText);
    }
    // A disk that fills up keeps the earlier file whole, whether the new one goes through a temporary file
    // or, in a folder that cannot take one, over the old one in place.
    void aFailedWriteKeepsTheEarlierFile()
    {
        GameFixture game;
        startRunningGame(game);
        const QString file = game.path(QStringLiteral("game.vqd"));
        game.save(file);
        const QByteArray earlier = files::read(file);
        game.clickRow(2, QStringLiteral("l_chance"));
        game.fake.boxes.expect(QStringLiteral("Stream write error."));
        withFullDisk([&] { game.save(file); });
        QVERIFY(game.fake.boxes.pending().isEmpty() && files::read(file) == earlier);
        QCOMPARE(QDir(game.folder()).entryList(QDir::Files), QStringList{QStringLiteral("game.vqd")});
        const auto noNewFiles = [](const QString &) { return false; };
        QVERIFY(files::write(file, "an earlier game"));
        platform::FileError error = platform::FileError::None;
        withFullDisk([&] { error = platform::writeFileSafely(file, earlier, noNewFiles); });
        QVERIFY(error == platform::FileError::WriteFailed && files::read(file) == "an earlier game");
        QVERIFY(platform::writeFileSafely(file, earlier, noNewFiles) == platform::FileError::None && files::read(file) == earlier);
    }
    // Save over a writable file in a folder that takes no new file rewrites it in
    // place. The superuser writes into any folder, so as root the folder is posed.
    void aSaveIntoAReadOnlyFolderRewritesTheFile()
    {
        GameFixture game;
        startRunningGame(game);
        const QString file = game.path(QStringLiteral("game.vqd"));
        QVERIFY(files::write(file, "an earlier game"));
        const QFile::Permissions writable = QFile::permissions(game.folder());
        QVERIFY(QFile::setPermissions(game.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const platform::FolderCheck previous = platform::setFolderCheck(
            geteuid() == 0 ? platform::FolderCheck([](const QString &) { return false; }) : nullptr);
        game.save(file);
        platform::setFolderCheck(previous);
        QFile::setPermissions(game.folder(), writable);
        QCOMPARE(readSavedGame(files::read(file)).game.cards.value(0)[5][1], QStringLiteral("30"));
        QCOMPARE(QDir(game.folder()).entryList(QDir::Files), QStringList{QStringLiteral("game.vqd")});
    }
};

QUINDLE_TEST_MAIN(TestFiles)
#include "tst_files.moc"
