// SPDX-License-Identifier: MIT
#include "platform/Resources.h"

namespace res {

QString bitmap(int id) { return QStringLiteral(":/bitmaps/%1.png").arg(id); }
QString bitmap(const QString &name) { return QStringLiteral(":/bitmaps/%1.png").arg(name); }
QString largeBitmap(const QString &name)
{
    return QStringLiteral(":/bitmaps/large/%1.png").arg(name);
}
QString sound(int id) { return QStringLiteral(":/sounds/%1.wav").arg(id); }
QString cursor(int id) { return QStringLiteral(":/cursors/%1.png").arg(id); }
QString icon(int id) { return QStringLiteral(":/icons/%1.png").arg(id); }
QString help(int id) { return QStringLiteral(":/help/%1.txt").arg(id); }
QString howToPlay() { return QStringLiteral(":/help/howtoplay.html"); }
QString appIcon(int size) { return QStringLiteral(":/appicon/%1.png").arg(size); }

QString font(bool bold)
{
    return bold ? QStringLiteral(":/fonts/LiberationSans-Bold.ttf")
                : QStringLiteral(":/fonts/LiberationSans-Regular.ttf");
}

QFont uiFont(bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

QString checkMarks(int count) { return QStringLiteral("%1CHECK").arg(count); }
QString decoration(int n) { return QStringLiteral("DECO%1").arg(n); }

} // namespace res
