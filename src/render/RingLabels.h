#pragma once

#include <cstdint>

#include "render/RingLayout.h"
#include "render/StageMarks.h"

class StageCanvas;

// One pass of a label: every letter's backing (861), outline (862) or the
// glyph itself (picture 0), in a colour, at a factor of the glyph size. The
// current letter of the name entry may take another colour.
struct LabelPass {
    unsigned picture = 0;
    MarkColour colour;
    MarkColour currentColour;
    float factor = 1.0f;
};

// How a ring label is laid around its centre.
struct RingStyle {
    float glyphSize = 0.07f;
    float currentSize = 0.07f;  // the name entry's current letter
    float radius = 0.5f;
    bool down = false;          // glyphs scaled by -size: upright on the upper arc
    LabelPass passes[4];
    int passCount = 0;
};

// The words and numbers over the stage, written letter by letter from the
// glyph pictures along arcs (and the hint line along a wave). Each pass
// resets the model-view matrix: labels stand in stage coordinates whatever
// the camera. Labels keep no state from frame to frame.
class RingLabels {
public:
    explicit RingLabels(StageCanvas& renderer) : renderer(renderer) {}
    RingLabels(const RingLabels&) = delete;
    RingLabels& operator=(const RingLabels&) = delete;

    // The points in decimal followed by " points", along the lower arc.
    void drawPointsRing(float x, float y, float z, std::int32_t points);
    // A name over the upper arc, 0.555 below (x, y).
    void drawNameRing(float x, float y, float z, const char* name);
    // The letters to click, around a wide arc below the centre, the letter at
    // currentIndex larger and yellow.
    void drawNameEntryRing(float x, float y, float z, const char* text, int currentIndex);
    // The hint on a line near the top of the stage, arriving on a wave that
    // flattens once a third of the duration has passed.
    void drawHintLine(float x, float y, float z, const char* text, float duration, float elapsed);
    // The Prima Ballerina's name on the menu's preview.
    void drawPreviewNameRing(float x, float y, float z, const char* name);
    // "garden", "flowers" and "speed", each in its talent's colour.
    void drawTalentRing(float x, float y, float z);

    // One textured square: push, bind, colour, translate, rotate, scale, quad, pop.
    void stamp(unsigned picture, const MarkColour& colour, float x, float y, float z, float rotation, float scaleX,
               float scaleY);

private:
    // The passes of a laid-out ring around (cx, cy).
    void drawRing(const RingLayout& layout, const RingStyle& style, float cx, float cy, float z, int currentSlot);

    StageCanvas& renderer;
    RingLayout layout;
    char text[RingLayout::slots + 1] = {};
};
