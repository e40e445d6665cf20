#include "render/ActorLayers.h"

#include <cstdlib>

namespace {

constexpr float dancerWindow = 0.5f;
constexpr float smallWindow = 0.25f;
constexpr float blossomBloom = 0.6f;  // seconds of one opening and closing of a blossom

// The cat is always drawn in its fur colour and at its own size.
constexpr Colour catFur{180, 125, 59, 100};
constexpr float catSize = 0.15f;
constexpr Colour catEars{118, 86, 67, 100};

std::uint8_t combinedAlpha(std::uint8_t partAlpha, std::uint8_t actorAlpha) {
    // A part keeps its own alpha inside the actor's: a faded actor (a ghost of
    // the past) fades all of its parts alike.
    return static_cast<std::uint8_t>(static_cast<unsigned>(partAlpha) * actorAlpha / 100u);
}

class StackBuilder {
public:
    StackBuilder(const ActorLook& look, LayerStack& out) : look(look), out(out) {}

    CostumePart part(int number) const {
        return look.costume != nullptr ? look.costume->part(number) : CostumePart{};
    }
    std::uint8_t value(int number) const { return part(number).visible; }

    SpriteLayer base() const {
        SpriteLayer layer;
        layer.scaleX = look.width;
        layer.scaleY = look.height;
        layer.rotation = look.angle;
        return layer;
    }

    // A still layer in a costume part's colour.
    void inPart(std::int32_t frame, int number) {
        const CostumePart p = part(number);
        inColour(frame, Colour{p.r, p.g, p.b, combinedAlpha(p.alpha, look.colour.alpha)});
    }
    // A still layer in the actor's own colour or any other.
    void inColour(std::int32_t frame, Colour c) {
        SpriteLayer layer = base();
        layer.first = layer.last = frame;
        layer.red = c.r;
        layer.green = c.g;
        layer.blue = c.b;
        layer.alpha = c.alpha;
        out.add(layer);
    }
    // The eyes or the idle movement: one frame at rest, a range while blinking,
    // run once over the blink window on channel 2.
    void blinking(std::int32_t rest, std::int32_t first, std::int32_t last, Colour c) {
        SpriteLayer layer = base();
        layer.first = look.blinking ? first : rest;
        layer.last = look.blinking ? last : rest;
        layer.channel = 2;
        layer.duration = look.blinkWindow;
        layer.red = c.r;
        layer.green = c.g;
        layer.blue = c.b;
        layer.alpha = c.alpha;
        out.add(layer);
    }
    void blinkingInPart(std::int32_t rest, std::int32_t first, std::int32_t last, int number) {
        const CostumePart p = part(number);
        blinking(rest, first, last, Colour{p.r, p.g, p.b, combinedAlpha(p.alpha, look.colour.alpha)});
    }
    // size > 0 replaces the actor's width and height.
    void attached(std::int32_t frame, float radius, std::uint8_t alpha, float size = 0.0f) {
        SpriteLayer layer = base();
        layer.first = layer.last = frame;
        layer.attached = true;
        layer.radius = radius;
        layer.alpha = alpha;
        if (size > 0.0f) layer.scaleX = layer.scaleY = size;
        out.add(layer);
    }

    // The dancer's layers from the tights up to the ornament, shared by kinds
    // 101, 111 and 112.
    void dancerBody() {
        inPart(4 + value(8), 8);
        inPart(22 + value(4), 4);
        inPart(24 + value(3), 3);
        inPart(26 + value(5), 5);
        inPart(28 + value(6), 6);
        inPart(34 + value(10), 10);
        blinking(13, 9, 13, look.colour);
        inPart(13 + value(1), 1);
        inPart(15 + value(2), 2);
    }

    void dancer() {
        attached(30 + look.state, 0.01f, look.colour.alpha);
        inPart(skinFrame(value(7)), 7);
        dancerBody();
        inPart(18 + value(9), 9);
    }

    // Her first layer, her calming zone, swells and shrinks with the stage's
    // time scale (the sprite scale).
    void guardian() {
        SpriteLayer zone = base();
        const CostumePart p = part(9);
        zone.first = zone.last = 18 + value(9);
        zone.red = p.r;
        zone.green = p.g;
        zone.blue = p.b;
        zone.alpha = combinedAlpha(p.alpha, look.colour.alpha);
        zone.scaleX = zone.scaleY = look.spriteScale;
        zone.rotation = look.heading;
        out.add(zone);
        attached(30 + look.state, 0.01f, look.colour.alpha);
        inPart(skinFrame(value(7)), 7);
        dancerBody();
    }

