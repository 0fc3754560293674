// SPDX-License-Identifier: MIT
// The Help menu's rules for a new player.
#include "game/main.h"
#include "app/HowToPlay.h"

void Tw_Quindle_Main::HowToPlay1Click()
{
    THowToPlay::showFor(this);
}
