#pragma once

#include <cstdint>

#include "actors/Vector.h"
#include "render/SpriteAtlas.h"

// The turn of a sprite as the fixed-function rotation about the z axis
// works it out: sine and cosine of the angle in double, kept as floats.
struct SpriteTurn {
    float cosine = 1.0f;
    float sine = 0.0f;
};
SpriteTurn spriteTurn(float degrees);

// One corner of a sprite's quad, in the coordinates of the current
// model-view matrix: the point (x, y) of the unit quad scaled, turned and
// moved as translate(position), rotate(angle), scale(scaleX, scaleY, 0)
// would place it.
struct SpriteCorner {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
SpriteCorner placeCorner(Vector position, float scaleX, float scaleY, SpriteTurn turn, float x, float y);

// Sprite quads waiting to be drawn, from client-side arrays with one
// glDrawArrays per run of quads from the same texture. Each quad is the two
// triangles the unit quad's strip makes, in the strip's order, in the colour
// that glColor would have given it; after a draw the current colour is the
// last quad's, as if each had been drawn on its own.
//
// A quad joins the latest run of its texture when no quad of a later run
// comes near it on the screen, so it may go out before quads that were added
// earlier: only quads that share no pixel change places, and every pixel is
// what drawing them in order gives. Each texture change costs the software
// renderer a copy of its whole state for the frame, so fewer runs mean less
// memory as well as fewer draws.
//
// Quads wait only inside an open batch (begin/end may nest); outside one
// every quad is drawn at once. Inside a batch the caller must not change the
// model-view matrix or draw anything else before end(). Construction makes
// no OpenGL call.
class SpriteBatch {
public:
    static constexpr int capacity = 1024;  // quads per draw call

    SpriteBatch() = default;
    SpriteBatch(const SpriteBatch&) = delete;
    SpriteBatch& operator=(const SpriteBatch&) = delete;

    void begin() { ++depth; }
    // Draws what waits when the outermost batch ends.
    void end();

    // The part of the unit quad `frame` names, from the texture, at the
    // place and in the colour given (each 0..1).
    void add(std::uint32_t texture, const AtlasFrame& frame, Vector position, float scaleX, float scaleY,
             SpriteTurn turn, float red, float green, float blue, float alpha);
    // Draws every waiting quad now; the current colour becomes the last one's.
    void flush();
    // Only the colour: a sprite that shows nothing still leaves its colour current.
    void keepColour(float red, float green, float blue, float alpha);

    int waiting() const { return count; }
    // Draw calls made so far (for tests and measurements).
    std::uint64_t drawCalls() const { return calls; }

private:
    static constexpr int verticesPerQuad = 6;

    // Where a quad lands, in normalised device coordinates.
    struct Box {
        float left, bottom, right, top;
        bool near(const Box& other) const;
        void cover(const Box& other);
    };
    struct Run {
        std::uint32_t texture;
        Box box;      // of all its quads
        int first, last;  // its quads, linked through nextInRun
    };
    // The model-view and projection matrices in one, read when a batch's first quad arrives.
    void readTransform();
    Box screenBox(const SpriteCorner (&corners)[4]) const;
    void join(std::uint32_t name, const Box& box);
    // Appends quad `quad` of the arrays to the drawing arrays.
    void stage(int quad, int at);

    float positions[capacity * verticesPerQuad * 3] = {};
    float texCoords[capacity * verticesPerQuad * 2] = {};
    float colours[capacity * verticesPerQuad * 4] = {};
    // The same, in the order they are drawn.
    float drawnPositions[capacity * verticesPerQuad * 3] = {};
    float drawnTexCoords[capacity * verticesPerQuad * 2] = {};
    float drawnColours[capacity * verticesPerQuad * 4] = {};
    Run runs[capacity] = {};
    int nextInRun[capacity] = {};
    int runCount = 0;
    float transform[16] = {};
    int count = 0;
    int depth = 0;
    float lastColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    bool colourPending = false;
    std::uint64_t calls = 0;
};
