// SPDX-License-Identifier: MIT
#pragma once
// The How to Play window: the rules and controls for a new player, beside
// the game and never in its way; the game goes on while it is open.

#include <QDialog>

class QTextBrowser;

class THowToPlay : public QDialog {
    Q_OBJECT
public:
    explicit THowToPlay(QWidget *owner);

    // Shows the owner's window, brought to the front, making it first when
    // the owner has none open.
    static THowToPlay *showFor(QWidget *owner);

    QTextBrowser *text() const { return m_text; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QTextBrowser *m_text = nullptr;
};
