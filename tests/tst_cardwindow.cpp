// SPDX-License-Identifier: MIT
// The scorecard as a window: where its rows and frames sit, its cursors,
// and that a player can move it but not close or resize it.
#include "FakePlatform.h"
#include "GameHelpers.h"
#include "TestMain.h"
#include "game/main.h"
#include "platform/Cursors.h"
#include "platform/Widgets.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QMdiArea>
#include <QMenu>
#include <memory>

namespace {
bool sameCursor(const QCursor &a, const QCursor &b)
{
    if (a.shape() != b.shape())
        return false;
    if (a.shape() != Qt::BitmapCursor)
        return true;
    return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}

// A left-button drag as the mouse makes it: the window picks moving or
// resizing from where the pointer hovers before the press, and every event
// is placed relative to where the window is by then.
void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    const QPoint start = widget->mapToGlobal(from);
    const QPoint end = widget->mapToGlobal(to);
    auto move = [widget](const QPoint &global, Qt::MouseButtons buttons) {
        const QPoint at = widget->mapFromGlobal(global);
        QMouseEvent event(QEvent::MouseMove, at, global, Qt::NoButton, buttons, {});
        QApplication::sendEvent(widget, &event);
    };
    move(start, Qt::NoButton);
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    move((start + end) / 2, Qt::LeftButton);
    move(end, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->mapFromGlobal(end));
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}
} // namespace

class TestCardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientAreaIsFixedAndWhite();
    void rowsSitInTheirPlaces_data();
    void rowsSitInTheirPlaces();
    void picturesAndFramesSitInTheirPlaces_data();
    void picturesAndFramesSitInTheirPlaces();
    void framesHugTheRows_data();
    void framesHugTheRows();
    void pencilMarksWhereAPlayerCanScore_data();
    void pencilMarksWhereAPlayerCanScore();
    void cardCannotBeClosed();
    void systemMenuHoldsOnlyMove();
    void playerMovesTheCardByItsTitle();
    void cardCannotBeResized();
    void newGameDestroysTheOldCards();

private:
    Tw_Card *card() const { return m_main->Cards[1]; }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tw_Quindle_Main> m_main;
};

void TestCardWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_main = std::make_unique<Tw_Quindle_Main>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    helpers::newGame(m_main.get(), 1, true, false);
    QVERIFY(card());
}

void TestCardWindow::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

void TestCardWindow::clientAreaIsFixedAndWhite()
{
    QWidget *client = card()->widget();
    QCOMPARE(client->size(), QSize(269, 388));
    QCOMPARE(card()->contentsRect().size(), QSize(269, 388));
    const QImage image = client->grab().toImage();
    for (const QPoint &p : {QPoint(266, 2), QPoint(130, 386), QPoint(266, 386)})
        QCOMPARE(image.pixel(p), qRgb(255, 255, 255));
}

void TestCardWindow::rowsSitInTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("topLine");
    QTest::addColumn<int>("maxLength");

    auto row = [](const char *name, int tag, int top, int height, int topLine, int maxLength) {
        QTest::addRow("%s sits at top %d, %d high", name, top, height)
            << QString::fromLatin1(name) << tag << top << height << topLine << maxLength;
    };
    row("u_1", 1, 54, 16, 0, 3);
    row("u_2", 2, 70, 17, 1, 3);
    row("u_3", 3, 87, 17, 1, 3);
    row("u_4", 4, 104, 17, 1, 3);
    row("u_5", 5, 121, 17, 1, 3);
    row("u_6", 6, 138, 17, 1, 3);
    row("u_total", 0, 155, 17, 3, 4);
    row("u_bonus", 0, 172, 16, 3, 4);
    row("l_3_kind", 1, 196, 16, 0, 3);
    row("l_4_kind", 2, 212, 17, 1, 3);
    row("l_full", 3, 229, 17, 1, 3);
    row("l_small", 4, 246, 17, 1, 3);
    row("l_large", 5, 263, 17, 1, 3);
    row("l_quindle", 6, 280, 17, 1, 3);
    row("l_chance", 7, 297, 17, 1, 3);
    row("l_bonus", 0, 314, 17, 1, 3);
    row("l_u_total", 0, 331, 17, 3, 4);
    row("l_l_total", 0, 348, 17, 3, 4);
    row("l_grand", 0, 365, 16, 3, 4);
}

void TestCardWindow::rowsSitInTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(int, tag);
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, topLine);
    QFETCH(int, maxLength);
    const auto *row = card()->findChild<TCardLine *>(name);
    QVERIFY(row);
    QCOMPARE(row->parentWidget(), card()->widget());
    QCOMPARE(row->geometry(), QRect(171, top, 92, height));
    QCOMPARE(row->Tag, tag);
    QCOMPARE(row->TopLine(), topLine);
    QCOMPARE(row->MaxLength, maxLength);
    QCOMPARE(qobject_cast<const TCardCheckLine *>(row) != nullptr, name == QLatin1String("l_bonus"));
}

void TestCardWindow::picturesAndFramesSitInTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("the title picture Image4") << "Image4" << QRect(4, 4, 180, 25);
    QTest::newRow("the column heading Image2") << "Image2" << QRect(4, 34, 261, 18);
    QTest::newRow("the upper labels Image1") << "Image1" << QRect(4, 52, 167, 139);
    QTest::newRow("the lower labels Image3") << "Image3" << QRect(4, 194, 167, 190);
    QTest::newRow("the upper frame Shape1") << "Shape1" << QRect(164, 52, 101, 139);
    QTest::newRow("the lower frame Shape2") << "Shape2" << QRect(164, 194, 101, 190);
}

