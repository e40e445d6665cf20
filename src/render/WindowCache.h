#pragma once

#include <cstdint>

// A copy of the window's pixels (the viewport, from the back buffer) in a
// texture of its own, kept under a key: what is drawn the same way frame
// after frame is drawn once, copied, and then put back as one opaque square
// per frame, until its key changes. The copy comes back pixel for pixel: the
// texture is sampled at texel centres with the nearest filter, without
// blending. Construction makes no OpenGL call; OpenGL 1.1 is enough.
class WindowCache {
public:
    WindowCache() = default;
    ~WindowCache();
    WindowCache(const WindowCache&) = delete;
    WindowCache& operator=(const WindowCache&) = delete;

    // True when a copy taken under this key, at the current viewport size, is held.
    bool holds(std::uint32_t key) const;
    // Copies the viewport of the back buffer into the texture, under the key.
    void store(std::uint32_t key);
    // Puts the copy back over the whole viewport (the projection and
    // model-view matrices are set for that and restored).
    void draw() const;
    // The next holds() is false (pictures under it changed).
    void forget() { valid = false; }
    // Deletes the texture; needs the context it was made in.
    void release();

private:
    std::uint32_t texture = 0;
    std::int32_t textureWidth = 0;
    std::int32_t textureHeight = 0;
    std::int32_t width = 0;   // the viewport the copy was taken of
    std::int32_t height = 0;
    std::uint32_t heldKey = 0;
    bool valid = false;
};
