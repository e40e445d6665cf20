#include "actors/FloorMesh.h"

FloorMesh::FloorMesh() {
    int n = 0;
    for (int r = 0; r < stripCount; ++r) {
        for (int c = 0; c < columns; ++c) {
            indexArray[n++] = static_cast<std::uint32_t>(columns * r + c + columns);
            indexArray[n++] = static_cast<std::uint32_t>(columns * r + c);
        }
    }
}

void FloorMesh::set(int row, int column, float x, float y, float red, float green, float blue, float u, float v) {
    if (row < 0 || row >= rows || column < 0 || column >= columns) return;
    const int k = row * columns + column;
    vertexArray[3 * k] = x;
    vertexArray[3 * k + 1] = y;
    vertexArray[3 * k + 2] = 0.0f;
    colourArray[3 * k] = red;
    colourArray[3 * k + 1] = green;
    colourArray[3 * k + 2] = blue;
    texCoordArray[2 * k] = u;
    texCoordArray[2 * k + 1] = v;
}

const std::uint32_t* FloorMesh::strip(int r) const {
    if (r < 0 || r >= stripCount) r = 0;
    return indexArray + r * indicesPerStrip;
}
