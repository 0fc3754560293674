// SPDX-License-Identifier: MIT
#pragma once
// The worth of every scoring category for five die values (dice 1..5 are
// entries 0..4). The main window puts the zero question and its sound
// around them; nothing here touches a widget.

#include <array>
#include <optional>

namespace rules {

using DiceValues = std::array<int, 5>;

enum class Category {
    Aces = 1, Twos, Threes, Fours, Fives, Sixes,
    ThreeOfAKind, FourOfAKind, FullHouse, SmallStraight, LargeStraight, Quindle, Chance,
};

// What a category is worth: its points when the dice qualify; otherwise the
// player is asked whether to take a zero.
struct Score {
    int points = 0;
    bool asksForZero = false;
    bool operator==(const Score &other) const
    {
        return points == other.points && asksForZero == other.asksForZero;
    }
};

Score score(Category category, const DiceValues &dice);

// The category a scorecard row scores: upper rows carry their face as tag
// (1..6), lower rows 1..7 from three of a kind to chance. Nothing for any
// other tag, such as the bonus row's 0.
std::optional<Category> categoryOf(bool upper, int tag);

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
