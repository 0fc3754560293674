// SPDX-License-Identifier: MIT
// The new game wizard on its own, and the game the main window sets up for
// a choice, whether it comes from the wizard, Quick Start or a saved game.
#include "GameFixture.h"
#include "TestMain.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "setup/newgame.h"
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {
// A wizard shown for a disabled owner, as New Game shows it, noting each game it starts.
struct Dialog final : GameStarter {
    Dialog()
    {
        owner.setEnabled(false);
        wizard = new Tw_New_Wizard(&owner, this);
        wizard->show();
    }
    ~Dialog() override { delete wizard; }
    void StartGame(const GameSetup &setup) override
    {
        started << QStringLiteral("%1 players, %2%3").arg(setup.players)
                       .arg(setup.triple ? "Triple" : "Regular").arg(setup.hard ? ", hard" : "");
    }
    // Clicks each named control in turn: "rb_two cb_next"; "Esc" presses the key, "close" the close box.
    void click(const QString &names)
    {
        for (const QString &name : names.split(QLatin1Char(' '))) {
            if (name == QLatin1String("Esc"))
                QTest::keyClick(wizard, Qt::Key_Escape);
            else if (name == QLatin1String("close"))
                wizard->close();
            else if (QWidget *widget = wizard->findChild<QWidget *>(name))
                QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString state() const
    {
        return QStringLiteral("%1 back:%2 %3:%4 levels:%5%6")
            .arg(wizard->Notebook1->currentWidget()->objectName()).arg(wizard->cb_prev->isEnabled())
            .arg(wizard->cb_next->text()).arg(wizard->cb_next->isEnabled())
            .arg(wizard->rb_easy->isEnabled()).arg(wizard->rb_hard->isEnabled());
    }
    QWidget owner;
    QStringList started;
    QPointer<Tw_New_Wizard> wizard;
};
} // namespace

class TestNewGame : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowTheStateTable()
    {
        Dialog dialog;
        const QStringList steps{
            "cb_next", "Page1 back:0 &Next >:0 levels:00", "rb_two", "Page1 back:0 &Next >:1 levels:00",
            "cb_next", "Type back:1 &Finish:0 levels:00", "rb_reg", "Type back:1 &Finish:1 levels:00",
            "cb_prev", "Page1 back:0 &Next >:1 levels:00", "cb_next", "Type back:1 &Finish:0 levels:00",
            "rb_reg", "Type back:1 &Finish:0 levels:00", "rb_trip", "Type back:1 &Finish:1 levels:11",
            "cb_prev cb_next rb_hard", "Type back:1 &Finish:1 levels:11", "rb_reg", "Type back:1 &Finish:1 levels:00"};
        for (int i = 0; i < steps.size(); i += 2) {
            dialog.click(steps[i]);
            QCOMPARE(dialog.state(), steps[i + 1]);
        }
        QVERIFY(dialog.started.isEmpty());
    }
    void finishHandsOverTheChoiceAndCancelNothing_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("game");
        QTest::newRow("one player, Regular") << "rb_one cb_next rb_reg cb_next" << "1 players, Regular";
        QTest::newRow("three players, Triple (Easy)") << "rb_three cb_next rb_trip cb_next" << "3 players, Triple";
        QTest::newRow("four players, Triple (Hard)") << "rb_four cb_next rb_trip rb_hard cb_next" << "4 players, Triple, hard";
        QTest::newRow("the level chosen before Regular is kept") << "rb_two cb_next rb_trip rb_hard rb_reg cb_next" << "2 players, Regular, hard";
        QTest::newRow("the Cancel button") << "rb_one cb_next rb_reg cb_close" << "";
        QTest::newRow("the Esc key") << "rb_one cb_next rb_reg Esc" << "";
        QTest::newRow("the close box") << "rb_one cb_next rb_reg close" << "";
    }
    void finishHandsOverTheChoiceAndCancelNothing()
    {
        QFETCH(QString, clicks);
        Dialog dialog;
        dialog.click(clicks);
        QTEST(dialog.started.join('|'), "game");
        QVERIFY(!dialog.wizard && dialog.owner.isEnabled());
    }
    void aGameIsSetUpForTheChoice_data()
    {
        QTest::addColumn<int>("players"); // asked of Quick Start
        QTest::addColumn<bool>("triple");
        QTest::addColumn<bool>("hard");
        QTest::addColumn<QString>("kind");
        QTest::newRow("one player, Regular") << 1 << false << false << "1 Player|Regular Quindle";
        QTest::newRow("two players, Triple (Easy)") << 2 << true << false << "2 Players|Triple (Easy) Quindle";
        QTest::newRow("three players, Triple (Hard)") << 3 << true << true << "3 Players|Triple (Hard) Quindle";
        QTest::newRow("a count the wizard cannot show makes four") << 7 << false << true << "4 Players|Regular Quindle";
    }
    // Each replaces a four-player game with a turn under way, so a smaller
    // game shows that no card of the old one is left.
    void aGameIsSetUpForTheChoice()
    {
        QFETCH(int, players);
        QFETCH(bool, triple);
        QFETCH(bool, hard);
        QFETCH(QString, kind);
        GameFixture game;
        game.newGame(4);
        game.rollAs(QStringLiteral("12345"));
        game.setHeld(QStringLiteral("10100"));
        game.newGame(players, triple, hard);
        const int count = qMin(players, 4);
        QStringList shown = game.describe().mid(0, 4);
        QStringList expected{QStringLiteral("players %1, player 1 at turn, 3 rolls, can score 0, over 0, undo 0, "
                                            "dice 12345 held 00000 enabled 0").arg(count),
                             kind.section('|', 0, 0), kind.section('|', 1), QStringLiteral("Player 1's Turn")};
        shown << QStringLiteral("save %1, print %2, %3 windows, card 1 in front %4").arg(game.main->SaveGame1->isEnabled())
                     .arg(game.main->PrintScorecard1->isEnabled()).arg(game.main->ClientArea->subWindowList().size())
                     .arg(game.main->ClientArea->currentSubWindow() == game.card(1));
        expected << QStringLiteral("save 1, print 1, %1 windows, card 1 in front 1").arg(count);
        for (int p = 1; p <= count; ++p) {
            const Tw_Card *card = game.card(p);
            shown << QStringLiteral("card %1 %2%3%4 '%5' at %6,%7").arg(card->PlayerNo).arg(card->TripleMode)
                         .arg(card->HardMode).arg(card->isEnabled()).arg(card->windowTitle()).arg(card->x()).arg(card->y());
            expected << QStringLiteral("card %1 %2%3%4 'Player %1's score card' at %5,%5").arg(p)
                            .arg(triple).arg(triple && hard).arg(p == 1).arg(5 + 20 * (p - 1));
            QCOMPARE(card->windowIcon().pixmap(16).toImage(), QIcon(res::icon(p)).pixmap(16).toImage());
        }
        QCOMPARE(shown, expected);
        QVERIFY(game.card(1)->hasFocus() || game.card(1)->isAncestorOf(QApplication::focusWidget()));
    }
    // New Game shows the dialog, owned by a window it disables; closing that
    // window closes the dialog first, so nothing is left running.
    void closingTheMainWindowClosesTheWizardFirst()
    {
        GameFixture game;
        game.main->New1->trigger();
        QPointer<Tw_New_Wizard> wizard = game.main->findChild<Tw_New_Wizard *>();
        QVERIFY(wizard && wizard->isVisible() && wizard->isWindow() && wizard->isEnabled() && !game.main->isEnabled());
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Tolmar Quindle New Game Wizard"));
        game.main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!wizard);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->windowTitle()));
    }
    // The separator above the buttons is white over grey from y = 165; the
    // level panel has a lowered outer and a raised inner edge.
    void separatorAndLevelPanelAreBevelled()
    {
        Dialog dialog;
        Tw_New_Wizard *w = dialog.wizard;
        dialog.click(QStringLiteral("rb_one cb_next"));
        const QImage image = w->grab().toImage();
        const QPoint panel = w->Panel2->mapTo(w, QPoint(0, 0));
        const int right = w->Panel2->width() - 1;
        QStringList greys; // 255 white, 128 grey
        for (const QPoint at : {QPoint(100, 165), QPoint(100, 166), panel + QPoint(20, 0), panel + QPoint(20, 1),
                                panel + QPoint(right, 20), panel + QPoint(right - 1, 20)})
            greys << QString::number(qGray(image.pixel(at)));
        QCOMPARE(greys.join(' '), QStringLiteral("255 128 128 255 255 128"));
    }
};

QUINDLE_TEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
