// SPDX-License-Identifier: MIT
// Playing sounds: one output per format of the device in use, kept; the sound system's waits off the game.
#include "TestMain.h"
#include "platform/SoundPlayer.h"
namespace {
QByteArray device; // the default device; none when empty. What the sound system was asked, on the audio thread:
QStringList asked; // read when it is idle.
QSemaphore gate;
// "A2" is device A's output for two channels, closed on the audio thread where it was opened. F's outputs
// start once, X opens none, S waits for the gate.
struct FakeLine final : platform::AudioLine {
    explicit FakeLine(const QString &name) : name(name) { asked << "open " + name; }
    ~FakeLine() override { asked << (QThread::currentThread()->objectName() == "sound" ? "close " : "close elsewhere ") + name; }
    bool start(QIODevice *source) override
    {
        const bool late = name.startsWith('S') && !gate.tryAcquire(1, 2000), // the game held the gate
            works = source->isReadable() && !(name.startsWith('F') && starts++ > 0);
        return asked << QString(late ? "late " : "") + (works ? "start " : "failed ") + name, works;
    }
    void stop() override { asked << "stop " + name; }
    QString name; int starts = 0;
};
struct FakeSystem final : platform::AudioBackend {
    bool hasDevice() const override { return !device.isEmpty(); }
    platform::AudioTarget target(const QAudioFormat &wanted) const override { return {{}, device, wanted}; }
    std::unique_ptr<platform::AudioLine> open(const platform::AudioTarget &to) override { return to.id == "X" ? (asked << "refused X", nullptr)
                                                                                                  : std::make_unique<FakeLine>(to.id + QString::number(to.format.channelCount())); }
};
} // namespace
class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void outputsAreKeptPerFormatAndDevice_data()
    {
        // A step: a device ("-" for none), a sound (1 is stereo, 99 none), to loop or not. "|": a play done.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("asked");
        QTest::newRow("each format has an output, kept for its next sound, even on a system slow to start") << "S 2 loop, S 1, S 3, S 99"
            << "open S1 start S1 stop S1 open S2 start S2 stop S2 start S1 stop S1 close S1 close S2";
        QTest::newRow("a sound not in the program stops the one playing; losing the device closes its outputs")
            << "A 2 loop, A 99, - 3, A 3" << "open A1 start A1 | stop A1 | close A1 | open A1 start A1 | stop A1 close A1";
        QTest::newRow("a failing output is replaced; a device that opens none stays silent and is tried again") << "F 2, F 3, X 2, X 3"
            << "open F1 start F1 | stop F1 failed F1 stop F1 close F1 open F1 start F1 | stop F1 close F1 refused X | refused X |";
    }
    void outputsAreKeptPerFormatAndDevice()
    {
        QFETCH(QString, script);
        asked.clear();
        gate.acquire(gate.available());
        auto player = std::make_unique<platform::SoundPlayer>(std::make_unique<FakeSystem>());
        for (const QString &step : script.split(QStringLiteral(", "))) {
            const QStringList words = step.split(QLatin1Char(' '));
            device = words[0] == "-" ? QByteArray() : words[0].toLatin1();
            player->play(words[1].toInt(), words.value(2) == "loop");
            if (device != "S") {
                player->wait();
                asked << QStringLiteral("|");
            }
        }
        gate.release(100);
        player.reset(); // the game's calls all returned at once: S may start now
        QTEST(asked.join(' '), "asked");
    }
};
QUINDLE_TEST_MAIN(TestSoundPlayer)
#include "tst_SoundPlayer.moc"
