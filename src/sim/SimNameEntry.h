#pragma once

#include <cstdint>

#include "game/NameEntry.h"

class World;

// The Game's side of a name entry for a dance that runs without a Game (the
// headless simulation): the mouse moves the World's letter cursor as the
// Game moves it, and clicks go through the game's own NameEntry, so a name
// is spelled in the simulation exactly as on the screen. Per frame:
// moveCursor before the World steers, handedName to the World's update,
// then afterUpdate with the same frame's left button.
class SimNameEntry {
public:
    static constexpr float scrollGuard = 0.2f;  // one cursor step per 0.2 s at most

    // A fresh dance: nothing typed, the mouse where the first frame finds it.
    void reset(std::int32_t mouseX);

    // A move of more than one pixel sideways steps the cursor along the
    // shuffled letters while an entry runs; clamped to the letters shown.
    void moveCursor(World& world, std::int32_t mouseX, float seconds);

    // What the World's update compares with her name: all zeros until the
    // typed letters have settled.
    const char (&handedName() const)[NameEntry::nameLength] { return entry.handedName; }

    // The entry's frame after the dance frame: a change of the World's
    // entry clears what was typed; while it runs, the click types the
    // letter under the cursor (if it is the next of her name) and the
    // letters fly in and settle.
    void afterUpdate(World& world, bool leftButton, float seconds);

    std::uint8_t typedCount() const { return entry.typedCount; }

private:
    NameEntry entry;
    std::int32_t previousMouseX = 0;
    float scrollClock = 0.0f;
    bool wasNameEntry = false;
};
