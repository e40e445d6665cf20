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
//
// A dancer is touched by every actor of the stage in every frame, but reads
// the angle of only a few of them: an entry may therefore be added with the
// offset it was seen along instead of its angle, and the angle is worked out
// (and kept) the first time the entry is read. The closest entry is kept up
// to date as entries come in, so the nearest-entry questions cost nothing.
class SightingList {
public:
    static constexpr int capacity = 41;

    void clear() { count = 0; }
    void add(const Sighting& sighting);
    // An entry whose angle is the one facing along offset (the other actor's
    // position subtracted from the dancer's), wrapped into 0..360.
    void addSeen(const Vector& position, const Vector& offset, float distance, std::uint8_t kind);
    bool empty() const { return count == 0; }
    int size() const { return count; }
    const Sighting& operator[](int index) const { return resolved(index); }
    // The distance of an entry, without working out its angle.
    float distanceAt(int index) const { return entries[index].distance; }

    // The closest entry (the first of equals), or nullptr for an empty list.
    const Sighting* nearest() const { return count > 0 ? &resolved(best) : nullptr; }
    // The closest entry nearer than reach (strictly), or nullptr.
    const Sighting* nearestWithin(float reach) const {
        return count > 0 && entries[best].distance < reach ? &resolved(best) : nullptr;
    }

private:
    const Sighting& resolved(int index) const {
        if (pending & (std::uint64_t{1} << index)) resolve(index);
        return entries[index];
    }
    void resolve(int index) const;
    // Takes the next place (starting over when full) and keeps `best`.
    int place(float distance);

    mutable Sighting entries[capacity];
    float offsetX[capacity] = {};
    float offsetY[capacity] = {};
    mutable std::uint64_t pending = 0;  // entries whose angle is still to be worked out
    int count = 0;
    int best = 0;                       // the closest entry while count > 0
};
