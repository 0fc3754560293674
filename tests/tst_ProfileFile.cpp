// SPDX-License-Identifier: MIT
// The settings file on bytes and on disk: values read as SimpleIni reads
// them, one key changed with every other byte in place, and files that must
// not be overwritten.
#include "FakePlatform.h"
#include "TestMain.h"
#include "platform/IniText.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void valuesAreFoundAsSimpleIniFindsThem_data();
    void valuesAreFoundAsSimpleIniFindsThem();
    void writingOneKeyChangesOnlyItsLine_data();
    void writingOneKeyChangesOnlyItsLine();
    void firstWriteCreatesFolderAndFileAndEveryReadOpensItAnew();
    void filesThatCannotBeReadAreNeverReplaced_data();
    void filesThatCannotBeReadAreNeverReplaced();
};

void TestProfileFile::valuesAreFoundAsSimpleIniFindsThem_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("value"); // "-" when the key is missing
    QTest::newRow("section and key in any case, value trimmed")
        << QByteArray("[QUINDLE]\n  main LEFT  =  100  \n") << QByteArray("100");
    QTest::newRow("the first of duplicate keys, also across a repeated section")
        << QByteArray("[Quindle]\nMain Left=1\n[Other]\nMain Left=2\n[quindle]\nMain Left=3\n")
        << QByteArray("1");
    QTest::newRow("a key after a NUL byte and a line without =")
        << QByteArrayLiteral("[Quindle]\nJunk=a\0b\ngarbage\nMain Left=7\n") << QByteArray("7");
    QTest::newRow("a BOM, Windows breaks and a lone carriage return")
        << QByteArray("\xEF\xBB\xBF[Quindle]\r\nSounds=0\rMain Left=8") << QByteArray("8");
    QTest::newRow("not in a comment, another section or an unclosed header")
        << QByteArray("[Quindle]\n; Main Left=1\n[Other]\nMain Left=2\n[Quindle\nMain Left=3\n")
        << QByteArray("-");
    QTest::newRow("an empty value is there") << QByteArray("[Quindle]\nMain Left=\n") << QByteArray("");
}

void TestProfileFile::valuesAreFoundAsSimpleIniFindsThem()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, value);
    bool found = false;
    const QByteArray read = ini::value(text, "Quindle", "Main Left", &found);
    QCOMPARE(found ? read : QByteArray("-"), value);
}

void TestProfileFile::writingOneKeyChangesOnlyItsLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("an empty file gets the section and the key")
        << QByteArray() << QByteArray("Main Left") << QByteArray("[Quindle]\nMain Left=9\n");
    QTest::newRow("comments, blanks, other sections, spacing and junk stay; the file's spelling too")
        << QByteArray("; top\n[Other]\nMain Left = 1\n\njunk\n[Quindle]\n # c\nmain left =  2  \n; end")
        << QByteArray("Main Left")
        << QByteArray("; top\n[Other]\nMain Left = 1\n\njunk\n[Quindle]\n # c\nmain left =  9\n; end");
    QTest::newRow("a new key ends its section, before the next section's comment")
        << QByteArray("[Quindle]\nSounds=1\n\n; other\n[Other]\nx=1\n") << QByteArray("Animation")
        << QByteArray("[Quindle]\nSounds=1\nAnimation=9\n\n; other\n[Other]\nx=1\n");
    QTest::newRow("the first of duplicates changes; a NUL byte stays")
        << QByteArrayLiteral("[Quindle]\nBin=\0\xff\nDup=1\nDup=2\n") << QByteArray("Dup")
        << QByteArrayLiteral("[Quindle]\nBin=\0\xff\nDup=9\nDup=2\n");
    QTest::newRow("a key of a repeated section changes where it is")
        << QByteArray("[Quindle]\na=1\n[Other]\n[quindle]\nb=2\n") << QByteArray("b")
        << QByteArray("[Quindle]\na=1\n[Other]\n[quindle]\nb=9\n");
    QTest::newRow("Windows breaks are kept and taken by a new line")
        << QByteArray("\xEF\xBB\xBF[Quindle]\r\nSounds=1") << QByteArray("Animation")
        << QByteArray("\xEF\xBB\xBF[Quindle]\r\nSounds=1\r\nAnimation=9\r\n");
    QTest::newRow("a lone carriage return ends a line")
        << QByteArray("[Quindle]\rSounds=1\rAnimation=1") << QByteArray("Animation")
        << QByteArray("[Quindle]\rSounds=1\rAnimation=9");
    QTest::newRow("a section goes after a last line without break; an unclosed header is none")
        << QByteArray("[Quindle\nSounds=1") << QByteArray("Sounds")
        << QByteArray("[Quindle\nSounds=1\n[Quindle]\nSounds=9\n");
}

void TestProfileFile::writingOneKeyChangesOnlyItsLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    const QByteArray written = ini::withValue(before, "Quindle", key, "9");
    QCOMPARE(written, after);
    // The reader must find the line the writer changed.
    QCOMPARE(ini::value(written, "Quindle", key), QByteArray("9"));
}

void TestProfileFile::firstWriteCreatesFolderAndFileAndEveryReadOpensItAnew()
{
    FakeSettingsFile settings;
    const QString path = QDir(settings.folder()).filePath(QStringLiteral("new/Quindle.ini"));
    const platform::ProfileFile file(path);
    QCOMPARE(file.readString("Quindle", "Sounds", "default"), QStringLiteral("default"));
    QVERIFY(file.writeString("Quindle", "Sounds", "0"));
    QVERIFY(file.writeString("Quindle", "Main Left", "-20"));
    QCOMPARE(readFile(path), QByteArray("[Quindle]\nSounds=0\nMain Left=-20\n"));
    // Nothing is left over from the replacing.
    QCOMPARE(QDir(settings.folder() + "/new").entryList(QDir::Files | QDir::Hidden),
             QStringList{"Quindle.ini"});
    writeFile(path, "[Quindle]\nSounds=1\n");
    QCOMPARE(file.readString("Quindle", "Sounds", "default"), QStringLiteral("1"));
    QCOMPARE(file.readString("Quindle", "Main Left", "default"), QStringLiteral("default"));
}

void TestProfileFile::filesThatCannotBeReadAreNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file too large to be ours") << "large";
    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("a file where its folder should be") << "blocked";
}

void TestProfileFile::filesThatCannotBeReadAreNeverReplaced()
{
    QFETCH(QString, kind);
    FakeSettingsFile settings;
    QString path = settings.path();
    const QByteArray large = "[Quindle]\nSounds=0\n" + QByteArray(platform::ProfileFile::MaxSize, ';');
    if (kind == "large")
        writeFile(path, large);
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else {
        writeFile(path, "[Quindle]\nSounds=0\n");
        path += "/Quindle.ini";
    }
    const platform::ProfileFile file(path);
    QCOMPARE(file.readString("Quindle", "Sounds", "1"), QStringLiteral("1"));
    QVERIFY(!file.writeString("Quindle", "Sounds", "1"));
    if (kind == "large")
        QCOMPARE(readFile(path).size(), large.size());
}

QUINDLE_TEST_MAIN(TestProfileFile)
#include "tst_ProfileFile.moc"
