// SPDX-License-Identifier: MIT
#pragma once
// Point-and-ask help for the controls of a dialog. In help mode the pointer
// is the help cursor and the next click on the dialog is not delivered:
// the help context of the control under the pointer picks a text, shown in
// a popup below the pointer. Help mode starts from the context-help request
// of the window manager's caption button while the owning dialog is active,
// or from Shift+F1 in that dialog.

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QWidget;
class THelpWindow;

namespace pophelp {

struct HelpText {
    int wrapWidth = 0;
    QString text;
};

// A help text resource: four decimal digits of wrap width, then the text up
// to the first NUL, at most 65535 characters, without a final CR LF. Nothing
// when the resource is missing or empty; throws QuindleError when the first
// four characters are not decimal digits.
std::optional<HelpText> parseResource(const QByteArray &data);
QString dropFinalCrLf(const QString &text);

} // namespace pophelp

class TPopupHelp : public QObject {
    Q_OBJECT
public:
    // `owner` is a control of the dialog whose requests start help mode.
    explicit TPopupHelp(QWidget *owner);
    ~TPopupHelp() override;

    quint32 WindowColour = 0xE8FFFF; // 0x00BBGGRR: pale yellow
    QFont Font;
    QColor FontColour = Qt::black;
    QStringList Lines;
    int MaxWidth = 300;
    int Language = 0;
    bool Messages = false;

    void StartHelpMode();
    void EndHelpMode();
    bool inHelpMode() const { return m_helpMode; }
    // The click in help mode, its release at `globalPos`.
    void HelpClick(QPoint globalPos);
    // Esc ends help mode; returns whether the key is one the dialog must not
    // see in help mode (Esc and Enter).
    bool HelpKeyDown(const QKeyEvent *event);
    // Shows the text of the last click and returns once the popup is gone.
    void ShowHelp();

signals:
    void popupShown(THelpWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The bytes of help text resource `id`, empty when there is none.
    virtual QByteArray helpResource(int id) const;

private:
    bool watchRequest(QObject *watched, QEvent *event);
    bool helpModeEvent(QObject *watched, QEvent *event);
    bool helpModeMouse(QMouseEvent *event);
    std::optional<pophelp::HelpText> chooseText() const;

    QPointer<QWidget> m_owner;
    bool m_helpMode = false;
    bool m_popupOpen = false;
    bool m_leftDown = false;
    QPointer<QWidget> m_helpForm;
    QPointer<QWidget> m_control;
    QPoint m_pointer;
    int m_context = 0;
};
