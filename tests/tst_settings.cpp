// SPDX-License-Identifier: MIT
// The settings as plain values, then the main window with its file: what a
// start reads, what Exit and the cards write, and a file that cannot be written.
#include "FakePlatform.h"
#include "TestMain.h"
#include "game/Settings.h"
#include "game/main.h"
#include "platform/SettingsLocation.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
QByteArray readFile(const QString &path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>"); }
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return bytes == "<none>" || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
QWidget *card(const Tw_Quindle_Main &main, int player) { return main.ClientArea->subWindowList().value(player - 1); }

// "sound on, animation off, 252,102 520x570, cards", then where the cards of a
// new four-player game stand: " 5,5 25,25 45,45 65,65".
QString describe(Tw_Quindle_Main &main)
{
    QString text = QStringLiteral("sound %1, animation %2, %3,%4 %5x%6, cards")
                       .arg(main.Sound1->isChecked() ? "on" : "off", main.Animation1->isChecked() ? "on" : "off")
                       .arg(main.x()).arg(main.y()).arg(main.width()).arg(main.height());
    main.QuickStart(4, false, false);
    for (int i = 1; i <= 4; ++i)
        text += QStringLiteral(" %1,%2").arg(card(main, i)->x()).arg(card(main, i)->y());
    return text;
}
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void numbersPlacesAndTheFileAreChosenAsPlainValues()
    {
        // With the default -7: "0X1f" is hexadecimal in either case, and "0x1" longer
        // than 2 characters; "$" alone and "$0x10" are no numbers, nor anything past
        // int; only 1023 characters are read. A Boolean ("f": false) is anything but 0.
        QStringList read;
        for (const QString &text : {"0X1f", "0x1", "$", "$0x10", "2147483647", "2147483648", "$80000000"})
            read << QStringLiteral("%1%2").arg(settings::parseInteger(text, -7)).arg(settings::parseBoolean(text, false) ? "" : "f");
        read << QString::number(settings::parseInteger(QString(1023, '0') + "5", -7));
        QCOMPARE(read.join(' '), "31 1 -7f -7f 2147483647 -7f -7f 0");
        // Stored places: a pixel on a screen is enough; on a second screen it stays, as
        // large as both; with that screen unplugged it fits and is centred on the
        // primary; far away with no overflow; halves round toward zero, also below it.
        const QRect primary(0, 0, 1024, 768);
        QStringList placed;
        for (const auto &[stored, screens] : {std::pair{QRect(1023, -569, 520, 570), QList<QRect>{primary}},
                                              {QRect(-1200, 100, 2304, 1024), {primary, QRect(-1280, 0, 1280, 1024)}},
                                              {QRect(-1200, 100, 2304, 570), {primary}},
                                              {QRect(2147483000, -2147483000, 600, 600), {primary}},
                                              {QRect(5000, 0, 521, 563), {QRect(100, 50, 400, 300), QRect(500, 0, 600, 600)}}}) {
            const QSize size = settings::fittedSize(stored.size(), screens);
            const QPoint at = settings::reachablePosition(stored.topLeft(), size, screens, screens.first());
            placed << QStringLiteral("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(size.width()).arg(size.height());
        }
        QCOMPARE(placed.join(", "), "1023,-569 520x570, -1200,100 2304x1024, 0,99 1024x570, 212,84 600x600, 40,-81 521x563");
        // The file lies beside the program in a folder that can be written, else in the
        // configuration folder: $XDG_CONFIG_HOME when that is an absolute path. An
        // installed copy (a menu entry in its prefix) always uses the configuration folder.
        FakeSettingsFile temporary;
        const QDir folder(temporary.folder());
        QVERIFY(folder.mkpath("bin") && writeFile(folder.filePath("file"), "") && folder.mkpath("prefix/bin") && folder.mkpath("prefix/share/applications")
                && writeFile(folder.filePath("prefix/share/applications/tolmar-quindle.desktop"), ""));
        QStringList paths;
        for (const auto &[program, configHome] : {std::pair{"bin", "/xdg"}, {"missing", "/xdg"}, {"file", ""}, {"missing", "xdg"}, {"prefix/bin", "/xdg"}})
            paths << platform::settingsPathFor(folder.filePath(program), configHome, "/home/ann").replace(folder.path(), "TMP");
        QCOMPARE(paths.join(' '), "TMP/bin/Quindle.ini /xdg/tolmar-quindle/Quindle.ini "
                                  "/home/ann/.config/tolmar-quindle/Quindle.ini /home/ann/.config/tolmar-quindle/Quindle.ini "
                                  "/xdg/tolmar-quindle/Quindle.ini");
    }
    // With no file: on, centred for 519 x 563 at 520 x 570, cards stepping by 20;
    // Sounds 0 unchecks Sound, Animation 2 is on, cards as stored; a stored size
    // leaves the default place for 519 x 563; a place wholly off every screen is
    // brought back, centred for its size. Reading never creates or changes the file.
    void startReadsTheFile()
    {
        QStringList states;
        for (const QByteArray file : {"<none>", "[Quindle]\nSounds=0\nAnimation=2\nCard2 Left=-3\ncard4 top=$10\n",
                                      "[Quindle]\nMain Width=0x300\nMain Height=$300\nAnimation=0\n",
                                      "[Quindle]\nMain Left=-1500\nMain Top=20\nMain Height=400\n"}) {
            FakePlatform fake;
            QVERIFY(writeFile(fake.settings.path(), file));
            Tw_Quindle_Main main;
            QCOMPARE(settings::readSounds(), main.Sound1->isChecked()); // as the splash reads it
            states << describe(main);
            QCOMPARE(readFile(fake.settings.path()), file);
        }
        QCOMPARE(states, QStringList({"sound on, animation on, 252,102 520x570, cards 5,5 25,25 45,45 65,65",
                                      "sound off, animation on, 252,102 520x570, cards 5,5 -3,25 45,45 65,16",
                                      "sound on, animation off, 252,102 768x768, cards 5,5 25,25 45,45 65,65",
                                      "sound on, animation on, 252,184 520x400, cards 5,5 25,25 45,45 65,65"}));
    }
    void exitAndTheCardsWriteWhatTheNextStartReads()
    {
        FakePlatform fake;
        fake.screen.otherScreens = {QRect(1024, 0, 800, 600)};
        QVERIFY(writeFile(fake.settings.path(), "; kept\n[Other]\nMain Left=1\n[Quindle]\nMain Top = 10\nCard1 Left=100\nCard1 Top=110\n"));
        auto main = std::make_unique<Tw_Quindle_Main>();
        main->show();
        main->QuickStart(3, false, false);
        QCOMPARE(card(*main, 1)->pos(), QPoint(100, 110));
        for (int i = 1; i <= 3; ++i)
            card(*main, i)->move(10 * i, 20 * i);
        main->QuickStart(1, false, false); // the old cards write as they go; the new one goes where the start said
        QCOMPARE(card(*main, 1)->pos(), QPoint(100, 110));
        card(*main, 1)->move(7, 8);
        main->Animation1->trigger();
        main->move(1100, 40);
        main->resize(600, 480);
        main->EXit1->trigger();
        QVERIFY(!main->isVisible());
        main.reset(); // the last card writes as it goes with the window
        QCOMPARE(readFile(fake.settings.path()), "; kept\n[Other]\nMain Left=1\n[Quindle]\nMain Top = 40\nCard1 Left=7\nCard1 Top=8\n"
                 "Card2 Left=20\nCard2 Top=40\nCard3 Left=30\nCard3 Top=60\nSounds=1\nAnimation=0\nMain Left=1100\nMain Width=600\nMain Height=480\n");
        fake.sound.device = false; // Sound is off then, but the stored choice is kept
        Tw_Quindle_Main next;
        QCOMPARE(describe(next), "sound off, animation off, 1100,40 600x480, cards 7,8 20,40 30,60 65,65");
        next.close();
        QVERIFY(readFile(fake.settings.path()).contains("\nSounds=1\n") && fake.boxes.shown.isEmpty());
    }
    void unwritableFileIsReportedAndTheWindowStillCloses()
    {
        FakePlatform fake;
        // A file where the folder should be: no write succeeds, not even root's.
        const QString path = fake.settings.path() + "/Quindle.ini";
        QVERIFY(writeFile(fake.settings.path(), "[Quindle]\nSounds=0\n") && !platform::setSettingsFilePath(path).isEmpty());
        auto main = std::make_unique<Tw_Quindle_Main>();
        main->show();
        main->QuickStart(2, false, false);
        for (int box = 0; box < 3; ++box)
            fake.boxes.expect(QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(path)));
        main->QuickStart(1, false, false);
        main->close(); // the two old cards cannot write, nor can the window
        QVERIFY(!main->isVisible());
        main.reset(); // the last card goes without a second report of the close
        QVERIFY(fake.boxes.pending().isEmpty());
        for (const platform::BoxRequest &box : fake.boxes.shown)
            QVERIFY(box.caption == "Tolmar Quindle" && box.icon == platform::BoxIcon::Error);
    }
};

QUINDLE_TEST_MAIN(TestSettingsFile)
#include "tst_settings.moc"
