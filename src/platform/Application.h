// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>
#include <QIcon>

// The application object, with the program's name and font.
class QuindleApplication : public QApplication {
    Q_OBJECT
public:
    QuindleApplication(int &argc, char **argv);

    // Registers the bundled font and makes it the default at 11 pixels.
    static void useBundledFont();
    // The program's icon in every size it carries.
    static QIcon applicationIcon();
};
