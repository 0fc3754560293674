// SPDX-License-Identifier: MIT
#pragma once
// The one place that maps the program's resource numbers and names to the
// paths of the compiled-in resources.

#include <QFont>
#include <QString>

namespace res {

QString bitmap(int id);                 // rolls pictures 1..6, die faces 1001..1012
QString bitmap(const QString &name);    // named pictures such as "1CHECK"
QString sound(int id);                  // wave sounds 1..6
QString cursor(int id);                 // cursor pictures 1 (pencil), 2 (closed hand)
QString icon(int id);                   // player icons 1..4
QString help(int id);                   // popup help texts
QString howToPlay();                    // the rules for a new player, as HTML
QString font(bool bold);
// The program's own icon, in the sizes the desktop's icon themes use.
inline constexpr int AppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QString appIcon(int size);

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
QString checkMarks(int count);          // "1CHECK".."3CHECK"
QString decoration(int n);              // "DECO1".."DECO5", the wizard's die faces

} // namespace res
