// SPDX-License-Identifier: MIT
// Saved games and printing.
#include "game/main.h"

void Tw_Quindle_Main::SaveGame1Click()
{
}

void Tw_Quindle_Main::LoadGame1Click()
{
}

void Tw_Quindle_Main::PrintScorecard1Click()
{
}

void Tw_Quindle_Main::About1Click()
{
}
