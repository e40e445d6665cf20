#include "render/StageFrame.h"

#include <GL/gl.h>

void beginStageFrame(float red, float green, float blue) {
    glClearColor(red, green, blue, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
}

void endStageFrame() { glPopMatrix(); }

void pushOffset(float x, float y, float z) {
    glPushMatrix();
    glTranslatef(x, y, z);
}

void pushCameraView(Vector camera) {
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(-camera.x, -camera.y, 0.0f);
}

void popView() { glPopMatrix(); }
