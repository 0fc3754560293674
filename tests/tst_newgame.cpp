// SPDX-License-Identifier: MIT
// The new game wizard: its pages and buttons, and the game its Finish builds.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Widgets.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {
Tw_New_Wizard *openWizard(Tw_Quindle_Main &main)
{
    main.New1->trigger();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *wizard = qobject_cast<Tw_New_Wizard *>(w); wizard && wizard->isVisible())
            return wizard;
    }
    return nullptr;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// Everything a set-up decides, in one line, to compare two set-ups.
QString snapshot(const Tw_Quindle_Main &main)
{
    QStringList parts;
    parts << QString::number(main.Players) << QString::number(main.CurrentPlayer)
          << QString::number(main.RollsLeft()) << QString::number(main.CanScore)
          << QString::number(main.NoGame) << main.statusText(0) << main.statusText(1)
          << main.statusText(2) << QString::number(main.SaveGame1->isEnabled())
          << QString::number(main.Undo1->isEnabled());
    for (int i = 1; i <= 4; ++i) {
        const Tw_Card *card = main.Cards[i];
        parts << (card ? QStringLiteral("%1:%2%3%4 %5 %6,%7")
                             .arg(card->PlayerNo).arg(card->TripleMode).arg(card->HardMode)
                             .arg(card->isEnabled()).arg(card->windowTitle())
                             .arg(card->x()).arg(card->y())
                       : QStringLiteral("-"));
    }
    for (int i = 1; i <= 5; ++i)
        parts << QString::number(main.Dice[i]->isEnabled()) + QString::number(main.Dice[i]->Selected());
    return parts.join(QLatin1Char('|'));
}
} // namespace

class TestNewGame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialogHasItsLayout();
    void buttonsFollowTheStateTable();
    void easyAndHardFollowTriple();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void finishSetsUpTheChosenGame_data();
    void finishSetsUpTheChosenGame();
    void quickStartMatchesTheDialog_data();
    void quickStartMatchesTheDialog();
    void quickStartWithAnOddCountSetsUpFourPlayers();
    void smallerNewGameLeavesNoStaleCard();
    void hardFlagFollowsTheLevelEvenInARegularGame();

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestNewGame::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
}

void TestNewGame::cleanup()
{
    m_main.reset();
    m_fake.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNewGame::dialogHasItsLayout()
{
    Tw_New_Wizard *wizard = openWizard(*m_main);
    QVERIFY(wizard);
    QVERIFY(!m_main->isEnabled());
    QCOMPARE(wizard->windowTitle(), QStringLiteral("Tolmar Quindle New Game Wizard"));
    QCOMPARE(wizard->size(), QSize(412, 208));
    QCOMPARE(wizard->Panel1->geometry(), QRect(0, 0, 412, 165));
    QCOMPARE(wizard->Notebook1->geometry(), QRect(192, 4, 213, 157));
    QCOMPARE(wizard->i_bit->geometry(), QRect(8, 8, 180, 150));
    QVERIFY(!wizard->i_bit->picture().isNull());
    const QPoint decorations[5] = {{12, 40}, {56, 68}, {4, 84}, {56, 112}, {16, 120}};
    for (int i = 0; i < 5; ++i) {
        const auto *image = wizard->Type->findChild<TImage *>(QStringLiteral("Image%1").arg(i + 4));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(decorations[i], QSize(32, 32)));
        QVERIFY(!image->picture().isNull());
    }
    QCOMPARE(wizard->cb_prev->geometry(), QRect(200, 176, 57, 25));
    QCOMPARE(wizard->cb_next->geometry(), QRect(272, 176, 57, 25));
    QCOMPARE(wizard->cb_close->geometry(), QRect(352, 176, 57, 25));
    QVERIFY(wizard->cb_next->isDefault());
    QCOMPARE(wizard->rb_one->geometry(), QRect(104, 8, 49, 17));
    QCOMPARE(wizard->rb_four->geometry(), QRect(160, 24, 49, 17));
    QCOMPARE(wizard->rb_hard->geometry(), QRect(12, 32, 61, 17));
    QVERIFY(wizard->rb_local->isChecked());
    QVERIFY(!wizard->rb_local->isEnabled() && !wizard->rb_direct->isEnabled()
            && !wizard->rb_internet->isEnabled());
    for (QRadioButton *b : {wizard->rb_one, wizard->rb_two, wizard->rb_three, wizard->rb_four,
                            wizard->rb_reg, wizard->rb_trip, wizard->rb_hard})
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QVERIFY(wizard->rb_easy->isChecked());
    QCOMPARE(wizard->rb_one->property("HelpContext").toInt(), 4);
    QCOMPARE(wizard->rb_trip->property("HelpContext").toInt(), 12);
    QCOMPARE(wizard->rb_easy->property("HelpContext").toInt(), 13);
    QCOMPARE(wizard->cb_close->property("HelpContext").toInt(), 3);
}

