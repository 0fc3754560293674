// SPDX-License-Identifier: MIT
// What the settings file costs: every read opens and parses the file anew,
// 14 of them as the main window is created, and every write replaces the
// file through a synced temporary one: one as the window closes, one for
// each card that goes.
#include "game/Settings.h"
#include "platform/Application.h"
#include "platform/SettingsLocation.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class BenchSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readingEveryKeyAtStart();
    void writingOneChangedKey();

private:
    // On the disk, not in memory: a write's cost is mostly its sync.
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/quindle-bench-XXXXXX")};
    QString m_previous;
};

void BenchSettings::initTestCase()
{
    m_previous = platform::setSettingsFilePath(m_dir.filePath(QStringLiteral("Quindle.ini")));
    QFile file(settings::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; a file as the game leaves it, with a comment\n[Quindle]\nSounds=1\nAnimation=1\n"
               "Main Left=252\nMain Top=102\nMain Width=520\nMain Height=570\n"
               "Card1 Left=5\nCard1 Top=5\nCard2 Left=25\nCard2 Top=25\n"
               "Card3 Left=45\nCard3 Top=45\nCard4 Left=65\nCard4 Top=65\n");
}

void BenchSettings::cleanupTestCase()
{
    platform::setSettingsFilePath(m_previous);
}

void BenchSettings::readingEveryKeyAtStart()
{
    const QStringList keys{"Sounds", "Animation", "Main Left", "Main Top", "Main Width",
                           "Main Height", "Card1 Left", "Card1 Top", "Card2 Left", "Card2 Top",
                           "Card3 Left", "Card3 Top", "Card4 Left", "Card4 Top"};
    int sum = 0;
    QBENCHMARK {
        for (const QString &key : keys)
            sum += settings::readInteger(key, 0);
    }
    QVERIFY(sum > 0);
}

void BenchSettings::writingOneChangedKey()
{
    int left = 0;
    QBENCHMARK {
        QVERIFY(settings::write({{QStringLiteral("Card1 Left"), ++left}}));
    }
}

int main(int argc, char **argv)
{
    QuindleApplication app(argc, argv);
    BenchSettings bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_settings.moc"
