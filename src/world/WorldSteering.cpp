#include <algorithm>

#include "actors/Avatar.h"
#include "world/World.h"

namespace {

constexpr float zoomRate = 2.0f;        // per second while a zoom key is held
// The radar's zoom stays where its drawing makes sense.
constexpr float zoomLowest = 1.0f;
constexpr float zoomHighest = 50.0f;
constexpr float displaySwitchGuard = 0.5f;

}  // namespace

void World::steer(std::int32_t mouseX, std::int32_t mouseY, bool leftButton, bool rightButton, bool keyUp,
                  bool keyRight, bool keyDown, bool keyLeft, bool keyZoomOut, bool keyZoomIn, bool /*t*/,
                  bool keyFloor, bool keyEffects, bool /*r*/, bool /*q*/, bool /*space*/, float seconds) {
    if (!allocated) return;
    // She runs her throwing clock only while no name is being entered.
    if (!nameEntry) prima().steer(0, 0, false, false, keyUp, keyRight, keyDown, keyLeft, nameEntry, seconds);
    cat().steer(mouseX, mouseY, leftButton, rightButton, false, false, false, false, nameEntry, seconds);

    if (keyZoomOut) zoom += zoomRate * seconds;
    if (keyZoomIn) zoom -= zoomRate * seconds;
    zoom = std::clamp(zoom, zoomLowest, zoomHighest);

    // The floor and effect switches look at their keys twice a second.
    displaySwitchClock += seconds;
    if (displaySwitchClock > displaySwitchGuard) {
        if (keyFloor && !nameEntry) showFloor = !showFloor;
        if (keyEffects && !nameEntry) showEffects = !showEffects;
        displaySwitchClock = 0.0f;
    }

    handleRightButton(rightButton, seconds);
}
