// SPDX-License-Identifier: MIT
#include "game/main.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "platform/Cursors.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

Tw_Quindle_Main *w_Quindle_Main = nullptr;

namespace {
constexpr int TrayHeight = 50;
constexpr int StatusHeight = 19;
const QColor TrayColour(128, 255, 128);
const QColor ClientColour(0, 128, 0);

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = QKeySequence())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}
} // namespace

Tw_Quindle_Main::Tw_Quindle_Main(QWidget *parent)
    : QMainWindow(parent)
{
    w_Quindle_Main = this;
    setObjectName(QStringLiteral("w_Quindle_Main"));
    setWindowTitle(QStringLiteral("Tolmar Quindle"));
    setWindowIcon(QIcon(res::icon(1)));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    p_display = new QWidget(central);
    p_display->setObjectName(QStringLiteral("p_display"));
    p_display->setFixedHeight(TrayHeight);
    p_display->setAutoFillBackground(true);
    QPalette trayPalette = p_display->palette();
    trayPalette.setColor(QPalette::Window, TrayColour);
    p_display->setPalette(trayPalette);
    ClientArea = new QMdiArea(central);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setBackground(ClientColour);
    ClientArea->setFrameShape(QFrame::NoFrame);
    layout->addWidget(p_display);
    layout->addWidget(ClientArea, 1);
    setCentralWidget(central);

    createMenus();
    createStatusBar();
    platform::registerScreenCursors();
    createTray();
    if (!platform::services().sound->hasDevice()) {
        Sound1->setChecked(false);
        Sound1->setEnabled(false);
    }
    resize(520, 570);
}

Tw_Quindle_Main::~Tw_Quindle_Main()
{
    StopSound();
    delete m_wizard;
    // The cards go first, while the window they report to still exists.
    ClearCards();
    if (w_Quindle_Main == this)
        w_Quindle_Main = nullptr;
}

void Tw_Quindle_Main::createMenus()
{
    Game1 = menuBar()->addMenu(QStringLiteral("&Game"));
    Game1->setObjectName(QStringLiteral("Game1"));
    New1 = addItem(Game1, "New1", QStringLiteral("&New Game..."), QKeySequence(QStringLiteral("Ctrl+N")));
    LoadGame1 = addItem(Game1, "LoadGame1", QStringLiteral("&Open Game"), QKeySequence(QStringLiteral("Ctrl+O")));
    Game1->addSeparator();
    NewRegular1Player1 = addItem(Game1, "NewRegular1Player1", QStringLiteral("Quick Start &1 Player"));
    Quick2Player1 = addItem(Game1, "Quick2Player1", QStringLiteral("Quick Start &2 Player"));
    Game1->addSeparator();
    SaveGame1 = addItem(Game1, "SaveGame1", QStringLiteral("&Save Game"), QKeySequence(QStringLiteral("Ctrl+S")));
    PrintScorecard1 = addItem(Game1, "PrintScorecard1", QStringLiteral("&Print Scorecard"));
    Game1->addSeparator();
    EXit1 = addItem(Game1, "EXit1", QStringLiteral("E&xit"));
    SaveGame1->setEnabled(false);
    PrintScorecard1->setEnabled(false);

    Options1 = menuBar()->addMenu(QStringLiteral("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    Undo1 = addItem(Options1, "Undo1", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    Undo1->setEnabled(false);
    Options1->addSeparator();
    N3 = addItem(Options1, "N3", QStringLiteral("&Reverse Selection"), QKeySequence(QStringLiteral("Ctrl+R")));
    Options1->addSeparator();
    Sound1 = addItem(Options1, "Sound1", QStringLiteral("&Sound"));
    Animation1 = addItem(Options1, "Animation1", QStringLiteral("&Animation"));
    // A checkable item toggles its own check mark when clicked.
    Sound1->setCheckable(true);
    Animation1->setCheckable(true);
    Sound1->setChecked(true);
    Animation1->setChecked(true);

    Wimdow1 = menuBar()->addMenu(QStringLiteral("&Window"));
    Wimdow1->setObjectName(QStringLiteral("Wimdow1"));
    Cascade1 = addItem(Wimdow1, "Cascade1", QStringLiteral("&Cascade"), QKeySequence(QStringLiteral("Shift+F5")));
    Tile1 = addItem(Wimdow1, "Tile1", QStringLiteral("&Tile"), QKeySequence(QStringLiteral("Shift+F4")));

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = addItem(Help1, "About1", QStringLiteral("&About"));

    connect(New1, &QAction::triggered, this, &Tw_Quindle_Main::New1Click);
    connect(LoadGame1, &QAction::triggered, this, &Tw_Quindle_Main::LoadGame1Click);
    connect(NewRegular1Player1, &QAction::triggered, this, [this] { QuickStart(1, false, false); });
    connect(Quick2Player1, &QAction::triggered, this, [this] { QuickStart(2, false, false); });
    connect(SaveGame1, &QAction::triggered, this, &Tw_Quindle_Main::SaveGame1Click);
    connect(PrintScorecard1, &QAction::triggered, this, &Tw_Quindle_Main::PrintScorecard1Click);
    connect(EXit1, &QAction::triggered, this, &QWidget::close);
    connect(Undo1, &QAction::triggered, this, &Tw_Quindle_Main::Undo1Click);
    connect(N3, &QAction::triggered, this, &Tw_Quindle_Main::N3Click);
    connect(Cascade1, &QAction::triggered, this, &Tw_Quindle_Main::Cascade1Click);
    connect(Tile1, &QAction::triggered, this, &Tw_Quindle_Main::Tile1Click);
    connect(About1, &QAction::triggered, this, &Tw_Quindle_Main::About1Click);
}

void Tw_Quindle_Main::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(StatusHeight);
    const int widths[3] = {75, 125, 50};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        // The last panel takes the rest of the bar.
        bar->addWidget(panel, i == 2 ? 1 : 0);
        StatusPanels[i] = panel;
    }
}

