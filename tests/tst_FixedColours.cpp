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
#include <functional>

namespace {
// A desktop's dark scheme: light text on dark grey, greyer when disabled.
QPalette darkPalette()
{
    QPalette dark;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const bool text = QList<int>{QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                                     QPalette::HighlightedText, QPalette::ToolTipText, QPalette::PlaceholderText}.contains(role);
        dark.setColor(QPalette::All, QPalette::ColorRole(role), text ? QColor(239, 240, 241) : QColor(49, 54, 59));
        dark.setColor(QPalette::Disabled, QPalette::ColorRole(role), text ? QColor(110, 113, 115) : QColor(35, 38, 41));
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
    const QImage first = game.card(1)->client()->grab().toImage(), second = game.card(2)->client()->grab().toImage();
    QImage both(first.width() + second.width(), first.height(), first.format());
    QPainter painter(&both);
    painter.drawImage(0, 0, first);
    painter.drawImage(first.width(), 0, second);
    painter.end();
    return both;
}
} // namespace

class TestFixedColours : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QApplication::setPalette(m_original); }
    void surfacesLookTheSameUnderADarkScheme_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::newRow("the wizard's players page") << Surface([](GameFixture &g) { return wizardPage(g, false); });
        QTest::newRow("the wizard's type page, Triple chosen") << Surface([](GameFixture &g) { return wizardPage(g, true); });
        QTest::newRow("a scorecard with scores, and a disabled one") << Surface(scorecard);
        QTest::newRow("the dice tray") << Surface([](GameFixture &g) { return g.setDice("61524"), g.main->p_display->grab().toImage(); });
        QTest::newRow("the How to Play page") << Surface([](GameFixture &g) { return THowToPlay(g.main.get()).grab().toImage(); });
    }
    void surfacesLookTheSameUnderADarkScheme()
    {
        QFETCH(Surface, surface);
        const auto shown = [&] { GameFixture game; return surface(game); };
        const QImage light = shown();
        QApplication::setPalette(darkPalette());
        QVERIFY(!light.isNull());
        QCOMPARE(shown(), light);
    }

private:
    QPalette m_original = QApplication::palette();
};

QUINDLE_TEST_MAIN(TestFixedColours)
#include "tst_FixedColours.moc"
