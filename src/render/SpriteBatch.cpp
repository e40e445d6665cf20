#include "render/SpriteBatch.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

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

bool SpriteBatch::Box::near(const Box& other) const {
    // Half a pixel of a 1024-pixel window: far more than the rounding of
    // the renderer's own transform, so no pixel centre lies in two quads
    // this calls apart. NaN compares false, so it counts as near.
    constexpr float margin = 1.0f / 1024.0f;
    return !(left > other.right + margin || other.left > right + margin || bottom > other.top + margin ||
             other.bottom > top + margin);
}

void SpriteBatch::Box::cover(const Box& other) {
    left = std::min(left, other.left);
    bottom = std::min(bottom, other.bottom);
    right = std::max(right, other.right);
    top = std::max(top, other.top);
}

void SpriteBatch::readTransform() {
    float modelView[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelView[column * 4 + k];
            transform[column * 4 + row] = sum;
        }
}

SpriteBatch::Box SpriteBatch::screenBox(const SpriteCorner (&corners)[4]) const {
    constexpr float everywhere = std::numeric_limits<float>::infinity();
    Box box{everywhere, everywhere, -everywhere, -everywhere};
    for (const SpriteCorner& c : corners) {
        const float* m = transform;
        const float w = m[3] * c.x + m[7] * c.y + m[11] * c.z + m[15];
        // Behind the eye a corner has no place on the screen: near everything.
        if (!(w > 0.0f)) return Box{-everywhere, -everywhere, everywhere, everywhere};
        const float x = (m[0] * c.x + m[4] * c.y + m[8] * c.z + m[12]) / w;
        const float y = (m[1] * c.x + m[5] * c.y + m[9] * c.z + m[13]) / w;
        box.cover(Box{x, y, x, y});
    }
    return box;
}

void SpriteBatch::join(std::uint32_t name, const Box& box) {
    const int quad = count;
    nextInRun[quad] = -1;
    int run = runCount - 1;
    while (run >= 0 && runs[run].texture != name && !runs[run].box.near(box)) --run;
    if (run >= 0 && runs[run].texture == name) {
        nextInRun[runs[run].last] = quad;
        runs[run].last = quad;
        runs[run].box.cover(box);
    } else {
        runs[runCount++] = Run{name, box, quad, quad};
    }
}

void SpriteBatch::add(std::uint32_t name, const AtlasFrame& frame, Vector position, float scaleX, float scaleY,
                      SpriteTurn turn, float red, float green, float blue, float alpha) {
    if (count >= capacity) flush();
    if (count == 0) readTransform();

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
    join(name, screenBox(corners));
    ++count;
    keepColour(red, green, blue, alpha);
}

void SpriteBatch::stage(int quad, int at) {
    constexpr int floats[3] = {3, 2, 4};
    const float* from[3] = {positions, texCoords, colours};
    float* to[3] = {drawnPositions, drawnTexCoords, drawnColours};
    for (int array = 0; array < 3; ++array) {
        const int size = verticesPerQuad * floats[array];
        std::copy_n(from[array] + quad * size, size, to[array] + at * size);
    }
}

void SpriteBatch::flush() {
    if (count > 0) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, drawnPositions);
        glTexCoordPointer(2, GL_FLOAT, 0, drawnTexCoords);
        glColorPointer(4, GL_FLOAT, 0, drawnColours);
        int staged = 0;
        for (int run = 0; run < runCount; ++run) {
            const int first = staged;
            for (int quad = runs[run].first; quad >= 0; quad = nextInRun[quad]) stage(quad, staged++);
            glBindTexture(GL_TEXTURE_2D, runs[run].texture);
            glDrawArrays(GL_TRIANGLES, first * verticesPerQuad, (staged - first) * verticesPerQuad);
            ++calls;
        }
        count = runCount = 0;
    }
    if (colourPending) {
        glColor4f(lastColour[0], lastColour[1], lastColour[2], lastColour[3]);
        colourPending = false;
    }
}
