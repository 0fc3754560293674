// SPDX-License-Identifier: MIT
// Reading wave files, converting their samples for an audio output and
// handing them over.
#include "TestMain.h"
#include "platform/QtSound.h"
#include "platform/Wave.h"

#include <QtEndian>

namespace {

template <typename T>
QByteArray le(qint64 v)
{
    char b[sizeof(T)];
    qToLittleEndian<T>(T(v), b);
    return QByteArray(b, sizeof(T));
}
const auto le16 = le<quint16>;
const auto le32 = le<quint32>;

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
    void readsWhatItCanPlay_data();
    void readsWhatItCanPlay();
    void convertsSamples_data();
    void convertsSamples();
    void sourceHandsOverTheSamples_data();
    void sourceHandsOverTheSamples();
    void realOutputFailsQuietly();
};

void TestWave::readsWhatItCanPlay_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("read"); // channels, rate, bits, samples

    const QByteArray four = QByteArray::fromHex("80ff0040");
    const QByteArray good = waveFile(1, 11025, 8, four);
    const QByteArray format = chunk("fmt ", fmtBody(1, 11025, 8));
    QTest::newRow("an 8-bit mono file at 11025 Hz gives its fields and samples")
        << good << "1 11025 8 80ff0040";
    QTest::newRow("a 16-bit stereo file keeps its interleaved samples")
        << waveFile(2, 22050, 16, four) << "2 22050 16 80ff0040";
    QTest::newRow("a longer fmt chunk and an odd-sized chunk with its pad byte are passed over")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8) + le16(0)) + chunk("LIST", "abc")
                + chunk("data", four))
        << "1 11025 8 80ff0040";
    QTest::newRow("a trailing half frame of a stereo file is dropped")
        << waveFile(2, 11025, 8, QByteArray::fromHex("0102030405")) << "2 11025 8 01020304";
    QTest::newRow("an empty file is rejected") << QByteArray() << "";
    QTest::newRow("a file cut inside the header is rejected") << good.left(20) << "";
    QTest::newRow("a data chunk longer than the rest of the file is rejected")
        << good.left(good.size() - 1) << "";
    QTest::newRow("a RIFF file that is not a wave is rejected")
        << QByteArray(good).replace(8, 4, "AVI ") << "";
    QTest::newRow("a compressed (ADPCM) file is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 4, 2)) + chunk("data", four)) << "";
    QTest::newRow("three channels are rejected") << waveFile(3, 11025, 8, four.left(3)) << "";
    QTest::newRow("a fmt chunk too short to hold the fields is rejected")
        << riff(chunk("fmt ", fmtBody(1, 11025, 8).left(12)) + chunk("data", four)) << "";
    QTest::newRow("samples before the format are rejected")
        << riff(chunk("data", four) + format) << "";
    QTest::newRow("a chunk size past the end of the file is rejected")
        << riff(format + chunk("LIST", "ab", 0x7fffffff) + chunk("data", four)) << "";
}

void TestWave::readsWhatItCanPlay()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, read);
    const std::optional<wave::Wave> w = wave::parse(file);
    QCOMPARE(w ? QStringLiteral("%1 %2 %3 %4").arg(w->channels).arg(w->sampleRate)
                     .arg(w->bitsPerSample).arg(QString::fromLatin1(w->samples.toHex()))
               : QString(),
             read);
}

void TestWave::convertsSamples_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QAudioFormat>("target");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray ramp = QByteArray::fromHex("0040807fc0ff");
    const auto mono8 = [](const char *hex) {
        return waveFile(1, 11025, 8, QByteArray::fromHex(hex));
    };
    QTest::newRow("a format the output takes as it is leaves the bytes untouched")
        << mono8("0040807fc0ff") << format(11025, 1, QAudioFormat::UInt8) << ramp;
    QTest::newRow("8-bit samples widen exactly to 16 bits")
        << mono8("0040807fc0ff") << format(11025, 1, QAudioFormat::Int16)
        << QByteArray::fromHex("0080 00c0 0000 00ff 0040 007f");
    QTest::newRow("a mono sample goes to both channels of a stereo output")
        << mono8("00ff") << format(11025, 2, QAudioFormat::Int16)
        << QByteArray::fromHex("00800080 007f007f");
    QTest::newRow("a stereo frame is averaged for a mono output")
        << waveFile(2, 11025, 8, QByteArray::fromHex("40c0 00c0"))
        << format(11025, 1, QAudioFormat::UInt8)
        << QByteArray::fromHex("80 60");
    QTest::newRow("doubling the rate puts the midpoint between two samples")
        << mono8("80c0") << format(22050, 1, QAudioFormat::UInt8)
        << QByteArray::fromHex("80a0c0c0");
    QTest::newRow("16-bit samples narrow to 8 bits")
        << waveFile(1, 11025, 16, QByteArray::fromHex("0080 0000 ff7f"))
        << format(11025, 1, QAudioFormat::UInt8) << QByteArray::fromHex("00 80 ff");
    QTest::newRow("floating-point output spans -1 to just under 1")
        << mono8("0080") << format(11025, 1, QAudioFormat::Float)
        << QByteArray::fromHex("000080bf 00000000");
    QTest::newRow("an output without a sample format gets nothing")
        << mono8("0040807fc0ff") << format(11025, 1, QAudioFormat::Unknown) << QByteArray();
}

void TestWave::convertsSamples()
{
    QFETCH(QByteArray, file);
    QFETCH(QAudioFormat, target);
    QFETCH(QByteArray, expected);
    const std::optional<wave::Wave> source = wave::parse(file);
    QVERIFY(source.has_value());
    QCOMPARE(wave::convert(*source, target).toHex(' '), expected.toHex(' '));
}

void TestWave::sourceHandsOverTheSamples_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QList<int>>("reads");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a sound played once is handed over once and then runs dry")
        << false << QList<int>{3, 4, 4} << "abc|de|";
    QTest::newRow("a looped sound wraps round inside a single read, however long")
        << true << QList<int>{3, 4, 23} << "abc|deab|cdeabcdeabcdeabcdeabcde";
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
    QCOMPARE(output->play(99, false), false);
    QCOMPARE(output->play(0, true), false);
    if (!output->hasDevice())
        QCOMPARE(output->play(2, true), false);
    output->stop();
    output->stop();
}

QUINDLE_TEST_MAIN(TestWave)
#include "tst_Wave.moc"
