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
