// SPDX-License-Identifier: MIT
#include "scoring/Totals.h"

namespace totals {

namespace {
int sum(const Column &column, int from, int to)
{
    int result = 0;
    for (int i = from; i < to; ++i)
        result += column.cells[i].value_or(0);
    return result;
}
} // namespace

int upperSum(const Column &column)
{
    return sum(column, 0, UpperCategories);
}

bool reachesUpperBonus(int upperSum)
{
    return upperSum >= UpperBonusThreshold;
}

int upperTotal(int upperSum, bool bonusGiven, int factor)
{
    return (upperSum + (bonusGiven ? UpperBonusPoints : 0)) * factor;
}

int lowerTotal(const Column &column)
{
    return sum(column, UpperCategories, Categories) + QuindleBonusPoints * column.quindleBonuses;
}

int grandTotal(int upperTotal, int lowerTotal, int factor)
{
    return upperTotal + lowerTotal * factor;
}

bool isComplete(const Column &column)
{
    for (const std::optional<int> &cell : column.cells) {
        if (!cell)
            return false;
    }
    return true;
}

} // namespace totals
