// SPDX-License-Identifier: MIT
#include "setup/newgame.h"
#include "platform/Errors.h"
#include "platform/FixedColours.h"
#include "platform/Resources.h"
#include "controls/PopHelp.h"
#include "platform/Widgets.h"
#include "setup/GameSetup.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {
const QColor Green(0, 128, 0);
const QColor Silver(192, 192, 192);

void paint(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

template <typename T>
T *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &caption, QRect bounds,
                    int helpContext)
{
    auto *button = place<QRadioButton>(parent, name, bounds.x(), bounds.y(), bounds.width(),
                                       bounds.height());
    button->setText(caption);
    button->setProperty("HelpContext", helpContext);
    return button;
}

} // namespace

Tw_New_Wizard::Tw_New_Wizard(QWidget *owner, GameStarter *starter)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint
                           | Qt::WindowCloseButtonHint),
      m_owner(owner), m_starter(starter)
{
    setObjectName(QStringLiteral("w_New_Wizard"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tolmar Quindle New Game Wizard"));
    setWindowIcon(QIcon(res::icon(1)));
    setFont(res::uiFont());
    // Black text on the green, silver and grey of the layout, also on a dark
    // desktop, which would otherwise lend its light text to every label.
    platform::fixColours(this);
    setFixedSize(412, 208);

    Panel1 = place<QFrame>(this, "Panel1", 0, 0, 412, 165);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paint(Panel1, Green);
    i_bit = TImage::create(Panel1, "i_bit", res::bitmap(res::WizardTitle), {8, 8});
    Notebook1 = place<QStackedWidget>(Panel1, "Notebook1", 192, 4, 213, 157);
    paint(Notebook1, Silver);
    // On silver the style's pale disabled text would vanish; the choices
    // that are only shown must stay readable.
    QPalette pages = Notebook1->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pages.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
    Notebook1->setPalette(pages);
    Bevel1 = new TBevel(this, BevelStyle::Raised);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 165, 412, 5);

    createPlayersPage();
    createTypePage();
    createButtons();
    HPop = new TPopupHelp(this);
    HPop->WindowColour = 15269887;
    HPop->Font = res::uiFont();
    HPop->MaxWidth = 300;
    HPop->Messages = false;
    connect(Notebook1, &QStackedWidget::currentChanged, this, &Tw_New_Wizard::Notebook1PageChanged);
}

void Tw_New_Wizard::createButtons()
{
    cb_close = place<QPushButton>(this, "cb_close", 352, 176, 57, 25);
    cb_close->setText(QStringLiteral("Cancel"));
    cb_close->setProperty("HelpContext", 3);
    cb_prev = place<QPushButton>(this, "cb_prev", 200, 176, 57, 25);
    cb_prev->setText(QStringLiteral("< &Back"));
    cb_prev->setEnabled(false);
    cb_prev->setProperty("HelpContext", 1);
    cb_next = place<QPushButton>(this, "cb_next", 272, 176, 57, 25);
    cb_next->setText(QStringLiteral("&Next >"));
    cb_next->setEnabled(false);
    cb_next->setDefault(true);
    cb_next->setProperty("HelpContext", 2);
    setTabOrder(cb_close, cb_prev);
    setTabOrder(cb_prev, cb_next);
    connect(cb_prev, &QPushButton::clicked, this, &Tw_New_Wizard::cb_prevClick);
    // Finish sets up the game, whose failures go to the error box.
    connect(cb_next, &QPushButton::clicked, this, platform::handler([this] { cb_nextClick(); }));
    connect(cb_close, &QPushButton::clicked, this, &Tw_New_Wizard::cb_closeClick);
}

void Tw_New_Wizard::createPlayersPage()
{
    Page1 = new QWidget;
    Page1->setObjectName(QStringLiteral("Page1"));
    Notebook1->addWidget(Page1);
    Label1 = place<QLabel>(Page1, "Label1", 4, 8, 96, 17);
    Label1->setText(QStringLiteral("Number of Players:"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rb_one = radio(Page1, "rb_one", QStringLiteral("One"), {104, 8, 49, 17}, 4);
    rb_two = radio(Page1, "rb_two", QStringLiteral("Two"), {160, 8, 49, 17}, 4);
    rb_three = radio(Page1, "rb_three", QStringLiteral("Three"), {104, 24, 49, 17}, 4);
    rb_four = radio(Page1, "rb_four", QStringLiteral("Four"), {160, 24, 49, 17}, 4);
    auto *counts = new QButtonGroup(Page1);
    for (QRadioButton *button : {rb_one, rb_two, rb_three, rb_four}) {
        counts->addButton(button);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rb_twoClick();
        });
    }

    Bevel2 = new TBevel(Page1, BevelStyle::Lowered);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(1, 44, 210, 2);
    TImage::create(Page1, "Image2", res::bitmap(res::WizardModem), {8, 48});
    rb_direct = radio(Page1, "rb_direct", QStringLiteral("2 Player via Modem"), {48, 56, 153, 17}, 5);
    TImage::create(Page1, "Image1", res::bitmap(res::WizardCable), {8, 80});
    rb_internet = radio(Page1, "rb_internet", QStringLiteral("Up to 4 Players via Internet"),
                        {48, 92, 153, 17}, 6);
    TImage::create(Page1, "Image3", res::bitmap(res::WizardMonitor), {8, 116});
    rb_local = radio(Page1, "rb_local", QStringLiteral("Local"), {48, 128, 153, 17}, 7);
    // Play is always local on one computer; the other ways are only shown.
    auto *connections = new QButtonGroup(Page1);
    for (QRadioButton *button : {rb_direct, rb_internet, rb_local}) {
        connections->addButton(button);
        button->setEnabled(false);
    }
    rb_local->setChecked(true);
}

void Tw_New_Wizard::createTypePage()
{
    Type = new QWidget;
    Type->setObjectName(QStringLiteral("Type"));
    Notebook1->addWidget(Type);
    Label2 = place<QLabel>(Type, "Label2", 4, 16, 76, 17);
    Label2->setText(QStringLiteral("Type of Game:"));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rb_reg = radio(Type, "rb_reg", QStringLiteral("Regular"), {84, 16, 61, 17}, 12);
    rb_trip = radio(Type, "rb_trip", QStringLiteral("Triple"), {152, 16, 53, 17}, 12);
    auto *kinds = new QButtonGroup(Type);
    kinds->addButton(rb_reg);
    kinds->addButton(rb_trip);

    Panel2 = new TPanel(Type, BevelStyle::Lowered, BevelStyle::Raised, Silver);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(104, 56, 97, 57);
    rb_easy = radio(Panel2, "rb_easy", QStringLiteral("Easy"), {12, 8, 61, 17}, 13);
    rb_hard = radio(Panel2, "rb_hard", QStringLiteral("Hard"), {12, 32, 61, 17}, 13);
    auto *levels = new QButtonGroup(Panel2);
    levels->addButton(rb_easy);
    levels->addButton(rb_hard);
    rb_easy->setChecked(true);
    rb_easy->setEnabled(false);
    rb_hard->setEnabled(false);

    const QPoint decorations[5] = {{12, 40}, {56, 68}, {4, 84}, {56, 112}, {16, 120}};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "Image" + QByteArray::number(i + 4);
        TImage::create(Type, name.constData(), res::bitmap(res::decoration(i + 1)),
                       decorations[i])->lower();
    }
    for (QRadioButton *button : {rb_reg, rb_trip, rb_easy, rb_hard}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rb_tripClick();
        });
    }
}

