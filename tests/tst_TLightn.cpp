// SPDX-License-Identifier: MIT
// The lightning-bolt emblem: its numbers, the polygons it fills and in what
// order, what it draws over, and when its pose is rebuilt.
#include "TestMain.h"
#include "controls/TLightn.h"
#include "platform/Widgets.h"

#include <QPainter>
#include <climits>
#include <memory>

namespace {

// A parent filled green with a red picture under the emblem's left half and
// a blue one stacked above the emblem, at its lower right.
struct Stage {
    explicit Stage(QSize size = {129, 128})
    {
        parent.resize(300, 200);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, Qt::green);
        parent.setPalette(palette);
        QImage red(80, 200, QImage::Format_RGB32);
        red.fill(Qt::red);
        below = new TImage(&parent);
        below->setPicture(red);
        below->setGeometry(0, 0, 80, 200);
        bolt = new TLightningBolt(&parent);
        bolt->setGeometry(QRect(QPoint(20, 1), size));
        QImage blue(20, 20, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        above = new TImage(&parent);
        above->setPicture(blue);
        above->setGeometry(QRect(bolt->geometry().bottomRight() - QPoint(19, 19), QSize(20, 20)));
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent))
            qWarning("stage not exposed");
    }
    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            bolt->RotateStep(bolt);
    }
    QWidget parent;
    TImage *below = nullptr;
    TLightningBolt *bolt = nullptr;
    TImage *above = nullptr;
};

QString describe(const std::vector<bolt::Polygon> &order)
{
    QStringList parts;
    for (const bolt::Polygon &p : order) {
        QStringList numbers;
        for (int v : p.vertices)
            numbers << QString::number(v);
        const char *kind = p.fill == bolt::Fill::Side ? "side" : p.fill == bolt::Fill::FaceFront ? "front" : "back";
        parts << QLatin1String(kind) + QLatin1Char(' ') + numbers.join(QLatin1Char(','));
    }
    return parts.join(QStringLiteral(" / "));
}

bolt::Vertices startPose(int scale)
{
    bolt::Vertices v = bolt::model();
    bolt::scale(v, scale);
    return v;
}

// What the window shows at the emblem's place, from the window's own surface.
QImage onScreen(const TLightningBolt &bolt)
{
    const QRect r(bolt.mapTo(bolt.window(), QPoint(0, 0)), bolt.size());
    return bolt.screen()->grabWindow(bolt.window()->winId(), r.x(), r.y(), r.width(), r.height())
        .toImage().convertToFormat(QImage::Format_RGB32);
}

bool contains(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

const QString Slanted = QStringLiteral("side 2,13,14,3 / side 4,15,16,5 / side 6,17,18,7 / "
                                       "side 7,18,19,8 / side 9,20,21,10 / side 11,22,12,1");

} // namespace

class TestTLightn : public QObject {
    Q_OBJECT
private slots:
    void sizeGivesScaleCentreAndPoints_data();
    void sizeGivesScaleCentreAndPoints();
    void anglesWrapAroundAWholeTurn_data();
    void anglesWrapAroundAWholeTurn();
    void stepsAccumulateAndQuarterTurnsComeBack_data();
    void stepsAccumulateAndQuarterTurnsComeBack();
    void poseDecidesWhichSidesAndFaceAreFilled_data();
    void poseDecidesWhichSidesAndFaceAreFilled();
    void picturesUseTheColoursOfTheFacesShown_data();
    void picturesUseTheColoursOfTheFacesShown();
    void shadingDarkensTheSidesByTheirDepthSpread_data();
    void shadingDarkensTheSidesByTheirDepthSpread();
    void backdropIsWhatLiesBelowWithoutTheEmblem();
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
    QTest::newRow("31 wide: everything on the centre") << QSize(31, 200) << 0 << QPoint(15, 100) << QPoint(15, 100);
}

void TestTLightn::sizeGivesScaleCentreAndPoints()
{
    QFETCH(QSize, size);
    QFETCH(int, scale);
    QFETCH(QPoint, vertex7);
    QFETCH(QPoint, vertex11);
    Stage stage(size);
    TLightningBolt &bolt = *stage.bolt;
    QCOMPARE(bolt.scale(), scale);
    QCOMPARE(bolt.centre(), QPoint(size.width() / 2, size.height() / 2));
    QCOMPARE(bolt.points()[6], vertex7);
    QCOMPARE(bolt.points()[10], vertex11);
    if (scale == 0) {
        QVERIFY(!contains(bolt.buffer(), qRgb(255, 255, 0)));
        QCOMPARE(bolt.ShadeLevel(), 255);
    }
}

void TestTLightn::anglesWrapAroundAWholeTurn_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("same");
    QTest::newRow("370 turns like 10") << 370 << 10;
    QTest::newRow("-10 turns like 350") << -10 << 350;
    QTest::newRow("-720 turns like 0") << -720 << 0;
    QTest::newRow("the lowest integer turns like 232") << INT_MIN << 232;
}

