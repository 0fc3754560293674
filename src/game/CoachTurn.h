// SPDX-License-Identifier: MIT
#pragma once
// One turn, worked out backwards: the worth of every final throw (the best
// row to score it in, or the Quindle bonus), then of every keep before the
// last throw, of every throw with one roll left, and so on to the turn's
// start. The whole table and the small recursion of the tests both go
// through here, so both follow the game's rules the same way.

#include "game/CoachDice.h"
#include "game/CoachState.h"

#include <functional>

namespace coach {

// The expected points still to come from a state: the whole table, or a
// recursion that works them out on demand.
using NextValue = std::function<double(const State &)>;

struct Turn {
    // throws[j]: the worth of each outcome with j rolls still left.
    std::array<OutcomeValues, 3> throws;
    // keeps[j]: the worth of keeping some dice and throwing the rest, when
    // j rolls are left after that throw.
    std::array<KeepValues, 2> keeps;
    double start = 0; // before the first throw
};

// The points a row brings now plus all it leaves to come, for each outcome,
// taking the best of the empty rows among `rows` (bits as in State::filled)
// and of the Quindle bonus; minus infinity where there is no move.
void finalThrows(const State &state, const NextValue &next, OutcomeValues &out, int rows = AllFilled);
// The stages of a turn, from turn.throws[0] as filled in by the caller.
void playTurn(Turn &turn);
// The worth of a keep from the worth of the throws it can lead to.
void keepValues(const OutcomeValues &throws, KeepValues &out);
// The worth of each throw when the best keep is taken from it.
void bestKeeps(const KeepValues &keeps, OutcomeValues &out);

// The expected points still to come from `state` when `next` gives the
// states after it; a complete card has none.
double stateValue(const State &state, const NextValue &next);

} // namespace coach
