// SPDX-License-Identifier: MIT
#pragma once
// The borderless window that shows one help text just below the pointer, on
// a framed box with a checkered drop shadow over whatever lay beneath it.
// Any key, any button release, or another window becoming active dismisses
// it; the owner then destroys it.

#include <QColor>
#include <QImage>
#include <QWidget>

class QWindow;

namespace pophelp {

// Pixels the box adds to its text: 3 of frame and margin before the text,
// 2 after it and 8 of shadow.
constexpr int Chrome = 13;
constexpr int ShadowDepth = 8;
constexpr int TextInset = 3;

// A colour held as 0x00BBGGRR, red in the low byte.
QColor colour(quint32 bgr);
// The extent of `text` laid out as the popup draws it: broken between words
// to fit wrapWidth - 1 pixels (at 0 or less every word starts a line), tabs
// expanded, as wide as its widest line; a word too wide widens it.
QSize measureText(const QFont &font, const QString &text, int wrapWidth);
// The popup of `size` for a click at `pointer`: centred on its x, the top at
// its y, pulled back onto a screen of `screen`. A popup larger than the
// screen keeps its right and bottom edges on it.
QRect placeWindow(QSize size, QPoint pointer, QSize screen);

} // namespace pophelp

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    THelpWindow();

    QString HelpText;
    int PointerX = 0;
    int PointerY = 0;
    int WrapWidth = 0;
    quint32 BoxColour = 0;
    bool PopupOpen = false;
    QColor TextColour = Qt::black;

    // Places the window, takes what lies beneath it and shows it. Where the
    // screen cannot be read, `backdrop` as this program draws it stands in.
    void FormShow(QWidget *backdrop);
    void PlaceWindow();
    // The whole popup as painted: box, text and shadow over what lay beneath.
    QImage FormPaint() const;
    const QImage &beneath() const { return m_beneath; }

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormKeyDown();
    void FormMouseUp();
    void FormDeactivate();
    void FormHide();
    void dismiss();
    void focusMoved(QWindow *window);
    QImage grabBeneath(QWidget *backdrop) const;

    QImage m_beneath;
};
