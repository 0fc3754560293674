// SPDX-License-Identifier: MIT
// The lightning-bolt emblem: its numbers, which polygons it fills, what it
// draws over, and when its pose is rebuilt.
#include "TestMain.h"
#include "controls/TLightn.h"

#include <QPainter>
#include <cmath>

namespace {
// The emblem at (20, 1) on a green parent, over a red strip that covers its
// left 60 columns and under a blue square on its lower right corner.
struct Stage {
    explicit Stage(QSize size = {129, 128})
    {
        parent.resize(300, 200);
        parent.setStyleSheet("background: #00ff00");
        paint(QRect(0, 0, 80, 200), "red");
        bolt = new TLightningBolt(&parent);
        bolt->setGeometry(QRect(QPoint(20, 1), size));
        paint(QRect(bolt->geometry().bottomRight() - QPoint(19, 19), QSize(20, 20)), "blue");
        if (parent.show(); !QTest::qWaitForWindowExposed(&parent))
            qWarning("stage not exposed");
    }
    void paint(const QRect &area, const char *colour) { auto *w = new QWidget(&parent); w->setGeometry(area), w->setStyleSheet(QString("background: ") + colour); }
    void steps(int x, int y, int z, int n = 1)
    {
        bolt->setRotatex(x);
        bolt->setRotatey(y);
        bolt->setRotatez(z);
        for (int i = 0; i < n; ++i)
            bolt->RotateStep(bolt);
    }
    bool has(QRgb colour) const
    {
        const auto *pixels = reinterpret_cast<const QRgb *>(bolt->buffer().constBits());
        return std::count(pixels, pixels + bolt->width() * bolt->height(), colour) > 0;
    }
    // The colours in the picture: "Y" yellow, "B" blue, "G" grey, "S" the grey of the shade level.
    QString colours() const
    {
        const int level = bolt->ShadeLevel();
        return QString(has(qRgb(255, 255, 0)) ? "Y" : "") + (has(qRgb(0, 0, 255)) ? "B" : "")
               + (has(qRgb(128, 128, 128)) ? "G" : "") + (has(qRgb(level, level, level)) ? "S" : "");
    }
    QWidget parent;
    TLightningBolt *bolt;
};

bolt::Vertices startPose(int scale) { bolt::Vertices v = bolt::model(); return bolt::scale(v, scale), v; }
} // namespace

