// SPDX-License-Identifier: MIT
// The Help menu's rules for a new player.
#include "game/main.h"
#include "game/HowToPlay.h"

void Tw_Quindle_Main::HowToPlay1Click()
{
    THowToPlay::showFor(this);
}
