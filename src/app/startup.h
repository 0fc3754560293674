// SPDX-License-Identifier: MIT
#pragma once
#include <memory>

class Tw_Quindle_Main;

namespace startup {
// A little over four seconds, as the program waits behind its splash.
constexpr int SplashWaitMs = 4001;
// The splash with its tune under the hourglass, a wait of `waitMs` that keeps
// the program responsive, then the arrow back and the splash gone for sure,
// whether it closed itself meanwhile or not, and also after a failure.
void showSplash(int waitMs = SplashWaitMs);
// Creates the main window and warns about a display of fewer than 16 bits
// per pixel; the window is not shown yet.
std::unique_ptr<Tw_Quindle_Main> createMainWindow();
void checkColourDepth(Tw_Quindle_Main *window);
// The whole start: splash, main window, colour check, message loop.
int run(int splashWaitMs = SplashWaitMs);
} // namespace startup
