// SPDX-License-Identifier: MIT
// Reading wave files, converting their samples for an audio output and
// handing them over.
#include "TestMain.h"
#include "platform/QtSound.h"
#include "platform/Wave.h"

#include <QElapsedTimer>
#include <QtEndian>

namespace {

QByteArray le16(int v)
{
    char b[2];
    qToLittleEndian<quint16>(quint16(v), b);
    return QByteArray(b, 2);
}

QByteArray le32(qint64 v)
{
    char b[4];
    qToLittleEndian<quint32>(quint32(v), b);
    return QByteArray(b, 4);
}

QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    QByteArray out = QByteArray(id) + le32(declared < 0 ? body.size() : declared) + body;
    if (body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray fmtBody(int channels, int rate, int bits, int tag = 1)
{
    const int block = channels * bits / 8;
    return le16(tag) + le16(channels) + le32(rate) + le32(qint64(rate) * block) + le16(block)
        + le16(bits);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

QByteArray waveFile(int channels, int rate, int bits, const QByteArray &samples)
{
    return riff(chunk("fmt ", fmtBody(channels, rate, bits)) + chunk("data", samples));
}

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat kind)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(kind);
    return f;
}

} // namespace

class TestWave : public QObject {
    Q_OBJECT
private slots:
    void readsHeaderAndSamples_data();
    void readsHeaderAndSamples();
    void rejectsWhatItCannotPlay_data();
    void rejectsWhatItCannotPlay();
    void lengthInSeconds();
    void convertsSamples_data();
    void convertsSamples();
    void resamplingKeepsTheLength_data();
    void resamplingKeepsTheLength();
    void sourceHandsOverTheSamples_data();
    void sourceHandsOverTheSamples();
    void realOutputFailsQuietly();
};

void TestWave::readsHeaderAndSamples_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("samples");

    const QByteArray four = QByteArray::fromHex("80ff0040");
    QTest::newRow("an 8-bit mono file at 11025 Hz gives its fields and samples")
        << waveFile(1, 11025, 8, four) << 1 << 11025 << 8 << four;
    QTest::newRow("a stereo file keeps its interleaved samples")
        << waveFile(2, 11025, 8, four) << 2 << 11025 << 8 << four;
    QTest::newRow("a 16-bit file is read as well")
        << waveFile(1, 22050, 16, four) << 1 << 22050 << 16 << four;
    QTest::newRow("an odd-sized chunk before the data is skipped with its pad byte")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8)) + chunk("LIST", "abc")
                + chunk("data", four))
        << 1 << 11025 << 8 << four;
    QTest::newRow("a longer fmt chunk with extra bytes is still PCM")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8) + le16(0)) + chunk("data", four))
        << 1 << 11025 << 8 << four;
    QTest::newRow("a trailing half frame of a stereo file is dropped")
        << waveFile(2, 11025, 8, QByteArray::fromHex("0102030405")) << 2 << 11025 << 8
        << QByteArray::fromHex("01020304");
}

void TestWave::readsHeaderAndSamples()
{
    QFETCH(QByteArray, file);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(QByteArray, samples);

    const std::optional<wave::Wave> w = wave::parse(file);
    QVERIFY(w.has_value());
    QCOMPARE(w->channels, channels);
    QCOMPARE(w->sampleRate, rate);
    QCOMPARE(w->bitsPerSample, bits);
    QCOMPARE(w->samples, samples);
}

