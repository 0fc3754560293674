// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "platform/Application.h"

int main(int argc, char **argv)
{
    QuindleApplication app(argc, argv);
    return startup::run();
}
