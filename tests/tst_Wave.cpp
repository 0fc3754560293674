// SPDX-License-Identifier: MIT
// Reading wave files, converting their samples for an audio output and handing them over.
#include "TestMain.h"
#include "platform/QtSound.h"
#include "platform/Wave.h"
#include <QtEndian>
namespace {
QByteArray le(quint32 v, int n) { v = qToLittleEndian(v); return QByteArray(reinterpret_cast<char *>(&v), n); }
// Padded to an even length.
QByteArray chunk(QByteArray id, QByteArray b) { return id + le(b.size(), 4) + b + QByteArray(b.size() & 1, 0); }
QByteArray fmt(int channels, int bits, int tag = 1, const QByteArray &more = {})
{
    const int block = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(11025, 4) + le(11025 * block, 4) + le(block, 2) + le(bits, 2) + more);
}
QByteArray riff(const QByteArray &chunks) { return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks; }
QByteArray file(int channels, int bits, const char *hex) { return riff(fmt(channels, bits) + chunk("data", QByteArray::fromHex(hex))); }
} // namespace
class TestWave : public QObject {
    Q_OBJECT
private slots:
    void readsAndConverts_data()
    {
        // Outcome: the target's channels, sample format and rate (11025 unless given) = the file's channels
        // and bits: the samples for the target, in hex; "-" for a file rejected.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");
        const QByteArray good = file(1, 8, "80ff0040"), data = chunk("data", "ab");
        QTest::newRow("8-bit mono played as it is keeps its bytes") << good << "1 u8 = 1 8: 80ff0040";
        QTest::newRow("a longer fmt chunk and a padded odd-sized chunk are passed over") << riff(fmt(1, 8, 1, "xx") + chunk("LIST", "abc") + data) << "1 u8 = 1 8: 6162";
        QTest::newRow("a trailing half frame is dropped") << file(2, 8, "0102030405") << "2 u8 = 2 8: 01020304";
        QTest::newRow("a data chunk past the end of the file is rejected") << good.chopped(1) << "-";
        QTest::newRow("a RIFF file but not a wave is rejected") << good.left(8) + "AVI " + good.mid(12) << "-";
        QTest::newRow("8-bit A-law samples are rejected") << riff(fmt(1, 8, 6) + data) << "-";
        QTest::newRow("three channels are rejected") << file(3, 8, "010203") << "-";
        QTest::newRow("samples before the format are rejected") << riff(data + fmt(1, 8)) << "-";
        QTest::newRow("a fmt chunk too short to hold the sample size is rejected, whatever follows it")
            << riff(chunk("fmt ", fmt(1, 8).mid(8, 14)) + chunk(QByteArray("\x08\0xx", 4), "") + data) << "-";
        QTest::newRow("16-bit stereo keeps left and right in 8 bits") << file(2, 16, "0080ff7f") << "2 u8 = 2 16: 00ff";
        QTest::newRow("8-bit mono widens exactly to both channels of 16 bits") << file(1, 8, "00ff") << "2 s16 = 1 8: 00800080007f007f";
        QTest::newRow("stereo is averaged for a mono output, clipped at full scale")
            << file(2, 16, "0080ff7f00c000c0ff7fff7f") << "1 u8 = 2 16: 8040ff";
        QTest::newRow("doubling the rate puts a midpoint between samples") << file(1, 8, "80c0") << "1 u8 22050 = 1 8: 80a0c0c0";
        QTest::newRow("floating point spans -1 to just under 1") << file(1, 8, "0080") << "1 f32 = 1 8: 000080bf00000000";
        QTest::newRow("32-bit output is scaled by 2^31") << file(1, 8, "00ff") << "1 s32 = 1 8: 000000800000007f";
    }
    void readsAndConverts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, outcome);
        const std::optional<wave::Wave> w = wave::parse(file);
        const QStringList wanted = outcome.section(QStringLiteral(" = "), 0, 0).split(QLatin1Char(' '));
        QAudioFormat target; // formats as Qt numbers them
        target.setChannelCount(wanted[0].toInt());
        target.setSampleRate(wanted.value(2, QStringLiteral("11025")).toInt());
        target.setSampleFormat(QAudioFormat::SampleFormat(QStringList{"u8", "s16", "s32", "f32"}.indexOf(wanted.value(1)) + 1));
        QCOMPARE(w ? QStringLiteral("%1 = %2 %3: %4").arg(wanted.join(' ')).arg(w->channels).arg(w->bitsPerSample)
                         .arg(QString::fromLatin1(wave::convert(*w, target).toHex())) : "-", outcome);
    }
    void loopedSourceWrapsRoundInsideOneRead()
    {
        QStringList reads;
        for (const bool loop : {false, true}) {
            platform::SampleSource source(QByteArray("abcde"), loop);
            reads << source.read(3) << source.read(4) << source.read(23) << QString::number(source.bytesAvailable() > 0);
        }
        QCOMPARE(reads.join(QLatin1Char('|')), QStringLiteral("abc|de||0|abc|deab|cdeabcdeabcdeabcdeabcde|1"));
    }
    void realOutputRefusesWhatItCannotPlayAndNeverWaits()
    {
        const std::unique_ptr<platform::SoundOutput> output = platform::createQtSoundOutput();
        QVERIFY(!output->play(99, false) && !output->play(0, true) && (output->hasDevice() || !output->play(2, true)));
        output->stop();
    }
};
QUINDLE_TEST_MAIN(TestWave)
#include "tst_Wave.moc"
