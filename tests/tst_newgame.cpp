// SPDX-License-Identifier: MIT
// The new game wizard on its own, and the game the main window sets up for
// a choice, whether it comes from the wizard, Quick Start or a saved game.
#include "GameFixture.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Resources.h"
#include "scoring/card.h"
#include "setup/GameSetup.h"
#include "platform/Widgets.h"
#include "setup/newgame.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {
struct Starter final : GameStarter {
    void StartGame(const GameSetup &setup) override
    {
        started << QStringLiteral("%1 players, %2%3").arg(setup.players)
                       .arg(setup.triple ? "Triple" : "Regular").arg(setup.hard ? ", hard" : "");
    }
    QStringList started;
};

// A wizard shown for a disabled owner, as New Game shows it.
struct Dialog {
    Dialog()
    {
        owner.setEnabled(false);
        wizard = new Tw_New_Wizard(&owner, &starter);
        wizard->show();
    }
    ~Dialog() { delete wizard; }
    // Clicks each named control in turn: "rb_two cb_next rb_reg cb_next".
    void click(const QString &names)
    {
        for (const QString &name : names.split(QLatin1Char(' '))) {
            QWidget *widget = wizard->findChild<QWidget *>(name);
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString state() const
    {
        return QStringLiteral("%1 back:%2 %3:%4 levels:%5%6")
            .arg(wizard->Notebook1->currentWidget()->objectName())
            .arg(wizard->cb_prev->isEnabled()).arg(wizard->cb_next->text())
            .arg(wizard->cb_next->isEnabled()).arg(wizard->rb_easy->isEnabled())
            .arg(wizard->rb_hard->isEnabled());
    }
    QWidget owner;
    Starter starter;
    QPointer<Tw_New_Wizard> wizard;
};

// Everything a set-up decides, a fact a line.
QStringList setUp(const GameFixture &game)
{
    QStringList lines = game.describe().mid(0, 4);
    lines << QStringLiteral("save %1, print %2, %3 windows, card 1 in front %4")
                 .arg(game.main->SaveGame1->isEnabled()).arg(game.main->PrintScorecard1->isEnabled())
                 .arg(game.main->ClientArea->subWindowList().size())
                 .arg(game.main->ClientArea->currentSubWindow() == game.card(1));
    for (int p = 1; p <= 4; ++p) {
        if (const Tw_Card *card = game.card(p)) {
            lines << QStringLiteral("card %1 %2%3%4 '%5' at %6,%7").arg(card->PlayerNo)
                         .arg(card->TripleMode).arg(card->HardMode).arg(card->isEnabled())
                         .arg(card->windowTitle()).arg(card->x()).arg(card->y());
        }
    }
    return lines;
}
} // namespace

class TestNewGame : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowTheStateTable();
    void finishHandsOverTheChoice_data();
    void finishHandsOverTheChoice();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void aGameIsSetUpForTheChoice_data();
    void aGameIsSetUpForTheChoice();
    void closingTheMainWindowClosesTheWizardFirst();
    void labelsAndBevelsSitWhereTheyAreDrawn();
};

void TestNewGame::buttonsFollowTheStateTable()
{
    Dialog dialog;
    const auto after = [&dialog](const QString &clicks) {
        dialog.click(clicks);
        return dialog.state();
    };
    QCOMPARE(after("cb_next"), QStringLiteral("Page1 back:0 &Next >:0 levels:00"));
    QCOMPARE(after("rb_two"), QStringLiteral("Page1 back:0 &Next >:1 levels:00"));
    QCOMPARE(after("cb_next"), QStringLiteral("Type back:1 &Finish:0 levels:00"));
    QCOMPARE(after("rb_reg"), QStringLiteral("Type back:1 &Finish:1 levels:00"));
    QCOMPARE(after("cb_prev"), QStringLiteral("Page1 back:0 &Next >:1 levels:00"));
    QCOMPARE(after("cb_next"), QStringLiteral("Type back:1 &Finish:0 levels:00"));
    // Already selected: nothing runs.
    QCOMPARE(after("rb_reg"), QStringLiteral("Type back:1 &Finish:0 levels:00"));
    QCOMPARE(after("rb_trip"), QStringLiteral("Type back:1 &Finish:1 levels:11"));
    QCOMPARE(after("cb_prev cb_next rb_hard"), QStringLiteral("Type back:1 &Finish:1 levels:11"));
    QCOMPARE(after("rb_reg"), QStringLiteral("Type back:1 &Finish:1 levels:00"));
    QVERIFY(dialog.starter.started.isEmpty());
}

void TestNewGame::finishHandsOverTheChoice_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("game");
    QTest::newRow("one player, Regular") << "rb_one cb_next rb_reg" << "1 players, Regular";
    QTest::newRow("three players, Triple (Easy)") << "rb_three cb_next rb_trip" << "3 players, Triple";
    QTest::newRow("four players, Triple (Hard)")
        << "rb_four cb_next rb_trip rb_hard" << "4 players, Triple, hard";
    QTest::newRow("the level chosen before Regular is kept")
        << "rb_two cb_next rb_trip rb_hard rb_reg" << "2 players, Regular, hard";
}

void TestNewGame::finishHandsOverTheChoice()
{
    QFETCH(QString, clicks);
    QFETCH(QString, game);
    Dialog dialog;
    dialog.click(clicks + QStringLiteral(" cb_next"));
    QCOMPARE(dialog.starter.started, QStringList{game});
    QVERIFY(!dialog.wizard);
    QVERIFY(dialog.owner.isEnabled());
}

