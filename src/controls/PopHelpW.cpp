// SPDX-License-Identifier: MIT
#include "controls/PopHelpW.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

// Lines end in CR LF in the texts; Qt's layout breaks at the LF alone.
QString layoutText(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// One 8 x 8 tile of the shadow, most significant bit leftmost: a set bit lets
// the box colour through, a clear one the text colour.
constexpr quint8 ShadowRows[8] = {0xAA, 0x00, 0x55, 0x00, 0xAA, 0x00, 0x55, 0x00};

// ANDs the tile into `strip` of `image`, as a pattern brush combined with the
// screen beneath: where the tile is clear the text colour (black) wins, so the
// strip is a dark checker through which a quarter of what lay there shows.
void darken(QImage &image, QRect strip, QRgb set, QRgb clear)
{
    strip &= image.rect();
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = strip.left(); x <= strip.right(); ++x) {
            const bool bit = (ShadowRows[y & 7] >> (7 - (x & 7))) & 1;
            line[x] &= (bit ? set : clear) | 0xff000000u;
        }
    }
}

} // namespace

namespace pophelp {

QColor colour(quint32 bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QSize measureText(const QFont &font, const QString &text, int wrapWidth)
{
    const int width = wrapWidth > 0 ? wrapWidth - 1 : 0;
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 0), TextFlags, layoutText(text))
        .size();
}

QRect placeWindow(QSize size, QPoint pointer, QSize screen)
{
    int left = pointer.x() - size.width() / 2;
    if (left < 0)
        left = 0;
    if (left + size.width() > screen.width())
        left = screen.width() - size.width();
    int top = pointer.y();
    if (top < 0)
        top = 0;
    if (top + size.height() > screen.height())
        top = screen.height() - size.height();
    return QRect(QPoint(left, top), size);
}

} // namespace pophelp

THelpWindow::THelpWindow()
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Every pixel comes from FormPaint, the corners beside the shadow
    // included, so nothing may be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    FormCreate();
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &THelpWindow::focusMoved);
}

void THelpWindow::FormCreate()
{
    PopupOpen = true;
    BoxColour = 0xE8FFFF;
}

void THelpWindow::FormShow(QWidget *backdrop)
{
    PlaceWindow();
    // Taken before the window shows, or it would only see itself.
    m_beneath = grabBeneath(backdrop);
    show();
}

void THelpWindow::PlaceWindow()
{
    const QSize text = pophelp::measureText(font(), HelpText, WrapWidth);
    setGeometry(pophelp::placeWindow(text + QSize(pophelp::Chrome, pophelp::Chrome),
                                     QPoint(PointerX, PointerY),
                                     platform::services().screen->size()));
}

QImage THelpWindow::grabBeneath(QWidget *backdrop) const
{
    const QRect area = geometry();
    // The screen shows whatever lies there, other programs' windows included.
    // Wayland clients cannot read it, and the offscreen platform knows no
    // stacking order; there the backdrop stands in.
    const QString platform = QGuiApplication::platformName();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && !platform.startsWith(QLatin1String("wayland"))
        && platform != QLatin1String("offscreen")) {
        const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (shot.size() == area.size())
            return shot.toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(backdrop ? backdrop->palette().color(QPalette::Window) : QColor(Qt::gray));
    if (backdrop) {
        QPainter painter(&image);
        painter.drawPixmap(backdrop->mapToGlobal(QPoint(0, 0)) - area.topLeft(), backdrop->grab());
    }
    return image;
}

QImage THelpWindow::FormPaint() const
{
    using namespace pophelp;
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.drawImage(0, 0, m_beneath);
    const QRect box(0, 0, width() - ShadowDepth, height() - ShadowDepth);
    painter.fillRect(box, Qt::black);
    painter.fillRect(box.adjusted(1, 1, -1, -1), colour(BoxColour));
    painter.setFont(font());
    painter.setPen(TextColour);
    // The text ends 2 pixels inside the box, as it was measured.
    painter.drawText(QRect(TextInset, TextInset, width() - Chrome, height() - Chrome), TextFlags,
                     layoutText(HelpText));
    painter.end();
    const QRgb set = colour(BoxColour).rgb();
    const QRgb clear = TextColour.rgb();
    darken(image, QRect(ShadowDepth, height() - ShadowDepth, width(), ShadowDepth), set, clear);
    darken(image, QRect(width() - ShadowDepth, ShadowDepth, ShadowDepth, height()), set, clear);
    return image;
}

void THelpWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, FormPaint());
}

void THelpWindow::keyPressEvent(QKeyEvent *)
{
    FormKeyDown();
}

void THelpWindow::mouseReleaseEvent(QMouseEvent *)
{
    FormMouseUp();
}

void THelpWindow::hideEvent(QHideEvent *)
{
    FormHide();
}

bool THelpWindow::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::ApplicationStateChange
        && static_cast<QApplicationStateChangeEvent *>(event)->applicationState()
               != Qt::ApplicationActive)
        FormDeactivate();
    return false;
}

void THelpWindow::focusMoved(QWindow *window)
{
    // The popup taking the focus itself is no reason to go.
    if (window && window != windowHandle())
        FormDeactivate();
}

void THelpWindow::FormKeyDown() { dismiss(); }
void THelpWindow::FormMouseUp() { dismiss(); }
void THelpWindow::FormDeactivate() { dismiss(); }
void THelpWindow::FormHide() { dismiss(); }

void THelpWindow::dismiss()
{
    if (!PopupOpen)
        return;
    PopupOpen = false;
    emit dismissed();
}
