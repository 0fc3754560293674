// SPDX-License-Identifier: MIT
#pragma once
#include <memory>

class Tw_Quindle_Main;

namespace startup {
// Creates the main window, seeds the dice and warns about a display of fewer
// than 16 bits per pixel; the window is not shown yet.
std::unique_ptr<Tw_Quindle_Main> createMainWindow();
void checkColourDepth(Tw_Quindle_Main *window);
// The whole start: main window, colour check, message loop.
int run();
} // namespace startup
