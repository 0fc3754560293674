// SPDX-License-Identifier: MIT
// The lightning-bolt emblem: its numbers, which polygons it fills, what it
// draws over, and when its pose is rebuilt.
#include "TestMain.h"
#include "controls/TLightn.h"
#include "platform/Widgets.h"

#include <QPainter>
#include <QScreen>

namespace {

// A green parent, a red picture under the emblem's left 60 columns and a
// blue one stacked above its lower right corner.
struct Stage {
    explicit Stage(QSize size = {129, 128})
    {
        parent.resize(300, 200);
        parent.setStyleSheet(QStringLiteral("background: #00ff00"));
        below = addPicture(QRect(0, 0, 80, 200), Qt::red);
        bolt = new TLightningBolt(&parent);
        bolt->setGeometry(QRect(QPoint(20, 1), size));
        above = addPicture(QRect(bolt->geometry().bottomRight() - QPoint(19, 19), QSize(20, 20)), Qt::blue);
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent))
            qWarning("stage not exposed");
    }
    TImage *addPicture(const QRect &r, Qt::GlobalColor colour)
    {
        QImage picture(r.size(), QImage::Format_RGB32);
        picture.fill(colour);
        auto *image = new TImage(&parent);
        image->setPicture(picture);
        image->setGeometry(r);
        return image;
    }
    void steps(int x, int y, int z, int n = 1)
    {
        bolt->setRotatex(x);
        bolt->setRotatey(y);
        bolt->setRotatez(z);
        for (int i = 0; i < n; ++i)
            bolt->RotateStep(bolt);
    }
    QWidget parent;
    TImage *below, *above;
    TLightningBolt *bolt;
};

bolt::Vertices startPose(int scale)
{
    bolt::Vertices v = bolt::model();
    bolt::scale(v, scale);
    return v;
}

// What the window itself holds at the emblem's place.
QImage onScreen(const TLightningBolt &bolt)
{
    const QPoint at = bolt.mapTo(bolt.window(), QPoint(0, 0));
    return bolt.screen()->grabWindow(bolt.window()->winId(), at.x(), at.y(), bolt.width(), bolt.height())
        .toImage().convertToFormat(QImage::Format_RGB32);
}

bool contains(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::find(line, line + image.width(), colour) != line + image.width())
            return true;
    }
    return false;
}

} // namespace

class TestTLightn : public QObject {
    Q_OBJECT
private slots:
    void sizeGivesScaleCentreAndPoints_data();
    void sizeGivesScaleCentreAndPoints();
    void anglesWrapAroundAWholeTurn();
    void stepsAccumulateAndQuarterTurnsComeBack_data();
    void stepsAccumulateAndQuarterTurnsComeBack();
    void poseDecidesTheLedgesAndTheFaceFilled_data();
    void poseDecidesTheLedgesAndTheFaceFilled();
    void shadingGreysTheSidesByTheirDepthSpread();
    void backdropHoldsWhatLiesBelowButNeverTheEmblem();
    void onlyShowAndResizeRebuildThePose();
    void runningOwnsATimerThatStepsTheFigure();
};

void TestTLightn::sizeGivesScaleCentreAndPoints_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("vertex7");
    QTest::addColumn<QPoint>("vertex11");
    // The point of the bolt lands one row below a 128-pixel control.
    QTest::newRow("129 x 128, as on the splash") << QSize(129, 128) << 4 << QPoint(48, 128) << QPoint(16, 64);
    QTest::newRow("75 x 75, the default") << QSize(75, 75) << 2 << QPoint(29, 69) << QPoint(13, 37);
    QTest::newRow("31 wide: all on the centre") << QSize(31, 200) << 0 << QPoint(15, 100) << QPoint(15, 100);
}

