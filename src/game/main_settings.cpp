// SPDX-License-Identifier: MIT
// The main window's settings: options and placement read as it is created,
// written as it closes, and each card's position written as the card goes.
#include "game/Settings.h"
#include "game/main.h"
#include "platform/Platform.h"
#include "scoring/card.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>

namespace {
const QString SoundsKey = QStringLiteral("Sounds");
const QString AnimationKey = QStringLiteral("Animation");
const QString LeftKey = QStringLiteral("Main Left");
const QString TopKey = QStringLiteral("Main Top");
const QString WidthKey = QStringLiteral("Main Width");
const QString HeightKey = QStringLiteral("Main Height");
} // namespace

void Tw_Quindle_Main::readSettings()
{
    m_soundsSetting = settings::readBoolean(SoundsKey, true);
    Sound1->setChecked(m_soundsSetting);
    Animation1->setChecked(settings::readBoolean(AnimationKey, true));

    const platform::Screen &screen = *platform::services().screen;
    // The default centres the window for its layout size, before the
    // stored size is applied.
    const QPoint centre = settings::centredOn(screen.primaryGeometry(), settings::LayoutSize);
    const int left = settings::readInteger(LeftKey, centre.x());
    const int top = settings::readInteger(TopKey, centre.y());
    const int width = settings::readInteger(WidthKey, settings::DefaultWidth);
    const int height = settings::readInteger(HeightKey, settings::DefaultHeight);
    resize(settings::fittedSize({width, height}, screen.geometries()));
    move(settings::reachablePosition({left, top}, size(), screen.geometries(),
                                     screen.primaryGeometry()));

    for (int card = 1; card <= 4; ++card) {
        m_cardLeft[card] = settings::readInteger(settings::cardKey(card, false),
                                               settings::defaultCardPlace(card));
        m_cardTop[card] = settings::readInteger(settings::cardKey(card, true),
                                              settings::defaultCardPlace(card));
    }
}

void Tw_Quindle_Main::FormClose()
{
    const bool sounds = Sound1->isEnabled() ? Sound1->isChecked() : m_soundsSetting;
    // A maximised window keeps the place it will have when restored; Left
    // and Top are the frame's, as move() takes them.
    const QRect normal = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry()
                                                                          : geometry();
    const QPoint frame = geometry().topLeft() - pos();
    // One replacement of the file for all six: each costs a sync to disk.
    const bool written = settings::write({{SoundsKey, sounds ? 1 : 0},
                                          {AnimationKey, Animation1->isChecked() ? 1 : 0},
                                          {LeftKey, normal.x() - frame.x()},
                                          {TopKey, normal.y() - frame.y()},
                                          {WidthKey, normal.width()},
                                          {HeightKey, normal.height()}});
    if (!written) {
        m_closeWriteFailed = true;
        reportUnwritableSettings();
    }
}

void Tw_Quindle_Main::closeEvent(QCloseEvent *event)
{
    // An open New Game dialog goes first: left open, it would keep the
    // program running behind a closed window.
    if (m_wizard)
        m_wizard->close();
    FormClose();
    // The window closes even when the settings could not be written: in a
    // folder that cannot be written the program could not be quit otherwise.
    QMainWindow::closeEvent(event);
}

void Tw_Quindle_Main::SaveCardPosition(int player)
{
    const Tw_Card *going = card(player);
    if (!going || m_closeWriteFailed)
        return;
    if (!settings::write({{settings::cardKey(player, false), going->x()},
                          {settings::cardKey(player, true), going->y()}}))
        reportUnwritableSettings();
}

void Tw_Quindle_Main::reportUnwritableSettings()
{
    platform::showError(QStringLiteral("Unable to write to %1")
                            .arg(QDir::toNativeSeparators(settings::filePath())));
}
