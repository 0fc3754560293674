// SPDX-License-Identifier: MIT
// The frame animation control: frame writes, runs, the step timer, painting.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/Animate.h"

#include <QPainter>
#include <functional>
#include <memory>

namespace {

// Every frame change, in order, as "1 2 3".
class FrameLog : public QObject {
public:
    explicit FrameLog(TAnimated *control)
    {
        connect(control, &TAnimated::changeFrame, this, [this, control](TAnimated *sender) {
            QVERIFY(sender == control);
            frames.append(QString::number(sender->Frame()));
            if (onChange)
                onChange(sender);
        });
    }
    QString text() const { return frames.join(QLatin1Char(' ')); }
    QStringList frames;
    std::function<void(TAnimated *)> onChange;
};

} // namespace

class TestAnimate : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(100, 60);
        m_anim = new TAnimated(m_window.get());
        m_anim->move(5, 5);
        m_anim->setFrameCount(10);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_anim->installEventFilter(&m_counter);
    }
    void cleanup() { m_window.reset(); }

    void runsFromAFrame_data();
    void runsFromAFrame();
    void frameWritesWrapAndSkipUnchangedFrames_data();
    void frameWritesWrapAndSkipUnchangedFrames();
    void stepTimerExistsExactlyWhilePlayingWithAnInterval_data();
    void stepTimerExistsExactlyWhilePlayingWithAnInterval();
    void stripPaintsTheCurrentFrameOrWhite_data();
    void stripPaintsTheCurrentFrameOrWhite();

private:
    std::unique_ptr<QWidget> m_window;
    TAnimated *m_anim = nullptr;
    PaintCounter m_counter;
};

void TestAnimate::runsFromAFrame_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("options"); // reverse, loop, timer
    QTest::addColumn<QString>("frames");

    QTest::newRow("forward from frame 0 shows 1 to 9 and stops on 9")
        << 0 << "" << "1 2 3 4 5 6 7 8 9";
    QTest::newRow("forward from frame 9 shows 0 to 9 and stops on 9")
        << 9 << "" << "0 1 2 3 4 5 6 7 8 9";
    QTest::newRow("backward from frame 9 shows 8 to 0 and stops on 0")
        << 9 << "reverse" << "8 7 6 5 4 3 2 1 0";
    QTest::newRow("backward from frame 0 shows 9 to 0 and stops on 0")
        << 0 << "reverse" << "9 8 7 6 5 4 3 2 1 0";
    QTest::newRow("forward with Loop on goes round and on")
        << 0 << "loop" << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2";
    QTest::newRow("backward with Loop on goes round and on")
        << 0 << "reverse loop" << "9 8 7 6 5 4 3 2 1 0 9 8 7 6 5 4 3 2 1 0 9 8";
    // The timer goes with the tick that ends the run.
    QTest::newRow("on a 20 ms step timer a run forward stops on 9 and drops the timer")
        << 0 << "timer" << "1 2 3 4 5 6 7 8 9";
    // The handler of a frame change may move the run, once, from inside.
    QTest::newRow("a jump from 2 to 5 raises a nested event and the run goes on from 5")
        << 0 << "at 2 jump 5" << "1 2 5 6 7 8 9";
    QTest::newRow("moving the last frame away keeps the run going")
        << 0 << "at 9 jump 4" << "1 2 3 4 5 6 7 8 9 4 5 6 7 8 9";
    QTest::newRow("moving onto the last frame ends the run at once")
        << 0 << "at 3 jump 9" << "1 2 3 9";
    QTest::newRow("turning round at 3 runs back down to 0 and stops there")
        << 0 << "at 3 turn" << "1 2 3 2 1 0";
}

