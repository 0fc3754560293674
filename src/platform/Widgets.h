// SPDX-License-Identifier: MIT
#pragma once
// The few plain controls the layouts are made of: a picture and a framed
// rectangle, each with a Tag and press and release signals, and the bevels
// that edge the dialogs.

#include "platform/Drawing.h"

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// Whether a release ends a click: the left button let go over the widget that
// was pressed, as the controls' OnClick counts one.
namespace platform {
inline bool endsClick(const QWidget &widget, const QMouseEvent &event)
{
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}
} // namespace platform

class TImage : public QWidget, public Drawable {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);
    // A picture control named `name` at `topLeft`, sized to the picture.
    static TImage *create(QWidget *parent, const char *name, const QString &path,
                          QPoint topLeft);
    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // The same picture drawn larger, used where a device has the pixels
    // for it (a printer); none by default.
    void setLargePicture(const QString &path) { m_largePath = path; }
    void draw(QPainter &painter) const override;
    int Tag = 0;

signals:
    void mousePressed(QWidget *sender, QMouseEvent *event);
    void mouseReleased(QWidget *sender, QMouseEvent *event);
    void clicked(QWidget *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QString m_largePath;
};

class TShape : public QWidget, public Drawable {
    Q_OBJECT
public:
    explicit TShape(QWidget *parent = nullptr);
    void setPen(const QColor &colour, int width);
    void setBrush(const QColor &colour); // an invalid colour leaves it hollow
    void draw(QPainter &painter) const override;
    int Tag = 0;

signals:
    void mousePressed(QWidget *sender, QMouseEvent *event);
    void mouseReleased(QWidget *sender, QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_pen = Qt::black;
    int m_penWidth = 1;
    QColor m_brush;
};

// The two edge colours of a raised or lowered surface, fixed whatever the
// desktop's colours: highlight above and left of a raised edge, shadow below
// and right, and the other way round for a lowered one.
enum class BevelStyle { Lowered, Raised };

// A separator line along the top of its rectangle, two pixels thick.
class TBevel : public QWidget {
    Q_OBJECT
public:
    TBevel(QWidget *parent, BevelStyle style);
    int Tag = 0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BevelStyle m_style;
};

// A filled panel framed by an outer and an inner one-pixel bevel.
class TPanel : public QWidget {
    Q_OBJECT
public:
    TPanel(QWidget *parent, BevelStyle outer, BevelStyle inner, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BevelStyle m_outer;
    BevelStyle m_inner;
    QColor m_colour;
};
