// SPDX-License-Identifier: MIT
#pragma once
// The main window: the hub that owns the game state, the dice tray, the
// scorecards and the menus, and passes the turn from player to player.

#include "game/rules.h"
#include "scoring/CardHost.h"
#include "setup/GameSetup.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMouseEvent;
class TAnimated;
class TCardLine;
class TImage;
class TQuindleDice;
class TShape;
class CoachHint;
class Tw_Card;
struct SavedGame;

class Tw_Quindle_Main : public QMainWindow, public CardHost, public GameStarter {
    Q_OBJECT
public:
    explicit Tw_Quindle_Main(QWidget *parent = nullptr);
    ~Tw_Quindle_Main() override;

    // The About box is the splash window, which belongs to start-up: start-up
    // says how to show it, so that the game does not depend on start-up.
    using AboutBox = void (*)(QWidget *mainWindow);
    static void SetAboutBox(AboutBox show);

    // The dice of the tray, numbered from 1.
    std::array<TQuindleDice *, 6> Dice{};

    // Controls.
    QWidget *p_display = nullptr;
    TImage *i_rolls = nullptr;
    TImage *i_trans = nullptr;
    TShape *Shape1 = nullptr;
    TAnimated *a_roll = nullptr;
    QMdiArea *ClientArea = nullptr;
    QWidget *StatusBar1 = nullptr;
    std::array<QLabel *, 3> StatusPanels{};
    QMenu *Game1 = nullptr, *Options1 = nullptr, *Wimdow1 = nullptr, *Help1 = nullptr;
    QAction *New1 = nullptr, *LoadGame1 = nullptr, *NewRegular1Player1 = nullptr,
            *Quick2Player1 = nullptr, *SaveGame1 = nullptr, *PrintScorecard1 = nullptr,
            *EXit1 = nullptr, *Undo1 = nullptr, *N3 = nullptr, *Sound1 = nullptr,
            *Animation1 = nullptr, *Cascade1 = nullptr, *Tile1 = nullptr, *About1 = nullptr,
            *HowToPlay1 = nullptr, *Hint1 = nullptr;

    // Game state, as the rest of the program may read it.
    Tw_Card *card(int player) const;
    int Players() const { return m_players; }
    int CurrentPlayer() const { return m_currentPlayer; }
    bool CanScore() const override { return m_canScore; }
    bool NoGame() const { return m_noGame; }
    // Rolls the player at turn may still make, -1..3.
    int RollsLeft() const { return m_rollsLeft; }
    // The cup is pressed and its release has not come yet.
    bool rollPressed() const { return m_rollPressed; }
    bool SoundOn() const override;
    bool AnimationOn() const;
    QString statusText(int panel) const;
    rules::DiceValues diceValues() const;

    // Commands: everything a player does, without a mouse.
    void StartGame(const GameSetup &setup) override;
    void QuickStart(int players, bool hard, bool triple);
    void pressRoll();
    void releaseRoll();
    // Holds or releases die 1..5, while the dice can be held.
    void toggleDie(int die);
    // Scores row `line` (0..13, in the card's ScoreLines order) of the player
    // at turn; `column` is the column asked for, which only a Triple (Easy)
    // game honours.
    void scoreLine(int line, int column);

    // Turn flow.
    void NextPlayer(int player) override;
    void FinishGame();
    void SetDiceEnabled(bool enabled);
    void SetDiceSelected(bool selected);
    void SetRollsLeft(int rolls);
    void RecordUndo(int player, int tag, bool upper, int column);
    void EndTurn(int player, int tag, bool upper, int column) override;
    void SaveCardPosition(int player) override;

    // Rolling.
    void RollDice();
    void AnimateStep();
    bool PlaySound(int sound, bool loop) override;
    void StopSound();

    // Scoring rules on the dice of the tray: a score, 0 for an accepted
    // zero, -1 for a declined one.
    int ScoreRow(bool upper, int tag) override;
    RowPreview PreviewRow(bool upper, int tag) const override;
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
    void HowToPlay1Click();
    void Hint1Click();
    CoachHint *coachHint() const { return m_coach; }
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
    bool event(QEvent *event) override;

private:
    struct UndoRecord {
        int player = 1;
        int tag = 0;
        bool upper = false;
        int column = 1;
        int rollsLeft = 0;
        std::array<bool, 6> held{};
    };

    void createMenus();
    void createTray();
    void createStatusBar(QWidget *parent);
    void setStatusText(int panel, const QString &text);
    int scoreCategory(rules::Category category);
    void ClearCards();
    void NewCard(int player, const GameSetup &setup);
    // Gives the turn to `player`: the card `from` is closed, the player's
    // card opened and brought to the front.
    void handTurnTo(int player, Tw_Card *from);
    // Ends a roll: the dice land, and five of a kind is cheered.
    void playLanding();
    void showRollsLeft();
    void restoreGame(const SavedGame &game);

    std::array<QPointer<Tw_Card>, 5> m_cards;
    int m_players = 0;
    int m_currentPlayer = 1;
    bool m_canScore = false;
    bool m_noGame = true;
    bool m_rollHeld = false;
    // The roll control is pressed and its release has not come yet.
    bool m_rollPressed = false;
    int m_rollsLeft = -1;
    std::array<int, 5> m_cardLeft{0, 5, 25, 45, 65};
    std::array<int, 5> m_cardTop{0, 5, 25, 45, 65};
    UndoRecord m_undo;
    CoachHint *m_coach = nullptr;

    // The New Game dialog while it is open.
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
