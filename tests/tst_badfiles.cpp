// SPDX-License-Identifier: MIT
// Files that cannot be read, written or trusted: each leaves the running
// game as it was and says why in the error box.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/SavedGame.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QDir>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup() { m_game.reset(); }
    void badFilesLeaveTheGameUntouched_data();
    void badFilesLeaveTheGameUntouched();
    void randomBytesLeaveTheGameUntouched();
    void cancellingADialogChangesNothing_data();
    void cancellingADialogChangesNothing();
    void unwritableTargetsAreReported_data();
    void unwritableTargetsAreReported();
    void aFailingWriteKeepsTheEarlierSave();

private:
    std::unique_ptr<FileGame> m_game;
};

void TestBadFiles::badFilesLeaveTheGameUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "missing": no file at all
    QTest::addColumn<QString>("message");

    const QString readError = QStringLiteral("Stream read error.");
    const QString invalid = QStringLiteral("Invalid property value.");
    const QString notSaved = QStringLiteral("'%1' is not a valid Tolmar Quindle saved game.");
    // The good file's fields: players at 0, flags at 2, player at turn at
    // 4, status texts from 6, the 42 cells (two bytes each when empty) from 50.
    const QByteArray good = helpers::newOnePlayerFile();
    const auto splice = [&good](int at, int length, const QByteArray &with) {
        return good.left(at) + with + good.mid(at + length);
    };
    const auto hex = [](const char *text) { return QByteArray::fromHex(text); };
    const auto cell = [&](int index, const char *text) {
        return splice(50 + 2 * index, 2, helpers::shortString(text));
    };
    const auto add = [](const char *name, const QByteArray &bytes, const QString &message) {
        QTest::newRow(name) << bytes << message;
    };
    add("an empty file ends too early", QByteArray(""), readError);
    add("a file cut inside the card ends too early", good.left(100), readError);
    add("a file cut inside an integer ends too early", hex("03 01"), readError);
    add("a file cut inside a long length ends too early", good.left(6) + hex("0c 0500"), readError);
    add("a declared length of two gigabytes is a read error", splice(6, 5, hex("0cffffff7f")), readError);
    add("a declared length of four gigabytes is a read error", splice(6, 5, hex("0cffffffff")), readError);
    add("a last cell shorter than its declared length is a read error",
        good.left(good.size() - 2) + hex("06 05") + "12", readError);
    add("a string tag for the player count is an invalid value", splice(0, 1, hex("06")), invalid);
    add("a boolean for the player at turn is an invalid value", splice(4, 2, hex("09")), invalid);
    add("an integer where a status text belongs is an invalid value", splice(6, 0, hex("0201")), invalid);
    add("an unknown tag in the card is an invalid value", splice(60, 1, hex("0a")), invalid);
    add("no players are not a saved game", splice(1, 1, hex("00")), notSaved);
    add("five players are not a saved game", splice(1, 1, hex("05")), notSaved);
    add("-1 players are not a saved game", splice(1, 1, hex("ff")), notSaved);
    add("257 players are not a saved game", splice(0, 2, hex("03 0101")), notSaved);
    add("player 0 at turn is not a saved game", splice(5, 1, hex("00")), notSaved);
    add("player 2 at turn of one is not a saved game", splice(5, 1, hex("02")), notSaved);
    add("a four-digit cell is not a saved game", cell(4, "1234"), notSaved);
    add("a letter in a cell is not a saved game", cell(41, "7x"), notSaved);
    add("a negative cell is not a saved game", cell(4, "-5"), notSaved);
    add("a cell with a space is not a saved game", cell(4, " 5"), notSaved);
    add("a fourth Quindle bonus is not a saved game", cell(39, "4"), notSaved);
    add("data after the last field is not a saved game", good + "\n", notSaved);
    add("a second card in a one-player file is not part of it", good + good.right(84), notSaved);
    add("a file that cannot be opened says so", "missing", QStringLiteral("Cannot open file %1."));
}

