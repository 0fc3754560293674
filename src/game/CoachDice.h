// SPDX-License-Identifier: MIT
#pragma once
// The dice as the coach counts them: a throw of five dice is one of 252
// outcomes (the values sorted, since the order never changes a score), and
// the dice a player keeps are one of 462 keeps of 0 to 5 dice. Everything
// here is worked out once and shared by every thread.

#include "game/rules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace coach {

constexpr int Outcomes = 252;
constexpr int Keeps = 462;
constexpr int Faces = 6;

using OutcomeValues = std::array<double, Outcomes>;
using KeepValues = std::array<double, Keeps>;
using Counts = std::array<uint8_t, Faces>; // how many dice show 1..6

class DiceTables {
public:
    static const DiceTables &get();

    // Keeps are ordered by their number of dice; the last 252 are the full
    // throws, so outcome o is keep FirstOutcomeKeep + o.
    static constexpr int FirstOutcomeKeep = Keeps - Outcomes;

    int keepOf(const Counts &counts) const;
    int outcomeOf(const rules::DiceValues &dice) const;
    // The keep made of the dice at the held positions.
    int keepOf(const rules::DiceValues &dice, const std::array<bool, 5> &held) const;

    const Counts &counts(int keep) const { return m_counts[keep]; }
    int size(int keep) const { return m_size[keep]; }
    rules::DiceValues dice(int outcome) const;
    // The chance of each outcome from a throw of all five dice.
    double probability(int outcome) const { return m_probability[outcome]; }
    // Points of each category (1..13) for each outcome, 0 where the rule
    // would ask for a zero.
    int points(rules::Category category, int outcome) const
    {
        return m_points[int(category) - 1][outcome];
    }
    bool isQuindle(int outcome) const { return m_quindle[outcome]; }

    // The keep with one more die showing `face` (0..5); -1 for a full keep.
    int withDie(int keep, int face) const { return m_withDie[keep][face]; }
    // The keeps with one die fewer, one for each face the keep shows.
    struct Fewer {
        std::array<int16_t, 5> keeps;
        int count;
    };
    const Fewer &withOneFewer(int keep) const { return m_withoutDie[keep]; }

private:
    DiceTables();
    void listKeeps();
    void linkKeeps();
    void scoreOutcomes();

    std::vector<Counts> m_counts;
    std::vector<int> m_size;
    std::vector<int> m_codeToKeep; // counts as a number in base 6 -> keep
    std::vector<double> m_probability;
    std::array<std::array<uint8_t, Outcomes>, 13> m_points{};
    std::array<bool, Outcomes> m_quindle{};
    std::vector<std::array<int16_t, Faces>> m_withDie;
    std::vector<Fewer> m_withoutDie;
};

} // namespace coach
