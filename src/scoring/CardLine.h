// SPDX-License-Identifier: MIT
#pragma once
#include "platform/Drawing.h"

#include <QWidget>

// One row of a scorecard: three 30-pixel columns (Single, Double, Triple),
// each holding a short text, and the column of the last mouse press.
class TCardLine : public QWidget, public Drawable {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 92;
    static constexpr int DefaultHeight = 17;

    explicit TCardLine(QWidget *parent = nullptr);

    QString Col1() const { return m_cols[0]; }
    QString Col2() const { return m_cols[1]; }
    QString Col3() const { return m_cols[2]; }
    void setCol1(const QString &text) { setCol(1, text); }
    void setCol2(const QString &text) { setCol(2, text); }
    void setCol3(const QString &text) { setCol(3, text); }
    QString col(int column) const { return m_cols[column - 1]; }
    // Keeps the first MaxLength characters and repaints at once.
    void setCol(int column, const QString &text);

    int TopLine() const { return m_topLine; }
    void setTopLine(int width);
    int ClickColumn() const { return m_clickColumn; }
    static int columnAt(int x);

    // Scoring rows keep three characters, which saved games rely on; total
    // rows keep four so that a Triple grand total of 1000 or more shows
    // whole, and the winner is read from the whole number.
    int MaxLength = 3;
    int Tag = 0;

    // The row as it paints itself: draw() on an off-screen picture.
    QImage picture() const;
    void draw(QPainter &painter) const override;

signals:
    void clicked(TCardLine *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Draws what stands in the columns over the background and grid.
    virtual void drawContents(QPainter &painter) const;
    void drawGrid(QPainter &painter) const;

private:
    QString m_cols[3];
    int m_topLine = 0;
    int m_clickColumn = 0;
};

// The Quindle bonus row: its number shows as one to three check marks.
class TCardCheckLine : public TCardLine {
    Q_OBJECT
public:
    using TCardLine::TCardLine;

protected:
    void drawContents(QPainter &painter) const override;
};
