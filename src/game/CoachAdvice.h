// SPDX-License-Identifier: MIT
#pragma once
// Advice for one moment of a turn: every move the player can make, each
// with the expected final score of the card when the rest of the game is
// played as well as possible, best first.
//
// Regular game, exact:
//     adviseRegular(provider.values(), regularPosition(column, dice, held, RollsLeft()))
// with the TableProvider ready. Triple games: adviseTripleEstimate, a rule
// of thumb built from the Regular values of each column weighted by its
// factor; its figures are estimates and the advice says so (`estimate`).
// Either costs one turn worked out: a few microseconds.

#include "game/CoachTurn.h"
#include "scoring/Totals.h"

#include <optional>
#include <vector>

namespace coach {

using Held = std::array<bool, 5>; // dice 1..5 are entries 0..4

struct Alternative {
    enum class Kind { Roll, Hold, Score, Bonus };
    Kind kind = Kind::Roll;
    // Hold: the dice to hold for the next roll. Dice showing the same values
    // are one alternative; the positions chosen are those nearest to what
    // the player holds now.
    Held held{};
    rules::Category category = rules::Category::Aces; // Score
    int column = 1;                                   // Score, 1..3
    int points = 0;                                   // Score and Bonus: the points written now
    double expected = 0;                              // the expected final score
};

struct Advice {
    bool estimate = false; // a Triple game's rule of thumb, not best play
    std::vector<Alternative> alternatives; // best first; empty when no move is left
    rules::DiceValues dice{};

    const Alternative *best() const { return alternatives.empty() ? nullptr : &alternatives.front(); }
    // The expected final score of holding these dice, of scoring a row, of
    // claiming the bonus; nothing when that is no move now.
    std::optional<double> forHold(const Held &held) const;
    std::optional<double> forRow(rules::Category category, int column = 1) const;
    std::optional<double> forBonus() const;
};

// The moment of a turn. rollsLeft is the main window's RollsLeft(): 3
// before the first roll, 0 after the third.
struct Position {
    State state;
    int points = 0; // already on the card
    rules::DiceValues dice{1, 1, 1, 1, 1};
    Held held{};
    int rollsLeft = 3;
};

Position regularPosition(const totals::Column &column, const rules::DiceValues &dice,
                         const Held &held, int rollsLeft);
// `values` is the table's lookup (or a recursion for part of a game).
Advice adviseRegular(const NextValue &values, const Position &position);

struct TriplePosition {
    std::array<totals::Column, 3> columns{}; // factors 1, 2, 3
    bool hard = false; // a row's columns fill from left to right
    rules::DiceValues dice{1, 1, 1, 1, 1};
    Held held{};
    int rollsLeft = 3;
};

// Never offers a Quindle bonus: a Triple game has none.
Advice adviseTripleEstimate(const NextValue &values, const TriplePosition &position);

} // namespace coach
