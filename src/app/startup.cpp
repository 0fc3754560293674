// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "app/splash.h"
#include "game/main.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace startup {

namespace {
// Puts the arrow back and destroys the splash if it is still there; a splash
// that closed itself is already gone, or its deferred deletion is dropped.
struct SplashCleanup {
    bool hourglass = false;
    bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    ~SplashCleanup()
    {
        if (hourglass)
            QApplication::restoreOverrideCursor();
        delete w_splash.data();
        QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    }
};
} // namespace

void showSplash(int waitMs)
{
    SplashCleanup cleanup;
    // The splash closing itself is not the end of the program.
    QApplication::setQuitOnLastWindowClosed(false);
    w_splash = new Tw_splash;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cleanup.hourglass = true;
    w_splash->FormSplash();
    // An event loop that a timer ends: the emblem tumbles and the processor
    // stays free, where a loop polling the clock would keep a core busy.
    QEventLoop wait;
    QTimer::singleShot(waitMs, Qt::PreciseTimer, &wait, &QEventLoop::quit);
    wait.exec();
}

std::unique_ptr<Tw_Quindle_Main> createMainWindow()
{
    Tw_Quindle_Main::SetAboutBox([](QWidget *mainWindow) { Tw_splash::showAbout(mainWindow); });
    // The dice roll as the window is created; the splash's emblem has seeded
    // the generator from the clock by then.
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
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("startup: main window shown after %.3f s, processor time %.3f s, "
                    "resident memory %s\n",
                    secondsSinceProcessStart(), double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9,
                    residentMemory().constData());
        std::fflush(stdout);
        QApplication::quit();
    });
}
} // namespace

int run(int splashWaitMs)
{
    showSplash(splashWaitMs);
    std::unique_ptr<Tw_Quindle_Main> window = createMainWindow();
    checkColourDepth(window.get());
    window->show();
    if (qEnvironmentVariableIsSet("QUINDLE_STARTUP_REPORT"))
        reportStartupAndQuit();
    return QApplication::exec();
}

} // namespace startup
