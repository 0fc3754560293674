// SPDX-License-Identifier: MIT
#pragma once
// The one place that maps the program's resource numbers and names to the
// paths of the compiled-in resources.

#include <QFont>
#include <QImage>
#include <QString>

namespace res {

QString bitmap(int id);                 // rolls pictures 1..6, die faces 1001..1012
QString bitmap(const QString &name);    // named pictures such as "1CHECK"
// The printing variant of a named card picture (the title, heading, labels
// and check marks): the same drawing with LargeScale pixels to each of ours.
QString largeBitmap(const QString &name);
constexpr int LargeScale = 4;
QString sound(int id);                  // wave sounds 1..6
QString cursor(int id);                 // cursor pictures 1 (pencil), 2 (closed hand)
QString icon(int id);                   // player icons 1..4
QString help(int id);                   // popup help texts
QString howToPlay();                    // the rules for a new player, as HTML
QString font(bool bold);
// The program's own icon, in the sizes the desktop's icon themes use.
inline constexpr int AppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QString appIcon(int size);

// The picture at one of the paths above, decoded on its first use and kept
// for the rest of the run, so that controls repainting at every roll do not
// unpack a compressed file each time. It comes in the format a painter
// copies fastest: 32-bit RGB, or premultiplied ARGB when it has an alpha
// channel. A missing picture is a null image. User-interface thread only.
QImage picture(const QString &path);

// The font the layouts draw their texts in: 11 pixels high.
QFont uiFont(bool bold = false);

// Names of the pictures that carry no number; res::bitmap(name) is the path.
inline const QString CardTitle = QStringLiteral("CARDTITLE");
inline const QString CardHeading = QStringLiteral("CARDHEADING");
inline const QString CardUpper = QStringLiteral("CARDUPPER");
inline const QString CardLower = QStringLiteral("CARDLOWER");
inline const QString WizardTitle = QStringLiteral("WIZTITLE");
inline const QString WizardModem = QStringLiteral("WIZMODEM");
inline const QString WizardCable = QStringLiteral("WIZCABLE");
inline const QString WizardMonitor = QStringLiteral("WIZMONITOR");
inline const QString SplashTitle = QStringLiteral("SPLASHTITLE"); // 300 x 200, emblem room at the upper right
QString checkMarks(int count);          // "1CHECK".."3CHECK"
QString decoration(int n);              // "DECO1".."DECO5", the wizard's die faces

} // namespace res
