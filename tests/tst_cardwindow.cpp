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
// Every part of the client area: "name left,top widthxheight", and for a
// row its Tag, TopLine and kept length ("check" for the bonus row).
const QString Layout = QStringLiteral(
    "Image4 4,4 180x25; Image2 4,34 261x18; Image1 4,52 167x139; Image3 4,194 167x190; "
    "Shape1 164,52 101x139; Shape2 164,194 101x190; "
    "u_1 171,54 92x16 1 0 3; u_2 171,70 92x17 2 1 3; u_3 171,87 92x17 3 1 3; "
    "u_4 171,104 92x17 4 1 3; u_5 171,121 92x17 5 1 3; u_6 171,138 92x17 6 1 3; "
    "u_total 171,155 92x17 0 3 4; u_bonus 171,172 92x16 0 3 4; "
    "l_3_kind 171,196 92x16 1 0 3; l_4_kind 171,212 92x17 2 1 3; l_full 171,229 92x17 3 1 3; "
    "l_small 171,246 92x17 4 1 3; l_large 171,263 92x17 5 1 3; l_quindle 171,280 92x17 6 1 3; "
    "l_chance 171,297 92x17 7 1 3; l_bonus 171,314 92x17 0 1 3 check; "
    "l_u_total 171,331 92x17 0 3 4; l_l_total 171,348 92x17 0 3 4; l_grand 171,365 92x16 0 3 4");

QString describeLayout(const QWidget *client)
{
    QStringList parts;
    for (const QString &entry : Layout.split(QStringLiteral("; "))) {
        const QString name = entry.section(QLatin1Char(' '), 0, 0);
        const QWidget *part = client->findChild<QWidget *>(name);
        if (!part) {
            parts << name + QStringLiteral(" missing");
            continue;
        }
        const QRect g = part->geometry();
        QString text = QStringLiteral("%1 %2,%3 %4x%5").arg(name).arg(g.x()).arg(g.y())
                           .arg(g.width()).arg(g.height());
        if (const auto *row = qobject_cast<const TCardLine *>(part)) {
            text += QStringLiteral(" %1 %2 %3").arg(row->Tag).arg(row->TopLine()).arg(row->MaxLength);
            if (qobject_cast<const TCardCheckLine *>(row))
                text += QStringLiteral(" check");
        }
        const auto *image = qobject_cast<const TImage *>(part);
        if (image && image->picture().size() != g.size())
            text += QStringLiteral(" scaled");
        parts << text;
    }
    return parts.join(QStringLiteral("; "));
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}

// A left-button drag as the mouse makes it: the window picks moving or
// resizing from where the pointer hovers before the press.
void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    const QPoint start = widget->mapToGlobal(from);
    const QPoint end = widget->mapToGlobal(to);
    auto move = [widget](const QPoint &global, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, widget->mapFromGlobal(global), global, Qt::NoButton,
                          buttons, {});
        QApplication::sendEvent(widget, &event);
    };
    move(start, Qt::NoButton);
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    move((start + end) / 2, Qt::LeftButton);
    move(end, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->mapFromGlobal(end));
}
} // namespace

class TestCardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyPartSitsInItsPlace();
    void framesAreTwoPixelsAndHugTheRows();
    void pencilMarksWhereAPlayerCanScore();
    void cardCannotBeClosed();
    void windowMenuHoldsOnlyMove();
    void playerMovesTheCardButCannotResizeIt();

private:
    Tw_Card *card() const { return m_main->card(1); }

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

void TestCardWindow::everyPartSitsInItsPlace()
{
    QCOMPARE(describeLayout(card()->widget()), Layout);
}

// From outside in: the white client area, the frame's two black pixels,
// then no black. Shape1's top and bottom edges around u_1 and u_bonus,
// Shape2's right and bottom edges beside the rows and below l_grand.
void TestCardWindow::framesAreTwoPixelsAndHugTheRows()
{
    const QImage image = card()->widget()->grab().toImage();
    QCOMPARE(image.size(), QSize(269, 388));
    QCOMPARE(image.pixel(266, 2), qRgb(255, 255, 255));
    const QPoint down(0, 1), left(-1, 0);
    const QList<QPair<QPoint, QPoint>> edges{{{200, 52}, down}, {{200, 190}, -down},
                                             {{264, 300}, left}, {{200, 383}, -down}};
    for (const auto &[edge, step] : edges) {
        QCOMPARE(image.pixel(edge - 2 * step), qRgb(255, 255, 255));
        QVERIFY(isBlack(image.pixel(edge)) && isBlack(image.pixel(edge + step)));
        QVERIFY(!isBlack(image.pixel(edge + 2 * step)));
    }
}

void TestCardWindow::pencilMarksWhereAPlayerCanScore()
{
    const QCursor pencil = platform::screenCursor(platform::PencilCursor);
    QCOMPARE(pencil.shape(), Qt::BitmapCursor);
    const QStringList scoring{"u_1", "u_6", "l_3_kind", "l_quindle", "l_chance", "l_bonus",
                              "Shape1", "Shape2"};
    const QStringList plain{"u_total", "u_bonus", "l_u_total", "l_l_total", "l_grand", "Image1"};
    for (const QString &name : scoring + plain) {
        const QCursor shown = card()->widget()->findChild<QWidget *>(name)->cursor();
        const bool isPencil = shown.shape() == Qt::BitmapCursor && shown.hotSpot() == pencil.hotSpot()
                              && shown.pixmap().toImage() == pencil.pixmap().toImage();
        QVERIFY2(isPencil == scoring.contains(name), qPrintable(name));
    }
}

void TestCardWindow::cardCannotBeClosed()
{
    QPointer<Tw_Card> kept = card();
    QVERIFY(!kept->close());
    QCoreApplication::processEvents();
    QVERIFY(kept && kept->isVisible());
    QCOMPARE(m_main->ClientArea->subWindowList().size(), 1);
}

void TestCardWindow::windowMenuHoldsOnlyMove()
{
    QStringList items;
    for (const QAction *action : card()->systemMenu()->actions()) {
        if (action->isVisible())
            items << action->text().remove(QLatin1Char('&'));
    }
    QCOMPARE(items, QStringList{"Move"});
    QVERIFY(!(card()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestCardWindow::playerMovesTheCardButCannotResizeIt()
{
    Tw_Card *c = card();
    const QPoint before = c->pos();
    const QSize size = c->size();
    drag(c, QPoint(100, 10), QPoint(140, 40));
    QCOMPARE(c->pos(), before + QPoint(40, 30));
    const QPoint corner(size.width() - 2, size.height() - 2);
    drag(c, corner, corner + QPoint(80, 60));
    drag(c, corner, corner - QPoint(80, 60));
    c->resize(size - QSize(80, 60));
    QCOMPARE(c->size(), size);
    QCOMPARE(c->widget()->size(), QSize(269, 388));
}

QUINDLE_TEST_MAIN(TestCardWindow)
#include "tst_cardwindow.moc"
