// SPDX-License-Identifier: MIT
// The generated pictures and sounds, as the program loads them from the
// compiled-in resources: sizes, formats and the details other code relies on.

#include "platform/Resources.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

constexpr QRgb KeyGreen = 0xff00ff00;

struct Wave {
    bool ok = false;
    QString error;
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    QByteArray data;
};

// Walks the RIFF chunks instead of trusting fixed offsets, so that a
// malformed header is reported rather than misread.
Wave readWave(const QString &path)
{
    Wave w;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        w.error = QStringLiteral("cannot open");
        return w;
    }
    const QByteArray all = file.readAll();
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(all.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(all.constData() + at); };
    if (all.size() < 12 || all.left(4) != "RIFF" || all.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not RIFF/WAVE");
        return w;
    }
    if (u32(4) != quint32(all.size() - 8)) {
        w.error = QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(u32(4)).arg(all.size());
        return w;
    }
    bool haveFormat = false;
    for (int at = 12; at + 8 <= all.size();) {
        const QByteArray id = all.mid(at, 4);
        const int size = int(u32(at + 4));
        const int body = at + 8;
        if (body + size > all.size()) {
            w.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt " && size >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.rate = int(u32(body + 4));
            w.byteRate = int(u32(body + 8));
            w.blockAlign = u16(body + 12);
            w.bits = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            w.data = all.mid(body, size);
            w.ok = haveFormat;
            if (!haveFormat)
                w.error = QStringLiteral("data before fmt");
            return w;
        }
        at = body + size + (size & 1);
    }
    w.error = QStringLiteral("no data chunk");
    return w;
}

int luminance(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

// Dark blobs (4-connected) inside a rectangle: the pips of a die face.
int darkBlobs(const QImage &image, const QRect &area, int threshold)
{
    QVector<bool> seen(area.width() * area.height(), false);
    const auto index = [&](int x, int y) { return (y - area.top()) * area.width() + x - area.left(); };
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || luminance(image.pixel(x, y)) >= threshold)
                continue;
            ++blobs;
            QVector<QPoint> stack{{x, y}};
            seen[index(x, y)] = true;
            while (!stack.isEmpty()) {
                const QPoint p = stack.takeLast();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[index(q.x(), q.y())]
                        || luminance(image.pixel(q)) >= threshold)
                        continue;
                    seen[index(q.x(), q.y())] = true;
                    stack.append(q);
                }
            }
        }
    return blobs;
}

// Share of pixels that differ noticeably between two same-sized pictures.
double differingShare(const QImage &a, const QImage &b)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                    + std::abs(qBlue(p) - qBlue(q)) > 48)
                ++differ;
        }
    return double(differ) / (a.width() * a.height());
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void dieFaces_data();
    void dieFaces();
    void cupStrip();
    void trayBlend();
    void cursors_data();
    void cursors();
    void sounds_data();
    void sounds();
    void rattleLoops();
};

