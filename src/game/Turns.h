// SPDX-License-Identifier: MIT
#pragma once
// Who plays next and who has won, on plain numbers.

#include <QString>
#include <array>
#include <vector>

namespace turns {

// Indexed by player number 1..4.
using PerPlayer = std::array<bool, 5>;

// The player at turn once `player` has ended his turn: 0 when the game is
// over, which only the last player's complete card decides. A player whose
// card has no empty cell left can only pass, so he is passed over.
int nextPlayer(int player, int players, bool lastCardComplete, const PerPlayer &canStillScore);
// The first player with the highest total; `totals` holds players 1..n.
int winner(const std::vector<int> &totals);

QString turnText(int player);

} // namespace turns
