// SPDX-License-Identifier: MIT
// Help for a player: the rules, and the coach.
#include "game/main.h"
#include "game/CoachHint.h"
#include "game/HowToPlay.h"

void Tw_Quindle_Main::HowToPlay1Click()
{
    THowToPlay::showFor(this);
}

void Tw_Quindle_Main::Hint1Click()
{
    m_coach->show();
}
