// SPDX-License-Identifier: MIT
#include "controls/PopHelp.h"
#include "controls/PopHelpW.h"
#include "platform/Errors.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QWhatsThis>
#include <algorithm>
#include <memory>

namespace {

// Labels, pictures, shapes and bevels have no window of their own: a click
// finds them even when disabled, and they keep their help context in a Tag
// (a member of the pictures and shapes, a dynamic property of the others).
bool isWindowless(const QWidget *control)
{
    if (qobject_cast<const QLabel *>(control) || qobject_cast<const TImage *>(control)
        || qobject_cast<const TShape *>(control))
        return true;
    const auto *frame = qobject_cast<const QFrame *>(control);
    return frame && frame->metaObject() == &QFrame::staticMetaObject
           && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

int helpContextOf(const QWidget *control)
{
    if (!isWindowless(control))
        return control->property("HelpContext").toInt();
    if (const auto *image = qobject_cast<const TImage *>(control))
        return image->Tag;
    if (const auto *shape = qobject_cast<const TShape *>(control))
        return shape->Tag;
    return control->property("Tag").toInt();
}

// The innermost enabled, visible window under `pos` (in `parent`'s
// coordinates); a disabled one lets the click fall through to what lies
// beneath it. On return `pos` is in the found window's coordinates.
QWidget *windowAt(QWidget *parent, QPoint &pos)
{
    const QObjectList &children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget *child = qobject_cast<QWidget *>(*it);
        if (!child || child->isWindow() || isWindowless(child) || !child->isVisible()
            || !child->isEnabled() || !child->geometry().contains(pos))
            continue;
        pos -= child->pos();
        return windowAt(child, pos);
    }
    return parent;
}

// The control a help-mode click at `pos` of `form` asks about: the window
// there, or the visible windowless control on it at that point.
QWidget *controlAt(QWidget *form, QPoint pos)
{
    QWidget *window = windowAt(form, pos);
    const QObjectList &children = window->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget *child = qobject_cast<QWidget *>(*it);
        if (child && isWindowless(child) && child->isVisible() && child->geometry().contains(pos))
            return child;
    }
    return window;
}

bool isMouseButtonEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
           || type == QEvent::MouseButtonDblClick;
}

bool belongsTo(QObject *object, const QWidget *form)
{
    return form && object->isWidgetType() && static_cast<QWidget *>(object)->window() == form;
}

// The program carries no message table, so every lookup finds nothing.
QString messageText(int, int)
{
    return QString();
}

} // namespace

namespace pophelp {

QString dropFinalCrLf(const QString &text)
{
    return text.endsWith(QLatin1String("\r\n")) ? text.chopped(2) : text;
}

std::optional<HelpText> parseResource(const QByteArray &data)
{
    const qsizetype end = data.indexOf('\0');
    const QByteArray ansi = end < 0 ? data : data.left(end);
    if (ansi.isEmpty())
        return std::nullopt;
    const QString all = QString::fromLatin1(ansi);
    const QString digits = all.left(4);
    const bool decimal = digits.size() == 4
                         && std::all_of(digits.begin(), digits.end(), [](QChar c) {
                                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                            });
    if (!decimal)
        throw QuindleError(QStringLiteral("'%1' is not a valid integer value").arg(digits));
    return HelpText{digits.toInt(), dropFinalCrLf(all.mid(4, 65535))};
}

} // namespace pophelp

TPopupHelp::TPopupHelp(QWidget *owner)
    : QObject(owner), m_owner(owner)
{
    qApp->installEventFilter(this);
}

TPopupHelp::~TPopupHelp()
{
    EndHelpMode();
}

void TPopupHelp::StartHelpMode()
{
    QWidget *form = QApplication::activeWindow();
    if (m_helpMode || m_popupOpen || !form)
        return;
    m_helpMode = true;
    m_leftDown = false;
    m_helpForm = form;
    // Every click, wherever it falls, comes to the form and not to the
    // control under the pointer.
    form->grabMouse();
    QApplication::setOverrideCursor(QCursor(Qt::WhatsThisCursor));
}

void TPopupHelp::EndHelpMode()
{
    if (!m_helpMode)
        return;
    m_helpMode = false;
    if (m_helpForm && QWidget::mouseGrabber() == m_helpForm)
        m_helpForm->releaseMouse();
    m_helpForm = nullptr;
    QApplication::restoreOverrideCursor();
}

