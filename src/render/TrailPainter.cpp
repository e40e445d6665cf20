#include "render/TrailPainter.h"

#include <GL/gl.h>

#include <cmath>

#include "actors/Motion.h"
#include "render/SpriteAnimation.h"
#include "render/StageCanvas.h"

namespace {

constexpr int maxTrailLength = 48;
constexpr std::uint8_t pointFlag = 4;

bool usable(const Trail& trail, int j) {
    return trail.flags[j] != 0 && !(trail.points[j].x == 0.0f && trail.points[j].y == 0.0f);
}

}  // namespace

TrailStyle trailStyleOf(unsigned kind) {
    TrailStyle style;
    const int category = spriteCategory(kind);
    if (kind == 0 || category == 0) return style;
    style.category = category;
    style.picture = 863;
    if (category != 4) return style;
    switch (kind) {
    case 141: style.picture = 864; style.stretch = 0.5f; style.scrollSpeed = 0.5f; break;
    case 142: style.picture = 866; style.stretch = 0.25f; style.scrollSpeed = 1.5f; break;
    case 143: style.picture = 867; style.stretch = 0.5f; style.scrollSpeed = 0.0f; break;
    case 144: style.picture = 868; style.stretch = 0.25f; style.scrollSpeed = 0.0f; break;
    default: break;  // other blossom kinds keep the dancers' trail
    }
    return style;
}

int usedTrailLength(std::uint8_t setting) {
    if (setting >= maxTrailLength) return maxTrailLength;
    return setting == 0 ? 1 : setting;
}

bool trailRecords(float gate, float gateLimit, unsigned kind) {
    return gate < gateLimit || kind == 106 || spriteCategory(kind) == 4;
}

bool sampleTrail(Trail& trail, int n, float period, Vector position, std::int32_t value, float frameTime) {
    if (n < 1) n = 1;
    if (n > maxTrailLength) n = maxTrailLength;
    trail.samplingTimer += frameTime;
    if (!(trail.samplingTimer > period / static_cast<float>(n))) return false;
    for (int k = n; k >= 1; --k) {
        trail.points[k] = trail.points[k - 1];
        trail.values[k] = trail.values[k - 1];
        trail.flags[k] = trail.flags[k - 1];
    }
    trail.points[1] = position;
    trail.values[1] = value;
    trail.flags[1] = pointFlag;
    trail.samplingTimer = 0.0f;
    return true;
}

float trailFade(int j, int n) {
    if (n < 1) return 0.0f;
    return static_cast<float>((n - j) * (100 / n)) * 0.01f;
}

int buildTrailStrip(const Trail& trail, int n, float halfWidth, float scroll, float stretch, TrailPair* out,
                    int capacity) {
    if (n > maxTrailLength) n = maxTrailLength;
    if (stretch == 0.0f) stretch = 1.0f;
    int written = 0;
    auto emit = [&](int j) {
        if (written >= capacity) return;
        // Across the trail: the heading from the newer neighbour to the older
        // one, whatever they hold. Seen along that heading, "left" comes
        // first, which keeps the strip's triangles counter-clockwise.
        const Vector& here = trail.points[j];
        const Vector& newer = trail.points[j - 1];
        const Vector& older = trail.points[j + 1];
        const float dx = older.x - newer.x;
        const float dy = older.y - newer.y;
        const float h = (dx == 0.0f && dy == 0.0f) ? 0.0f : std::atan2(dy, dx) - 90.0f * degreesToRadians;
        const float c = std::cos(h) * halfWidth;
        const float s = std::sin(h) * halfWidth;
        TrailPair& pair = out[written++];
        pair.leftX = here.x - c;
        pair.leftY = here.y - s;
        pair.rightX = here.x + c;
        pair.rightY = here.y + s;
        pair.z = here.z;
        pair.s = (static_cast<float>(j) / static_cast<float>(n) - scroll) / stretch;
        pair.alpha = trailFade(j, n);
        pair.point = j;
    };
    for (int k = 2; k < n - 2;) {
        if (usable(trail, k) && usable(trail, k + 1)) {
            emit(k);
            emit(k + 1);
            k += 2;
        } else {
            k += 1;
        }
    }
    return written;
}

void TrailPainter::drawTrail(unsigned slot, unsigned kind, float gate, float x, float y, float z, float sizeA,
                             float sizeB, std::int32_t value, std::uint8_t red, std::uint8_t green,
                             std::uint8_t blue, float frameTime) {
    if (kind == 0) return;
    const TrailStyle style = trailStyleOf(kind);
    Trail* trail = renderer.trails().trail(slot, kind);
    if (style.category == 0 || trail == nullptr) return;
    trail->stretch = style.stretch;

    trail->recording = trailRecords(gate, gateLimit, kind) ? 1 : 0;
    if (trail->recording) {
        const int n = usedTrailLength(trailLength);
        sampleTrail(*trail, n, trailPeriod, Vector(x, y, z), value, frameTime);

        glPushMatrix();
        renderer.bindPicture(style.picture);
        trail->scrollOffset += style.scrollSpeed * frameTime;
        // Whole units of scroll move s by whole repeats (1 / stretch is 1, 2
        // or 4): dropping them keeps the float exact over a long dance.
        if (trail->scrollOffset >= 1.0f) trail->scrollOffset -= std::floor(trail->scrollOffset);
        const int count = buildTrailStrip(*trail, n, (sizeA + sizeB) * 0.5f, trail->scrollOffset, trail->stretch,
                                          pairs, Trail::pointCount);
        if (count > 0) {
            // Sharp turns fold the strip over itself: draw both faces.
            const GLboolean culling = glIsEnabled(GL_CULL_FACE);
            glDisable(GL_CULL_FACE);
            const float r = red / 255.0f;
            const float g = green / 255.0f;
            const float b = blue / 255.0f;
            glBegin(GL_TRIANGLE_STRIP);
            for (int i = 0; i < count; ++i) {
                const TrailPair& pair = pairs[i];
                glColor4f(r, g, b, pair.alpha);
                glTexCoord2f(pair.s, 1.0f);
                glVertex3f(pair.leftX, pair.leftY, pair.z);
                glTexCoord2f(pair.s, 0.0f);
                glVertex3f(pair.rightX, pair.rightY, pair.z);
            }
            glEnd();
            if (culling) glEnable(GL_CULL_FACE);
        }
        glPopMatrix();
    }

    if (trail->recording != trail->wasRecording && trail->recording == 0) {
        for (std::uint8_t& flag : trail->flags) flag = 0;
    }
    trail->wasRecording = trail->recording;
}
