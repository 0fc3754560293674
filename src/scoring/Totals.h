// SPDX-License-Identifier: MIT
#pragma once
// The sums of one scorecard column, worked out from the numbers in its
// cells. The card keeps its scores as texts and asks these what they add up
// to.

#include <array>
#include <optional>

namespace totals {

constexpr int Categories = 13; // Aces..Sixes, then three of a kind..chance
constexpr int UpperCategories = 6;
constexpr int UpperBonusThreshold = 63;
constexpr int UpperBonusPoints = 35;
constexpr int QuindleBonusPoints = 100;

// One column of a card: its category cells (empty = not scored yet) and the
// number of Quindle bonuses counted in it.
struct Column {
    std::array<std::optional<int>, Categories> cells{};
    int quindleBonuses = 0;
};

int upperSum(const Column &column);
bool reachesUpperBonus(int upperSum);
// Upper TOTAL: the upper sum with its bonus, times the column's factor.
int upperTotal(int upperSum, bool bonusGiven, int factor);
// Lower TOTAL: the lower categories and the Quindle bonuses, no factor.
int lowerTotal(const Column &column);
// GRAND TOTAL: the upper total already carries the factor, the lower one
// takes it here, so every point of the column counts `factor` times.
int grandTotal(int upperTotal, int lowerTotal, int factor);
// Every category cell is scored; bonuses never count.
bool isComplete(const Column &column);

} // namespace totals