void TestTLightn::anglesWrapAroundAWholeTurn()
{
    QFETCH(int, angle);
    QFETCH(int, same);
    const bolt::Turn a = bolt::Turn::of(angle, angle, angle);
    const bolt::Turn b = bolt::Turn::of(same, same, same);
    QCOMPARE(a.sx, b.sx);
    QCOMPARE(a.cx, b.cx);
    QCOMPARE(a.sz, b.sz);
    QCOMPARE(a.cz, b.cz);
    QCOMPARE(bolt::cosDeg(angle), bolt::sinDeg(90 - same));
}

void TestTLightn::stepsAccumulateAndQuarterTurnsComeBack_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("home");
    QTest::newRow("no turn: every step the same pose") << 0 << 0 << 0 << 1 << true;
    QTest::newRow("four quarter turns about z") << 0 << 0 << 90 << 4 << true;
    QTest::newRow("four quarter turns about x") << 90 << 0 << 0 << 4 << true;
    QTest::newRow("three quarter turns about y") << 0 << 90 << 0 << 3 << false;
    QTest::newRow("four quarter turns about y") << 0 << 90 << 0 << 4 << true;
}

void TestTLightn::stepsAccumulateAndQuarterTurnsComeBack()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, z);
    QFETCH(int, steps);
    QFETCH(bool, home);
    Stage stage;
    const bolt::Vertices start = stage.bolt->vertices();
    const bolt::Points points = stage.bolt->points();
    const QImage picture = stage.bolt->buffer();
    stage.bolt->setRotatex(x);
    stage.bolt->setRotatey(y);
    stage.bolt->setRotatez(z);
    stage.steps(steps);
    QCOMPARE(stage.bolt->vertices() == start, home);
    QCOMPARE(stage.bolt->points() == points, home);
    QCOMPARE(stage.bolt->buffer() == picture, home);
}

void TestTLightn::poseDecidesWhichSidesAndFaceAreFilled_data()
{
    QTest::addColumn<int>("rotatex");
    QTest::addColumn<QString>("order");
    // z of vertex 1 against vertex 7 picks the ledges, against 12 the face.
    QTest::newRow("unrotated: the top no nearer than the point, face 12-22")
        << 0 << "side 8,19,20,9 / side 10,21,22,11 / " + Slanted + " / back 12,13,14,15,16,17,18,19,20,21,22";
    QTest::newRow("tipped 90 about x: the top towards the viewer")
        << 90 << "side 1,12,13,2 / side 3,14,15,4 / side 5,16,17,6 / " + Slanted + " / back 12,13,14,15,16,17,18,19,20,21,22";
    QTest::newRow("tipped 135 about x: face 1-11 nearer")
        << 135 << "side 1,12,13,2 / side 3,14,15,4 / side 5,16,17,6 / " + Slanted + " / front 1,2,3,4,5,6,7,8,9,10,11";
    QTest::newRow("half a turn about x: face 1-11, downward ledges")
        << 180 << "side 8,19,20,9 / side 10,21,22,11 / " + Slanted + " / front 1,2,3,4,5,6,7,8,9,10,11";
}

void TestTLightn::poseDecidesWhichSidesAndFaceAreFilled()
{
    QFETCH(int, rotatex);
    QFETCH(QString, order);
    bolt::Vertices v = bolt::model();
    bolt::scale(v, 4);
    for (bolt::Vertex &vertex : v)
        vertex = bolt::rotate(vertex, bolt::Turn::of(rotatex, 0, 0));
    QCOMPARE(describe(bolt::paintOrder(v)), order);
}

void TestTLightn::picturesUseTheColoursOfTheFacesShown_data()
{
    QTest::addColumn<int>("rotatex");
    QTest::addColumn<QPoint>("inFace");
    QTest::addColumn<bool>("front");
    QTest::addColumn<bool>("sides");
    // Front yellow (0x00FFFF is red and green), back blue (0xFF0000).
    QTest::newRow("unrotated: the back face, sides only lines") << 0 << QPoint(72, 16) << false << false;
    QTest::newRow("half a turn about x: the front face") << 180 << QPoint(72, 112) << true << false;
    QTest::newRow("tipped 135 about x: the front face and grey sides") << 135 << QPoint() << true << true;
}

void TestTLightn::picturesUseTheColoursOfTheFacesShown()
{
    QFETCH(int, rotatex);
    QFETCH(QPoint, inFace);
    QFETCH(bool, front);
    QFETCH(bool, sides);
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    bolt.BackFaceColor = 0xFF0000;
    bolt.BackGroundColor = 0x000080; // dark red
    stage.above->hide();
    bolt.setRotatex(rotatex);
    stage.steps(1);
    const QImage shown = onScreen(bolt);
    QCOMPARE(shown, bolt.buffer()); // the step's picture shows at once
    const QRgb yellow = qRgb(255, 255, 0), blue = qRgb(0, 0, 255);
    if (!inFace.isNull())
        QCOMPARE(shown.pixel(inFace), front ? yellow : blue);
    QVERIFY(contains(shown, front ? yellow : blue));
    QVERIFY(!contains(shown, front ? blue : yellow));
    QCOMPARE(shown.pixel(0, 0), qRgb(128, 0, 0));
    QCOMPARE(contains(shown, qRgb(128, 128, 128)), sides);
}

