// SPDX-License-Identifier: MIT
#pragma once
// The How to Play window: the rules and controls for a new player, beside
// the game and never in its way; the game goes on while it is open.

#include <QDialog>
#include <QList>
#include <QRect>
#include <optional>

class QTextBrowser;

class THowToPlay : public QDialog {
    Q_OBJECT
public:
    explicit THowToPlay(QWidget *owner);

    // Shows the owner's window, brought to the front, making it first when
    // the owner has none open.
    static THowToPlay *showFor(QWidget *owner);

    QTextBrowser *text() const { return m_text; }

    // Where a window of `size` goes beside `owner` (frames included) so that
    // it hides none of the game: right of it, else left of it, on the
    // screen that holds the owner's centre. Nothing when neither side has
    // room.
    static std::optional<QPoint> placeBeside(const QRect &owner, const QSize &size,
                                             const QList<QRect> &screens);

protected:
    void changeEvent(QEvent *event) override;

private:
    QTextBrowser *m_text = nullptr;
};
