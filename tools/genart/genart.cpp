// SPDX-License-Identifier: MIT
// genart: draws every picture and synthesises every sound of the game and
// writes them under the resources directory given on the command line.
//
//   QT_QPA_PLATFORM=offscreen genart path/to/resources
//
// The output is deterministic: running it twice writes identical files, so
// the committed resources can always be regenerated and compared.

#include "common.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: genart <resources directory>\n";
        return 2;
    }
    const QString root = QDir(args.at(1)).absolutePath();
    if (!art::loadFonts(root)) {
        err << "genart: cannot load the Liberation Sans fonts from " << root << "/fonts\n";
        return 1;
    }
    art::setOutputRoot(root);

    art::makeDice();
    art::makeRolls();
    art::makeCup();
    art::makeCard();
    art::makeChecks();
    art::makeWizard();
    art::makeSplash();
    art::makeCursors();
    art::makeSounds();
    art::makeAppIcon();

    if (art::failures() > 0) {
        err << "genart: " << art::failures() << " problem(s)\n";
        return 1;
    }
    return 0;
}
