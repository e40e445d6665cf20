#include "render/Badge.h"

#include <cmath>

#include "actors/Motion.h"
#include "render/RingLabels.h"
#include "render/RingLayout.h"
#include "render/StageCanvas.h"

namespace {

constexpr MarkColour white{1.0f, 1.0f, 1.0f, 1.0f};
constexpr MarkColour titleOutline{1.0f, 0.25f, 0.25f, 1.0f};
constexpr float socketScale = 0.1125f;
constexpr float glyphSize = 0.055f;
constexpr float titleSize = 0.08f;
constexpr int titleLimit = 10;
constexpr float pulseLow = 0.075f;
constexpr float pulseHigh = 0.15f;
constexpr float pulseRise = 0.105f;
constexpr float pulseFall = 0.12f;
constexpr float pulseRateLimit = 0.4f;
// Hearts never shrink out of sight or flip over, however long the pulse runs.
constexpr float smallestHeart = 0.05f;

bool isDancer(unsigned kind) { return kind >= 111 && kind <= 130; }
bool isTalent(unsigned kind) { return kind >= 131 && kind <= 140; }
bool isMuse(unsigned kind) { return kind >= 161 && kind <= 170; }

float clampTo(float v, float low, float high) { return v < low ? low : (v > high ? high : v); }

int textLength(const char* text, int limit) {
    int n = 0;
    if (text == nullptr) return 0;
    while (n < limit && text[n] != '\0') ++n;
    return n;
}

}  // namespace

int BadgeHearts::placesFor(std::int32_t maximum) {
    const std::int32_t places = maximum / 10;
    return places < 0 ? 0 : (places > maxPlaces ? maxPlaces : static_cast<int>(places));
}

int BadgeHearts::heartsFor(std::int32_t maximum, std::int32_t energy) {
    const int places = placesFor(maximum);
    if (places == 0) return 0;
    const std::int64_t hearts = (static_cast<std::int64_t>(maximum) - energy) / places;
    return hearts < 0 ? 0 : (hearts > places ? places : static_cast<int>(hearts));
}

int BadgeHearts::update(std::int32_t maximum, std::int32_t energy, float frameTime) {
    const int hearts = heartsFor(maximum, energy);
    float step = 0.0f;
    if (energy < 50) {
        pulseValue = clampTo(pulseValue, pulseLow, pulseHigh);
        const float rate = energy > 0 ? 2.0f / static_cast<float>(energy) : pulseRateLimit;
        if (pulseValue < pulseRise) pulseRate = rate;
        if (pulseValue >= pulseFall) pulseRate = -rate;
        pulseRate = clampTo(pulseRate, -pulseRateLimit, pulseRateLimit);
        step = pulseRate * frameTime;
        pulseValue = clampTo(pulseValue + step, pulseLow, pulseHigh);
    }
    for (int i = 0; i < hearts; ++i) {
        float& s = scales[i];
        if (i >= lastCount) {
            s = arrivalScale;
            continue;
        }
        if (s >= restScale) s -= 0.1f * frameTime;
        if (energy >= 50) {
            if (s < restScale) s = restScale;
        } else {
            s += step;
        }
        s = clampTo(s, smallestHeart, arrivalScale);
    }
    lastCount = hearts;
    return hearts;
}

float Badge::descriptionRadius(unsigned kind) {
    if (isTalent(kind)) return 1.9f;
    if (isMuse(kind)) return 1.65f;
    return 2.65f;
}

float Badge::titleDrop(unsigned kind) {
    if (isTalent(kind)) return 0.5f;
    if (isMuse(kind)) return 0.8f;
    return 0.25f;
}

float Badge::turnText(float angle, float frameTime) {
    angle -= 100.0f * frameTime;
    return angle <= 0.0f ? 3600.0f : angle;
}

void Badge::draw(const BadgeContent& content, float frameTime) {
    if (content.energy <= 0 || content.kind == 0) return;
    labels.stamp(872, white, content.x, content.y, 0.0f, 0.0f, 1.25f * content.size, 1.25f * content.size);
    if (isDancer(content.kind)) drawSockets(content);
    drawHearts(content, heartState.update(content.maximum, content.energy, frameTime));
    descriptionAngle = turnText(descriptionAngle, frameTime);
    drawDescription(content);
    drawTitle(content, frameTime);
}

