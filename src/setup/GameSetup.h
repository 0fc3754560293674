// SPDX-License-Identifier: MIT
#pragma once
// A game as the wizard asks for it, and the window that sets it up.

struct GameSetup {
    int players = 1;    // 1..4
    bool triple = false;
    // The wizard's Easy/Hard choice; it is kept even for a Regular game,
    // where it has no effect.
    bool hard = false;
};

class GameStarter {
public:
    virtual ~GameStarter() = default;
    // Drops the running game, if any, and sets up a fresh one.
    virtual void StartGame(const GameSetup &setup) = 0;
};
