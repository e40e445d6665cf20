#include "render/StageCanvas.h"

#include <GL/gl.h>

#include "render/TextureUpload.h"
#include "render/UnitQuad.h"

StageCanvas::StageCanvas() = default;

StageCanvas::~StageCanvas() {
    if (!loaded) return;
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    for (unsigned n = 0; n < pictureTableSize; ++n) deleteWorldPicture(n);
    deleteUnitQuad(unitQuad);
    sprites.releaseAll();
    glyphAtlas.release();
    ringAtlas.release();
}

void StageCanvas::makeWorldPicture(unsigned number, bool repeat) {
    makePictureTexture(pictures[number], number, repeat ? TextureWrap::repeat : TextureWrap::clamp);
}

void StageCanvas::deleteWorldPicture(unsigned number) { deletePicture(pictures[number]); }

void StageCanvas::load() {
    deleteUnitQuad(unitQuad);
    unitQuad = compileUnitQuad();
    for (unsigned n = 601; n <= 663; ++n) makeWorldPicture(n, false);
    makeWorldPicture(881, false);
    for (unsigned n = 863; n <= 869; ++n) makeWorldPicture(n, true);
    for (unsigned n = 882; n <= 888; ++n) makeWorldPicture(n, false);
    makeWorldPicture(872, false);
    makeWorldPicture(861, false);
    makeWorldPicture(862, false);
    for (unsigned n = 851; n <= 859; ++n) makeWorldPicture(n, false);
    // The atlases copy the glyphs and rings; then no picture needs its pixels.
    glyphAtlas.build(pictures + 600, 63);
    ringAtlas.build(pictures + 850, 12);
    for (Picture* p : pictures) {
        if (p != nullptr) p->releasePixels();
    }
    trailBuffers.clearAll();
    loaded = true;
}

void StageCanvas::loadSpriteSet(unsigned set, unsigned frameCount) { sprites.loadSpriteSet(set, frameCount); }

void StageCanvas::releaseSpriteSet(unsigned set, unsigned frameCount) { sprites.releaseSpriteSet(set, frameCount); }

Picture* StageCanvas::picture(unsigned number) const {
    return number < pictureTableSize ? pictures[number] : nullptr;
}

void StageCanvas::bindPicture(unsigned number) const { ::bindPicture(picture(number)); }

const AtlasFrame* StageCanvas::stampFrame(unsigned number, std::uint32_t& texture) const {
    const bool glyph = number >= 601 && number <= 663;
    if (!glyph && (number < 851 || number > 862)) return nullptr;
    const SpriteAtlas& atlas = glyph ? glyphAtlas : ringAtlas;
    texture = atlas.texture();
    return atlas.frame(static_cast<std::int32_t>(number - (glyph ? 600 : 850)));
}

void StageCanvas::batchFrame(std::uint32_t texture, const AtlasFrame& frame, Vector position, float scaleX,
                             float scaleY, float angle, float red, float green, float blue, float alpha) {
    if (frame.blank) {
        batch.keepColour(red, green, blue, alpha);
    } else {
        batch.add(texture, frame, position, scaleX, scaleY, spriteTurn(angle), red, green, blue, alpha);
    }
}

void StageCanvas::stamp(unsigned number, Vector position, float scaleX, float scaleY, float angle, float red,
                        float green, float blue, float alpha) {
    std::uint32_t texture = 0;
    const AtlasFrame* inAtlas = stampFrame(number, texture);
    if (inAtlas != nullptr) {
        batchFrame(texture, *inAtlas, position, scaleX, scaleY, angle, red, green, blue, alpha);
        return;
    }
    batch.flush();
    bindPicture(number);
    glPushMatrix();
    glColor4f(red, green, blue, alpha);
    glTranslatef(position.x, position.y, position.z);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(scaleX, scaleY, 0.0f);
    glCallList(unitQuad);
    glPopMatrix();
}

void StageCanvas::drawUnitQuad() const { glCallList(unitQuad); }

void StageCanvas::drawSprite(std::uint16_t slot, std::uint16_t set, Vector position, float scaleX, float scaleY,
                               float angle, unsigned channel, std::int32_t first, std::int32_t last, float duration,
                               std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha,
                               float frameTime) {
    if (set == 0) return;
    const int category = spriteCategory(set);
    current.set = set;
    current.alpha = alpha;

    AnimationClock* clock = clocks.clock(category, slot, channel);
    if (clock == nullptr) return;
    const SpriteFrame chosen = advanceSpriteClock(*clock, first, last, duration, frameTime);
    current.frameCount = chosen.count;
    current.timePerFrame = chosen.timePerFrame;

    const float r = red / 255.0f;
    const float g = green / 255.0f;
    const float b = blue / 255.0f;
    const float a = alpha * 0.01f;
    const SpriteAtlas* atlas = sprites.atlas(set);
    const AtlasFrame* inAtlas = atlas != nullptr ? atlas->frame(chosen.frame) : nullptr;
    if (inAtlas != nullptr) {
        batchFrame(atlas->texture(), *inAtlas, position, scaleX, scaleY, angle, r, g, b, a);
        return;
    }

    // A frame without an image (or one that did not fit) draws as before.
    batch.flush();
    sprites.bindFrame(set, chosen.frame);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glColor4f(r, g, b, a);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(scaleX, scaleY, 0.0f);
    glCallList(unitQuad);
    glPopMatrix();
}