void TestNewGame::buttonsFollowTheStateTable()
{
    Tw_New_Wizard *w = openWizard(*m_main);
    auto state = [w] {
        return QStringLiteral("%1 back:%2 %3:%4")
            .arg(w->Notebook1->currentWidget()->objectName())
            .arg(w->cb_prev->isEnabled())
            .arg(w->cb_next->text())
            .arg(w->cb_next->isEnabled());
    };
    QCOMPARE(state(), QStringLiteral("Page1 back:0 &Next >:0"));
    click(w->cb_next); // disabled: nothing
    QCOMPARE(state(), QStringLiteral("Page1 back:0 &Next >:0"));
    click(w->rb_two);
    QCOMPARE(state(), QStringLiteral("Page1 back:0 &Next >:1"));
    click(w->cb_next);
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:0"));
    click(w->rb_reg);
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:1"));
    click(w->cb_prev);
    QCOMPARE(state(), QStringLiteral("Page1 back:0 &Next >:1"));
    click(w->cb_next);
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:0"));
    click(w->rb_reg); // already selected: nothing runs
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:0"));
    click(w->rb_trip);
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:1"));
    click(w->cb_prev);
    click(w->cb_next);
    click(w->rb_hard); // the other difficulty enables Finish too
    QCOMPARE(state(), QStringLiteral("Type back:1 &Finish:1"));
}

void TestNewGame::easyAndHardFollowTriple()
{
    Tw_New_Wizard *w = openWizard(*m_main);
    click(w->rb_one);
    click(w->cb_next);
    QVERIFY(!w->rb_easy->isEnabled() && !w->rb_hard->isEnabled());
    click(w->rb_trip);
    QVERIFY(w->rb_easy->isEnabled() && w->rb_hard->isEnabled());
    click(w->rb_hard);
    click(w->rb_reg);
    QVERIFY(!w->rb_easy->isEnabled() && !w->rb_hard->isEnabled());
    QVERIFY(w->rb_hard->isChecked()); // the choice stays as it was
}

void TestNewGame::cancelChangesNothing_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("the Cancel button") << 0;
    QTest::newRow("the Esc key") << 1;
    QTest::newRow("the close box") << 2;
}

void TestNewGame::cancelChangesNothing()
{
    QFETCH(int, way);
    helpers::newGame(m_main.get(), 2, true, true);
    const QString before = snapshot(*m_main);
    Tw_New_Wizard *w = openWizard(*m_main);
    click(w->rb_one);
    click(w->cb_next);
    click(w->rb_reg);
    QPointer<Tw_New_Wizard> guard(w);
    if (way == 0)
        click(w->cb_close);
    else if (way == 1)
        QTest::keyClick(w, Qt::Key_Escape);
    else
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
    QVERIFY(m_main->isEnabled());
    QCOMPARE(snapshot(*m_main), before);
}

void TestNewGame::finishSetsUpTheChosenGame_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("status");
    QTest::newRow("one player, Regular") << "rb_one" << "rb_reg" << 1 << "1 Player|Regular Quindle";
    QTest::newRow("two players, Triple (Easy)") << "rb_two" << "rb_trip" << 2
                                                << "2 Players|Triple (Easy) Quindle";
    QTest::newRow("three players, Triple (Hard)") << "rb_three" << "rb_hard" << 3
                                                  << "3 Players|Triple (Hard) Quindle";
    QTest::newRow("four players, Regular") << "rb_four" << "rb_reg" << 4 << "4 Players|Regular Quindle";
}

