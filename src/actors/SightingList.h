#pragma once

#include <cstdint>

#include "actors/Vector.h"

// What a dancer sensed of another actor in one touch.
struct Sighting {
    Vector position;
    float angle = 0.0f;           // the angle facing the other actor, 0..360
    float distance = 1000.0f;     // 1000 stands for "nothing seen"
    std::uint8_t kind = 0;        // the other actor's kind
};

// One of a dancer's four lists of what touched her this frame. A full list
// is emptied before the next entry, so it never holds more than capacity.
class SightingList {
public:
    static constexpr int capacity = 41;

    void clear() { count = 0; }
    void add(const Sighting& sighting);
    bool empty() const { return count == 0; }
    int size() const { return count; }
    const Sighting& operator[](int index) const { return entries[index]; }

    // The closest entry, or nullptr for an empty list.
    const Sighting* nearest() const;
    // The closest entry nearer than reach (strictly), or nullptr.
    const Sighting* nearestWithin(float reach) const;

private:
    Sighting entries[capacity];
    int count = 0;
};
