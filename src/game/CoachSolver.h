// SPDX-License-Identifier: MIT
#pragma once
// The same values as the table, worked out on demand and remembered: quick
// for a card with few empty rows, far too slow for an empty one.

#include "game/CoachTurn.h"

#include <unordered_map>

namespace coach {

class RecursiveSolver {
public:
    double value(const State &state);
    NextValue next()
    {
        return [this](const State &s) { return value(s); };
    }
    int statesSolved() const { return int(m_values.size()); }

private:
    std::unordered_map<int, double> m_values;
};

} // namespace coach