void Tw_Quindle_Main::createTray()
{
    for (int i = 1; i <= 5; ++i) {
        auto *die = new TQuindleDice(p_display);
        die->setObjectName(QStringLiteral("Dice%1").arg(i));
        die->move(2 + 47 * (i - 1), 2);
        die->setEnabled(false);
        die->Roll();
        Dice[i] = die;
    }

    i_rolls = new TImage(p_display);
    i_rolls->setObjectName(QStringLiteral("i_rolls"));
    i_rolls->resize(80, 35);
    // The picture for three rolls, though none is possible before a game.
    i_rolls->setPicture(res::picture(res::bitmap(3)));

    i_trans = new TImage(p_display);
    i_trans->setObjectName(QStringLiteral("i_trans"));
    i_trans->resize(50, 50);
    i_trans->setPicture(res::picture(res::bitmap(5)));

    Shape1 = new TShape(p_display);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->resize(49, 50);
    Shape1->setPen(Qt::white, 1);
    Shape1->setBrush(Qt::white);

    a_roll = new TAnimated(p_display);
    a_roll->setObjectName(QStringLiteral("a_roll"));
    a_roll->loadBitMap(QPixmap(res::bitmap(4)));
    a_roll->resize(41, 40);
    a_roll->setInterval(20);
    a_roll->setFrameCount(10);
    a_roll->setLoop(false);

    const QCursor hand = platform::screenCursor(platform::HandCursor);
    for (QWidget *part : {static_cast<QWidget *>(Shape1), static_cast<QWidget *>(a_roll),
                          static_cast<QWidget *>(i_trans)})
        part->setCursor(hand);
    connect(Shape1, &TShape::mousePressed, this, &Tw_Quindle_Main::a_rollMouseDown);
    connect(Shape1, &TShape::mouseReleased, this, &Tw_Quindle_Main::a_rollMouseUp);
    connect(i_trans, &TImage::mousePressed, this, &Tw_Quindle_Main::a_rollMouseDown);
    connect(i_trans, &TImage::mouseReleased, this, &Tw_Quindle_Main::a_rollMouseUp);
    connect(a_roll, &TAnimated::mousePressed, this, &Tw_Quindle_Main::a_rollMouseDown);
    connect(a_roll, &TAnimated::mouseReleased, this, &Tw_Quindle_Main::a_rollMouseUp);
    connect(a_roll, &TAnimated::changeFrame, this, &Tw_Quindle_Main::a_rollChangeFrame);
    FormResize();
}

void Tw_Quindle_Main::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void Tw_Quindle_Main::FormResize()
{
    if (!Shape1)
        return;
    // The tray spans the client width even before the layout has run.
    const int clientWidth = width();
    Shape1->move(clientWidth - Shape1->width(), 0);
    a_roll->move(Shape1->x() + 4, 5);
    i_trans->move(Shape1->x() - 48, 0);
    i_rolls->move(i_trans->x() - i_rolls->width(), 0);
}

Tw_Card *Tw_Quindle_Main::card(int player) const
{
    return player >= 1 && player <= 4 ? m_cards[player].data() : nullptr;
}

bool Tw_Quindle_Main::SoundOn() const
{
    return Sound1->isChecked();
}

bool Tw_Quindle_Main::AnimationOn() const
{
    return Animation1->isChecked();
}

QString Tw_Quindle_Main::statusText(int panel) const
{
    return StatusPanels[panel]->text();
}

void Tw_Quindle_Main::setStatusText(int panel, const QString &text)
{
    StatusPanels[panel]->setText(text);
}

void Tw_Quindle_Main::Sound1Click()
{
    Sound1->trigger();
}

void Tw_Quindle_Main::Animation1Click()
{
    Animation1->trigger();
}

void Tw_Quindle_Main::Cascade1Click()
{
    ClientArea->cascadeSubWindows();
}

void Tw_Quindle_Main::Tile1Click()
{
    ClientArea->tileSubWindows();
}
