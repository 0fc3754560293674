// SPDX-License-Identifier: MIT
#include "game/Turns.h"

namespace turns {

int nextPlayer(int player, int players, bool lastCardComplete, const PerPlayer &canStillScore)
{
    int next = 1;
    if (player != players)
        next = player + 1;
    else if (lastCardComplete)
        return 0;
    // The last player's card is not complete here, so the search ends.
    for (int tries = 1; tries < players && !canStillScore[next]; ++tries)
        next = next % players + 1;
    return next;
}

int winner(const std::vector<int> &totals)
{
    int best = 0;
    for (int i = 1; i < int(totals.size()); ++i) {
        // Only a strictly higher total wins, so a tie goes to the lower number.
        if (totals[best] < totals[i])
            best = i;
    }
    return best + 1;
}

QString turnText(int player)
{
    return QStringLiteral("Player %1's Turn").arg(player);
}

} // namespace turns