void Tw_New_Wizard::rb_twoClick()
{
    cb_next->setEnabled(true);
}

void Tw_New_Wizard::rb_tripClick()
{
    const bool triple = rb_trip->isChecked();
    rb_easy->setEnabled(triple);
    rb_hard->setEnabled(triple);
    cb_next->setEnabled(true);
}

void Tw_New_Wizard::turnTo(QWidget *page)
{
    Notebook1->setCurrentWidget(page);
}

void Tw_New_Wizard::cb_nextClick()
{
    if (Notebook1->currentWidget() == Page1) {
        turnTo(Type);
        cb_next->setText(QStringLiteral("&Finish"));
        return;
    }
    Finish();
}

void Tw_New_Wizard::cb_prevClick()
{
    if (Notebook1->currentWidget() != Type)
        return;
    turnTo(Page1);
    cb_next->setEnabled(true);
    cb_prev->setEnabled(false);
    cb_next->setText(QStringLiteral("&Next >"));
}

void Tw_New_Wizard::cb_closeClick()
{
    close();
}

void Tw_New_Wizard::Notebook1PageChanged()
{
    cb_next->setEnabled(false);
    cb_next->setText(QStringLiteral("&Next >"));
    cb_prev->setEnabled(Notebook1->currentWidget() == Type);
}

void Tw_New_Wizard::closeEvent(QCloseEvent *event)
{
    if (m_owner)
        m_owner->setEnabled(true);
    event->accept();
}

void Tw_New_Wizard::keyPressEvent(QKeyEvent *event)
{
    // Esc is Cancel, which closes through closeEvent like every other way.
    if (event->key() == Qt::Key_Escape) {
        cb_closeClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tw_New_Wizard::Finish()
{
    GameSetup setup;
    setup.players = rb_one->isChecked() ? 1 : rb_two->isChecked() ? 2 : rb_three->isChecked() ? 3 : 4;
    setup.triple = !rb_reg->isChecked();
    setup.hard = !rb_easy->isChecked();
    m_starter->StartGame(setup);
    close();
}
