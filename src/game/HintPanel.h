// SPDX-License-Identifier: MIT
#pragma once
// What the coach puts on the screen: a box of a few lines beside the tray,
// and frames round the dice to hold or the cell to score. They float over
// the game's own pictures only while a hint is shown, and never take a
// click, so the game below plays exactly as without them.

#include <QLabel>
#include <QStringList>

// Looks like the note that previews a row's score, so the two kinds of
// advice read alike.
class THintPanel : public QLabel {
    Q_OBJECT
public:
    explicit THintPanel(QWidget *parent);

    QStringList lines() const { return m_lines; }
    // Sizes the box to the lines.
    void setLines(const QStringList &lines);

private:
    QStringList m_lines;
};

// A frame drawn over the edge of a rectangle; only the frame is painted,
// so what it surrounds stays in sight.
class THintMark : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 3;

    explicit THintMark(QWidget *parent);

    // Lays the frame over `area` of `target`, a widget inside the mark's
    // parent.
    void surround(const QWidget *target, const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};