void TestWave::rejectsWhatItCannotPlay_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray four = QByteArray::fromHex("80ff0040");
    const QByteArray good = waveFile(1, 11025, 8, four);
    QTest::newRow("an empty file is rejected") << QByteArray();
    QTest::newRow("a file cut inside the header is rejected") << good.left(20);
    QTest::newRow("a data chunk longer than the rest of the file is rejected")
        << good.left(good.size() - 1);
    QTest::newRow("a RIFF file that is not a wave is rejected")
        << QByteArray(good).replace(8, 4, "AVI ");
    QTest::newRow("a compressed (ADPCM) file is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 4, 2)) + chunk("data", four));
    QTest::newRow("a floating-point file is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 32, 3)) + chunk("data", four));
    QTest::newRow("a 24-bit file is rejected") << waveFile(1, 11025, 24, four + "\0\0");
    QTest::newRow("three channels are rejected") << waveFile(3, 11025, 8, four.left(3));
    QTest::newRow("a rate of zero is rejected") << waveFile(1, 0, 8, four);
    QTest::newRow("a fmt chunk too short to hold the fields is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8).left(12)) + chunk("data", four));
    QTest::newRow("samples before the format are rejected")
        << riff(chunk("data", four) + chunk("fmt ", fmtBody(1, 11025, 8)));
    QTest::newRow("a format without any data chunk is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8)));
    QTest::newRow("a chunk size past the end of the file is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8)) + chunk("LIST", "ab", 0x7fffffff)
                + chunk("data", four));
}

void TestWave::rejectsWhatItCannotPlay()
{
    QFETCH(QByteArray, file);
    QVERIFY(!wave::parse(file).has_value());
}

void TestWave::lengthInSeconds()
{
    // The dice rattle: 1.39 s of mono at 11025 Hz.
    const std::optional<wave::Wave> rattle =
        wave::parse(waveFile(1, 11025, 8, QByteArray(15325, '\x80')));
    QVERIFY(rattle.has_value());
    QCOMPARE(rattle->frameCount(), 15325);
    QVERIFY(qAbs(rattle->seconds() - 1.39) < 0.001);

    const std::optional<wave::Wave> tune =
        wave::parse(waveFile(2, 11025, 8, QByteArray(2 * 50715, '\x80')));
    QVERIFY(tune.has_value());
    QCOMPARE(tune->frameCount(), 50715);
    QVERIFY(qAbs(tune->seconds() - 4.60) < 0.001);
}

void TestWave::convertsSamples_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("samples");
    QTest::addColumn<QAudioFormat>("target");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray ramp = QByteArray::fromHex("0040807fc0ff");
    QTest::newRow("a format the output takes as it is leaves the bytes untouched")
        << 1 << 8 << ramp << format(11025, 1, QAudioFormat::UInt8) << ramp;
    QTest::newRow("8-bit samples widen exactly to 16 bits")
        << 1 << 8 << ramp << format(11025, 1, QAudioFormat::Int16)
        << QByteArray::fromHex("0080 00c0 0000 00ff 0040 007f");
    QTest::newRow("a mono sample goes to both channels of a stereo output")
        << 1 << 8 << QByteArray::fromHex("00ff") << format(11025, 2, QAudioFormat::Int16)
        << QByteArray::fromHex("00800080 007f007f");
    QTest::newRow("a stereo frame is averaged for a mono output")
        << 2 << 8 << QByteArray::fromHex("40c0 00c0") << format(11025, 1, QAudioFormat::UInt8)
        << QByteArray::fromHex("80 60");
    QTest::newRow("a stereo source leaves the channels past the second silent")
        << 2 << 8 << QByteArray::fromHex("40c0") << format(11025, 3, QAudioFormat::Int16)
        << QByteArray::fromHex("00c0 0040 0000");
    QTest::newRow("doubling the rate puts the midpoint between two samples")
        << 1 << 8 << QByteArray::fromHex("80c0") << format(22050, 1, QAudioFormat::UInt8)
        << QByteArray::fromHex("80a0c0c0");
    QTest::newRow("16-bit samples narrow to 8 bits")
        << 1 << 16 << QByteArray::fromHex("0080 0000 ff7f") << format(11025, 1, QAudioFormat::UInt8)
        << QByteArray::fromHex("00 80 ff");
    QTest::newRow("floating-point output spans -1 to just under 1")
        << 1 << 8 << QByteArray::fromHex("0080") << format(11025, 1, QAudioFormat::Float)
        << QByteArray::fromHex("000080bf 00000000");
    QTest::newRow("32-bit output keeps the sign and the scale")
        << 1 << 8 << QByteArray::fromHex("00c0") << format(11025, 1, QAudioFormat::Int32)
        << QByteArray::fromHex("00000080 00000040");
    QTest::newRow("an output without a sample format gets nothing")
        << 1 << 8 << ramp << format(11025, 1, QAudioFormat::Unknown) << QByteArray();
}

void TestWave::convertsSamples()
{
    QFETCH(int, channels);
    QFETCH(int, bits);
    QFETCH(QByteArray, samples);
    QFETCH(QAudioFormat, target);
    QFETCH(QByteArray, expected);

    const std::optional<wave::Wave> source = wave::parse(waveFile(channels, 11025, bits, samples));
    QVERIFY(source.has_value());
    QCOMPARE(wave::convert(*source, target).toHex(' '), expected.toHex(' '));
}

void TestWave::resamplingKeepsTheLength_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");

    QTest::newRow("the warning at 44100 Hz stereo lasts as long as at 11025 Hz") << 44100 << 2;
    QTest::newRow("the warning at 48000 Hz mono lasts as long as at 11025 Hz") << 48000 << 1;
    QTest::newRow("the warning at 8000 Hz lasts as long as at 11025 Hz") << 8000 << 1;
}

void TestWave::resamplingKeepsTheLength()
{
    QFETCH(int, rate);
    QFETCH(int, channels);

    // The warning: 0.35 s of mono.
    const std::optional<wave::Wave> warning =
        wave::parse(waveFile(1, 11025, 8, QByteArray(3859, '\x90')));
    QVERIFY(warning.has_value());
    const QAudioFormat target = format(rate, channels, QAudioFormat::Int16);
    const QByteArray out = wave::convert(*warning, target);
    QCOMPARE(out.size() % target.bytesPerFrame(), 0);
    const double seconds = double(out.size() / target.bytesPerFrame()) / rate;
    QVERIFY2(qAbs(seconds - warning->seconds()) <= 1.0 / 8000,
             qPrintable(QString::number(seconds)));
    // A constant signal stays constant through the interpolation.
    QCOMPARE(qFromLittleEndian<qint16>(out.constData() + out.size() - 2), qint16(0x1000));
}

void TestWave::sourceHandsOverTheSamples_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QList<int>>("reads");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a sound played once is handed over once and then runs dry")
        << false << QList<int>{3, 4, 4} << "abc|de|";
    QTest::newRow("a looped sound wraps round inside a single read")
        << true << QList<int>{3, 4, 12} << "abc|deab|cdeabcdeabcd";
    QTest::newRow("a looped sound can be read far past its length")
        << true << QList<int>{23} << "abcdeabcdeabcdeabcdeabc";
}

void TestWave::sourceHandsOverTheSamples()
{
    QFETCH(bool, loop);
    QFETCH(QList<int>, reads);
    QFETCH(QString, expected);

    platform::SampleSource source(QByteArray("abcde"), loop);
    QStringList got;
    for (int size : reads)
        got.append(QString::fromLatin1(source.read(size)));
    QCOMPARE(got.join(QLatin1Char('|')), expected);
    QCOMPARE(source.bytesAvailable() > 0, loop);
}

void TestWave::realOutputFailsQuietly()
{
    // Whatever audio this machine has: a sound that is not in the program
    // is refused, and nothing here may wait on a device.
    const std::unique_ptr<platform::SoundOutput> output = platform::createQtSoundOutput();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(output->play(99, false), false);
    QCOMPARE(output->play(0, true), false);
    if (!output->hasDevice())
        QCOMPARE(output->play(2, true), false);
    output->stop();
    output->stop();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

QUINDLE_TEST_MAIN(TestWave)
#include "tst_Wave.moc"
