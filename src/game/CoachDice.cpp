// SPDX-License-Identifier: MIT
#include "game/CoachDice.h"

namespace coach {
namespace {

int codeOf(const Counts &counts)
{
    int code = 0;
    for (int face = Faces - 1; face >= 0; --face)
        code = code * 6 + counts[face];
    return code;
}

double factorial(int n)
{
    double f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

// The chance that throwing sum(counts) dice shows exactly these counts.
double chanceOf(const Counts &counts)
{
    int n = 0;
    double ways = 1;
    for (int c : counts) {
        n += c;
        ways *= factorial(c);
    }
    double throws = 1;
    for (int i = 0; i < n; ++i)
        throws *= Faces;
    return factorial(n) / ways / throws;
}

// Every way to put `dice` dice on the faces from `face` on.
void spread(Counts &counts, int face, int dice, std::vector<Counts> &out)
{
    if (face == Faces - 1) {
        counts[face] = uint8_t(dice);
        out.push_back(counts);
        return;
    }
    for (int n = dice; n >= 0; --n) {
        counts[face] = uint8_t(n);
        spread(counts, face + 1, dice - n, out);
    }
}

} // namespace

const DiceTables &DiceTables::get()
{
    static const DiceTables tables;
    return tables;
}

DiceTables::DiceTables()
{
    listKeeps();
    linkKeeps();
    scoreOutcomes();
}

void DiceTables::linkKeeps()
{
    m_withDie.resize(Keeps);
    m_withoutDie.resize(Keeps);
    for (int keep = 0; keep < Keeps; ++keep) {
        Fewer &fewer = m_withoutDie[keep];
        fewer.count = 0;
        for (int face = 0; face < Faces; ++face) {
            Counts more = m_counts[keep];
            ++more[face];
            m_withDie[keep][face] = int16_t(m_size[keep] < 5 ? keepOf(more) : -1);
            if (m_counts[keep][face] == 0)
                continue;
            Counts less = m_counts[keep];
            --less[face];
            fewer.keeps[fewer.count++] = int16_t(keepOf(less));
        }
    }
}

void DiceTables::listKeeps()
{
    m_codeToKeep.assign(6 * 6 * 6 * 6 * 6 * 6, -1);
    for (int n = 0; n <= 5; ++n) {
        Counts counts{};
        spread(counts, 0, n, m_counts);
    }
    for (int keep = 0; keep < int(m_counts.size()); ++keep) {
        int n = 0;
        for (int c : m_counts[keep])
            n += c;
        m_size.push_back(n);
        m_codeToKeep[codeOf(m_counts[keep])] = keep;
    }
    for (int o = 0; o < Outcomes; ++o)
        m_probability.push_back(chanceOf(m_counts[FirstOutcomeKeep + o]));
}

void DiceTables::scoreOutcomes()
{
    for (int o = 0; o < Outcomes; ++o) {
        const rules::DiceValues d = dice(o);
        for (int c = 1; c <= 13; ++c) {
            const rules::Score s = rules::score(rules::Category(c), d);
            m_points[c - 1][o] = uint8_t(s.asksForZero ? 0 : s.points);
        }
        m_quindle[o] = rules::isQuindle(d);
    }
}

int DiceTables::keepOf(const Counts &counts) const
{
    return m_codeToKeep[codeOf(counts)];
}

int DiceTables::keepOf(const rules::DiceValues &dice, const std::array<bool, 5> &held) const
{
    Counts counts{};
    for (int i = 0; i < 5; ++i) {
        if (held[i])
            ++counts[dice[i] - 1];
    }
    return keepOf(counts);
}

int DiceTables::outcomeOf(const rules::DiceValues &dice) const
{
    return keepOf(dice, {true, true, true, true, true}) - FirstOutcomeKeep;
}

rules::DiceValues DiceTables::dice(int outcome) const
{
    rules::DiceValues d{};
    int i = 0;
    const Counts &counts = m_counts[FirstOutcomeKeep + outcome];
    for (int face = 0; face < Faces; ++face) {
        for (int n = 0; n < counts[face]; ++n)
            d[i++] = face + 1;
    }
    return d;
}

} // namespace coach
