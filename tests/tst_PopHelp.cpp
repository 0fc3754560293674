// SPDX-License-Identifier: MIT
// Popup help on the real new game wizard: help mode, what a click in it
// finds, the popups it shows and how they go away.
#include "FakePlatform.h"
#include "TestMain.h"
#include "controls/PopHelp.h"
#include "controls/PopHelpW.h"
#include "setup/newgame.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QWindow>

namespace {
bool helpModeOff() { return !QApplication::overrideCursor() && !QWidget::mouseGrabber(); }

void leaveTheApplication() { QApplicationStateChangeEvent inactive(Qt::ApplicationInactive); QCoreApplication::sendEvent(qApp, &inactive); }
// Records each popup of `help` and sends it away as `dismissal` says. One
// left up hides itself after two seconds, so that no test can hang on it.
struct PopupLog {
    explicit PopupLog(TPopupHelp *help) { QObject::connect(help, &TPopupHelp::popupShown, help, [this](THelpWindow *w) { record(w); }); }
    void record(THelpWindow *w)
    {
        QCoreApplication::processEvents(); // only the dismissal sends it away
        shown << QStringLiteral("%1|%2").arg(w->PopupOpen ? w->WrapWidth : -1).arg(w->HelpText);
        picture = w->FormPaint();
        beneath = w->beneath();
        topLeft = w->pos();
        QTimer::singleShot(2000, w, [this, w] { stuck = true; w->hide(); });
        if (dismissal == "key")
            QTest::keyClick(w->windowHandle(), Qt::Key_A);
        else if (dismissal == "release")
            QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, QPoint(4, 4));
        else if (dismissal == "activate") { // another window of the program
            other = std::make_unique<QWidget>();
            other->show();
            other->windowHandle()->requestActivate();
        } else
            leaveTheApplication();
    }
    QString dismissal = "key";
    QStringList shown; // "wrap width|text"
    QImage picture, beneath;
    QPoint topLeft;
    bool stuck = false;
    std::unique_ptr<QWidget> other;
};
// The wizard, with its popups recorded.
struct HelpWizard {
    HelpWizard() : wizard(new Tw_New_Wizard(nullptr, nullptr)), log(wizard->HPop)
    {
        if (wizard->show(); !QTest::qWaitForWindowActive(wizard))
            qWarning("wizard not active");
    }
    ~HelpWizard() { delete wizard; }
    // Steps: "F1" (with Shift), "?" (the caption's help button), "Esc", "Return",
    // "leave" (the application), "close", "~key" (how popups go away from now
    // on), or a click on a control through the window system ("^cb_next": the
    // release alone); the popup of a help click comes one turn later.
    void play(const QString &script)
    {
        QWindow *window = wizard->windowHandle();
        for (const QString &step : script.split(' ')) {
            const QWidget *control = wizard->findChild<QWidget *>(step.mid(step.startsWith('^')));
            const QPoint at = control ? control->mapTo(wizard.data(), control->rect().center()) : QPoint();
            if (step == "F1" || step == "?")
                before = state();
            if (const int key = step == "F1" ? Qt::Key_F1 : step == "Esc" ? Qt::Key_Escape : step == "Return" ? Qt::Key_Return : 0)
                QTest::keyClick(window, Qt::Key(key), key == Qt::Key_F1 ? Qt::ShiftModifier : Qt::NoModifier);
            else if (step == "?")
                QCoreApplication::postEvent(qApp, new QEvent(QEvent::EnterWhatsThisMode)); // as Qt hands it on
            else if (step == "leave" || step == "close")
                step == "leave" ? leaveTheApplication() : void(wizard->close());
            else if (step.startsWith('~'))
                log.dismissal = step.mid(1);
            else
                step.startsWith('^') ? QTest::mouseRelease(window, Qt::LeftButton, {}, at) : QTest::mouseClick(window, Qt::LeftButton, {}, at);
            if (step != "close") // whose deletion would end help mode anyway
                QCoreApplication::processEvents();
        }
    }
    // What a click or key reaching the dialog would change: "Page1 rb_easy rb_local rb_two".
    QString state() const
    {
        if (!wizard)
            return "gone";
        QString checked = wizard->Notebook1->currentWidget()->objectName();
        for (const QRadioButton *b : wizard->findChildren<QRadioButton *>())
            checked += b->isChecked() ? ' ' + b->objectName() : QString();
        return checked + (wizard->isVisible() ? "" : " closed");
    }
    FakePlatform fake;
    QPointer<Tw_New_Wizard> wizard;
    PopupLog log;
    QString before; // the state as help mode started
};
// Texts for any help context, instead of the resources.
struct StubHelp : TPopupHelp {
    using TPopupHelp::TPopupHelp;
    QByteArray helpResource(int id) const override
    {
        const QMap<int, QByteArray> texts{{1, QByteArray("0100First line\r\nsecond line\r\n") + QByteArray(2, '\0')},
                                          {6, "0320"}, {7, "03x0Broken"}, {8, "032"}, {40001, "0320Not from here"}};
        return texts.value(id);
    }
};
} // namespace

