// SPDX-License-Identifier: MIT
// The game's surfaces under a dark desktop scheme look exactly as on a light
// one: their colours are fixed, and so are the texts written on them.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/HowToPlay.h"
#include "game/main.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QApplication>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <functional>

namespace {

// A desktop's dark scheme: light text (239, 240, 241) on dark grey.
QPalette darkPalette()
{
    QPalette dark;
    const QColor text(239, 240, 241), back(49, 54, 59), field(35, 38, 41);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                         QPalette::BrightText, QPalette::HighlightedText})
            dark.setColor(group, role, off ? QColor(110, 113, 115) : text);
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Mid})
            dark.setColor(group, role, back);
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase, QPalette::Shadow})
            dark.setColor(group, role, field);
        dark.setColor(group, QPalette::Light, QColor(70, 75, 80));
        dark.setColor(group, QPalette::Midlight, QColor(60, 64, 68));
        dark.setColor(group, QPalette::Dark, QColor(30, 32, 34));
        dark.setColor(group, QPalette::Highlight, QColor(61, 174, 233));
    }
    return dark;
}

using Surface = std::function<QImage(GameFixture &)>;

QImage wizardPage(GameFixture &game, bool second)
{
    Tw_New_Wizard wizard(game.main.get(), game.main.get());
    wizard.rb_three->setChecked(true);
    if (second) {
        wizard.cb_nextClick();
        wizard.rb_trip->setChecked(true);
    }
    return wizard.grab().toImage();
}

QImage scorecard(GameFixture &game)
{
    game.newGame(2, true, false);
    game.fillColumn(1, 1, QStringLiteral("3 6 9 12 15 18 20 . 25 30 40 50 22"));
    game.fillColumn(2, 2, QStringLiteral("1 2 . . . . . . . . . . ."));
    // Card 2 is disabled while player 1 is at turn; its texts stay black.
    const QImage first = game.card(1)->client()->grab().toImage();
    const QImage second = game.card(2)->client()->grab().toImage();
    QImage both(first.width() + second.width(), first.height(), first.format());
    QPainter painter(&both);
    painter.drawImage(0, 0, first);
    painter.drawImage(first.width(), 0, second);
    return both;
}

} // namespace

class TestFixedColours : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QApplication::setPalette(m_original); }
    void surfacesLookTheSameUnderADarkScheme_data();
    void surfacesLookTheSameUnderADarkScheme();

private:
    QPalette m_original = QApplication::palette();
};

void TestFixedColours::surfacesLookTheSameUnderADarkScheme_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::newRow("the wizard's players page")
        << Surface([](GameFixture &g) { return wizardPage(g, false); });
    QTest::newRow("the wizard's type page, Triple chosen")
        << Surface([](GameFixture &g) { return wizardPage(g, true); });
    QTest::newRow("a scorecard with scores, and a disabled one")
        << Surface([](GameFixture &g) { return scorecard(g); });
    QTest::newRow("the dice tray")
        << Surface([](GameFixture &g) {
               g.setDice(QStringLiteral("61524"));
               return g.main->p_display->grab().toImage();
           });
    QTest::newRow("the How to Play page") << Surface([](GameFixture &g) {
        THowToPlay window(g.main.get());
        window.resize(480, 540);
        return window.grab().toImage();
    });
}

void TestFixedColours::surfacesLookTheSameUnderADarkScheme()
{
    QFETCH(Surface, surface);
    QImage light, dark;
    {
        GameFixture game;
        light = surface(game);
    }
    QApplication::setPalette(darkPalette());
    {
        GameFixture game;
        dark = surface(game);
    }
    QVERIFY(!light.isNull());
    QCOMPARE(dark, light);
}

QUINDLE_TEST_MAIN(TestFixedColours)
#include "tst_FixedColours.moc"
