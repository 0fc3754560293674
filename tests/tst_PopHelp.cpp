// SPDX-License-Identifier: MIT
// Popup help on the real new game wizard: help mode, what a click in it
// finds, the popups it shows and how they go away.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/PopHelp.h"
#include "controls/PopHelpW.h"
#include "game/main.h"
#include "setup/newgame.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QWhatsThis>
#include <QWindow>

namespace {

const QString Cancel = QStringLiteral("Press this button to cancel the new game.");

bool helpModeOff() { return !QApplication::overrideCursor() && !QWidget::mouseGrabber(); }

// Records each popup of `help` and sends it away as `dismissal` says. One
// left up hides itself after two seconds, so that no test can hang on it.
struct PopupLog {
    void watch(TPopupHelp *help)
    {
        QObject::connect(help, &TPopupHelp::popupShown, help,
                         [this](THelpWindow *w) { record(w); });
    }
    void record(THelpWindow *w)
    {
        shown << QStringLiteral("%1|%2").arg(w->WrapWidth).arg(w->HelpText);
        picture = w->FormPaint();
        beneath = w->beneath();
        geometry = w->geometry();
        QTimer::singleShot(2000, w, [this, w] { stuck = true; w->hide(); });
        if (dismissal == QLatin1String("key")) {
            QTest::keyClick(w->windowHandle(), Qt::Key_A);
        } else if (dismissal == QLatin1String("release")) {
            QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, QPoint(4, 4));
        } else if (dismissal == QLatin1String("activate")) {
            other = std::make_unique<QWidget>();
            other->show();
            other->windowHandle()->requestActivate();
        } else {
            QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
            QCoreApplication::sendEvent(qApp, &inactive);
        }
    }
    QString dismissal = QStringLiteral("key");
    QStringList shown; // "wrap width|text"
    QImage picture, beneath;
    QRect geometry;
    bool stuck = false;
    std::unique_ptr<QWidget> other;
};

// The wizard opened from the menu, with its popups recorded.
struct HelpWizard {
    HelpWizard()
    {
        main.show();
        main.New1->trigger();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Tw_New_Wizard *>(w); found && found->isVisible())
                wizard = found;
        }
        if (!QTest::qWaitForWindowActive(wizard))
            qWarning("wizard not active");
        log.watch(wizard->HPop);
    }
    ~HelpWizard() { delete wizard; }
    QWindow *window() const { return wizard->windowHandle(); }
    // "cb_next" is its middle, "Page1@4,150" a point of it.
    QPoint at(const QString &target) const
    {
        const QWidget *w = wizard->findChild<QWidget *>(target.section('@', 0, 0));
        const QStringList xy = target.section('@', 1).split(',');
        const QPoint inside =
            xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : w->rect().center();
        return w->mapTo(wizard.data(), inside);
    }
    // Clicks as a player does, through the window system; the popup of a help
    // click runs one turn of the event loop later.
    void click(const QString &targets)
    {
        for (const QString &target : targets.split(' ', Qt::SkipEmptyParts)) {
            QTest::mouseClick(window(), Qt::LeftButton, {}, at(target));
            QCoreApplication::processEvents();
        }
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window(), Qt::Key(key), modifiers);
    }
    bool inHelpMode() const
    {
        const QCursor *cursor = QApplication::overrideCursor();
        return cursor && cursor->shape() == Qt::WhatsThisCursor
               && QWidget::mouseGrabber() == wizard;
    }
    // What a click reaching a control would change.
    QString state() const
    {
        QStringList checked;
        for (const QRadioButton *b : wizard->findChildren<QRadioButton *>()) {
            if (b->isChecked())
                checked << b->objectName();
        }
        checked.sort();
        return wizard->Notebook1->currentWidget()->objectName() + ' ' + checked.join(' ')
               + (wizard->isVisible() ? "" : " closed");
    }

    FakePlatform fake;
    Tw_Quindle_Main main;
    QPointer<Tw_New_Wizard> wizard;
    PopupLog log;
};

// A form whose buttons carry the given contexts, its texts read from `texts`.
class StubHelp : public TPopupHelp {
public:
    using TPopupHelp::TPopupHelp;
    QMap<int, QByteArray> texts;

protected:
    QByteArray helpResource(int id) const override { return texts.value(id); }
};

// Every box shown, answered at once: the error box of a broken text.
struct RecordedBoxes final : platform::MessageBoxes {
    int ask(QWidget *, const platform::BoxRequest &request) override
    {
        texts << request.text;
        return 0;
    }
    QStringList texts;
};

} // namespace

