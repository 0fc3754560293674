// SPDX-License-Identifier: MIT
#pragma once
// Work that may take seconds while the player plays.

namespace platform {

// Gives the calling thread, and the threads it starts from now on, a lower
// priority than the game's own, so that the cup, the sounds and the window
// stay smooth on a machine with few cores. Does nothing where the system
// will not.
void yieldToTheGame();

} // namespace platform