void TestResources::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("indexed");
    QTest::addColumn<bool>("transparent");   // corners see through

    for (int id = 1001; id <= 1012; ++id)
        QTest::addRow("die %d", id) << res::bitmap(id) << QSize(45, 45) << true << false;
    for (int id : {1, 2, 3, 6})
        QTest::addRow("rolls %d", id) << res::bitmap(id) << QSize(80, 35) << true << false;
    QTest::newRow("cup strip") << res::bitmap(4) << QSize(410, 40) << false << false;
    QTest::newRow("tray blend") << res::bitmap(5) << QSize(50, 50) << false << false;
    QTest::newRow("card title") << res::bitmap(res::CardTitle) << QSize(180, 25) << false << false;
    QTest::newRow("card heading") << res::bitmap(res::CardHeading) << QSize(261, 18) << false << false;
    QTest::newRow("card upper") << res::bitmap(res::CardUpper) << QSize(167, 139) << false << false;
    QTest::newRow("card lower") << res::bitmap(res::CardLower) << QSize(167, 190) << false << false;
    for (int n = 1; n <= 3; ++n)
        QTest::addRow("%d checks", n) << res::checkMarks(n) << QSize(25, 15) << true << false;
    for (int n = 1; n <= 4; ++n)
        QTest::addRow("icon %d", n) << res::icon(n) << QSize(32, 32) << false << true;
    QTest::newRow("wizard title") << res::bitmap(res::WizardTitle) << QSize(180, 150) << false << false;
    QTest::newRow("wizard modem") << res::bitmap(res::WizardModem) << QSize(32, 32) << false << false;
    QTest::newRow("wizard cable") << res::bitmap(res::WizardCable) << QSize(32, 32) << false << false;
    QTest::newRow("wizard monitor") << res::bitmap(res::WizardMonitor) << QSize(32, 32) << false << false;
    for (int n = 1; n <= 5; ++n)
        QTest::addRow("decoration %d", n) << res::decoration(n) << QSize(32, 32) << false << true;
    for (int n = 1; n <= 2; ++n)
        QTest::addRow("cursor %d", n) << res::cursor(n) << QSize(32, 32) << false << true;
}

void TestResources::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, indexed);
    QFETCH(bool, transparent);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    if (indexed) {
        QCOMPARE(image.depth(), 8);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
    }
    if (transparent) {
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
    }
}

void TestResources::dieFaces_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("pips");
    QTest::addColumn<bool>("held");
    for (int face = 1; face <= 6; ++face) {
        QTest::addRow("free %d", face) << 1000 + face << face << false;
        QTest::addRow("held %d", face) << 1006 + face << face << true;
    }
}

void TestResources::dieFaces()
{
    QFETCH(int, id);
    QFETCH(int, pips);
    QFETCH(bool, held);
    const QImage face(res::bitmap(id));
    QCOMPARE(face.size(), QSize(45, 45));
    // The dice tray relies on the exact key colour in the corners.
    for (const QPoint corner : {QPoint(0, 0), QPoint(44, 0), QPoint(0, 44), QPoint(44, 44)})
        QCOMPARE(face.pixel(corner), KeyGreen);
    // Pips sit on the face, clear of the rim.
    QCOMPARE(darkBlobs(face, QRect(5, 5, 35, 35), 90), pips);
    // The blank face is painted in the colour found at (22,6): a free die
    // is white there, a held one a mid grey.
    const int shade = luminance(face.pixel(22, 6));
    if (held)
        QVERIFY2(shade >= 160 && shade <= 215, qPrintable(QString::number(shade)));
    else
        QVERIFY2(shade >= 235, qPrintable(QString::number(shade)));
}

void TestResources::cupStrip()
{
    const QImage strip(res::bitmap(4));
    QCOMPARE(strip.width() % 41, 0);
    QCOMPARE(strip.width() / 41, 10);
    QVector<QImage> frames;
    for (int i = 0; i < 10; ++i)
        frames.append(strip.copy(41 * i, 0, 41, strip.height()));
    // The strip sits in a white box.
    QCOMPARE(strip.pixel(0, 0) | 0xff000000u, qRgb(255, 255, 255));
    // Every frame shows something, and neighbours in the shaking order
    // (0,1,2,1,3,4,...) and the pour (5..8) differ enough to see at 20 ms.
    QImage blank(frames[0].size(), frames[0].format());
    blank.fill(Qt::white);
    for (int i = 0; i < 10; ++i)
        QVERIFY2(differingShare(frames[i], blank) > 0.1, qPrintable(QString::number(i)));
    const QPair<int, int> steps[] = {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {2, 4},
                                     {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}};
    for (const auto &s : steps)
        QVERIFY2(differingShare(frames[s.first], frames[s.second]) > 0.03,
                 qPrintable(QStringLiteral("frames %1 and %2").arg(s.first).arg(s.second)));
    // Back at rest the cup looks as it did at the start.
    QVERIFY(differingShare(frames[0], frames[9]) < 0.02);
}

