// SPDX-License-Identifier: MIT
#include "game/CoachAdvice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace coach {
namespace {

using rules::Category;
using Kind = Alternative::Kind;

bool validDice(const rules::DiceValues &dice)
{
    return std::all_of(dice.begin(), dice.end(), [](int v) { return v >= 1 && v <= 6; });
}

int differences(const Held &a, const Held &b)
{
    int n = 0;
    for (int i = 0; i < 5; ++i)
        n += a[i] != b[i];
    return n;
}

Held heldOf(int mask)
{
    Held held{};
    for (int i = 0; i < 5; ++i)
        held[i] = mask & (1 << i);
    return held;
}

// One alternative for each set of values that can be held, at the positions
// nearest to the dice held now; `keeps` are the keeps' worth.
std::vector<Alternative> holds(const rules::DiceValues &dice, const Held &now, const KeepValues &keeps, double base)
{
    const DiceTables &tables = DiceTables::get();
    std::vector<Alternative> found;
    std::vector<int> keepOfFound;
    for (int mask = 0; mask < 32; ++mask) {
        const Held held = heldOf(mask);
        const int keep = tables.keepOf(dice, held);
        const auto same = std::find(keepOfFound.begin(), keepOfFound.end(), keep);
        if (same == keepOfFound.end()) {
            keepOfFound.push_back(keep);
            found.push_back({Kind::Hold, held, Category::Aces, 1, 0, base + keeps[keep]});
        } else {
            Held &kept = found[size_t(same - keepOfFound.begin())].held;
            if (differences(held, now) < differences(kept, now))
                kept = held;
        }
    }
    return found;
}

// Scoring rows come first so that a tie goes to ending the turn at once.
Advice finish(Advice advice, std::vector<Alternative> scorings, const Held &heldNow, int rollsLeft,
              const Turn &turn, double base)
{
    advice.alternatives = std::move(scorings);
    if (rollsLeft > 0) {
        const auto more = holds(advice.dice, heldNow, turn.keeps[std::min(rollsLeft, 2) - 1], base);
        advice.alternatives.insert(advice.alternatives.end(), more.begin(), more.end());
    }
    std::stable_sort(advice.alternatives.begin(), advice.alternatives.end(),
                     [](const Alternative &a, const Alternative &b) { return a.expected > b.expected; });
    return advice;
}

Alternative rowAlternative(const State &state, Category category, int outcome, const NextValue &values)
{
    const int points = DiceTables::get().points(category, outcome);
    const double gain = points + bonusFor(state, category, points) + values(afterScoring(state, category, points));
    return {Kind::Score, {}, category, 1, points, gain};
}

std::vector<Alternative> regularScorings(const Position &at, const NextValue &values)
{
    std::vector<Alternative> found;
    const int outcome = DiceTables::get().outcomeOf(at.dice);
    for (int c = 1; c <= totals::Categories; ++c) {
        if (at.state.has(Category(c)))
            continue;
        Alternative row = rowAlternative(at.state, Category(c), outcome, values);
        row.expected += at.points;
        found.push_back(row);
    }
    if (canClaimBonus(at.state, at.dice)) {
        State after = at.state;
        --after.bonusesLeft;
        const double expected = at.points + totals::QuindleBonusPoints + values(after);
        found.push_back({Kind::Bonus, {}, Category::Quindle, 1, totals::QuindleBonusPoints, expected});
    }
    return found;
}

// A Hard game scores a row in its leftmost empty column only.
int rowsOpenTo(const TriplePosition &at, int column)
{
    int rows = 0;
    for (int c = 0; c < totals::Categories; ++c) {
        bool leftFilled = true;
        for (int left = 0; left < column && at.hard; ++left)
            leftFilled = leftFilled && at.columns[left].cells[c].has_value();
        rows |= leftFilled ? 1 << c : 0;
    }
    return rows;
}

// A column of a Triple card valued as a Regular card that can never
// claim a bonus.
struct TripleColumns {
    NextValue values;
    std::array<State, 3> states;
    std::array<double, 3> worth{};
    double base = 0; // the points on the card and all the columns leave to come
    bool open = false;

