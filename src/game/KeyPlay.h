// SPDX-License-Identifier: MIT
#pragma once
// Playing from the keyboard: Space is the cup, 1 to 5 the dice, the arrows
// and Enter a focus frame on the card of the player at turn; and the score
// preview, shown while the mouse rests on a row or the frame is on it.
// Keys are caught before the window's widgets see them, so that the client
// area does not also scroll on an arrow.

#include <QObject>
#include <QPointer>
#include <QTimer>

class QHelpEvent;
class QKeyEvent;
class QWidget;
class TCardLine;
class TPreviewTip;
class Tw_Card;
class Tw_Quindle_Main;

class TKeyPlay : public QObject {
    Q_OBJECT
public:
    explicit TKeyPlay(Tw_Quindle_Main *main);

    TPreviewTip *tip() const { return m_tip; }
    // How long a Space release waits for a repeated press, in milliseconds.
    static constexpr int DefaultReleaseDelay = 25;
    void setReleaseDelay(int ms);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addRollItem();
    void setToolTips();
    // A widget of our window, while nothing else holds the keyboard.
    bool isOurs(QObject *watched) const;
    bool keyPress(QWidget *target, const QKeyEvent &event);
    bool keyRelease(const QKeyEvent &event);
    bool repeats(const QKeyEvent &event) const;
    void releaseSpace();
    void cardKey(Tw_Card *card, int key);
    void scoreAtFrame(Tw_Card *card);
    void showPreview(Tw_Card *card, const TCardLine *row, int column);
    void hover(TCardLine *row, const QHelpEvent &event);
    void hidePointers();
    // The card a widget belongs to, if any.
    static Tw_Card *cardOf(const QWidget *widget);

    Tw_Quindle_Main *m_main;
    TPreviewTip *m_tip;
    // Space went down on our window, and the cup took that press.
    bool m_spaceDown = false;
    QTimer m_spaceUp;
    struct {
        int key = 0;
        quint64 time = 0;
    } m_lastRelease;
    // The row the mouse rests on while its preview shows.
    QPointer<TCardLine> m_hovered;
};
