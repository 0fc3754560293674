// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "game/CoachCli.h"
#include "platform/Application.h"

int main(int argc, char **argv)
{
    // Before the application object, so that it needs no display.
    if (coach::isSolveCommand(argc, argv))
        return coach::runSolveCommand();
    QuindleApplication app(argc, argv);
    return startup::run();
}
