#include "actors/SightingList.h"

#include "actors/Motion.h"

static_assert(SightingList::capacity <= 64, "one pending bit per entry");

int SightingList::place(float distance) {
    // A pool shows her at most forty others; a longer list holds stale entries.
    if (count >= capacity) count = 0;
    const int index = count++;
    // The closest entry is the first of the smallest distances, as a scan
    // from the front would find it.
    if (index == 0 || distance < entries[best].distance) best = index;
    return index;
}

void SightingList::add(const Sighting& sighting) {
    const int index = place(sighting.distance);
    entries[index] = sighting;
    pending &= ~(std::uint64_t{1} << index);
}

void SightingList::addSeen(const Vector& position, const Vector& offset, float distance, std::uint8_t kind) {
    const int index = place(distance);
    Sighting& s = entries[index];
    s.position = position;
    s.distance = distance;
    s.kind = kind;
    offsetX[index] = offset.x;
    offsetY[index] = offset.y;
    pending |= std::uint64_t{1} << index;
}

void SightingList::resolve(int index) const {
    entries[index].angle = wrapAngle(angleOfVector(Vector{offsetX[index], offsetY[index], 0.0f}));
    pending &= ~(std::uint64_t{1} << index);
}
