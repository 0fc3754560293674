// SPDX-License-Identifier: MIT
#include "game/CoachCli.h"

#include "game/CoachTable.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace coach {

bool isSolveCommand(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--solve") == 0)
            return true;
    }
    return false;
}

int runSolveCommand(std::FILE *out)
{
    const auto start = std::chrono::steady_clock::now();
    const auto table = solve();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::fprintf(out, "Expected final score of best play from an empty Regular card: %.4f\n", table->value(State{}));
    std::fprintf(out, "Worked out in %.2f s on %u threads\n", took.count(),
                 std::max(1u, std::thread::hardware_concurrency()));
    return 0;
}

} // namespace coach
