// SPDX-License-Identifier: MIT
#pragma once
// The splash window, shown at start-up with its tune, which also serves as
// the About box: the title picture with the tumbling emblem over its upper
// right corner.

#include <QPointer>
#include <QWidget>
#include <optional>

class TImage;
class TLightningBolt;

class Tw_splash : public QWidget {
    Q_OBJECT
public:
    // FormCreate: sized to its panel, centred on the screen, emblem running.
    explicit Tw_splash(QWidget *parent = nullptr);
    ~Tw_splash() override;

    QWidget *p_splash = nullptr;
    TImage *Image1 = nullptr;
    TLightningBolt *LightningBolt1 = nullptr;

    // Shared by every splash window.
    static inline quint8 RotateTicks = 0; // ticks since the tumbling last changed
    static inline int SplashTicks = 0;    // ticks since the start-up splash was shown
    static inline bool AboutMode = false; // a click closes the window

    void FormSplash();
    // Shows the About box; `owner`, if given, is enabled again when it closes.
    void FormAbout(QWidget *owner = nullptr);
    void LightningBoltSplash(QObject *sender);
    void LightningBoltAbout(QObject *sender);
    void Image1Click(QWidget *sender);

    // The About command: a fresh About box, with `mainWindow` disabled until
    // the box closes.
    static Tw_splash *showAbout(QWidget *mainWindow);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void changeTumbling();

    QPointer<QWidget> m_owner;
    bool m_closing = false;
};

// The splash or About window while it exists.
extern QPointer<Tw_splash> w_splash;

