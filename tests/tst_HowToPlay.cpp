// SPDX-License-Identifier: MIT
// The How to Play window: what it tells a player agrees with the game, every
// picture it names is there, and it stays out of the game's way.
#include "GameFixture.h"
#include "TestMain.h"
#include "game/HowToPlay.h"
#include "game/HowToPlayText.h"
#include "game/main.h"

#include <QAction>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

class TestHowToPlay : public QObject {
    Q_OBJECT
private slots:
    // The page shows these rolls with their scores; a wrong one would teach a
    // player a rule the game does not play.
    void examplesScoreAsTheGameDoes()
    {
        QStringList wrong;
        for (const howto::Example &e : howto::examples()) {
            const rules::Score score = rules::score(e.category, e.dice);
            if (score.asksForZero != (e.points < 0) || (e.points >= 0 && score.points != e.points))
                wrong << howto::categoryName(e.category) + QStringLiteral(" %1").arg(e.points);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    }
    // Every example named on the page, five dice for each and the pictures of the turn,
    // all there; the faces lie on white, not on the tray's key green.
    void everyPictureOnThePageIsThere()
    {
        FakePlatform fake;
        THowToPlay window(nullptr);
        const QTextDocument *document = window.text()->document();
        const QString plain = document->toPlainText();
        QVERIFY(plain.startsWith(QStringLiteral("How to Play Tolmar Quindle")) && !plain.contains(QLatin1Char('{')));
        QStringList names;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    names << it.fragment().charFormat().toImageFormat().name();
        QVERIFY(names.size() >= 5 * howto::examples().size() + 4);
        for (const howto::Example &e : howto::examples())
            QVERIFY(plain.contains(howto::categoryName(e.category)));
        for (const QString &name : names)
            QVERIFY2(!document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>().isNull(), qPrintable(name));
        for (const auto &[name, picture] : howto::pictures())
            QVERIFY2(!picture.isNull() && (!name.contains(QRegularExpression("^(die|held):")) || qAlpha(picture.pixel(0, 0)) == 0), qPrintable(name));
    }
    void oneWindowThatTheGameGoesOnBeside()
    {
        GameFixture game;
        game.main->HowToPlay1->trigger();
        QPointer<THowToPlay> window = game.main->findChild<THowToPlay *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(window && window->isVisible() && !window->isModal());
        game.main->HowToPlay1->trigger();
        QCOMPARE(game.main->findChildren<THowToPlay *>().size(), 1);
        // The game goes on: a game starts and a roll lands while it is open.
        game.newGame(1);
        game.rollAs(QStringLiteral("12345"));
        QVERIFY(game.main->CanScore());
        // Behind the New Game wizard the main window is disabled; the rules are not.
        game.main->New1->trigger();
        QVERIFY(!game.main->isEnabled() && window->isEnabled());
        QTest::keyClick(window->text(), Qt::Key_Escape); // where the player reads: in the page
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }
    // Beside the game at its height, on the left at the screen's right edge, moved up to fit
    // when low, nowhere on 1024 x 768; exactly enough room on the right is enough.
    void placedBesideTheGameWhereThereIsRoom()
    {
        const QRect wide(0, 0, 1920, 1080), small(0, 0, 1024, 768), narrow(0, 0, 1008, 768);
        QStringList placed;
        for (const auto &[owner, screen] : {std::pair{QRect(100, 100, 520, 570), wide}, {QRect(1300, 100, 520, 570), wide},
                                            {QRect(100, 700, 520, 570), wide}, {QRect(252, 99, 520, 570), small},
                                            {QRect(0, 0, 520, 570), narrow}}) {
            const QPoint at = THowToPlay::placeBeside(owner, QSize(480, 540), {screen}).value_or(QPoint(-1, -1));
            placed << QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
        }
        QCOMPARE(placed.join(' '), "628,100 812,100 628,540 -1,-1 528,0");
    }
};

QUINDLE_TEST_MAIN(TestHowToPlay)
#include "tst_HowToPlay.moc"
