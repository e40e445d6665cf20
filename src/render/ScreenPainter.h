#pragma once

#include <cstdint>

#include "image/Picture.h"
#include "render/PictureBatch.h"
#include "render/SpriteAtlas.h"
#include "render/TextureUpload.h"
#include "render/WindowCache.h"

// The drawing side of the screens (loading, title, menu, transition and the
// interface around a dance): its own table of pictures, indexed by picture
// number and made with the one texture upload, and its own unit quad. It
// draws textured squares where it is told; what to draw is the screens'
// decision. Construction makes no OpenGL call.
class ScreenPainter {
public:
    static constexpr unsigned tableSize = 9000;  // picture numbers 0..8999

    ScreenPainter() = default;
    // Deletes every picture still loaded and the unit quad.
    ~ScreenPainter();
    ScreenPainter(const ScreenPainter&) = delete;
    ScreenPainter& operator=(const ScreenPainter&) = delete;

    // The unit quad; needs a current context.
    void create();
    // Deletes every picture and the unit quad.
    void destroy();

    // "<number>.tga" into the table (replacing what was there). A missing or
    // broken file gives an empty picture that draws untextured.
    void load(unsigned number, TextureWrap wrap = TextureWrap::clamp);
    void release(unsigned number);
    bool isLoaded(unsigned number) const { return picture(number) != nullptr; }
    const Picture* picture(unsigned number) const { return number < tableSize ? pictures[number] : nullptr; }
    int loadedCount() const;

    // A square of the picture centred at (x, y), half sizes in stage units,
    // turned by angle degrees, tinted (each 0..1). Pictures not loaded are
    // skipped.
    void drawPicture(unsigned number, float x, float y, float halfWidth, float halfHeight, float angle, float red,
                     float green, float blue, float alpha);
    void draw(const PictureBatch& batch);
    // Squares first to end - 1 of the batch.
    void draw(const PictureBatch& batch, int first, int end);

    // The squares of a batch up to `still` draw the same while `key` stays:
    // they are drawn once and copied, and from then on the copy stands in
    // for them, until the key, the viewport or a loaded picture changes.
    // Only for a batch whose first square covers the window (coversWindow),
    // since the copy hides whatever was drawn before it.
    void drawWithStillPart(const PictureBatch& batch, int still, std::uint32_t key);

    // A picture whose every texel is opaque (worked out as it is loaded).
    bool isOpaque(unsigned number) const { return number < tableSize && opaque[number] != 0; }
    // True when the picture, drawn as a square over the whole window (centre
    // 0, 0, half sizes windowHalfWidth x windowHalfHeight, no turn) at alpha
    // 1, hides everything drawn before it: it is opaque and at least as large
    // as the viewport, so that no pixel's filter reaches the clamped border.
    bool coversWindow(unsigned number) const;
    static constexpr float windowHalfWidth = 2.8f;
    static constexpr float windowHalfHeight = 2.1f;

    // Between these nothing reaches the window (an empty scissor box), while
    // the drawing code runs as ever: for what a later square will cover.
    // The squares of this painter are not even sent.
    void beginHiddenDrawing();
    void endHiddenDrawing();
    bool drawingHidden() const { return hidden; }

    // The loading screen comes before the stage projection is set: it draws
    // in the window's own -1..1 square. begin saves the projection and
    // switches blending and texturing on; end restores the projection.
    void beginWindowSquare();
    void endWindowSquare();
    // Clears the colour buffer and resets the model-view matrix.
    void clear(float red, float green, float blue);
    // Model-view identity: squares land where their stage units say,
    // whatever the drawing before left on the matrix.
    void resetModelView();

private:
    Picture* pictures[tableSize] = {};
    std::uint8_t opaque[tableSize] = {};
    // Per clamped picture, the texels that can show (see visibleTexels): a
    // square is drawn only over them, since elsewhere its blended fragments
    // leave every pixel as it was. Empty: the whole square.
    TexelBox visible[tableSize] = {};
    std::uint32_t unitQuad = 0;
    WindowCache stillPart;
    bool hidden = false;
};
