// SPDX-License-Identifier: MIT
#pragma once
// The main window: the hub that owns the game state, the dice tray, the
// scorecards and the menus, and passes the turn from player to player.

#include "game/rules.h"
#include "scoring/card.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMouseEvent;
class TAnimated;
class TImage;
class TQuindleDice;
class TShape;

class Tw_Quindle_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Tw_Quindle_Main(QWidget *parent = nullptr);
    ~Tw_Quindle_Main() override;

    // Game state. Arrays are indexed from 1, as players and dice are numbered.
    std::array<TQuindleDice *, 6> Dice{};
    std::array<QPointer<Tw_Card>, 5> Cards;
    int Players = 0;
    int CurrentPlayer = 1;
    bool CanScore = false;
    bool NoGame = true;
    bool RollHeld = false;
    std::array<int, 5> CardLeft{0, 5, 25, 45, 65};
    std::array<int, 5> CardTop{0, 5, 25, 45, 65};

    // The undo record.
    int UndoPlayer = 1;
    int UndoTag = 0;
    bool UndoUpper = false;
    int UndoColumn = 1;
    int UndoRollsLeft = 0;
    std::array<bool, 6> UndoHeld{};

    // Controls.
    QWidget *p_display = nullptr;
    TImage *i_rolls = nullptr;
    TImage *i_trans = nullptr;
    TShape *Shape1 = nullptr;
    TAnimated *a_roll = nullptr;
    QMdiArea *ClientArea = nullptr;
    std::array<QLabel *, 3> StatusPanels{};
    QMenu *Game1 = nullptr, *Options1 = nullptr, *Wimdow1 = nullptr, *Help1 = nullptr;
    QAction *New1 = nullptr, *LoadGame1 = nullptr, *NewRegular1Player1 = nullptr,
            *Quick2Player1 = nullptr, *SaveGame1 = nullptr, *PrintScorecard1 = nullptr,
            *EXit1 = nullptr, *Undo1 = nullptr, *N3 = nullptr, *Sound1 = nullptr,
            *Animation1 = nullptr, *Cascade1 = nullptr, *Tile1 = nullptr, *About1 = nullptr;

    // Rolls the player at turn may still make, -1..3; kept in the Tag of i_rolls.
    int RollsLeft() const;
    void SetRollsLeft(int rolls);
    bool SoundOn() const;
    bool AnimationOn() const;
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString &text);
    rules::DiceValues diceValues() const;

    // Turn flow.
    void NextPlayer(int player);
    void FinishGame();
    void SetDiceEnabled(bool enabled);
    void SetDiceSelected(bool selected);
    void RecordUndo(int player, int tag, bool upper, int column);
    // The main window's half of a scorecard's end-of-turn step.
    void EndTurn(int player, int tag, bool upper, int column);
    void QuickStart(int players, bool hard, bool triple);
    void SaveCardPosition(int player);

    // Rolling.
    void RollDice();
    void AnimateStep();
    bool PlaySound(int sound, bool loop);
    void StopSound();

    // Scoring rules: a score, 0 for an accepted zero, -1 for a declined one.
    int ScoreFace(int face);
    int ScoreOfAKind(int n);
    int ScoreFullHouse();
    int ScoreStraight(bool small);
    int ScoreQuindle();
    int SumOfDice() const;
    bool HasOfAKind(int n) const;
    bool HasRun(int start, bool upward) const;
    // True when the player declines the zero.
    bool ConfirmZero();

    // Menu commands and tray handlers.
    void New1Click();
    void LoadGame1Click();
    void SaveGame1Click();
    void PrintScorecard1Click();
    void Undo1Click();
    void N3Click();
    void Sound1Click();
    void Animation1Click();
    void Cascade1Click();
    void Tile1Click();
    void About1Click();
    void a_rollMouseDown(QWidget *sender, QMouseEvent *event);
    void a_rollMouseUp(QWidget *sender, QMouseEvent *event);
    void a_rollChangeFrame(TAnimated *sender);
    void FormResize();

    // Settings: read as the window is created, written as it closes.
    void readSettings();
    void FormClose();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createTray();
    void createStatusBar();
    int scoreOrZero(bool qualifies, int score);
    // Ends an animated roll: the dice land, and five of a kind is cheered.
    void playLanding();

    // Set while an opened game's cards are recounted: each recount calls
    // NextPlayer, which must neither pass the turn nor end the game before
    // every card has been read (issue #5).
    bool m_restoring = false;

    // The New Game dialog while it is open; it has no parent, so that
    // disabling this window leaves it usable, and goes with this window.
    QPointer<QWidget> m_wizard;

    void reportUnwritableSettings();
    // "Sounds" as read: written back while there is no sound device, whose
    // lack unchecks Sound1 without the player having chosen it.
    bool m_soundsSetting = true;
    // Once the closing has reported the file unwritable, the cards that go
    // with the window do not report it again.
    bool m_closeWriteFailed = false;
};

// The program's one main window.
extern Tw_Quindle_Main *w_Quindle_Main;
