// SPDX-License-Identifier: MIT
#include "platform/Threads.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

void yieldToTheGame()
{
    // On Linux a priority set for a thread id holds for that thread alone,
    // and new threads take their creator's.
    constexpr int Background = 10;
    setpriority(PRIO_PROCESS, id_t(gettid()), Background);
}

} // namespace platform
