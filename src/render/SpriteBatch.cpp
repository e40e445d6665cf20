#include "render/SpriteBatch.h"

#include <GL/gl.h>

#include <cmath>

SpriteTurn spriteTurn(float degrees) {
    // As glRotatef works it out: in double, kept as floats.
    const double radians = static_cast<double>(degrees) * 3.14159265358979323846 / 180.0;
    SpriteTurn turn;
    turn.sine = static_cast<float>(std::sin(radians));
    turn.cosine = static_cast<float>(std::cos(radians));
    return turn;
}

SpriteCorner placeCorner(Vector position, float scaleX, float scaleY, SpriteTurn turn, float x, float y) {
    const float sx = scaleX * x;
    const float sy = scaleY * y;
    SpriteCorner corner;
    corner.x = position.x + (turn.cosine * sx - turn.sine * sy);
    corner.y = position.y + (turn.sine * sx + turn.cosine * sy);
    corner.z = position.z;  // the scale flattens z to 0 before the move
    return corner;
}

void SpriteBatch::end() {
    if (depth > 0) --depth;
    if (depth == 0) flush();
}

void SpriteBatch::keepColour(float red, float green, float blue, float alpha) {
    lastColour[0] = red;
    lastColour[1] = green;
    lastColour[2] = blue;
    lastColour[3] = alpha;
    colourPending = true;
    if (depth == 0) flush();
}

void SpriteBatch::add(std::uint32_t name, const AtlasFrame& frame, Vector position, float scaleX, float scaleY,
                      SpriteTurn turn, float red, float green, float blue, float alpha) {
    if (count > 0 && (name != texture || count >= capacity)) flush();
    texture = name;

    // The unit quad's strip: lower left, lower right, upper left, upper right.
    const SpriteCorner corners[4] = {
        placeCorner(position, scaleX, scaleY, turn, frame.left, frame.bottom),
        placeCorner(position, scaleX, scaleY, turn, frame.right, frame.bottom),
        placeCorner(position, scaleX, scaleY, turn, frame.left, frame.top),
        placeCorner(position, scaleX, scaleY, turn, frame.right, frame.top),
    };
    const float s[4] = {frame.sLeft, frame.sRight, frame.sLeft, frame.sRight};
    const float t[4] = {frame.tBottom, frame.tBottom, frame.tTop, frame.tTop};
    // Its two triangles as the strip gives them: (0, 1, 2), then (2, 1, 3).
    static constexpr int order[verticesPerQuad] = {0, 1, 2, 2, 1, 3};
    const int first = count * verticesPerQuad;
    for (int v = 0; v < verticesPerQuad; ++v) {
        const int c = order[v];
        float* p = positions + (first + v) * 3;
        p[0] = corners[c].x;
        p[1] = corners[c].y;
        p[2] = corners[c].z;
        float* st = texCoords + (first + v) * 2;
        st[0] = s[c];
        st[1] = t[c];
        float* rgba = colours + (first + v) * 4;
        rgba[0] = red;
        rgba[1] = green;
        rgba[2] = blue;
        rgba[3] = alpha;
    }
    ++count;
    keepColour(red, green, blue, alpha);
}

void SpriteBatch::flush() {
    if (count > 0) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, positions);
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
        glColorPointer(4, GL_FLOAT, 0, colours);
        glDrawArrays(GL_TRIANGLES, 0, count * verticesPerQuad);
        count = 0;
        ++calls;
    }
    if (colourPending) {
        glColor4f(lastColour[0], lastColour[1], lastColour[2], lastColour[3]);
        colourPending = false;
    }
}
