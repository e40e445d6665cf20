#include "render/UnitQuad.h"

#include <GL/gl.h>

std::uint32_t compileUnitQuad() {
    const GLuint list = glGenLists(1);
    if (list == 0) return 0;
    glNewList(list, GL_COMPILE);
    glPushMatrix();
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glEnd();
    glPopMatrix();
    glEndList();
    return list;
}

void deleteUnitQuad(std::uint32_t& list) {
    if (list != 0) glDeleteLists(list, 1);
    list = 0;
}

void drawUnitQuadPart(float sLeft, float tBottom, float sRight, float tTop) {
    const float s[2] = {sLeft, sRight};
    const float t[2] = {tBottom, tTop};
    glBegin(GL_TRIANGLE_STRIP);
    for (int corner = 0; corner < 4; ++corner) {
        const float u = s[corner & 1];
        const float v = t[corner >> 1];
        glTexCoord2f(u, v);
        glVertex3f(2.0f * u - 1.0f, 2.0f * v - 1.0f, 0.0f);
    }
    glEnd();
}
