// SPDX-License-Identifier: MIT
#include "game/CoachTable.h"

#include "game/CoachTurn.h"

#include <array>
#include <bitset>
#include <thread>

namespace coach {
namespace {

constexpr int QuindleBit = bitOf(rules::Category::Quindle);

const std::array<std::bitset<64>, 64> &reachableSums()
{
    static const auto sums = [] {
        std::array<std::bitset<64>, 64> r{};
        for (int mask = 0; mask < 64; ++mask) {
            std::bitset<64> can;
            can.set(0);
            for (int face = 1; face <= 6; ++face) {
                if (!(mask & (1 << (face - 1))))
                    continue;
                std::bitset<64> more;
                for (int u = 0; u < 64; ++u) {
                    for (int n = 0; n <= 5 && can[u]; ++n)
                        more.set(std::min(UpperCap, u + face * n));
                }
                can = more;
            }
            r[mask] = can;
        }
        return r;
    }();
    return sums;
}

std::vector<int> cardsToSolve(int base, int filledCount)
{
    std::vector<int> cards;
    for (int filled = 0; filled < AllFilled; ++filled) {
        if ((filled & base) == base && std::bitset<13>(filled).count() == size_t(filledCount))
            cards.push_back(filled);
    }
    return cards;
}

int statesOf(int filled)
{
    return int(reachableSums()[filled & 63].count()) * (filled & QuindleBit ? MaxBonuses + 1 : 1);
}

int upperStillPossible(int filled)
{
    int most = 0;
    for (int face = 1; face <= 6; ++face)
        most += filled & (1 << (face - 1)) ? 0 : 5 * face;
    return most;
}

// Every reachable upper sum and bonus count of one card; the bonus counts go
// upwards because a claimed bonus leads to the same card with one fewer.
// Sums that can no longer reach the bonus all have the same future, so it
// is worked out for the first of them and copied to the others: the copy is
// exactly what working it out again would give.
void solveCard(Table &table, int filled)
{
    const NextValue next = [&table](const State &s) { return table.value(s); };
    const int bonuses = filled & QuindleBit ? MaxBonuses : 0;
    const int hopeless = UpperCap - upperStillPossible(filled);
    int firstHopeless = -1;
    for (int upper = 0; upper <= UpperCap; ++upper) {
        if (!upperSumReachable(filled, upper))
            continue;
        const bool copy = upper < hopeless && firstHopeless >= 0;
        if (upper < hopeless && firstHopeless < 0)
            firstHopeless = upper;
        for (int left = 0; left <= bonuses; ++left) {
            const State state{filled, upper, left};
            table.set(state, copy ? table.value({filled, firstHopeless, left}) : stateValue(state, next));
        }
    }
}

struct Progress {
    const SolveOptions &options;
    std::atomic<int> done{0};
    int total = 0;

    bool cancelled() const { return options.cancel && options.cancel->load(std::memory_order_relaxed); }
    void add(int states)
    {
        const int now = done.fetch_add(states) + states;
        if (!options.percent || total == 0)
            return;
        // Threads finish out of order; the figure shown never goes back.
        const int percent = int(int64_t(now) * 100 / total);
        int shown = options.percent->load();
        while (shown < percent && !options.percent->compare_exchange_weak(shown, percent)) {}
    }
};

void solveLevel(Table &table, const std::vector<int> &cards, int threads, Progress &progress)
{
    std::atomic<size_t> nextCard{0};
    auto work = [&] {
        for (size_t i = nextCard++; i < cards.size() && !progress.cancelled(); i = nextCard++) {
            solveCard(table, cards[i]);
            progress.add(statesOf(cards[i]));
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread &w : workers)
        w.join();
}

} // namespace

Table::Table() : m_values(Size, 0.0) {}

std::unique_ptr<Table> Table::fromValues(std::vector<double> values)
{
    if (values.size() != size_t(Size))
        return nullptr;
    return std::unique_ptr<Table>(new Table(std::move(values)));
}

int Table::indexOf(const State &state)
{
    // The Quindle bit is left out of the card number and chooses the half.
    const int card = (state.filled & (QuindleBit - 1)) | ((state.filled >> 12) << 11);
    const int slot = card * 64 + state.upper;
    if (!(state.filled & QuindleBit))
        return slot;
    return 4096 * 64 + slot * (MaxBonuses + 1) + state.bonusesLeft;
}

bool upperSumReachable(int filled, int upper)
{
    return upper >= 0 && upper <= UpperCap && reachableSums()[filled & 63][upper];
}

std::unique_ptr<Table> solve(const SolveOptions &options)
{
    const int threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    auto table = std::make_unique<Table>();
    Progress progress{options};
    for (int level = 12; level >= 0; --level) {
        for (int card : cardsToSolve(options.base, level))
            progress.total += statesOf(card);
    }
    // The complete card is worth nothing more: the table starts at zero.
    for (int level = 12; level >= 0 && !progress.cancelled(); --level)
        solveLevel(*table, cardsToSolve(options.base, level), threads, progress);
    if (progress.cancelled())
        return nullptr;
    return table;
}

} // namespace coach
