#pragma once

#include <cstdint>

// The guided first dance: the one scripted level the game plays besides the
// nine city dances. It shows no hints and no particles, and time cannot be
// frozen there.
constexpr std::uint8_t guidedDanceLevel = 34;