void Badge::drawSockets(const BadgeContent& content) {
    const float radius = 1.75f * content.size;
    for (int i = 0; i < 9; ++i) {
        const float a = 40.0f * static_cast<float>(i + 1) * degreesToRadians;
        labels.stamp(883 + static_cast<unsigned>(i / 3), white, content.x + radius * std::cos(a),
                     content.y + radius * std::sin(a), content.z, 0.0f, socketScale, socketScale);
    }
    // The owned talents fill the sockets of their category, three at most.
    for (int category = 0; category < 3; ++category) {
        const int owned = content.talents[category] > 3 ? 3 : content.talents[category];
        for (int k = 0; k < owned; ++k) {
            const float a =
                (120.0f * static_cast<float>(category) + 40.0f * static_cast<float>(k + 1)) * degreesToRadians;
            labels.stamp(886 + static_cast<unsigned>(category), white, content.x + radius * std::cos(a),
                         content.y + radius * std::sin(a), content.z, 0.0f, socketScale, socketScale);
        }
    }
}

void Badge::drawHearts(const BadgeContent& content, int hearts) {
    const int places = BadgeHearts::placesFor(content.maximum);
    if (places == 0) return;
    const float radius = 1.25f * content.size;
    const float spacing = 360.0f / static_cast<float>(places);
    for (int i = 0; i < places; ++i) {
        const float a = (135.0f + spacing * static_cast<float>(i + 1)) * degreesToRadians;
        const float px = content.x + radius * std::cos(a);
        const float py = content.y + radius * std::sin(a);
        labels.stamp(882, white, px, py, content.z, 0.0f, socketScale, socketScale);
        if (i < hearts) {
            const float s = heartState.scale(i);
            labels.stamp(881, white, px, py, content.z, 0.0f, s, s);
        }
    }
}

void Badge::drawDescription(const BadgeContent& content) {
    const int length = textLength(content.description, RingLayout::slots);
    if (length == 0) return;
    const float alpha = renderer.currentSprite().alpha >= 1 ? 1.0f : 0.0f;
    const MarkColour colour{1.0f, 0.8725f, 0.0f, alpha};
    const float radius = descriptionRadius(content.kind) * content.size;
    const int repeats = descriptionRepeats(length);
    for (int r = 0; r < repeats; ++r) {
        float angle = descriptionAngle + 360.0f * static_cast<float>(r) / static_cast<float>(repeats);
        for (int slot = 0; slot < RingLayout::slots; ++slot) {
            angle += RingArcs::descriptionStep;
            if (slot >= length) continue;
            const unsigned glyph = glyphPicture(content.description[slot], slot, GlyphMapping::description);
            if (glyph == 0) continue;
            const float a = angle * degreesToRadians;
            labels.stamp(glyph, colour, content.x + radius * std::cos(a), content.y + radius * std::sin(a),
                         content.z, angle - 270.0f, glyphSize, glyphSize);
        }
    }
}

void Badge::drawTitle(const BadgeContent& content, float frameTime) {
    const int length = textLength(content.title, titleLimit);
    if (length == 0) return;
    const float line = content.y - titleDrop(content.kind);
    if (content.title[0] == '?') {
        // The unknown name: a question mark that keeps growing from nothing.
        questionSize += 0.5f * frameTime;
        if (questionSize >= 0.2f) questionSize = 0.0f;
        const float s = questionSize;
        labels.stamp(861, white, content.x, line - 0.3f, content.z, 0.0f, 1.1f * s, 1.1f * s);
        labels.stamp(862, titleOutline, content.x, line - 0.3f, content.z, 0.0f, 1.025f * s, 1.025f * s);
        labels.stamp(653, white, content.x, line - 0.3f, content.z, 0.0f, s, s);
        return;
    }
    // Centred: the pen starts (length + 1) half steps left and moves one step
    // before each letter.
    const float first = content.x - static_cast<float>(length + 1) * 0.5f * titleSize + titleSize;
    const MarkColour colours[3] = {white, titleOutline, white};
    const float factors[3] = {1.1f, 1.025f, 1.0f};
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < length; ++i) {
            const unsigned glyph = glyphPicture(content.title[i], i, GlyphMapping::name);
            if (glyph == 0) continue;
            const unsigned picture = p == 0 ? 861u : (p == 1 ? 862u : glyph);
            const float s = titleSize * factors[p];
            labels.stamp(picture, colours[p], first + titleSize * static_cast<float>(i), line, content.z, 0.0f, s, s);
        }
    }
}
