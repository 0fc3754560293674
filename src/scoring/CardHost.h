// SPDX-License-Identifier: MIT
#pragma once
// What a scorecard needs from the window that runs the game. The main window
// implements it; tests put a recording double in its place.

// What a category row would score for the dice as they lie: its points, or
// that the zero question would come.
struct RowPreview {
    int points = 0;
    bool asksForZero = false;
};

class CardHost {
public:
    virtual ~CardHost() = default;

    // The player at turn has rolled and not scored yet.
    virtual bool CanScore() const = 0;
    // The score of the category row (`upper`, `tag`) for the dice as they
    // lie, 0 for a zero the player took, -1 for one he declined.
    virtual int ScoreRow(bool upper, int tag) = 0;
    // The same without asking anything or playing a sound.
    virtual RowPreview PreviewRow(bool upper, int tag) const = 0;
    virtual bool SoundOn() const = 0;
    virtual bool PlaySound(int sound, bool loop) = 0;
    // Passes the turn on from `player`, or ends the game.
    virtual void NextPlayer(int player) = 0;
    // The window's half of closing a turn after a score was written.
    virtual void EndTurn(int player, int tag, bool upper, int column) = 0;
    virtual void SaveCardPosition(int player) = 0;
};
