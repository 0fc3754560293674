// SPDX-License-Identifier: MIT
// The roll control: pressing shakes the cup, releasing rolls the free dice.
#include "game/main.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QAction>

void Tw_Quindle_Main::SetRollsLeft(int rolls)
{
    m_rollsLeft = rolls < -1 ? -1 : rolls;
    showRollsLeft();
}

void Tw_Quindle_Main::showRollsLeft()
{
    // No roll left (-1) keeps whatever picture is shown.
    static constexpr int Pictures[4] = {6, 1, 2, 3};
    if (m_rollsLeft >= 0 && m_rollsLeft <= 3)
        i_rolls->setPicture(res::picture(res::bitmap(Pictures[m_rollsLeft])));
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
    pressRoll();
}

void Tw_Quindle_Main::a_rollMouseUp(QWidget *, QMouseEvent *)
{
    releaseRoll();
}

void Tw_Quindle_Main::pressRoll()
{
    m_rollPressed = true;
    Undo1->setEnabled(false);
    if (RollsLeft() <= 0)
        return;
    if (!Dice[1]->isEnabled())
        SetDiceEnabled(true);
    if (SoundOn())
        PlaySound(2, true);
    if (AnimationOn()) {
        m_rollHeld = true;
        a_roll->setPlay(true);
    }
}

void Tw_Quindle_Main::releaseRoll()
{
    m_rollPressed = false;
    m_rollHeld = false;
    m_canScore = true;
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
        // Pressed again while the cup was still tipping, the cup ran out to
        // its last frame with the button down, and no frame is left to end
        // this roll; it ends here, or the rattle would loop on.
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
    if (m_rollHeld || a_roll->Frame() != 2)
        AnimateStep();
    else
        a_roll->setFrame(5);

    if (a_roll->Frame() == 9 && !m_rollHeld)
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

bool Tw_Quindle_Main::event(QEvent *event)
{
    // A dialog or another window that takes the mouse while the cup is held
    // also takes its release; the roll lands here instead, or the cup would
    // rock and rattle until the next click.
    const bool holdLost = event->type() == QEvent::WindowBlocked
                          || event->type() == QEvent::WindowDeactivate;
    if (holdLost && m_rollPressed)
        platform::runHandler([this] { releaseRoll(); });
    return QMainWindow::event(event);
}
