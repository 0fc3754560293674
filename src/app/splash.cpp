// SPDX-License-Identifier: MIT
#include "app/splash.h"
#include "controls/TLightn.h"
#include "game/Settings.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QCloseEvent>

QPointer<Tw_splash> w_splash;

namespace {
constexpr QSize PanelSize(300, 200);
constexpr QRect EmblemBounds(168, 1, 129, 128);
// Ticks of the start-up splash after which it closes itself (about 2 s).
constexpr int SplashLifeTicks = 120;
// Ticks between two changes of the tumbling.
constexpr int TicksPerTumble = 25;
} // namespace

Tw_splash::Tw_splash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("w_splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Welcome to Tolmar Quindle"));
    p_splash = new QWidget(this);
    p_splash->setObjectName(QStringLiteral("p_splash"));
    p_splash->setGeometry(QRect(QPoint(0, 0), PanelSize));
    Image1 = TImage::create(p_splash, "Image1", res::bitmap(res::SplashTitle), QPoint(0, 0));
    Image1->resize(PanelSize);
    LightningBolt1 = new TLightningBolt(p_splash);
    LightningBolt1->setObjectName(QStringLiteral("LightningBolt1"));
    LightningBolt1->setGeometry(EmblemBounds);
    LightningBolt1->Transparent = true;
    connect(Image1, &TImage::clicked, this, &Tw_splash::Image1Click);
    connect(LightningBolt1, &TLightningBolt::clicked, this, &Tw_splash::Image1Click);

    setFixedSize(p_splash->size());
    const QSize screen = platform::services().screen->size();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    RotateTicks = 100; // so that the first tick sets the tumbling at once
    LightningBolt1->setRunning(true);
}

Tw_splash::~Tw_splash()
{
    // The emblem's timer goes before anything its ticks reach.
    LightningBolt1->setRunning(false);
}

void Tw_splash::FormSplash()
{
    show();
    SplashTicks = 0;
    AboutMode = false;
    LightningBolt1->OnTimer = [this](QObject *sender) { LightningBoltSplash(sender); };
    platform::SoundOutput *sound = platform::services().sound;
    if (settings::readSounds() && sound->hasDevice())
        sound->play(1, false);
}

void Tw_splash::FormAbout(QWidget *owner)
{
    m_owner = owner;
    if (owner) { // a main window that goes takes its About box with it
        connect(owner, &QObject::destroyed, this, [this] {
            m_owner = nullptr;
            close();
        });
    }
    show();
    AboutMode = true;
    LightningBolt1->OnTimer = [this](QObject *sender) { LightningBoltAbout(sender); };
}

Tw_splash *Tw_splash::showAbout(QWidget *mainWindow)
{
    w_splash = new Tw_splash;
    w_splash->FormAbout(mainWindow);
    if (mainWindow)
        mainWindow->setEnabled(false);
    return w_splash;
}

void Tw_splash::LightningBoltSplash(QObject *)
{
    ++RotateTicks;
    ++SplashTicks;
    // This runs inside the emblem's tick: close() only schedules the
    // deletion, which the event loop carries out after the tick is over.
    if (SplashTicks > SplashLifeTicks && !m_closing)
        close();
    changeTumbling();
}

void Tw_splash::LightningBoltAbout(QObject *)
{
    ++RotateTicks;
    changeTumbling();
}

void Tw_splash::changeTumbling()
{
    if (RotateTicks <= TicksPerTumble)
        return;
    rng::randomize();
    LightningBolt1->setRotatex(rng::random(5));
    LightningBolt1->setRotatey(rng::random(5));
    LightningBolt1->setRotatez(rng::random(5));
    RotateTicks = 0;
}

void Tw_splash::Image1Click(QWidget *)
{
    if (AboutMode)
        close();
}

void Tw_splash::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    // However the About box goes, click or the window system, the main
    // window must not stay disabled behind it.
    if (m_owner) {
        m_owner->setEnabled(true);
        m_owner->activateWindow(); // the keyboard goes back to it too
    }
    QWidget::closeEvent(event);
}