    TripleColumns(const NextValue &regular, const TriplePosition &at)
        : values([regular](State s) { s.bonusesLeft = 0; return regular(s); })
    {
        for (int i = 0; i < 3; ++i) {
            states[i] = stateOf(at.columns[i]);
            states[i].bonusesLeft = 0;
            worth[i] = values(states[i]);
            base += pointsOn(at.columns[i], i + 1) + (i + 1) * worth[i];
            open = open || !states[i].complete();
        }
    }
};

void tripleFinalThrows(const TripleColumns &columns, const TriplePosition &at, OutcomeValues &out)
{
    out.fill(-std::numeric_limits<double>::infinity());
    OutcomeValues column;
    for (int i = 0; i < 3; ++i) {
        finalThrows(columns.states[i], columns.values, column, rowsOpenTo(at, i));
        for (int o = 0; o < Outcomes; ++o) {
            if (std::isfinite(column[o]))
                out[o] = std::max(out[o], (i + 1) * (column[o] - columns.worth[i]));
        }
    }
}

std::vector<Alternative> tripleScorings(const TripleColumns &columns, const TriplePosition &at)
{
    std::vector<Alternative> found;
    const int outcome = DiceTables::get().outcomeOf(at.dice);
    for (int i = 0; i < 3; ++i) {
        const int rows = rowsOpenTo(at, i);
        for (int c = 1; c <= totals::Categories; ++c) {
            if (columns.states[i].has(Category(c)) || !(rows & bitOf(Category(c))))
                continue;
            Alternative row = rowAlternative(columns.states[i], Category(c), outcome, columns.values);
            row.column = i + 1;
            row.expected = columns.base + (i + 1) * (row.expected - columns.worth[i]);
            found.push_back(row);
        }
    }
    return found;
}

} // namespace

std::optional<double> Advice::forHold(const Held &held) const
{
    const DiceTables &tables = DiceTables::get();
    const int keep = tables.keepOf(dice, held);
    for (const Alternative &a : alternatives) {
        if (a.kind == Kind::Hold && tables.keepOf(dice, a.held) == keep)
            return a.expected;
    }
    return std::nullopt;
}

std::optional<double> Advice::forRow(Category category, int column) const
{
    for (const Alternative &a : alternatives) {
        if (a.kind == Kind::Score && a.category == category && a.column == column)
            return a.expected;
    }
    return std::nullopt;
}

std::optional<double> Advice::forBonus() const
{
    for (const Alternative &a : alternatives) {
        if (a.kind == Kind::Bonus)
            return a.expected;
    }
    return std::nullopt;
}

Position regularPosition(const totals::Column &column, const rules::DiceValues &dice, const Held &held, int rollsLeft)
{
    return {stateOf(column), pointsOn(column), dice, held, rollsLeft};
}

Advice adviseRegular(const NextValue &values, const Position &at)
{
    Advice advice;
    advice.dice = at.dice;
    if (at.state.complete() || (at.rollsLeft < 3 && !validDice(at.dice)))
        return advice;
    Turn turn;
    finalThrows(at.state, values, turn.throws[0]);
    playTurn(turn);
    if (at.rollsLeft >= 3) {
        advice.alternatives.push_back({Kind::Roll, {}, Category::Aces, 1, 0, at.points + turn.start});
        return advice;
    }
    return finish(advice, regularScorings(at, values), at.held, at.rollsLeft, turn, at.points);
}

Advice adviseTripleEstimate(const NextValue &values, const TriplePosition &at)
{
    Advice advice;
    advice.estimate = true;
    advice.dice = at.dice;
    const TripleColumns columns(values, at);
    if (!columns.open || (at.rollsLeft < 3 && !validDice(at.dice)))
        return advice;
    Turn turn;
    tripleFinalThrows(columns, at, turn.throws[0]);
    playTurn(turn);
    if (at.rollsLeft >= 3) {
        advice.alternatives.push_back({Kind::Roll, {}, Category::Aces, 1, 0, columns.base + turn.start});
        return advice;
    }
    return finish(advice, tripleScorings(columns, at), at.held, at.rollsLeft, turn, columns.base);
}

} // namespace coach
