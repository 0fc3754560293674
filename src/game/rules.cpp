// SPDX-License-Identifier: MIT
#include "game/rules.h"

#include <algorithm>

namespace rules {
namespace {
int count(const DiceValues &dice, int value)
{
    return int(std::count(dice.begin(), dice.end(), value));
}
int lowest(const DiceValues &dice) { return *std::min_element(dice.begin(), dice.end()); }
int highest(const DiceValues &dice) { return *std::max_element(dice.begin(), dice.end()); }
} // namespace

int sumOfDice(const DiceValues &dice)
{
    int sum = 0;
    for (int value : dice)
        sum += value;
    return sum;
}

int faceTotal(const DiceValues &dice, int face)
{
    return face * count(dice, face);
}

bool hasOfAKind(const DiceValues &dice, int n)
{
    for (int i = 0; i < 4; ++i) {
        if (count(dice, dice[i]) >= n)
            return true;
    }
    return false;
}

bool hasRun(const DiceValues &dice, int start, bool upward)
{
    int length = 1;
    int target = upward ? start + 1 : start - 1;
    for (int pass = 0; pass < 6 && length < 4; ++pass) {
        for (int value : dice) {
            if (target >= 1 && target <= 6 && value == target) {
                ++length;
                target += upward ? 1 : -1;
                break;
            }
        }
    }
    return length >= 4;
}

bool isFullHouse(const DiceValues &dice)
{
    const int lo = count(dice, lowest(dice));
    const int hi = count(dice, highest(dice));
    return (lo == 3 && hi == 2) || (lo == 2 && hi == 3);
}

bool isSmallStraight(const DiceValues &dice)
{
    return hasRun(dice, lowest(dice), true) || hasRun(dice, highest(dice), false);
}

bool isLargeStraight(const DiceValues &dice)
{
    return !hasOfAKind(dice, 2) && highest(dice) - lowest(dice) == 4;
}

bool isQuindle(const DiceValues &dice)
{
    return dice[0] == dice[1] && dice[1] == dice[2] && dice[2] == dice[3] && dice[3] == dice[4];
}

Score score(Category category, const DiceValues &dice)
{
    auto points = [](bool qualifies, int worth) { return Score{qualifies ? worth : 0, !qualifies}; };
    switch (category) {
    case Category::ThreeOfAKind: return points(hasOfAKind(dice, 3), sumOfDice(dice));
    case Category::FourOfAKind: return points(hasOfAKind(dice, 4), sumOfDice(dice));
    case Category::FullHouse: return points(isFullHouse(dice), 25);
    case Category::SmallStraight: return points(isSmallStraight(dice), 30);
    case Category::LargeStraight: return points(isLargeStraight(dice), 40);
    case Category::Quindle: return points(isQuindle(dice), 50);
    case Category::Chance: return {sumOfDice(dice), false};
    default: break;
    }
    const int total = faceTotal(dice, int(category));
    return points(total != 0, total);
}

std::optional<Category> categoryOf(bool upper, int tag)
{
    if (upper)
        return tag >= 1 && tag <= 6 ? std::optional(Category(tag)) : std::nullopt;
    return tag >= 1 && tag <= 7 ? std::optional(Category(int(Category::Sixes) + tag)) : std::nullopt;
}

} // namespace rules
