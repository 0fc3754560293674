// SPDX-License-Identifier: MIT
#pragma once
// A player's scorecard: thirteen categories in up to three columns, the
// bonuses and totals, and the place where the player scores his dice.

#include <QMdiSubWindow>
#include <array>

class TCardLine;
class TImage;
class TShape;
class Tw_Quindle_Main;

class Tw_Card : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 269;
    static constexpr int ClientHeight = 388;

    Tw_Card(Tw_Quindle_Main *main, QWidget *parent = nullptr);
    ~Tw_Card() override;

    bool HardMode = false;
    bool TripleMode = false;
    bool GameOver = false;
    int PlayerNo = 1;
    std::array<bool, 4> UpperBonusGiven{}; // columns 1..3

    TCardLine *u_1, *u_2, *u_3, *u_4, *u_5, *u_6, *u_total, *u_bonus;
    TCardLine *l_3_kind, *l_4_kind, *l_full, *l_small, *l_large, *l_quindle, *l_chance;
    TCardLine *l_bonus, *l_u_total, *l_l_total, *l_grand;
    // u_1..u_6, l_3_kind..l_chance, l_bonus: the rows a saved game holds.
    std::array<TCardLine *, 14> ScoreLines{};
    TImage *Image1, *Image2, *Image3, *Image4;
    TShape *Shape1, *Shape2;
    QWidget *client() const { return m_client; }

    int ColumnFor(const TCardLine *row) const;
    void u_1Click(TCardLine *row);
    void l_3_kindClick(TCardLine *row);
    void l_quindleClick(TCardLine *row);
    void UpdateUpperTotals(int column);
    void UpdateLowerTotals(int column);
    void UpdateGrandTotal(int column);
    void CheckGameOver();
    void EndTurn(int column, int tag, bool upper);

    // A category cell of a column in play is still empty.
    bool hasEmptyCell() const;
    // Brings the card to the front of the client area and activates it.
    void showCard();
    // While quiet (an opened game being recounted), a recount neither
    // announces the end of the player's game nor cheers an upper bonus.
    void setQuiet(bool quiet) { m_quiet = quiet; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TCardLine *addRow(const char *name, int tag, int top, int height, int topLine);
    void createArtwork();
    void trimSystemMenu();
    bool columnComplete(int column) const;
    int columnSum(const std::array<TCardLine *, 7> &rows, int column) const;
    std::array<TCardLine *, 6> upperRows() const;
    std::array<TCardLine *, 7> lowerRows() const;

    Tw_Quindle_Main *m_main;
    QWidget *m_client;
    bool m_quiet = false;
};
