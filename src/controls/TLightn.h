// SPDX-License-Identifier: MIT
#pragma once
// A solid three-dimensional lightning bolt, drawn with flat filled polygons
// into an off-screen picture, that can tumble on a threaded timer.

#include "controls/BoltGeometry.h"
#include "controls/ThdTimer.h"

#include <QImage>
#include <QWidget>

class TLightningBolt : public QWidget {
    Q_OBJECT
public:
    // Colours are 0x00BBGGRR: red in the low byte.
    static constexpr quint32 Yellow = 0x00FFFF;
    static constexpr quint32 Grey = 0x808080;
    static constexpr int StepInterval = 15; // ms between rotation steps

    explicit TLightningBolt(QWidget *parent = nullptr);
    ~TLightningBolt() override;

    bool Running() const { return m_timer != nullptr; }
    // Starts or stops the tumbling: creates or destroys the rotation timer.
    void setRunning(bool running);
    // Turning speeds in whole degrees per step about x, y and z.
    int Rotatex() const { return m_angles[0]; }
    void setRotatex(int degrees);
    int Rotatey() const { return m_angles[1]; }
    void setRotatey(int degrees);
    int Rotatez() const { return m_angles[2]; }
    void setRotatez(int degrees);
    bool Shading = false;
    bool Transparent = false;
    quint32 FrontFaceColor = Yellow;
    quint32 BackFaceColor = Yellow;
    quint32 Shade = Grey;
    quint32 BackGroundColor = 0;
    // Raised after every rotation step while running; the sender is the emblem.
    TNotifyEvent OnTimer;

    // The starting pose, scaled and projected, and drawn.
    void BuildModel();
    void ScaleAndProject();
    // Turns the figure by the speeds, draws it and raises OnTimer.
    void RotateStep(QObject *sender);
    int ShadeLevel() const { return bolt::shadeLevel(m_vertices, m_scale); }

    const bolt::Vertices &vertices() const { return m_vertices; }
    const bolt::Points &points() const { return m_points; }
    int scale() const { return m_scale; }
    QPoint centre() const { return m_centre; }
    const QImage &buffer() const { return m_buffer; }
    const QImage &backdrop() const { return m_background; }
    TThreadedTimer *timer() const { return m_timer; }

signals:
    void clicked(QWidget *sender);
    void doubleClicked(QWidget *sender);
    void mousePressed(QWidget *sender, QMouseEvent *event);
    void mouseMoved(QWidget *sender, QMouseEvent *event);
    void mouseReleased(QWidget *sender, QMouseEvent *event);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintMessage();
    void captureBackdrop();
    void paint();
    void drawBuffer();
    void watchWindowExposure();

    std::array<int, 3> m_angles{};
    bolt::Turn m_turn;
    bolt::Vertices m_vertices{};
    bolt::Points m_points{};
    QPoint m_centre;
    int m_scale = 0;
    QImage m_background;
    QImage m_buffer;
    TThreadedTimer *m_timer = nullptr;
    // Set by show, expose and resize: only these rebuild the model; the
    // repaints a rotation step asks for only copy the buffer.
    bool m_rebuild = true;
    bool m_painting = false;
    QObject *m_watchedWindow = nullptr;
};
