// SPDX-License-Identifier: MIT
// The frame animation control: frame writes, runs, the step timer, painting.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include "platform/Resources.h"

#include <QPainter>
#include <functional>
#include <memory>

namespace {

// Every frame change, in order, as "1 2 3".
class FrameLog : public QObject {
public:
    explicit FrameLog(TAnimated *control) : m_control(control)
    {
        connect(control, &TAnimated::changeFrame, this, [this](TAnimated *sender) {
            QVERIFY(sender == m_control);
            frames.append(QString::number(sender->Frame()));
            if (onChange)
                onChange(sender);
        });
    }
    QString text() const { return frames.join(QLatin1Char(' ')); }
    QStringList frames;
    std::function<void(TAnimated *)> onChange;

private:
    TAnimated *m_control;
};

// Ten frames of 41 x 40, each its own colour, with a dark mark in its own
// column so that an off-by-one source rectangle shows.
QPixmap testStrip()
{
    QImage strip(410, 40, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int i = 0; i < 10; ++i) {
        painter.fillRect(41 * i, 0, 41, 40, QColor::fromHsv(36 * i, 200, 230));
        painter.fillRect(41 * i + i, 0, 1, 40, Qt::black);
    }
    return QPixmap::fromImage(strip);
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Steps by hand until the run ends; how many steps it took, or -1.
int runByHand(TAnimated &control, int limit = 40)
{
    for (int steps = 1; steps <= limit; ++steps) {
        control.step();
        if (!control.Play())
            return steps;
    }
    return -1;
}

} // namespace

class TestAnimate : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsStillOnFrameZero();
    void runsOnceAndStops_data();
    void runsOnceAndStops();
    void runsOnTheRealTimerAndDropsItAtTheEnd();
    void aLaterPlayStepsOnFromTheLastFrame();
    void loopingCyclesWithAnEventOnEveryStep_data();
    void loopingCyclesWithAnEventOnEveryStep();
    void frameWritesWrapAndSkipUnchangedFrames_data();
    void frameWritesWrapAndSkipUnchangedFrames();
    void stepTimerExistsExactlyWhilePlayingWithAnInterval_data();
    void stepTimerExistsExactlyWhilePlayingWithAnInterval();
    void playWithIntervalZeroWaitsForAnInterval();
    void intervalZeroWhilePlayingStopsStepping();
    void handlerMayMoveTheRun_data();
    void handlerMayMoveTheRun();
    void emptyStripPaintsWhite();
    void stripPaintsTheCurrentFrame_data();
    void stripPaintsTheCurrentFrame();
    void newStripGivesItsHeight_data();
    void newStripGivesItsHeight();

private:
    std::unique_ptr<QWidget> m_window;
    TAnimated *m_anim = nullptr;
    PaintCounter m_counter;
};

void TestAnimate::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(100, 60);
    m_anim = new TAnimated(m_window.get());
    m_anim->move(5, 5);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_anim->installEventFilter(&m_counter);
    m_counter.paints = 0;
}

void TestAnimate::cleanup()
{
    m_window.reset();
}

void TestAnimate::startsStillOnFrameZero()
{
    TAnimated fresh;
    QCOMPARE(fresh.size(), QSize(30, 30));
    QCOMPARE(fresh.Frame(), 0);
    QCOMPARE(fresh.FrameCount(), 1);
    QCOMPARE(fresh.Interval(), 0);
    QCOMPARE(fresh.Play(), false);
    QCOMPARE(fresh.Reverse(), false);
    QCOMPARE(fresh.Loop(), true);
    QCOMPARE(fresh.TransparentColor(), 0xffffffffu);
    QVERIFY(fresh.BitMap().isNull());
    QVERIFY(fresh.testAttribute(Qt::WA_OpaquePaintEvent));
}

