// SPDX-License-Identifier: MIT
// The scoring rules, which read the dice of the tray.
#include "game/main.h"
#include "controls/QuindleDice.h"
#include "platform/Platform.h"

rules::DiceValues Tw_Quindle_Main::diceValues() const
{
    return {Dice[1]->Value(), Dice[2]->Value(), Dice[3]->Value(), Dice[4]->Value(),
            Dice[5]->Value()};
}

bool Tw_Quindle_Main::ConfirmZero()
{
    if (SoundOn())
        PlaySound(4, false);
    return !platform::confirm(this, QStringLiteral("Are you sure you want to take a zero?"));
}

int Tw_Quindle_Main::scoreOrZero(bool qualifies, int score)
{
    if (qualifies)
        return score;
    return ConfirmZero() ? -1 : 0;
}

int Tw_Quindle_Main::ScoreFace(int face)
{
    const int total = rules::faceTotal(diceValues(), face);
    return scoreOrZero(total != 0, total);
}

int Tw_Quindle_Main::ScoreOfAKind(int n)
{
    return scoreOrZero(HasOfAKind(n), SumOfDice());
}

int Tw_Quindle_Main::ScoreFullHouse()
{
    return scoreOrZero(rules::isFullHouse(diceValues()), 25);
}

int Tw_Quindle_Main::ScoreStraight(bool small)
{
    if (small)
        return scoreOrZero(rules::isSmallStraight(diceValues()), 30);
    return scoreOrZero(rules::isLargeStraight(diceValues()), 40);
}

int Tw_Quindle_Main::ScoreQuindle()
{
    return scoreOrZero(rules::isQuindle(diceValues()), 50);
}

int Tw_Quindle_Main::SumOfDice() const
{
    return rules::sumOfDice(diceValues());
}

bool Tw_Quindle_Main::HasOfAKind(int n) const
{
    return rules::hasOfAKind(diceValues(), n);
}

bool Tw_Quindle_Main::HasRun(int start, bool upward) const
{
    return rules::hasRun(diceValues(), start, upward);
}
