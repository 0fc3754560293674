// SPDX-License-Identifier: MIT
#include "platform/Random.h"
#include "platform/Platform.h"

namespace rng {
namespace {
uint32_t g_seed = 0;
}

uint32_t seed() { return g_seed; }
void setSeed(uint32_t value) { g_seed = value; }

int random(int n)
{
    g_seed = g_seed * 134775813u + 1u;
    return int((uint64_t(g_seed) * uint32_t(n)) >> 32);
}

void randomize()
{
    const QTime t = platform::services().clock->timeOfDayUtc();
    g_seed = uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

} // namespace rng
