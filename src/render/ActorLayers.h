#pragma once

#include <cstdint>

#include "actors/Costume.h"

// The paper-doll stack of one actor, worked out without drawing: which frames
// of the actor's sprite set are laid over each other, in which colours, on
// which animation channel and at which size and turn. ActorPainter draws the
// result; the tests read it.

// One layer. An attached part is drawn white with its own alpha, displaced by
// `radius` from the actor's centre in the direction of the heading.
struct SpriteLayer {
    std::int32_t first = 0;
    std::int32_t last = 0;       // equal to first unless the layer blinks or idles
    unsigned channel = 1;        // 1 still layers, 2 the eyes and idle animation
    float duration = 1.0f;
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    std::uint8_t alpha = 100;    // percent
    float scaleX = 0.0f;
    float scaleY = 0.0f;
    float rotation = 0.0f;
    bool attached = false;
    float radius = 0.0f;
};

// Everything a layer stack depends on.
struct ActorLook {
    unsigned kind = 0;
    float width = 0.0f;
    float height = 0.0f;
    float angle = 0.0f;
    float heading = 0.0f;        // degrees; the attached part's offset angle
    Colour colour;               // the actor's own colour
    std::uint8_t state = 0;      // mood, singing or attraction, by kind
    const Costume* costume = nullptr;  // null draws the parts white
    bool blinking = false;       // inside the blink window this frame
    float blinkWindow = 0.5f;    // the eyes' animation runs once over it
    float spriteScale = 0.0f;    // size of the first layer of kind 112
    float spinAngle = 0.0f;      // the note ring of kind 162
};

class LayerStack {
public:
    static constexpr int capacity = 16;
    // Frames of an actor's sprite set run from 1 to this.
    static constexpr std::int32_t highestFrame = 37;

    void clear() { used = 0; }
    int count() const { return used; }
    const SpriteLayer& layer(int index) const { return layers[index < 0 || index >= used ? 0 : index]; }
    // Adds a layer unless the stack is full or a frame lies outside 1..highestFrame,
    // so that a strange costume value never binds a frame that does not exist.
    void add(const SpriteLayer& layer);

private:
    SpriteLayer layers[capacity];
    int used = 0;
};

// The blink window w by kind: 0.5 s for the dancers and muses, 0.25 s for the
// cat and the talents.
float blinkWindowOf(unsigned kind);

// The clock that decides when an actor blinks. Starts at 0 with interval 0,
// so an actor's first blink begins on its first drawing.
struct BlinkClock {
    float elapsed = 0.0f;
    float interval = 0.0f;

    // Adds the frame time and tells whether the clock lies in the blink
    // window [interval, interval + window]. Past the window the clock returns
    // to 0 and draws the next interval: 2, 3 or 4 seconds.
    bool advance(float frameTime, float window);
};

// The stack of the actor's kind, bottom layer first. Kinds without a stack
// (and kind 0) give an empty stack.
void planActorLayers(const ActorLook& look, LayerStack& out);

// The frame a still layer shows for a base frame and a costume part's visible
// value: the sum, except for the skin of the dancers (part 7), whose value
// counts 0 as 1 and anything above 4 as 4.
std::int32_t skinFrame(std::uint8_t visible);
