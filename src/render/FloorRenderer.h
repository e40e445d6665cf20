#pragma once

#include <cstdint>

#include "render/SpriteSetStore.h"

class FloorMesh;

// Draws the dance floor's mesh from client arrays (vertices, colours and
// texture coordinates), one triangle strip per row, with the floor pattern
// of the frame the World chooses. The floor's sprite sets (171-180, which
// wrap) are kept here, 48 slots per set. Construction makes no OpenGL call.
class FloorRenderer {
public:
    static constexpr unsigned firstStoreSet = 171;
    static constexpr unsigned lastStoreSet = 180;
    static constexpr unsigned slotsPerSet = 48;

    FloorRenderer() = default;
    FloorRenderer(const FloorRenderer&) = delete;
    FloorRenderer& operator=(const FloorRenderer&) = delete;

    // Frames 1 to frameCount of the set can be drawn from now on (the first
    // count given stays); each is read when first drawn. Nothing for a count of 0.
    void load(unsigned set, unsigned frameCount);

    // The mesh with frame `frame` of the set over the tiles' colours. Frame 0
    // (which the start palette can give) and frames without a picture show
    // the tiles' colours alone, without a pattern.
    void draw(const FloorMesh& mesh, unsigned set, std::int32_t frame);

    const SpriteSetStore& sets() const { return store; }
    // True when the frame's pattern is opaque or there is none: the mesh's
    // colours are opaque, so the floor then replaces what lies under it.
    bool opaquePattern(unsigned set, std::int32_t frame);

private:
    // The frame's pattern, read now if it was not yet; null outside the loaded frames.
    const Picture* shownPattern(unsigned set, std::int32_t frame);

    SpriteSetStore store{firstStoreSet, lastStoreSet, slotsPerSet};
    unsigned frameCounts[lastStoreSet - firstStoreSet + 1] = {};
    // Per set and frame: 0 not yet known, 1 opaque, 2 not opaque.
    std::uint8_t opacity[(lastStoreSet - firstStoreSet + 1) * slotsPerSet] = {};
};
