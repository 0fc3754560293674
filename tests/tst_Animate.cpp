// SPDX-License-Identifier: MIT
// The frame animation control: frame writes, runs, the step timer, painting.
#include "PaintCounter.h"
#include "TestMain.h"
#include "controls/Animate.h"
#include <QPainter>
#include <functional>
#include <memory>
class TestAnimate : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_anim = new TAnimated(m_window.get());
        m_anim->setFrameCount(10);
        m_anim->setLoop(false);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_anim->installEventFilter(&m_counter);
        m_counter.paints = 0;
        connect(m_anim, &TAnimated::changeFrame, this, [this](TAnimated *sender) {
            if (m_log << (sender == m_anim ? QString::number(sender->Frame()) : QStringLiteral("?")); m_onChange)
                m_onChange();
        });
    }
    void cleanup() { m_window.reset(), m_onChange = nullptr, m_log.clear(); }
    void writesAndRuns_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome"); // the log | the frame shown
        QTest::newRow("backward from 0 wraps to 9 and stops on 0") << "reverse 1, play 1, run, ?" << "9 8 7 6 5 4 3 2 1 0 still | 0";
        QTest::newRow("with Loop on a run goes round and on") << "loop 1, play 1, run, ?" << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 playing | 2";
        QTest::newRow("on a 20 ms step timer a run stops on 9 and drops the timer") << "interval 20, play 1, wait, ?" << "1 2 3 4 5 6 7 8 9 still | 9";
        QTest::newRow("a jump from 2 to 5 goes on from 5") << "at 2 frame 5, play 1, run" << "1 2 5 6 7 8 9 | 9";
        QTest::newRow("moving onto the last frame ends the run") << "at 3 frame 9, play 1, run" << "1 2 3 9 | 9";
        QTest::newRow("turning round at 3 runs back to 0") << "at 3 reverse 1, play 1, run" << "1 2 3 2 1 0 | 0";
        QTest::newRow("writes wrap, the frame shown raises no event, a count of 0 is taken as 1")
            << "frame -5, frame 23, frame 3, count 0, frame 7" << "9 3 0 | 0";
        QTest::newRow("the step timer exists exactly while playing with an interval")
            << "interval 20, ?, interval 0, play 1, ?, interval 20, ?, play 0, ?, play 1, ?, interval 0, ?"
            << "still playing playing+timer still playing+timer playing | 0";
    }
    void writesAndRuns()
    {
        QFETCH(QString, script);
        static const QHash<QString, std::function<void(TAnimated *, int)>> Writes{
            {"frame", &TAnimated::setFrame}, {"count", &TAnimated::setFrameCount}, {"play", &TAnimated::setPlay},
            {"interval", &TAnimated::setInterval}, {"reverse", &TAnimated::setReverse}, {"loop", &TAnimated::setLoop}};
        for (const QString &step : script.split(QStringLiteral(", "))) {
            const QStringList words = step.split(QLatin1Char(' '));
            if (Writes.contains(words[0]))
                Writes[words[0]](m_anim, words.value(1).toInt());
            else if (words[0] == "wait")
                QTRY_COMPARE_WITH_TIMEOUT(m_anim->Play(), false, 10000);
            else if (words[0] == "?")
                m_log << (m_anim->Play() ? "playing" : "still") + QString(m_anim->hasStepTimer() ? "+timer" : "");
            else if (words[0] == "at") // a handler that makes one write from inside, at a given frame
                m_onChange = [this, words, done = false]() mutable {
                    if (!done && m_anim->Frame() == words[1].toInt()) {
                        done = true;
                        Writes[words[2]](m_anim, words[3].toInt());
                    }
                };
            for (int steps = 0; words[0] == "run" && steps < 22 && m_anim->Play(); ++steps)
                m_anim->step();
        }
        QTEST(m_log.join(QLatin1Char(' ')) + QStringLiteral(" | %1").arg(m_anim->Frame()), "outcome");
        if (m_log.first().at(0).isDigit()) // a change of frame is drawn
            QTRY_VERIFY(m_counter.paints > 0);
    }
    void stripPaintsTheCurrentFrameOrWhite()
    {
        // Ten white frames, each with a mark low in its own column: a wrong or off-by-one source shows.
        QImage strip(410, 40, QImage::Format_RGB32);
        strip.fill(Qt::white);
        for (int i = 0; i < 10; ++i)
            QPainter(&strip).fillRect(41 * i + i, 30, 1, 10, Qt::black);
        m_anim->resize(41, 12); // the control takes the strip's height, or 30 without one
        for (const bool empty : {false, true}) {
            m_anim->setBitMap(empty ? QPixmap() : QPixmap::fromImage(strip));
            m_anim->setFrame(empty ? 4 : 9);
            QCOMPARE(m_window->grab(m_anim->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
                     strip.copy(empty ? 0 : 369, 0, 41, empty ? 30 : 40));
        }
    }

private:
    std::unique_ptr<QWidget> m_window;
    TAnimated *m_anim = nullptr;
    PaintCounter m_counter;
    QStringList m_log; // every frame change, in order, and the state at each "?"
    std::function<void()> m_onChange;
};

QUINDLE_TEST_MAIN(TestAnimate)
#include "tst_Animate.moc"
