#include "render/EffectRenderer.h"

#include <GL/gl.h>

#include "actors/EffectPool.h"
#include "render/StageCanvas.h"

EffectRenderer::EffectRenderer(StageCanvas& renderer) : renderer(renderer) {}

void EffectRenderer::load(unsigned firstSet, unsigned lastSet) {
    for (unsigned set = firstSet; set <= lastSet && set <= lastStoreSet; ++set) {
        store.loadSpriteSet(set, EffectPool::framesPerSet);
    }
}

bool EffectRenderer::drawnIn(const Effect& effect, bool behind) {
    return effect.busy() && EffectPool::drawnBehind(effect) == behind;
}

void EffectRenderer::draw(const EffectPool& pool, bool behind) {
    load(pool.firstSet(), pool.lastSet());
    // Particles from one set's atlas go out together, in their order.
    renderer.beginSprites();
    for (int i = 0; i < EffectPool::capacity; ++i) {
        const Effect& e = pool.effect(i);
        if (!drawnIn(e, behind)) continue;
        const Picture* frame = store.frame(e.behaviour, EffectPool::frameOf(e));
        if (frame == nullptr) continue;
        const SpriteAtlas* atlas = store.atlas(e.behaviour);
        const AtlasFrame* inAtlas = atlas != nullptr ? atlas->frame(EffectPool::frameOf(e)) : nullptr;
        if (inAtlas != nullptr) {
            renderer.batchFrame(atlas->texture(), *inAtlas, e.position, e.width, e.height, e.rotation,
                                e.colour[0] / 255.0f, e.colour[1] / 255.0f, e.colour[2] / 255.0f, e.colour[3] * 0.01f);
            continue;
        }
        renderer.flushSprites();
        ::bindPicture(frame);
        glPushMatrix();
        glTranslatef(e.position.x, e.position.y, e.position.z);
        glColor4f(e.colour[0] / 255.0f, e.colour[1] / 255.0f, e.colour[2] / 255.0f, e.colour[3] * 0.01f);
        glRotatef(e.rotation, 0.0f, 0.0f, 1.0f);
        glScalef(e.width, e.height, 0.0f);
        renderer.drawUnitQuad();
        glPopMatrix();
    }
    renderer.endSprites();
}
