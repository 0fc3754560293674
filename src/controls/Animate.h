// SPDX-License-Identifier: MIT
#pragma once
#include <QBasicTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

// Shows one frame of a strip of equally wide frames and steps through them on
// a timer, forwards or backwards, once or in a loop.
class TAnimated : public QWidget {
    Q_OBJECT
public:
    explicit TAnimated(QWidget *parent = nullptr);

    int Interval() const { return m_interval; }
    void setInterval(int interval);
    // Counts below 1 are taken as 1, so that a frame number always exists.
    int FrameCount() const { return m_frameCount; }
    void setFrameCount(int count) { m_frameCount = count; }
    int Frame() const { return m_frame; }
    void setFrame(int frame);
    const QPixmap &BitMap() const { return m_strip; }
    // Copies the strip and takes its height (30 for an empty strip).
    void setBitMap(const QPixmap &strip);
    // Loads a strip without deriving any size; the caller sizes the control.
    void loadBitMap(const QPixmap &strip);
    bool Play() const { return m_play; }
    void setPlay(bool play);
    bool Reverse() const { return m_reverse; }
    void setReverse(bool reverse) { m_reverse = reverse; }
    bool Loop() const { return m_loop; }
    void setLoop(bool loop) { m_loop = loop; }
    quint32 TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(quint32 colour);

    // The step timer exists exactly while playing with a positive interval.
    bool hasStepTimer() const { return m_timer.isActive(); }
    // One tick of the step timer.
    void step();

signals:
    void changeFrame(TAnimated *sender);
    void mousePressed(TAnimated *sender, QMouseEvent *event);
    void mouseReleased(TAnimated *sender, QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int frames() const { return m_frameCount < 1 ? 1 : m_frameCount; }
    void endTest();

    int m_interval = 0;
    int m_frameCount = 1;
    int m_frame = 0;
    QPixmap m_strip;
    bool m_play = false;
    bool m_reverse = false;
    bool m_loop = true;
    quint32 m_transparentColor = 0xffffffffu;
    QBasicTimer m_timer;
};
