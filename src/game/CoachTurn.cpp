// SPDX-License-Identifier: MIT
#include "game/CoachTurn.h"

#include "scoring/Totals.h"

#include <algorithm>
#include <limits>

namespace coach {
namespace {

using rules::Category;

// An upper row depends only on how many dice show its face.
void upperRow(const State &state, Category category, const NextValue &next, OutcomeValues &out)
{
    const int face = int(category);
    std::array<double, 6> worth{};
    for (int n = 0; n <= 5; ++n) {
        const int points = face * n;
        worth[n] = points + bonusFor(state, category, points) + next(afterScoring(state, category, points));
    }
    const DiceTables &dice = DiceTables::get();
    for (int o = 0; o < Outcomes; ++o)
        out[o] = std::max(out[o], worth[dice.counts(DiceTables::FirstOutcomeKeep + o)[face - 1]]);
}

void lowerRow(const State &state, Category category, const NextValue &next, OutcomeValues &out)
{
    const DiceTables &dice = DiceTables::get();
    // Only the Quindle row leads to a state that depends on the points.
    const double nothing = next(afterScoring(state, category, 0));
    const double fifty = category == Category::Quindle ? next(afterScoring(state, category, 50)) : nothing;
    for (int o = 0; o < Outcomes; ++o) {
        const int points = dice.points(category, o);
        out[o] = std::max(out[o], points + (points > 0 ? fifty : nothing));
    }
}

void quindleBonus(const State &state, const NextValue &next, OutcomeValues &out)
{
    if (!state.has(Category::Quindle) || state.bonusesLeft == 0)
        return;
    State after = state;
    --after.bonusesLeft;
    const double worth = totals::QuindleBonusPoints + next(after);
    const DiceTables &dice = DiceTables::get();
    for (int o = 0; o < Outcomes; ++o) {
        if (dice.isQuindle(o))
            out[o] = std::max(out[o], worth);
    }
}

} // namespace

void finalThrows(const State &state, const NextValue &next, OutcomeValues &out, int rows)
{
    out.fill(-std::numeric_limits<double>::infinity());
    for (int c = 1; c <= totals::Categories; ++c) {
        const Category category = Category(c);
        if (state.has(category) || !(rows & bitOf(category)))
            continue;
        if (isUpper(category))
            upperRow(state, category, next, out);
        else
            lowerRow(state, category, next, out);
    }
    quindleBonus(state, next, out);
}

void keepValues(const OutcomeValues &throws, KeepValues &out)
{
    // Throwing n dice is throwing one, then n - 1: a keep is worth the
    // mean of the six keeps with one die more. 1,260 sums instead of the
    // 4,368 of going straight from each keep to each of its outcomes.
    const DiceTables &dice = DiceTables::get();
    for (int o = 0; o < Outcomes; ++o)
        out[DiceTables::FirstOutcomeKeep + o] = throws[o];
    for (int keep = DiceTables::FirstOutcomeKeep - 1; keep >= 0; --keep) {
        double sum = 0;
        for (int face = 0; face < Faces; ++face)
            sum += out[dice.withDie(keep, face)];
        out[keep] = sum / Faces;
    }
}

void bestKeeps(const KeepValues &keeps, OutcomeValues &out)
{
    // The best keep within a set of dice is the set itself or the best
    // within it less one die, so each keep looks at most at six others.
    const DiceTables &dice = DiceTables::get();
    KeepValues best;
    for (int keep = 0; keep < Keeps; ++keep) {
        const DiceTables::Fewer &fewer = dice.withOneFewer(keep);
        double b = keeps[keep];
        for (int i = 0; i < fewer.count; ++i)
            b = std::max(b, best[fewer.keeps[i]]);
        best[keep] = b;
    }
    for (int o = 0; o < Outcomes; ++o)
        out[o] = best[DiceTables::FirstOutcomeKeep + o];
}

void playTurn(Turn &turn)
{
    keepValues(turn.throws[0], turn.keeps[0]);
    bestKeeps(turn.keeps[0], turn.throws[1]);
    keepValues(turn.throws[1], turn.keeps[1]);
    bestKeeps(turn.keeps[1], turn.throws[2]);
    const DiceTables &dice = DiceTables::get();
    double sum = 0;
    for (int o = 0; o < Outcomes; ++o)
        sum += dice.probability(o) * turn.throws[2][o];
    turn.start = sum;
}

double stateValue(const State &state, const NextValue &next)
{
    if (state.complete())
        return 0;
    Turn turn;
    finalThrows(state, next, turn.throws[0]);
    playTurn(turn);
    return turn.start;
}

} // namespace coach
