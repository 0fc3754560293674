// SPDX-License-Identifier: MIT
#pragma once
// What of a Regular card matters for the rest of the game: which categories
// are filled, the upper sum up to the 63 that earns its bonus, and how many
// Quindle bonuses can still be claimed (none while the Quindle row is empty
// or holds 0, else 3 less those claimed).

#include "game/rules.h"

#include <cstdint>

namespace totals { struct Column; }

namespace coach {

constexpr int AllFilled = 0x1fff;
constexpr int UpperCap = 63;
constexpr int MaxBonuses = 3;

constexpr int bitOf(rules::Category category) { return 1 << (int(category) - 1); }
constexpr bool isUpper(rules::Category category) { return int(category) <= 6; }

struct State {
    int filled = 0;      // bit c-1 stands for category c
    int upper = 0;       // 0..63
    int bonusesLeft = 0; // 0..3

    bool has(rules::Category category) const { return filled & bitOf(category); }
    bool complete() const { return filled == AllFilled; }
    bool operator==(const State &o) const
    {
        return filled == o.filled && upper == o.upper && bonusesLeft == o.bonusesLeft;
    }
};

// The state after scoring `points` in an empty category.
State afterScoring(const State &state, rules::Category category, int points);
// Points the row brings beyond its own: the upper bonus when it reaches 63.
int bonusFor(const State &state, rules::Category category, int points);
bool canClaimBonus(const State &state, const rules::DiceValues &dice);

// The state of a card column as the card holds it, and the points on it.
State stateOf(const totals::Column &column);
int pointsOn(const totals::Column &column, int factor = 1);

} // namespace coach