void TestResources::trayBlend()
{
    const QImage blend(res::bitmap(5));
    QCOMPARE(blend.pixel(0, 25) | 0xff000000u, qRgb(128, 255, 128));
    QCOMPARE(blend.pixel(49, 25) | 0xff000000u, qRgb(255, 255, 255));
    for (int x = 1; x < 50; ++x) {
        QVERIFY(qRed(blend.pixel(x, 10)) >= qRed(blend.pixel(x - 1, 10)));
        QCOMPARE(blend.pixel(x, 0), blend.pixel(x, 49));
    }
}

void TestResources::cursors_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("pencil") << 1 << QPoint(5, 27);
    QTest::newRow("closed hand") << 2 << QPoint(15, 15);
}

void TestResources::cursors()
{
    QFETCH(int, id);
    QFETCH(QPoint, hotSpot);
    const QImage cursor(res::cursor(id));
    QCOMPARE(cursor.size(), QSize(32, 32));
    QVERIFY(cursor.hasAlphaChannel());
    QCOMPARE(qAlpha(cursor.pixel(hotSpot)), 255);
}

void TestResources::sounds_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("channels");
    QTest::addColumn<double>("seconds");
    QTest::newRow("start-up tune") << 1 << 2 << 4.60;
    QTest::newRow("rattle") << 2 << 1 << 1.39;
    QTest::newRow("landing") << 3 << 1 << 0.66;
    QTest::newRow("warning") << 4 << 1 << 0.35;
    QTest::newRow("fanfare") << 5 << 1 << 0.66;
    QTest::newRow("chime") << 6 << 1 << 0.68;
}

void TestResources::sounds()
{
    QFETCH(int, id);
    QFETCH(int, channels);
    QFETCH(double, seconds);
    const Wave w = readWave(res::sound(id));
    QVERIFY2(w.ok, qPrintable(w.error));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.bits, 8);
    QCOMPARE(w.rate, 11025);
    QCOMPARE(w.channels, channels);
    QCOMPARE(w.blockAlign, channels);
    QCOMPARE(w.byteRate, 11025 * channels);
    QCOMPARE(w.data.size() % channels, 0);
    const double length = double(w.data.size() / channels) / 11025;
    QVERIFY2(std::abs(length - seconds) <= 0.02, qPrintable(QString::number(length)));
    // No click on starting or stopping: both ends rest at the midpoint.
    const auto at = [&](int i) { return int(uchar(w.data.at(i))); };
    for (int c = 0; c < channels; ++c) {
        QVERIFY(std::abs(at(c) - 128) <= 3);
        QVERIFY(std::abs(at(w.data.size() - channels + c) - 128) <= 3);
    }
    // Not silence either.
    int loudest = 0;
    for (int i = 0; i < w.data.size(); ++i)
        loudest = std::max(loudest, std::abs(at(i) - 128));
    QVERIFY2(loudest > 40, qPrintable(QString::number(loudest)));
}

void TestResources::rattleLoops()
{
    const Wave w = readWave(res::sound(2));
    QVERIFY2(w.ok, qPrintable(w.error));
    const QByteArray &d = w.data;
    QVERIFY(d.size() > 100);
    const auto at = [&](int i) { return int(uchar(d.at(i))); };
    // Played in a loop, the last sample is followed by the first: that step
    // must be no larger than the ordinary steps around it.
    const int join = std::abs(at(d.size() - 1) - at(0));
    QVERIFY2(join <= 6, qPrintable(QString::number(join)));
    int typical = 0;
    for (int i = 1; i < 32; ++i)
        typical = std::max({typical, std::abs(at(i) - at(i - 1)),
                            std::abs(at(d.size() - i) - at(d.size() - i - 1))});
    QVERIFY2(join <= typical + 2, qPrintable(QStringLiteral("%1 vs %2").arg(join).arg(typical)));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