void TestBadFiles::badFilesLeaveTheGameUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    const QString file = m_game->path(QStringLiteral("bad.vqd"));
    if (bytes != "missing")
        QVERIFY(helpers::writeFile(file, bytes));

    m_game->open(file);
    if (message.contains(QLatin1String("%1")))
        message = message.arg(file);
    QCOMPARE(m_game->fake.boxes.texts(), QStringList{message});
    QCOMPARE(m_game->fake.boxes.shown.first().caption, QStringLiteral("Tolmar Quindle"));
    QCOMPARE(int(m_game->fake.boxes.shown.first().icon), int(platform::BoxIcon::Error));
    QCOMPARE(helpers::describe(*m_game->main), before);
}

void TestBadFiles::randomBytesLeaveTheGameUntouched()
{
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    const QString file = m_game->path(QStringLiteral("noise.vqd"));
    const QStringList messages{
        QStringLiteral("Stream read error."), QStringLiteral("Invalid property value."),
        QStringLiteral("'%1' is not a valid Tolmar Quindle saved game.").arg(file)};
    QRandomGenerator random(1234);
    for (int i = 0; i < 100; ++i) {
        QByteArray bytes(random.bounded(1, 400), Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        QVERIFY(helpers::writeFile(file, bytes));
        m_game->fake.boxes.shown.clear();
        m_game->open(file);
        QCOMPARE(m_game->fake.boxes.shown.size(), 1);
        QVERIFY2(messages.contains(m_game->fake.boxes.shown.first().text), qPrintable(bytes.toHex()));
        QCOMPARE(helpers::describe(*m_game->main), before);
    }
}

void TestBadFiles::cancellingADialogChangesNothing_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("title");
    QTest::newRow("cancelling Save Game") << true << "Tolmar Quindle Save Game";
    QTest::newRow("cancelling Open Game") << false << "Tolmar Quindle Open Game";
}

void TestBadFiles::cancellingADialogChangesNothing()
{
    QFETCH(bool, saving);
    QFETCH(QString, title);
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    (saving ? m_game->main->SaveGame1 : m_game->main->LoadGame1)->trigger();
    const platform::FileRequest request = m_game->fake.files.asked.value(0);
    QCOMPARE(request.save, saving);
    QCOMPARE(request.title, title);
    QCOMPARE(request.filter, QStringLiteral("Tolmar Quindle Saved Game (*.vqd)"));
    QCOMPARE(request.fileName, QStringLiteral("*.vqd"));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
    QCOMPARE(helpers::describe(*m_game->main), before);
    QCOMPARE(QDir(m_game->folder()).entryList(QDir::Files), QStringList());
}

void TestBadFiles::unwritableTargetsAreReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a folder as the target") << "folder";
    QTest::newRow("a target in a folder that does not exist") << "gone/game.vqd";
}

void TestBadFiles::unwritableTargetsAreReported()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_game->folder()).mkdir(QStringLiteral("folder")));
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    m_game->save(m_game->path(target));
    QCOMPARE(m_game->fake.boxes.texts(),
             QStringList{QStringLiteral("Cannot open file %1.").arg(m_game->path(target))});
    QCOMPARE(helpers::describe(*m_game->main), before);
    // The game goes on: player 2 can still score.
    helpers::clickRow(m_game->main->card(2)->l_chance, 15);
    QCOMPARE(m_game->main->card(2)->l_chance->Col1(), QStringLiteral("15"));
}

// A file size limit makes the write fail half-way, as a full disk would.
void TestBadFiles::aFailingWriteKeepsTheEarlierSave()
{
    m_game->startRunningGame();
    const QString file = m_game->path(QStringLiteral("game.vqd"));
    m_game->save(file);
    const QByteArray earlier = helpers::readFile(file);
    QVERIFY(readSavedGame(earlier).ok());
    helpers::clickRow(m_game->main->card(2)->l_chance, 15);

    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 64;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    m_game->save(file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(m_game->fake.boxes.texts(), QStringList{QStringLiteral("Stream write error.")});
    QCOMPARE(helpers::readFile(file), earlier);
    QCOMPARE(QDir(m_game->folder()).entryList(QDir::Files),
             QStringList{QStringLiteral("game.vqd")});
    m_game->save(file);
    QCOMPARE(m_game->fake.boxes.shown.size(), 1);
    QVERIFY(helpers::readFile(file) != earlier);
    QCOMPARE(readSavedGame(helpers::readFile(file)).game.cards.at(1)[12][0], QStringLiteral("15"));
}

QUINDLE_TEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
