// SPDX-License-Identifier: MIT
#pragma once
// The two-page dialog that asks for the number of players and the kind of
// game, and on Finish throws the running game away and sets up a new one.

#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class GameStarter;
class TBevel;
class TImage;
class TPanel;

class Tw_New_Wizard : public QDialog {
    Q_OBJECT
public:
    // `owner` is disabled while the dialog is open and enabled again when it
    // closes; Finish hands the chosen game to `starter`.
    Tw_New_Wizard(QWidget *owner, GameStarter *starter);

    QFrame *Panel1;
    TPanel *Panel2;
    TBevel *Bevel1, *Bevel2;
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

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createButtons();
    void createPlayersPage();
    void createTypePage();
    void Finish();
    void turnTo(QWidget *page);

    QPointer<QWidget> m_owner;
    GameStarter *m_starter;
};
