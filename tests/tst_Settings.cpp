// SPDX-License-Identifier: MIT
// The settings' plain rules: number forms, the window's default and
// reachable positions, where the file lies, and "Sounds" for the splash.
#include "FakePlatform.h"
#include "TestMain.h"
#include "game/Settings.h"
#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFile>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void integersReadInDecimalOrHexadecimal_data();
    void integersReadInDecimalOrHexadecimal();
    void positionsAreCentredOrBroughtBackOnScreen_data();
    void positionsAreCentredOrBroughtBackOnScreen();
    void fileLiesBesideTheProgramOnlyWhereItCanBeWritten_data();
    void fileLiesBesideTheProgramOnlyWhereItCanBeWritten();
    void splashReadsSoundsFromTheFileEachTime();
};

void TestSettings::integersReadInDecimalOrHexadecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // with the default -7
    QTest::newRow("decimal, also negative") << "-300" << -300;
    QTest::newRow("0x300 is hexadecimal") << "0x300" << 768;
    QTest::newRow("0X1f in either case") << "0X1f" << 31;
    QTest::newRow("$300 is hexadecimal") << "$300" << 768;
    QTest::newRow("0x1 is longer than 2 characters") << "0x1" << 1;
    QTest::newRow("0x alone is no number") << "0x" << -7;
    QTest::newRow("$ alone is no number") << "$" << -7;
    QTest::newRow("a sign or a second prefix in hexadecimal is no number") << "$0x10" << -7;
    QTest::newRow("text is no number") << "abc" << -7;
    QTest::newRow("trailing letters are no number") << "12px" << -7;
    QTest::newRow("an empty text is the default") << "" << -7;
    QTest::newRow("the largest int") << "2147483647" << 2147483647;
    QTest::newRow("past int in decimal") << "2147483648" << -7;
    QTest::newRow("past int in hexadecimal") << "$80000000" << -7;
    QTest::newRow("only the first 1023 characters are read")
        << QString(1023, QLatin1Char('0')) + "5" << 0;
}

void TestSettings::integersReadInDecimalOrHexadecimal()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(settings::parseInteger(text, -7), value);
    // A Boolean is an Integer with the default 1 or 0; anything but 0 is on.
    QCOMPARE(settings::parseBoolean(text, true), value != 0);
    QCOMPARE(settings::parseBoolean(text, false), value != 0 && value != -7);
}

void TestSettings::positionsAreCentredOrBroughtBackOnScreen_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QList<QRect>>("screens"); // the first is the primary
    QTest::addColumn<QRect>("placed");
    const QRect primary(0, 0, 1024, 768);
    const QRect left(-1280, 0, 1280, 1024);
    QTest::newRow("on the screen it stays")
        << QRect(10, 20, 520, 570) << QList<QRect>{primary} << QRect(10, 20, 520, 570);
    QTest::newRow("a pixel on the screen is enough")
        << QRect(1023, -569, 520, 570) << QList<QRect>{primary} << QRect(1023, -569, 520, 570);
    QTest::newRow("on a second screen it stays, as large as both")
        << QRect(-1200, 100, 2304, 1024) << QList<QRect>{primary, left}
        << QRect(-1200, 100, 2304, 1024);
    QTest::newRow("that screen unplugged, it fits and is centred on the primary")
        << QRect(-1200, 100, 2304, 570) << QList<QRect>{primary} << QRect(0, 99, 1024, 570);
    QTest::newRow("just off the bottom right")
        << QRect(1024, 768, 520, 570) << QList<QRect>{primary} << QRect(252, 99, 520, 570);
    QTest::newRow("far away, with no overflow")
        << QRect(2147483000, -2147483000, 600, 600) << QList<QRect>{primary} << QRect(212, 84, 600, 600);
    QTest::newRow("larger than the screen, it shrinks to it")
        << QRect(0, 0, 100000, 100000) << QList<QRect>{primary} << primary;
    QTest::newRow("halves round toward zero, also below it")
        << QRect(5000, 0, 521, 563) << QList<QRect>{QRect(100, 50, 400, 300), QRect(500, 0, 600, 600)}
        << QRect(100 - 60, 50 - 131, 521, 563);
}

void TestSettings::positionsAreCentredOrBroughtBackOnScreen()
{
    QFETCH(QRect, stored);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, placed);
    const QSize size = settings::fittedSize(stored.size(), screens);
    QCOMPARE(QRect(settings::reachablePosition(stored.topLeft(), size, screens, screens.first()),
                   size),
             placed);
}

void TestSettings::fileLiesBesideTheProgramOnlyWhereItCanBeWritten_data()
{
    QTest::addColumn<QString>("program"); // in the temporary folder
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a folder that can be written")
        << "bin" << "/xdg" << "TMP/bin/Quindle.ini";
    QTest::newRow("no folder: the user's configuration folder")
        << "missing" << "/xdg" << "/xdg/tolmar-quindle/Quindle.ini";
    QTest::newRow("a file, not a folder; no XDG_CONFIG_HOME")
        << "file" << "" << "/home/ann/.config/tolmar-quindle/Quindle.ini";
    QTest::newRow("a relative XDG_CONFIG_HOME counts as none")
        << "missing" << "xdg" << "/home/ann/.config/tolmar-quindle/Quindle.ini";
}

void TestSettings::fileLiesBesideTheProgramOnlyWhereItCanBeWritten()
{
    QFETCH(QString, program);
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    FakeSettingsFile temporary;
    const QDir folder(temporary.folder());
    QVERIFY(folder.mkpath("bin"));
    QFile file(folder.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    expected.replace("TMP", folder.path());
    QCOMPARE(platform::settingsPathFor(folder.filePath(program), configHome, "/home/ann"),
             expected);
}

void TestSettings::splashReadsSoundsFromTheFileEachTime()
{
    FakeSettingsFile file;
    QVERIFY(settings::readSounds()); // no file yet
    QStringList heard;
    for (const char *value : {"0", "2", "no"}) {
        QFile ini(file.path());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("[Quindle]\nSounds=") + value + '\n');
        ini.close();
        heard << (settings::readSounds() ? "on" : "off");
    }
    QCOMPARE(heard, QStringList({"off", "on", "on"}));
}

QUINDLE_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