bool TPopupHelp::HelpKeyDown(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        EndHelpMode();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

void TPopupHelp::HelpClick(QPoint globalPos)
{
    if (!m_helpForm)
        return;
    QWidget *control = controlAt(m_helpForm, m_helpForm->mapFromGlobal(globalPos));
    const int context = helpContextOf(control);
    if (context == 0)
        return;
    m_control = control;
    m_pointer = globalPos;
    m_context = context;
    EndHelpMode();
    // The popup waits in a loop of its own. Run from under the release that
    // the window system is still delivering to the dialog, that loop could see
    // the dialog closed and destroyed beneath the delivery; one turn of the
    // event loop later nothing of the dialog is on the stack.
    // A text that cannot be read is reported from there, in the error box.
    QMetaObject::invokeMethod(
        this, [this] { platform::runHandler([this] { ShowHelp(); }); }, Qt::QueuedConnection);
}

std::optional<pophelp::HelpText> TPopupHelp::chooseText() const
{
    using pophelp::dropFinalCrLf;
    if (!Lines.isEmpty())
        return pophelp::HelpText{MaxWidth,
                                 dropFinalCrLf(Lines.join(QLatin1String("\r\n")) + "\r\n")};
    if (m_context >= 40000 && Messages)
        return pophelp::HelpText{MaxWidth, dropFinalCrLf(messageText(m_context, Language))};
    return pophelp::parseResource(helpResource(m_context & 0xffff));
}

QByteArray TPopupHelp::helpResource(int id) const
{
    QFile file(res::help(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TPopupHelp::ShowHelp()
{
    // Owned here, not by the dialog: it must go even when the dialog is
    // destroyed while the popup is up, or when the text cannot be read.
    auto window = std::make_unique<THelpWindow>();
    window->setFont(Font);
    window->TextColour = FontColour;
    window->BoxColour = WindowColour;
    const std::optional<pophelp::HelpText> chosen = chooseText();
    if (!chosen || chosen->text.isEmpty())
        return;
    window->HelpText = chosen->text;
    window->WrapWidth = chosen->wrapWidth;
    window->PointerX = m_pointer.x();
    window->PointerY = m_pointer.y();
    window->FormShow(m_control ? m_control->window() : nullptr);

    QPointer<TPopupHelp> self(this);
    m_popupOpen = true;
    QEventLoop loop;
    connect(window.get(), &THelpWindow::dismissed, &loop, &QEventLoop::quit);
    emit popupShown(window.get());
    if (window->PopupOpen)
        loop.exec();
    if (self)
        m_popupOpen = false;
}

bool TPopupHelp::eventFilter(QObject *watched, QEvent *event)
{
    return m_helpMode ? helpModeEvent(watched, event) : watchRequest(watched, event);
}

bool TPopupHelp::watchRequest(QObject *watched, QEvent *event)
{
    QWidget *form = m_owner ? m_owner->window() : nullptr;
    if (!form)
        return false;
    // The caption's help button asks the application for Qt's own What's This
    // mode, which would take the same click; this dialog's help mode replaces it.
    if (event->type() == QEvent::EnterWhatsThisMode && QApplication::activeWindow() == form) {
        StartHelpMode();
        if (QWhatsThis::inWhatsThisMode())
            QWhatsThis::leaveWhatsThisMode();
        return true;
    }
    if (event->type() == QEvent::KeyPress && belongsTo(watched, form)
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::WhatsThis)) {
        StartHelpMode();
        return true;
    }
    return false;
}

bool TPopupHelp::helpModeEvent(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationStateChange
        && static_cast<QApplicationStateChangeEvent *>(event)->applicationState()
               != Qt::ApplicationActive) {
        EndHelpMode();
        return false;
    }
    if (type == QEvent::Hide && watched == m_helpForm) {
        EndHelpMode();
        return false;
    }
    if (type == QEvent::KeyPress && belongsTo(watched, m_helpForm))
        return HelpKeyDown(static_cast<QKeyEvent *>(event));
    if (isMouseButtonEvent(type) && watched->isWidgetType())
        return helpModeMouse(static_cast<QMouseEvent *>(event));
    return false;
}

bool TPopupHelp::helpModeMouse(QMouseEvent *event)
{
    // Every button event is the form's now; only a left click whose release
    // falls inside it asks for help.
    event->accept();
    if (event->button() != Qt::LeftButton)
        return true;
    if (event->type() != QEvent::MouseButtonRelease) {
        m_leftDown = true;
        return true;
    }
    const QPoint global = event->globalPosition().toPoint();
    if (m_leftDown && m_helpForm && m_helpForm->rect().contains(m_helpForm->mapFromGlobal(global)))
        HelpClick(global);
    m_leftDown = false;
    return true;
}
