#include "render/Radar.h"

#include <GL/gl.h>

#include <cmath>

#include "render/StageMarks.h"

namespace {

constexpr float previewRadius = 4.0f;
constexpr float previewScale = 20.0f;
constexpr float previewSize = 1.75f;
constexpr float gameSize = 1.75f * 1.5f;
constexpr float landmarkShrink = 0.125f / 1.75f;

bool isLandmark(std::uint8_t kind) { return kind >= 135 && kind <= 138; }

float planeLength(const Vector& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

}  // namespace

float radarReach(const RadarBlip* blips, int count) {
    float reach = 0.0f;
    for (int i = 0; i < count; ++i) {
        if (blips[i].kind == 0 || isLandmark(blips[i].kind)) continue;
        const float d = planeLength(blips[i].position);
        if (d > reach) reach = d;
    }
    return reach;
}

RadarScale radarScale(float reach, bool preview, float mapScale, float zoomFactor) {
    RadarScale measure;
    if (preview) {
        measure.radius = previewRadius;
        measure.scale = previewScale;
        measure.sizeFactor = previewSize;
        return measure;
    }
    measure.radius = mapScale;
    // A stage with everyone at the origin still needs a finite scale.
    const float base = reach > 0.0f && mapScale > 0.0f ? reach / mapScale : 1.0f;
    const float zoom = zoomFactor < 0.25f ? 0.25f : (zoomFactor > 4.0f ? 4.0f : zoomFactor);
    measure.scale = base * zoom;
    measure.sizeFactor = gameSize;
    return measure;
}

float radarBlipSize(std::uint8_t kind, float size, const RadarScale& measure) {
    float factor = measure.sizeFactor;
    if (isLandmark(kind)) factor *= landmarkShrink;
    return size * factor / measure.scale * 4.0f;
}

void Radar::add(const RadarBlip& blip) {
    if (used < capacity && blip.kind != 0) blips[used++] = blip;
}

void Radar::draw(Vector anchor, bool preview, float mapScale, float zoomFactor, bool showLink, Vector prima,
                 Vector cat) {
    const RadarScale measure = radarScale(radarReach(blips, used), preview, mapScale, zoomFactor);
    const float s = measure.scale;

    glPushMatrix();
    glLoadIdentity();
    marks.beginRings();
    for (int i = 0; i < used; ++i) {
        const RadarBlip& b = blips[i];
        const Vector p = b.position / s;
        if (!(planeLength(p) < measure.radius)) continue;
        marks.drawStatusRing(b.kind, anchor.x + p.x, anchor.y + p.y, anchor.z, 0.0f, 0.0f, b.maximum, b.current,
                             radarBlipSize(b.kind, b.width, measure),
                             radarBlipSize(b.kind, b.height, measure), b.angle);
    }
    marks.endRings();

    glTranslatef(anchor.x, anchor.y, anchor.z);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_LINES);
    for (int i = 0; i < used; ++i) {
        const RadarBlip& b = blips[i];
        if (!b.hasTarget) continue;
        glVertex3f(b.position.x / s, b.position.y / s, 0.0f);
        glVertex3f(b.target.x / s, b.target.y / s, 0.0f);
    }
    if (!preview && showLink) {
        glVertex3f(prima.x / s, prima.y / s, 0.0f);
        glVertex3f(cat.x / s, cat.y / s, 0.0f);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
}
