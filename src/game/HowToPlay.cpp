// SPDX-License-Identifier: MIT
#include "game/HowToPlay.h"
#include "game/HowToPlayText.h"
#include "platform/FixedColours.h"
#include "platform/Platform.h"
#include "platform/Resources.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QColor Green(0, 128, 0);
}

THowToPlay::THowToPlay(QWidget *owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)
{
    setObjectName(QStringLiteral("w_How_To_Play"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("How to Play Tolmar Quindle"));
    setFont(res::uiFont());
    // The game's green around a white page with black text, on any desktop.
    platform::fixColours(this, Green);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("HowToPlayText"));
    platform::fixColours(m_text, Qt::white);
    m_text->setOpenLinks(false);
    m_text->document()->setDocumentMargin(10);
    m_text->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 17px; color: #006000; } h2 { font-size: 13px; color: #006000; }"
        "th { background-color: #c0c0c0; }"));
    for (const auto &[name, picture] : howto::pictures())
        m_text->document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    m_text->setHtml(howto::page());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(480, 540);
}

THowToPlay *THowToPlay::showFor(QWidget *owner)
{
    auto *window = owner->findChild<THowToPlay *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new THowToPlay(owner);
        const std::optional<QPoint> place = placeBeside(
            owner->frameGeometry(), window->frameGeometry().size(),
            platform::services().screen->geometries());
        if (place)
            window->move(*place);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

std::optional<QPoint> THowToPlay::placeBeside(const QRect &owner, const QSize &size,
                                              const QList<QRect> &screens)
{
    constexpr int Gap = 8;
    for (const QRect &screen : screens) {
        if (!screen.contains(owner.center()))
            continue;
        const int top = qBound(screen.top(), owner.top(), screen.bottom() + 1 - size.height());
        if (owner.right() + Gap + size.width() <= screen.right())
            return QPoint(owner.right() + 1 + Gap, top);
        if (owner.left() - Gap - size.width() >= screen.left())
            return QPoint(owner.left() - Gap - size.width(), top);
    }
    return std::nullopt;
}

void THowToPlay::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // A window of its own: when the owner is disabled behind the New Game
    // wizard the rules stay readable, as the wizard itself does.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setEnabled(true);
}
