// SPDX-License-Identifier: MIT
#pragma once
// A player's scorecard: thirteen categories in up to three columns, the
// bonuses and totals, and the place where the player scores his dice.

#include <QMdiSubWindow>
#include <array>

class CardHost;
class TCardLine;
class TImage;
class TShape;
namespace totals { struct Column; }

class Tw_Card : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 269;
    static constexpr int ClientHeight = 388;

    explicit Tw_Card(CardHost *host, QWidget *parent = nullptr);
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

    // The column a click on the row scores.
    int ColumnFor(const TCardLine *row) const;
    // The column that scoring the row scores when `wanted` is asked for:
    // only a Triple (Easy) game gives the player the choice.
    int ColumnFor(const TCardLine *row, int wanted) const;
    void u_1Click(TCardLine *row);
    void l_3_kindClick(TCardLine *row);
    void l_quindleClick(TCardLine *row);
    // Scores the dice into the row, in the column ColumnFor gives: the one
    // path of every click and command.
    void ScoreRow(TCardLine *row, int wanted);
    void UpdateUpperTotals(int column);
    void UpdateLowerTotals(int column);
    void UpdateGrandTotal(int column);
    void CheckGameOver();
    void EndTurn(int column, int tag, bool upper);

    // The scoring row (`upper`, `tag`) as an undo record names it; the
    // lower tag 0 is the Quindle bonus row.
    TCardLine *scoreLine(bool upper, int tag) const;
    // A category cell of a column in play is still empty.
    bool hasEmptyCell() const;
    // The sum of the GRAND TOTAL columns; an empty or unreadable total is
    // an error.
    int grandTotal() const;
    // Brings the card to the front of the client area and activates it.
    void showCard();
    // Recounts every column of cells written directly (an opened game) as
    // no news: no game-over box, no bonus sound, and the turn stays.
    void recountQuietly();
    // The numbers in the category cells of a column, and its bonuses.
    totals::Column cells(int column) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TCardLine *addRow(const char *name, int tag, int top, int height, int topLine);
    void createArtwork();
    void trimSystemMenu();
    bool isUpper(const TCardLine *row) const;
    void writeScore(TCardLine *row, int column, int score);
    void scoreQuindle(int column);
    std::array<TCardLine *, 6> upperRows() const;

    CardHost *m_host;
    QWidget *m_client;
    bool m_quiet = false;
};
