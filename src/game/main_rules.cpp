// SPDX-License-Identifier: MIT
// The scoring rules, which read the dice of the tray.
#include "game/main.h"
#include "controls/QuindleDice.h"
#include "platform/Platform.h"

using rules::Category;

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

int Tw_Quindle_Main::scoreCategory(Category category)
{
    const rules::Score score = rules::score(category, diceValues());
    if (!score.asksForZero)
        return score.points;
    return ConfirmZero() ? -1 : 0;
}

int Tw_Quindle_Main::ScoreRow(bool upper, int tag)
{
    const std::optional<Category> category = rules::categoryOf(upper, tag);
    return category ? scoreCategory(*category) : -1;
}

RowPreview Tw_Quindle_Main::PreviewRow(bool upper, int tag) const
{
    const std::optional<Category> category = rules::categoryOf(upper, tag);
    if (!category)
        return {0, true};
    const rules::Score score = rules::score(*category, diceValues());
    return {score.points, score.asksForZero};
}

int Tw_Quindle_Main::ScoreFace(int face)
{
    return ScoreRow(true, face);
}

int Tw_Quindle_Main::ScoreOfAKind(int n)
{
    return scoreCategory(n == 3 ? Category::ThreeOfAKind : Category::FourOfAKind);
}

int Tw_Quindle_Main::ScoreFullHouse()
{
    return scoreCategory(Category::FullHouse);
}

int Tw_Quindle_Main::ScoreStraight(bool small)
{
    return scoreCategory(small ? Category::SmallStraight : Category::LargeStraight);
}

int Tw_Quindle_Main::ScoreQuindle()
{
    return scoreCategory(Category::Quindle);
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
