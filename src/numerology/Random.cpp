#include "numerology/Random.h"

#include <chrono>

namespace qiming::numerology {

std::mt19937 &sharedRandom()
{
    static std::mt19937 generator(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}

int randomIndex(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(sharedRandom());
}

} // namespace qiming::numerology
