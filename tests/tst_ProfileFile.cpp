// SPDX-License-Identifier: MIT
// The settings file on bytes and on disk: a value read as SimpleIni reads
// it, one key changed with every other byte in place, and files that must
// not be overwritten.
#include "FakePlatform.h"
#include "TestMain.h"
#include "platform/IniText.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void keyIsReadAndChangedInItsOwnLine_data();
    void keyIsReadAndChangedInItsOwnLine();
    void firstWriteCreatesTheFolderAndLeavesNoTemporaryFile();
    void filesThatCannotBeReadAreNeverReplaced_data();
    void filesThatCannotBeReadAreNeverReplaced();
};

void TestProfileFile::keyIsReadAndChangedInItsOwnLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("read"); // of "Main Left" in [Quindle]; "-" when missing
    QTest::addColumn<QByteArray>("after"); // "Main Left" set to 9
    QTest::newRow("an empty file gets the section and the key")
        << QByteArray() << QByteArray("-") << QByteArray("[Quindle]\nMain Left=9\n");
    QTest::newRow("comments, blanks, other sections, junk and the file's spelling stay")
        << QByteArray("; top\n[Other]\nMain Left=1\n\njunk\n[QUINDLE]\n # c\nmain LEFT =  2  \n; end")
        << QByteArray("2")
        << QByteArray("; top\n[Other]\nMain Left=1\n\njunk\n[QUINDLE]\n # c\nmain LEFT =  9\n; end");
    QTest::newRow("a new key ends its section, before the next section's comment")
        << QByteArray("[Quindle]\nSounds=1\n\n; other\n[Other]\nx=1\n") << QByteArray("-")
        << QByteArray("[Quindle]\nSounds=1\nMain Left=9\n\n; other\n[Other]\nx=1\n");
    QTest::newRow("the first of duplicates, also of a repeated section, past a NUL byte")
        << QByteArrayLiteral("[Quindle]\nBin=\0\xff\n[Other]\n[quindle]\nMain Left=1\nMain Left=2\n")
        << QByteArray("1")
        << QByteArrayLiteral("[Quindle]\nBin=\0\xff\n[Other]\n[quindle]\nMain Left=9\nMain Left=2\n");
    QTest::newRow("a BOM and Windows breaks, which a new line takes")
        << QByteArray("\xEF\xBB\xBF[Quindle]\r\nSounds=1") << QByteArray("-")
        << QByteArray("\xEF\xBB\xBF[Quindle]\r\nSounds=1\r\nMain Left=9\r\n");
    QTest::newRow("a lone carriage return ends a line")
        << QByteArray("[Quindle]\rSounds=1\rMain Left=") << QByteArray("")
        << QByteArray("[Quindle]\rSounds=1\rMain Left=9");
    QTest::newRow("neither a comment nor an unclosed header counts")
        << QByteArray("[Quindle]\n; Main Left=1\n[Quindle\nMain Left=3") << QByteArray("-")
        << QByteArray("[Quindle]\nMain Left=9\n; Main Left=1\n[Quindle\nMain Left=3");
}

void TestProfileFile::keyIsReadAndChangedInItsOwnLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, read);
    QFETCH(QByteArray, after);
    bool found = false;
    const QByteArray value = ini::value(before, "Quindle", "Main Left", &found);
    QCOMPARE(found ? value : QByteArray("-"), read);
    const QByteArray written = ini::withValue(before, "Quindle", "Main Left", "9");
    QCOMPARE(written, after);
    // The reader must find the line the writer changed.
    QCOMPARE(ini::value(written, "Quindle", "Main Left"), QByteArray("9"));
}

void TestProfileFile::firstWriteCreatesTheFolderAndLeavesNoTemporaryFile()
{
    FakeSettingsFile settings;
    const QString folder = settings.folder() + QStringLiteral("/tolmar-quindle");
    const platform::ProfileFile file(folder + QStringLiteral("/Quindle.ini"));
    QCOMPARE(file.readString("Quindle", "Sounds", "default"), QStringLiteral("default"));
    QVERIFY(file.writeStrings("Quindle", {{"Sounds", "0"}, {"Main Left", "-20"}}));
    QCOMPARE(file.readString("Quindle", "Main Left", "default"), QStringLiteral("-20"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Quindle.ini"});
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
    const QByteArray text = "[Quindle]\nSounds=0\n"
                            + QByteArray(kind == "large" ? platform::ProfileFile::MaxSize : 0, ';');
    QFile existing(settings.path());
    QVERIFY(kind == "folder" ? QDir().mkpath(settings.path())
                             : existing.open(QIODevice::WriteOnly) && existing.write(text) > 0);
    existing.close();
    const platform::ProfileFile file(settings.path() + (kind == "blocked" ? "/Quindle.ini" : ""));
    QCOMPARE(file.readString("Quindle", "Sounds", "1"), QStringLiteral("1"));
    QVERIFY(!file.writeString("Quindle", "Sounds", "1"));
    QCOMPARE(QFileInfo(settings.path()).size(), kind == "folder" ? QFileInfo(settings.path()).size()
                                                                 : text.size());
}

QUINDLE_TEST_MAIN(TestProfileFile)
#include "tst_ProfileFile.moc"
