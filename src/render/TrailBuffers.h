#pragma once

#include <cstdint>

#include "actors/Vector.h"

// The recorded points of every actor's trail, per sprite category 1-5 and
// actor slot 0-39. Plain data: recording and clearing need no OpenGL, so the
// World can clear a slot's trail when it reuses the slot.
struct Trail {
    static constexpr int pointCount = 50;
    Vector points[pointCount];
    std::int32_t values[pointCount] = {};
    std::uint8_t flags[pointCount] = {};
    float samplingTimer = 0.0f;
    float scrollOffset = 0.0f;
    float stretch = 1.0f;
    std::uint8_t recording = 0;
    std::uint8_t wasRecording = 0;

    void clear();
};

class TrailBuffers {
public:
    static constexpr int categoryCount = 5;
    static constexpr int slotCount = 40;

    // The trail of an actor of this kind in this slot; null for kinds without
    // a sprite category or slots out of range.
    Trail* trail(unsigned slot, unsigned kind);
    // Clears the points, values and flags of one actor and restarts its scroll.
    void clearTrail(unsigned slot, unsigned kind);
    void clearAll();

private:
    Trail trails[categoryCount][slotCount];
};
