#include "actors/Random.h"

#include <cstdlib>

namespace {
SeedClock seedClock = nullptr;
}

void reseedFromClock() {
    const std::time_t now = seedClock ? seedClock() : std::time(nullptr);
    std::srand(static_cast<unsigned>(now));
}

void setSeedClock(SeedClock clock) { seedClock = clock; }
