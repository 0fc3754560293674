// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "game/main.h"
#include "platform/Platform.h"
#include "platform/Random.h"

#include <QApplication>

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

int run()
{
    std::unique_ptr<Tw_Quindle_Main> window = createMainWindow();
    checkColourDepth(window.get());
    window->show();
    return QApplication::exec();
}

} // namespace startup
