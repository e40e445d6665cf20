#pragma once

#include <cstdint>

#include "world/Levels.h"

// Where the menu's buttons lie, in menu coordinates (stage units, y up).
// Every region is open: a point on an edge is outside.
namespace MenuLayout {

// Hover codes of the menu hit test.
namespace Hover {
constexpr std::uint32_t nothing = 0;
constexpr std::uint32_t play = 1;
constexpr std::uint32_t quit = 2;
constexpr std::uint32_t guidedDance = guidedDanceLevel;
constexpr std::uint32_t pagePrevious = 51;
constexpr std::uint32_t pageNext = 52;
}  // namespace Hover

// The button under the pointer. Tested Quit, Play, guided dance, then the
// two page buttons; a later hit replaces an earlier one, so the strip where
// Quit and Play overlap belongs to Play.
std::uint32_t hitTest(float x, float y);
// The looping hover sound of a code: 1 Play, 2 Quit, 4 page buttons, 0 to
// fade out; -1 for the guided-dance button, which has none.
int hoverSound(std::uint32_t code);

bool inGuidedButton(float x, float y);
bool inVolumeSlider(float x, float y);
bool inLevelDown(float x, float y);
bool inLevelUp(float x, float y);
bool inQuit(float x, float y);
bool inPlay(float x, float y);
// The two arrow buttons beside the level picture (hover codes 51, 52).
bool inPagePrevious(float x, float y);
bool inPageNext(float x, float y);

// Music volume 0..1 for a click on the slider at x.
float volumeAt(float x);
// Slider x of a volume (the knob's place).
float sliderAt(float volume);

// One step of the level selector. Upwards it runs 34, 1, 2, ...,
// highestLevel, 34, ...; downwards the reverse way.
std::uint8_t stepSelector(std::uint8_t selected, std::uint8_t highestLevel, bool up);

}  // namespace MenuLayout
