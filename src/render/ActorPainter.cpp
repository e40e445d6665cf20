#include "render/ActorPainter.h"

#include <cmath>

#include "actors/Motion.h"
#include "render/SpriteAnimation.h"
#include "render/StageCanvas.h"

namespace {
constexpr float spinRate = 60.0f;  // degrees per second of the growing muse's note ring
}  // namespace

void ActorPainter::drawActor(unsigned slot, unsigned kind, Vector position, float width, float height, float angle,
                             float heading, float frameTime, Colour colour, std::uint8_t state,
                             const Costume& costume) {
    const int category = spriteCategory(kind);
    if (kind == 0 || category == 0 || slot >= slots) return;

    ActorLook look;
    look.kind = kind;
    look.width = width;
    look.height = height;
    look.angle = angle;
    look.heading = heading;
    look.colour = colour;
    look.state = state;
    look.costume = &costume;
    look.blinkWindow = blinkWindowOf(kind);
    look.blinking = blinks[category - 1][slot].advance(frameTime, look.blinkWindow);
    look.spriteScale = spriteScale;
    if (kind == 162) {
        spin = wrapAngle(spin + spinRate * frameTime);
        look.spinAngle = spin;
    }
    planActorLayers(look, stack);

    const auto spriteSlot = static_cast<std::uint16_t>(slot);
    const auto set = static_cast<std::uint16_t>(kind);
    // The layers of one actor come from one atlas: one draw call.
    renderer.beginSprites();
    for (int i = 0; i < stack.count(); ++i) {
        const SpriteLayer& layer = stack.layer(i);
        if (layer.attached) {
            drawAttachedPart(kind, position.x, position.y, layer.scaleX, layer.scaleY, layer.radius, heading,
                             layer.rotation, 1, layer.first, layer.alpha, frameTime);
            continue;
        }
        renderer.drawSprite(spriteSlot, set, position, layer.scaleX, layer.scaleY, layer.rotation, layer.channel,
                            layer.first, layer.last, layer.duration, layer.red, layer.green, layer.blue, layer.alpha,
                            frameTime);
    }
    renderer.endSprites();
}

void ActorPainter::drawAttachedPart(unsigned kind, float centreX, float centreY, float scaleX, float scaleY,
                                    float radius, float offsetAngle, float rotation, unsigned channel,
                                    std::int32_t frame, std::uint8_t alpha, float frameTime) {
    if (kind == 0 || kind > 0xFFFF) return;
    const float direction = (offsetAngle + 90.0f) * degreesToRadians;
    const Vector at(centreX + radius * std::cos(direction), centreY + radius * std::sin(direction), 0.0f);
    renderer.drawSprite(1, static_cast<std::uint16_t>(kind), at, scaleX, scaleY, rotation, channel, frame, frame,
                        1.0f, 255, 255, 255, alpha, frameTime);
}
