// SPDX-License-Identifier: MIT
#pragma once
// The two-page dialog that asks for the number of players and the kind of
// game, and on Finish throws the running game away and sets up a new one.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TImage;
class Tw_Quindle_Main;

class Tw_New_Wizard : public QDialog {
    Q_OBJECT
public:
    explicit Tw_New_Wizard(Tw_Quindle_Main *main);

    QFrame *Panel1, *Panel2, *Bevel1, *Bevel2;
    TImage *i_bit;
    QStackedWidget *Notebook1;
    QWidget *Page1, *Type;
    QPushButton *cb_prev, *cb_next, *cb_close;
    QLabel *Label1, *Label2;
    QRadioButton *rb_one, *rb_two, *rb_three, *rb_four;
    QRadioButton *rb_direct, *rb_internet, *rb_local;
    QRadioButton *rb_reg, *rb_trip, *rb_easy, *rb_hard;
    class TPopupHelp *HPop;

    void rb_twoClick();
    void rb_tripClick();
    void cb_nextClick();
    void cb_prevClick();
    void cb_closeClick();
    void Notebook1PageChanged();
    void ClearCards();
    void NewCard(int player);

    // Sets up a game as Finish does, without ever showing the dialog; the
    // dialog is gone afterwards.
    void quickStart(int players, bool hard, bool triple);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createButtons();
    void createPlayersPage();
    void createTypePage();
    void Finish();
    void turnTo(QWidget *page);

    Tw_Quindle_Main *m_main;
};
