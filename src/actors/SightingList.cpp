#include "actors/SightingList.h"

void SightingList::add(const Sighting& sighting) {
    // A pool shows her at most forty others; a longer list holds stale entries.
    if (count >= capacity) count = 0;
    entries[count++] = sighting;
}

const Sighting* SightingList::nearest() const {
    const Sighting* best = nullptr;
    for (int i = 0; i < count; ++i)
        if (!best || entries[i].distance < best->distance) best = &entries[i];
    return best;
}

const Sighting* SightingList::nearestWithin(float reach) const {
    const Sighting* best = nearest();
    return best && best->distance < reach ? best : nullptr;
}
