// SPDX-License-Identifier: MIT
#include "platform/Application.h"
#include "platform/Platform.h"
#include "platform/Resources.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>

QuindleApplication::QuindleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // No display name: the toolkit would append it to every window's title,
    // and the game's captions are whole as they are.
    setApplicationName(QStringLiteral("tolmar-quindle"));
    // Ties the windows to the installed menu entry and its icon.
    setDesktopFileName(QStringLiteral("tolmar-quindle"));
    setWindowIcon(applicationIcon());
    useBundledFont();
}

QIcon QuindleApplication::applicationIcon()
{
    QIcon icon;
    for (const int size : res::AppIconSizes)
        icon.addFile(res::appIcon(size), QSize(size, size));
    return icon;
}

void QuindleApplication::useBundledFont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFontDatabase::addApplicationFont(res::font(false));
    QFontDatabase::addApplicationFont(res::font(true));
    setFont(res::uiFont());
}