class TestPopHelp : public QObject {
    Q_OBJECT
private slots:
    void clickShowsTheTextOfTheControlUnderThePointer_data();
    void clickShowsTheTextOfTheControlUnderThePointer();
    void helpModeStartsAndEnds_data();
    void helpModeStartsAndEnds();
    void popupDrawsItsBoxAndShadowOverTheWizard();
    void textComesFromLinesOrTheResource_data();
    void textComesFromLinesOrTheResource();
};

void TestPopHelp::clickShowsTheTextOfTheControlUnderThePointer_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text"); // empty: no popup, help mode stays on
    QTest::addColumn<QString>("dismissal"); // of the popup; a key when empty
    QTest::newRow("Cancel, its popup gone at a key") << "" << "cb_close" << Cancel << "key";
    QTest::newRow("Next once a count is chosen, its popup gone at a release")
        << "rb_two" << "cb_next"
        << "Press this button to go to the next step, or complete the new game specification."
        << "release";
    QTest::newRow("Back on the second page, its popup gone when another window is active")
        << "rb_two cb_next" << "cb_prev" << "Press this button to go back a step." << "activate";
    QTest::newRow("a player count, its popup gone when the application is left")
        << "" << "rb_three" << "Choose the number of players." << "deactivate";
    const QString kind = QStringLiteral("Choose the type of Quindle game you would like to play.");
    QTest::newRow("Regular") << "rb_two cb_next" << "rb_reg" << kind << "key";
    QTest::newRow("Triple") << "rb_two cb_next" << "rb_trip" << kind << "key";
    QTest::newRow("Hard, while Triple is chosen") << "rb_two cb_next rb_trip" << "rb_hard"
        << "Choose the difficulty level of a Triple Quindle game." << "key";
    QTest::newRow("Easy, disabled in a Regular game")
        << "rb_two cb_next rb_reg" << "rb_easy" << "" << "";
    QTest::newRow("Next, disabled") << "" << "cb_next" << "" << "";
    QTest::newRow("a disabled connection choice") << "" << "rb_direct" << "" << "";
    QTest::newRow("a label") << "" << "Label1" << "" << "";
    QTest::newRow("the title picture") << "" << "i_bit" << "" << "";
    QTest::newRow("a connection picture") << "" << "Image2" << "" << "";
    QTest::newRow("empty space on the page") << "" << "Page1@4,150" << "" << "";
    QTest::newRow("the separator line") << "" << "Bevel1@200,2" << "" << "";
}

void TestPopHelp::clickShowsTheTextOfTheControlUnderThePointer()
{
    QFETCH(QString, before);
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, dismissal);
    HelpWizard h;
    if (!dismissal.isEmpty())
        h.log.dismissal = dismissal;
    h.click(before);
    const QString state = h.state();
    h.key(Qt::Key_F1, Qt::ShiftModifier);
    h.click(target);
    if (text.isEmpty()) {
        QVERIFY(h.log.shown.isEmpty());
        QVERIFY(h.inHelpMode());
        h.click(QStringLiteral("cb_close"));
        text = Cancel;
    }
    // Every wizard text wraps at its own 320, whatever MaxWidth says.
    QCOMPARE(h.log.shown, QStringList{QStringLiteral("320|") + text});
    QVERIFY(h.log.geometry.width() <= 319 + pophelp::Chrome);
    QCOMPARE(h.state(), state);
    QVERIFY(helpModeOff());
    QVERIFY(!h.log.stuck);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<THelpWindow *>(w));
}

void TestPopHelp::helpModeStartsAndEnds_data()
{
    QTest::addColumn<bool>("captionButton"); // else Shift+F1
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("helpModeAfter");
    QTest::newRow("the caption button, then Esc, which leaves the dialog open")
        << true << "Esc" << false;
    QTest::newRow("Shift+F1, then Return, which presses no Next") << false << "Return" << true;
    QTest::newRow("Shift+F1, then the application deactivates") << false << "deactivate" << false;
    QTest::newRow("Shift+F1, then the dialog closes") << false << "close" << false;
    QTest::newRow("Shift+F1, then the dialog is destroyed") << false << "destroy" << false;
}