class TestTLightn : public QObject {
    Q_OBJECT
private slots:
    // The point of the bolt lands one row below a 128-pixel control; below 32
    // pixels the figure collapses onto the centre.
    void sizeGivesScaleCentreAndPoints()
    {
        QStringList shown;
        for (const QSize size : {QSize(129, 128), QSize(75, 75), QSize(31, 200)}) {
            Stage stage(size);
            const TLightningBolt &b = *stage.bolt;
            shown << QStringLiteral("%1: %2,%3 %4,%5 %6,%7 %8").arg(b.scale()).arg(b.centre().x()).arg(b.centre().y()).arg(b.points()[6].x())
                         .arg(b.points()[6].y()).arg(b.points()[10].x()).arg(b.points()[10].y()).arg(stage.colours());
        }
        QCOMPARE(shown, QStringList({"4: 64,64 48,128 16,64 Y", "2: 37,37 29,69 13,37 Y", "0: 15,100 15,100 15,100 "}));
    }
    // Whole degrees taken modulo 360; vertex 1, (-20, -56) at scale 4, turned 330
    // degrees about z to (-45.32, -38.50) is drawn at 19, 26 from the centre 64, 64,
    // truncated toward zero. Each step keeps every vertex as far from the centre;
    // quarter turns come back after four steps, and so does the picture.
    void turnsKeepTheShapeInWholeDegreesAndQuarterTurnsComeBack()
    {
        for (const auto [angle, same] : {std::pair{370, 10}, {-10, 350}, {INT_MIN, 232}}) {
            const bolt::Turn a = bolt::Turn::of(angle, 0, angle), b = bolt::Turn::of(same, 0, same);
            QVERIFY2(a.sx == b.sx && a.cx == b.cx && a.sz == b.sz && a.cz == b.cz, qPrintable(QString::number(angle)));
        }
        QCOMPARE(bolt::project(bolt::rotate(startPose(4)[0], bolt::Turn::of(0, 0, 330)), QPoint(64, 64)), QPoint(19, 26));
        QCOMPARE(bolt::project(bolt::rotate(startPose(4)[0], bolt::Turn::of(0, 0, 10)), QPoint(64, 64)), QPoint(55, 6)); // (-9.97, -58.62)
        const auto length = [](const bolt::Vertex &v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); };
        QString seen;
        for (const auto &[speeds, steps] : {std::pair{std::array{0, 0, 90}, 3}, {{0, 0, 90}, 4}, {{0, 90, 0}, 4}, {{7, 11, 13}, 5}}) {
            Stage stage;
            const QImage picture = stage.bolt->buffer();
            stage.steps(speeds[0], speeds[1], speeds[2], steps);
            for (int i = 0; i < bolt::VertexCount; ++i)
                QVERIFY(std::abs(length(stage.bolt->vertices()[i]) - length(startPose(4)[i])) < 0.01f);
            seen += QString(stage.bolt->vertices() == startPose(4) ? "home" : "away") + (stage.bolt->buffer() == picture ? " same picture, " : " new picture, ");
        }
        QCOMPARE(seen, "away new picture, home same picture, home same picture, away new picture, ");
    }
    void poseDecidesWhatIsFilledAndInWhichColour_data()
    {
        // A turn about x and y, shading or not: the first vertex of each polygon filled, in order; the colours seen and the shade level.
        QTest::addColumn<QList<int>>("turn");
        QTest::addColumn<bool>("shading");
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("colours");
        // z of vertex 1 against 7 picks the ledges, against 12 the face; front
        // 0x00FFFF is yellow, back 0xFF0000 blue. Seen square on, sides are lines.
        QTest::newRow("unrotated") << QList<int>{0, 0} << false << "8 10 2 4 6 7 9 11 12" << "B 191";
        QTest::newRow("tipped 90: the top nearer") << QList<int>{90, 0} << false << "1 3 5 2 4 6 7 9 11 12" << "G 95";
        QTest::newRow("tipped 135: face 1-11 nearer") << QList<int>{135, 0} << false << "1 3 5 2 4 6 7 9 11 1" << "YG 99";
        QTest::newRow("turned over") << QList<int>{180, 0} << false << "8 10 2 4 6 7 9 11 1" << "Y";
        // Shading: sides grey by the spread of the depths of vertices 1, 4, 12, 15.
        QTest::newRow("shaded, the back face in the front colour") << QList<int>{0, 0} << true << "8 10 2 4 6 7 9 11 12" << "Y 191";
        QTest::newRow("shaded, turned 135 about y: vertices 1 and 15 spread 42.4") << QList<int>{0, 135} << true << "1 3 5 2 4 6 7 9 11 1" << "YS 87";
    }
    void poseDecidesWhatIsFilledAndInWhichColour()
    {
        QFETCH(QList<int>, turn);
        QFETCH(bool, shading);
        QFETCH(QString, colours);
        Stage stage;
        stage.bolt->Shading = shading;
        stage.bolt->BackFaceColor = 0xFF0000;
        stage.bolt->BackGroundColor = 0x000080;
        stage.steps(turn[0], turn[1], 0);
        QStringList firsts;
        for (const bolt::Polygon &p : bolt::paintOrder(stage.bolt->vertices()))
            firsts << QString::number(p.vertices.front());
        QTEST(firsts.join(' '), "filled");
        QCOMPARE((stage.colours() + ' ' + QString::number(stage.bolt->ShadeLevel())).left(colours.size()), colours);
        QCOMPARE(stage.bolt->buffer().pixel(0, 0), qRgb(128, 0, 0));
    }
    // A show (covered and uncovered) or a resize starts from the starting pose on a
    // fresh backdrop: what lies below, never the emblem's own frame or what is above.
    void showRebuildsThePoseOverWhatLiesBelowButRepaintsKeepIt()
    {
        Stage stage;
        TLightningBolt &bolt = *stage.bolt;
        bolt.Transparent = true;
        stage.steps(0, 0, 30, 3);
        const bolt::Points turned = bolt.points();
        stage.parent.update();
        QTest::qWait(20); // a repaint of the program's own keeps the pose
        QCOMPARE(bolt.points(), turned);
        bolt.hide();
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
        bolt.resize(75, 75); // and a resize rebuilds it at its new scale
        QVERIFY(QTest::qWaitFor([&] { return bolt.scale() == 2; }));
    }
    void runningOwnsATimerThatStepsTheFigure()
    {
        Stage stage;
        TLightningBolt &bolt = *stage.bolt;
        QList<QObject *> senders;
        bolt.OnTimer = [&](QObject *sender) { senders << sender; };
        stage.steps(0, 0, 90);
        bolt.setRunning(true); // a step by hand, not running: no OnTimer
        QCOMPARE(bolt.timer()->Interval(), quint16(15));
        QVERIFY(QTest::qWaitFor([&] { return senders.size() >= 3; }));
        QCOMPARE(senders.first(), &bolt);
        bolt.setRunning(false);
        QVERIFY(!bolt.findChild<TThreadedTimer *>());
        // One quarter turn a step: the one by hand and one per tick.
        QCOMPARE(bolt.vertices() == startPose(4), (senders.size() + 1) % 4 == 0);
        const qsizetype ticks = senders.size();
        QTest::qWait(30);
        QCOMPARE(senders.size(), ticks); // no tick once stopped
    }
};

QUINDLE_TEST_MAIN(TestTLightn)
#include "tst_TLightn.moc"
