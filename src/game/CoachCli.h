// SPDX-License-Identifier: MIT
#pragma once
// `quindle --solve`: works out the whole table on every core, without a
// window or a display, and prints the expected final score of best play
// from an empty Regular card with the time it took.

#include <cstdio>

namespace coach {

bool isSolveCommand(int argc, char **argv);
int runSolveCommand(std::FILE *out = stdout);

} // namespace coach
