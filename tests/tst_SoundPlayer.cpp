// SPDX-License-Identifier: MIT
// Playing the wave resources: one output per format of the device in use,
// kept from sound to sound, and the sound system's waits kept off the
// user-interface thread.
#include "TestMain.h"
#include "platform/SoundPlayer.h"

#include <QSemaphore>

using namespace platform;

namespace {

// The sound system as the audio thread sees it, recording what it is
// asked. Read only after SoundPlayer::wait().
struct FakeSystem {
    QByteArray device = "A";       // the default device; empty for none
    int brokenBelow = 0;           // outputs opened before this fail to start
    QSemaphore *gate = nullptr;    // when set, a start waits for it
    QSemaphore entered;
    QStringList log;
    int opened = 0;
};

class FakeLine final : public AudioLine {
public:
    FakeLine(FakeSystem &system, QString name)
        : m_system(system), m_name(std::move(name)), m_serial(system.opened++)
    {
        m_system.log << QStringLiteral("open ") + m_name;
    }
    ~FakeLine() override { m_system.log << QStringLiteral("close ") + m_name; }

    bool start(QIODevice *source) override
    {
        if (QThread::currentThread() == QCoreApplication::instance()->thread())
            m_system.log << QStringLiteral("start on the user-interface thread");
        if (m_system.gate) {
            m_system.entered.release();
            if (!m_system.gate->tryAcquire(1, 2000))
                m_system.log << QStringLiteral("start held up the game");
        }
        const bool works = m_serial >= m_system.brokenBelow && source && source->isReadable();
        m_system.log << (works ? QStringLiteral("start ") : QStringLiteral("failed ")) + m_name;
        return works;
    }
    void stop() override { m_system.log << QStringLiteral("stop ") + m_name; }

private:
    FakeSystem &m_system;
    QString m_name;
    int m_serial;
};

class FakeBackend final : public AudioBackend {
public:
    explicit FakeBackend(FakeSystem &system) : m_system(system) {}
    bool hasDevice() const override { return !m_system.device.isEmpty(); }
    AudioTarget target(const QAudioFormat &wanted) const override
    {
        return {QAudioDevice(), m_system.device, wanted};
    }
    // A device called "dead" cannot be opened.
    std::unique_ptr<AudioLine> open(const AudioTarget &target) override
    {
        const QString name = QString::fromLatin1(target.id)
            + (target.format.channelCount() == 2 ? QLatin1String(" stereo") : QLatin1String(" mono"));
        if (target.id == "dead") {
            m_system.log << QStringLiteral("refused ") + name;
            return nullptr;
        }
        return std::make_unique<FakeLine>(m_system, name);
    }

private:
    FakeSystem &m_system;
};

} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void outputsAreKeptPerFormatAndDevice_data();
    void outputsAreKeptPerFormatAndDevice();
    void slowSoundSystemNeverHoldsUpTheGame();
};

void TestSoundPlayer::outputsAreKeptPerFormatAndDevice_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("answers"); // of each play
    QTest::addColumn<QStringList>("log"); // ends with the player closed

    // Sound 1 is stereo, the others mono; there is no sound 99.
    QTest::newRow("sounds of one format share one output, stopped before the next starts")
        << "loop 2, play 3, stop, play 4" << "yes yes yes"
        << QStringList{"open A mono", "start A mono", "stop A mono", "start A mono",
                       "stop A mono", "start A mono", "stop A mono", "close A mono"};
    QTest::newRow("each format has an output of its own, kept for its next sound")
        << "play 1, play 2, play 1" << "yes yes yes"
        << QStringList{"open A stereo", "start A stereo", "stop A stereo", "open A mono",
                       "start A mono", "stop A mono", "start A stereo", "stop A stereo",
                       "close A stereo", "close A mono"};
    QTest::newRow("a sound that is not in the program stops the one playing and says no")
        << "loop 2, play 99" << "yes no"
        << QStringList{"open A mono", "start A mono", "stop A mono", "close A mono"};
    QTest::newRow("without a device nothing is opened and play says no")
        << "device -, play 2" << "no" << QStringList{};
    QTest::newRow("a lost device closes its outputs, and one that comes back is used again")
        << "loop 2, device -, play 3, device A, play 3" << "yes no yes"
        << QStringList{"open A mono", "start A mono", "stop A mono", "close A mono",
                       "open A mono", "start A mono", "stop A mono", "close A mono"};
    QTest::newRow("another default device gets outputs of its own")
        << "play 2, device B, play 2" << "yes yes"
        << QStringList{"open A mono", "start A mono", "stop A mono", "close A mono",
                       "open B mono", "start B mono", "stop B mono", "close B mono"};
    QTest::newRow("an output that no longer starts is replaced by a fresh one")
        << "play 2, break, play 3" << "yes yes"
        << QStringList{"open A mono", "start A mono", "stop A mono", "failed A mono",
                       "stop A mono", "close A mono", "open A mono", "start A mono",
                       "stop A mono", "close A mono"};
    QTest::newRow("a device that cannot be opened stays silent and is tried again")
        << "device dead, play 2, play 3" << "yes yes"
        << QStringList{"refused dead mono", "refused dead mono"};
}

void TestSoundPlayer::outputsAreKeptPerFormatAndDevice()
{
    QFETCH(QString, script);
    QFETCH(QString, answers);
    QFETCH(QStringList, log);
    FakeSystem system;
    QStringList answered;
    {
        SoundPlayer player(std::make_unique<FakeBackend>(system));
        for (const QString &step : script.split(QStringLiteral(", "))) {
            const QString word = step.section(QLatin1Char(' '), 0, 0);
            const QString what = step.section(QLatin1Char(' '), 1);
            if (word == QLatin1String("play") || word == QLatin1String("loop"))
                answered << (player.play(what.toInt(), word == QLatin1String("loop")) ? "yes" : "no");
            else if (word == QLatin1String("stop"))
                player.stop();
            else if (word == QLatin1String("device"))
                system.device = what == QLatin1String("-") ? QByteArray() : what.toLatin1();
            else if (word == QLatin1String("break"))
                system.brokenBelow = system.opened;
            player.wait();
        }
    }
    QCOMPARE(answered.join(QLatin1Char(' ')), answers);
    QCOMPARE(system.log, log);
}

// An output that takes its time to start (a busy sound server) holds up
// only the audio thread: the game's calls return at once, and everything
// asked is carried out in order once the output is ready.
void TestSoundPlayer::slowSoundSystemNeverHoldsUpTheGame()
{
    FakeSystem system;
    QSemaphore gate;
    system.gate = &gate;
    {
        SoundPlayer player(std::make_unique<FakeBackend>(system));
        QVERIFY(player.play(2, true));
        system.entered.acquire();
        QVERIFY(player.play(3, false));
        player.stop();
        gate.release(2);
        player.wait();
    }
    QCOMPARE(system.log, (QStringList{"open A mono", "start A mono", "stop A mono",
                                      "start A mono", "stop A mono", "close A mono"}));
}

QUINDLE_TEST_MAIN(TestSoundPlayer)
#include "tst_SoundPlayer.moc"
