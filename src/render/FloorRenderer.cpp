#include "render/FloorRenderer.h"

#include <GL/gl.h>

#include "actors/FloorMesh.h"

void FloorRenderer::load(unsigned set, unsigned frameCount) {
    if (frameCount == 0) return;
    store.loadSpriteSet(set, frameCount);
}

void FloorRenderer::draw(const FloorMesh& mesh, unsigned set, std::int32_t frame) {
    const Picture* pattern = store.frame(set, frame);
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
    glFrontFace(GL_CW);
    for (int r = 0; r < FloorMesh::stripCount; ++r) {
        glDrawElements(GL_TRIANGLE_STRIP, FloorMesh::indicesPerStrip, GL_UNSIGNED_INT, mesh.strip(r));
    }
    glFrontFace(GL_CCW);

    if (pattern == nullptr) glEnable(GL_TEXTURE_2D);
}
