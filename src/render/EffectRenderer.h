#pragma once

#include <cstdint>

#include "render/SpriteSetStore.h"

class EffectPool;
struct Effect;
class StageCanvas;

// Draws the effect pool's particles: each busy particle is frame
// EffectPool::frameOf of the sprite set numbered by its behaviour, at its
// position, size and rotation, in its colour (alpha a percentage). The
// particles' own sprite sets are kept here, 48 slots per set. Construction
// makes no OpenGL call. No table of angular sectors is kept: nothing would
// read one, every particle carries its own rotation.
class EffectRenderer {
public:
    static constexpr unsigned firstStoreSet = 100;
    static constexpr unsigned lastStoreSet = 255;
    static constexpr unsigned slotsPerSet = 48;

    explicit EffectRenderer(StageCanvas& renderer);
    EffectRenderer(const EffectRenderer&) = delete;
    EffectRenderer& operator=(const EffectRenderer&) = delete;

    // Loads the sets firstSet to lastSet (8 frames each) that are not loaded
    // yet; sets loaded before cost only a look at their flag.
    void load(unsigned firstSet, unsigned lastSet);
    // The particles that settle under the actors (behind) or fly over them.
    // Loads the pool's sets first if they are missing. A particle whose frame
    // has no picture is not drawn.
    void draw(const EffectPool& pool, bool behind);

    // Whether a particle is drawn in the pass (behind or in front).
    static bool drawnIn(const Effect& effect, bool behind);

    const SpriteSetStore& sets() const { return store; }

private:
    StageCanvas& renderer;
    SpriteSetStore store{firstStoreSet, lastStoreSet, slotsPerSet, true};
};
