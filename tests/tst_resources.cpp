// SPDX-License-Identifier: MIT
// The generated pictures and sounds, as the program loads them from the
// compiled-in resources: sizes, formats and the details other code relies on.
#include "platform/Resources.h"
#include "platform/Wave.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>

namespace {
int luminance(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

// Dark blobs (4-connected) inside a rectangle: the pips of a die face.
int darkBlobs(const QImage &image, const QRect &area)
{
    QSet<QPoint> seen;
    const auto dark = [&](const QPoint &p) {
        return area.contains(p) && !seen.contains(p) && luminance(image.pixel(p)) < 90;
    };
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            QList<QPoint> stack;
            if (dark({x, y})) {
                ++blobs;
                stack.append({x, y});
                seen.insert({x, y});
            }
            while (!stack.isEmpty()) {
                const QPoint p = stack.takeLast();
                for (const QPoint q : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (dark(q)) {
                        seen.insert(q);
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
            differ += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 48;
        }
    return double(differ) / (a.width() * a.height());
}

double meanLuminanceDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(luminance(a.pixel(x, y)) - luminance(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

std::optional<wave::Wave> sound(int id)
{
    QFile file(res::sound(id));
    return file.open(QIODevice::ReadOnly) ? wave::parse(file.readAll()) : std::nullopt;
}
} // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void pictures_data()
    {
        // Indexed, see-through corners, or plain.
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("kind");
        const auto add = [](const QString &name, const QString &path, QSize size, const char *kind) { QTest::newRow(qPrintable(name)) << path << size << QString::fromLatin1(kind); };
        for (int id = 1001; id <= 1012; ++id)
            add(QStringLiteral("die %1").arg(id), res::bitmap(id), {45, 45}, "indexed");
        for (int id : {1, 2, 3, 6})
            add(QStringLiteral("rolls %1").arg(id), res::bitmap(id), {80, 35}, "indexed");
        for (int n = 1; n <= 3; ++n)
            add(QStringLiteral("%1 checks").arg(n), res::bitmap(res::checkMarks(n)), {25, 15}, "indexed");
        add("cup strip", res::bitmap(4), {410, 40}, "plain");
        add("tray blend", res::bitmap(5), {50, 50}, "plain");
        add("card title", res::bitmap(res::CardTitle), {180, 25}, "plain");
        add("card heading", res::bitmap(res::CardHeading), {261, 18}, "plain");
        add("card upper", res::bitmap(res::CardUpper), {167, 139}, "plain");
        add("card lower", res::bitmap(res::CardLower), {167, 190}, "plain");
        add("wizard title", res::bitmap(res::WizardTitle), {180, 150}, "plain");
        add("splash title", res::bitmap(res::SplashTitle), {300, 200}, "plain");
        for (const QString &name : {res::WizardModem, res::WizardCable, res::WizardMonitor})
            add(name, res::bitmap(name), {32, 32}, "plain");
        for (int n = 1; n <= 4; ++n)
            add(QStringLiteral("icon %1").arg(n), res::icon(n), {32, 32}, "see-through");
        for (int n = 1; n <= 5; ++n)
            add(QStringLiteral("decoration %1").arg(n), res::bitmap(res::decoration(n)), {32, 32}, "see-through");
        for (int n = 1; n <= 2; ++n)
            add(QStringLiteral("cursor %1").arg(n), res::cursor(n), {32, 32}, "see-through");
        for (const int size : res::AppIconSizes)
            add(QStringLiteral("application icon %1").arg(size), res::appIcon(size), {size, size}, "see-through");
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(QString, kind);
        const QImage image(path);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format() == QImage::Format_Indexed8, kind == QLatin1String("indexed"));
        if (kind == QLatin1String("see-through"))
            QCOMPARE(qAlpha(image.pixel(0, 0)) + qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
    }
    void largeVariantsAreTheSamePictureLarger_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : {res::CardTitle, res::CardHeading, res::CardUpper, res::CardLower,
                                    res::checkMarks(1), res::checkMarks(2), res::checkMarks(3)})
            QTest::newRow(qPrintable(name)) << name;
    }
    // Printing draws these in place of the screen's pictures: the same
    // drawing, so that paper shows what the screen does, only sharper.
    void largeVariantsAreTheSamePictureLarger()
    {
        QFETCH(QString, name);
        const QImage small = QImage(res::bitmap(name)).convertToFormat(QImage::Format_RGB32);
        const QImage large(res::largeBitmap(name));
        QCOMPARE(large.size(), small.size() * res::LargeScale);
        // Hinting sets small text a little differently; a picture one pixel out of place differs by 20 or more.
        const double difference = meanLuminanceDifference(
            large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32), small);
        QVERIFY2(difference < 10, qPrintable(QString::number(difference)));
    }
    // Faces 1001..1006 are free, 1007..1012 held; the tray relies on the exact
    // key colour in the corners and on the face colour found at (22,6).
    void dieFaces()
    {
        for (int id = 1001; id <= 1012; ++id) {
            const QImage face(res::bitmap(id));
            for (const QPoint corner : {QPoint(0, 0), QPoint(44, 0), QPoint(0, 44), QPoint(44, 44)})
                QCOMPARE(face.pixel(corner), 0xff00ff00);
            QCOMPARE(darkBlobs(face, QRect(5, 5, 35, 35)), (id - 1001) % 6 + 1);
            const int shade = luminance(face.pixel(22, 6));
            QVERIFY2(id <= 1006 ? shade >= 235 : shade >= 160 && shade <= 215, qPrintable(QString::number(id)));
        }
    }
    // Neighbours in the shaking order (0,1,2,1,3,4,...) and the pour (5..8)
    // differ enough to see at 20 ms; back at rest the cup looks as at the start.
    void cupStripShowsTenDistinctFrames()
    {
        const QImage strip(res::bitmap(4));
        QList<QImage> frames;
        for (int i = 0; i < 10; ++i)
            frames.append(strip.copy(41 * i, 0, 41, strip.height()));
        QImage blank(frames[0].size(), frames[0].format());
        blank.fill(Qt::white);
        // A pair that looks alike, or a frame left blank (-1): "0 1", "-1 5".
        for (const auto &[a, b] : {std::pair{0, 1}, {1, 2}, {1, 3}, {3, 4}, {2, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}})
            QVERIFY2(differingShare(frames[a], frames[b]) > 0.03 && differingShare(frames[b], blank) > 0.1,
                     qPrintable(QStringLiteral("%1 %2").arg(differingShare(frames[b], blank) > 0.1 ? a : -1).arg(b)));
        QVERIFY(differingShare(frames[0], blank) > 0.1 && differingShare(frames[0], frames[9]) < 0.02);
    }
    void sounds_data()
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
    // 8-bit PCM at 11025 Hz, audible, and resting at the midpoint at both ends
    // so that starting or stopping makes no click.
    void sounds()
    {
        QFETCH(int, id);
        QFETCH(int, channels);
        QFETCH(double, seconds);
        const std::optional<wave::Wave> w = sound(id);
        QVERIFY(w);
        QCOMPARE(QStringLiteral("%1 bits %2 Hz %3 channels").arg(w->bitsPerSample).arg(w->sampleRate).arg(w->channels),
                 QStringLiteral("8 bits 11025 Hz %1 channels").arg(channels));
        QVERIFY2(std::abs(w->seconds() - seconds) <= 0.02, qPrintable(QString::number(w->seconds())));
        const QByteArray &d = w->samples;
        for (int c = 0; c < channels; ++c)
            QVERIFY(std::abs(uchar(d.at(c)) - 128) <= 3 && std::abs(uchar(d.at(d.size() - channels + c)) - 128) <= 3);
        const auto [low, high] = std::minmax_element(d.begin(), d.end(), [](char a, char b) { return uchar(a) < uchar(b); });
        QVERIFY(uchar(*high) - 128 > 40 || 128 - uchar(*low) > 40);
    }
    // Played in a loop, the last sample is followed by the first: that step
    // must be no larger than the ordinary steps around it.
    void rattleLoopsWithoutAClick()
    {
        const QByteArray d = sound(2).value_or(wave::Wave()).samples;
        QVERIFY(d.size() > 100);
        const auto at = [&](qsizetype i) { return int(uchar(d.at(i))); };
        const int join = std::abs(at(d.size() - 1) - at(0));
        int typical = 0;
        for (int i = 1; i < 32; ++i)
            typical = std::max({typical, std::abs(at(i) - at(i - 1)), std::abs(at(d.size() - i) - at(d.size() - i - 1))});
        QVERIFY2(join <= 6 && join <= typical + 2, qPrintable(QStringLiteral("%1 vs %2").arg(join).arg(typical)));
    }
    // The desktop scales the SVG where it has no picture of the size it needs;
    // drawn at 256 pixels it must look as the 256-pixel picture does.
    void scalableIconDrawsAsTheLargestPicture()
    {
        QSvgRenderer svg(qEnvironmentVariable("QUINDLE_SOURCE_DIR") + QStringLiteral("/resources/appicon/tolmar-quindle.svg"));
        QVERIFY(svg.isValid() && svg.viewBox() == QRect(0, 0, 256, 256));
        QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QImage picture = QImage(res::appIcon(256)).convertToFormat(drawn.format());
        QVERIFY2(differingShare(drawn, picture) < 0.01, qPrintable(QString::number(differingShare(drawn, picture))));
        QCOMPARE(qAlpha(drawn.pixel(0, 0)) + qAlpha(drawn.pixel(128, 128)), 255);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
