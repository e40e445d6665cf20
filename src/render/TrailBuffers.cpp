#include "render/TrailBuffers.h"

#include "render/SpriteAnimation.h"

void Trail::clear() {
    for (int i = 0; i < pointCount; ++i) {
        points[i] = Vector{};
        values[i] = 0;
        flags[i] = 0;
    }
    scrollOffset = 0.0f;
}

Trail* TrailBuffers::trail(unsigned slot, unsigned kind) {
    const int category = spriteCategory(kind);
    if (category < 1 || category > categoryCount || slot >= static_cast<unsigned>(slotCount)) return nullptr;
    return &trails[category - 1][slot];
}

void TrailBuffers::clearTrail(unsigned slot, unsigned kind) {
    if (Trail* t = trail(slot, kind)) t->clear();
}

void TrailBuffers::clearAll() {
    for (auto& category : trails)
        for (Trail& t : category) {
            t = Trail{};
        }
}