void TestNewGame::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("the Cancel button") << "button";
    QTest::newRow("the Esc key") << "Esc";
    QTest::newRow("the close box") << "close";
}

void TestNewGame::cancelChangesNothing()
{
    QFETCH(QString, way);
    Dialog dialog;
    dialog.click(QStringLiteral("rb_one cb_next rb_reg"));
    if (way == QLatin1String("button"))
        dialog.click(QStringLiteral("cb_close"));
    else if (way == QLatin1String("Esc"))
        QTest::keyClick(dialog.wizard, Qt::Key_Escape);
    else
        dialog.wizard->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog.wizard);
    QVERIFY(dialog.owner.isEnabled());
    QVERIFY(dialog.starter.started.isEmpty());
}

void TestNewGame::aGameIsSetUpForTheChoice_data()
{
    QTest::addColumn<int>("players"); // asked of Quick Start
    QTest::addColumn<bool>("triple");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<QString>("status");
    QTest::newRow("one player, Regular") << 1 << false << false << "1 Player|Regular Quindle";
    QTest::newRow("two players, Triple (Easy)") << 2 << true << false << "2 Players|Triple (Easy) Quindle";
    QTest::newRow("three players, Triple (Hard)") << 3 << true << true << "3 Players|Triple (Hard) Quindle";
    QTest::newRow("a count the wizard cannot show makes four") << 7 << false << true
                                                               << "4 Players|Regular Quindle";
}

// Each replaces a four-player game with a turn under way, so a smaller game
// shows that no card of the old one is left.
void TestNewGame::aGameIsSetUpForTheChoice()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(bool, hard);
    QFETCH(QString, status);
    GameFixture game;
    game.newGame(4);
    game.rollAs(QStringLiteral("12345"));
    game.setHeld(QStringLiteral("10100"));
    game.newGame(players, triple, hard);
    const int count = qMin(players, 4);
    QStringList expected{
        QStringLiteral("players %1, player 1 at turn, 3 rolls, can score 0, over 0, undo 0, "
                       "dice 12345 held 00000 enabled 0").arg(count),
        status.section('|', 0, 0), status.section('|', 1), QStringLiteral("Player 1's Turn"),
        QStringLiteral("save 1, print 1, %1 windows, card 1 in front 1").arg(count)};
    for (int i = 1; i <= count; ++i) {
        expected << QStringLiteral("card %1 %2%3%4 'Player %1's score card' at %5,%5").arg(i)
                        .arg(triple).arg(triple && hard).arg(i == 1).arg(5 + 20 * (i - 1));
        QCOMPARE(game.card(i)->windowIcon().pixmap(16).toImage(),
                 QIcon(res::icon(i)).pixmap(16).toImage());
    }
    QCOMPARE(setUp(game), expected);
    QVERIFY(game.card(1)->hasFocus() || game.card(1)->isAncestorOf(QApplication::focusWidget()));
}

// New Game shows the dialog, owned by a window it disables; closing that
// window closes the dialog first, so nothing is left running.
void TestNewGame::closingTheMainWindowClosesTheWizardFirst()
{
    GameFixture game;
    game.main->New1->trigger();
    QPointer<Tw_New_Wizard> wizard = game.main->findChild<Tw_New_Wizard *>();
    QVERIFY(wizard && wizard->isVisible() && wizard->isWindow() && wizard->isEnabled());
    QVERIFY(!game.main->isEnabled());
    QCOMPARE(wizard->windowTitle(), QStringLiteral("Tolmar Quindle New Game Wizard"));
    game.main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!wizard);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->windowTitle()));
}

// The rows of dark pixels of a control's text, relative to the dialog.
static QPair<int, int> textRows(const QImage &image, const QWidget *control, int left, int right)
{
    const QPoint origin = control->mapTo(control->window(), QPoint(0, 0));
    int top = -1, bottom = -1;
    for (int y = 0; y < control->height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (qGray(image.pixel(origin + QPoint(x, y))) < 80) {
                top = top < 0 ? origin.y() + y : top;
                bottom = origin.y() + y;
            }
        }
    }
    return {top, bottom};
}

// A label's capitals stand as high as those of the choices on its line; the
// separator above the buttons is white over grey from y = 165; the level
// panel has a lowered outer and a raised inner edge.
void TestNewGame::labelsAndBevelsSitWhereTheyAreDrawn()
{
    Dialog dialog;
    Tw_New_Wizard *w = dialog.wizard;
    QImage image = w->grab().toImage();
    QCOMPARE(textRows(image, w->Label1, 0, 8).first, textRows(image, w->rb_one, 16, 24).first);
    dialog.click(QStringLiteral("rb_one cb_next"));
    image = w->grab().toImage();
    QCOMPARE(textRows(image, w->Label2, 0, 8).first, textRows(image, w->rb_reg, 16, 24).first);
    QCOMPARE(image.pixelColor(100, 165), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(100, 166), QColor(128, 128, 128));
    const QPoint panel = w->Panel2->mapTo(w, QPoint(0, 0));
    const QSize size = w->Panel2->size();
    const auto at = [&](int x, int y) { return image.pixelColor(panel + QPoint(x, y)); };
    QCOMPARE(at(20, 0), QColor(128, 128, 128));
    QCOMPARE(at(20, 1), QColor(255, 255, 255));
    QCOMPARE(at(size.width() - 1, 20), QColor(255, 255, 255));
    QCOMPARE(at(size.width() - 2, 20), QColor(128, 128, 128));
}

QUINDLE_TEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
