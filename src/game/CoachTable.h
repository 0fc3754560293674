// SPDX-License-Identifier: MIT
#pragma once
// The expected points still to come under best play from every state of a
// Regular card. It is worked out backwards, one number of filled
// categories at a time; within such a level the cards are shared among
// threads, and since each state's value comes from the same sums in the
// same order whoever works it out, the table is the same to the last bit
// for any number of threads.

#include "game/CoachState.h"

#include <atomic>
#include <memory>
#include <vector>

namespace coach {

class Table {
public:
    // 4096 cards without the Quindle row, 4096 with it and its 0..3 bonuses
    // left, each with 64 upper sums.
    static constexpr int Size = 4096 * 64 * 5;

    Table();
    static std::unique_ptr<Table> fromValues(std::vector<double> values);

    double value(const State &state) const { return m_values[indexOf(state)]; }
    void set(const State &state, double value) { m_values[indexOf(state)] = value; }
    const std::vector<double> &values() const { return m_values; }
    static int indexOf(const State &state);

private:
    explicit Table(std::vector<double> values) : m_values(std::move(values)) {}
    std::vector<double> m_values;
};

// Whether `upper` can be the upper sum of a card whose filled upper rows
// are `filled` (only its six low bits count).
bool upperSumReachable(int filled, int upper);

struct SolveOptions {
    int threads = 0; // 0: one per core
    // Only cards with at least these categories filled are worked out, so
    // that a small part of the game can be solved quickly.
    int base = 0;
    const std::atomic<bool> *cancel = nullptr;
    std::atomic<int> *percent = nullptr;
};

// Nothing when cancelled.
std::unique_ptr<Table> solve(const SolveOptions &options = {});

} // namespace coach