void TestNewGame::finishSetsUpTheChosenGame()
{
    QFETCH(QString, count);
    QFETCH(QString, kind);
    QFETCH(int, players);
    QFETCH(QString, status);
    Tw_New_Wizard *w = openWizard(*m_main);
    click(w->findChild<QRadioButton *>(count));
    click(w->cb_next);
    if (kind == QLatin1String("rb_hard"))
        click(w->rb_trip);
    click(w->findChild<QRadioButton *>(kind));
    click(w->cb_next);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Tw_Quindle_Main &main = *m_main;
    QVERIFY(main.isEnabled());
    QCOMPARE(main.Players, players);
    QCOMPARE(main.statusText(0) + "|" + main.statusText(1), status);
    QCOMPARE(main.statusText(2), QStringLiteral("Player 1's Turn"));
    QCOMPARE(main.ClientArea->subWindowList().size(), players);
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(bool(main.Cards[i]), i <= players);
        if (i > players)
            continue;
        const Tw_Card *card = main.Cards[i];
        QCOMPARE(card->PlayerNo, i);
        QCOMPARE(card->windowTitle(), QStringLiteral("Player %1's score card").arg(i));
        QCOMPARE(card->pos(), QPoint(main.CardLeft[i], main.CardTop[i]));
        QCOMPARE(card->isEnabled(), i == 1);
        QCOMPARE(card->TripleMode, kind != QLatin1String("rb_reg"));
        QCOMPARE(card->HardMode, kind == QLatin1String("rb_hard"));
        QVERIFY(!card->GameOver);
        QVERIFY(!card->windowIcon().isNull());
    }
    QCOMPARE(main.ClientArea->currentSubWindow(), main.Cards[1].data());
    QVERIFY(!main.NoGame);
    QVERIFY(!main.CanScore);
    QCOMPARE(main.RollsLeft(), 3);
    QVERIFY(main.SaveGame1->isEnabled() && main.PrintScorecard1->isEnabled());
    QVERIFY(!main.Undo1->isEnabled());
    for (int i = 1; i <= 5; ++i)
        QVERIFY(!main.Dice[i]->isEnabled() && !main.Dice[i]->Selected());
}

void TestNewGame::quickStartMatchesTheDialog_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("triple");
    QTest::addColumn<bool>("hard");
    QTest::newRow("one player, Regular") << 1 << false << false;
    QTest::newRow("two players, Regular") << 2 << false << false;
    QTest::newRow("four players, Triple (Hard)") << 4 << true << true;
}

void TestNewGame::quickStartMatchesTheDialog()
{
    QFETCH(int, players);
    QFETCH(bool, triple);
    QFETCH(bool, hard);
    Tw_New_Wizard *w = openWizard(*m_main);
    const char *counts[] = {"rb_one", "rb_two", "rb_three", "rb_four"};
    click(w->findChild<QRadioButton *>(counts[players - 1]));
    click(w->cb_next);
    click(triple ? w->rb_trip : w->rb_reg);
    if (hard)
        click(w->rb_hard);
    click(w->cb_next);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString byDialog = snapshot(*m_main);

    m_main->QuickStart(players, hard, triple);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(snapshot(*m_main), byDialog);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Tw_New_Wizard *>(top)); // never shown, and gone
}

void TestNewGame::quickStartWithAnOddCountSetsUpFourPlayers()
{
    m_main->QuickStart(7, false, false);
    QCOMPARE(m_main->Players, 4);
    QCOMPARE(m_main->statusText(0), QStringLiteral("4 Players"));
}

void TestNewGame::smallerNewGameLeavesNoStaleCard()
{
    m_main->QuickStart(3, false, false);
    QPointer<Tw_Card> old2 = m_main->Cards[2];
    m_main->QuickStart(1, false, false);
    QVERIFY(!old2);
    QVERIFY(!m_main->Cards[2] && !m_main->Cards[3] && !m_main->Cards[4]);
    QCOMPARE(m_main->ClientArea->subWindowList().size(), 1);
    QCOMPARE(m_main->CurrentPlayer, 1);
}

void TestNewGame::hardFlagFollowsTheLevelEvenInARegularGame()
{
    Tw_New_Wizard *w = openWizard(*m_main);
    click(w->rb_one);
    click(w->cb_next);
    click(w->rb_trip);
    click(w->rb_hard);
    click(w->rb_reg);
    click(w->cb_next);
    QVERIFY(m_main->Cards[1]->HardMode);
    QVERIFY(!m_main->Cards[1]->TripleMode);
    QCOMPARE(m_main->statusText(1), QStringLiteral("Regular Quindle"));
}

QUINDLE_TEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
