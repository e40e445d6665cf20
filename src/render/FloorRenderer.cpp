#include "render/FloorRenderer.h"

#include <GL/gl.h>

#include "actors/FloorMesh.h"

void FloorRenderer::load(unsigned set, unsigned frameCount) {
    if (frameCount == 0 || set < firstStoreSet || set > lastStoreSet || frameCounts[set - firstStoreSet] != 0) return;
    frameCounts[set - firstStoreSet] = frameCount;
    for (unsigned f = 0; f < slotsPerSet; ++f) opacity[(set - firstStoreSet) * slotsPerSet + f] = 0;
}

const Picture* FloorRenderer::shownPattern(unsigned set, std::int32_t frame) {
    // A dance shows one or two of its set's frames: each is read when it is
    // first drawn, and kept at four bytes a texel, which llvmpipe samples
    // faster than the one or two of a grey image.
    if (set < firstStoreSet || set > lastStoreSet || frame < 1) return nullptr;
    if (static_cast<unsigned>(frame) > frameCounts[set - firstStoreSet]) return nullptr;
    store.loadFrame(set, frame);
    return store.frame(set, frame);
}

bool FloorRenderer::opaquePattern(unsigned set, std::int32_t frame) {
    const Picture* pattern = shownPattern(set, frame);
    // Without a pattern, or with one that has no image, only the colours show.
    if (pattern == nullptr || !pictureSideFits(pattern->width)) return true;
    std::uint8_t& known = opacity[(set - firstStoreSet) * slotsPerSet + static_cast<unsigned>(frame)];
    if (known == 0) known = everyTexelOpaque(pattern) ? 1 : 2;
    return known == 1;
}

void FloorRenderer::draw(const FloorMesh& mesh, unsigned set, std::int32_t frame) {
    const Picture* pattern = shownPattern(set, frame);
    if (pattern == nullptr) glDisable(GL_TEXTURE_2D);
    ::bindPicture(pattern);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.vertices());
    glColorPointer(3, GL_FLOAT, 0, mesh.colours());
    glTexCoordPointer(2, GL_FLOAT, 0, mesh.texCoords());

    // Each strip zig-zags from the upper row to the lower one: its triangles
    // turn clockwise seen from the viewer.
    // Opaque colours over an opaque pattern: blending would give each pixel
    // the floor's own colour, so the old one need not be read.
    const bool blending = opaquePattern(set, frame) && glIsEnabled(GL_BLEND);
    if (blending) glDisable(GL_BLEND);
    glFrontFace(GL_CW);
    for (int r = 0; r < FloorMesh::stripCount; ++r) {
        glDrawElements(GL_TRIANGLE_STRIP, FloorMesh::indicesPerStrip, GL_UNSIGNED_INT, mesh.strip(r));
    }
    glFrontFace(GL_CCW);
    if (blending) glEnable(GL_BLEND);

    if (pattern == nullptr) glEnable(GL_TEXTURE_2D);
}
