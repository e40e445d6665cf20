#include "render/Ribbons.h"

#include <GL/gl.h>

#include <cmath>

#include "render/StageCanvas.h"

void acrossLine(float ax, float ay, float bx, float by, float& acrossX, float& acrossY) {
    const float dx = bx - ax;
    const float dy = by - ay;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f)) {
        acrossX = 1.0f;
        acrossY = 0.0f;
        return;
    }
    // Heading angle a of the direction d: (cos(a + 90), sin(a + 90)) = d / |d|,
    // so (cos a, sin a) = (dy, -dx) / |d|.
    acrossX = dy / length;
    acrossY = -dx / length;
}

void Ribbons::drawLinkRibbon(float ax, float ay, float az, float bx, float by, float bz, std::uint8_t red,
                             std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
    float cx = 0.0f;
    float cy = 0.0f;
    acrossLine(ax, ay, bx, by, cx, cy);
    float d = halfWidth;
    glColor4f(red / 255.0f, green / 255.0f, blue / 255.0f, alpha * 0.01f);
    renderer.bindPicture(861);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(ax - d * cx, ay - d * cy, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(ax + d * cx, ay + d * cy, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(bx - d * cx, by - d * cy, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(bx + d * cx, by + d * cy, 0.0f);
    glEnd();
    (void)bz;  // the ribbon lies on the stage plane

    d *= 2.0f;
    renderer.bindPicture(872);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(ax - d, ay - d, az);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(ax + d, ay - d, az);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(ax - d, ay + d, az);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(ax + d, ay + d, az);
    glEnd();
}

void Ribbons::drawBeam(float ax, float ay, float az, float bx, float by, std::uint32_t flag, std::uint8_t red,
                       std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
    float cx = 0.0f;
    float cy = 0.0f;
    acrossLine(ax, ay, bx, by, cx, cy);
    const float length = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
    float d = halfWidth;
    renderer.bindPicture(869);
    glColor4f(red / 255.0f, green / 255.0f, blue / 255.0f, alpha * 0.01f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(ax - d * cx, ay - d * cy, az);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(ax + d * cx, ay + d * cy, az);
    glTexCoord2f(0.0f, 4.0f * length);
    glVertex3f(bx - d * cx, by - d * cy, az);
    glTexCoord2f(1.0f, 4.0f * length);
    glVertex3f(bx + d * cx, by + d * cy, az);
    glEnd();

    if ((flag & 0xFFu) != 1u) return;
    // The overlay repeats every unit of t: keeping the offset below 1 keeps
    // it exact however long the beam runs.
    beamOffset += 0.05f;
    if (beamOffset >= 1.0f) beamOffset -= 1.0f;
    d *= 2.0f;
    renderer.bindPicture(865);
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, -beamOffset);
    glVertex3f(ax - d * cx, ay - d * cy, az);
    glTexCoord2f(1.0f, -beamOffset);
    glVertex3f(ax + d * cx, ay + d * cy, az);
    glTexCoord2f(0.0f, length - beamOffset);
    glVertex3f(bx - d * cx, by - d * cy, az);
    glTexCoord2f(1.0f, length - beamOffset);
    glVertex3f(bx + d * cx, by + d * cy, az);
    glEnd();
}
