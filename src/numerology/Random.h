// The one pseudo-random generator of the program, seeded once from the clock.
#pragma once

#include <random>

namespace qiming::numerology {

std::mt19937 &sharedRandom();

// A uniform draw from 0 .. count-1; count must be positive.
int randomIndex(int count);

} // namespace qiming::numerology
