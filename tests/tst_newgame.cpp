// SPDX-License-Identifier: MIT
// The new game wizard: its pages and buttons, and the game its Finish builds.
#include "FileGame.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "platform/Resources.h"
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

// Clicks each named control in turn: "rb_two cb_next rb_reg cb_next".
void clickThrough(Tw_New_Wizard *wizard, const QString &names)
{
    for (const QString &name : names.split(QLatin1Char(' '))) {
        QWidget *widget = wizard->findChild<QWidget *>(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Where a control sits and what it starts with, in one line.
QString describeControl(const QWidget *w)
{
    QString line = QStringLiteral("%1 %2,%3 %4x%5").arg(w->objectName()).arg(w->x()).arg(w->y())
                       .arg(w->width()).arg(w->height());
    if (const auto *image = qobject_cast<const TImage *>(w); image && !image->picture().isNull())
        line += QStringLiteral(" picture");
    if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        line += QStringLiteral(" '%1' help %2").arg(button->text())
                    .arg(button->property("HelpContext").toInt());
        line += button->isChecked() ? QStringLiteral(" checked") : QString();
    }
    if (const auto *push = qobject_cast<const QPushButton *>(w); push && push->isDefault())
        line += QStringLiteral(" default");
    return line + (w->isEnabled() ? QString() : QStringLiteral(" disabled"));
}

// Everything a set-up decides, a fact a line, to compare two set-ups.
QStringList setUp(const Tw_Quindle_Main &main)
{
    QStringList lines = helpers::describe(main).mid(0, 4); // the state and the status panels
    lines << QStringLiteral("held %1, dice enabled %2, save %3, print %4, %5 windows")
                 .arg(helpers::held(&main)).arg(main.Dice[1]->isEnabled())
                 .arg(main.SaveGame1->isEnabled()).arg(main.PrintScorecard1->isEnabled())
                 .arg(main.ClientArea->subWindowList().size());
    for (int p = 1; p <= 4; ++p) {
        if (const Tw_Card *card = main.card(p)) {
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
    void init() { m_game = std::make_unique<FileGame>(); }
    void cleanup()
    {
        m_game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void dialogHasItsLayout();
    void buttonsFollowTheStateTable();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void finishSetsUpWhatQuickStartSetsUp_data();
    void finishSetsUpWhatQuickStartSetsUp();
    void hardFlagFollowsTheLevelEvenInARegularGame();

private:
    std::unique_ptr<FileGame> m_game;
};

void TestNewGame::dialogHasItsLayout()
{
    Tw_New_Wizard *wizard = openWizard(*m_game->main);
    QVERIFY(wizard);
    QVERIFY(!m_game->main->isEnabled());
    QCOMPARE(wizard->windowTitle(), QStringLiteral("Tolmar Quindle New Game Wizard"));
    QCOMPARE(wizard->size(), QSize(412, 208));
    const QStringList layout{
        "Panel1 0,0 412x165", "Notebook1 192,4 213x157", "i_bit 8,8 180x150 picture",
        "Image4 12,40 32x32 picture", "Image5 56,68 32x32 picture", "Image6 4,84 32x32 picture",
        "Image7 56,112 32x32 picture", "Image8 16,120 32x32 picture",
        "rb_one 104,8 49x17 'One' help 4", "rb_two 160,8 49x17 'Two' help 4",
        "rb_three 104,24 49x17 'Three' help 4", "rb_four 160,24 49x17 'Four' help 4",
        "rb_direct 48,56 153x17 '2 Player via Modem' help 5 disabled",
        "rb_internet 48,92 153x17 'Up to 4 Players via Internet' help 6 disabled",
        "rb_local 48,128 153x17 'Local' help 7 checked disabled",
        "rb_reg 84,16 61x17 'Regular' help 12", "rb_trip 152,16 53x17 'Triple' help 12",
        "Panel2 104,56 97x57", "rb_easy 12,8 61x17 'Easy' help 13 checked disabled",
        "rb_hard 12,32 61x17 'Hard' help 13 disabled",
        "cb_prev 200,176 57x25 '< &Back' help 1 disabled",
        "cb_next 272,176 57x25 '&Next >' help 2 default disabled",
        "cb_close 352,176 57x25 'Cancel' help 3"};
    QStringList shown;
    for (const QString &line : layout)
        shown << describeControl(wizard->findChild<QWidget *>(line.section(' ', 0, 0)));
    QCOMPARE(shown, layout);
}

void TestNewGame::buttonsFollowTheStateTable()
{
    Tw_New_Wizard *w = openWizard(*m_game->main);
    // Page, then Back, Next and the levels as enabled (1) or not.
    const auto after = [w](const QString &clicks) {
        clickThrough(w, clicks);
        return QStringLiteral("%1 back:%2 %3:%4 levels:%5%6")
            .arg(w->Notebook1->currentWidget()->objectName())
            .arg(w->cb_prev->isEnabled()).arg(w->cb_next->text()).arg(w->cb_next->isEnabled())
            .arg(w->rb_easy->isEnabled()).arg(w->rb_hard->isEnabled());
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
    // The other level enables Finish too.
    QCOMPARE(after("cb_prev cb_next rb_hard"), QStringLiteral("Type back:1 &Finish:1 levels:11"));
    QCOMPARE(after("rb_reg"), QStringLiteral("Type back:1 &Finish:1 levels:00"));
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
    helpers::newGame(m_game->main.get(), 2, true, true);
    const QStringList before = setUp(*m_game->main);
    Tw_New_Wizard *w = openWizard(*m_game->main);
    clickThrough(w, QStringLiteral("rb_one cb_next rb_reg"));
    QPointer<Tw_New_Wizard> guard(w);
    if (way == QLatin1String("button"))
        clickThrough(w, QStringLiteral("cb_close"));
    else if (way == QLatin1String("Esc"))
        QTest::keyClick(w, Qt::Key_Escape);
    else
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
    QVERIFY(m_game->main->isEnabled());
    QCOMPARE(setUp(*m_game->main), before);
}

void TestNewGame::finishSetsUpWhatQuickStartSetsUp_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("quickStart"); // the menu item, if there is one
    QTest::addColumn<QString>("status");
    QTest::newRow("one player, Regular, as Quick Start 1 Player")
        << "rb_one cb_next rb_reg cb_next" << "NewRegular1Player1" << "1 Player|Regular Quindle";
    QTest::newRow("two players, Regular, as Quick Start 2 Player")
        << "rb_two cb_next rb_reg cb_next" << "Quick2Player1" << "2 Players|Regular Quindle";
    QTest::newRow("three players, Triple (Easy)")
        << "rb_three cb_next rb_trip cb_next" << "" << "3 Players|Triple (Easy) Quindle";
    QTest::newRow("four players, Triple (Hard)")
        << "rb_four cb_next rb_trip rb_hard cb_next" << "" << "4 Players|Triple (Hard) Quindle";
}

// Each replaces a four-player game with a turn under way, so a smaller game
// shows that no card of the old one is left.
void TestNewGame::finishSetsUpWhatQuickStartSetsUp()
{
    QFETCH(QString, clicks);
    QFETCH(QString, quickStart);
    QFETCH(QString, status);
    const int players = int(QStringList{"rb_one", "rb_two", "rb_three", "rb_four"}.indexOf(
                                clicks.section(QLatin1Char(' '), 0, 0))) + 1;
    const bool triple = clicks.contains(QLatin1String("rb_trip"));
    const bool hard = clicks.contains(QLatin1String("rb_hard"));
    Tw_Quindle_Main &main = *m_game->main;
    helpers::newGame(&main, 4);
    helpers::roll(&main);
    helpers::setHeld(&main, QStringLiteral("10100"));
    clickThrough(openWizard(main), clicks);
    QVERIFY(main.isEnabled());
    QStringList expected{
        QStringLiteral("players %1, player 1 at turn, 3 rolls, can score 0, over 0, undo 0")
            .arg(players),
        status.section('|', 0, 0), status.section('|', 1), QStringLiteral("Player 1's Turn"),
        QStringLiteral("held 00000, dice enabled 0, save 1, print 1, %1 windows").arg(players)};
    for (int i = 1; i <= players; ++i) {
        expected << QStringLiteral("card %1 %2%3%4 'Player %1's score card' at %5,%5").arg(i)
                        .arg(triple).arg(hard).arg(i == 1).arg(5 + 20 * (i - 1));
        QCOMPARE(main.card(i)->windowIcon().pixmap(16).toImage(),
                 QIcon(res::icon(i)).pixmap(16).toImage());
    }
    QCOMPARE(setUp(main), expected);
    QCOMPARE(main.ClientArea->currentSubWindow(), main.card(1));

    helpers::newGame(&main, 4);
    if (quickStart.isEmpty())
        main.QuickStart(players, hard, triple);
    else
        main.findChild<QAction *>(quickStart)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(setUp(main), expected);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Tw_New_Wizard *>(top)); // never shown, and gone
}

void TestNewGame::hardFlagFollowsTheLevelEvenInARegularGame()
{
    clickThrough(openWizard(*m_game->main),
                 QStringLiteral("rb_one cb_next rb_trip rb_hard rb_reg cb_next"));
    QVERIFY(m_game->main->card(1)->HardMode);
    QVERIFY(!m_game->main->card(1)->TripleMode);
    QCOMPARE(m_game->main->statusText(1), QStringLiteral("Regular Quindle"));
}

QUINDLE_TEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
