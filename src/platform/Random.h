// SPDX-License-Identifier: MIT
#pragma once
// The program-wide random generator: a 32-bit linear congruential generator
// whose sequence for a given seed is fixed, so a seed pins every roll.

#include <cstdint>

namespace rng {

uint32_t seed();
void setSeed(uint32_t value);
// A value 0..n-1; n of 0 gives 0.
int random(int n);
// Seeds from the UTC time of day in milliseconds.
void randomize();

} // namespace rng
