#pragma once

#include <cstdint>

#include "actors/Costume.h"
#include "actors/Vector.h"
#include "render/ActorLayers.h"

class StageCanvas;

// Draws actors as the layer stacks of their kinds (ActorLayers) with the
// sprite draw of the StageCanvas, keeping the blink clocks of every actor
// slot, the sprite scale and the spin of the growing muse's note ring.
// Construction makes no OpenGL call.
class ActorPainter {
public:
    static constexpr int categories = 5;
    static constexpr unsigned slots = 40;

    explicit ActorPainter(StageCanvas& renderer) : renderer(renderer) {}
    ActorPainter(const ActorPainter&) = delete;
    ActorPainter& operator=(const ActorPainter&) = delete;

    // One actor by its kind (the sprite-set number). heading is an angle in
    // degrees: the offset direction of the attached part and the turn of the
    // first layer of kind 112. Kind 0, kinds without a stack and slots above 39
    // draw nothing.
    void drawActor(unsigned slot, unsigned kind, Vector position, float width, float height, float angle,
                   float heading, float frameTime, Colour colour, std::uint8_t state, const Costume& costume);

    // Size (width and height) of the first layer of kind 112; the World
    // hands over its time scale before it draws the actors.
    void setSpriteScale(float scale) { spriteScale = scale; }
    float currentSpriteScale() const { return spriteScale; }

    // Frame `frame` of the kind's set, white with the given alpha, at the
    // centre displaced by radius toward offsetAngle + 90 degrees.
    void drawAttachedPart(unsigned kind, float centreX, float centreY, float scaleX, float scaleY, float radius,
                          float offsetAngle, float rotation, unsigned channel, std::int32_t frame,
                          std::uint8_t alpha, float frameTime);

private:
    StageCanvas& renderer;
    BlinkClock blinks[categories][slots];
    LayerStack stack;
    float spriteScale = 0.0f;
    float spin = 0.0f;
};
