#pragma once

#include <cstdint>

#include "image/Picture.h"
#include "render/SpriteAtlas.h"
#include "render/TextureUpload.h"

// Textures of numbered sprite sets: for each set in [firstSet, lastSet] a row
// of frame slots (frame 0 is never used) and a loaded flag. A set is loaded
// once and stays until it is released. Frame f of set s is read from the file
// named s followed by f, ".tga". Construction makes no OpenGL call; loading
// and releasing need a current context.
//
// A store made with atlases also puts the frames of every clamped set into
// one atlas texture of that set (SpriteAtlas) as the set is loaded, so that
// the layers of an actor, each a frame of its set, can be drawn together.
// A frame the atlas holds gives up its own texture (its name becomes 0);
// frames without an image, or of a set too large for one atlas, keep theirs.
class SpriteSetStore {
public:
    SpriteSetStore(unsigned firstSet, unsigned lastSet, unsigned slotsPerSet, bool withAtlases = false);
    // Releases every frame still held.
    ~SpriteSetStore();
    SpriteSetStore(const SpriteSetStore&) = delete;
    SpriteSetStore& operator=(const SpriteSetStore&) = delete;

    // Sets 171 to 180 (the floor tiles) repeat; every other set is clamped.
    static TextureWrap wrapForSet(unsigned set);

    // Makes frames 1 to frameCount, unless the set is loaded already, is 0 or
    // lies outside the store. Frames beyond the set's slots are not made.
    void loadSpriteSet(unsigned set, unsigned frameCount);
    // Makes that one frame of a set without an atlas, unless it is made
    // already (a missing or broken file makes an empty picture, so it is read
    // once); the set counts as loaded from then on.
    void loadFrame(unsigned set, std::int32_t frameNumber);
    // Deletes frames 1 to frameCount and clears the flag; only for a loaded set.
    void releaseSpriteSet(unsigned set, unsigned frameCount);
    // Deletes every frame of every set and clears every flag.
    void releaseAll();

    bool isLoaded(unsigned set) const;
    // Null outside the store, for frame 0 and for frames not made.
    Picture* frame(unsigned set, std::int32_t frameNumber) const;
    // Binds that frame's texture, or texture 0 when there is none.
    void bindFrame(unsigned set, std::int32_t frameNumber) const;
    // The atlas of a loaded set; null without one.
    const SpriteAtlas* atlas(unsigned set) const;

    unsigned firstSet() const { return first; }
    unsigned lastSet() const { return last; }
    unsigned slotsPerSet() const { return slots; }

private:
    bool holds(unsigned set) const { return set != 0 && set >= first && set <= last; }
    Picture*& slot(unsigned set, unsigned frameNumber) { return frames[(set - first) * slots + frameNumber]; }
    void releaseAtlas(unsigned set);

    unsigned first;
    unsigned last;
    unsigned slots;
    Picture** frames = nullptr;
    std::uint8_t* loaded = nullptr;
    SpriteAtlas** atlases = nullptr;  // one slot per set when made with atlases
};
