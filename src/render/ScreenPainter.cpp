#include "render/ScreenPainter.h"

#include <GL/gl.h>

#include "render/UnitQuad.h"

ScreenPainter::~ScreenPainter() { destroy(); }

void ScreenPainter::create() {
    if (unitQuad == 0) unitQuad = compileUnitQuad();
}

void ScreenPainter::destroy() {
    for (Picture*& slot : pictures) {
        if (slot != nullptr) deletePicture(slot);
    }
    deleteUnitQuad(unitQuad);
    stillPart.release();
}

namespace {

// The square over the whole window, as the screens place it.
bool overWholeWindow(float x, float y, float halfWidth, float halfHeight, float angle) {
    return x == 0.0f && y == 0.0f && angle == 0.0f && halfWidth == ScreenPainter::windowHalfWidth &&
           halfHeight == ScreenPainter::windowHalfHeight;
}

}  // namespace

void ScreenPainter::load(unsigned number, TextureWrap wrap) {
    if (number >= tableSize) return;
    stillPart.forget();
    makePictureTexture(pictures[number], number, wrap);
    // A repeating picture's filter reaches across its edges: it stays whole.
    visible[number] = TexelBox{};
    if (pictures[number] != nullptr && wrap == TextureWrap::clamp) visible[number] = visibleTexels(*pictures[number]);
    if (pictures[number] != nullptr) pictures[number]->releasePixels();
    opaque[number] = everyTexelOpaque(pictures[number]) ? 1 : 0;
}

void ScreenPainter::release(unsigned number) {
    if (number >= tableSize) return;
    stillPart.forget();
    deletePicture(pictures[number]);
    opaque[number] = 0;
    visible[number] = TexelBox{};
}

bool ScreenPainter::coversWindow(unsigned number) const {
    const Picture* shown = picture(number);
    if (shown == nullptr || unitQuad == 0 || !isOpaque(number)) return false;
    // Pixel centres then sample at least half a texel inside every edge.
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[2] > 0 && viewport[3] > 0 && shown->width >= viewport[2] && shown->height >= viewport[3];
}

void ScreenPainter::beginHiddenDrawing() {
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 0, 0);
    hidden = true;
}

void ScreenPainter::endHiddenDrawing() {
    glDisable(GL_SCISSOR_TEST);
    hidden = false;
}

int ScreenPainter::loadedCount() const {
    int count = 0;
    for (const Picture* slot : pictures) count += slot != nullptr ? 1 : 0;
    return count;
}

void ScreenPainter::drawPicture(unsigned number, float x, float y, float halfWidth, float halfHeight, float angle,
                                float red, float green, float blue, float alpha) {
    const Picture* shown = picture(number);
    if (shown == nullptr || unitQuad == 0) return;
    // Only squares with both half sizes above 0 are drawn: one of no size
    // shows nothing, and one turned inside out would be culled anyway.
    if (!(halfWidth > 0.0f) || !(halfHeight > 0.0f)) return;
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(halfWidth, halfHeight, 1.0f);
    glColor4f(red, green, blue, alpha);
    bindPicture(shown);
    // An opaque picture over the whole window at alpha 1 replaces every pixel
    // as blending would: the same pixels without reading the old ones.
    const bool replaces = alpha >= 1.0f && overWholeWindow(x, y, halfWidth, halfHeight, angle) && coversWindow(number);
    const bool blendOn = glIsEnabled(GL_BLEND);
    const bool blending = replaces && blendOn;
    if (blending) glDisable(GL_BLEND);
    const TexelBox& box = visible[number];
    const float w = static_cast<float>(shown->width);
    const float h = static_cast<float>(shown->height);
    if (replaces || !blendOn || box.empty() || (box.width() == shown->width && box.height() == shown->height)) {
        glCallList(unitQuad);
    } else {
        drawUnitQuadPart(static_cast<float>(box.left) / w, static_cast<float>(box.bottom) / h,
                         static_cast<float>(box.right) / w, static_cast<float>(box.top) / h);
    }
    if (blending) glEnable(GL_BLEND);
    glPopMatrix();
}

void ScreenPainter::draw(const PictureBatch& batch) { draw(batch, 0, batch.size()); }

void ScreenPainter::draw(const PictureBatch& batch, int first, int end) {
    if (hidden) return;
    for (int i = first < 0 ? 0 : first; i < end && i < batch.size(); ++i) {
        const PictureCommand& c = batch[i];
        drawPicture(c.number, c.x, c.y, c.halfWidth, c.halfHeight, c.angle, c.red, c.green, c.blue, c.alpha);
    }
}

void ScreenPainter::drawWithStillPart(const PictureBatch& batch, int still, std::uint32_t key) {
    if (stillPart.holds(key)) {
        stillPart.draw();
    } else {
        draw(batch, 0, still);
        stillPart.store(key);
    }
    draw(batch, still, batch.size());
}

void ScreenPainter::beginWindowSquare() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void ScreenPainter::endWindowSquare() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void ScreenPainter::clear(float red, float green, float blue) {
    glClearColor(red, green, blue, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ScreenPainter::resetModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