void TestAnimate::runsOnceAndStops_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<int>("steps");

    QTest::newRow("forward from frame 0 shows 1 to 9 and stops on 9 after nine steps")
        << 10 << 0 << false << "1 2 3 4 5 6 7 8 9" << 9;
    QTest::newRow("forward from frame 9 shows 0 to 9 and stops after ten steps")
        << 10 << 9 << false << "0 1 2 3 4 5 6 7 8 9" << 10;
    QTest::newRow("backward from frame 9 shows 8 to 0 and stops on 0 after nine steps")
        << 10 << 9 << true << "8 7 6 5 4 3 2 1 0" << 9;
    QTest::newRow("backward from frame 0 shows 9 to 0 and stops after ten steps")
        << 10 << 0 << true << "9 8 7 6 5 4 3 2 1 0" << 10;
    QTest::newRow("forward from frame 5 stops on 9 after four steps")
        << 10 << 5 << false << "6 7 8 9" << 4;
    QTest::newRow("with four frames a run forward from 0 stops on frame 3")
        << 4 << 0 << false << "1 2 3" << 3;
}

void TestAnimate::runsOnceAndStops()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(bool, reverse);
    QFETCH(QString, frames);
    QFETCH(int, steps);

    m_anim->setFrameCount(count);
    m_anim->setFrame(start);
    m_anim->setLoop(false);
    m_anim->setReverse(reverse);
    FrameLog log(m_anim);
    m_anim->setPlay(true);
    QCOMPARE(runByHand(*m_anim), steps);
    QCOMPARE(log.text(), frames);
    // Nothing rewinds: the last frame stays shown.
    QCOMPARE(m_anim->Frame(), reverse ? 0 : count - 1);
    QCOMPARE(m_anim->hasStepTimer(), false);
}

void TestAnimate::runsOnTheRealTimerAndDropsItAtTheEnd()
{
    m_anim->setFrameCount(10);
    m_anim->setLoop(false);
    m_anim->setInterval(20);
    FrameLog log(m_anim);
    QElapsedTimer clock;
    clock.start();
    m_anim->setPlay(true);
    QVERIFY(m_anim->hasStepTimer());
    QTRY_COMPARE_WITH_TIMEOUT(m_anim->Play(), false, 3000);
    // Nine ticks of 20 ms each, however late the last one came.
    QVERIFY2(clock.elapsed() >= 9 * 20 - 5, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(log.text(), QStringLiteral("1 2 3 4 5 6 7 8 9"));
    QCOMPARE(m_anim->hasStepTimer(), false);
    QTest::qWait(100);
    QCOMPARE(log.frames.size(), 9);
    QCOMPARE(m_anim->Frame(), 9);
    QVERIFY(m_counter.paints > 0);
}

void TestAnimate::aLaterPlayStepsOnFromTheLastFrame()
{
    m_anim->setFrameCount(10);
    m_anim->setLoop(false);
    m_anim->setFrame(7);
    m_anim->setPlay(true);
    QCOMPARE(runByHand(*m_anim), 2);
    FrameLog log(m_anim);
    m_anim->setPlay(true);
    m_anim->step();
    QCOMPARE(log.text(), QStringLiteral("0"));
    QCOMPARE(m_anim->Play(), true);
}

void TestAnimate::loopingCyclesWithAnEventOnEveryStep_data()
{
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("frames");

    QTest::newRow("forward with Loop on goes round twice and on")
        << false << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3";
    QTest::newRow("backward with Loop on goes round twice and on")
        << true << "9 8 7 6 5 4 3 2 1 0 9 8 7 6 5 4 3 2 1 0 9 8 7";
}

void TestAnimate::loopingCyclesWithAnEventOnEveryStep()
{
    QFETCH(bool, reverse);
    QFETCH(QString, frames);

    m_anim->setFrameCount(10);
    m_anim->setReverse(reverse);
    FrameLog log(m_anim);
    m_anim->setPlay(true);
    QCOMPARE(runByHand(*m_anim, 23), -1);
    QCOMPARE(log.text(), frames);
    QCOMPARE(m_anim->Play(), true);
}

void TestAnimate::frameWritesWrapAndSkipUnchangedFrames_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("shown");

    QTest::newRow("minus five with ten frames selects the last frame") << 10 << 0 << -5 << 9;
    QTest::newRow("any negative number selects the last frame") << 10 << 0 << -1000000 << 9;
    QTest::newRow("twenty-three with ten frames selects frame 3") << 10 << 0 << 23 << 3;
    QTest::newRow("ten with ten frames comes round to frame 0") << 10 << 4 << 10 << 0;
    QTest::newRow("the frame already shown raises no event") << 10 << 6 << 6 << 6;
    QTest::newRow("a number that wraps onto the frame shown raises no event") << 10 << 6 << 16 << 6;
    QTest::newRow("with one frame every write selects frame 0") << 1 << 0 << 5 << 0;
    QTest::newRow("with one frame a negative write selects frame 0") << 1 << 0 << -3 << 0;
    QTest::newRow("a count of 0 is taken as 1 and does not fail") << 0 << 0 << 7 << 0;
    QTest::newRow("a negative count is taken as 1 and does not fail") << -4 << 0 << -2 << 0;
}