class TestPopHelp : public QObject {
    Q_OBJECT
private slots:
    void helpModeShowsTheTextOfTheControlUnderThePointer_data()
    {
        // A script, the text of the one popup shown (or none), and whether help mode is still on at the end.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("helpMode");
        QTest::newRow("Cancel, its popup gone at a key") << "F1 cb_close" << "Press this button to cancel the new game." << false;
        QTest::newRow("Next once a count is chosen, its popup gone at a release") << "rb_two ~release F1 cb_next"
            << "Press this button to go to the next step, or complete the new game specification." << false;
        QTest::newRow("Back, asked with the caption's button, its popup gone when another window is active")
            << "rb_two cb_next ~activate ? cb_prev" << "Press this button to go back a step." << false;
        QTest::newRow("a player count, its popup gone when the application is left") << "~leave F1 rb_three" << "Choose the number of players." << false;
        QTest::newRow("Hard, while Triple is chosen") << "rb_two cb_next rb_trip F1 rb_hard" << "Choose the difficulty level of a Triple Quindle game." << false;
        QTest::newRow("not Easy, disabled in a Regular game") << "rb_two cb_next rb_reg F1 rb_easy" << "" << true;
        QTest::newRow("not the title picture, which has no text") << "F1 i_bit" << "" << true;
        QTest::newRow("not a release without its press") << "F1 ^cb_close" << "" << true;
        QTest::newRow("Esc ends help mode and leaves the dialog open") << "rb_two ? Esc" << "" << false;
        QTest::newRow("Return presses no Next") << "rb_two F1 Return" << "" << true;
        QTest::newRow("leaving the application ends help mode") << "F1 leave" << "" << false;
        QTest::newRow("closing the dialog ends it") << "F1 close" << "" << false;
    }
    void helpModeShowsTheTextOfTheControlUnderThePointer()
    {
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(bool, helpMode);
        HelpWizard h;
        h.play(script);
        // Every wizard text wraps at its own 320, whatever MaxWidth says.
        QCOMPARE(h.log.shown, text.isEmpty() ? QStringList() : QStringList{"320|" + text});
        QVERIFY(!h.log.stuck);
        const QCursor *cursor = QApplication::overrideCursor(); // the help cursor and the mouse with the wizard, or neither
        QCOMPARE(cursor && cursor->shape() == Qt::WhatsThisCursor && QWidget::mouseGrabber() == h.wizard, helpMode);
        QCOMPARE(helpModeOff(), !helpMode);
        if (!script.endsWith(" close")) // nothing else closes the dialog
            QCOMPARE(h.state(), h.before);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<THelpWindow *>(w));
    }
    // A black frame round the text on the box colour, and a checkered shadow at
    // the right and bottom over what lay beneath: the wizard as it was drawn there.
    void popupDrawsItsBoxAndShadowOverTheWizard()
    {
        HelpWizard h;
        h.play("F1 rb_three");
        const QImage &shown = h.log.picture, &beneath = h.log.beneath;
        QCOMPARE(beneath, h.wizard->grab().toImage().copy(QRect(h.wizard->mapFromGlobal(h.log.topLeft), shown.size())).convertToFormat(QImage::Format_RGB32));
        const QRect box(0, 0, shown.width() - 8, shown.height() - 8);
        QImage inside(box.size() - QSize(2, 2), QImage::Format_RGB32);
        inside.fill(qRgb(255, 255, 232));
        QVERIFY(shown.copy(box.adjusted(1, 1, -1, -1)) != inside); // the text is on it
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const bool lit = y % 2 == 0 && (x + y / 2) % 2 == 0; // every other pixel of every other row
                const QRgb mask = x < 8 || y < 8 ? ~0u : lit ? qRgb(255, 255, 232) : qRgb(0, 0, 0);
                if (!box.adjusted(1, 1, -1, -1).contains(x, y))
                    QCOMPARE(shown.pixel(x, y), box.contains(x, y) ? qRgb(0, 0, 0) : beneath.pixel(x, y) & mask);
            }
    }
    // From Lines, or from the resource of the control's context: wrapped at its own
    // width, never for a message number, and a broken or cut-short one reported in the error box.
    void textComesFromLinesOrTheResource()
    {
        FakePlatform fake;
        fake.boxes.expect("'03x0' is not a valid integer value.");
        fake.boxes.expect("'032' is not a valid integer value.");
        QWidget form;
        auto *button = new QPushButton(QStringLiteral("Ask"), &form);
        auto *help = new StubHelp(&form);
        help->MaxWidth = 150;
        help->Messages = true;
        PopupLog log(help);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (const int context : {1, 5, 6, 7, 8, 40001, 2}) { // then Lines, for any context
            help->Lines = context == 2 ? QStringList{"One", "Two"} : QStringList();
            button->setProperty("HelpContext", context);
            QTest::keyClick(form.windowHandle(), Qt::Key_F1, Qt::ShiftModifier);
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
            QCoreApplication::processEvents();
            QVERIFY(helpModeOff());
        }
        QCOMPARE(log.shown, QStringList({"100|First line\r\nsecond line", "150|One\r\nTwo"}));
        QVERIFY(fake.boxes.pending().isEmpty());
    }
};

QUINDLE_TEST_MAIN(TestPopHelp)
#include "tst_PopHelp.moc"
