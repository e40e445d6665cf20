#include "render/SpriteSetStore.h"

#include <new>

SpriteSetStore::SpriteSetStore(unsigned firstSet, unsigned lastSet, unsigned slotsPerSet, bool withAtlases)
    : first(firstSet), last(lastSet < firstSet ? firstSet : lastSet), slots(slotsPerSet == 0 ? 1 : slotsPerSet) {
    const unsigned sets = last - first + 1;
    frames = new (std::nothrow) Picture*[sets * slots]();
    loaded = new (std::nothrow) std::uint8_t[sets]();
    // Without its atlas table the store draws every frame from its own texture.
    if (withAtlases) atlases = new (std::nothrow) SpriteAtlas*[sets]();
    if (frames == nullptr || loaded == nullptr) {
        // Without its tables the store holds nothing and loads nothing.
        delete[] frames;
        delete[] loaded;
        frames = nullptr;
        loaded = nullptr;
    }
}

SpriteSetStore::~SpriteSetStore() {
    releaseAll();
    delete[] frames;
    delete[] loaded;
    delete[] atlases;
}

TextureWrap SpriteSetStore::wrapForSet(unsigned set) {
    return set >= 171 && set <= 180 ? TextureWrap::repeat : TextureWrap::clamp;
}

void SpriteSetStore::loadSpriteSet(unsigned set, unsigned frameCount) {
    if (frames == nullptr || !holds(set) || loaded[set - first]) return;
    const unsigned count = frameCount < slots ? frameCount : slots - 1;
    const TextureWrap wrap = wrapForSet(set);
    for (unsigned f = 1; f <= count; ++f) readPicture(slot(set, f), spriteFrameFileName(set, f).text);
    loaded[set - first] = 1;
    // A repeating set is drawn with coordinates beyond its edges: no atlas.
    SpriteAtlas* made = nullptr;
    if (atlases != nullptr && wrap == TextureWrap::clamp) {
        SpriteAtlas*& held = atlases[set - first];
        if (held == nullptr) held = new (std::nothrow) SpriteAtlas;
        if (held != nullptr) held->build(&frames[(set - first) * slots], static_cast<int>(count));
        made = held;
    }
    // Every drawing of a frame the atlas holds goes through the atlas: only
    // the others get a texture of their own.
    for (unsigned f = 1; f <= count; ++f) {
        const bool inAtlas = made != nullptr && made->frame(static_cast<std::int32_t>(f)) != nullptr;
        if (slot(set, f) != nullptr && !inAtlas) giveTexture(*slot(set, f), wrap);
    }
    // The textures (and the atlas) hold the images now.
    for (unsigned f = 1; f <= count; ++f) {
        if (slot(set, f) != nullptr) slot(set, f)->releasePixels();
    }
}

void SpriteSetStore::loadFrame(unsigned set, std::int32_t frameNumber) {
    if (frames == nullptr || !holds(set) || frameNumber < 1 || static_cast<unsigned>(frameNumber) >= slots) return;
    Picture*& made = slot(set, static_cast<unsigned>(frameNumber));
    if (made != nullptr) return;
    readPicture(made, spriteFrameFileName(set, static_cast<unsigned>(frameNumber)).text);
    loaded[set - first] = 1;
    if (made == nullptr) return;
    giveTexture(*made, wrapForSet(set));
    made->releasePixels();
}

void SpriteSetStore::releaseAtlas(unsigned set) {
    if (atlases == nullptr) return;
    delete atlases[set - first];
    atlases[set - first] = nullptr;
}

const SpriteAtlas* SpriteSetStore::atlas(unsigned set) const {
    if (atlases == nullptr || !holds(set)) return nullptr;
    return atlases[set - first];
}

void SpriteSetStore::releaseSpriteSet(unsigned set, unsigned frameCount) {
    if (frames == nullptr || !holds(set) || !loaded[set - first]) return;
    const unsigned count = frameCount < slots ? frameCount : slots - 1;
    for (unsigned f = 1; f <= count; ++f) deletePicture(slot(set, f));
    releaseAtlas(set);
    loaded[set - first] = 0;
}

void SpriteSetStore::releaseAll() {
    if (frames == nullptr) return;
    for (unsigned set = first; set <= last; ++set) {
        for (unsigned f = 0; f < slots; ++f) deletePicture(slot(set, f));
        releaseAtlas(set);
        loaded[set - first] = 0;
    }
}

bool SpriteSetStore::isLoaded(unsigned set) const {
    return loaded != nullptr && holds(set) && loaded[set - first] != 0;
}

Picture* SpriteSetStore::frame(unsigned set, std::int32_t frameNumber) const {
    if (frames == nullptr || !holds(set) || frameNumber < 1 || static_cast<unsigned>(frameNumber) >= slots) return nullptr;
    return frames[(set - first) * slots + static_cast<unsigned>(frameNumber)];
}

void SpriteSetStore::bindFrame(unsigned set, std::int32_t frameNumber) const {
    bindPicture(frame(set, frameNumber));
}