void TestAnimate::frameWritesWrapAndSkipUnchangedFrames()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, written);
    QFETCH(int, shown);

    m_anim->setFrameCount(10);
    m_anim->setFrame(start);
    m_anim->setFrameCount(count);
    QTest::qWait(20);
    m_counter.paints = 0;
    FrameLog log(m_anim);
    m_anim->setFrame(written);
    QCOMPARE(m_anim->Frame(), shown);
    const bool changed = shown != start;
    QCOMPARE(log.text(), changed ? QString::number(shown) : QString());
    // The repaint is only requested, never drawn inside the write.
    QCOMPARE(m_counter.paints, 0);
    if (changed)
        QTRY_VERIFY(m_counter.paints > 0);
    else
        QTest::qWait(50);
    QCOMPARE(m_counter.paints > 0, changed);
}

void TestAnimate::stepTimerExistsExactlyWhilePlayingWithAnInterval_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<bool>("timer");

    QTest::newRow("playing with 20 ms has a timer") << "interval 20, play 1" << true;
    QTest::newRow("20 ms given after play starts has a timer") << "play 1, interval 20" << true;
    QTest::newRow("an interval alone has no timer") << "interval 20" << false;
    QTest::newRow("playing without an interval has no timer") << "play 1" << false;
    QTest::newRow("stopping play drops the timer") << "interval 20, play 1, play 0" << false;
    QTest::newRow("a negative interval while playing drops the timer")
        << "interval 20, play 1, interval -5" << false;
    QTest::newRow("a new interval while playing keeps a timer")
        << "interval 20, play 1, interval 35" << true;
    QTest::newRow("playing again after a stop gets a timer again")
        << "interval 20, play 1, play 0, play 1" << true;
}

void TestAnimate::stepTimerExistsExactlyWhilePlayingWithAnInterval()
{
    QFETCH(QString, writes);
    QFETCH(bool, timer);

    for (const QString &write : writes.split(QStringLiteral(", "))) {
        const int value = write.section(QLatin1Char(' '), 1).toInt();
        if (write.startsWith(QLatin1String("play")))
            m_anim->setPlay(value != 0);
        else
            m_anim->setInterval(value);
    }
    QCOMPARE(m_anim->hasStepTimer(), timer);
}

void TestAnimate::playWithIntervalZeroWaitsForAnInterval()
{
    m_anim->setFrameCount(10);
    FrameLog log(m_anim);
    m_anim->setPlay(true);
    QCOMPARE(m_anim->Play(), true);
    QTest::qWait(100);
    QCOMPARE(log.frames.size(), 0);

    m_anim->setInterval(20);
    QTRY_VERIFY(log.frames.size() >= 3);
    QCOMPARE(log.frames.mid(0, 3), QStringList({"1", "2", "3"}));
}

void TestAnimate::intervalZeroWhilePlayingStopsStepping()
{
    m_anim->setFrameCount(10);
    m_anim->setInterval(20);
    FrameLog log(m_anim);
    m_anim->setPlay(true);
    QTRY_VERIFY(log.frames.size() >= 2);
    m_anim->setInterval(0);
    const int frame = m_anim->Frame();
    const qsizetype changes = log.frames.size();
    QTest::qWait(100);
    QCOMPARE(log.frames.size(), changes);
    QCOMPARE(m_anim->Frame(), frame);
    QCOMPARE(m_anim->Play(), true);
}