void TestTLightn::sizeGivesScaleCentreAndPoints()
{
    QFETCH(QSize, size);
    QFETCH(int, scale);
    QFETCH(QPoint, vertex7);
    QFETCH(QPoint, vertex11);
    Stage stage(size);
    QCOMPARE(stage.bolt->scale(), scale);
    QCOMPARE(stage.bolt->centre(), QPoint(size.width() / 2, size.height() / 2));
    QCOMPARE(stage.bolt->points()[6], vertex7);
    QCOMPARE(stage.bolt->points()[10], vertex11);
    QCOMPARE(contains(stage.bolt->buffer(), qRgb(255, 255, 0)), scale > 0);
}

void TestTLightn::anglesWrapAroundAWholeTurn()
{
    for (const auto [angle, same] : {std::pair{370, 10}, {-10, 350}, {INT_MIN, 232}}) {
        const bolt::Turn a = bolt::Turn::of(angle, 0, angle), b = bolt::Turn::of(same, 0, same);
        QVERIFY2(a.sx == b.sx && a.cx == b.cx && a.sz == b.sz && a.cz == b.cz,
                 qPrintable(QString::number(angle)));
    }
}

void TestTLightn::stepsAccumulateAndQuarterTurnsComeBack_data()
{
    QTest::addColumn<QList<int>>("speeds");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("home");
    QTest::newRow("three quarter turns about z") << QList<int>{0, 0, 90} << 3 << false;
    QTest::newRow("four quarter turns about z") << QList<int>{0, 0, 90} << 4 << true;
    QTest::newRow("four quarter turns about y") << QList<int>{0, 90, 0} << 4 << true;
}

void TestTLightn::stepsAccumulateAndQuarterTurnsComeBack()
{
    QFETCH(QList<int>, speeds);
    QFETCH(int, steps);
    QFETCH(bool, home);
    Stage stage;
    const QImage picture = stage.bolt->buffer();
    stage.steps(speeds[0], speeds[1], speeds[2], steps);
    QCOMPARE(stage.bolt->vertices() == startPose(4), home);
    QCOMPARE(stage.bolt->buffer() == picture, home);
}

void TestTLightn::poseDecidesTheLedgesAndTheFaceFilled_data()
{
    QTest::addColumn<int>("rotatex");
    QTest::addColumn<QString>("filled"); // first vertex of each polygon, in order
    QTest::addColumn<QString>("colours"); // shown, then hidden: Blue, Yellow, Grey
    // z of vertex 1 against 7 picks the ledges, against 12 the face; front
    // 0x00FFFF is yellow, back 0xFF0000 blue. Seen square on, sides are lines.
    QTest::newRow("unrotated") << 0 << "8 10 2 4 6 7 9 11 12" << "B/YG";
    QTest::newRow("tipped 90: the top nearer") << 90 << "1 3 5 2 4 6 7 9 11 12" << "G/Y";
    QTest::newRow("tipped 135: face 1-11 nearer") << 135 << "1 3 5 2 4 6 7 9 11 1" << "YG/B";
    QTest::newRow("turned over") << 180 << "8 10 2 4 6 7 9 11 1" << "Y/BG";
}

void TestTLightn::poseDecidesTheLedgesAndTheFaceFilled()
{
    QFETCH(int, rotatex);
    QFETCH(QString, filled);
    QFETCH(QString, colours);
    Stage stage;
    stage.above->hide();
    stage.bolt->BackFaceColor = 0xFF0000;
    stage.bolt->BackGroundColor = 0x000080;
    stage.steps(rotatex, 0, 0);
    QStringList firsts;
    for (const bolt::Polygon &p : bolt::paintOrder(stage.bolt->vertices()))
        firsts << QString::number(p.vertices.front());
    QCOMPARE(firsts.join(QLatin1Char(' ')), filled);
    const QImage picture = onScreen(*stage.bolt);
    QCOMPARE(picture, stage.bolt->buffer()); // the step's picture shows at once
    QCOMPARE(picture.pixel(0, 0), qRgb(128, 0, 0));
    const QHash<QChar, QRgb> rgb{{'B', qRgb(0, 0, 255)}, {'Y', qRgb(255, 255, 0)}, {'G', qRgb(128, 128, 128)}};
    const qsizetype split = colours.indexOf(QLatin1Char('/'));
    for (qsizetype i = 0; i < colours.size(); ++i) {
        if (i != split)
            QVERIFY2(contains(picture, rgb[colours[i]]) == (i < split), qPrintable(colours.at(i)));
    }
}