void TestPopHelp::helpModeStartsAndEnds()
{
    QFETCH(bool, captionButton);
    QFETCH(QString, then);
    QFETCH(bool, helpModeAfter);
    HelpWizard h;
    h.click(QStringLiteral("rb_two"));
    if (captionButton) {
        QEvent request(QEvent::EnterWhatsThisMode); // as Qt hands the button on
        QCoreApplication::sendEvent(qApp, &request);
    } else {
        h.key(Qt::Key_F1, Qt::ShiftModifier);
    }
    QVERIFY(h.inHelpMode());
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    if (then == QLatin1String("Esc") || then == QLatin1String("Return")) {
        h.key(then == QLatin1String("Esc") ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(h.state(), QStringLiteral("Page1 rb_easy rb_local rb_two"));
    } else if (then == QLatin1String("deactivate")) {
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &inactive);
    } else if (then == QLatin1String("close")) {
        h.wizard->close();
    } else {
        delete h.wizard;
    }
    QCOMPARE(h.wizard && h.inHelpMode(), helpModeAfter);
    QCOMPARE(helpModeOff(), !helpModeAfter);
}

void TestPopHelp::popupDrawsItsBoxAndShadowOverTheWizard()
{
    HelpWizard h;
    h.key(Qt::Key_F1, Qt::ShiftModifier);
    h.click(QStringLiteral("rb_three"));
    const QImage &shown = h.log.picture;
    const QImage &beneath = h.log.beneath;
    const int w = shown.width(), bottom = shown.height() - 8, right = w - 8;
    // What lay beneath is the wizard as it was drawn there.
    const QRect over(h.wizard->mapFromGlobal(h.log.geometry.topLeft()), h.log.geometry.size());
    QVERIFY(h.wizard->rect().contains(over));
    QCOMPARE(beneath, h.wizard->grab().toImage().copy(over).convertToFormat(QImage::Format_RGB32));
    int textPixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const bool frame = (x == 0 || x == right - 1 || y == 0 || y == bottom - 1)
                               && x < right && y < bottom;
            const bool inside = x > 0 && x < right - 1 && y > 0 && y < bottom - 1;
            const bool shadow = (y >= bottom && x >= 8) || (x >= right && y >= 8);
            // The checker lets every other pixel of every other row through.
            const bool lit = y % 2 == 0 && (x + y / 2) % 2 == 0;
            if (frame)
                QCOMPARE(pixel, qRgb(0, 0, 0));
            else if (inside)
                textPixels += pixel != qRgb(255, 255, 232);
            else if (shadow)
                QCOMPARE(pixel, beneath.pixel(x, y) & (lit ? qRgb(255, 255, 232) : qRgb(0, 0, 0)));
            else
                QCOMPARE(pixel, beneath.pixel(x, y));
        }
    }
    QVERIFY(textPixels > 100);
}

void TestPopHelp::textComesFromLinesOrTheResource_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("shown"); // "wrap width|text", or empty
    QTest::addColumn<QString>("error");
    QTest::newRow("a resource without its final CR LF and padding") << QStringList() << 1
        << "100|First line\r\nsecond line" << "";
    QTest::newRow("Lines for any context, wrapped at MaxWidth") << QStringList{"One", "Two"} << 5
        << "150|One\r\nTwo" << "";
    QTest::newRow("no resource") << QStringList() << 5 << "" << "";
    QTest::newRow("nothing after the digits") << QStringList() << 6 << "" << "";
    QTest::newRow("a message number, and no message table") << QStringList() << 40001 << "" << "";
    QTest::newRow("a wrap width that is not four digits") << QStringList() << 7 << ""
        << "'03x0' is not a valid integer value.";
}

void TestPopHelp::textComesFromLinesOrTheResource()
{
    QFETCH(QStringList, lines);
    QFETCH(int, context);
    QFETCH(QString, shown);
    QFETCH(QString, error);
    FakePlatform fake;
    RecordedBoxes boxes;
    platform::Services services = platform::services();
    services.boxes = &boxes;
    platform::setServices(services);
    QWidget form;
    auto *button = new QPushButton(QStringLiteral("Ask"), &form);
    button->setProperty("HelpContext", context);
    auto *help = new StubHelp(&form);
    help->texts = {{1, QByteArray("0100First line\r\nsecond line\r\n") + QByteArray(3, '\0')},
                   {6, "0320"}, {7, "03x0Broken"}, {40001, "0320Not from here"}};
    help->Lines = lines;
    help->MaxWidth = 150;
    help->Messages = true;
    PopupLog log;
    log.watch(help);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
    QCoreApplication::processEvents();
    QCOMPARE(log.shown, shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(boxes.texts, error.isEmpty() ? QStringList() : QStringList{error});
    QVERIFY(helpModeOff());
}

QUINDLE_TEST_MAIN(TestPopHelp)
#include "tst_PopHelp.moc"
