// SPDX-License-Identifier: MIT
// The settings file: one key changed in the line SimpleIni reads it from, with
// every other byte in place, and files that cannot be read never overwritten.
#include "FakePlatform.h"
#include "TestMain.h"
#include "platform/IniText.h"
#include "platform/ProfileFile.h"

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void keyIsChangedInTheLineWhereItIsRead_data();
    void keyIsChangedInTheLineWhereItIsRead();
    void onlyAFileThatCanBeReadIsReplaced();
};

// A file's text where "<old|new>" is what setting "Main Left" in [Quindle] to 9 changes.
void TestProfileFile::keyIsChangedInTheLineWhereItIsRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("a last line gets its break, then the section") << QByteArray("x=1<|\n[Quindle]\nMain Left=9\n>");
    QTest::newRow("after a BOM, comments, blanks, junk and the file's spelling stay") << QByteArray(
        "\xEF\xBB\xBF; top\n[Other]\nMain Left=1\n\njunk\n[QUINDLE]\n # c\nmain LEFT =  <2  |9>\n; end");
    QTest::newRow("a new key ends the first of its sections, in the file's own line breaks")
        << QByteArray("[Quindle]\r\nSounds=1\r\n<|Main Left=9\r\n>\r\n[Other]\r\n[quindle]\r\nx=1\r\n");
    QTest::newRow("the first of duplicates counts, also in a repeated section, past a NUL byte")
        << QByteArrayLiteral("[Quindle]\nBin=\0\xff\n[Other]\n[quindle]\nMain Left=<1|9>\nMain Left=2\n");
    QTest::newRow("a lone CR ends a line; neither a comment nor an unclosed header counts")
        << QByteArray("[Quindle]\r<|Main Left=9\r>; Main Left=1\r[Quindle\rMain Left=3");
}

void TestProfileFile::keyIsChangedInTheLineWhereItIsRead()
{
    QFETCH(QByteArray, text);
    const QRegularExpression change(QStringLiteral("<([^|]*)\\|([^>]*)>"));
    const auto side = [&](const char *which) { return QString::fromLatin1(text).replace(change, which).toLatin1(); };
    const QByteArray written = ini::withValue(side("\\1"), "Quindle", "Main Left", "9");
    QCOMPARE(written, side("\\2"));
    QCOMPARE(ini::value(written, "Quindle", "Main Left"), QByteArray("9"));
}

void TestProfileFile::onlyAFileThatCanBeReadIsReplaced()
{
    FakeSettingsFile settings;
    QFile large(settings.folder() + "/large.ini"), blocker(settings.folder() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly) && large.open(QIODevice::WriteOnly));
    QVERIFY(large.write("[Quindle]\nSounds=0\n" + QByteArray(platform::ProfileFile::MaxSize, ';')) && large.flush());
    QStringList result;
    for (const char *path : {"/new/Quindle.ini", "/large.ini", "/blocker/Quindle.ini"}) {
        const platform::ProfileFile file(settings.folder() + path);
        for (int time = 1; time <= 2; ++time) // the second changes nothing, which is no failure
            result << (file.writeStrings("Quindle", {{"Sounds", "1"}, {"Main Left", "-20"}}) ? "written" : "refused");
        for (const char *key : {"Sounds", "Main Left", "Top"})
            result << file.readString("Quindle", key, "?");
    }
    QCOMPARE(result.join(' '), "written written 1 -20 ? refused refused ? ? ? refused refused ? ? ?");
    // The new folder holds the file alone: no temporary file stays beside it.
    QCOMPARE(QDir(settings.folder() + "/new").entryList(QDir::Files | QDir::Hidden), QStringList{"Quindle.ini"});
}

QUINDLE_TEST_MAIN(TestProfileFile)
#include "tst_ProfileFile.moc"
