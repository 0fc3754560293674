// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>

// The application object. An error that escapes an event handler ends that
// handler only: it is shown in the error box and the program goes on.
class QuindleApplication : public QApplication {
    Q_OBJECT
public:
    QuindleApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Registers the bundled font and makes it the default at 11 pixels.
    static void useBundledFont();
};
