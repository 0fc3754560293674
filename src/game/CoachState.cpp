// SPDX-License-Identifier: MIT
#include "game/CoachState.h"

#include "scoring/Totals.h"

#include <algorithm>

namespace coach {

State afterScoring(const State &state, rules::Category category, int points)
{
    State next = state;
    next.filled |= bitOf(category);
    if (isUpper(category))
        next.upper = std::min(UpperCap, state.upper + points);
    if (category == rules::Category::Quindle)
        next.bonusesLeft = points > 0 ? MaxBonuses : 0;
    return next;
}

int bonusFor(const State &state, rules::Category category, int points)
{
    const bool reaches = isUpper(category) && state.upper < totals::UpperBonusThreshold
                         && state.upper + points >= totals::UpperBonusThreshold;
    return reaches ? totals::UpperBonusPoints : 0;
}

bool canClaimBonus(const State &state, const rules::DiceValues &dice)
{
    return state.has(rules::Category::Quindle) && state.bonusesLeft > 0 && !state.complete()
           && rules::isQuindle(dice);
}

State stateOf(const totals::Column &column)
{
    State state;
    for (int c = 0; c < totals::Categories; ++c) {
        if (column.cells[c])
            state.filled |= 1 << c;
    }
    state.upper = std::clamp(totals::upperSum(column), 0, UpperCap);
    const auto &quindle = column.cells[int(rules::Category::Quindle) - 1];
    if (quindle && *quindle > 0)
        state.bonusesLeft = std::clamp(MaxBonuses - column.quindleBonuses, 0, MaxBonuses);
    return state;
}

int pointsOn(const totals::Column &column, int factor)
{
    const int upper = totals::upperSum(column);
    const int upperTotal = totals::upperTotal(upper, totals::reachesUpperBonus(upper), factor);
    return totals::grandTotal(upperTotal, totals::lowerTotal(column), factor);
}

} // namespace coach
