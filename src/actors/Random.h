#pragma once

#include <ctime>

// Every place where the game reseeds rand() from the clock goes through
// reseedFromClock(). A test can fix the clock so that a dance replays exactly.
using SeedClock = std::time_t (*)();

void reseedFromClock();
// nullptr restores the real clock.
void setSeedClock(SeedClock clock);
