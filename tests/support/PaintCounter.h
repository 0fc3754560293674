// SPDX-License-Identifier: MIT
#pragma once
#include <QEvent>
#include <QObject>

// Counts the paint events a widget receives, once installed as its filter.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
