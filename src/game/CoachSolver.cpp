// SPDX-License-Identifier: MIT
#include "game/CoachSolver.h"

#include "game/CoachTable.h"

namespace coach {

double RecursiveSolver::value(const State &state)
{
    const int key = Table::indexOf(state);
    const auto known = m_values.find(key);
    if (known != m_values.end())
        return known->second;
    const double v = stateValue(state, next());
    m_values.emplace(key, v);
    return v;
}

} // namespace coach
