#include "render/WindowCache.h"

#include <GL/gl.h>

#include "render/TextureUpload.h"

namespace {

struct Viewport {
    GLint x = 0, y = 0, width = 0, height = 0;
};

Viewport currentViewport() {
    GLint v[4] = {};
    glGetIntegerv(GL_VIEWPORT, v);
    return Viewport{v[0], v[1], v[2], v[3]};
}

// OpenGL 2.0 and later take textures of any size, so the copy is just the
// window's (a quarter less than the power of two above 768 lines); 1.1
// needs powers of two.
GLint textureSide(GLint side) {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && version[0] >= '2' && version[0] <= '9') return side;
    GLint p = 1;
    while (p < side) p *= 2;
    return p;
}

}  // namespace

WindowCache::~WindowCache() = default;

bool WindowCache::holds(std::uint32_t key) const {
    if (!valid || texture == 0 || key != heldKey) return false;
    const Viewport v = currentViewport();
    return v.width == width && v.height == height;
}

void WindowCache::store(std::uint32_t key) {
    valid = false;
    const Viewport v = currentViewport();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (v.width <= 0 || v.height <= 0 || v.width > largest || v.height > largest) return;
    const GLint w = textureSide(v.width);
    const GLint h = textureSide(v.height);
    if (texture == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        texture = name;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    if (w != textureWidth || h != textureHeight) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        textureWidth = w;
        textureHeight = h;
    }
    // Earlier errors are not this copy's.
    while (glGetError() != GL_NO_ERROR) {
    }
    // From the buffer this frame is drawn into (the back buffer, or the
    // framebuffer object a compatibility layer draws into instead).
    GLint drawBuffer = GL_BACK;
    GLint readBuffer = GL_BACK;
    glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
    glGetIntegerv(GL_READ_BUFFER, &readBuffer);
    if (readBuffer != drawBuffer) glReadBuffer(static_cast<GLenum>(drawBuffer));
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, v.x, v.y, v.width, v.height);
    if (readBuffer != drawBuffer) glReadBuffer(static_cast<GLenum>(readBuffer));
    width = v.width;
    height = v.height;
    heldKey = key;
    valid = glGetError() == GL_NO_ERROR;
}

void WindowCache::draw() const {
    const float s = static_cast<float>(width) / static_cast<float>(textureWidth);
    const float t = static_cast<float>(height) / static_cast<float>(textureHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLboolean blending = glIsEnabled(GL_BLEND);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(s, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(0.0f, t);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(s, t);
    glVertex2f(1.0f, 1.0f);
    glEnd();
    if (blending) glEnable(GL_BLEND);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void WindowCache::release() {
    if (texture != 0) deleteTextureName(texture);
    texture = 0;
    textureWidth = textureHeight = 0;
    valid = false;
}
