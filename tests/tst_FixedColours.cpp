// SPDX-License-Identifier: MIT
// The game's surfaces under a dark desktop scheme: they look exactly as on a
// light one, and their texts stay readable on the colours the game fixes.
#include "GameFixture.h"
#include "TestMain.h"
#include "app/HowToPlay.h"
#include "game/main.h"
#include "scoring/card.h"
#include "setup/newgame.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <cmath>
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

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text against what it is written on: the commonest
// colour of the picture is the background, its strongest ink the text.
double textContrast(const QImage &picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(it.key(), background));
    return best;
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
    void textsAreReadableUnderADarkScheme_data();
    void textsAreReadableUnderADarkScheme();

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

void TestFixedColours::textsAreReadableUnderADarkScheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("least");
    // Enabled text to the usual 4.5 : 1; the connection choices that are
    // only shown may be dimmer, but must stay legible.
    QTest::newRow("Number of Players label") << "Label1" << 4.5;
    QTest::newRow("a player count") << "rb_four" << 4.5;
    QTest::newRow("a disabled connection choice") << "rb_internet" << 2.5;
    QTest::newRow("Type of Game label") << "Label2" << 4.5;
    QTest::newRow("Regular") << "rb_reg" << 4.5;
    QTest::newRow("Easy, enabled by Triple") << "rb_easy" << 4.5;
    QTest::newRow("Cancel") << "cb_close" << 4.5;
}

void TestFixedColours::textsAreReadableUnderADarkScheme()
{
    QFETCH(QString, name);
    QFETCH(double, least);
    QApplication::setPalette(darkPalette());
    GameFixture game;
    Tw_New_Wizard wizard(game.main.get(), game.main.get());
    wizard.rb_trip->setChecked(true);
    auto *widget = wizard.findChild<QWidget *>(name);
    QVERIFY(widget);
    // A page that is not shown paints nothing of its own.
    wizard.Notebook1->setCurrentWidget(widget->parentWidget() == wizard.Page1 ? wizard.Page1
                                                                              : wizard.Type);
    QRect area = widget->geometry().translated(widget->parentWidget()->mapTo(&wizard, QPoint(0, 0)));
    // Of a radio button only its caption: the dark ring would pass for text.
    if (qobject_cast<QRadioButton *>(widget))
        area.setLeft(area.left() + widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                     + widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
    const QImage picture = wizard.grab(area).toImage();
    const double measured = textContrast(picture);
    QVERIFY2(measured >= least, qPrintable(QString::number(measured, 'f', 2)));
}

QUINDLE_TEST_MAIN(TestFixedColours)
#include "tst_FixedColours.moc"
