#include "render/RingLabels.h"

#include <GL/gl.h>

#include <cmath>

#include "actors/Motion.h"
#include "render/StageCanvas.h"

namespace {

constexpr MarkColour white{1.0f, 1.0f, 1.0f, 1.0f};
constexpr MarkColour orange{1.0f, 0.5f, 0.0f, 1.0f};
constexpr MarkColour yellow{1.0f, 1.0f, 0.0f, 1.0f};

LabelPass pass(unsigned picture, MarkColour colour, float factor) { return LabelPass{picture, colour, colour, factor}; }

RingStyle threePasses(float size, float radius, bool down, float backing, MarkColour outline) {
    RingStyle style;
    style.glyphSize = style.currentSize = size;
    style.radius = radius;
    style.down = down;
    style.passes[0] = pass(861, white, backing);
    style.passes[1] = pass(862, outline, 1.025f);
    style.passes[2] = pass(0, white, 1.0f);
    style.passCount = 3;
    return style;
}

const RingStyle pointsStyle = threePasses(0.07f, 0.5f, false, 1.125f, {1.0f, 0.36f, 0.0f, 1.0f});
const RingStyle nameStyle = threePasses(0.09f, 0.8f, true, 1.125f, {1.0f, 0.25f, 0.25f, 1.0f});
const RingStyle previewStyle = threePasses(0.0675f, 0.7f, false, 1.145f, {1.0f, 0.375f, 0.0f, 1.0f});

RingStyle entryRingStyle() {
    RingStyle style;
    style.glyphSize = 0.12f;
    style.currentSize = 0.15f;
    style.radius = 2.0f;
    style.down = true;
    style.passes[0] = LabelPass{854, {1.0f, 0.0f, 0.0f, 1.0f}, yellow, 1.6f};
    style.passes[1] = pass(861, orange, 1.125f);
    style.passes[2] = LabelPass{862, orange, yellow, 1.025f};
    style.passes[3] = pass(0, white, 1.0f);
    style.passCount = 4;
    return style;
}
const RingStyle entryStyle = entryRingStyle();

// The outline of each talent word in its talent's colour.
constexpr MarkColour talentOutlines[RingArcs::talentWordCount] = {
    {0.02f, 0.16f, 0.96f, 1.0f},
    {0.77f, 0.08f, 0.29f, 1.0f},
    {0.14f, 0.64f, 0.44f, 1.0f},
};

constexpr float hintSize = 0.075f;
constexpr float hintSpacing = 0.085f;
constexpr LabelPass hintPasses[3] = {
    {861, white, white, 1.275f},
    {862, orange, orange, 1.125f},
    {0, white, white, 1.0f},
};

}  // namespace

void RingLabels::stamp(unsigned picture, const MarkColour& colour, float x, float y, float z, float rotation,
                       float scaleX, float scaleY) {
    renderer.stamp(picture, Vector(x, y, z), scaleX, scaleY, rotation, colour.red, colour.green, colour.blue,
                   colour.alpha);
}

void RingLabels::drawRing(const RingLayout& ring, const RingStyle& style, float cx, float cy, float z,
                          int currentSlot) {
    const float sign = style.down ? -1.0f : 1.0f;
    for (int p = 0; p < style.passCount; ++p) {
        const LabelPass& labelPass = style.passes[p];
        glPushMatrix();
        glLoadIdentity();
        renderer.beginSprites();
        for (int i = 0; i < ring.count; ++i) {
            const RingGlyph& glyph = ring.glyphs[i];
            const bool current = glyph.slot == currentSlot;
            const float size = (current ? style.currentSize : style.glyphSize) * labelPass.factor * sign;
            const float a = glyph.angle * degreesToRadians;
            stamp(labelPass.picture != 0 ? labelPass.picture : glyph.picture,
                  current ? labelPass.currentColour : labelPass.colour, cx + style.radius * std::cos(a),
                  cy + style.radius * std::sin(a), z, glyph.angle - 270.0f, size, size);
        }
        renderer.endSprites();
        glPopMatrix();
    }
}

void RingLabels::drawPointsRing(float x, float y, float z, std::int32_t points) {
    const float start = RingArcs::pointsStart(points, text);
    layoutRing(text, start, RingArcs::pointsStep, false, GlyphMapping::digitsAndSmall, layout);
    drawRing(layout, pointsStyle, x, y, z, -1);
}

void RingLabels::drawNameRing(float x, float y, float z, const char* name) {
    const int length = fillLabelText(name, '\0', text);
    layoutRing(text, RingArcs::nameStart(length), RingArcs::nameStep, true, GlyphMapping::name, layout);
    drawRing(layout, nameStyle, x, y - 0.555f, z, -1);
}

void RingLabels::drawNameEntryRing(float x, float y, float z, const char* letters, int currentIndex) {
    const int length = fillLabelText(letters, '\0', text);
    layoutRing(text, RingArcs::entryStart(length), RingArcs::entryStep, true, GlyphMapping::name, layout);
    // A long row sits a little higher, clear of the bottom edge.
    const float cy = y - 1.4f + (length > 3 ? 0.05f : 0.0f);
    drawRing(layout, entryStyle, x, cy, z, currentIndex);
}

void RingLabels::drawPreviewNameRing(float x, float y, float z, const char* name) {
    const int length = fillLabelText(name, '\0', text);
    layoutRing(text, RingArcs::previewStart(length), RingArcs::nameStep, false, GlyphMapping::name, layout);
    drawRing(layout, previewStyle, x - 3.525f, y - 2.075f, z, -1);
}

void RingLabels::drawTalentRing(float x, float y, float z) {
    for (int word = 0; word < RingArcs::talentWordCount; ++word) {
        fillLabelText(RingArcs::talentWord(word), '`', text);
        layoutRing(text, RingArcs::talentWordStart(word), RingArcs::talentStep, false, GlyphMapping::small, layout);
        const RingStyle style = threePasses(0.055f, 0.825f, false, 1.175f, talentOutlines[word]);
        drawRing(layout, style, x, y, z, -1);
    }
}

void RingLabels::drawHintLine(float x, float y, float z, const char* hint, float duration, float elapsed) {
    fillLabelText(hint, '\0', text);
    const float phase = hintWavePhase(duration, elapsed);
    const float left = x - 2.075f;
    const float line = y + 1.85f;
    for (const LabelPass& labelPass : hintPasses) {
        const bool glyphPass = labelPass.picture == 0;
        const float size = -hintSize * labelPass.factor;
        glPushMatrix();
        glLoadIdentity();
        renderer.beginSprites();
        for (int i = 0; i < RingLayout::slots; ++i) {
            const unsigned glyph = glyphPicture(text[i], i, GlyphMapping::hint);
            if (glyph == 0) continue;
            stamp(glyphPass ? glyph : labelPass.picture, labelPass.colour, left + hintSpacing * static_cast<float>(i),
                  line + hintWaveOffset(phase, i), z, glyphPass ? 180.0f : 0.0f, size, size);
        }
        renderer.endSprites();
        glPopMatrix();
    }
}