void TestTLightn::shadingDarkensTheSidesByTheirDepthSpread_data()
{
    QTest::addColumn<int>("rotatey");
    QTest::addColumn<int>("level");
    // Unrotated the depths spread 4 x scale: 255 - 64. Turned a quarter
    // about y the depths are the x values -20 and 24: 255 - 44 x 16 / 4.
    QTest::newRow("unrotated") << 0 << 191;
    QTest::newRow("a quarter turn about y") << 90 << 79;
}

void TestTLightn::shadingDarkensTheSidesByTheirDepthSpread()
{
    QFETCH(int, rotatey);
    QFETCH(int, level);
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    bolt.Shading = true;
    bolt.BackFaceColor = 0xFF0000;
    bolt.setRotatey(rotatey);
    stage.steps(1);
    QCOMPARE(bolt.ShadeLevel(), level);
    const QImage &picture = bolt.buffer();
    QVERIFY(!contains(picture, qRgb(0, 0, 255))); // both faces in the front colour
    QVERIFY(contains(picture, qRgb(255, 255, 0)) || rotatey != 0);
    QCOMPARE(contains(picture, qRgb(level, level, level)), rotatey != 0);
}

// The backdrop holds the parent and the picture below, never the emblem's
// own earlier frames nor what is stacked above it.
void TestTLightn::backdropIsWhatLiesBelowWithoutTheEmblem()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    bolt.Transparent = true;
    bolt.setRotatez(30);
    stage.steps(3);
    bolt.hide(); // covered and uncovered: a fresh backdrop
    bolt.show();
    QVERIFY(QTest::qWaitFor([&] { return bolt.vertices() == startPose(4); }));
    QImage expected(bolt.size(), QImage::Format_RGB32);
    expected.fill(Qt::green);
    QPainter(&expected).fillRect(0, 0, 60, 128, Qt::red); // the picture from x 20 to 80 of the parent
    QCOMPARE(bolt.backdrop(), expected);
    // Steps draw over that same backdrop: away from the figure, no trail.
    stage.steps(3);
    QImage figure(bolt.size(), QImage::Format_RGB32);
    figure.fill(Qt::black);
    QPainter mask(&figure);
    mask.setPen(Qt::NoPen);
    mask.setBrush(Qt::white);
    for (const bolt::Polygon &p : bolt::paintOrder(bolt.vertices())) {
        QPolygon corners;
        for (int v : p.vertices)
            corners << bolt.points()[v - 1];
        mask.drawPolygon(corners);
    }
    mask.end();
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x) {
            if (figure.pixel(x, y) == qRgb(0, 0, 0))
                QCOMPARE(bolt.buffer().pixel(x, y), expected.pixel(x, y));
        }
    }
}

// Only the system's requests rebuild the model; the repaints of the steps
// and any other update keep the pose the steps have reached.
void TestTLightn::onlyShowAndResizeRebuildThePose()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    const bolt::Points start = bolt.points();
    bolt.setRotatex(20);
    stage.steps(2);
    const bolt::Points turned = bolt.points();
    QVERIFY(turned != start);
    stage.parent.update();
    bolt.update();
    QTest::qWait(20);
    QCOMPARE(bolt.points(), turned);
    bolt.hide();
    bolt.show();
    QVERIFY(QTest::qWaitFor([&] { return bolt.points() == start; }));
    stage.steps(2);
    bolt.resize(75, 75);
    QVERIFY(QTest::qWaitFor([&] { return bolt.scale() == 2; }));
    QCOMPARE(bolt.points()[6], QPoint(29, 69));
}

void TestTLightn::runningOwnsATimerThatStepsTheFigure()
{
    Stage stage;
    TLightningBolt &bolt = *stage.bolt;
    QList<QObject *> senders;
    bolt.OnTimer = [&](QObject *sender) { senders << sender; };
    bolt.RotateStep(&bolt);
    QVERIFY(senders.isEmpty()); // not running: no OnTimer
    bolt.setRotatez(90);
    bolt.setRunning(true);
    QVERIFY(bolt.timer());
    QCOMPARE(bolt.timer()->Interval(), quint16(TLightningBolt::StepInterval));
    QVERIFY(QTest::qWaitFor([&] { return senders.size() >= 2; }));
    QCOMPARE(senders.first(), &bolt);
    // One step per tick, each a quarter turn further.
    bolt::Vertices expected = startPose(4);
    for (qsizetype i = 0; i < senders.size(); ++i) {
        for (bolt::Vertex &v : expected)
            v = bolt::rotate(v, bolt::Turn::of(0, 0, 90));
    }
    QCOMPARE(bolt.vertices(), expected);
    bolt.setRunning(false);
    QVERIFY(!bolt.timer());
    QVERIFY(!bolt.findChild<TThreadedTimer *>());
    const qsizetype ticks = senders.size();
    QTest::qWait(40);
    QCOMPARE(senders.size(), ticks);
}

QUINDLE_TEST_MAIN(TestTLightn)
#include "tst_TLightn.moc"
