// SPDX-License-Identifier: MIT
#include "game/main.h"
#include "game/CoachHint.h"
#include "controls/Animate.h"
#include "controls/QuindleDice.h"
#include "game/KeyPlay.h"
#include "platform/Application.h"
#include "platform/Cursors.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSizeGrip>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <functional>

Tw_Quindle_Main *w_Quindle_Main = nullptr;

namespace {
constexpr int TrayHeight = 50;
constexpr int StatusHeight = 19;
const QColor TrayColour(128, 255, 128);
const QColor ClientColour(0, 128, 0);

// Every command runs through the program's handler, which shows a failure
// in the error box instead of letting it into the toolkit.
template <typename Command>
void bind(QAction *action, Tw_Quindle_Main *main, Command command)
{
    QObject::connect(action, &QAction::triggered, main,
                     platform::handler([main, command] { std::invoke(command, main); }));
}

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
    setWindowIcon(QuindleApplication::applicationIcon());

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
    createStatusBar(central);
    layout->addWidget(StatusBar1);
    setCentralWidget(central);

    createMenus();
    platform::registerScreenCursors();
    createTray();
    m_coach = new CoachHint(this);
    readSettings();
    if (!platform::services().sound->hasDevice()) {
        Sound1->setChecked(false);
        Sound1->setEnabled(false);
    }
    new TKeyPlay(this);
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
    PrintScorecard1 = addItem(Game1, "PrintScorecard1", QStringLiteral("&Print Scorecard"), QKeySequence(QStringLiteral("Ctrl+P")));
    Game1->addSeparator();
    EXit1 = addItem(Game1, "EXit1", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    SaveGame1->setEnabled(false);
    PrintScorecard1->setEnabled(false);

    Options1 = menuBar()->addMenu(QStringLiteral("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    Undo1 = addItem(Options1, "Undo1", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    Undo1->setEnabled(false);
    Options1->addSeparator();
    N3 = addItem(Options1, "N3", QStringLiteral("&Reverse Selection"), QKeySequence(QStringLiteral("Ctrl+R")));
    Hint1 = addItem(Options1, "Hint1", QStringLiteral("&Hint"), QKeySequence(QStringLiteral("Ctrl+H")));
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
    HowToPlay1 = addItem(Help1, "HowToPlay1", QStringLiteral("&How to Play"), QKeySequence(QStringLiteral("F1")));
    About1 = addItem(Help1, "About1", QStringLiteral("&About"));

    bind(New1, this, &Tw_Quindle_Main::New1Click);
    bind(LoadGame1, this, &Tw_Quindle_Main::LoadGame1Click);
    bind(NewRegular1Player1, this, [](Tw_Quindle_Main *main) { main->QuickStart(1, false, false); });
    bind(Quick2Player1, this, [](Tw_Quindle_Main *main) { main->QuickStart(2, false, false); });
    bind(SaveGame1, this, &Tw_Quindle_Main::SaveGame1Click);
    bind(PrintScorecard1, this, &Tw_Quindle_Main::PrintScorecard1Click);
    bind(EXit1, this, &QWidget::close);
    bind(Undo1, this, &Tw_Quindle_Main::Undo1Click);
    bind(N3, this, &Tw_Quindle_Main::N3Click);
    bind(Hint1, this, &Tw_Quindle_Main::Hint1Click);
    bind(Cascade1, this, &Tw_Quindle_Main::Cascade1Click);
    bind(Tile1, this, &Tw_Quindle_Main::Tile1Click);
    bind(HowToPlay1, this, &Tw_Quindle_Main::HowToPlay1Click);
    bind(About1, this, &Tw_Quindle_Main::About1Click);
}

// The panels sit side by side from the bar's left edge, each a sunken
// frame, the last one running on to the size grip; a toolkit status bar
// would put its own margins and spacing between them.
void Tw_Quindle_Main::createStatusBar(QWidget *parent)
{
    StatusBar1 = new QWidget(parent);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(StatusHeight);
    auto *layout = new QHBoxLayout(StatusBar1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int widths[3] = {75, 125, 50};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        // Panel texts can come from a saved game, and are never markup.
        panel->setTextFormat(Qt::PlainText);
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(widths[i]);
        layout->addWidget(panel, i == 2 ? 1 : 0);
        StatusPanels[i] = panel;
    }
    layout->addWidget(new QSizeGrip(StatusBar1), 0, Qt::AlignBottom | Qt::AlignRight);
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
    const auto press = platform::handler<QWidget *, QMouseEvent *>(
        [this](QWidget *sender, QMouseEvent *event) { a_rollMouseDown(sender, event); });
    const auto release = platform::handler<QWidget *, QMouseEvent *>(
        [this](QWidget *sender, QMouseEvent *event) { a_rollMouseUp(sender, event); });
    connect(Shape1, &TShape::mousePressed, this, press);
    connect(Shape1, &TShape::mouseReleased, this, release);
    connect(i_trans, &TImage::mousePressed, this, press);
    connect(i_trans, &TImage::mouseReleased, this, release);
    connect(a_roll, &TAnimated::mousePressed, this, press);
    connect(a_roll, &TAnimated::mouseReleased, this, release);
    connect(a_roll, &TAnimated::changeFrame, this, platform::handler<TAnimated *>(
        [this](TAnimated *sender) { a_rollChangeFrame(sender); }));
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

// Cards keep their size, so tiling only places them: side by side across
// the client area as it is, each at the left of its share of the width.
// Cards that do not fit overlap; the window itself never grows.
void Tw_Quindle_Main::Tile1Click()
{
    const QList<QMdiSubWindow *> cards = ClientArea->subWindowList(QMdiArea::CreationOrder);
    const int count = int(cards.size());
    for (int i = 0; i < count; ++i)
        cards[i]->move(i * ClientArea->viewport()->width() / count, 0);
}