void TestTLightn::shadingGreysTheSidesByTheirDepthSpread()
{
    Stage stage;
    stage.bolt->Shading = true;
    stage.bolt->BackFaceColor = 0xFF0000;
    QCOMPARE(stage.bolt->ShadeLevel(), 255 - 64); // depths spread 4 x scale
    // A quarter turn about y: the depths are the x values -20 and 24.
    stage.steps(0, 90, 0);
    QCOMPARE(stage.bolt->ShadeLevel(), 255 - 44 * 16 / 4);
    QVERIFY(contains(stage.bolt->buffer(), qRgb(79, 79, 79)));
    QVERIFY(!contains(stage.bolt->buffer(), qRgb(0, 0, 255))); // both faces in front colour
}

void TestTLightn::backdropHoldsWhatLiesBelowButNeverTheEmblem()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    bolt.Transparent = true;
    stage.steps(0, 0, 30, 3);
    bolt.hide(); // covered and uncovered, with a frame of its own on the screen
    bolt.show();
    QVERIFY(QTest::qWaitFor([&] { return bolt.vertices() == startPose(4); }));
    QImage expected(bolt.size(), QImage::Format_RGB32);
    expected.fill(Qt::green);
    QPainter(&expected).fillRect(0, 0, 60, 128, Qt::red);
    QCOMPARE(bolt.backdrop(), expected);
    // (48, 12), in the face at the start, is clear of the figure turned over:
    // each step draws afresh on the backdrop, leaving no trail.
    QVERIFY(bolt.buffer().pixel(48, 12) != expected.pixel(48, 12));
    stage.steps(0, 0, 90, 2);
    QCOMPARE(bolt.buffer().pixel(48, 12), expected.pixel(48, 12));
}

// A repaint of the program's own keeps the pose the steps reached.
void TestTLightn::onlyShowAndResizeRebuildThePose()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    const bolt::Points start = bolt.points();
    stage.steps(20, 0, 0, 2);
    const bolt::Points turned = bolt.points();
    QVERIFY(turned != start);
    stage.parent.update();
    QTest::qWait(20);
    QCOMPARE(bolt.points(), turned);
    bolt.hide();
    bolt.show();
    QVERIFY(QTest::qWaitFor([&] { return bolt.points() == start; }));
    bolt.resize(75, 75);
    QVERIFY(QTest::qWaitFor([&] { return bolt.scale() == 2; }));
}

void TestTLightn::runningOwnsATimerThatStepsTheFigure()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    QList<QObject *> senders;
    bolt.OnTimer = [&](QObject *sender) { senders << sender; };
    stage.steps(0, 0, 90); // not running: no OnTimer
    bolt.setRunning(true);
    QCOMPARE(bolt.timer()->Interval(), quint16(15));
    QVERIFY(QTest::qWaitFor([&] { return senders.size() >= 3; }));
    QCOMPARE(senders.first(), &bolt);
    bolt.setRunning(false);
    QVERIFY(!bolt.findChild<TThreadedTimer *>());
    // One quarter turn a step: the one by hand and one per tick.
    QCOMPARE(bolt.vertices() == startPose(4), (senders.size() + 1) % 4 == 0);
    const qsizetype ticks = senders.size();
    QTest::qWait(30);
    QCOMPARE(senders.size(), ticks);
}

QUINDLE_TEST_MAIN(TestTLightn)
#include "tst_TLightn.moc"
