#pragma once

#include <cstdint>

#include "actors/Vector.h"

// What the menu frame shows.
struct MenuView {
    std::uint8_t selectedLevel = 1;
    std::uint32_t hoverCode = 0;
    const std::uint8_t* medalOfLevel = nullptr;  // 60 entries: 1 gold .. 4 none
    std::uint8_t rank = 1;
    float alpha = 1.0f;
    float sideHeight = 1.2f;   // height of the small side picture (the butterfly)
    float sliderX = 0.75f;     // the volume knob on its track
    float seconds = 0.0f;      // frame time for the menu's clocks
};

// Everything the interface around a running dance shows.
struct InterfaceView {
    static constexpr int guideCount = 3;  // to a ballerina, to an unhappy one, to a muse

    std::int32_t sungTotal = 0;
    std::int32_t goalMuses = 0;
    std::int32_t musesSinging = 0;
    std::int32_t score = 0;
    std::int32_t goldScore = 0;
    std::int32_t goalB = 0;
    std::int32_t dancerCount = 0;
    std::int32_t leftCount = 0;
    Vector guides[guideCount];       // relative to the view; (0, 0) when not shown
    float guideAngles[guideCount] = {};
    std::int32_t primaHearts = 100;  // the Prima Ballerina's energy, 100 down to 0
    std::uint8_t talents[3] = {};    // blue, green, red
    bool frozen = false;
    float freezeLimit = 5.0f;
    float freezeElapsed = 0.0f;
    bool nameEntry = false;
    float nameEntryLimit = 9.0f;
    float nameEntryElapsed = 0.0f;
    bool pointerOnMenuSpot = false;
    bool hintShown = false;
    float seconds = 0.0f;
    std::uint8_t level = 1;
    bool hasHotSpot = false;         // the guided dance: the cat stands on something
    Vector hotSpot;                  // where, relative to the view
    bool waitForClick = false;
};

// Per-frame marks of the interface, kept by the Game and cleared at every
// level change: row 0 holds what the previous frame showed (blue, green and
// red talents, filled hearts, ballerinas left, muses sung), row 1 which
// guide pointers were up.
using HudMarks = std::uint8_t[2][7];