void TestAnimate::runsFromAFrame()
{
    QFETCH(int, start);
    QFETCH(QString, options);
    QFETCH(QString, frames);
    m_anim->setFrame(start);
    m_anim->setLoop(options.contains(QLatin1String("loop")));
    m_anim->setReverse(options.contains(QLatin1String("reverse")));
    FrameLog log(m_anim);
    const QStringList handler = options.split(QLatin1Char(' '));
    if (handler.first() == QLatin1String("at")) {
        log.onChange = [handler, done = false](TAnimated *control) mutable {
            if (done || control->Frame() != handler[1].toInt())
                return;
            done = true;
            if (handler[2] == QLatin1String("turn"))
                control->setReverse(true);
            else
                control->setFrame(handler[3].toInt());
        };
    }
    if (options.contains(QLatin1String("timer"))) {
        m_anim->setInterval(20);
        m_anim->setPlay(true);
        QVERIFY(m_anim->hasStepTimer());
        QTRY_COMPARE_WITH_TIMEOUT(m_anim->Play(), false, 10000);
    } else {
        m_anim->setPlay(true);
        for (int steps = 0; steps < 22 && m_anim->Play(); ++steps)
            m_anim->step();
    }
    QCOMPARE(log.text(), frames);
    // Nothing rewinds: the last frame stays shown.
    QCOMPARE(m_anim->Frame(), frames.section(QLatin1Char(' '), -1).toInt());
    QCOMPARE(m_anim->Play(), options.contains(QLatin1String("loop")));
    QCOMPARE(m_anim->hasStepTimer(), false);
}

void TestAnimate::frameWritesWrapAndSkipUnchangedFrames_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("shown");

    // Each starts from frame 6 of ten.
    QTest::newRow("minus five with ten frames selects the last frame") << 10 << -5 << 9;
    QTest::newRow("twenty-three with ten frames selects frame 3") << 10 << 23 << 3;
    QTest::newRow("the frame already shown raises no event and no repaint") << 10 << 6 << 6;
    QTest::newRow("with one frame every write selects frame 0") << 1 << 5 << 0;
    QTest::newRow("a count of 0 is taken as 1 and does not fail") << 0 << 7 << 0;
}

void TestAnimate::frameWritesWrapAndSkipUnchangedFrames()
{
    QFETCH(int, count);
    QFETCH(int, written);
    QFETCH(int, shown);
    m_counter.paints = 0;
    m_anim->setFrame(6);
    m_anim->setFrameCount(count);
    QTRY_VERIFY(m_counter.paints > 0);
    m_counter.paints = 0;
    FrameLog log(m_anim);
    m_anim->setFrame(written);
    QCOMPARE(m_anim->Frame(), shown);
    const bool changed = shown != 6;
    QCOMPARE(log.text(), changed ? QString::number(shown) : QString());
    if (changed) {
        QTRY_VERIFY(m_counter.paints > 0);
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(m_counter.paints, 0);
    }
}

void TestAnimate::stepTimerExistsExactlyWhilePlayingWithAnInterval_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<bool>("timer");

    QTest::newRow("20 ms given after play starts has a timer") << "play 1, interval 20" << true;
    QTest::newRow("an interval alone has no timer") << "interval 20" << false;
    QTest::newRow("playing with interval 0 has no timer") << "play 1" << false;
    QTest::newRow("stopping play drops the timer") << "interval 20, play 1, play 0" << false;
    QTest::newRow("interval 0 while playing drops the timer")
        << "interval 20, play 1, interval 0" << false;
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

void TestAnimate::stripPaintsTheCurrentFrameOrWhite_data()
{
    QTest::addColumn<bool>("empty");
    QTest::addColumn<int>("frame");
    QTest::newRow("frame 3 of a strip starts at column 123") << false << 3;
    QTest::newRow("frame 9 of a strip is its last 41 columns") << false << 9;
    QTest::newRow("without a strip the control is 30 high and white") << true << 4;
}

void TestAnimate::stripPaintsTheCurrentFrameOrWhite()
{
    QFETCH(bool, empty);
    QFETCH(int, frame);
    // Ten frames, each its own colour, with a dark mark in its own column so
    // that an off-by-one source rectangle shows.
    QImage strip(410, 40, QImage::Format_RGB32);
    strip.fill(Qt::white);
    if (!empty) {
        QPainter painter(&strip);
        for (int i = 0; i < 10; ++i) {
            painter.fillRect(41 * i, 0, 41, 40, QColor::fromHsv(36 * i, 200, 230));
            painter.fillRect(41 * i + i, 0, 1, 40, Qt::black);
        }
    }
    // The control takes the strip's height and keeps its width.
    m_anim->resize(41, 12);
    m_anim->setBitMap(empty ? QPixmap() : QPixmap::fromImage(strip));
    QCOMPARE(m_anim->size(), QSize(41, empty ? 30 : 40));
    m_anim->setFrame(frame);
    QCOMPARE(m_window->grab(m_anim->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
             strip.copy(41 * frame, 0, 41, m_anim->height()));
}

QUINDLE_TEST_MAIN(TestAnimate)
#include "tst_Animate.moc"
