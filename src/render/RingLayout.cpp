#include "render/RingLayout.h"

#include <cmath>
#include <cstdio>

#include "actors/Motion.h"

namespace {

constexpr unsigned capitalBase = 536;  // 'A' -> 601
constexpr unsigned smallBase = 530;    // 'a' -> 627
constexpr unsigned digitBase = 606;    // '0' -> 654

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isSmall(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

unsigned capitalOf(char c) {
    if (isSmall(c)) c = static_cast<char>(c - 'a' + 'A');
    return isCapital(c) ? static_cast<unsigned>(c) + capitalBase : 0u;
}
unsigned smallOf(char c) {
    if (isCapital(c)) c = static_cast<char>(c - 'A' + 'a');
    return isSmall(c) ? static_cast<unsigned>(c) + smallBase : 0u;
}

}  // namespace

unsigned glyphPicture(char c, int index, GlyphMapping mapping) {
    switch (mapping) {
    case GlyphMapping::digitsAndSmall:
        if (isDigit(c)) return static_cast<unsigned>(c) + digitBase;
        return isSmall(c) ? static_cast<unsigned>(c) + smallBase : 0u;
    case GlyphMapping::name:
        return index == 0 ? capitalOf(c) : smallOf(c);
    case GlyphMapping::small:
        return isSmall(c) ? static_cast<unsigned>(c) + smallBase : 0u;
    case GlyphMapping::hint:
        if (index == 0) return capitalOf(c);
        if (isCapital(c)) return static_cast<unsigned>(c) + capitalBase;
        return isSmall(c) ? static_cast<unsigned>(c) + smallBase : 0u;
    case GlyphMapping::description:
        // Descriptions are small letters; a capital in a saying is drawn as
        // its small letter rather than as some other glyph.
        return smallOf(c);
    }
    return 0u;
}

int fillLabelText(const char* text, char fill, char (&buffer)[RingLayout::slots + 1]) {
    int length = 0;
    if (text != nullptr) {
        while (length < RingLayout::slots && text[length] != '\0') {
            buffer[length] = text[length];
            ++length;
        }
    }
    for (int i = length; i < RingLayout::slots; ++i) buffer[i] = fill;
    buffer[RingLayout::slots] = '\0';
    return length;
}

void layoutRing(const char (&buffer)[RingLayout::slots + 1], float startAngle, float step, bool down,
                GlyphMapping mapping, RingLayout& out) {
    out.count = 0;
    float angle = startAngle;
    for (int slot = 0; slot < RingLayout::slots; ++slot) {
        angle += down ? -step : step;
        const unsigned picture = glyphPicture(buffer[slot], slot, mapping);
        if (picture == 0) continue;
        RingGlyph& glyph = out.glyphs[out.count++];
        glyph.slot = slot;
        glyph.picture = picture;
        glyph.angle = angle;
    }
}

namespace RingArcs {

float pointsStart(std::int32_t points, char (&buffer)[RingLayout::slots + 1]) {
    char text[RingLayout::slots + 1] = {};
    std::snprintf(text, sizeof text, "%ld points", static_cast<long>(points));
    fillLabelText(text, '`', buffer);
    // Longer numbers begin further left, so that the word stays in place.
    long magnitude = points < 0 ? -static_cast<long>(points) : static_cast<long>(points);
    float start = 230.0f;
    while (magnitude > 9) {
        start -= pointsStep;
        magnitude /= 10;
    }
    return start;
}

float nameStart(int length) { return 94.0f + static_cast<float>(length) * nameStep * 0.5f; }
float entryStart(int length) { return 97.0f + static_cast<float>(length) * entryStep * 0.5f; }
float previewStart(int length) { return 265.0f - static_cast<float>(length) * nameStep * 0.5f; }

namespace {
constexpr const char* talentWords[talentWordCount] = {"garden", "flowers", "speed"};
constexpr float talentStarts[talentWordCount] = {160.0f, 218.0f, 270.0f};
}  // namespace

const char* talentWord(int index) { return index >= 0 && index < talentWordCount ? talentWords[index] : ""; }
float talentWordStart(int index) { return index >= 0 && index < talentWordCount ? talentStarts[index] : 0.0f; }

}  // namespace RingArcs

float hintWavePhase(float duration, float elapsed) {
    const float ran = 3.0f * elapsed;
    return (duration - (ran < duration ? ran : duration)) * 18.0f;
}

float hintWaveOffset(float phase, int index) {
    return 0.1f * std::sin(phase * static_cast<float>(index) * degreesToRadians);
}

int descriptionRepeats(int length) {
    if (length >= 25) return 1;
    if (length >= 15) return 2;
    if (length >= 10) return 3;
    return 4;
}