void TestAnimate::handlerMayMoveTheRun_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("frames");

    QTest::newRow("a jump from 2 to 5 raises a nested event and the run goes on from 5")
        << 2 << "jump 5" << "1 2 5 6 7 8 9";
    QTest::newRow("moving the last frame away keeps the run going")
        << 9 << "jump 4" << "1 2 3 4 5 6 7 8 9 4 5 6 7 8 9";
    QTest::newRow("moving onto the last frame ends the run at once")
        << 3 << "jump 9" << "1 2 3 9";
    QTest::newRow("stopping play inside the handler ends the run there")
        << 4 << "stop" << "1 2 3 4";
    QTest::newRow("turning round at 3 runs back down to 0 and stops there")
        << 3 << "reverse" << "1 2 3 2 1 0";
}

void TestAnimate::handlerMayMoveTheRun()
{
    QFETCH(int, at);
    QFETCH(QString, action);
    QFETCH(QString, frames);

    m_anim->setFrameCount(10);
    m_anim->setLoop(false);
    FrameLog log(m_anim);
    bool done = false;
    log.onChange = [&](TAnimated *control) {
        if (done || control->Frame() != at)
            return;
        done = true;
        if (action == QLatin1String("stop"))
            control->setPlay(false);
        else if (action == QLatin1String("reverse"))
            control->setReverse(true);
        else
            control->setFrame(action.section(QLatin1Char(' '), 1).toInt());
    };
    m_anim->setPlay(true);
    QVERIFY(runByHand(*m_anim) > 0);
    QCOMPARE(log.text(), frames);
}

void TestAnimate::emptyStripPaintsWhite()
{
    QImage white(30, 30, QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(rgb(m_window->grab(m_anim->geometry()).toImage()), white);
}

void TestAnimate::stripPaintsTheCurrentFrame_data()
{
    QTest::addColumn<QPixmap>("strip");
    QTest::addColumn<int>("frame");

    QTest::newRow("frame 0 of a test strip is its first 41 columns") << testStrip() << 0;
    QTest::newRow("frame 3 of a test strip starts at column 123") << testStrip() << 3;
    QTest::newRow("frame 9 of a test strip is its last 41 columns") << testStrip() << 9;
    QTest::newRow("frame 6 of the dice cup is the cup's seventh picture")
        << QPixmap(res::bitmap(4)) << 6;
}

void TestAnimate::stripPaintsTheCurrentFrame()
{
    QFETCH(QPixmap, strip);
    QFETCH(int, frame);
    QCOMPARE(strip.size(), QSize(410, 40));

    m_anim->loadBitMap(strip);
    m_anim->resize(41, 40);
    m_anim->setFrameCount(10);
    m_anim->setFrame(frame);
    const QImage shown = rgb(m_window->grab(m_anim->geometry()).toImage());
    QCOMPARE(shown, rgb(strip.toImage().copy(41 * frame, 0, 41, 40)));
}

void TestAnimate::newStripGivesItsHeight_data()
{
    QTest::addColumn<QPixmap>("strip");
    QTest::addColumn<QSize>("size");

    QTest::newRow("a strip 40 high makes the control 40 high and keeps its width")
        << testStrip() << QSize(30, 40);
    QTest::newRow("an empty strip makes the control 30 high") << QPixmap() << QSize(30, 30);
}

void TestAnimate::newStripGivesItsHeight()
{
    QFETCH(QPixmap, strip);
    QFETCH(QSize, size);

    m_anim->resize(30, 12);
    m_anim->setBitMap(strip);
    QCOMPARE(m_anim->size(), size);
    QCOMPARE(m_anim->BitMap().size(), strip.size());
}

QUINDLE_TEST_MAIN(TestAnimate)
#include "tst_Animate.moc"
