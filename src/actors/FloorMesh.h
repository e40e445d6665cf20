#pragma once

#include <cstdint>

// The dance floor as plain client arrays for one draw: 3 floats per vertex,
// 3 floats per colour (0..1), 2 floats per texture coordinate, and one index
// list of 32-bit indices. Row r of the rectangle runs along x; strip r
// zig-zags between rows r + 1 and r (indices w*r + c + w, w*r + c), which
// makes every strip's triangles clockwise seen from +z: the drawing sets the
// front face to clockwise for them. No OpenGL here; src/render draws it.
class FloorMesh {
public:
    static constexpr int columns = 25;  // w: vertices per row
    static constexpr int rows = 25;     // h
    static constexpr int vertexCount = columns * rows;
    static constexpr int stripCount = rows - 1;
    static constexpr int indicesPerStrip = 2 * columns;

    FloorMesh();

    // Writes one vertex; out-of-range rows or columns are ignored.
    void set(int row, int column, float x, float y, float red, float green, float blue, float u, float v);

    const float* vertices() const { return vertexArray; }
    const float* colours() const { return colourArray; }
    const float* texCoords() const { return texCoordArray; }
    const std::uint32_t* indices() const { return indexArray; }
    // The 2 * columns indices of strip r (0..stripCount-1); strip 0 for a bad r.
    const std::uint32_t* strip(int r) const;

private:
    float vertexArray[vertexCount * 3] = {};
    float colourArray[vertexCount * 3] = {};
    float texCoordArray[vertexCount * 2] = {};
    std::uint32_t indexArray[stripCount * indicesPerStrip] = {};
};
