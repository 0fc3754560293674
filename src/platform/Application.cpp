// SPDX-License-Identifier: MIT
#include "platform/Application.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Resources.h"

#include <QFont>
#include <QFontDatabase>

QuindleApplication::QuindleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tolmar Quindle"));
    setApplicationDisplayName(QStringLiteral("Tolmar Quindle"));
    useBundledFont();
}

bool QuindleApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const QuindleError &error) {
        platform::showError(error.message());
    } catch (const std::exception &error) {
        platform::showError(QString::fromLocal8Bit(error.what()));
    }
    return true;
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
