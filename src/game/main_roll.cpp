// SPDX-License-Identifier: MIT
// The roll control: pressing shakes the cup, releasing rolls the free dice.
#include "game/main.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QAction>

void Tw_Quindle_Main::SetRollsLeft(int rolls)
{
    i_rolls->Tag = rolls < -1 ? -1 : rolls;
    static constexpr int Pictures[4] = {6, 1, 2, 3};
    if (i_rolls->Tag >= 0 && i_rolls->Tag <= 3)
        i_rolls->setPicture(QImage(res::bitmap(Pictures[i_rolls->Tag])));
}

void Tw_Quindle_Main::RollDice()
{
    for (int i = 1; i <= 5; ++i) {
        if (!Dice[i]->Selected())
            Dice[i]->Roll();
    }
}

bool Tw_Quindle_Main::PlaySound(int sound, bool loop)
{
    return platform::services().sound->play(sound, loop);
}

void Tw_Quindle_Main::StopSound()
{
    platform::services().sound->stop();
}

void Tw_Quindle_Main::a_rollMouseDown(QWidget *, QMouseEvent *)
{
    Undo1->setEnabled(false);
    if (RollsLeft() <= 0)
        return;
    if (!Dice[1]->isEnabled())
        SetDiceEnabled(true);
    if (SoundOn())
        PlaySound(2, true);
    if (AnimationOn()) {
        RollHeld = true;
        a_roll->setPlay(true);
    }
}

void Tw_Quindle_Main::a_rollMouseUp(QWidget *, QMouseEvent *)
{
    RollHeld = false;
    CanScore = true;
    SetRollsLeft(RollsLeft() - 1);
    if (RollsLeft() < 0)
        return;
    if (!AnimationOn()) {
        RollDice();
        if (SoundOn()) {
            StopSound();
            PlaySound(3, false);
        }
    } else if (!a_roll->Play()) {
        // Issue #3: pressed again while the cup was still tipping, the cup
        // ran out to its last frame with the button down, and no frame is
        // left to end this roll; it ends here, or the rattle would loop on.
        RollDice();
        playLanding();
    }
}

void Tw_Quindle_Main::playLanding()
{
    if (!SoundOn())
        return;
    StopSound();
    PlaySound(3, false);
    if (rules::isQuindle(diceValues()))
        PlaySound(5, false);
}

void Tw_Quindle_Main::a_rollChangeFrame(TAnimated *)
{
    // Once released, the rocking cup leaves through frame 2 straight to the
    // tipping frames 5..9.
    if (RollHeld || a_roll->Frame() != 2)
        AnimateStep();
    else
        a_roll->setFrame(5);

    if (a_roll->Frame() == 9 && !RollHeld)
        playLanding();
}

void Tw_Quindle_Main::AnimateStep()
{
    RollDice();
    switch (a_roll->Frame()) {
    case 0:
        if (a_roll->Reverse()) {
            a_roll->setReverse(false);
            a_roll->setFrame(3);
        }
        break;
    case 2:
    case 4:
        a_roll->setReverse(true);
        break;
    case 3:
        if (a_roll->Reverse()) {
            a_roll->setReverse(false);
            a_roll->setFrame(1);
        }
        break;
    default:
        break;
    }
}
