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
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QString readError = QStringLiteral("Stream read error.");
    const QString invalid = QStringLiteral("Invalid property value.");
    const QString notSaved = QStringLiteral("'%1' is not a valid Tolmar Quindle saved game.");
    const QByteArray good = helpers::newOnePlayerFile();
    auto withByte = [&good](int at, const char *hex) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        return good.left(at) + bytes + good.mid(at + bytes.size());
    };
    QTest::newRow("an empty file ends too early") << QByteArray() << readError;
    QTest::newRow("a file cut inside the card ends too early") << good.left(100) << readError;
    QTest::newRow("a string tag for the player count is an invalid value")
        << withByte(0, "06") << invalid;
    QTest::newRow("an unknown tag in the card is an invalid value")
        << withByte(60, "0a") << invalid;
    QTest::newRow("five players are not a saved game") << withByte(1, "05") << notSaved;
    QTest::newRow("player 2 at turn of one is not a saved game") << withByte(5, "02") << notSaved;
    QTest::newRow("a letter in a cell is not a saved game")
        << good.left(good.size() - 2) + helpers::shortString("7x") << notSaved;
    QTest::newRow("a fourth Quindle bonus is not a saved game")
        << good.left(good.size() - 6) + helpers::shortString("4") + QByteArray::fromHex("0600 0600")
        << notSaved;
    QTest::newRow("data after the last field is not a saved game") << good + "\n" << notSaved;
    QTest::newRow("a declared length of two gigabytes is a read error")
        << withByte(6, "0c ffffff7f") << readError;
}

void TestBadFiles::badFilesLeaveTheGameUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    const QString file = m_game->path(QStringLiteral("bad.vqd"));
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
        QVERIFY2(messages.contains(m_game->fake.boxes.shown.first().text),
                 qPrintable(bytes.toHex()));
        QCOMPARE(helpers::describe(*m_game->main), before);
    }
    m_game->fake.boxes.shown.clear();
    const QString missing = m_game->path(QStringLiteral("missing.vqd"));
    m_game->open(missing);
    QCOMPARE(m_game->fake.boxes.texts(),
             QStringList{QStringLiteral("Cannot open file %1.").arg(missing)});
    QCOMPARE(helpers::describe(*m_game->main), before);
}

void TestBadFiles::cancellingADialogChangesNothing_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("title");
    QTest::newRow("cancelling Save Game") << true << QStringLiteral("Tolmar Quindle Save Game");
    QTest::newRow("cancelling Open Game") << false << QStringLiteral("Tolmar Quindle Open Game");
}

void TestBadFiles::cancellingADialogChangesNothing()
{
    QFETCH(bool, saving);
    QFETCH(QString, title);
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    (saving ? m_game->main->SaveGame1 : m_game->main->LoadGame1)->trigger();
    QCOMPARE(m_game->fake.files.asked.size(), 1);
    QCOMPARE(m_game->fake.files.asked.first().save, saving);
    QCOMPARE(m_game->fake.files.asked.first().title, title);
    QCOMPARE(m_game->fake.files.asked.first().filter,
             QStringLiteral("Tolmar Quindle Saved Game (*.vqd)"));
    QCOMPARE(m_game->fake.files.asked.first().fileName, QStringLiteral("*.vqd"));
    QVERIFY(m_game->fake.boxes.shown.isEmpty());
    QCOMPARE(helpers::describe(*m_game->main), before);
    QCOMPARE(QDir(m_game->folder()).entryList(QDir::Files), QStringList());
}

void TestBadFiles::unwritableTargetsAreReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a folder as the target") << QStringLiteral("folder");
    QTest::newRow("a target in a folder that does not exist") << QStringLiteral("gone/game.vqd");
    QTest::newRow("a target under a plain file") << QStringLiteral("plain.vqd/game.vqd");
}

void TestBadFiles::unwritableTargetsAreReported()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_game->folder()).mkdir(QStringLiteral("folder")));
    QVERIFY(helpers::writeFile(m_game->path(QStringLiteral("plain.vqd")), "keep"));
    m_game->startRunningGame();
    const QStringList before = helpers::describe(*m_game->main);
    m_game->save(m_game->path(target));
    const QString message = QStringLiteral("Cannot open file %1.").arg(m_game->path(target));
    QCOMPARE(m_game->fake.boxes.texts(), QStringList{message});
    QCOMPARE(helpers::describe(*m_game->main), before);
    QCOMPARE(helpers::readFile(m_game->path(QStringLiteral("plain.vqd"))), QByteArray("keep"));
    // The game goes on: player 2 can still score.
    helpers::clickRow(m_game->main->Cards[2]->l_chance, 15);
    QCOMPARE(m_game->main->Cards[2]->l_chance->Col1(), QStringLiteral("15"));
}

// A file size limit makes the write fail half-way, as a full disk would.
void TestBadFiles::aFailingWriteKeepsTheEarlierSave()
{
    m_game->startRunningGame();
    const QString file = m_game->path(QStringLiteral("game.vqd"));
    m_game->save(file);
    const QByteArray earlier = helpers::readFile(file);
    QVERIFY(readSavedGame(earlier).ok());
    helpers::clickRow(m_game->main->Cards[2]->l_chance, 15);

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
