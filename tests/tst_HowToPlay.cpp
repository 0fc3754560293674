// SPDX-License-Identifier: MIT
// The How to Play window: what it tells a player agrees with the game, every
// picture it names is there, and it stays out of the game's way.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/HowToPlay.h"
#include "game/HowToPlayText.h"
#include "game/main.h"

#include <QAction>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

namespace {
QString diceText(const rules::DiceValues &dice)
{
    QString text;
    for (const int value : dice)
        text += QString::number(value);
    return text;
}

QStringList imageNames(const QTextDocument *document)
{
    QStringList names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}

THowToPlay *openWindow(Tw_Quindle_Main *main)
{
    return main->findChild<THowToPlay *>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

class TestHowToPlay : public QObject {
    Q_OBJECT
private slots:
    void examplesScoreAsTheGameDoes_data();
    void examplesScoreAsTheGameDoes();
    void everyPictureOnThePageIsThere();
    void oneWindowThatTheGameGoesOnBeside();
    void placedBesideTheGameWhereThereIsRoom_data();
    void placedBesideTheGameWhereThereIsRoom();
};

void TestHowToPlay::examplesScoreAsTheGameDoes_data()
{
    QTest::addColumn<int>("index");
    const QList<howto::Example> &examples = howto::examples();
    for (int i = 0; i < examples.size(); ++i) {
        const howto::Example &e = examples[i];
        QTest::newRow(qPrintable(diceText(e.dice) + QStringLiteral(" as ")
                                 + howto::categoryName(e.category)))
            << i;
    }
}

// The page shows these rolls with their scores; a wrong one would teach a
// player a rule the game does not play.
void TestHowToPlay::examplesScoreAsTheGameDoes()
{
    QFETCH(int, index);
    const howto::Example &e = howto::examples().at(index);
    const rules::Score score = rules::score(e.category, e.dice);
    QCOMPARE(score.asksForZero, e.points < 0);
    if (e.points >= 0)
        QCOMPARE(score.points, e.points);
}

void TestHowToPlay::everyPictureOnThePageIsThere()
{
    FakePlatform fake;
    THowToPlay window(nullptr);
    const QTextDocument *document = window.text()->document();
    const QString plain = document->toPlainText();
    QVERIFY(plain.startsWith(QStringLiteral("How to Play Tolmar Quindle")));
    QVERIFY2(!plain.contains(QLatin1Char('{')), "a placeholder was left in the page");
    for (const howto::Example &e : howto::examples())
        QVERIFY(plain.contains(howto::categoryName(e.category)));

    const QStringList names = imageNames(document);
    // Five dice for every example, and the pictures of the turn.
    QVERIFY(names.size() >= 5 * howto::examples().size() + 4);
    for (const QString &name : names) {
        const QImage image = document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        QVERIFY2(!image.isNull(), qPrintable(name));
    }
    // The faces lie on white, not on the tray's key green.
    for (const auto &[name, picture] : howto::pictures()) {
        QVERIFY2(!picture.isNull(), qPrintable(name));
        if (name.startsWith(QStringLiteral("die:")) || name.startsWith(QStringLiteral("held:")))
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    }
}

void TestHowToPlay::oneWindowThatTheGameGoesOnBeside()
{
    GameFixture game;
    game.main->HowToPlay1->trigger();
    QPointer<THowToPlay> window = openWindow(game.main.get());
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    game.main->HowToPlay1->trigger();
    QCOMPARE(game.main->findChildren<THowToPlay *>().size(), 1);

    // The game goes on: a game starts and a roll lands while it is open.
    game.newGame(1);
    game.rollAs(QStringLiteral("12345"));
    QVERIFY(game.main->CanScore());
    // Behind the New Game wizard the main window is disabled; the rules are not.
    game.main->New1->trigger();
    QVERIFY(!game.main->isEnabled());
    QVERIFY(window->isEnabled());

    // Esc where the player reads: in the page.
    QTest::keyClick(window->text(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

void TestHowToPlay::placedBesideTheGameWhereThereIsRoom_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("expected"); // (-1, -1) for no place; the window is 480 x 540
    const QRect wide(0, 0, 1920, 1080);
    QTest::newRow("room on the right: beside it, at the same height")
        << QRect(100, 100, 520, 570) << QList<QRect>{wide} << QPoint(628, 100);
    QTest::newRow("right edge of the screen: on the left")
        << QRect(1300, 100, 520, 570) << QList<QRect>{wide} << QPoint(812, 100);
    QTest::newRow("low on the screen: moved up to fit")
        << QRect(100, 700, 520, 570) << QList<QRect>{wide} << QPoint(628, 540);
    QTest::newRow("centred on 1024 x 768: no room either side")
        << QRect(252, 99, 520, 570) << QList<QRect>{QRect(0, 0, 1024, 768)} << QPoint(-1, -1);
    QTest::newRow("exactly enough room on the right")
        << QRect(0, 0, 520, 570) << QList<QRect>{QRect(0, 0, 1008, 768)} << QPoint(528, 0);
}

void TestHowToPlay::placedBesideTheGameWhereThereIsRoom()
{
    QFETCH(QRect, owner);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, expected);
    const std::optional<QPoint> place = THowToPlay::placeBeside(owner, QSize(480, 540), screens);
    QCOMPARE(place.value_or(QPoint(-1, -1)), expected);
}

QUINDLE_TEST_MAIN(TestHowToPlay)
#include "tst_HowToPlay.moc"