void TestCardWindow::picturesAndFramesSitInTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    const auto *part = card()->widget()->findChild<QWidget *>(name);
    QVERIFY(part);
    QCOMPARE(part->geometry(), geometry);
    if (const auto *image = qobject_cast<const TImage *>(part))
        QCOMPARE(image->picture().size(), geometry.size());
}

void TestCardWindow::framesHugTheRows_data()
{
    QTest::addColumn<QPoint>("frame");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");

    // Each frame is 2 pixels wide; the rows start right inside it.
    QTest::newRow("Shape1's top edge lies just above u_1") << QPoint(200, 52) << QPoint(200, 54) << QPoint(200, 50);
    QTest::newRow("Shape1's right edge lies just right of the rows") << QPoint(263, 100) << QPoint(262, 100) << QPoint(265, 100);
    QTest::newRow("Shape1's bottom edge lies below u_bonus") << QPoint(200, 189) << QPoint(200, 187) << QPoint(200, 192);
    QTest::newRow("Shape2's top edge lies just above l_3_kind") << QPoint(200, 194) << QPoint(200, 196) << QPoint(200, 192);
    QTest::newRow("Shape2's right edge lies just right of the rows") << QPoint(263, 300) << QPoint(262, 300) << QPoint(265, 300);
    QTest::newRow("Shape2's bottom edge lies below l_grand") << QPoint(200, 382) << QPoint(200, 380) << QPoint(200, 385);
}

void TestCardWindow::framesHugTheRows()
{
    QFETCH(QPoint, frame);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    const QImage image = card()->widget()->grab().toImage();
    const bool vertical = frame.y() == inside.y();
    const QPoint second = vertical ? frame + QPoint(1, 0) : frame + QPoint(0, 1);
    QVERIFY(isBlack(image.pixel(frame)));
    QVERIFY(isBlack(image.pixel(second)));
    QVERIFY(!isBlack(image.pixel(inside)));
    QCOMPARE(image.pixel(outside), qRgb(255, 255, 255));
}

void TestCardWindow::pencilMarksWhereAPlayerCanScore_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pencil");
    for (const char *name : {"u_1", "u_6", "l_3_kind", "l_quindle", "l_chance", "l_bonus", "Shape1", "Shape2"})
        QTest::addRow("%s shows the pencil", name) << QString::fromLatin1(name) << true;
    for (const char *name : {"u_total", "u_bonus", "l_u_total", "l_l_total", "l_grand", "Image1"})
        QTest::addRow("%s shows the normal pointer", name) << QString::fromLatin1(name) << false;
}

void TestCardWindow::pencilMarksWhereAPlayerCanScore()
{
    QFETCH(QString, name);
    QFETCH(bool, pencil);
    const auto *part = card()->widget()->findChild<QWidget *>(name);
    QVERIFY(part);
    const QCursor pencilCursor = platform::screenCursor(platform::PencilCursor);
    QCOMPARE(sameCursor(part->cursor(), pencilCursor), pencil);
    if (!pencil)
        QCOMPARE(part->cursor().shape(), Qt::ArrowCursor);
}

void TestCardWindow::cardCannotBeClosed()
{
    QPointer<Tw_Card> kept = card();
    QVERIFY(!kept->close());
    QCoreApplication::processEvents();
    QVERIFY(kept);
    QVERIFY(kept->isVisible());
    QCOMPARE(m_main->ClientArea->subWindowList().size(), 1);
}

void TestCardWindow::systemMenuHoldsOnlyMove()
{
    QMenu *menu = card()->systemMenu();
    QVERIFY(menu);
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            items << action->text().remove(QLatin1Char('&'));
    }
    QCOMPARE(items, QStringList{"Move"});
    const Qt::WindowFlags flags = card()->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestCardWindow::playerMovesTheCardByItsTitle()
{
    Tw_Card *c = card();
    const QPoint before = c->pos();
    drag(c, QPoint(100, 10), QPoint(140, 40));
    QCOMPARE(c->pos(), before + QPoint(40, 30));
    QCOMPARE(c->widget()->size(), QSize(269, 388));
}

void TestCardWindow::cardCannotBeResized()
{
    Tw_Card *c = card();
    const QSize before = c->size();
    const QPoint corner(before.width() - 2, before.height() - 2);
    drag(c, corner, corner + QPoint(80, 60));
    QCOMPARE(c->size(), before);
    drag(c, corner, corner - QPoint(80, 60));
    QCOMPARE(c->size(), before);
    c->resize(before - QSize(80, 60));
    QCOMPARE(c->size(), before);
    QCOMPARE(c->widget()->size(), QSize(269, 388));
}

void TestCardWindow::newGameDestroysTheOldCards()
{
    helpers::newGame(m_main.get(), 2, false, false);
    QPointer<Tw_Card> first = m_main->Cards[1];
    QPointer<Tw_Card> second = m_main->Cards[2];
    QVERIFY(first && second);
    helpers::newGame(m_main.get(), 1, false, false);
    QVERIFY(!first);
    QVERIFY(!second);
    QVERIFY(m_main->Cards[1]);
    QVERIFY(!m_main->Cards[2]);
    QCOMPARE(m_main->ClientArea->subWindowList().size(), 1);
    QVERIFY(m_platform->boxes.shown.isEmpty());
}

QUINDLE_TEST_MAIN(TestCardWindow)
#include "tst_cardwindow.moc"
