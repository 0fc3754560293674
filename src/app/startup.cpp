// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "game/main.h"
#include "platform/Platform.h"
#include "platform/Random.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace startup {

std::unique_ptr<Tw_Quindle_Main> createMainWindow()
{
    // The dice roll as the window is created, so the generator is seeded
    // first and every run rolls differently.
    rng::randomize();
    return std::make_unique<Tw_Quindle_Main>();
}

void checkColourDepth(Tw_Quindle_Main *window)
{
    if (platform::services().screen->colorDepth(window) < 16)
        platform::announce(window, QStringLiteral("Tolmar Quindle runs best in 16 bit color or higher"));
}

namespace {
// Seconds since the process started, from the kernel's own record.
double secondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double started = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9 - started;
}

QByteArray residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified();
    }
    return "?";
}

// For the benchmark: report once the window is up, then quit.
void reportStartupAndQuit()
{
    QTimer::singleShot(0, [] {
        std::printf("startup: main window shown after %.3f s, resident memory %s\n",
                    secondsSinceProcessStart(), residentMemory().constData());
        std::fflush(stdout);
        QApplication::quit();
    });
}
} // namespace

int run()
{
    std::unique_ptr<Tw_Quindle_Main> window = createMainWindow();
    checkColourDepth(window.get());
    window->show();
    if (qEnvironmentVariableIsSet("QUINDLE_STARTUP_REPORT"))
        reportStartupAndQuit();
    return QApplication::exec();
}

} // namespace startup
