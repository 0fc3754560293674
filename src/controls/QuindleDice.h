// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

// One die of the tray: a value 1..6 (0 shows a blank face) and whether the
// player holds it. Any mouse press on an enabled die flips the hold.
class TQuindleDice : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 45;

    explicit TQuindleDice(QWidget *parent = nullptr);

    int Value() const { return m_value; }
    void setValue(int value);
    bool Selected() const { return m_selected; }
    void setSelected(bool selected);
    // A new value from the program-wide generator; does not look at the hold.
    void Roll();

    // The picture this die shows now.
    QImage face() const;

signals:
    // The face or the hold changed.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void flip();
    int m_value = 1;
    bool m_selected = false;
};
