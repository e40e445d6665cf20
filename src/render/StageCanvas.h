#pragma once

#include <cstdint>

#include "actors/Vector.h"
#include "image/Picture.h"
#include "render/SpriteAnimation.h"
#include "render/SpriteBatch.h"
#include "render/SpriteSetStore.h"
#include "render/TrailBuffers.h"

// What is known of the sprite drawSprite drew last.
struct CurrentSprite {
    std::uint16_t set = 0;
    std::uint8_t alpha = 0;  // percent
    std::int32_t frameCount = 0;  // last - first
    float timePerFrame = 0.0f;
};

// The drawing state the stage painters share: the numbered pictures (glyphs,
// rings, trails, badge), the actors' sprite sets with their animation clocks,
// the trail buffers and the unit quad every sprite is drawn with. The
// painters draw through it; the WorldRenderer owns it with them.
// Construction makes no OpenGL call, so the World builds without a context;
// load() and everything that draws need one.
class StageCanvas {
public:
    static constexpr unsigned pictureTableSize = 889;  // numbers 0 to 888
    static constexpr unsigned firstSpriteSet = 100;
    static constexpr unsigned lastSpriteSet = 199;
    static constexpr unsigned framesPerSet = 38;       // frames 1 to 37

    StageCanvas();
    // Disables the client arrays, deletes every picture and the unit quad
    // (only when load() ran), and releases the sprite sets still loaded.
    ~StageCanvas();
    StageCanvas(const StageCanvas&) = delete;
    StageCanvas& operator=(const StageCanvas&) = delete;

    // Once, after the context exists: the unit quad, then the glyphs 601-663,
    // then 881, 863-869 (repeat), 882-888, 872, 861, 862, 851-859, then the
    // glyph and ring atlases.
    void load();
    bool isLoaded() const { return loaded; }

    // Textures of a sprite set, made once and kept until released.
    void loadSpriteSet(unsigned set, unsigned frameCount);
    void releaseSpriteSet(unsigned set, unsigned frameCount);

    // Draws frame of set (101-170) at position, animated from first to last
    // over duration on the clock of (set's category, slot, channel), tinted
    // by red, green, blue (0-255) and alpha (percent). Set 0, a set outside
    // 101-170, a slot above 39 or a channel above 2 draws nothing.
    // A frame in its set's atlas joins the sprite batch (drawn at once
    // outside an open batch); any other frame is drawn with its own texture.
    void drawSprite(std::uint16_t slot, std::uint16_t set, Vector position, float scaleX, float scaleY, float angle,
                    unsigned channel, std::int32_t first, std::int32_t last, float duration, std::uint8_t red,
                    std::uint8_t green, std::uint8_t blue, std::uint8_t alpha, float frameTime);

    // Between these, sprites from the same atlas go out in one draw call, in
    // their order. Nothing else may be drawn and the model-view matrix must
    // stay as it is until the batch ends. Batches nest.
    void beginSprites() { batch.begin(); }
    void endSprites() { batch.end(); }
    const SpriteBatch& spriteBatch() const { return batch; }

    // Picture `number` as the unit quad placed by translate(position),
    // rotate(angle), scale(scaleX, scaleY, 0) in the current model-view
    // matrix, tinted (each 0..1). A glyph (601-663) or ring picture (851-862)
    // joins the sprite batch from its atlas, so that a whole ring or label
    // goes out in one draw call; any other picture is drawn at once.
    void stamp(unsigned number, Vector position, float scaleX, float scaleY, float angle, float red, float green,
               float blue, float alpha);
    // A frame of an atlas placed and tinted as stamp() does, in the sprite
    // batch; a blank frame only leaves its colour current.
    void batchFrame(std::uint32_t texture, const AtlasFrame& frame, Vector position, float scaleX, float scaleY,
                    float angle, float red, float green, float blue, float alpha);
    // Draws what waits in the batch, before something is drawn past it.
    void flushSprites() { batch.flush(); }

    // Null for numbers outside the table and pictures not loaded.
    Picture* picture(unsigned number) const;
    // Binds that picture's texture, or texture 0 when there is none.
    void bindPicture(unsigned number) const;
    // Calls the unit quad list (a square from (-1, -1) to (1, 1)).
    void drawUnitQuad() const;
    std::uint32_t unitQuadList() const { return unitQuad; }

    SpriteSetStore& spriteSets() { return sprites; }
    const SpriteSetStore& spriteSets() const { return sprites; }
    AnimationClocks& animationClocks() { return clocks; }
    const CurrentSprite& currentSprite() const { return current; }

    // Trails: cleared when an actor's slot is reused and all at once while frozen.
    void clearTrail(unsigned slot, unsigned kind) { trailBuffers.clearTrail(slot, kind); }
    void clearAllTrails() { trailBuffers.clearAll(); }
    TrailBuffers& trails() { return trailBuffers; }

private:
    void makeWorldPicture(unsigned number, bool repeat);
    void deleteWorldPicture(unsigned number);
    const AtlasFrame* stampFrame(unsigned number, std::uint32_t& texture) const;

    Picture* pictures[pictureTableSize] = {};
    SpriteSetStore sprites{firstSpriteSet, lastSpriteSet, framesPerSet, true};
    SpriteBatch batch;
    // The glyphs 601-663 and the ring pictures 851-862, frame n - 600 and n - 850.
    SpriteAtlas glyphAtlas;
    SpriteAtlas ringAtlas;
    AnimationClocks clocks;
    TrailBuffers trailBuffers;
    CurrentSprite current;
    std::uint32_t unitQuad = 0;
    bool loaded = false;

};
