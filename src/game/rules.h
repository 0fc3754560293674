// SPDX-License-Identifier: MIT
#pragma once
// The tests behind the scoring categories, on five die values (dice 1..5 are
// entries 0..4). The main window's scoring operations put the questions and
// sounds around them.

#include <array>

namespace rules {

using DiceValues = std::array<int, 5>;

int sumOfDice(const DiceValues &dice);
int faceTotal(const DiceValues &dice, int face);
// Any group of n or more equal values; dice 1..4 serve as the references.
bool hasOfAKind(const DiceValues &dice, int n);
// A run of four values from start, looking up at most six times.
bool hasRun(const DiceValues &dice, int start, bool upward);
// Looks only at how often the lowest and the highest value occur.
bool isFullHouse(const DiceValues &dice);
bool isSmallStraight(const DiceValues &dice);
bool isLargeStraight(const DiceValues &dice);
bool isQuindle(const DiceValues &dice);

} // namespace rules
