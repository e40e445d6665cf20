#include "render/StageView.h"

#include <GL/gl.h>

void setupStageView(int width, int height) {
    glEnable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glDisable(GL_POLYGON_SMOOTH);
    glDisable(GL_LINE_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);

    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.8, 2.8, -2.1, 2.1, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void clearFrame(float red, float green, float blue) {
    glClearColor(red, green, blue, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawFlatRectangle(float left, float bottom, float right, float top, float red, float green, float blue,
                       float alpha) {
    const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_2D);
    glColor4f(red, green, blue, alpha);
    // Counter-clockwise, so that face culling keeps it.
    glBegin(GL_TRIANGLE_STRIP);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glEnd();
    if (textured) {
        glEnable(GL_TEXTURE_2D);
    }
}