    void racer() {
        attached(3, 0.01f, look.colour.alpha);
        inPart(1, 5);
        inPart(2, 6);
        inPart(4, 1);
        inPart(5, 3);
        inPart(6, 4);
        inPart(7, 2);
        inColour(8, look.colour);
    }

    void talent() {
        inColour(1, look.colour);
        inPart(2, 2);
        attached(4, 0.025f, 100);
        if (look.state == 2) {
            inPart(7, 1);  // drawn toward a dancer: the excited shine
        } else {
            blinkingInPart(3, 6, 8, 1);
        }
    }

    void muse() {
        attached(7, 0.025f, 100);
        inColour(static_cast<std::int32_t>(value(7)) - 130, Colour{255, 255, 255, look.colour.alpha});
        blinkingInPart(9, 11, 12, 1);
    }

    void growingMuse() {
        const CostumePart notes = part(10);
        SpriteLayer ring = base();
        ring.first = ring.last = 5;
        ring.red = notes.r;
        ring.green = notes.g;
        ring.blue = notes.b;
        ring.alpha = combinedAlpha(notes.alpha, look.colour.alpha);
        ring.rotation = look.spinAngle;
        out.add(ring);
        attached(7, 0.025f, 100, 0.5f);  // her orb has a size of its own
        inPart(1, 7);
        inPart(2, 8);
        inPart(3, 4);
        inColour(6, look.colour);
        inPart(4, 2);
        blinkingInPart(9, 11, 12, 1);
    }

    void cat() {
        const Colour fur{catFur.r, catFur.g, catFur.b, look.colour.alpha};
        inPart(8, 2);
        attached(4, 0.0f, look.colour.alpha);
        blinking(1, 10, 16, fur);
        inPart(value(2) == 1 ? 18 : 2, 2);
        inColour(5, Colour{catEars.r, catEars.g, catEars.b, look.colour.alpha});
        inColour(6, fur);
        inPart(7, 2);
        inPart(3, 2);
        inPart(9, 2);
        inColour(17, fur);
    }

    // Blossoms: the outer petals open and close in their first colour, the
    // inner petals and heart in the second (costume part 1) over them, both
    // turning with the blossom's spin.
    void blossom() {
        SpriteLayer outer = base();
        outer.first = 1;
        outer.last = 6;
        outer.duration = blossomBloom;
        outer.red = look.colour.r;
        outer.green = look.colour.g;
        outer.blue = look.colour.b;
        outer.alpha = look.colour.alpha;
        out.add(outer);
        const CostumePart heart = part(1);
        SpriteLayer inner = outer;
        inner.first = 7;
        inner.last = 12;
        inner.channel = 2;
        inner.red = heart.r;
        inner.green = heart.g;
        inner.blue = heart.b;
        inner.alpha = combinedAlpha(heart.alpha, look.colour.alpha);
        out.add(inner);
    }

private:
    const ActorLook& look;
    LayerStack& out;
};

}  // namespace

void LayerStack::add(const SpriteLayer& layer) {
    if (used >= capacity) return;
    if (layer.first < 1 || layer.first > highestFrame || layer.last < 1 || layer.last > highestFrame) return;
    layers[used++] = layer;
}

float blinkWindowOf(unsigned kind) {
    if (kind == 106 || (kind >= 131 && kind <= 140)) return smallWindow;
    return dancerWindow;
}

bool BlinkClock::advance(float frameTime, float window) {
    elapsed += frameTime;
    const bool inWindow = elapsed >= interval && elapsed <= interval + window;
    if (elapsed > interval + window) {
        elapsed = 0.0f;
        interval = 2.0f + static_cast<float>(std::rand() % 3);
    }
    return inWindow;
}

std::int32_t skinFrame(std::uint8_t visible) {
    if (visible == 0) return 1;
    return visible > 4 ? 4 : visible;
}

void planActorLayers(const ActorLook& given, LayerStack& out) {
    out.clear();
    ActorLook look = given;
    if (look.kind == 106) {
        look.colour = Colour{catFur.r, catFur.g, catFur.b, given.colour.alpha};
        look.width = look.height = catSize;
    }
    StackBuilder stack(look, out);
    const unsigned kind = look.kind;
    if (kind == 101 || kind == 111) {
        stack.dancer();
    } else if (kind == 112) {
        stack.guardian();
    } else if (kind == 113) {
        stack.racer();
    } else if (kind >= 131 && kind <= 140) {
        stack.talent();
    } else if (kind >= 141 && kind <= 160) {
        stack.blossom();
    } else if (kind == 161) {
        stack.muse();
    } else if (kind == 162) {
        stack.growingMuse();
    } else if (kind == 106) {
        stack.cat();
    }
}
