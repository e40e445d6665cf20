#include "render/StageMarks.h"

#include <GL/gl.h>

#include <cmath>

#include "render/StageCanvas.h"

namespace {

constexpr MarkColour white{1.0f, 1.0f, 1.0f, 1.0f};

bool measuresHearts(unsigned kind) {
    return (kind >= 101 && kind <= 105) || (kind >= 111 && kind <= 120) || (kind >= 141 && kind <= 160);
}

void addLayer(StatusRingPlan& plan, unsigned picture, MarkColour colour) {
    if (plan.count >= 6) return;
    plan.layers[plan.count].picture = picture;
    plan.layers[plan.count].colour = colour;
    ++plan.count;
}

}  // namespace

MarkColour statusRingColour(unsigned kind, std::int32_t maximum) {
    if (kind < 110) return white;
    switch (kind) {
    case 111: return {1.0f, 0.0f, 0.0f, 1.0f};
    case 112: return {1.0f, 1.0f, 0.0f, 1.0f};
    case 113: return {1.0f, 0.0f, 1.0f, 1.0f};
    case 131: return {1.0f, 0.0f, 1.0f, 0.75f};
    case 132: return {1.0f, 0.0f, 0.0f, 0.75f};
    case 133: return {0.5f, 0.75f, 0.5f, 0.75f};
    case 134: return {0.0f, 0.0f, 1.0f, 0.75f};
    default: break;
    }
    if (kind >= 141 && kind <= 160) return {0.0f, 1.0f, 1.0f, 1.0f};
    // A muse who has sung holds twice the charge: her ring turns magenta.
    if (kind >= 161 && kind <= 170) {
        return maximum >= 200 ? MarkColour{1.0f, 0.0f, 1.0f, 0.75f} : MarkColour{0.0f, 1.0f, 1.0f, 0.75f};
    }
    return white;
}

StatusRingPlan planStatusRing(unsigned kind, std::int32_t maximum, std::int32_t current) {
    StatusRingPlan plan;
    if (kind == 0) return plan;
    const MarkColour ring = statusRingColour(kind, maximum);
    const float r = maximum != 0 ? static_cast<float>(current) / static_cast<float>(maximum) : 0.0f;
    if (kind >= 161 && kind <= 170) {
        addLayer(plan, 854, ring);
        addLayer(plan, 855, {0.5f, 0.5f, 1.0f, 0.75f});
        addLayer(plan, 856, {1.0f - r, r, 0.0f, 0.75f});
    }
    if (kind >= 131 && kind <= 140) {
        addLayer(plan, 857, ring);
        addLayer(plan, 858, {1.0f, 1.0f, 0.0f, 0.75f});
        addLayer(plan, 859, {1.0f - r, r, 0.0f, 0.75f});
    }
    if (measuresHearts(kind)) {
        addLayer(plan, 851, ring);
        addLayer(plan, 852, {std::cos(r), std::sin(r), 0.0f, 1.0f});
        addLayer(plan, 853, {1.0f, 1.0f, 1.0f, 0.75f});
    }
    return plan;
}

void StageMarks::drawStatusRing(unsigned kind, float x, float y, float z, float offsetX, float offsetY,
                                std::int32_t maximum, std::int32_t current, float scaleX, float scaleY,
                                float angle) {
    if (kind == 0) return;
    const StatusRingPlan plan = planStatusRing(kind, maximum, current);
    glPushMatrix();
    glLoadIdentity();
    // Where translate(offset) and then translate(x, y, z) put the ring.
    const Vector at(x + offsetX, y + offsetY, z);
    renderer.beginSprites();
    for (int i = 0; i < plan.count; ++i) {
        const StatusRingPlan::Layer& layer = plan.layers[i];
        renderer.stamp(layer.picture, at, scaleX, scaleY, angle, layer.colour.red, layer.colour.green,
                       layer.colour.blue, layer.colour.alpha);
    }
    renderer.endSprites();
    glPopMatrix();
}

void StageMarks::beginRings() { renderer.beginSprites(); }

void StageMarks::endRings() { renderer.endSprites(); }

void StageMarks::drawMarker(float x, float y, float z) {
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    renderer.bindPicture(863);
    glScalef(0.3f, 0.3f, 0.0f);
    renderer.drawUnitQuad();
    glPopMatrix();
}

void StageMarks::drawLetter(unsigned picture, float x, float y, float z, float scaleX, float scaleY) {
    if (!isLetterPicture(picture)) return;
    glPushMatrix();
    glTranslatef(x, y, z);
    glPushMatrix();
    renderer.bindPicture(picture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glScalef(scaleX, scaleY, 0.0f);
    renderer.drawUnitQuad();
    glPopMatrix();
    glPopMatrix();
}
