#pragma once

#include <cstdint>

#include "actors/Vector.h"

// One particle slot of the EffectPool. behaviour 0 marks a free slot; 182 to
// 196 select the per-frame rule and are also the sprite-set number it is
// drawn from. width and height are sprite scales (the drawn square is twice
// as wide), like the actors' own sizes.
struct Effect {
    std::uint8_t behaviour = 0;
    std::uint8_t letter = 0;       // 'U'..'Z' for the World's own effects 85..90
    std::uint8_t fresh = 1;        // 1: drawn behind the actors (settled on the floor)
    Vector position;
    std::uint8_t ownerKind = 0;
    std::uint8_t ownerIndex = 0;
    Vector velocity;               // units per second
    Vector origin;                 // start point of the moving behaviours
    float ownerAngle = 0.0f;
    Vector ownerAt;                // the owner's position at the last attach
    std::uint8_t anchored = 0;     // ownerAt holds the owner's place of the last frame
    std::uint8_t attached = 0;     // attached since the last update
    float baseWidth = 0.0f;
    float baseHeight = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float rotation = 0.0f;         // degrees
    std::uint8_t colour[4] = {};   // r, g, b, alpha 0..100
    std::uint8_t startColour[4] = {};
    float phase = 0.0f;            // spiral angle of behaviours 183 and 186, radians
    float phaseRate = 0.0f;        // radians per second
    float spiralRadius = 0.0f;     // spiral radius reached at the end of the life
    float lifetime = 0.0f;
    float life = 0.0f;             // seconds left
    float offX = 0.0f;
    float offY = 0.0f;
    std::uint8_t cullable = 1;

    bool busy() const { return behaviour != 0; }
    float age() const { return lifetime - life; }
    // 0 at the spawn, 1 at the end of the life.
    float progress() const {
        if (lifetime <= 0.0f) return 1.0f;
        const float p = age() / lifetime;
        return p < 0.0f ? 0.0f : (p > 1.0f ? 1.0f : p);
    }
};
